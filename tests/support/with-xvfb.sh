#!/usr/bin/env bash
# Runs a command under a private Xvfb on a free display; the server is always stopped.
# Usage: with-xvfb.sh command [args...]
set -u
dpyfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 +extension GLX -nolisten tcp -noreset \
     3>"$dpyfile" >/dev/null 2>&1 &
xpid=$!
cleanup() { kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null; rm -f "$dpyfile"; }
trap cleanup EXIT INT TERM
for _ in $(seq 1 100); do
  [ -s "$dpyfile" ] && break
  kill -0 "$xpid" 2>/dev/null || { echo "with-xvfb: Xvfb failed to start" >&2; exit 1; }
  sleep 0.1
done
[ -s "$dpyfile" ] || { echo "with-xvfb: Xvfb did not report a display" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$dpyfile")"
echo "with-xvfb: DISPLAY=$DISPLAY"
"$@"
