// The quick-edit column left of the graphics area: six mode selectors and,
// beside them, the scrolled icon panel of the current mode.  The mode
// (Current_mode) decides what the mouse edits in the graphics window.  The
// column is built from six static icon tables; here the modes are switched
// (carrying the transformation mode across frame mode), on/off states are
// drawn into the icons, the panel scrolls, and the view-mode icons act.  The
// other icons' actions belong to the subsystems named in the tables.
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
  XtCallbackProc callback;  // activate callback (okcallback in kind-13 rows)
  Widget button;            // the icon's widget (button, menu bar or option menu), null until built
  Widget caption;           // the label under the icon, null until built
  char icon_file[28];       // XPM picture in the icons directory
  Menu_item_rec *options;   // choices of kinds 13 and 14, null for the others
  int option_count;         // number of choices
};

struct Qedit_selector_rec {
  char tag[12];      // preference key such as "MODE_PART"
  char label[28];    // one letter per line
  Widget button;     // selector button "qeditselect%d", null until built
  int mode;          // Current_mode value it selects
  void (*refresh)(); // brings its panel up to date after the switch
};

#define QEDIT_PANELS 6
#define QEDIT_SCENE_ROWS 7
#define QEDIT_PART_ROWS 17
#define QEDIT_ANNOT_ROWS 21
#define QEDIT_GRAPH_ROWS 6
#define QEDIT_VIEWPORT_ROWS 11
#define QEDIT_FRAME_ROWS 13
extern Qedit_selector_rec Qedit_selectbut_tbl[QEDIT_PANELS];  // row r = panel r
extern Qedit_icon_rec Qedit_scene_tbl[QEDIT_SCENE_ROWS];        // panel 5, view mode
extern Qedit_icon_rec Qedit_part_tbl[QEDIT_PART_ROWS];          // panel 0, part mode
extern Qedit_icon_rec Qedit_annot_tbl[QEDIT_ANNOT_ROWS];        // panel 1, annotation mode
extern Qedit_icon_rec Qedit_graph_tbl[QEDIT_GRAPH_ROWS];        // panel 2, plot mode
extern Qedit_icon_rec Qedit_viewport_tbl[QEDIT_VIEWPORT_ROWS];  // panel 3, viewport mode
extern Qedit_icon_rec Qedit_frame_tbl[QEDIT_FRAME_ROWS];        // panel 4, frame mode

extern Widget Qedit_iconform;                   // the column's form "qediticonDialog"
extern Widget Qedit_select_rowcol;              // selector column "qeditselectRowCol"
extern Widget Qedit_icon_scrollwin;             // "qediticonScrollWin"
extern Widget Qedit_icon_scrollhoriz;           // its horizontal scroll bar (hidden)
extern Widget Qedit_icon_scrollvert;            // its vertical scroll bar (hidden)
extern Widget Qedit_iconpanel_rowcol;           // "qediticonpanelRowCol"
extern Widget Qedit_icon_rowcol[QEDIT_PANELS];  // "qediticon%dRowCol", one per panel
extern Widget Qedit_iconuparrow_but;            // "ModeScrollUpButton"
extern Widget Qedit_icondownarrow_but;          // "ModeScrollDnButton"
extern Widget Qedit_partviewpvis_dialog;        // dialog of GL window code 10; null until built
extern int Show_icon_labels;                    // 1 = captions under the icons
extern int Frame_mode_allowed;                  // 1 = frame selector shown
extern int View_mode_allowed;                   // 1 = view selector shown

// An icon whose action has not been built yet: it changes nothing.
#define QEDIT_UNBUILT_CB(name) \
  void name(Widget, XtPointer, XtPointer) {}

// Builds the column on parent with the caller's placement; returns its form.
Widget gen_qedit_iconsection(Widget parent, ArgList args, Cardinal nargs);
// Builds one panel's icons into Qedit_icon_rowcol[panel].
void gen_qedit_panel(int panel, const char *prefix, Qedit_icon_rec *tbl, int rows, int balloon);
// Puts the layout pictures on the rows of Viewp_layout_menu.
void qedit_setup_viewportmenuicons();
// Selector pressed; client data is the mode.  Keeps each mode's scroll position.
void qedit_switch_iconsCB(Widget w, XtPointer mode, XtPointer call);
// Switches to mode; with follow_transf What_trans is carried across frame
// mode (and recorded when recording is on).  1, or -1 for a mode without a
// selector ("Bad QuickEdit panel.").
int qedit_switch_iconpanel_windep(int mode, int follow_transf);
// Follows a transformation-mode change: frame mode for 1 and 10, else part mode.
void qedit_panel_refresh_windep();
// Draw an icon's on/off state into its picture (client data: the state).
// An icon without a picture shows the state by its text colour instead.
void qedit_flip_specialtgglCB(Widget button, XtPointer state, XtPointer call);
void qedit_flip_tgglCB(Widget button, XtPointer state, XtPointer call);
// The view-mode icons follow the current view settings.  1.
int qedit_scene_refresh();
void qedit_hsurf_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_hline_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_elmlbl_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_nodlbl_chngCB(Widget w, XtPointer client, XtPointer call);
void qedit_auxclip_chngCB(Widget w, XtPointer client, XtPointer call);
// The panel's arrows; client data 0 up, 1 down.
void main_qeditscroll_chngCB(Widget w, XtPointer direction, XtPointer call);
// Shows the arrows when the panel (height; width < 0 reads it) is taller
// than the column.
void main_modeicon_resize(int width, int height, XEvent *ev);
// Structure-notify handler of the panel row column.
void main_moderowcol_reconfigureECB(Widget w, XtPointer client, XEvent *ev, Boolean *cont);
// Captions follow the rows' visible flags and Show_icon_labels.  1.
int gen_manageqeditpanel_helptext(Qedit_icon_rec *tbl, int rows);
// Buttons and captions follow the rows' visible flags.
void main_qedit_panel_reconfig(int rows, Qedit_icon_rec *tbl);
