#!/usr/bin/env bash
# make demo: runs the client from the build tree with the bundled installation
# directory (under a private Xvfb when there is no DISPLAY): it starts the
# stand-in server, reads the bundled mixed-element model as a case file,
# builds all its parts from a command file, saves a screenshot of the screen
# and ends the client.
set -u
build=${1:-build}
bindir=$(cd "$build" && pwd)
echo "== quivane7 -help (usage text, exit status 1) =="
"$build/quivane7" -help

xpid=""
dpyfile=""
cleanup() {
  [ -n "${cpid:-}" ] && kill "$cpid" 2>/dev/null && wait "$cpid" 2>/dev/null
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null && wait "$xpid" 2>/dev/null
  [ -n "$dpyfile" ] && rm -f "$dpyfile"
}
trap cleanup EXIT INT TERM
if [ -z "${DISPLAY:-}" ]; then
  dpyfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 +extension GLX -nolisten tcp -noreset \
       3>"$dpyfile" >/dev/null 2>&1 &
  xpid=$!
  for _ in $(seq 1 100); do [ -s "$dpyfile" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$dpyfile")"
  echo "== private Xvfb on $DISPLAY =="
fi

demohome=$(mktemp -d)
log="$demohome/client.log"
model="$(cd "$(dirname "$0")/../data" && pwd)/vtk/mixed.vtk"
printf 'VERSION 7.1\ndata_partbuild: begin\ndata_partbuild: select_all\ndata_partbuild: create\ndata_partbuild: end\n' \
  >"$demohome/build.cmd"
echo "== quivane7 -c -case $model -p build.cmd (main window on $DISPLAY) =="
(cd "$demohome" && HOME="$demohome" PATH="$bindir:$PATH" \
  exec "$bindir/quivane7" -c -case "$model" -p "$demohome/build.cmd") >"$log" 2>&1 &
cpid=$!
for _ in $(seq 1 100); do grep -q "<Ready>" "$log" && break; sleep 0.1; done
cat "$log"
sleep 3
shot="$PWD/$build/demo-mainwindow.png"
import -window root "$shot" && echo "== screenshot of the main window: $shot =="
kill -INT "$cpid" 2>/dev/null
wait "$cpid" 2>/dev/null
cpid=""
rm -rf "$demohome"
