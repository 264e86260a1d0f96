// The logic of the viewport panel and the background dialog that needs no
// widget: the blend-level and position arrows, position changes with their
// order checks, colours and positions coming from the colour chooser and
// the background editor, and the visibility icon.  What the dialogs show
// goes through the hooks of Viewp_windep (viewp_cmdproc.h).
#pragma once

// Refills every viewport dialog and the panel's visibility indicator.
void viewp_refresh_all();
// Shows a colour in the background dialog without applying it: the
// constant fields when the first selected viewport's background is constant,
// else the edit level's.
void viewp_bgcolortext_set(float r, float g, float b);
// Shows a position in the background dialog without applying it.
void viewp_bgpositiontext_set(float position);
// Applies a position to the edit level of the edited viewports (recorded).
void viewp_bgpositiontext_chng(float position);
// A new position of the edit level, refused with a message when it is level
// 1, the top level of an edited viewport, or outside its neighbours.  The
// flag has no effect.
void viewp_bgcolorpos_chng(float position, int flag);
// The edit-level arrows from the level shown: up (down 0) or down, clamped
// to 1 .. the smallest level count.
void viewp_bgcoloredlevaro_chng(int shown_level, int down);
// The position arrows from the position shown: +-0.05, clamped to 0..1.
void viewp_bgcolorposaro_chng(float shown_position, int down);
// The visibility icon pressed with its stored state: flips the edited
// viewports' visibility (recorded) and returns the new state.
int viewp_vis_chng(int state);
