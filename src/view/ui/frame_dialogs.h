// The frame attribute dialogs: the frame location section of the
// Transformation Editor (origin and orientation vectors), "Frame Axis
// Attributes" and "Frame Computational Symmetry Attributes".  The callbacks
// read their widgets and hand the values, tagged with the frame attribute
// slot (the "frame:" keyword id, also their client data), to the frame
// logic: frame_attr_updt applies at once, frame_csymattr_pending collects
// symmetry changes until "Update".  The logic fills the widgets through
// the hooks frame_dialogs_install puts into Frame_windep.
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;

// Location section (built by the editor's builder; null until then).
extern Widget Frame_feedback_form, Frame_origin_holdform, Frame_origin_form;
extern Widget Frame_originxyz_text[3];
extern Widget Frame_orient_holdform, Frame_orient_form;
extern Widget Frame_orientxyz_text[9];  // row by row: X vector, Y vector, Z vector
// Axis dialog.
extern Widget Frame_axisattr_dialog, Frame_axislen_form;
extern Widget Frame_axislenxyz_text[3], Frame_axislblxyz_tggl[3], Frame_axislnumxyz_text[3];
// Symmetry dialog.
extern Widget Frame_csymattr_dialog, Frame_csymtype_optmen, Frame_csymmir_form,
    Frame_csymrot_form, Frame_csymangle_text, Frame_csyminst_text, Frame_csymtrn_form;
extern Widget Frame_csymtrnxyz_text[3];
extern Widget Frame_csymtinst_text, Frame_csymper_form, Frame_csympfile_tggl,
    Frame_csympfile_text, Frame_csympfilesel_but;

extern Menu_item_rec Frame_csymtype_menu[4];    // "Mirror" 0 .. "None" 3
extern Menu_item_rec Frame_csymmirror_menu[7];  // toggles of slots 30..36

// 1 once the orientation priority message was shown; kept until the program ends.
extern int Frame_orient_priority_shown;

// Puts the fillers of the axis, location and symmetry widgets and the
// colour chooser into Frame_windep.
void frame_dialogs_install();

// The location section into parent (once); Frame_feedback_form stays
// unmanaged until the editor shows frame-definition mode.
void frame_genlocattr_sect(Widget parent);
void frame_genaxisattr_dialog();
void frame_gencsymattr_dialog();

void frame_axisattr_manageCB(Widget w, XtPointer client, XtPointer call);
void frame_axisattr_closeCB(Widget w, XtPointer client, XtPointer call);
void frame_csymattr_manageCB(Widget w, XtPointer client, XtPointer call);
void frame_csymattr_closeCB(Widget w, XtPointer client, XtPointer call);
void frame_csymattr_updtCB(Widget w, XtPointer client, XtPointer call);

void frame_textattr_chngCB(Widget w, XtPointer slot, XtPointer call);
void frame_axislblvistoggle_chngCB(Widget w, XtPointer slot, XtPointer call);
void frame_compsymtype_chngCB(Widget w, XtPointer type, XtPointer call);
void frame_csymmirtoggle_chngCB(Widget w, XtPointer slot, XtPointer call);
void frame_csymperiodtoggle_chngCB(Widget w, XtPointer slot, XtPointer call);
void frame_csymperiodfile_chngCB(Widget w, XtPointer slot, XtPointer call);
void frame_csymperiod_fileselCB(Widget w, XtPointer client, XtPointer call);
