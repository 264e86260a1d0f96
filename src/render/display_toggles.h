// The engine side of the scene-wide display switches.  Each operation sets
// its global, rebuilds the part display objects that depend on it and
// redraws (with display_all while one viewport is in use, else
// viewports_display_all).  None of them records a command line: the
// callers (the tggl_* functions, the command processors, the preferences)
// do.  The switches themselves are defined beside the code that reads them
// most (disobj.h, viewports.h, function.h, ...); this module owns the few
// that only it changes.
#pragma once

extern int Lighting_two_lights;       // 1 = lights 1 and 2 (one-sided), 0 = light 1 two-sided
extern int Server_thread_count;       // thread count last set for the servers, 1..32
extern int Hidden_line_rebuild_mark;  // 1 while parts carry the hidden-line overlay colour

// Operations taking the new state (1 on, 0 off).
void solid(int on);                // shaded display (Solidt)
void light_soft_toggle(int on);    // static lighting (Software_light)
void pers_toggle(int on);          // perspective (Person)
void user_clip_toggle(int on);     // auxiliary clip plane (Plane_clipp_toggle, GL clip plane 0)
void toggle_hidden_line(int on);   // hidden line (Hlinet)
void node_toggle(int on);          // node-id labels (Labnod)
void elem_toggle(int on);          // element-id labels (Labele)
void part_toggle(int on);          // part labels (Labprt)
void legend_toggle(int on);        // legends (Legenf)
void text_togg(int on);            // annotation texts (Txttog)
void auto_legend_replace_toggle(int on);  // legend follows the colouring variable
// Animated particle traces (Anitrt): the trace animation's restart result
// when switched on, else 1.
int animt_toggle(int on);
// Tools: kind 3 cursor, 4 line, 5 plane (value 0/1), 6 the quadric tool
// (value 0 none, 1 cylinder, 2 sphere, 3 cone, 4 revolution).
void widget_toggle(int kind, int value);

// Accessors: a pointer to the value and a mode.
// Fast display (Box_mode_toggle): mode 1 sets, any other mode gets.
int box_toggle(int *value, int mode);
// Fast-display preference (Box_mode_always_toggle, 1 static boxes always):
// mode 1 sets, any other mode gets; result 1.
int static_box_toggle_preference(int *value, int mode);
// Floating z-clip planes: mode 0 gets, 1 sets; nothing is redrawn.
int floating_z_toggle(int *value, int mode);
// Rebuild-all switches: mode 0 gets, 1 sets (a change in truth rebuilds
// the line object of every loaded part).
int toggle_wireframe_mode(int *value, int mode);
int toggle_performance_mode(int *value, int mode);
// Mode 0 gets, any other mode sets.
int toggle_culled_lines(int *value, int mode);
int toggle_dynamic_alpha(int *value, int mode);
// Two lights: mode 0 gets, 1 sets.  The change reaches the main graphics
// window of every display, whether parts are drawn from GL lists or from
// the recorded display list.
int toggle_two_lights(int *value, int mode);
// Point-cloud thinning: mode 1 sets, any other mode gets.
int point_display_distribution(int *value, int mode);
// Server threads: mode 0 gets, 1 sets and sends "set_threads" to every
// active case (a count outside 1..32 is refused with result 32), 2 stores
// only.  Result 0 otherwise.
int number_threads_for_server(int *value, int mode);

// What the engine calls to rebuild and redraw.  A test installs its own to
// count the calls; a null entry, or a null table, means the real one.
struct Display_toggle_calls {
  void (*make_part)(int n);          // line object of part number n
  void (*make_part_solid)(int n);    // solid object of part number n
  void (*delete_solid)(int i);       // frees the solid object of table index i, clears its id
  void (*build_label)(int kind, int n);  // kind 0 node, 1 element, 2 part labels of part n
  void (*delete_list)(unsigned int id);  // one GL list
  void (*redraw)();
};
void display_toggle_calls(const Display_toggle_calls *calls);

// Widget refreshers the Motif layer sets; null: nothing to refresh.
extern void (*View_menu_windep)();            // View menu toggles from the switches
extern int (*Main_viewtggls_windep)();        // main window's view toggles
extern int (*Main_tooltggls_windep)();        // main window's tool toggles
extern void (*View_hline_prompt_windep)();    // opens the "Hidden Line Overlay" prompt
