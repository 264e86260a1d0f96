// The scene's display toggles flipped by the View menu, the main toggles and
// the view-mode quick-edit icons.  Each flip changes its setting and
// redraws; rebuilding display objects for it arrives with rendering.
#pragma once

void tggl_hsrf();     // shaded display (Solidt)
void tggl_hlin();     // hidden line (Hlinet)
void tggl_elmlbl();   // element labels (Labele)
void tggl_nodlbl();   // node labels (Labnod)
void tggl_auxclip();  // auxiliary clip plane (Plane_clipp_toggle)
void tggl_curs();     // cursor tool (Curson)
void tggl_line();     // line tool (Lineon)
void tggl_plane();    // plane tool (Planon)
// Flips an axis triad: 1 local frames (Axiso1), 2 model (Axiso3), other
// values global (Axiso2).
void tggl_axis(int which);
// Sets fast display (bounding boxes) to state 0 or 1.
void view_mod_fastdisplay(int state);
// Mode 0: the fast-display state into *state; 1.
int box_toggle(int *state, int mode);
