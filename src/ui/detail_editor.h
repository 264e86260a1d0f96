// The Feature Detail Editor shell: the dialog with its menu bar and its
// scrolled row of feature icons, the switching between the variables
// section and the parts section (built by their subsystems) and among the
// features they show, the title, the immediate-modification switch, and
// the menu entries for palette and constant files and for part-list
// operations on the editor's own part list.
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;

// One feature of the editor.
struct Feature_edit_rec {
  const char *label;                         // icon text; a newline splits it; "" ends the table
  Widget button;                             // icon button, null until the icons are built
  Widget (*builder)();                       // builds the section form (unmanaged)
  void (*refresh)();                         // section refresh
  void (*list_refresh)();                    // the section's list refresh
  void (*apply)(XtPointer client, XtPointer call);  // the section's Apply Changes
  int feature;                               // 0..12, the button's client data
  const char *icon_file;                     // XPM picture in the icons directory
};

#define DETEDIT_FEATURES 13
#define DETEDIT_FILE_ROWS 5
#define DETEDIT_EDIT_ROWS 8
#define DETEDIT_VIEW_ROWS 1
#define DETEDIT_HELP_ROWS 2
#define DETEDIT_IMMED_ROW 7  // "Immediate Modification" in Detled_edit_menu

extern Feature_edit_rec Feature_edtbl[DETEDIT_FEATURES + 1];  // 13 rows and an end row
extern Widget Deted_geninfo_table[2];  // section forms: 0 variables, 1 parts; null until built
extern int Deted_cur_feature;          // feature whose section is shown, -1 none yet
extern int Feature_edit_current;       // the same, set after the section's refresh; -1 none
extern int Detedit_immed_mode;         // 1 = immediate modification (initially), 0 = off
extern Widget Detaileditor_dialog;     // "DetailEdDialog", null until first opened
extern Widget Detedit_icon_scrollwin;  // "DetEdIconScrollWin"
extern Widget Detedit_icon_rowcol;     // "DetEdRowColumn"
extern Menu_item_rec Detled_file_menu[DETEDIT_FILE_ROWS];
extern Menu_item_rec Detled_edit_menu[DETEDIT_EDIT_ROWS];
extern Menu_item_rec Detled_view_menu[DETEDIT_VIEW_ROWS];
extern Menu_item_rec Detled_help_menu[DETEDIT_HELP_ROWS];

// Opens the editor: mode 0 at the variables section with the variables
// selected in the shown feature panel preselected (section unused), mode 2
// at section 0..12.  1, or -1 for another mode or section or when the
// dialog cannot be built.
int detedit_manage(int mode, int section);
// Shows feature f's section (0..12); 1, or -1 for another value.
int detedit_feat_change(int feature);
// Builds the dialog (the registry's builder of "Feature Detail Editor").
void gen_detailed_dialog();
// Builds the icon buttons into the row column.  1.
int display_feature_edit_icons(Widget rowcol);
// A section form of the dialog below the icon row, attached to the other
// edges, unmanaged (the section builders' parent); null before the dialog.
Widget detedit_section_form(const char *name);
// Help topic of "Entity Selected..." for a feature; null when there is none.
const char *detedit_help_topic(int feature);

void detedit_feat_selectCB(Widget w, XtPointer feature, XtPointer call);
void detedit_immedmode_changeCB(Widget w, XtPointer client, XtPointer call);
void detedit_apply_changeCB(Widget w, XtPointer client, XtPointer call);
void detedit_closeCB(Widget w, XtPointer client, XtPointer call);
void detedit_save_selpalettesCB(Widget w, XtPointer client, XtPointer call);
void detedit_save_allpalettesCB(Widget w, XtPointer client, XtPointer call);
void detedit_restore_paletteCB(Widget w, XtPointer client, XtPointer call);
void detedit_save_selconstantsCB(Widget w, XtPointer client, XtPointer call);
void detedit_save_allconstantsCB(Widget w, XtPointer client, XtPointer call);
void detedit_list_selectallCB(Widget w, XtPointer client, XtPointer call);
void detedit_part_copyCB(Widget w, XtPointer client, XtPointer call);
void detedit_part_deleteCB(Widget w, XtPointer client, XtPointer call);
void detedit_part_groupCB(Widget w, XtPointer client, XtPointer call);
void detedit_part_ungroupCB(Widget w, XtPointer client, XtPointer call);
void detedit_infomanCB(Widget w, XtPointer client, XtPointer call);
