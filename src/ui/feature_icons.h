// Feature icons of the main window and the quick-interaction area beside the
// part list: the table of the eighteen features, the icon strip below the
// menu bar with its scroll arrows, and the switching of the panels.  The
// panels belong to the features' subsystems: each row names the builder
// that makes its panel on first use and fills it from the given parts.
#pragma once

#include <X11/Intrinsic.h>

// A feature's panel builder: (parent row column, count, internal list,
// number list) in the form selected_parts returns, or count 1 with -1 for
// the defaults.  With a null parent and no panel it does nothing; otherwise
// it builds the panel into the parent on first use (unmanaged), stores it in
// its row's panel field and fills it.
typedef int (*Feature_panel_builder)(Widget parent, int count, int *internal, int *numbers);

struct Feature_rec {
  char tag[12];                   // preference key such as "FEAT_COLOR"
  char label[28];                 // button text; a newline splits it
  int order;                      // 1-based position in the strip
  int visible;                    // 1 shown, 0 hidden
  XtCallbackProc callback;        // main_featureCB in every row
  Widget button;                  // the icon button, null until the strip is built
  Widget panel;                   // the feature's quick-interaction panel, null until built
  char icon_file[28];             // XPM picture in the icons directory
  int feature_id;                 // equals the row index; balloon id
  int part_feature;               // 1 for rows 0..11 (features working on selected parts)
  Feature_panel_builder builder;  // panel builder; null for the Calculator
};

#define FEATURE_ROWS 18
#define FEATURE_CALCULATOR 17
extern Feature_rec Feature_tbl[FEATURE_ROWS];
extern int Interact_area_current;  // id of the feature whose panel is shown, -1 none

// A panel builder whose panel has not been built yet: it builds nothing.
#define FEATURE_UNBUILT_PANEL(name) \
  int name(Widget, int, int *, int *) { return 0; }

// Fills the icon strip (Main_featureicon_rowcol) in the rows' order:
// buttons "feature%d", the picture when it can be read and -ni is not given,
// else the label.  1.
int display_main_feature_icons();
// Hands the strip's own scroll bars (taken from its scrolled window) over.
void feature_strip_scrollbars(Widget vertical, Widget horizontal);
// Activate callback of every icon; client data is the feature id.
void main_featureCB(Widget w, XtPointer id, XtPointer call);
// Shows a feature's panel (click count 1) or opens its detail-editor
// section and shows the panel with the defaults (2 or more).  1, or -1
// when the part lists cannot be made.
int main_feature_manage(int id, int clicks);
// Switches the interaction area to feature id's panel, built and filled by
// its builder from the given parts.  1.
int main_interact_managethis(int id, int count, int *internal, int *numbers);
// Moves the highlight from icon old_id (-1 none) to icon new_id.
void main_feature_modhighlight_windep(int old_id, int new_id);
// Fills the shown panel again from the current selection.
void main_featureinteract_refresh();
// Double click in the part list: the panel of the first selected part's
// feature.  1 when a panel was shown, 0 otherwise.
int main_partlist_manageinteract();
// Strip scrolling arrows; client data 0 up, 1 down.
void main_featurescroll_chngCB(Widget w, XtPointer direction, XtPointer call);
// The main window is now width wide: icon rows, arrows and scroll range follow.
void main_featureicon_resize(int width, int height, XEvent *ev);
// Shows or hides the buttons of the first count rows by their visible flag.
void main_feat_panel_reconfig(int count, Feature_rec *tbl);
