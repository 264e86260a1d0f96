// Message window (see message_window.h).  Owns the window and its text;
// caddtxt appends the lines and colours the Info button.
#include "ui/dialog_frame.h"
#include "ui/message_window.h"

#include <Xm/Form.h>
#include <Xm/Protocols.h>
#include <Xm/Text.h>
#include <Xm/Xm.h>

#include <cstdio>
#include <cstring>

#include "client/file_select_comm.h"
#include "client/textutil.h"
#include "ui/file_select.h"
#include "ui/general_windep.h"
#include "ui/main_window.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"
#include "ui/widgen.h"

Widget Main_message_dialog = nullptr;
Widget Main_textport = nullptr;
int Main_message_open_requests = 0;

#define MAIN_WIN_ROW 0         // Widgen_tbl row of the main window
#define FILE_PURPOSE_LOCAL 9   // File Selection purpose: an ordinary local file
#define SAVE_NAME_TEXT 255     // expanded file name, with its end

void add_wm_close_callback(Widget dialog, XtCallbackProc cb) {
  Widget shell = XtParent(dialog);
  Atom del = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(shell, del, cb, nullptr);
}

void create_mainmessage_dialog(Widget parent) {
  if (!parent) parent = Main_control_form;
  if (!parent || Main_message_dialog) return;
  Arg a[12];
  Cardinal n = 0;
  XmString title = qvn_xmstring("Quivane Message Window");
  XtSetArg(a[n], XmNdialogTitle, title); n++;
  XtSetArg(a[n], XmNx, Widgen_tbl[MAIN_WIN_ROW].x); n++;
  XtSetArg(a[n], XmNy, Widgen_tbl[MAIN_WIN_ROW].y); n++;
  XtSetArg(a[n], XmNdefaultPosition, False); n++;
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  Main_message_dialog = XmCreateFormDialog(parent, const_cast<char *>("MainMessageDialog"), a, n);
  XmStringFree(title);
  add_wm_close_callback(Main_message_dialog, unmanage_message_dialogCB);

  n = 0;
  XtSetArg(a[n], XmNbottomAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNbottomOffset, 5); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftOffset, 5); n++;
  Widget close = XtarvCreateButton(Main_message_dialog, "mainmesgtextClose", "Close",
                                   XtarvPUSHBUTTON, ' ', unmanage_message_dialogCB, nullptr, a, n);
  dialog_keys(Main_message_dialog, nullptr, close);
  keep_on_screen(Main_message_dialog);
  n = 0;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_OPPOSITE_WIDGET); n++;
  XtSetArg(a[n], XmNtopWidget, close); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_WIDGET); n++;
  XtSetArg(a[n], XmNleftWidget, close); n++;
  XtSetArg(a[n], XmNleftOffset, 20); n++;
  XtarvCreateButton(Main_message_dialog, "mainmesgtextSave", "Save Text To File", XtarvPUSHBUTTON,
                    ' ', main_messagewintext_saveCB, nullptr, a, n);

  n = 0;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNtopOffset, 1); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftOffset, 1); n++;
  XtSetArg(a[n], XmNrightAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNrightOffset, 1); n++;
  XtSetArg(a[n], XmNbottomAttachment, XmATTACH_WIDGET); n++;
  XtSetArg(a[n], XmNbottomWidget, close); n++;
  XtSetArg(a[n], XmNbottomOffset, 5); n++;
  Main_textport = XmCreateScrolledText(Main_message_dialog,
                                       const_cast<char *>("mainmesgtextScrollText"), a, n);
  XtVaSetValues(Main_textport, XmNeditMode, XmMULTI_LINE_EDIT, XmNeditable, False,
                XmNcursorPositionVisible, False, XmNcolumns, 80, XmNrows, 12, nullptr);
  if (Menufont) XtVaSetValues(Main_textport, XmNfontList, Menufont, nullptr);
  XtManageChild(Main_textport);
}

void main_message_window_open() {
  Main_message_open_requests++;
  if (Main_message_dialog) XtManageChild(Main_message_dialog);
}

void manage_message_dialogCB(Widget, XtPointer, XtPointer) { main_message_window_open(); }

void unmanage_message_dialogCB(Widget, XtPointer, XtPointer) {
  if (Main_info_button) XtVaSetValues(Main_info_button, XmNbackground, Main_originfo_pixel, nullptr);
  Main_info_curlevel = 0;
  if (Main_message_dialog) XtUnmanageChild(Main_message_dialog);
}

void main_messagewintext_saveCB(Widget, XtPointer, XtPointer) {
  fsel_select(FILE_PURPOSE_LOCAL, nullptr, nullptr, nullptr, 0, main_messagewintext_getandsave,
              nullptr);
}

void main_messagewintext_getandsave() {
  if (!Fileselect_file_text) return;
  char *name = XmTextGetString(Fileselect_file_text);
  if (name && name[0]) main_messagewintext_save(name);
  XtFree(name);
}

int main_messagewintext_save(const char *name) {
  char path[SAVE_NAME_TEXT] = "";
  int nchars = static_cast<int>(strlen(name));
  int capacity = SAVE_NAME_TEXT - 1;
  int len = expfnam(name, &nchars, path, &capacity);
  if (len == -1) {
    disperr("Could not expand '~', try full name.");
    return -1;
  }
  if (len == -2) {
    disperr("File and path name too long when expanding '~'.");
    return -1;
  }
  path[len < SAVE_NAME_TEXT ? len : SAVE_NAME_TEXT - 1] = '\0';
  int mode = 1, report = 1;
  if (chkfil(path, &mode, &report) != 1) return -1;
  FILE *fp = fopen(path, "w");
  if (!fp) {
    char msg[SAVE_NAME_TEXT + 40];
    snprintf(msg, sizeof msg, "Could not open file '%s'.", path);
    disperr(msg);
    return -1;
  }
  char *text = Main_textport ? XmTextGetString(Main_textport) : nullptr;
  const char *body = text ? text : "";
  size_t want = strlen(body);
  size_t wrote = fwrite(body, 1, want, fp);
  int ok = fputc('\n', fp) != EOF && wrote == want;
  if (fclose(fp) != 0) ok = 0;
  XtFree(text);
  if (!ok) {
    char msg[SAVE_NAME_TEXT + 120];
    snprintf(msg, sizeof msg,
             "Could not write all of the information to the file:\n'%s'.\nYou may want to check "
             "to see if your disk is full.",
             path);
    disperr(msg);
    return -1;
  }
  return 1;
}
