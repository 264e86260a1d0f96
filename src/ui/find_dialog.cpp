// Find dialog (see find_dialog.h).  Owns the dialog's widget holders; the
// search and the selection belong to the main part list.
#include "ui/find_dialog.h"

#include <Xm/Form.h>
#include <Xm/List.h>
#include <Xm/Protocols.h>
#include <Xm/TextF.h>
#include <Xm/ToggleBG.h>

#include <algorithm>

#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/part_list.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"
#include "ui/widgen.h"

const char *const Find_regexp_items[FIND_PATTERN_ROWS] = {
    "* - Match Any # of Chars.", ". - Match Any 1 Char.", "~ - Match All But Key",
    "| - Match Each Key"};

Widget Edit_find_dialog = nullptr;
Widget Edit_findwhat_text = nullptr;
Widget Edit_findwhole_tggl = nullptr;
Widget Edit_findcase_tggl = nullptr;
Widget Edit_findregexp_tggl = nullptr;
Widget Edit_findregexp_list = nullptr;
Widget Edit_findaddto_toggle = nullptr;

// A toggle gadget of the dialog below (or, with beside, right of) another widget.
static Widget find_toggle(const char *prefix, const char *label, Widget above, Widget beside) {
  Widget_args a;
  a.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, above, XmNtopOffset, beside ? 0 : 2);
  if (beside)
    a.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, beside, XmNleftOffset, 20);
  else
    a.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  Widget t = XtarvCreateButton(Edit_find_dialog, prefix, label, XtarvTOGGLEBUTTON, ' ', nullptr,
                               nullptr, a.list(), a.count());
  XmToggleButtonGadgetSetState(t, False, False);
  return t;
}

// A push button of the dialog attached by the given resources.
static Widget find_button(const char *prefix, const char *label, XtCallbackProc cb,
                          XtPointer client, Widget_args a) {
  return XtarvCreateButton(Edit_find_dialog, prefix, label, XtarvPUSHBUTTON, ' ', cb, client,
                           a.list(), a.count());
}

