// Viewport dialogs and panel (see viewport_panel.h).
#include "view/ui/viewport_panel.h"

#include "ui/menus.h"
#include "ui/qedit_icons.h"

Widget Viewp_bgcolorattr_dialog = nullptr;
Widget Transf_redowhichviewp_dialog = nullptr;

Menu_item_rec Viewp_layout_menu[6] = {
    {"1 Full", ' ', viewp_layoutCB, (XtPointer)0, 1, 0, nullptr},
    {"2 Vertical", ' ', viewp_layoutCB, (XtPointer)1, 1, 0, nullptr},
    {"2 Horizontal", ' ', viewp_layoutCB, (XtPointer)2, 1, 0, nullptr},
    {"4 Equal", ' ', viewp_layoutCB, (XtPointer)3, 1, 0, nullptr},
    {"4 With 3 Equal Vertical", ' ', viewp_layoutCB, (XtPointer)4, 1, 0, nullptr},
    {"4 With 3 Equal Horizontal", ' ', viewp_layoutCB, (XtPointer)5, 1, 0, nullptr},
};

void manage_background_editor(Widget, XtPointer, XtPointer) {}

QEDIT_UNBUILT_CB(viewp_layoutCB)
QEDIT_UNBUILT_CB(viewp_newCB)
QEDIT_UNBUILT_CB(viewp_vis_chngCB)
QEDIT_UNBUILT_CB(viewp_pushpopCB)
QEDIT_UNBUILT_CB(viewp_colorattr_manageCB)
QEDIT_UNBUILT_CB(viewp_borderattr_manageCB)
QEDIT_UNBUILT_CB(viewp_locaattr_manageCB)
QEDIT_UNBUILT_CB(viewp_specialattr_manageCB)
QEDIT_UNBUILT_CB(viewp_selectallCB)
QEDIT_UNBUILT_CB(viewp_deleteCB)
