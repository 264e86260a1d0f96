// Overall range and recentring: the box of all loaded parts, and the fit of
// every viewport's view to it.  Parts count while their slot is in use,
// their element representation is not "not loaded" and they are not group
// records; visibility does not matter.
#pragma once

extern int View_centred;      // 1 once a recentring met a loaded part; archived with the parts
extern float topctmsav[16];   // combined model transformation saved by the last recentring

// The box of all counted parts with a box; the six outputs are left as they
// were when none has one.
void get_overall_coord_range(float *x_min, float *x_max, float *y_min, float *y_max,
                             float *z_min, float *z_max);
// GL_LIGHT1 and GL_LIGHT2 of the current GL context: white, directional,
// facing each other along z under the current model-view; LIGHT2 on only
// while two lights are on.
void set_scene_lights();
// Fits every viewport's initial view to the loaded parts, resets the global
// frame's axes and sets the two scene lights of every display.  The box is
// the union of all parts other than measured particles; the particles'
// union serves only when no other part has a box.  A box of one point grows
// by 1 on each side.  An empty model changes nothing.  No redraw.
void center();
