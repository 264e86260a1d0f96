// The viewport attribute dialogs (background colour, location, border,
// special attributes) and the notice that a change went to the defaults for
// new viewports: their widgets (null until built), builders, fillers and
// callbacks.  The panel logic behind them is in view/viewp_panel.h.
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;

extern Widget Viewp_bgtype_optmen, Viewp_bgcolorsect_form, Viewp_bgconst_form, Viewp_bgblend_form;
extern Widget Viewp_bgcred_text, Viewp_bgcgrn_text, Viewp_bgcblu_text;
extern Widget Viewp_bgnumlevels_text, Viewp_bgedlevel_text, Viewp_bgypos_text;
extern Widget Viewp_bgbred_text, Viewp_bgbgrn_text, Viewp_bgbblu_text;
extern Widget Viewp_bgup_arrow, Viewp_bgdown_arrow, Viewp_bgposup_arrow, Viewp_bgposdn_arrow;
extern Widget Viewp_locaattr_dialog, Viewp_originx_text, Viewp_originy_text, Viewp_width_text,
    Viewp_height_text;
extern Widget Viewp_borderattr_dialog, Viewp_bordervis_tggl, Viewp_borderred_text,
    Viewp_bordergrn_text, Viewp_borderblu_text;
extern Widget Viewp_specialattr_dialog, Viewp_specialdimens_optmen, Viewp_specialpersp_tggl,
    Viewp_specialhsrf_tggl, Viewp_specialhlin_tggl;
extern Widget Viewp_defeditnotify_dialog;
extern Menu_item_rec Viewp_bgtype_menu[3];         // "Blended" 3, "Constant" 2, "Inherit" 1
extern Menu_item_rec Viewp_specialdimens_menu[2];  // "3D" 1, "2D" 0

// Builders: each builds its dialog once (later calls return at once).
void viewp_genbgcolor_dialog();
void viewp_genlocation_dialog();
void viewp_genborder_dialog();
void viewp_genspecial_dialog();
void viewp_gendefeditnotify_dialog();

// Fillers: the dialogs show the first edited viewport (or the defaults);
// each does nothing while its dialog is not built.
void viewp_genericattr_init();
void viewp_bgcolorattr_init();
void viewp_locaattr_init();
void viewp_borderattr_init();
void viewp_specialattr_init();
void viewp_bgtype_sens(int type);
void viewp_constcolor_init(float attrs[]);
void viewp_blendcolor_init(float attrs[]);
void viewp_blendposition_init(float attrs[]);
// Sets the hooks through which the viewport logic refreshes these dialogs.
void viewp_dialogs_install();

// Callbacks.
void viewp_colorattr_closeCB(Widget w, XtPointer client, XtPointer call);
void viewp_refreshCB(Widget w, XtPointer client, XtPointer call);
void viewp_bgcolortype_chngCB(Widget w, XtPointer type, XtPointer call);
void viewp_textattr_chngCB(Widget w, XtPointer slot, XtPointer call);
void viewp_bgcoloredlevaro_chngCB(Widget w, XtPointer down, XtPointer call);
void viewp_bgcolorposaro_chngCB(Widget w, XtPointer down, XtPointer call);
void viewp_bgcolorblevel_chngCB(Widget w, XtPointer client, XtPointer call);
void viewp_bgcolorpos_chngCB(Widget w, XtPointer client, XtPointer call);
void viewp_bgcolorrgb_selectCB(Widget w, XtPointer client, XtPointer call);
void viewp_bgcolorcrgbselect_apply();
void viewp_bgcolorbrgbselect_apply();
void viewp_borderrgb_selectCB(Widget w, XtPointer client, XtPointer call);
void viewp_borderrgbselect_apply();
void viewp_bordertoggle_chngCB(Widget w, XtPointer slot, XtPointer call);
void viewp_specialtoggle_chngCB(Widget w, XtPointer slot, XtPointer call);
void viewp_specialdimens_chngCB(Widget w, XtPointer dimension, XtPointer call);
void viewp_defedit_mesgokCB(Widget w, XtPointer never_again, XtPointer call);
