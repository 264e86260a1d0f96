#!/usr/bin/env bash
# make demo: the client from the build tree, with the bundled installation
# directory, on the generated mixed-element model read by a local stand-in
# server: its three parts built (tests/support/demo/build.cmd), shaded and
# turned 30 degrees about x and y (demo/shade.txt, played over the external
# command driver link by quivane_drive).
#
# With DISPLAY set the client then stays open on that display for the user;
# the demo ends when the client is quit.  Without DISPLAY it runs under a
# private Xvfb, also plays demo/layout.txt (four viewports, a second case with
# the PLOT3D grid in the fourth), saves screenshots under BUILD/demo and ends;
# the exit status is 0 when every line was answered "ok".
set -u
build=${1:-build}
bindir=$(cd "$build" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
data=$(cd "$here/../data" && pwd)
out="$bindir/demo"
export QUIVANE7_HOME="${QUIVANE7_HOME:-$(cd "$here/../../home" && pwd)}"
mkdir -p "$out"

. "$here/../../tools/bench/session.sh"
demohome="$work/home"
mkdir -p "$demohome"

interactive=1
if [ -z "${DISPLAY:-}" ]; then
  interactive=0
  private_xvfb || exit 1
  echo "== private Xvfb on $DISPLAY =="
fi

driver_port=$(free_port) && server_port=$(free_port "$driver_port") ||
  { echo "demo: no free port" >&2; exit 1; }
log="$out/client.log"
echo "== quivane7 -c -case $data/vtk/mixed.vtk on $DISPLAY =="
(cd "$demohome" && HOME="$demohome" PATH="$bindir:$PATH" \
  exec "$bindir/quivane7" -externalcmds -externalcmdport "$driver_port" -ports "$server_port" \
       -c -case "$data/vtk/mixed.vtk" -p "$here/demo/build.cmd") >"$log" 2>&1 &
cpid=$!
# The driver link listens once the client is ready.
for _ in $(seq 1 300); do
  grep -q "<Ready>" "$log" 2>/dev/null && break
  kill -0 "$cpid" 2>/dev/null || break
  sleep 0.1
done
if ! grep -q "<Ready>" "$log" 2>/dev/null; then
  echo "demo: the client did not become ready" >&2
  cat "$log" >&2
  exit 1
fi

play() {
  sed -e "s|@OUT@|$out|g" -e "s|@DATA@|$data|g" "$@" | "$bindir/quivane_drive" "$driver_port" 30
}

if [ "$interactive" = 1 ]; then
  play "$here/demo/shade.txt" || { cat "$log"; exit 1; }
  echo "== the model is shown: turn it with the Transformation row or \"view_transf:\" lines;"
  echo "   quit the client (File > Quit) to end the demo =="
  wait "$cpid"
  status=$?
  cpid=""
  exit "$status"
fi

status=0
play "$here/demo/shade.txt" "$here/demo/layout.txt" || status=1
for _ in $(seq 1 100); do kill -0 "$cpid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$cpid" 2>/dev/null; then
  echo "demo: the client did not end after quit" >&2
  status=1
else
  wait "$cpid" || status=1
  cpid=""
fi
for ppm in "$out"/demo-shaded.ppm "$out"/demo-four.ppm; do
  [ -s "$ppm" ] && convert "$ppm" "${ppm%.ppm}.png"
done
[ "$status" = 0 ] || cat "$log"
echo "== screenshots: $(cd "$out" && ls demo-*.png | tr '\n' ' ')in $out =="
exit "$status"
