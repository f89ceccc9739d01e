#!/usr/bin/env bash
# A machine where the program once ran: the user's data folder holds an
# ndata.mdb.  izoku-calc, copied to a folder without one, finds that file
# when run as the user; run in a home of the suite's own (ownhome.sh), it
# does not, and the user's home is left as it was.
# Usage: tst_ownhome.sh ownhome.sh izoku-calc ndata.mdb
set -uo pipefail
ownhome=$1
calc=$2
database=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

user=$work/user
mkdir -p "$user/.local/share/izoku-planner" "$work/program"
cp "$database" "$user/.local/share/izoku-planner/ndata.mdb"
cp "$calc" "$work/program/izoku-calc"
input='{"today": "2026-12-08", "members": [{}, {"age": "40"}], "pension_fields": ["", "120", "300000", "60", "400000"]}'
unread='基礎データ（ndata.mdb）を読み込めませんでした'
snapshot() { (cd "$user" && find . -printf '%p %s %T@\n' | sort && find . -type f -exec sha256sum {} + | sort); }

check() { # description, whether the base figures are said to be unread, command prefix...
  local description=$1 expected=$2
  shift 2
  local out said=no
  out=$(HOME=$user XDG_DATA_HOME=$user/.local/share "$@" "$work/program/izoku-calc" pension <<<"$input" 2>&1)
  [[ $out == *"$unread"* ]] && said=yes
  if [[ $said == "$expected" ]]; then
    echo "PASS: $description"
  else
    echo "FAIL: $description: $out"
    failures=$((failures + 1))
  fi
}

check "as the user: the user's file is read" no
before=$(snapshot)
check "in a home of the suite's own: the user's file is not read" yes bash "$ownhome" "$work/home"
after=$(snapshot)
if [[ $before == "$after" ]]; then
  echo "PASS: the user's home is as it was"
else
  echo "FAIL: the user's home changed"
  diff <(echo "$before") <(echo "$after")
  failures=$((failures + 1))
fi
exit $((failures > 0))
