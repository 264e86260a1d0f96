#!/usr/bin/env bash
# make bench: release build, the 1M- and 4M-node PLOT3D grids with Q, and the
# client with a local stand-in server under a private Xvfb (Mesa), each
# figure the median, minimum and maximum of RUNS runs after one warm-up:
#   start     process start to "<Ready>"
#   read      the "data:" lines and the zone part built, as the driver link
#             sees them answered (client + server wall time, the part drawn)
#   srv_read  the stand-in alone reading the grid and its Q (-data -result)
#   rotate    frames per second over 200 "view_transf: rotate 1 0 0" lines
#             played with no delay, display lists on
#   client_mb, server_mb   peak resident memory (VmHWM)
# Prints one table and writes OUT/results.json (OUT: build/bench unless given).
#   tools/bench/bench.sh [RELEASE_BUILD [OUT]]
set -u
src=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-build-release}
runs=${RUNS:-5}
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target quivane7 quivane7.server quivane_drive \
  quivane_datasets || exit 1
bindir=$(cd "$build" && pwd)
data="$bindir/datasets"
[ -s "$data/big_4m.q" ] || "$bindir/quivane_datasets" --large "$data" || exit 1
out=${2:-$src/build/bench}
mkdir -p "$out" && out=$(cd "$out" && pwd)
export QUIVANE7_HOME="${QUIVANE7_HOME:-$src/home}"

. "$src/tools/bench/session.sh"
private_xvfb || exit 1
mesa=$(glxinfo -B 2>/dev/null | sed -n 's/^OpenGL version string: //p' | head -n1)

now() { date +%s.%N; }
hwm_mb() { awk '/^VmHWM:/ {printf "%.1f", $2 / 1024}' "/proc/$1/status" 2>/dev/null; }

# One run on grid $1: appends "name value" lines to $2.
one_run() {
  local grid=$1 res=$2 n dport sport log t0 t1 spid
  dport=$(free_port) && sport=$(free_port "$dport") || return 1
  log="$work/client.log"
  mkdir -p "$work/home"
  t0=$(now)
  (cd "$work/home" && HOME="$work/home" PATH="$bindir:$PATH" \
    exec "$bindir/quivane7" -externalcmds -externalcmdport "$dport" -ports "$sport" -c) >"$log" 2>&1 &
  cpid=$!
  for _ in $(seq 1 3000); do grep -q "<Ready>" "$log" && break; sleep 0.005; done
  t1=$(now)
  echo "start $(awk -v a="$t0" -v b="$t1" 'BEGIN {print b - a}')" >>"$res"
  n=100
  [ "$grid" = big_4m ] && n=160
  sed -e "s|@DATA@|$data|g" -e "s|@GRID@|$grid|g" -e "s|@N@|$n|g" "$src/tools/bench/run.txt" |
    "$bindir/quivane_drive" "$dport" 600 >"$work/marks" || { cat "$log" >&2; return 1; }
  awk '$1 == "read_from" {a = $2} $1 == "read_to" {print "read", $2 - a}
       $1 == "repeat" {print "rotate", $2 / $3}' "$work/marks" >>"$res"
  spid=$(pgrep -P "$cpid" | head -n1)
  echo "client_mb $(hwm_mb "$cpid")" >>"$res"
  [ -n "$spid" ] && echo "server_mb $(hwm_mb "$spid")" >>"$res"
  "$bindir/quivane_drive" "$dport" 30 <<<'!quit' >/dev/null
  wait "$cpid"
  cpid=""
  t0=$(now)
  "$bindir/quivane7.server" -data "$data/$grid.xyz" -result "$data/$grid.q" >/dev/null 2>&1
  t1=$(now)
  echo "srv_read $(awk -v a="$t0" -v b="$t1" 'BEGIN {print b - a}')" >>"$res"
}

stats() {  # name file -> "median min max"
  awk -v n="$1" '$1 == n {print $2}' "$2" | sort -g |
    awk '{v[NR] = $1} END {if (NR == 0) {print "- - -"; exit}
         m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
         printf "%.3f %.3f %.3f\n", m, v[1], v[NR]}'
}

names="start read srv_read rotate client_mb server_mb"
units="s s s fps MB MB"
json="$out/results.json"
{
  printf '{\n  "cores": %d,\n  "mesa": "%s",\n  "runs": %d,\n  "grids": {\n' "$(nproc)" "$mesa" "$runs"
} >"$json"
table="$out/table.txt"
printf '%-8s %-10s %-5s %10s %10s %10s\n' grid figure unit median min max >"$table"
first=1
for grid in big_1m big_4m; do
  res="$work/$grid.res"
  : >"$res"
  one_run "$grid" "$work/warmup" || exit 1
  for _ in $(seq 1 "$runs"); do one_run "$grid" "$res" || exit 1; done
  [ $first = 1 ] || printf ',\n' >>"$json"
  first=0
  printf '    "%s": {' "$grid" >>"$json"
  sep=""
  set -- $units
  for n in $names; do
    read -r med lo hi <<<"$(stats "$n" "$res")"
    printf '%-8s %-10s %-5s %10s %10s %10s\n' "$grid" "$n" "$1" "$med" "$lo" "$hi" >>"$table"
    printf '%s\n      "%s": {"unit": "%s", "median": "%s", "min": "%s", "max": "%s"}' \
      "$sep" "$n" "$1" "$med" "$lo" "$hi" >>"$json"
    sep=","
    shift
  done
  printf '\n    }' >>"$json"
done
printf '\n  }\n}\n' >>"$json"
echo "cores $(nproc), $mesa, $runs runs after a warm-up"
cat "$table"
echo "== $json =="
