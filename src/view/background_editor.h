// The background colour editor: the small GL window (code 9) of the viewport
// background dialog that shows the edited background as a vertical bar,
// flat for a constant background, banded with a numbered marker per level
// for a blended one.  A press on a marker makes its level the edit level; a
// drag of an inner marker moves that level between its neighbours.  The
// record shown is the first selected viewport's, or the defaults for new
// viewports when none is selected.  draw_background_editor and
// set_current_background_color are declared in viewports.h.
#pragma once

// What the editor needs of the window system; a null size means there is no
// editor window, and then every operation here does nothing.
struct Background_editor_hooks {
  // 1 with the editor window's size in pixels when it exists, else 0.
  int (*size)(int *width, int *height);
  // The pointer relative to the editor window (pixels, y up) and whether
  // the left button, or a middle or right one whose role is 10, is down.
  // 0 when it cannot be read.
  int (*pointer)(int *x, int *y, int *left);
  // Loads the colour chooser with a colour (RGB 0..1) without applying it.
  void (*chooser_color)(float r, float g, float b);
};
extern Background_editor_hooks Background_editor_windep;

// Handles a press in the editor: picks a level, drags an inner level.
void manage_background_editor();
// After the selection changed in the graphics window: the colour chooser
// takes the edited colour of the first selected viewport (viewport 0 when
// none), and the editor is redrawn.
void refresh_new_viewport_picked();
// The defaults' edit level (0-based): mode 0 copies it out, mode 1 sets it.
void default_viewp_level_picked(int *level, int mode);
