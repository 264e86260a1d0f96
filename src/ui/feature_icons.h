// Feature icons of the main window: the table of the eighteen features and
// the icon strip below the menu bar.  The strip is built here with every
// visible feature's button in its order; switching the quick-interaction
// panels, scrolling the strip and its resize behaviour arrive with the
// feature-icon module proper (the callbacks below change nothing yet).
#pragma once

#include <X11/Intrinsic.h>

struct Feature_rec {
  char tag[12];             // preference key such as "FEAT_COLOR"
  char label[28];           // button text; a newline splits it
  int order;                // 1-based position in the strip
  int visible;              // 1 shown, 0 hidden
  XtCallbackProc callback;  // main_featureCB in every row
  Widget button;            // the icon button, null until the strip is built
  Widget panel;             // the feature's quick-interaction panel, null until built
  char icon_file[28];       // XPM picture in the icons directory
  int feature_id;           // equals the row index; balloon id
  int part_feature;         // 1 for rows 0..11 (features working on selected parts)
};

#define FEATURE_ROWS 18
extern Feature_rec Feature_tbl[FEATURE_ROWS];
extern int Interact_area_current;  // id of the feature whose panel is shown, -1 none

// Fills the icon strip (Main_featureicon_rowcol) with the visible features
// in their order: the picture when it can be read and -ni is not given,
// else the label.  1.
int display_main_feature_icons();
// Hands the strip's own scroll bars (taken from its scrolled window) over.
void feature_strip_scrollbars(Widget vertical, Widget horizontal);
// Strip scrolling arrows; client data 0 up, 1 down.
void main_featurescroll_chngCB(Widget w, XtPointer direction, XtPointer call);
// The main window was reconfigured to width x height.
void main_featureicon_resize(int width, int height, XEvent *ev);
// Feature icon pressed; client data is the feature id.
void main_featureCB(Widget w, XtPointer id, XtPointer call);
