// The quick-edit column left of the graphics area: six mode selectors and,
// beside them, the icon panel of the current mode.  Built here as far as the
// window's layout needs: the selectors, the scrolled panel area, the view
// and part panels with their pictures, and the drawing of an icon's on/off
// state.  Switching modes, scrolling and the icons' actions arrive with the
// quick-edit module proper (their callbacks change nothing yet).
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;

struct Qedit_icon_rec {
  char tag[12];             // preference key such as "SCEN_HIDSRF"
  char label[28];           // text; a newline splits it
  int kind;                 // 1 push button, 13 icon with choices, 14 option menu, else a button kind
  int order;                // 1-based position in the panel
  int visible;              // 1 shown, 0 hidden
  int state;                // on/off state a two-state icon shows; initially 1
  XtCallbackProc callback;  // activate callback; null = not built yet
  Widget button;            // the icon's widget, null until built
  Widget caption;           // the label under the icon, null until built
  char icon_file[28];       // XPM picture in the icons directory
  Menu_item_rec *options;   // choices of kinds 13 and 14, null = none yet
  int option_count;         // number of choices
};

#define QEDIT_PANELS 6
#define QEDIT_SCENE_ROWS 7
#define QEDIT_PART_ROWS 17
extern Qedit_icon_rec Qedit_scene_tbl[QEDIT_SCENE_ROWS];
extern Qedit_icon_rec Qedit_part_tbl[QEDIT_PART_ROWS];

extern Widget Qedit_iconform;                   // the column's form "qediticonDialog"
extern Widget Qedit_select_rowcol;              // selector column "qeditselectRowCol"
extern Widget Qedit_selectbut[QEDIT_PANELS];    // selector buttons "qeditselect%d", panel order
extern Widget Qedit_icon_scrollwin;             // "qediticonScrollWin"
extern Widget Qedit_iconpanel_rowcol;           // "qediticonpanelRowCol"
extern Widget Qedit_icon_rowcol[QEDIT_PANELS];  // "qediticon%dRowCol", one per panel
extern Widget Qedit_iconuparrow_but;            // "ModeScrollUpButton"
extern Widget Qedit_icondownarrow_but;          // "ModeScrollDnButton"
extern Widget Qedit_partviewpvis_dialog;        // dialog of GL window code 10; null until built
extern int Show_icon_labels;                    // 1 = captions under the icons
extern int Frame_mode_allowed;                  // 1 = frame selector shown
extern int View_mode_allowed;                   // 1 = view selector shown

// Builds the column on parent with the caller's placement; returns its form.
Widget gen_qedit_iconsection(Widget parent, ArgList args, Cardinal nargs);
// Builds one panel's icons into Qedit_icon_rowcol[panel].
void gen_qedit_panel(int panel, const char *prefix, Qedit_icon_rec *tbl, int rows, int balloon);
// Selector pressed; client data is the mode.
void qedit_switch_iconsCB(Widget w, XtPointer mode, XtPointer call);
// Draw an icon's on/off state into its picture (client data: the state).
// An icon without a picture shows the state by its text colour instead.
void qedit_flip_specialtgglCB(Widget button, XtPointer state, XtPointer call);
void qedit_flip_tgglCB(Widget button, XtPointer state, XtPointer call);
// The panel's arrows; client data 0 up, 1 down.
void main_qeditscroll_chngCB(Widget w, XtPointer direction, XtPointer call);
// Recomputes whether the panel needs its arrows; -1, -1 takes the panel's height.
void main_modeicon_resize(int width, int height, XEvent *ev);
