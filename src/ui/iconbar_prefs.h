// The "Icon Bar Preferences" dialog: shows the items of one of the seven
// icon bars as editable text, applies the edited text to that bar and saves
// it as the user's default, and switches the captions under the quick-edit
// mode icons on or off.  Built on first use, then only managed and unmanaged.
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;

#define ICONPANEL_WHICH_ROWS 7

extern Menu_item_rec Iconpanel_which_menu[ICONPANEL_WHICH_ROWS];  // client data: bar number
extern Widget Iconpanel_pref_dialog;           // "IconPnlPrefDialog", null until first opened
extern Widget Iconpanel_iconhelplabels_tggl;   // the caption toggle
extern Widget Iconpanel_which_optmen;          // the bar option menu
extern Widget Iconpanel_edit_text;             // the items' text

// Prefs "Icon Bars...": builds on first use, shows the chosen bar's items
// scrolled to the first line.
void iconpanel_pref_manageCB(Widget w, XtPointer client, XtPointer call);
// Option menu rows: client data is the bar number.
void iconpanel_which_chngCB(Widget w, XtPointer bar, XtPointer call);
// The caption toggle: Show_icon_labels and the six quick-edit panels follow.
void iconpanel_helplabels_chngCB(Widget w, XtPointer client, XtPointer call);
// Scrolls the text to its first line.
void iconpanel_settext_totop_windep();
// "Save As Default": writes the general preferences, applies the text to
// the chosen bar and, when that succeeds, writes the bar's preferences.
void iconpanel_updt_prefCB(Widget w, XtPointer client, XtPointer call);
void gen_iconpanelpref_dialog();
