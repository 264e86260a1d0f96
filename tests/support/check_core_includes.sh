#!/usr/bin/env bash
# Fails when a source of the display-free core (everything under src/ except
# src/ui, src/platform, src/<subsystem>/ui and the program's main) includes
# an X, Xt, Xm or GLX header, or a header of the Motif layer.
set -u
src=${1:?usage: check_core_includes.sh SRC_DIR}
cd "$src" || exit 2
bad=$(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' |
      grep -Ev '^(ui|platform)/|^[a-z_]+/ui/|^client/main\.cpp$' |
      xargs grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](X11/|Xm/|GL/glx|GL/GLw|ui/|platform/|[a-z_]+/ui/)' )
if [ -n "$bad" ]; then
  echo "core sources that include a display header:"
  echo "$bad"
  exit 1
fi
echo "core sources include no display header"
