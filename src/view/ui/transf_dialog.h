// The two windows of the Transformation Editor: the editor "TransfDialog"
// (menu bar, a scrolled column of the main controls and the z-clip, viewer,
// tool and frame location sections, and "Close") and the reset dialog
// "TransfRedoWhichDialog".  Both are built once, on first use, then only
// shown and hidden.  Every control hands its value to the editor's logic
// (view/transf_editor.h), which reaches these widgets through the hooks
// transf_dialog_windep_install sets.
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;

// The editor's widgets, null until it is built.
extern Widget Transformation_dialog;  // "TransfDialog"
extern Widget Transf_main_form;       // "TransfMainCntrlForm", the main controls
extern Widget Transf_curmode_lbl;     // "Current Transformation Mode:(...)"
extern Widget Transf_minus_aro, Transf_scale, Transf_plus_aro;
extern Widget Transf_whichvp_lbl;     // heads the viewport chooser (window code 5)
extern Widget Transf_linktransf_tggl;
extern Widget Transf_whichframe_lbl;  // heads the frame list "mainshowList"
extern Widget Transf_scaleincr_lbl, Transf_scaleincr_text;
extern Widget Transf_scalelimit_lbl, Transf_scalelimit_text;
extern Widget Transf_axis_optmen;
extern Widget Transf_scroll_win;
// The reset dialog's constraint toggles (its chooser is window code 18).
extern Widget Transf_redobyglobal_tggl, Transf_redobycurviewp_tggl;

extern Menu_item_rec Transf_file_menu[2];   // "Save View...", "Restore View..."
extern Menu_item_rec Transf_mode_menu[17];  // "Editor Function": the modes, copy, paste
extern Menu_item_rec Transf_help_menu[1];   // "Help"
extern Menu_item_rec Transf_axis_menu[4];   // "X", "Y", "Z", "All"

// Builders: the editor (row 1 of the dialog registry) and the reset dialog.
void transf_gen_dialog();
void transf_genredowhichviewp_dialog();
// Refills the frame list with every frame's name in list order, while the
// editor is shown.
void transf_frame_refresh_windep();
// Points the editor's logic at these windows.
void transf_dialog_windep_install();
// The OK actions of the file selection for "Save View..." and "Restore View...".
void transf_getfile_and_saveview();
void transf_getfile_and_restrview();

// Callbacks.
void transf_dialog_manageinitCB(Widget w, XtPointer client, XtPointer call);
void transf_manageinit_bytoolCB(Widget w, XtPointer client, XtPointer call);
void transf_tggl_modesCB(Widget w, XtPointer mode, XtPointer call);
void transf_copy_stateCB(Widget w, XtPointer client, XtPointer call);
void transf_paste_stateCB(Widget w, XtPointer client, XtPointer call);
void transf_saverestore_viewCB(Widget w, XtPointer save, XtPointer call);
void transf_infomanCB(Widget w, XtPointer client, XtPointer call);
void transf_link_viewportsCB(Widget w, XtPointer client, XtPointer call);
void transf_axis_chngCB(Widget w, XtPointer item, XtPointer call);
void transf_incvalue_chngCB(Widget w, XtPointer direction, XtPointer call);
void transf_limvalue_chngCB(Widget w, XtPointer client, XtPointer call);
void transf_framelist_selectCB(Widget w, XtPointer client, XtPointer call);
void transf_slider_movmntCB(Widget w, XtPointer client, XtPointer call);
void transf_slider_chngCB(Widget w, XtPointer client, XtPointer call);
void transf_reset_byCB(Widget w, XtPointer client, XtPointer call);
void transf_reset_rottrnsclCB(Widget w, XtPointer client, XtPointer call);
void transf_resettool_constraintCB(Widget w, XtPointer constraint, XtPointer call);
void transf_resettool_rottrnsclCB(Widget w, XtPointer tool, XtPointer call);
void transf_reinitializeCB(Widget w, XtPointer client, XtPointer call);
void transf_redo_closeCB(Widget w, XtPointer client, XtPointer call);
