// The toggle side of the display switches: each tggl_* function flips one
// switch from a menu, panel or dialog toggle, records the command line of
// the new state (while recording is on) and calls the engine operation of
// display_toggles.h.  Also the pick-mode and fast-display setters.
#pragma once

#include "render/display_toggles.h"

extern int What_is_pick_mode;  // pick target: 0 part, 1 plane, 2 line, 3 cursor, 4 look_at, 5 plane_2pt

void tggl_hsrf();        // shaded display (Solidt)
void tggl_persp();       // perspective (Person)
void tggl_light();       // static lighting (Software_light)
void tggl_nodlbl();      // node labels (Labnod), recorded under "annotation:"
void tggl_elmlbl();      // element labels (Labele)
void tggl_lgnd2();       // legends (Legenf)
void tggl_text();        // annotation texts (Txttog)
void tggl_curs();        // cursor tool (Curson), recorded under "tools:"
void tggl_line();        // line tool (Lineon)
void tggl_plane();       // plane tool (Planon)
void tggl_autolegend();  // automatic legend replacement; records nothing
// Auxiliary clip plane: switching on shows the plane tool alone; the line
// is recorded after the switch.
void tggl_auxclip();
// Axis triads: which 1 the frame axes (Axiso1), 0 the global triad
// (Axiso2), any other value the model triad (Axiso3).
void tggl_axis(int which);
// Quadric tool: on 1 shows kind (0 none, 1 cylinder, 2 sphere, 3 cone, 4
// revolution), otherwise none.
void tggl_surface(int on, int kind);
// Hidden line from a toggle: while shaded display is on, switching on opens
// the overlay prompt (whose Okay calls tggl_hline_doit) and changes nothing
// yet; otherwise it switches at once in the part colours.
void tggl_hlin();
// Records and switches hidden line; specify 1 stores r, g, b as the
// overlay colour (and records it).
void tggl_hline_doit(int on, int specify, float r, float g, float b);

// What_is_pick_mode = mode; records "view: pick_mode <mode>" while
// recording is on and do_not_record is 0.
void view_partpick_chng(int mode, int do_not_record);
// Fast display on (1) or off (0), recorded as "view: fast_display".
void view_mod_fastdisplay(int on);
// Fast-display preference (1 static, 0 dynamic); records nothing.
void view_mod_fastdisplaymode(int is_static);
