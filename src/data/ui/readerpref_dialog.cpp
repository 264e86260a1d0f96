// Reader preferences dialog (see readerpref_dialog.h). Owns the dialog's
// widgets and the four functions through which the logic fills and reads
// them.
#include "data/ui/readerpref_dialog.h"

#include <Xm/Form.h>
#include <Xm/LabelG.h>
#include <Xm/List.h>
#include <Xm/TextF.h>

#include <algorithm>
#include <cstdio>

#include "client/cases.h"
#include "client/conect.h"
#include "client/screen.h"
#include "data/reader_prefs.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/main_window.h"
#include "ui/message_window.h"
#include "ui/widget_helpers.h"

Widget Data_readerpref_dialog = nullptr;
Widget Data_readerprefdefault_text = nullptr;
Widget Data_readerpref_list = nullptr;

// ---- what the logic reaches ----------------------------------------------------------

static int dialog_shown() {
  return Data_readerpref_dialog && XtIsManaged(Data_readerpref_dialog) ? 1 : 0;
}

// The new items keep the list at the row it showed first.
static void fill_list(int count, const char *const items[]) {
  int top = 1;
  XtVaGetValues(Data_readerpref_list, XmNtopItemPosition, &top, nullptr);
  XmListDeleteAllItems(Data_readerpref_list);
  for (int i = 0; i < count; i++) {
    XmString s = qvn_xmstring(items[i]);
    XmListAddItemUnselected(Data_readerpref_list, s, 0);
    XmStringFree(s);
  }
  if (count > 0) XmListSetPos(Data_readerpref_list, std::min(std::max(top, 1), count));
}

static void set_default(const char *name) {
  XmTextFieldSetString(Data_readerprefdefault_text, const_cast<char *>(name));
}

static void get_default(char *buf, int size) {
  char *text = XmTextFieldGetString(Data_readerprefdefault_text);
  snprintf(buf, (size_t)size, "%s", text ? text : "");
  XtFree(text);
}

// ---- building ------------------------------------------------------------------------

static Widget label(const char *name, const char *text, Widget_args a) {
  XmString s = qvn_xmstring(text);
  a.set(XmNlabelString, s).font();
  Widget w = XmCreateLabelGadget(Data_readerpref_dialog, const_cast<char *>(name), a.list(),
                                 a.count());
  XmStringFree(s);
  XtManageChild(w);
  return w;
}

void gen_datareaderpref_dialog() {
  if (Data_readerpref_dialog) return;
  XmString title = qvn_xmstring("Data Reader Preferences");
  Widget_args da;
  da.set(XmNdialogTitle, title).set(XmNautoUnmanage, False).set(XmNdeleteResponse, XmDO_NOTHING);
  Data_readerpref_dialog =
      XmCreateFormDialog(Main_menubar ? Main_menubar : Main_control_form,
                         const_cast<char *>("DataReadPrefDialog"), da.list(), da.count());
  XmStringFree(title);
  add_wm_close_callback(Data_readerpref_dialog, datareadpref_cancelCB);

  Widget_args sa;
  sa.attach(XmNbottomAttachment, XmATTACH_FORM, nullptr, nullptr, XmNbottomOffset, 5);
  sa.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5).font();
  Widget save = XtarvCreateButton(Data_readerpref_dialog, "DataReadPrefSave", "  Save  ",
                                  XtarvPUSHBUTTON, ' ', datareadpref_saveCB, nullptr, sa.list(),
                                  sa.count());
  Widget_args ca;
  ca.attach(XmNbottomAttachment, XmATTACH_FORM, nullptr, nullptr, XmNbottomOffset, 5);
  ca.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 5).font();
  Widget cancel = XtarvCreateButton(Data_readerpref_dialog, "DataReadPrefCancel", "  Cancel  ",
                                    XtarvPUSHBUTTON, ' ', datareadpref_cancelCB, nullptr,
                                    ca.list(), ca.count());

  Widget_args la;
  la.attach(XmNtopAttachment, XmATTACH_FORM, nullptr, nullptr, XmNtopOffset, 10);
  la.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  Widget default_lbl = label("DataReadPrefDefaultLabel", "Default Reader", la);

  Widget_args ta;
  ta.attach(XmNtopAttachment, XmATTACH_FORM, nullptr, nullptr, XmNtopOffset, 5);
  ta.attach(XmNleftAttachment, XmATTACH_WIDGET, XmNleftWidget, default_lbl, XmNleftOffset, 5);
  ta.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 5);
  ta.set(XmNcolumns, DATAREADPREF_DEFAULT_COLUMNS)
      .set(XmNmaxLength, DATAREADPREF_DEFAULT_MAXLEN)
      .font();
  Data_readerprefdefault_text = XmCreateTextField(
      Data_readerpref_dialog, const_cast<char *>("DataReadPrefDefaultText"), ta.list(), ta.count());
  XtManageChild(Data_readerprefdefault_text);

  Widget_args ha;
  ha.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, Data_readerprefdefault_text,
            XmNtopOffset, 10);
  ha.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  Widget direct_lbl =
      label("DataReadPrefDirectLabel", "Select Below To Toggle Reader Visibility.", ha);

  Widget_args lsa;
  lsa.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, direct_lbl, XmNtopOffset, 2);
  lsa.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  lsa.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 5);
  lsa.attach(XmNbottomAttachment, XmATTACH_WIDGET, XmNbottomWidget, save, XmNbottomOffset, 10);
  lsa.set(XmNselectionPolicy, XmEXTENDED_SELECT).set(XmNvisibleItemCount, 12).font();
  Data_readerpref_list = XmCreateScrolledList(
      Data_readerpref_dialog, const_cast<char *>("DataReadPrefList"), lsa.list(), lsa.count());
  XtAddCallback(Data_readerpref_list, XmNextendedSelectionCallback, datareadpref_tggl_visCB, nullptr);
  XtAddCallback(Data_readerpref_list, XmNdefaultActionCallback, datareadpref_tggl_visCB, nullptr);
  XtManageChild(Data_readerpref_list);

  dialog_keys(Data_readerpref_dialog, save, cancel);
  keep_on_screen(Data_readerpref_dialog);
  Datareadpref_windep = {dialog_shown, fill_list, set_default, get_default};
}

// ---- callbacks -----------------------------------------------------------------------

void datareaderpref_manageCB(Widget, XtPointer, XtPointer) {
  if (Case_num < 0 || Case_num >= MAX_CASES || Online[Case_num + 1] != 1) {
    disperr("Must be connected to the server to modify the reader preferences.");
    return;
  }
  gen_datareaderpref_dialog();
  XtManageChild(Data_readerpref_dialog);
  datareadpref_init_dialog();
}

void datareadpref_tggl_visCB(Widget, XtPointer, XtPointer) {
  int *positions = nullptr, count = 0;
  if (!XmListGetSelectedPos(Data_readerpref_list, &positions, &count) || count < 1) {
    disperr("Please select the format you wish to modify.");
    return;
  }
  datareadpref_tggl_vis(count, positions);
  XtFree(reinterpret_cast<char *>(positions));
}

void datareadpref_saveCB(Widget, XtPointer, XtPointer) {
  datareadpref_save();
  XtUnmanageChild(Data_readerpref_dialog);
}

void datareadpref_cancelCB(Widget, XtPointer, XtPointer) {
  if (Data_readerpref_dialog) XtUnmanageChild(Data_readerpref_dialog);
}
