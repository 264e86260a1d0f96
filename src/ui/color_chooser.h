// The "Color Selector" dialog: the one way any feature asks for a colour.
// This module owns the chooser colour (one for the whole run, kept in RGB and
// HSV at once), the current request (the caller's fields, number format and
// apply routine), the 36 colour cells with their file
// "quivane.colpal.default" in the per-user directory, and the drawing and
// picking of the patch area (window code 6) and the mix area (code 7).
// Every setter keeps both triples in step and redraws the two areas once
// their windows exist.  The logic parts (conversions, layout, picking, the
// cell file) touch no widget, so they run without a display.
#pragma once

#include <X11/Intrinsic.h>

#define COLORSEL_CELLS 36                      // colour cells, 6 columns x 6 rows
#define COLORSEL_FORMAT_TEXT 30                // bytes of the caller's number format
#define COLORSEL_CELL_FILE "quivane.colpal.default"

extern Widget Colorselect_dialog;         // the form dialog "ColorSelDialog", null until first use
extern Widget Colorselect_rgb_tggl;       // "RGB" toggle
extern Widget Colorselect_hsv_tggl;       // "HSV" toggle
extern Widget Colorselect_setcell_tggl;   // "Change Color Cell" toggle
extern Widget Colorselect_redhue_text;    // first component field (R or H)
extern Widget Colorselect_redhue_lbl;     // its label
extern Widget Colorselect_grnsat_text;    // second component field (G or S)
extern Widget Colorselect_grnsat_lbl;
extern Widget Colorselect_bluval_text;    // third component field (B or V)
extern Widget Colorselect_bluval_lbl;
extern Widget Colorselect_red_exttext;    // caller's red field, null = none
extern Widget Colorselect_grn_exttext;    // caller's green field, null = none
extern Widget Colorselect_blu_exttext;    // caller's blue field, null = none
extern char Colorselect_rgb_extformat[COLORSEL_FORMAT_TEXT];  // caller's format, e.g. "%4.2f"
extern float Colorselect_red_extvalue;    // colour last applied, 0..1
extern float Colorselect_grn_extvalue;
extern float Colorselect_blu_extvalue;
extern void (*Colorselect_applyroutCB)(); // caller's apply routine, null = none
extern int Colorselect_set_colorcell;     // 1 = a press on a cell stores the colour there
extern int Coming_from_background;        // 1 = the viewport background editor asked

// Pixel layout of the mix area, worked out on every redraw and used by the
// next press.  y counts upwards from the area's bottom edge.
struct Colorsel_layout_rec {
  float w, h;                                  // mix area size
  float grid_left, grid_right;                 // cell grid box
  float grid_bottom, grid_top;
  float hex_left, hex_right;                   // hexagon box (same bottom and top)
  float hex_width;                             // D: the hexagon's width
  float bar_length;                            // 0.9 w
  float bar_height, bar_step, bar_base;        // bar geometry
};

// Regions of a press in the mix area.
enum { COLORSEL_NONE = 0, COLORSEL_GRID = 1, COLORSEL_HEXAGON = 2, COLORSEL_BAR0 = 3,
       COLORSEL_BAR1 = 4, COLORSEL_BAR2 = 5 };

// ---- conversions and the chooser colour ---------------------------------------
// Hue as a fraction of a turn; -1/360 when undefined (saturation 0).
void rgb_to_hsv(float r, float g, float b, float *h, float *s, float *v);
// A hue outside 0..1 leaves the outputs unchanged.
void hsv_to_rgb(float h, float s, float v, float *r, float *g, float *b);
// Radius factor of the hexagon for a hue: 1 at corners, 0.866 mid-edge.
float saturation_factor(float hue);

void colorsel_color_init(float r, float g, float b);
// Mode 0 reads the colour space (0 RGB, 1 HSV); mode 1 sets it and redraws.
void popup_color_space(int *space, int mode);
// The colour in the current space: mode 0 reads (absolute values), mode 1
// sets and redraws; other modes do nothing.
void popup_color_values(float *a, float *b, float *c, int mode);
// The same in RGB whatever the space.
void rgb_popup_color_values(float *r, float *g, float *b, int mode);

// ---- cells and their file -------------------------------------------------------
// Path of the cell file under the per-user directory; 0, or -1 when it does
// not fit into size bytes.
int colorsel_cell_path(char *buf, int size);
// Reads the cell file (defaults when missing or malformed); 1 read, 0 defaults.
int colorsel_read_cells();
// Writes the cell file; 0, or -1 when it cannot be written.
int colorsel_write_cells();
// Cell k's colour, 0..255: mode 0 reads into rgb, mode 1 stores rgb.
void colorsel_cell(int k, int rgb[3], int mode);

// ---- layout and picking ---------------------------------------------------------
// Layout of a mix area of mix_w x mix_h whose patch area is patch_h high
// and starts patch_dy pixels above the mix area's bottom edge.
void colorsel_layout(int mix_w, int mix_h, int patch_dy, int patch_h, Colorsel_layout_rec *out);
// Region of a press at px, py (mix-area pixels).
int colorsel_pick_region(const Colorsel_layout_rec *lay, float px, float py);
// One pass of a drag in region: updates the colour, or with the Change Color
// Cell mode on stores it into the cell under the pointer and writes the file.
// 1 when a cell was stored (the caller then switches the mode off), else 0.
int colorsel_pick(const Colorsel_layout_rec *lay, int region, float px, float py);
// Cell under the pointer during a grid drag, -1 otherwise.
int colorsel_current_cell();

// ---- dialog, drawing, input -----------------------------------------------------
void gen_colorselect_dialog(Widget parent, Widget red, Widget grn, Widget blu, const char *format,
                            float r, float g, float b, void (*apply)(), int hplace, int vplace);
void draw_colorsel_window();
void draw_a_circle(float radius, float x, float y);
void set_colorselmix_win_locat();
void manage_popup_color_chooser(Widget w, XtPointer client, XtPointer call);

void colorsel_colortype_chngCB(Widget w, XtPointer client, XtPointer call);
void colorsel_colortype_chng(int space, int set);
void colorsel_setcell_chngCB(Widget w, XtPointer client, XtPointer call);
void colorsel_refresh_values();
void colorsel_colortext_chngCB(Widget w, XtPointer client, XtPointer call);
void colorsel_applyCB(Widget w, XtPointer client, XtPointer call);
void colorsel_cancelCB(Widget w, XtPointer client, XtPointer call);
void colorsel_setcolor_off_windep();
