// The main window's "Edit" pulldown: the operations on the parts selected in
// the main part list, the entries that open the Feature Detail Editor at a
// feature's section, and the entries that open the other editors.  The part
// operations belong to the part subsystem; "Select..." opens the Find dialog.
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;

#define EDIT_MENU_ROWS 34
#define EDIT_SECTION_BASE 100  // client data of a section entry: 100 + the section

extern Menu_item_rec Edit_menu[EDIT_MENU_ROWS];

// Adds the "Edit" pulldown (tear-off enabled) to the menu bar.  1.
int create_edit_interf(Widget menubar);
// Detail-editor section that shows parts of a Part_type_code; -1 for the
// types no section edits (frames, multiple parts, unknown).
int edit_section_of_part_type(int type);

void mainedit_part_selectbyCB(Widget w, XtPointer client, XtPointer call);
void mainedit_part_viewportCB(Widget w, XtPointer single, XtPointer call);
void mainedit_part_groupCB(Widget w, XtPointer client, XtPointer call);
void mainedit_part_ungroupCB(Widget w, XtPointer client, XtPointer call);
void mainedit_part_copyCB(Widget w, XtPointer client, XtPointer call);
void mainedit_part_extractCB(Widget w, XtPointer client, XtPointer call);
void mainedit_part_mergeCB(Widget w, XtPointer client, XtPointer call);
void mainedit_part_cutsplitCB(Widget w, XtPointer client, XtPointer call);
void mainedit_part_cutremoveCB(Widget w, XtPointer client, XtPointer call);
// "Selected Part Type...": the detail editor at the first selected part's section.
void mainedit_partsel_deteditCB(Widget w, XtPointer client, XtPointer call);
// Section entries: the detail editor at client data - 100.
void mainedit_deteditCB(Widget w, XtPointer client, XtPointer call);
