// Frame panel (see frame_panel.h).
#include "view/ui/frame_panel.h"

#include <Xm/ToggleB.h>

#include "ui/menus.h"
#include "ui/qedit_icons.h"
#include "view/frame_logic.h"
#include "view/frames.h"

Widget Transf_whichframe_list = nullptr;

Menu_item_rec Frame_transf_menu[2] = {
    {"Transform", ' ', frame_transf_chngCB, (XtPointer)1, 3, 0, nullptr},
    {"Definition", ' ', frame_transf_chngCB, (XtPointer)10, 3, 0, nullptr},
};
Menu_item_rec Frame_linew_menu[4] = {
    {"1 Pixel ", ' ', frame_linew_chngCB, (XtPointer)1, 1, 0, nullptr},
    {"2 Pixels", ' ', frame_linew_chngCB, (XtPointer)2, 1, 0, nullptr},
    {"3 Pixels", ' ', frame_linew_chngCB, (XtPointer)3, 1, 0, nullptr},
    {"4 Pixels", ' ', frame_linew_chngCB, (XtPointer)4, 1, 0, nullptr},
};
Menu_item_rec Frame_type_menu[3] = {
    {"Rectangular", ' ', frame_type_chngCB, (XtPointer)0, 1, 0, nullptr},
    {"Cylindrical", ' ', frame_type_chngCB, (XtPointer)1, 1, 0, nullptr},
    {"Spherical", ' ', frame_type_chngCB, (XtPointer)2, 1, 0, nullptr},
};

void frame_panel_refresh() {
  for (int i = 0; i < 2; i++)
    if (Frame_transf_menu[i].widget)
      XmToggleButtonSetState(Frame_transf_menu[i].widget,
                             (long)Frame_transf_menu[i].client_data == Frame_current_transmode,
                             False);
}

void frame_genericattr_windep(const Frame_panel_fields *) { frame_panel_refresh(); }

// The transform/define choice: the panel keeps one of the two set.
void frame_transf_chngCB(Widget, XtPointer mode, XtPointer call) {
  auto *cb = static_cast<XmToggleButtonCallbackStruct *>(call);
  if (cb && !cb->set) return;
  frame_transf_chng((int)(long)mode);
  frame_icons_refresh();
}

void frame_newCB(Widget, XtPointer, XtPointer) { frame_new(0); }
void frame_assignpartsCB(Widget, XtPointer, XtPointer) { frame_assignparts(); }
void frame_selectallCB(Widget, XtPointer, XtPointer) { frame_selectall(0); }
void frame_deleteCB(Widget, XtPointer, XtPointer) {
  frame_delete(0, Frame_wrking_framecnt, Frame_wrking_frameids);
}
void frame_rgb_manageselectCB(Widget, XtPointer, XtPointer) { frame_rgb_manageselect(); }
void frame_linew_chngCB(Widget, XtPointer width, XtPointer) {
  const float value = (float)(long)width;
  frame_attr_updt(FRAME_LINE_WIDTH, &value, nullptr, nullptr, 3, 0);
}
void frame_type_chngCB(Widget, XtPointer type, XtPointer) {
  const float value = (float)(long)type;
  frame_attr_updt(FRAME_TYPE, &value, nullptr, nullptr, 3, 0);
}

QEDIT_UNBUILT_CB(frame_vis_chngCB)
QEDIT_UNBUILT_CB(frame_axisattr_manageCB)
QEDIT_UNBUILT_CB(frame_csymattr_manageCB)
QEDIT_UNBUILT_CB(frame_locattr_manageCB)
QEDIT_UNBUILT_CB(frame_localvis_chngCB)
QEDIT_UNBUILT_CB(frame_globalvis_chngCB)

Widget Frame_feedback_form = nullptr;
void frame_genlocattr_sect(Widget) {}
