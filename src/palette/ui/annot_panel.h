// The annotation panel of quick-edit annotation mode.  Annotation objects and
// their dialogs arrive with the annotation subsystem; until then the panel's
// icons change nothing.
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;
extern Widget Annottext_part_list;          // part list of the annotation text dialog, null until built
extern Menu_item_rec Annottext_just_menu[3];   // "Left", "Center", "Right"
extern Menu_item_rec Annotline_arrow_menu[4];  // "None" .. "On Both Ends"
extern Menu_item_rec Annotline_width_menu[4];  // "1 Pixel " .. "4 Pixels"
extern Menu_item_rec Annolgnd_type_menu[2];    // "Continuous", "Discrete"
extern Menu_item_rec Annolgnd_title_menu[3];   // "Above", "Below", "None"
extern Menu_item_rec Annolgnd_textpos_menu[3]; // "Left", "Right", "None"

// Brings the annotation panel in line with the selected annotation objects.
void annot_icons_refresh();
void annot_text_managenewCB(Widget w, XtPointer client, XtPointer call);
void annot_line_newCB(Widget w, XtPointer client, XtPointer call);
void annot_logo_newCB(Widget w, XtPointer client, XtPointer call);
void annot_vis_chngCB(Widget w, XtPointer client, XtPointer call);
void annot_rgb_manageselectCB(Widget w, XtPointer client, XtPointer call);
void annot_loca_manageCB(Widget w, XtPointer client, XtPointer call);
void annot_textsizrot_manageCB(Widget w, XtPointer client, XtPointer call);
void annot_logoscale_manageCB(Widget w, XtPointer client, XtPointer call);
void annot_lgndtsize_manageCB(Widget w, XtPointer client, XtPointer call);
void annot_lgndtformat_manageCB(Widget w, XtPointer client, XtPointer call);
void annot_lgndorient_chngCB(Widget w, XtPointer client, XtPointer call);
void annot_selectall_manageCB(Widget w, XtPointer client, XtPointer call);
void annot_deleteCB(Widget w, XtPointer client, XtPointer call);
void annot_showalldefaults_chng(Widget w, XtPointer client, XtPointer call);
void annot_choiceCB(Widget w, XtPointer client, XtPointer call);
