// Connect Server dialog (see connect_dialog.h). Owns the dialog's widget
// holders and its type menu. The fields show a slot only when connect_init
// fills them; typing changes no slot until Apply.
#include "ui/connect_dialog.h"

#include <Xm/AtomMgr.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/Protocols.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/Separator.h>
#include <Xm/TextF.h>

#include <cstdio>
#include <string>
#include <vector>

#include "client/ccp.h"
#include "client/conect.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/textc_windep.h"
#include "ui/widgen.h"
#include "ui/widget_helpers.h"

Widget Connect_dialog = nullptr;
Widget Conn_status = nullptr;
Widget Con_type_optmen = nullptr;
Widget Conn_mach_lbl = nullptr, Conn_mach_text = nullptr;
Widget Conn_exec_lbl = nullptr, Conn_exec_text = nullptr;
Widget Conn_workdir_lbl = nullptr, Conn_workdir_text = nullptr;
Widget Conn_loginid_lbl = nullptr, Conn_loginid_text = nullptr;
Widget Conn_connect_but = nullptr;
Widget Conn_showdefault_but = nullptr;
Widget Conn_transf_lbl = nullptr;
Widget Conn_transum_frm = nullptr;
Widget Con_datasumsent_text = nullptr;
Widget Con_datasumrecv_text = nullptr;
Widget Conn_dismiss = nullptr;

Menu_item_rec Con_type_menu[2] = {
    {"Auto", 'A', connect_type_sensCB, (XtPointer)0, XtarvPUSHBUTTON, 0, nullptr},
    {"Manual", 'M', connect_type_sensCB, (XtPointer)1, XtarvPUSHBUTTON, 0, nullptr},
};

#define CONN_ROW 3  // Widgen_tbl row "Connect Server"

// ---- building -------------------------------------------------------------------------------

// Attachments placing w below top (the form's top when null) at the left edge.
static Widget_args below(Widget top, int offset) {
  Widget_args a;
  a.set(XmNtopAttachment, top ? XmATTACH_WIDGET : XmATTACH_FORM);
  if (top) a.set(XmNtopWidget, top);
  a.set(XmNtopOffset, offset);
  a.set(XmNleftAttachment, XmATTACH_FORM);
  a.set(XmNleftOffset, 5);
  return a;
}

static Widget make(WidgetClass cls, Widget parent, const char *name, const char *label,
                   Widget_args a) {
  XmString s = label ? qvn_xmstring(label) : nullptr;
  if (s) a.set(XmNlabelString, s);
  if (cls != xmFormWidgetClass && cls != xmFrameWidgetClass && cls != xmSeparatorWidgetClass)
    a.font();
  Widget w = XtCreateManagedWidget(name, cls, parent, a.list(), a.count());
  if (s) XmStringFree(s);
  return w;
}

// A label and, beside it, a text field of at most maxlen characters.
static Widget labelled_field(Widget parent, const char *lname, const char *label,
                             const char *fname, Widget top, int maxlen, Widget *lbl) {
  *lbl = make(xmLabelWidgetClass, parent, lname, label, below(top, 8));
  Widget_args a;
  a.set(XmNtopAttachment, XmATTACH_OPPOSITE_WIDGET);
  a.set(XmNtopWidget, *lbl);
  a.set(XmNleftAttachment, XmATTACH_WIDGET);
  a.set(XmNleftWidget, *lbl);
  a.set(XmNrightAttachment, XmATTACH_FORM);
  a.set(XmNrightOffset, 5);
  a.set(XmNmaxLength, maxlen);
  Widget f = make(xmTextFieldWidgetClass, parent, fname, nullptr, a);
  XtAddCallback(f, XmNfocusCallback, XtarvTextFocus, nullptr);
  XtAddCallback(f, XmNlosingFocusCallback, XtarvTextUnfocus, nullptr);
  return f;
}

static Widget push(Widget parent, const char *name, const char *label, Widget_args a,
                   XtCallbackProc cb) {
  Widget w = make(xmPushButtonWidgetClass, parent, name, label, a);
  XtAddCallback(w, XmNactivateCallback, cb, nullptr);
  return w;
}

static Widget beside(Widget parent, const char *name, const char *label, Widget left, Widget top,
                     XtCallbackProc cb) {
  Widget_args a = below(top, 8);
  a.set(XmNleftAttachment, XmATTACH_WIDGET);
  a.set(XmNleftWidget, left);
  return push(parent, name, label, a, cb);
}

