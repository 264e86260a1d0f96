// Prompt dialogs.  Owns the widgets of prompt.h; the caller owns the answer
// buffer.  The modal prompt waits in dialog_modal_wait until Okay, Cancel or
// the window manager's close sets Xproc_done.
#include "ui/prompt.h"

#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/LabelG.h>
#include <Xm/Protocols.h>
#include <Xm/PushB.h>
#include <Xm/Text.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "client/textutil.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/mainwin_state.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"

Widget Main_prompt_dialog = nullptr;
Widget Main_prompt_label = nullptr;
Widget Text_entry_widget = nullptr;
Widget Main_fileprompt_dialog = nullptr;
Widget Main_fileprompt_label = nullptr;
Widget Text_fileentry_widget = nullptr;
Widget User_prompt_dialog = nullptr;
Widget Userp_label = nullptr;
Widget Userp_entry_text = nullptr;
Widget Userp_ok_button = nullptr;
Widget Userp_cancel_button = nullptr;
Widget User_fileprompt_dialog = nullptr;
Widget Userp_file_label = nullptr;
Widget Userp_fileentry_text = nullptr;
Widget Userp_fileok_button = nullptr;
Widget Userp_filecancel_button = nullptr;

#define FSEL_LOCAL_FILE 9  // File Selection purpose: an ordinary local file

// Widget names and behaviour of one prompt variant.
struct Prompt_spec {
  const char *frame, *form, *label, *field;
  int modal;                 // 1 full-application modal, 0 modeless
  int close_does_nothing;    // 1 = window-manager close only runs the close routine
  XtCallbackProc okcb, filecb, cancelcb, closecb;  // filecb null = no "File Select..."
};

struct Prompt_widgets {
  Widget dialog, label, field, ok, cancel;
};

static Widget prompt_home() {
  if (Main_intf[0]) return Main_intf[0];
  return Main_control_form ? Main_control_form : Main_win[0];
}

static void add(std::vector<Arg> &a, const char *n, XtArgVal v) {
  a.push_back(Arg{const_cast<char *>(n), v});
}

static void add_font(std::vector<Arg> &a) {
  if (Fixedfont && Menufont) add(a, XmNfontList, (XtArgVal)Menufont);
}

static Widget prompt_button(Widget form, const char *name, Widget left, Widget ok_or_field,
                            XtCallbackProc cb) {
  std::vector<Arg> a;
  if (!left) {  // Okay: under the field
    add(a, XmNtopAttachment, XmATTACH_WIDGET);
    add(a, XmNtopWidget, (XtArgVal)ok_or_field);
    add(a, XmNtopOffset, 10);
    add(a, XmNleftAttachment, XmATTACH_FORM);
    add(a, XmNleftOffset, 10);
    add(a, XmNbottomAttachment, XmATTACH_FORM);
    add(a, XmNbottomOffset, 5);
  } else {  // the others: right of the button before, tops aligned with Okay
    add(a, XmNleftAttachment, XmATTACH_WIDGET);
    add(a, XmNleftWidget, (XtArgVal)left);
    add(a, XmNleftOffset, 20);
    add(a, XmNtopAttachment, XmATTACH_OPPOSITE_WIDGET);
    add(a, XmNtopWidget, (XtArgVal)ok_or_field);
  }
  XmString s = qvn_xmstring(name);
  add(a, XmNlabelString, (XtArgVal)s);
  add_font(a);
  Widget b = XtCreateManagedWidget(name, xmPushButtonWidgetClass, form, a.data(),
                                   static_cast<Cardinal>(a.size()));
  XmStringFree(s);
  if (cb) XtAddCallback(b, XmNactivateCallback, cb, nullptr);
  return b;
}

// The field as the dialog's initial keyboard focus: each manager between
// them names the next one down as its initial focus (the field sits in a
// form inside a frame, and a manager's initial focus must be its own child).
static void focus_field(Widget dialog, Widget field) {
  for (Widget w = field; w && w != dialog; w = XtParent(w))
    XtVaSetValues(XtParent(w), XmNinitialFocus, w, nullptr);
}