void edit_genfind_dialog() {
  if (Edit_find_dialog) return;
  // At the pointer: its screen position plus the shell window's own offset.
  Position x, y;
  place_near_pointer(Main_win[0], 1, 0, 0, PLACE_CLAMP, PLACE_CLAMP, &x, &y);
  XmString title = qvn_xmstring("Select Part(s) By Keyword");
  Arg a[10];
  Cardinal n = 0;
  XtSetArg(a[n], XmNdialogTitle, title); n++;
  XtSetArg(a[n], XmNx, x); n++;
  XtSetArg(a[n], XmNy, y); n++;
  XtSetArg(a[n], XmNdefaultPosition, False); n++;
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  Edit_find_dialog = XmCreateFormDialog(Main_win[0], const_cast<char *>("EditFindDialog"), a, n);
  XmStringFree(title);
  Widget shell = XtParent(Edit_find_dialog);
  Atom del = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(shell, del, unmanage_rout, &Edit_find_dialog);

  Widget_args ka;
  ka.attach(XmNtopAttachment, XmATTACH_FORM, nullptr, nullptr, XmNtopOffset, 8);
  ka.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  Widget key_label = nullptr;
  XtarvCreateInput(Edit_find_dialog, "EditFindWhat", "Find What:", 30, FIND_KEY_TEXT, 0, 5,
                   &key_label, &Edit_findwhat_text, 1, 0, ka.list(), ka.count());
  XtAddCallback(Edit_findwhat_text, XmNactivateCallback, edit_find_selectCB, (XtPointer)1L);

  Edit_findwhole_tggl = find_toggle("EditFindWhole", "Match Whole Word Only", Edit_findwhat_text, nullptr);
  Edit_findcase_tggl = find_toggle("EditFindCase", "Match Case", Edit_findwhole_tggl, nullptr);
  Edit_findregexp_tggl = find_toggle("EditFindRegExp", "Use Regular Expression", Edit_findcase_tggl, nullptr);
  XtAddCallback(Edit_findregexp_tggl, XmNvalueChangedCallback, edit_findregexp_tgglCB, nullptr);

  const int char_width = Menu_font_width > 0 ? Menu_font_width : 8;
  Widget_args la;
  la.set(XmNvisibleItemCount, FIND_PATTERN_ROWS).set(XmNselectionPolicy, XmBROWSE_SELECT);
  la.set(XmNwidth, 24 * char_width).font();
  Edit_findregexp_list = XmCreateScrolledList(
      Edit_find_dialog, const_cast<char *>("EditFindRegExpScrolledList"), la.list(), la.count());
  XtVaSetValues(XtParent(Edit_findregexp_list), XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget,
                Edit_findregexp_tggl, XmNtopOffset, 2, XmNleftAttachment, XmATTACH_FORM,
                XmNleftOffset, 20, nullptr);
  for (const char *item : Find_regexp_items) {
    XmString s = qvn_xmstring(item);
    XmListAddItemUnselected(Edit_findregexp_list, s, 0);
    XmStringFree(s);
  }
  XtAddCallback(Edit_findregexp_list, XmNbrowseSelectionCallback, edit_findregexp_pickCB, nullptr);
  XtSetSensitive(Edit_findregexp_list, False);  // the list only, not its scrolled window
  XtManageChild(Edit_findregexp_list);

  Edit_findaddto_toggle = find_toggle("EditFindAddTo", "Add To Current Selection",
                                      Edit_findwhat_text, Edit_findwhole_tggl);
  XtVaSetValues(Edit_findaddto_toggle, XmNtopOffset, 2, nullptr);

  // The two selection buttons stacked under the add-to toggle, right of the
  // toggles.
  auto stacked = [](Widget top, int offset) {
    Widget_args a;
    a.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, top, XmNtopOffset, offset);
    a.attach(XmNleftAttachment, XmATTACH_OPPOSITE_WIDGET, XmNleftWidget, Edit_findaddto_toggle);
    a.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 5);
    return a;
  };
  Widget next = find_button("EditFindSelNext", "   Select Next Match  ", edit_find_selectCB,
                            (XtPointer)2L, stacked(Edit_findaddto_toggle, 10));
  find_button("EditFindSelAll", "Select All Matches", edit_find_selectCB, (XtPointer)1L,
              stacked(next, 5));

  // Close at the bottom left, Help at the bottom right, under the pattern list.
  Widget_args ba;
  ba.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, XtParent(Edit_findregexp_list),
            XmNtopOffset, 10);
  ba.attach(XmNbottomAttachment, XmATTACH_FORM, nullptr, nullptr, XmNbottomOffset, 5);
  Widget_args close_a = ba, help_a = ba;
  close_a.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  help_a.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 5);
  Widget close = find_button("EditFindClose", "Close", unmanage_rout, &Edit_find_dialog, close_a);
  // Return in Find What selects the matches (its own action); Escape closes.
  dialog_keys(Edit_find_dialog, nullptr, close);
  keep_on_screen(Edit_find_dialog);
  find_button("EditFindHelp", "Help...", info_manCB, const_cast<char *>("UM-C3"), help_a);
}

void edit_find_manage() {
  if (!Edit_find_dialog) edit_genfind_dialog();
  XtManageChild(Edit_find_dialog);
}

void edit_find_selectCB(Widget, XtPointer mode, XtPointer) {
  char *key = XmTextFieldGetString(Edit_findwhat_text);
  if (!key || !key[0]) {
    XtFree(key);
    disperr("No search key specified.");
    return;
  }
  mainprt_searchandselect((int)(long)mode, key, XmToggleButtonGadgetGetState(Edit_findwhole_tggl),
                          XmToggleButtonGadgetGetState(Edit_findcase_tggl),
                          XmToggleButtonGadgetGetState(Edit_findaddto_toggle),
                          XmToggleButtonGadgetGetState(Edit_findregexp_tggl));
  XtFree(key);
}

void edit_findregexp_tgglCB(Widget w, XtPointer, XtPointer) {
  XtSetSensitive(Edit_findregexp_list, XmToggleButtonGadgetGetState(w));
}

void edit_findregexp_pickCB(Widget list, XtPointer, XtPointer) {
  int *pos = nullptr, count = 0;
  if (!XmListGetSelectedPos(list, &pos, &count)) return;
  const int row = count > 0 ? pos[0] - 1 : -1;
  XtFree(reinterpret_cast<char *>(pos));
  if (row < 0 || row >= FIND_PATTERN_ROWS) return;
  const char ch[2] = {Find_regexp_items[row][0], '\0'};
  XmTextPosition at = XmTextFieldGetInsertionPosition(Edit_findwhat_text);
  XmTextFieldInsert(Edit_findwhat_text, at, const_cast<char *>(ch));
  XmTextFieldSetInsertionPosition(Edit_findwhat_text, at + 1);
}
