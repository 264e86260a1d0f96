// The viewport table: up to sixteen rectangles of the graphics window, each
// with its attributes, stacking place, selection and 2-D matrix.  Viewport 0,
// the "Main Viewport", always exists and is always three-dimensional.  The
// table is changed through viewport_attributes and the operations below;
// others read the records directly.  Locations are fractions of the graphics
// window from its left and bottom edges.
#pragma once

#include "view/view_matrix.h"

#define MAX_VIEWPORTS 16
#define VIEWPORT_ATTRS 40       // slots of a viewport's attribute vector
#define VIEWPORT_NAME_TEXT 80   // capacity of a viewport name, NUL included

// Slots of the attribute vector (the keyword ids of "viewport:").
enum {
  VP_VIEW_DIMENSION = 0,    // 1 three-dimensional, 0 two-dimensional
  VP_AUTO_CENTERING = 1,    // on/off, stored only
  VP_BORDER_VISIBLE = 2,    // border drawn
  VP_BORDER_RGB = 3,        // 3..5
  VP_BACKGROUND_TYPE = 7,   // 0 transparent, 1 inherit, 2 constant, 3 blended
  VP_BLEND_LEVELS = 8,      // 2..5
  VP_CONSTANT_RGB = 9,      // 9..11
  VP_BLEND_RGB = 12,        // level L (1..5): 12 + 3(L-1) .. 14 + 3(L-1)
  VP_BLEND_POSITION = 27,   // level L: 26 + L
  VP_VISIBLE = 32,          // shown
  VP_ORIGIN_X = 33,         // left edge, fraction of the window width
  VP_ORIGIN_Y = 34,         // bottom edge, fraction of the window height
  VP_WIDTH = 35,            // fraction of the window width
  VP_HEIGHT = 36,           // fraction of the window height
  VP_HIDDEN_SURFACE = 37,   // drawing switch read by the renderer
  VP_HIDDEN_LINE = 38,      // on/off, stored only
  VP_PERSPECTIVE = 39,      // perspective when the global switch Person is on
};

struct Viewport_rec {
  char name[VIEWPORT_NAME_TEXT];      // "Main Viewport", "Viewport %d", or "" when made anew
  float attributes[VIEWPORT_ATTRS];   // the slots above; codes read rounded
  int two_d;                          // 1 while two-dimensional; 0 for viewport 0
  int in_use;                         // 1 exactly while listed in the stacking order
  int selected;                       // 1 while selected
  int x0, x1, y0, y1;                 // pixel rectangle on display 0 (x1 - x0 = width)
  int blend_edit_level;               // 0-based level the background editor changes
  float plane[4];                     // plane of a 2-D viewport
  int two_d_check_pending;            // a 2-D part check waits for the viewport to show
  Matrix_4x4_rec matrix_2d;           // identity for 3-D; multiplied last into the model-view
};

extern Viewport_rec Viewports[MAX_VIEWPORTS];
extern float Viewport_defaults[VIEWPORT_ATTRS];        // vector new viewports take (viewport -1)
extern int Viewport_display_order[MAX_VIEWPORTS];      // viewports in use, bottom first
extern int Num_active_viewports;                       // 1..16 entries of the order in use
extern int Viewport_current;                           // 0..15, the viewport being addressed
extern int Stencil_current_viewport;                   // viewport in the stencil mask, -1 = rebuild
extern int Num_viewports_overlapping;                  // viewports overlapping another
extern float baccol[3];          // background RGB 0..1; black at reset
extern int Person;               // 1 = perspective projection
extern int Floating_z_planes;    // 1 = z-clip planes follow the scene

// The start-up table: viewport 0 over the whole window, 1..15 not in use on
// a 4 x 4 grid of origins.
void global_init_viewports();
// The vector new viewports take at start-up (the archive reset's defaults).
void viewport_start_defaults(float out[VIEWPORT_ATTRS]);
// Mode 0 reads the name and vector (viewport -1: the defaults, empty name);
// mode 1 sets them with the table's rules; redraw 1 redraws all viewports
// when the change is visible.  Viewports -1..15; other modes nothing.
void viewport_attributes(int viewport, float attributes[VIEWPORT_ATTRS],
                         char name[VIEWPORT_NAME_TEXT], int redraw, int mode);
