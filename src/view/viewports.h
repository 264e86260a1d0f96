// Viewports of the graphics windows and the window background. The viewport
// table, layouts and drawing arrive with the viewport subsystem.
#pragma once

#define MAX_VIEWPORTS 16

struct Viewport_rec {
  int in_use;     // 1 = viewport shown
  char name[40];  // "Main Viewport" for viewport 0
  float xmin;     // left edge, fraction of the window 0..1
  float xmax;     // right edge, fraction 0..1
  float ymin;     // bottom edge, fraction 0..1
  float ymax;     // top edge, fraction 0..1
};

extern Viewport_rec Viewports[MAX_VIEWPORTS];
extern float baccol[3];          // background RGB 0..1; black at reset
extern int Person;               // 1 = perspective projection
extern int Floating_z_planes;    // 1 = z-clip planes follow the scene

// Viewport 0 "Main Viewport" covers the window; viewports 1..15 are not in use.
void global_init_viewports();

// ---- graphics-window side of the viewports -------------------------------
extern int Stencil_current_viewport;  // viewport whose mask is in the stencil buffer, -1 = rebuild

// Recomputes every viewport's pixel rectangle from the display's bounds.
void viewport_all_resize();
// Reloads the current viewport's GL viewport and matrices.
void fix_up_viewport(int a, int b);
// The central redraw: with nothing loaded every display's window is cleared
// to the background colour.
void viewports_display_all();
void copy_to_backbuffer();
// Modal loop of viewport mode; argument ignored.
void viewport_move_manage(int unused);
void draw_part_viewport_vis_gl(int code);
void manage_part_viewport_vis_gl(int code);
void draw_selected_viewport_chooser_gl(int code);
void draw_background_editor();
// Colour chooser coupling of the background editor (RGB 0..1); nothing
// while the background editor's area does not exist.
void set_current_background_color(float r, float g, float b);
void viewp_bgcolortext_chng(float r, float g, float b);
void draw_zclipp_area_gl();
void draw_atfrom_gl();
// Draws the screen of viewport mode (all viewports with their outlines).
void display_viewport_mode();
// Brings the viewport panel in line with the selected viewports.
void viewp_icons_refresh();