static Prompt_widgets build_prompt(const Prompt_spec &sp, const char *label, const char *title,
                                   int size, const char *value) {
  Prompt_widgets pw{};
  XmString t = qvn_xmstring(title);
  std::vector<Arg> a;
  add(a, XmNautoUnmanage, False);
  add(a, XmNdefaultPosition, False);
  add(a, XmNdialogTitle, (XtArgVal)t);
  add(a, XmNdialogStyle, sp.modal ? XmDIALOG_FULL_APPLICATION_MODAL : XmDIALOG_MODELESS);
  if (sp.close_does_nothing) add(a, XmNdeleteResponse, XmDO_NOTHING);
  pw.dialog = XmCreateFormDialog(prompt_home(), const_cast<char *>(label), a.data(),
                                 static_cast<Cardinal>(a.size()));
  XmStringFree(t);
  Widget shell = XtParent(pw.dialog);
  XmAddWMProtocolCallback(shell, XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_DELETE_WINDOW"), False),
                          sp.closecb, nullptr);

  Widget frame = XtVaCreateManagedWidget(
      sp.frame, xmFrameWidgetClass, pw.dialog, XmNtopAttachment, XmATTACH_FORM, XmNleftAttachment,
      XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM, XmNborderWidth, 0, XmNshadowThickness, 0,
      nullptr);
  Widget form = XtVaCreateManagedWidget(sp.form, xmFormWidgetClass, frame, nullptr);

  std::vector<Arg> la;
  XmString ls = qvn_xmstring(label);
  add(la, XmNlabelString, (XtArgVal)ls);
  add(la, XmNtopAttachment, XmATTACH_FORM);
  add(la, XmNtopOffset, 10);
  add(la, XmNleftAttachment, XmATTACH_FORM);
  add(la, XmNleftOffset, 5);
  add(la, XmNrightAttachment, XmATTACH_FORM);
  add(la, XmNrightOffset, 10);
  add_font(la);
  pw.label = XtCreateManagedWidget(sp.label, xmLabelGadgetClass, form, la.data(),
                                   static_cast<Cardinal>(la.size()));
  XmStringFree(ls);

  std::vector<Arg> fa;
  add(fa, XmNtopAttachment, XmATTACH_WIDGET);
  add(fa, XmNtopWidget, (XtArgVal)pw.label);
  add(fa, XmNtopOffset, 5);
  add(fa, XmNleftAttachment, XmATTACH_FORM);
  add(fa, XmNleftOffset, 20);
  add(fa, XmNeditMode, XmSINGLE_LINE_EDIT);
  add(fa, XmNcolumns, std::min(size, 50));
  add(fa, XmNmaxLength, size - 1);
  add(fa, XmNvalue, (XtArgVal)(value ? value : ""));
  add(fa, XmNcursorPositionVisible, False);
  add_font(fa);
  pw.field = XtCreateManagedWidget(sp.field, xmTextWidgetClass, form, fa.data(),
                                   static_cast<Cardinal>(fa.size()));
  XtAddCallback(pw.field, XmNfocusCallback, XtarvTextFocus, nullptr);
  XtAddCallback(pw.field, XmNlosingFocusCallback, XtarvTextUnfocus, nullptr);

  pw.ok = prompt_button(form, "Okay", nullptr, pw.field, sp.okcb);
  Widget before = pw.ok;
  if (sp.filecb) before = prompt_button(form, "File Select...", pw.ok, pw.ok, sp.filecb);
  pw.cancel = prompt_button(form, "Cancel", before, pw.ok, sp.cancelcb);
  // Return in the field (or on Okay) is Okay, Escape is Cancel; typing goes
  // to the field from the start.
  dialog_keys(pw.dialog, pw.ok, pw.cancel);
  focus_field(pw.dialog, pw.field);
  keep_on_screen(pw.dialog);
  return pw;
}

// New title, label, field size and focus for a later call.
static void refit_prompt(Widget dialog, Widget label, Widget field, const char *text,
                         const char *title, int size) {
  XmString t = qvn_xmstring(title);
  XmString l = qvn_xmstring(text);
  XtVaSetValues(dialog, XmNdialogTitle, t, nullptr);
  focus_field(dialog, field);
  XtVaSetValues(label, XmNlabelString, l, nullptr);
  XtVaSetValues(field, XmNcolumns, std::min(size, 50), XmNmaxLength, size - 1, nullptr);
  XmStringFree(t);
  XmStringFree(l);
}

// Near the pointer over the parent's window: 30 up and left where there is room.
static void place_prompt(Widget dialog, Widget parent) {
  Position x, y;
  place_near_pointer(parent, 0, 30, 30, PLACE_REDUCE_WITH_ROOM, PLACE_REDUCE_WITH_ROOM, &x, &y);
  XtVaSetValues(dialog, XmNx, x, XmNy, y, nullptr);
}

// The answer typed into field, checked and stored in buf; "" when refused.
static void take_answer(Widget parent, Widget field, char *buf, int size, int file) {
  char *text = XmTextGetString(field);
  buf[0] = '\0';
  const char *error = nullptr;
  if (!text || !*text) {
    // empty answer
  } else if (file == 1) {
    int nchars = static_cast<int>(strlen(text));
    int capacity = size;
    int r = expfnam(text, &nchars, buf, &capacity);
    if (r == -1) error = "Could not expand '~', try full name.";
    if (r == -2) error = "Buffer overflow on input. Input too long.";
    if (r < 0) buf[0] = '\0';
  } else if (static_cast<int>(strlen(text)) > size - 1) {
    error = "Buffer overflow on input. Input aborted.";
  } else {
    strcpy(buf, text);
  }
  XtFree(text);
  if (error) one_line_error_dialog(parent, error, nullptr, nullptr, 0);
}

