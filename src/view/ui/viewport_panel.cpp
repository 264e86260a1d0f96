// Viewport dialogs and panel (see viewport_panel.h).
#include "view/ui/viewport_panel.h"

#include "ui/menus.h"

Widget Viewp_bgcolorattr_dialog = nullptr;
Widget Transf_redowhichviewp_dialog = nullptr;

Menu_item_rec Viewp_layout_menu[6] = {
    {"1 Full", 'F', viewp_layout_chngCB, (XtPointer)0, 1, 0, nullptr},
    {"2 Vertical", 'V', viewp_layout_chngCB, (XtPointer)1, 1, 0, nullptr},
    {"2 Horizontal", 'H', viewp_layout_chngCB, (XtPointer)2, 1, 0, nullptr},
    {"4 Equal", 'E', viewp_layout_chngCB, (XtPointer)3, 1, 0, nullptr},
    {"4 With 3 Equal Vertical", 'L', viewp_layout_chngCB, (XtPointer)4, 1, 0, nullptr},
    {"4 With 3 Equal Horizontal", 'B', viewp_layout_chngCB, (XtPointer)5, 1, 0, nullptr},
};

