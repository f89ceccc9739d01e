#!/usr/bin/env bash
# setup.sh with apt-get, dpkg-query, id and sudo replaced by stubs that
# record how they were called.  Usage: tst_setup.sh path/to/setup.sh
set -uo pipefail
setup=$1
stubs=$(mktemp -d)
trap 'rm -rf "$stubs"' EXIT
failures=0

stub() { # name, body
  printf '#!/usr/bin/env bash\n%s\n' "$2" >"$stubs/$1"
  chmod +x "$stubs/$1"
}
# Every call of apt-get or sudo is written to calls.log; apt-get fails as it
# would without a network.
stub apt-get 'echo "apt-get $*" >>"$STUB_LOG"; exit 100'
stub sudo 'echo "sudo $*" >>"$STUB_LOG"; exec "$@"'
# Reports every package installed but those named in $MISSING.
stub dpkg-query 'name=${!#}; for m in $MISSING; do [ "$m" = "$name" ] && { echo "dpkg-query: no packages found matching $name" >&2; exit 1; }; done; printf "install ok installed"'
stub id 'if [ "$1" = -u ]; then echo "${STUB_UID:-0}"; else exec /usr/bin/id "$@"; fi'

check() { # description, expected status, expected calls, [setup.sh runs with PATH]
  local description=$1 status=$2 calls=$3 path=${4:-$stubs:$PATH}
  : >"$stubs/calls.log"
  STUB_LOG="$stubs/calls.log" PATH="$path" bash "$setup" >/dev/null 2>&1
  local got=$?
  local log
  log=$(cat "$stubs/calls.log")
  if [ "$got" != "$status" ] || [ "$log" != "$calls" ]; then
    echo "FAIL: $description: status $got (expected $status), calls:"
    echo "${log:-(none)}"
    echo "expected:"
    echo "${calls:-(none)}"
    failures=$((failures + 1))
  else
    echo "PASS: $description"
  fi
}

export MISSING="" STUB_UID=0
check "everything installed: no apt-get" 0 ""

MISSING="xvfb qt6-charts-dev"
check "two missing: apt-get installs just those" 100 "apt-get update -qq"
# With apt-get answering, the install names exactly the missing packages.
stub apt-get 'echo "apt-get $*" >>"$STUB_LOG"'
check "two missing, with a network" 0 "apt-get update -qq
apt-get install -y -qq qt6-charts-dev xvfb"
STUB_UID=1000
check "not root: through sudo" 0 "sudo apt-get update -qq
apt-get update -qq
sudo apt-get install -y -qq qt6-charts-dev xvfb
apt-get install -y -qq qt6-charts-dev xvfb"

# The names must be real packages: on this machine, where the README's
# commands have installed everything, the real dpkg-query finds them all.
stub apt-get 'echo "apt-get $*" >>"$STUB_LOG"; exit 100'
real=$(mktemp -d)
ln -s "$stubs/apt-get" "$real/apt-get"
ln -s "$stubs/sudo" "$real/sudo"
MISSING="" STUB_UID=0
check "the real dpkg-query finds every package" 0 "" "$real:$PATH"
rm -rf "$real"

exit $((failures > 0))