void one_line_prompt_dialog(Widget parent, const char *label, const char *title, char *buf,
                            int size, int, int, int file) {
  if (!buf || size <= 0) return;
  if (!main_window_realised()) {
    buf[0] = '\0';
    return;
  }
  if (!Main_prompt_dialog) {
    Prompt_spec plain{"olpf", "olpfo", "label", "textarea", 1, 1,
                      dialog_ok, nullptr, dialog_cancel, dialog_cancel};
    Prompt_spec named{"olpf", "olpfo", "label", "textarea", 0, 0,
                      dialog_ok, one_line_file_select, dialog_cancel, dialog_cancel};
    Prompt_widgets p = build_prompt(plain, label, title, size, buf);
    Main_prompt_dialog = p.dialog;
    Main_prompt_label = p.label;
    Text_entry_widget = p.field;
    Prompt_widgets f = build_prompt(named, label, title, size, buf);
    Main_fileprompt_dialog = f.dialog;
    Main_fileprompt_label = f.label;
    Text_fileentry_widget = f.field;
  } else {
    Widget d = file == 1 ? Main_fileprompt_dialog : Main_prompt_dialog;
    Widget l = file == 1 ? Main_fileprompt_label : Main_prompt_label;
    Widget f = file == 1 ? Text_fileentry_widget : Text_entry_widget;
    refit_prompt(d, l, f, label, title, size);
    XmTextSetString(f, buf);
  }
  if (!parent) parent = prompt_home();
  Widget dialog = file == 1 ? Main_fileprompt_dialog : Main_prompt_dialog;
  Widget field = file == 1 ? Text_fileentry_widget : Text_entry_widget;
  place_prompt(dialog, parent);
  XtManageChild(dialog);
  dialog_modal_wait();
  if (Dialog_state == 1)
    take_answer(parent, field, buf, size, file);
  else
    buf[0] = '\0';
  XtUnmanageChild(dialog);
  XmTextSetString(field, const_cast<char *>(""));
}

void one_line_file_select(Widget, XtPointer, XtPointer) {
  if (fsel_select(FSEL_LOCAL_FILE, &Text_fileentry_widget, nullptr, nullptr, 0, nullptr,
                  nullptr) == -1)
    fprintf(stderr, "Couldn't set up for chosen file.\n");
}

void prompt_user_file_select(Widget, XtPointer, XtPointer) {
  if (fsel_select(FSEL_LOCAL_FILE, &Userp_fileentry_text, nullptr, nullptr, 0, nullptr,
                  nullptr) == -1)
    fprintf(stderr, "Couldn't set up for chosen file.\n");
}

static void replace_activate(Widget button, XtCallbackProc cb) {
  XtRemoveAllCallbacks(button, XmNactivateCallback);
  if (cb) XtAddCallback(button, XmNactivateCallback, cb, nullptr);
}

void prompt_user(Widget parent, const char *label, const char *title, XtCallbackProc okcb,
                 XtCallbackProc cancelcb, int size, int, int, int file) {
  if (!main_window_realised()) return;
  if (!User_prompt_dialog) {
    Prompt_spec plain{"usrp", "usrpfo", "usrplabel", "usrptextarea", 0, 1,
                      okcb, nullptr, cancelcb, cancelcb};
    Prompt_spec named{"usrfp_f", "usrfp_o", "label", "textarea", 0, 0,
                      okcb, prompt_user_file_select, cancelcb, cancelcb};
    Prompt_widgets p = build_prompt(plain, label, title, size, "");
    User_prompt_dialog = p.dialog;
    Userp_label = p.label;
    Userp_entry_text = p.field;
    Userp_ok_button = p.ok;
    Userp_cancel_button = p.cancel;
    Prompt_widgets f = build_prompt(named, label, title, size, "");
    User_fileprompt_dialog = f.dialog;
    Userp_file_label = f.label;
    Userp_fileentry_text = f.field;
    Userp_fileok_button = f.ok;
    Userp_filecancel_button = f.cancel;
  } else {
    bool f = file == 1;
    refit_prompt(f ? User_fileprompt_dialog : User_prompt_dialog, f ? Userp_file_label : Userp_label,
                 f ? Userp_fileentry_text : Userp_entry_text, label, title, size);
    replace_activate(f ? Userp_fileok_button : Userp_ok_button, okcb);
    replace_activate(f ? Userp_filecancel_button : Userp_cancel_button, cancelcb);
  }
  if (!parent) parent = prompt_home();
  Widget dialog = file == 1 ? User_fileprompt_dialog : User_prompt_dialog;
  place_prompt(dialog, parent);
  XtManageChild(dialog);
  XmTextSetString(Userp_entry_text, const_cast<char *>(""));
  XmTextSetString(Userp_fileentry_text, const_cast<char *>(""));
}

static int motif_prompt(const char *label, const char *title, char *buf, int size, int file) {
  if (!main_window_realised()) return 0;
  one_line_prompt_dialog(nullptr, label, title, buf, size, 0, 0, file);
  return 1;
}

void prompt_screen(Screen_ops *ops) { ops->prompt = motif_prompt; }
