// The widgets of the Transformation Editor's tool-position area, which the
// tool-location sections fill in as they are built (null until then), and
// the area's callbacks.
#pragma once

#include <X11/Intrinsic.h>

extern Widget Feedback_label;
extern Widget Feedback_cur_lbl[3], Feedback_cur_text[3];
extern Widget Feedback_lin_lbl[3], Feedback_lin_text[6], Feedback_linlength_text;
extern Widget Feedback_pln_lbl[3], Feedback_pln_text[9], Feedback_plneq_text[4];
extern Widget Feedback_cylcon_origtxtf[3], Feedback_cylcon_axisvtxtf[3];
extern Widget Feedback_cylcon_radangtxtf, Feedback_cylcon_radanglbl;
extern Widget Feedback_revsect_info;
extern Widget Feedback_rev_origtxtf[3], Feedback_rev_axisvtxtf[3];
extern Widget Feedback_rev_distlist, Feedback_rev_radlist, Feedback_rev_listscrlbar;
extern Widget Feedback_rev_disttxtf, Feedback_rev_radtxtf;

// Points the feedback logic at these widgets.
void transf_feedback_windep_install();

// Enter in a cursor, line, plane or quadric field.
void transf_feedback_updtCB(Widget w, XtPointer client, XtPointer call);
// Enter in the line length field.
void transf_feedbacklinelength_updtCB(Widget w, XtPointer client, XtPointer call);
// Enter in the revolution distance or radius field; the delete button.
void quad_revoraddist_chngCB(Widget w, XtPointer client, XtPointer call);
void quad_revo_deleteselpointCB(Widget w, XtPointer client, XtPointer call);
// Selection in the distance list (client 1) or the radius list (0).
void quad_revoselect_itemCB(Widget w, XtPointer client, XtPointer call);
