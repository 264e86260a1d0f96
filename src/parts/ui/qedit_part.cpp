// Part panel of the quick-edit column (see qedit_part.h).
#include "parts/ui/qedit_part.h"

#include <cstdlib>

#include "ui/general_windep.h"
#include "ui/menus.h"
#include "ui/part_list.h"
#include "ui/qedit_icons.h"

#define CHOICE(label, value) {label, ' ', qedit_partchoiceCB, (XtPointer)value, 1, 0, nullptr}
Menu_item_rec Qedit_picktype_menu[6] = {
    CHOICE("Pick Part", 0), CHOICE("Pick Plane(3 Pts.) Tool Location", 1),
    CHOICE("Pick Plane(2 Pts.) Tool Location", 2), CHOICE("Pick Line Tool Location", 3),
    CHOICE("Pick Cursor Tool Location", 4), CHOICE("Pick Look/At Point", 5)};
Menu_item_rec Qedit_partlinew_menu[4] = {CHOICE("1 Pixel ", 1), CHOICE("2 Pixels", 2),
                                         CHOICE("3 Pixels", 3), CHOICE("4 Pixels", 4)};
Menu_item_rec Qedit_partrep_menu[6] = {CHOICE("3D border, 2D full", 0), CHOICE("Border", 1),
                                       CHOICE("Feature Angle", 2), CHOICE("Bounding Box", 3),
                                       CHOICE("Full", 4), CHOICE("NonVisual", 5)};
Menu_item_rec Qedit_partsymm_menu[8] = {CHOICE("Mirror X", 0),  CHOICE("Mirror Y", 1),
                                        CHOICE("Mirror Z", 2),  CHOICE("Mirror XY", 3),
                                        CHOICE("Mirror XZ", 4), CHOICE("Mirror YZ", 5),
                                        CHOICE("Mirror XYZ", 6), CHOICE("Original", 7)};
Menu_item_rec Qedit_partshadtyp_menu[3] = {CHOICE("Flat", 0), CHOICE("Gouraud", 1),
                                           CHOICE("Smooth", 2)};
Menu_item_rec Qedit_partboundrep_menu[3] = {CHOICE("Off", 0), CHOICE("Box", 1),
                                            CHOICE("Points", 2)};
#undef CHOICE

void qedit_part_refresh() {
  int count = 0, *internal = nullptr, *numbers = nullptr;
  if (mainprt_selection_or_defaults(&count, &internal, &numbers) < 0) return;
  qedit_part_refresh_given_parts(count, internal, numbers);
  free(internal);
  free(numbers);
}

// No part attributes exist yet, so there is nothing for the icons to show.
void qedit_part_refresh_given_parts(int, const int *, const int *) {}

QEDIT_UNBUILT_CB(qedit_partvis_chngCB)
QEDIT_UNBUILT_CB(qedit_partviewpvis_manageCB)
QEDIT_UNBUILT_CB(qedit_parttransp_manageCB)
QEDIT_UNBUILT_CB(qedit_parthsurf_chngCB)
QEDIT_UNBUILT_CB(qedit_parthline_chngCB)
QEDIT_UNBUILT_CB(qedit_partelemlbl_chngCB)
QEDIT_UNBUILT_CB(qedit_partnodelbl_chngCB)
QEDIT_UNBUILT_CB(qedit_partauxclip_chngCB)
QEDIT_UNBUILT_CB(qedit_partnoderep_manageCB)
QEDIT_UNBUILT_CB(qedit_partchoiceCB)
