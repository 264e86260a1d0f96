// Icon-bar preferences dialog (see iconbar_prefs.h).  Owns the dialog's
// widget holders and its option-menu table; the items' text and its
// application belong to the preference module.
#include "ui/dialog_frame.h"
#include "ui/iconbar_prefs.h"

#include <Xm/Form.h>
#include <Xm/LabelG.h>
#include <Xm/ScrollBar.h>
#include <Xm/ScrolledW.h>
#include <Xm/Text.h>
#include <Xm/ToggleBG.h>

#include "interact/movmnt.h"
#include "palette/annotate.h"
#include "palette/ui/annot_panel.h"
#include "state/ui/iconpanel.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/main_window.h"
#include "ui/menus.h"
#include "ui/qedit_icons.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"
#include "ui/widgen.h"

#define WHICH(label, mn, bar) \
  {label, mn, iconpanel_which_chngCB, (XtPointer)(long)(bar), XtarvPUSHBUTTON, 0, nullptr}
Menu_item_rec Iconpanel_which_menu[ICONPANEL_WHICH_ROWS] = {
    WHICH("Main Feature", 'M', 0), WHICH("View", 'V', 1),  WHICH("Part", 'P', 2),
    WHICH("Annot", 'A', 3),        WHICH("Plot", 'l', 4),  WHICH("VPort", 'o', 5),
    WHICH("Frame", 'F', 6),
};
#undef WHICH

Widget Iconpanel_pref_dialog = nullptr;
Widget Iconpanel_iconhelplabels_tggl = nullptr;
Widget Iconpanel_which_optmen = nullptr;
Widget Iconpanel_edit_text = nullptr;
static Widget Text_vbar = nullptr;  // the text's vertical scroll bar, looked up on first use

// A label gadget in the menu font under above (null: the form's top).
static Widget pref_label(const char *name, const char *text, Widget above, int gap) {
  XmString s = qvn_xmstring(text);
  Widget l = XtVaCreateManagedWidget(name, xmLabelGadgetClass, Iconpanel_pref_dialog,
                                     XmNlabelString, s, XmNtopAttachment, XmATTACH_WIDGET,
                                     XmNtopWidget, above, XmNtopOffset, gap, XmNleftAttachment,
                                     XmATTACH_FORM, XmNleftOffset, 5, nullptr);
  XmStringFree(s);
  if (Menufont) XtVaSetValues(l, XmNfontList, Menufont, nullptr);
  return l;
}

// A push button level with the bottom edge, placed by the given side resources.
static Widget bottom_button(const char *prefix, const char *label, char mnemonic,
                            XtCallbackProc cb, XtPointer client, Widget_args side) {
  side.attach(XmNbottomAttachment, XmATTACH_FORM, nullptr, nullptr, XmNbottomOffset, 10);
  return XtarvCreateButton(Iconpanel_pref_dialog, prefix, label, XtarvPUSHBUTTON, mnemonic, cb,
                           client, side.list(), side.count());
}

