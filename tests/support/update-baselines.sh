#!/usr/bin/env bash
# Rewrites the stored screenshots in tests/e2e/baselines from what the tests
# that compare with them capture now.  The tests themselves only compare;
# every picture they compare is kept in <build>/test-shots under the
# baseline's name.  Run this after a deliberate change of what those windows
# show, look at the rewritten pictures, then commit them.
# Usage: tests/support/update-baselines.sh [build-dir]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
shots=$build/test-shots

# The tests that compare with a baseline (one picture each).
tests='MainWindow\.ReadyAndTheWindowAsStored$|QuickEdit\.ViewIconsFlipTheirSettingsAndShowTwoStates$|ColorSelector\.ChooserAsStored$|PartShow\.OnePartAsStoredAndNoneAllBlack$|RedrawModel\.ACommandFileReadsTheModelAndTheRedrawShowsIt$|QeditPart\.IconsFollowTheFirstSelectedPart$'

cmake --build "$build"
rm -rf "$shots"
# Against the old pictures these tests may fail; what they captured is kept all the same.
QUIVANE7_HOME="$root/home" "$root/tests/support/with-xvfb.sh" \
  ctest --test-dir "$build" -R "$tests" --timeout 600 || true

status=0
for baseline in "$root"/tests/e2e/baselines/*.png; do
  name=$(basename "$baseline")
  if [ -s "$shots/$name" ]; then
    cp "$shots/$name" "$baseline"
    echo "update-baselines: rewrote tests/e2e/baselines/$name"
  else
    echo "update-baselines: no picture was captured for $name" >&2
    status=1
  fi
done
exit "$status"
