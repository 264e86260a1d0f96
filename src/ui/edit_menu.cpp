// "Edit" pulldown (see edit_menu.h).  Owns the Edit_menu table; the part
// operations it calls work on the main part list (list flag 1).
#include "ui/edit_menu.h"

#include <cstdlib>

#include "anim/ui/anim_panels.h"
#include "parts/part_deteditor.h"
#include "parts/ui/part_detedit_windep.h"
#include "parts/read.h"
#include "ui/detail_editor.h"
#include "ui/find_dialog.h"
#include "ui/general_windep.h"
#include "ui/menus.h"
#include "ui/part_list.h"
#include "ui/widget_helpers.h"
#include "view/transf_editor.h"
#include "view/ui/transf_dialog.h"

#define SECTION(n) reinterpret_cast<XtPointer>(static_cast<long>(EDIT_SECTION_BASE + (n)))
#define BUTTON(label, mn, cb, data, level) {label, mn, cb, data, XtarvPUSHBUTTON, level, nullptr}
#define SEP(level) {"Sep", ' ', nullptr, nullptr, XtarvSEPARATOR, level, nullptr}
Menu_item_rec Edit_menu[EDIT_MENU_ROWS] = {
    {"Part", 'P', nullptr, nullptr, XtarvCASCADE, 0, nullptr},
    BUTTON("Select All", 'S', mainedit_part_selectallCB, nullptr, 1),
    BUTTON("Select...", 'l', mainedit_part_selectbyCB, nullptr, 1),
    SEP(1),
    BUTTON("Delete...", 'D', mainedit_part_deleteCB, nullptr, 1),
    SEP(1),
    BUTTON("Assign to Single New Viewport", 'V', mainedit_part_viewportCB, (XtPointer)1L, 1),
    BUTTON("Assign to Multiple New Viewports", 'i', mainedit_part_viewportCB, (XtPointer)0L, 1),
    SEP(1),
    BUTTON("Group...", 'G', mainedit_part_groupCB, nullptr, 1),
    BUTTON("Ungroup", 'U', mainedit_part_ungroupCB, nullptr, 1),
    SEP(1),
    BUTTON("Copy", 'C', mainedit_part_copyCB, nullptr, 1),
    BUTTON("Extract", 'E', mainedit_part_extractCB, nullptr, 1),
    BUTTON("Merge", 'M', mainedit_part_mergeCB, nullptr, 1),
    {"Part Feature Detail Editors", 'D', nullptr, nullptr, XtarvCASCADE, 0, nullptr},
    BUTTON("Selected Part Type...", 'S', mainedit_partsel_deteditCB, nullptr, 1),
    BUTTON("Contours...", 'C', mainedit_deteditCB, SECTION(3), 1),
    BUTTON("Clips...", 'l', mainedit_deteditCB, SECTION(6), 1),
    BUTTON("Developed Surfaces...", 'D', mainedit_deteditCB, SECTION(11), 1),
    BUTTON("Elevated Surfaces...", 'E', mainedit_deteditCB, SECTION(8), 1),
    BUTTON("Isosurfaces...", 'I', mainedit_deteditCB, SECTION(4), 1),
    BUTTON("Model Parts...", 'M', mainedit_deteditCB, SECTION(2), 1),
    BUTTON("Particle Traces...", 'P', mainedit_deteditCB, SECTION(5), 1),
    BUTTON("Profiles...", 'r', mainedit_deteditCB, SECTION(10), 1),
    BUTTON("Subset Parts...", 'u', mainedit_deteditCB, SECTION(9), 1),
    BUTTON("Tensor Glyphs...", 'T', mainedit_deteditCB, SECTION(12), 1),
    BUTTON("Vector Arrows...", 'V', mainedit_deteditCB, SECTION(7), 1),
    SEP(0),
    BUTTON("Flipbook Animation Editor...", 'F', intrflipb_dialog_manageinitCB, nullptr, 0),
    BUTTON("Keyframe Animation Editor...", 'K', intrkeyf_dialog_manageinitCB, nullptr, 0),
    BUTTON("Solution Time Editor...", 'S', intrsoltim_dialog_manageinitCB, nullptr, 0),
    BUTTON("Transformation Editor...", 'T', transf_dialog_manageinitCB, nullptr, 0),
    BUTTON("Variables Editor...", 'V', mainedit_deteditCB, SECTION(0), 0),
};
#undef SECTION
#undef BUTTON
#undef SEP

int create_edit_interf(Widget menubar) {
  XtManageChild(XtarvCreatePulldownMenu(menubar, "Edit", 'E', nullptr, 0, Edit_menu,
                                        EDIT_MENU_ROWS, 1));
  return 1;
}

int edit_section_of_part_type(int type) {
  // Model-like parts share the Model Parts section; an isovolume is made
  // and edited with the isosurfaces.
  static const int by_type[PART_TYPES] = {2, 6, 3, 2, -1, 4, 5, 10, 7, 8, 11, 2, 2, 2, 4, 9, 12, -1};
  return type >= 0 && type < PART_TYPES ? by_type[type] : -1;
}

void mainedit_part_selectbyCB(Widget, XtPointer, XtPointer) { edit_find_manage(); }
void mainedit_part_viewportCB(Widget, XtPointer single, XtPointer) {
  part_createassign_viewports((int)(long)single);
}
void mainedit_part_groupCB(Widget, XtPointer, XtPointer) { part_group_from_list(1); }
void mainedit_part_ungroupCB(Widget, XtPointer, XtPointer) { part_ungroup_from_list(1); }
void mainedit_part_copyCB(Widget, XtPointer, XtPointer) { part_copy_from_list(1); }
void mainedit_part_extractCB(Widget, XtPointer, XtPointer) { part_general_extract_merge(0, 0, 0); }
void mainedit_part_mergeCB(Widget, XtPointer, XtPointer) { part_general_extract_merge(0, 0, 1); }
void mainedit_part_cutsplitCB(Widget, XtPointer, XtPointer) { mainpart_cut_parts(0); }
void mainedit_part_cutremoveCB(Widget, XtPointer, XtPointer) { mainpart_cut_parts(1); }

void mainedit_partsel_deteditCB(Widget, XtPointer, XtPointer) {
  int count = 0, *internal = nullptr, *numbers = nullptr;
  const int got = selected_parts(PLIST_MAIN, &count, &internal, &numbers);
  const int first = got == 1 && count > 0 ? numbers[0] : -1;
  free(internal);
  free(numbers);
  if (first < 0) {
    disperr("Please select a part first.");
    return;
  }
  const int section = edit_section_of_part_type(get_part_type(first));
  if (section < 0) {
    disperr("No detail editor section for this part type.");
    return;
  }
  detedit_manage(2, section);
}

void mainedit_deteditCB(Widget, XtPointer client, XtPointer) {
  detedit_manage(2, (int)(long)client - EDIT_SECTION_BASE);
}