void gen_iconpanelpref_dialog() {
  if (Iconpanel_pref_dialog) return;
  XmString title = qvn_xmstring("Icon Bar Preferences");
  Widget_args da;
  da.set(XmNdialogTitle, title).set(XmNautoUnmanage, False);
  Iconpanel_pref_dialog = XmCreateFormDialog(
      Main_control_form, const_cast<char *>("IconPnlPrefDialog"), da.list(), da.count());
  XmStringFree(title);

  Widget_args ta;
  ta.set(XmNindicatorType, XmN_OF_MANY).set(XmNset, Show_icon_labels ? True : False);
  ta.attach(XmNtopAttachment, XmATTACH_FORM, nullptr, nullptr, XmNtopOffset, 1);
  ta.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 2);
  Iconpanel_iconhelplabels_tggl = XtarvCreateButton(
      Iconpanel_pref_dialog, "IconPnlPrefHelpLbl", "Show Help Labels For Mode Icons",
      XtarvTOGGLEBUTTON, ' ', iconpanel_helplabels_chngCB, nullptr, ta.list(), ta.count());

  Widget last = Iconpanel_iconhelplabels_tggl;
  for (const char *text :
       {"Select the icon bar to change. All fields, except the 'Menu ID' keywords, can be changed.",
        "The text below is in a simple positional text editor. Just select and change the text.",
        "**NOTE**: You must restart Quivane to see changes to the order of the icons."})
    last = pref_label("IconPnlPrefDirectLabel", text, last, 2);

  Widget_args wa;
  wa.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, last, XmNtopOffset, 5);
  wa.attach(XmNleftAttachment, XmATTACH_FORM);
  Iconpanel_which_optmen = XtarvCreateOptionMenu(
      Iconpanel_pref_dialog, "IconPnlPrefWhich", "Which Icon Bar?", wa.list(), wa.count(),
      Iconpanel_which_menu, ICONPANEL_WHICH_ROWS, 0);

  Widget_args ca;
  ca.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  Widget close = bottom_button("IconPnlPrefClose", "Close", ' ', unmanage_rout,
                               &Iconpanel_pref_dialog, ca);
  dialog_keys(Iconpanel_pref_dialog, nullptr, close);
  keep_on_screen(Iconpanel_pref_dialog);

  Widget header = pref_label("IconPnlPrefEditLabel",
                             "Menu ID     Button Name            Visible Order  Description",
                             Iconpanel_which_optmen, 2);

  Widget_args ea;
  ea.set(XmNeditMode, XmMULTI_LINE_EDIT).set(XmNcolumns, 100).set(XmNrows, 10);
  if (Menufont) ea.set(XmNfontList, Menufont);  // the positional editor needs a fixed font
  Iconpanel_edit_text = XmCreateScrolledText(
      Iconpanel_pref_dialog, const_cast<char *>("IconPnlPrefEditText"), ea.list(), ea.count());
  XtVaSetValues(XtParent(Iconpanel_edit_text), XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget,
                header, XmNtopOffset, 1, XmNbottomAttachment, XmATTACH_WIDGET, XmNbottomWidget,
                close, XmNbottomOffset, 5, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment,
                XmATTACH_FORM, nullptr);
  XtManageChild(Iconpanel_edit_text);

  Widget_args sa;
  sa.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, close, XmNleftOffset, 30);
  bottom_button("IconPnlPrefSave", "   Save As Default  ", 'S', iconpanel_updt_prefCB, nullptr, sa);
  Widget_args ha;
  ha.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 5);
  bottom_button("IconPnlPrefHelp", "Help", 'H', info_manCB,
                const_cast<char *>("HT-Config-IconBar"), ha);
}

void iconpanel_pref_manageCB(Widget, XtPointer, XtPointer) {
  if (!Iconpanel_pref_dialog) gen_iconpanelpref_dialog();
  XtManageChild(Iconpanel_pref_dialog);
  iconpanel_init_dialog();
  iconpanel_settext_totop_windep();
}

void iconpanel_which_chngCB(Widget, XtPointer bar, XtPointer) {
  iconpanel_which_chng((int)(long)bar);
  iconpanel_settext_totop_windep();
}

void iconpanel_helplabels_chngCB(Widget, XtPointer, XtPointer call) {
  auto *cbs = static_cast<XmToggleButtonCallbackStruct *>(call);
  Show_icon_labels = cbs && cbs->set ? 1 : 0;
  gen_manageqeditpanel_helptext(Qedit_scene_tbl, QEDIT_SCENE_ROWS);
  gen_manageqeditpanel_helptext(Qedit_part_tbl, QEDIT_PART_ROWS);
  gen_manageqeditpanel_helptext(Qedit_annot_tbl, QEDIT_ANNOT_ROWS);
  gen_manageqeditpanel_helptext(Qedit_graph_tbl, QEDIT_GRAPH_ROWS);
  gen_manageqeditpanel_helptext(Qedit_viewport_tbl, QEDIT_VIEWPORT_ROWS);
  gen_manageqeditpanel_helptext(Qedit_frame_tbl, QEDIT_FRAME_ROWS);
  if (Current_mode == 3) annot_icons_refresh();
}

void iconpanel_settext_totop_windep() {
  if (!Iconpanel_edit_text) return;
  if (!Text_vbar) XtVaGetValues(XtParent(Iconpanel_edit_text), XmNverticalScrollBar, &Text_vbar, nullptr);
  XmTextSetTopCharacter(Iconpanel_edit_text, 0);
  if (!Text_vbar) return;
  int value, slider, inc, page;
  XmScrollBarGetValues(Text_vbar, &value, &slider, &inc, &page);
  XmScrollBarSetValues(Text_vbar, 0, slider, inc, page, True);
}

void iconpanel_updt_prefCB(Widget, XtPointer, XtPointer) {
  iconpanel_save_generalpref();
  int row = XtarvOptionMenuCurrentState(Iconpanel_which_optmen, Iconpanel_which_menu);
  int bar = row < 0 ? 0 : (int)(long)Iconpanel_which_menu[row].client_data;
  if (iconpanel_updt_pref(bar) == -1) return;
  iconpanel_save_preferences(bar);
}
