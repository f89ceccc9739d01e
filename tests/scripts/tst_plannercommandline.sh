#!/usr/bin/env bash
# izoku-planner started from a terminal or a script on a machine with no
# desktop: --help and --version answer and end without one, and without a
# display the program says so in one line instead of Qt's abort.
# Usage: tst_plannercommandline.sh path/to/izoku-planner VERSION
set -uo pipefail
planner=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# check DESCRIPTION STATUS STDOUT-PATTERN STDERR-PATTERN STDERR-LINES [VARIABLE=VALUE...] -- ARGUMENT...
# Runs the program with no display, the variables given set, and compares
# its exit status, what it printed (bash patterns) and the lines of its
# error output.
check() {
  local description=$1 status=$2 out_pattern=$3 err_pattern=$4 err_lines=$5
  shift 5
  local variables=()
  while [[ $1 != -- ]]; do
    variables+=("$1")
    shift
  done
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${variables[@]}" "$planner" "$@" \
    >"$work/out" 2>"$work/err" </dev/null
  local got=$? out err lines
  out=$(cat "$work/out")
  err=$(cat "$work/err")
  lines=$(wc -l <"$work/err")
  # shellcheck disable=SC2053 # the expectations are patterns
  if [[ $got == "$status" && $out == $out_pattern && $err == $err_pattern && $lines == "$err_lines" ]]; then
    echo "PASS: $description"
  else
    echo "FAIL: $description: status $got (expected $status)"
    echo "--- output:"
    cat "$work/out"
    echo "--- error output ($lines lines, expected $err_lines):"
    cat "$work/err"
    failures=$((failures + 1))
  fi
}

no_display='izoku-planner: no display to open the windows on (DISPLAY is not set)*QT_QPA_PLATFORM=offscreen*'
no_wayland='izoku-planner: no display to open the windows on (WAYLAND_DISPLAY is not set)*'
check "--help" 0 "usage: izoku-planner [[]--database PATH[]]*--version*" "" 0 -- --help
check "--help after --database" 0 "usage: izoku-planner *" "" 0 -- --database "$work/ndata.mdb" --help
check "--version" 0 "izoku-planner $version" "" 0 -- --version
check "no display" 1 "" "$no_display" 1 --
check "the X11 platform asked for, no DISPLAY" 1 "" "$no_display" 1 -- -platform xcb
check "QT_QPA_PLATFORM=xcb, no DISPLAY" 1 "" "$no_display" 1 QT_QPA_PLATFORM=xcb --
check "Wayland asked for, no WAYLAND_DISPLAY" 1 "" "$no_wayland" 1 QT_QPA_PLATFORM=wayland --
# Offscreen is a display of its own: the program goes on as far as its
# arguments, and a --database without a path is refused with the usage.
help_lines=$("$planner" --help | wc -l)
check "offscreen, --database without a path" 2 "" "usage: izoku-planner *" "$help_lines" \
  QT_QPA_PLATFORM=offscreen -- --database

exit $((failures > 0))
