#!/usr/bin/env bash
# make demo: runs the client from the build tree with the bundled installation directory.
set -u
build=${1:-build}
echo "== quivane7 -help (usage text, exit status 1) =="
"$build/quivane7" -help
echo "== quivane7 (banner and ready line) =="
"$build/quivane7"