// The lowest free slot comes into use on top, selected alone and current:
// 1, or -1 when all sixteen are in use.
int make_new_viewport();
// Deletes every selected viewport except viewport 0.
void remove_viewport();
// 1 when 0..15 and in use, else 0.
int viewport_exists(int viewport);
// Layouts 0 "one", 1 "two_vertical", 2 "two_horizontal", 3 "four_equal",
// 4 "four_withthreeleft", 5 "four_withthreebottom": 1, or -1 for any other
// code (nothing changes).
int standard_viewport_layout(int layout);
// Fits the view of Viewport_current to the parts it shows.
void initialize_one_viewport();
// Re-fits every selected viewport, then redraws.
void initialize_viewports();
// GL viewport, projection and (with_modelview 1) model-view of
// Viewport_current on display Dpy_current; leaves matrix mode model-view.
// Pixel sizes are at least 1.
void fix_up_viewport(int with_modelview);
// The same for another display's main window, made current first.
void copy_transforms_from_root_window(int display);
// Redraws the part visibility pickers (4, 10, 14) and the viewport
// choosers (5, 18), and marks the overlap mask stale.
void viewport_pickers_refresh();
// Recomputes the pixel rectangle of all sixteen records.
void viewport_all_resize();
// Pixel rectangle of one record from display 0's bounds.
void viewport_pixel_rectangle(int viewport);
// Width and height of the pixel rectangle plus one, at least 1.
int viewport_pixel_width(const Viewport_rec &vp);
int viewport_pixel_height(const Viewport_rec &vp);
// 1 when Person is 1 and the viewport's perspective slot is 1.0.
int viewport_perspective_on(int viewport);

// ---- selection ------------------------------------------------------------------
// Mode 0 lists the selected viewports in ascending number; mode 1 selects
// exactly the first *count of list and redraws the choosers.
void current_selected_viewports(int *count, int list[MAX_VIEWPORTS], int mode);

// ---- neighbours not built yet ------------------------------------------------------
// Mode 1 computes the overlap list of the viewport: the visible viewports
// above it in the stacking order that meet it, or meet one that does, and so
// on; mode 0 copies the list out (Num_viewports_overlapping entries).
void viewport_overlap(int viewport, int list[MAX_VIEWPORTS], int mode);

// ---- graphics-window side of the viewports -------------------------------
// The redraw request: a complete new frame on every display, drawn and
// shown (see viewport_redraw.h); nothing while a command file plays with
// deferred refresh.
void viewports_display_all();
// After a swap, makes the back buffer(s) hold the frame now shown.
void copy_to_backbuffer();
// Modal loop of viewport mode; argument ignored.
void viewport_move_manage(int unused);
// The part visibility pickers, window codes 4 (part dialog), 10 (quick-edit
// part panel) and 14 (case dialog): the layout with every visible viewport
// outlined green when its bit is set in the mask shown (the working mask,
// or the current case's for 14), red otherwise; a press toggles the
// top-most viewport under the pointer and applies the mask.  Nothing while
// the picker's window does not exist.
void draw_part_viewport_vis_gl(int code);
void manage_part_viewport_vis_gl(int code);
// Draws the layout in miniature in viewport chooser code (5 or 18):
// selected outlined green, the others white, links marked in chooser 5.
void draw_selected_viewport_chooser_gl(int code);
void draw_background_editor();
// Colour chooser coupling of the background editor (RGB 0..1); nothing
// while the background editor's area does not exist.
void set_current_background_color(float r, float g, float b);
void viewp_bgcolortext_chng(float r, float g, float b);
void draw_zclipp_area_gl();
void draw_atfrom_gl();
// Draws the screen of viewport-editing mode: the saved picture when that
// mode was drawn last, else all viewports with outlines and tabs, saved.
void display_viewport_mode();
// Re-reads the selection into the "viewport:" working list, records it when
// it changed, and refreshes the viewport dialogs.
void viewp_icons_refresh();
// Draws the background of Viewport_current (see viewport_background.h).
void erase_screen();

// ---- drawing services of the redraw ------------------------------------------
// Declared here for the renderer; described with their modules:
// viewport_select.h, viewport_redraw.h, viewport_background.h, observer.h.
int viewport_stack_location(int viewport);
void viewport_create_stencil_buffer();
void get_b_color(float height, float *r, float *g, float *b);
void draw_viewport_outline();
void adjust_floating_z_planes();