void gen_conn_dialog() {
  if (Connect_dialog || !Main_win[0]) return;
  Arg a[12];
  XmString title = nullptr;
  Cardinal n = widgen_apply_args(CONN_ROW, a, 0, &title);
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  Connect_dialog = XmCreateFormDialog(Main_win[0], const_cast<char *>("ConnectDialog"), a, n);
  XmStringFree(title);
  Atom wm_delete =
      XmInternAtom(XtDisplay(Main_win[0]), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(XtParent(Connect_dialog), wm_delete, connect_cancelCB, nullptr);
  Widget d = Connect_dialog;

  Widget status_lbl;
  Conn_status = labelled_field(d, "ConnectStatusLabel", "Status", "ConnectStatusText", nullptr, 40,
                               &status_lbl);
  XtVaSetValues(Conn_status, XmNeditable, False, nullptr);
  XmTextFieldSetString(Conn_status, const_cast<char *>("No Connection"));
  Widget_args sa = below(status_lbl, 5);
  sa.set(XmNrightAttachment, XmATTACH_FORM);
  Widget sep = make(xmSeparatorWidgetClass, d, "ConnectLowerSeperator", nullptr, sa);
  Widget_args ta = below(sep, 5);
  Con_type_optmen =
      XtarvCreateOptionMenu(d, "ConnectType", "Type", ta.list(), ta.count(), Con_type_menu, 2, 0);
  XtManageChild(Con_type_optmen);
  Conn_mach_text = labelled_field(d, "ConnectMachLabel", "Machine Name:", "ConnectMachText",
                                  Con_type_optmen, CON_TEXT - 1, &Conn_mach_lbl);
  Conn_exec_text = labelled_field(d, "ConnectExecLabel", "Executable [path/]name:",
                                  "ConnectExecText", Conn_mach_lbl, CON_TEXT - 1, &Conn_exec_lbl);
  Conn_workdir_text = labelled_field(d, "ConnectWdirLabel", "Working Directory:", "ConnectWdirText",
                                     Conn_exec_lbl, CON_TEXT - 1, &Conn_workdir_lbl);
  Conn_loginid_text = labelled_field(d, "ConnectLoginLabel", "Alternate Login ID:",
                                     "ConnectLoginText", Conn_workdir_lbl, CON_TEXT - 1,
                                     &Conn_loginid_lbl);
  Conn_connect_but = push(d, "Connect Server", "Connect Server", below(Conn_loginid_lbl, 8),
                          connect_applyCB);
  Conn_showdefault_but = beside(d, "Show Server Defaults", "Show Server Defaults",
                                Conn_connect_but, Conn_loginid_lbl, connect_show_defaultsCB);

  Conn_transf_lbl = make(xmLabelWidgetClass, d, "ConnectTransfLabel",
                         "Transfer Summary\nClient<--->Server", below(Conn_connect_but, 8));
  if (Section_color.pixel)
    XtVaSetValues(Conn_transf_lbl, XmNforeground, Section_color.pixel, nullptr);
  Widget_args fa = below(Conn_transf_lbl, 2);
  fa.set(XmNrightAttachment, XmATTACH_FORM);
  Conn_transum_frm = make(xmFrameWidgetClass, d, "ConnectTransfFrame", nullptr, fa);
  Widget form =
      make(xmFormWidgetClass, Conn_transum_frm, "ConnectTransfForm", nullptr, Widget_args{});
  Widget sent_lbl, recv_lbl;
  Con_datasumsent_text = labelled_field(form, "ConnectTransfLabel", "Sent", "ConnectTransfText",
                                        nullptr, 12, &sent_lbl);
  Con_datasumrecv_text = labelled_field(form, "ConnectTransfRecvLabel", "Received",
                                        "ConnectTransfRecvText", sent_lbl, 12, &recv_lbl);
  for (Widget w : {Con_datasumsent_text, Con_datasumrecv_text})
    XtVaSetValues(w, XmNeditable, False, nullptr);

  Widget_args ca = below(Conn_transum_frm, 8);
  ca.set(XmNbottomAttachment, XmATTACH_FORM);
  ca.set(XmNbottomOffset, 5);
  Conn_dismiss = push(d, "Close", "Close", ca, connect_cancelCB);
  // Return in a field is the dialog's own action, Escape its Close.
  dialog_keys(d, Conn_connect_but, Conn_dismiss);
  keep_on_screen(d);
  Widget help = beside(d, "Help", "Help", Conn_dismiss, Conn_transum_frm, okcallback);
  XtRemoveAllCallbacks(help, XmNactivateCallback);
  XtAddCallback(help, XmNactivateCallback, info_manCB, (XtPointer) "HT-Run-AutoConn");
}

// ---- logic onto the widgets ---------------------------------------------------------------------

static void set_button_label(Widget w, const char *text) {
  XmString s = qvn_xmstring(text);
  XtVaSetValues(w, XmNlabelString, s, nullptr);
  XmStringFree(s);
}

void connect_init() {
  if (!Connect_dialog || !XtIsManaged(Connect_dialog)) return;
  int slot = Con_prog;
  if (slot < 0 || slot >= CON_SLOTS) return;
  if (slot != 0)
    set_button_label(Conn_connect_but,
                     Connected_server_once ? "Update Server Defaults" : "Connect Server");
  XmTextFieldSetString(Conn_status, const_cast<char *>(slot > 0 && Online[slot]
                                                           ? "**Connection Established**"
                                                           : "**No Connection**"));
  XtarvOptionMenuSetState(Con_type_optmen, Con_type_menu, Con_mode[slot] ? 1 : 0, 1);
  XmTextFieldSetString(Conn_mach_text, Con_mach[slot]);
  XmTextFieldSetString(Conn_exec_text, Con_exec[slot]);
  XmTextFieldSetString(Conn_workdir_text, Con_work[slot]);
  XmTextFieldSetString(Conn_loginid_text, Con_loginid[slot]);
  XtManageChild(Conn_transf_lbl);
  XtManageChild(Conn_transum_frm);
  XtManageChild(Conn_showdefault_but);
  XmString t = qvn_xmstring(Widgen_tbl[CONN_ROW].title);
  XtVaSetValues(Connect_dialog, XmNdialogTitle, t, nullptr);
  XmStringFree(t);
  connect_sum_bytupdt();
}

void connect_type_sens(int manual) {
  for (Widget w : {Conn_mach_lbl, Conn_mach_text, Conn_exec_lbl, Conn_exec_text, Conn_workdir_lbl,
                   Conn_workdir_text, Conn_loginid_lbl, Conn_loginid_text})
    if (w) XtSetSensitive(w, manual ? False : True);
}

void connect_sum_bytupdt() {
  if (!Connect_dialog || !XtIsManaged(Connect_dialog)) return;
  char text[16];
  snprintf(text, sizeof text, "%10d", ccsbyt());
  XmTextFieldSetString(Con_datasumsent_text, text);
  snprintf(text, sizeof text, "%10d", ccrbyt());
  XmTextFieldSetString(Con_datasumrecv_text, text);
}

static std::string field_text(Widget w) {
  char *t = XmTextFieldGetString(w);
  std::string s = t ? t : "";
  XtFree(t);
  return s;
}

int connect_apply() {
  if (!Connect_dialog) return -1;
  int once = Connected_server_once;
  int manual = XtarvOptionMenuGetState(Con_type_optmen, Con_type_menu, 1) ? 1 : 0;
  int r = connect_apply_fields(
      field_text(Conn_mach_text).c_str(), field_text(Conn_exec_text).c_str(),
      field_text(Conn_workdir_text).c_str(), field_text(Conn_loginid_text).c_str(), manual);
  if (!once && r != -1) {
    XmTextFieldSetString(Conn_status, const_cast<char *>("**Connection Established**"));
    XtUnmanageChild(Connect_dialog);
  }
  connect_sum_bytupdt();
  return r;
}

// ---- callbacks --------------------------------------------------------------------------------

void connect_remoteCB(Widget, XtPointer slot, XtPointer) {
  Con_prog = (int)(long)slot;
  gen_conn_dialog();
  if (!Connect_dialog) return;
  XtManageChild(Connect_dialog);
  connect_init();
}

void connect_show_defaultsCB(Widget, XtPointer, XtPointer) {
  int saved = Con_prog;
  Con_prog = 0;
  connect_init();
  Con_prog = saved;
}

void connect_type_sensCB(Widget, XtPointer manual, XtPointer) {
  connect_type_sens((int)(long)manual);
}

void connect_applyCB(Widget, XtPointer, XtPointer) { connect_apply(); }

void connect_cancelCB(Widget, XtPointer, XtPointer) {
  if (Connect_dialog) XtUnmanageChild(Connect_dialog);
}
