#!/usr/bin/env bash
# Runs one test in a home of its own, made empty for every run: HOME and
# the XDG folders point into it, so that no test reads or writes the home
# of whoever runs the suite, where ~/.local/share/izoku-planner/ndata.mdb
# holds the customers of an agent who once used the program there.
# Usage: ownhome.sh FOLDER COMMAND [ARGUMENT...]
set -euo pipefail
home=$1
shift
if [[ $home != /* ]]; then
  echo "ownhome.sh: the home must be an absolute path, not '$home'" >&2
  exit 2
fi
rm -rf "$home"
mkdir -p "$home/.local/share" "$home/.local/state" "$home/.config" "$home/.cache" "$home/runtime"
chmod 700 "$home" "$home/runtime"
export HOME=$home
export XDG_DATA_HOME=$home/.local/share XDG_STATE_HOME=$home/.local/state
export XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$home/runtime
# The system's own folders, as the XDG defaults name them, whatever the
# user running the suite added to them.
export XDG_DATA_DIRS=/usr/local/share:/usr/share XDG_CONFIG_DIRS=/etc/xdg
exec "$@"
