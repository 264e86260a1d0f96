// The frame panel of quick-edit frame mode and the Transformation Editor's
// frame list: the icons' callbacks hand every action to the frame logic
// (frame_logic.h); the dialogs they open are in frame_dialogs.h.
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;

extern Widget Transf_whichframe_list; // the Transformation Editor's frame list, null until built
extern Menu_item_rec Frame_transf_menu[2];  // toggles "Transform" (1) and "Definition" (10)
extern Menu_item_rec Frame_linew_menu[4];   // "1 Pixel " .. "4 Pixels"
extern Menu_item_rec Frame_type_menu[3];    // "Rectangular", "Cylindrical", "Spherical"

struct Frame_panel_fields;
// The Transform / Definition toggles follow Frame_current_transmode.
void frame_panel_refresh();
// The panel filler the frame logic calls (Frame_windep.panel).
void frame_genericattr_windep(const Frame_panel_fields *fields);

// Opens the colour chooser at r, g, b for the selected frames (Frame_windep.color_dialog).
void frame_displaycolor_dialog_windep(float r, float g, float b);

// The frame location section of the Transformation Editor (frame_dialogs.h).
#include "view/ui/frame_dialogs.h"

void frame_newCB(Widget w, XtPointer client, XtPointer call);
void frame_assignpartsCB(Widget w, XtPointer client, XtPointer call);
void frame_vis_chngCB(Widget w, XtPointer client, XtPointer call);
void frame_rgb_manageselectCB(Widget w, XtPointer client, XtPointer call);
void frame_axisattr_manageCB(Widget w, XtPointer client, XtPointer call);
void frame_csymattr_manageCB(Widget w, XtPointer client, XtPointer call);
void frame_locattr_manageCB(Widget w, XtPointer client, XtPointer call);
void frame_localvis_chngCB(Widget w, XtPointer client, XtPointer call);
void frame_selectallCB(Widget w, XtPointer client, XtPointer call);
void frame_deleteCB(Widget w, XtPointer client, XtPointer call);
void frame_globalvis_chngCB(Widget w, XtPointer client, XtPointer call);
void frame_transf_chngCB(Widget w, XtPointer client, XtPointer call);
void frame_linew_chngCB(Widget w, XtPointer client, XtPointer call);
void frame_type_chngCB(Widget w, XtPointer client, XtPointer call);
