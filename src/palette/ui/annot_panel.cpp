// Annotation panel (see annot_panel.h).
#include "palette/ui/annot_panel.h"

#include "ui/menus.h"
#include "ui/qedit_icons.h"

Widget Annottext_part_list = nullptr;

#define CHOICE(label, value) {label, ' ', annot_choiceCB, (XtPointer)value, 1, 0, nullptr}
Menu_item_rec Annottext_just_menu[3] = {CHOICE("Left", 0), CHOICE("Center", 1),
                                        CHOICE("Right", 2)};
Menu_item_rec Annotline_arrow_menu[4] = {CHOICE("None", 0), CHOICE("On First End", 1),
                                         CHOICE("On Second End", 2), CHOICE("On Both Ends", 3)};
Menu_item_rec Annotline_width_menu[4] = {CHOICE("1 Pixel ", 1), CHOICE("2 Pixels", 2),
                                         CHOICE("3 Pixels", 3), CHOICE("4 Pixels", 4)};
Menu_item_rec Annolgnd_type_menu[2] = {CHOICE("Continuous", 0), CHOICE("Discrete", 1)};
Menu_item_rec Annolgnd_title_menu[3] = {CHOICE("Above", 0), CHOICE("Below", 1),
                                        CHOICE("None", 2)};
Menu_item_rec Annolgnd_textpos_menu[3] = {CHOICE("Left", 0), CHOICE("Right", 1),
                                          CHOICE("None", 2)};
#undef CHOICE

void annot_icons_refresh() {}

QEDIT_UNBUILT_CB(annot_text_managenewCB)
QEDIT_UNBUILT_CB(annot_line_newCB)
QEDIT_UNBUILT_CB(annot_logo_newCB)
QEDIT_UNBUILT_CB(annot_vis_chngCB)
QEDIT_UNBUILT_CB(annot_rgb_manageselectCB)
QEDIT_UNBUILT_CB(annot_loca_manageCB)
QEDIT_UNBUILT_CB(annot_textsizrot_manageCB)
QEDIT_UNBUILT_CB(annot_logoscale_manageCB)
QEDIT_UNBUILT_CB(annot_lgndtsize_manageCB)
QEDIT_UNBUILT_CB(annot_lgndtformat_manageCB)
QEDIT_UNBUILT_CB(annot_lgndorient_chngCB)
QEDIT_UNBUILT_CB(annot_selectall_manageCB)
QEDIT_UNBUILT_CB(annot_deleteCB)
QEDIT_UNBUILT_CB(annot_showalldefaults_chng)
QEDIT_UNBUILT_CB(annot_choiceCB)
