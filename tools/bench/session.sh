# Sourced by tests/support/demo.sh and tools/bench/bench.sh: a scratch
# directory ($work), a private Xvfb, a client process ($cpid), all ended on
# exit, and free TCP ports.

xpid=""
cpid=""
work=$(mktemp -d)
session_end() {
  [ -n "$cpid" ] && kill "$cpid" 2>/dev/null && wait "$cpid" 2>/dev/null
  [ -n "$xpid" ] && kill "$xpid" 2>/dev/null && wait "$xpid" 2>/dev/null
  rm -rf "$work"
}
trap session_end EXIT
trap 'exit 1' INT TERM

# Starts an Xvfb on a display it picks and exports DISPLAY; 1 when none came.
private_xvfb() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 +extension GLX -nolisten tcp -noreset \
       3>"$work/dpy" >/dev/null 2>&1 &
  xpid=$!
  for _ in $(seq 1 100); do [ -s "$work/dpy" ] && break; sleep 0.1; done
  [ -s "$work/dpy" ] || { echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -n1 "$work/dpy")"
}

# A TCP port nothing listens on now, other than $1.
free_port() {
  local p
  for _ in $(seq 1 200); do
    p=$((20000 + RANDOM % 30000))
    [ "$p" = "${1:-0}" ] && continue
    (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null || { echo "$p"; return 0; }
  done
  return 1
}
