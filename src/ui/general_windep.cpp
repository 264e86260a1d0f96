// Message services.  Owns the boxes of general_windep.h (each built once and
// reused), the modal-done flag and last answer, the message-window severity
// level, the watch cursor, the status-line GC and the cache of cursor shapes.
#include "ui/general_windep.h"

#include <X11/cursorfont.h>
#include <Xm/DialogS.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Label.h>
#include <Xm/MessageB.h>
#include <Xm/MwmUtil.h>
#include <Xm/Protocols.h>
#include <Xm/PushB.h>
#include <Xm/Text.h>
#include <strings.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "anim/soltime.h"
#include "anim/timeset.h"
#include "client/extdriver.h"
#include "ui/dialog_frame.h"
#include "ui/event_loop.h"
#include "ui/mainwin_state.h"
#include "ui/textc_windep.h"
#include "view/transf_editor.h"
#include "view/ui/transf_dialog.h"

Widget Err_dialog = nullptr;
Widget Disperr_errlabel = nullptr;
Widget Warn_dialog = nullptr;
Widget Work_dialog = nullptr;
Widget Work_nonmodal_dialog = nullptr;
Widget Usermesg_dialog = nullptr;
int Xproc_done = 0;
int Dialog_state = 0;
int Main_info_curlevel = 0;
Cursor WorkingCursor = 0;
GC Main_statusGC = nullptr;

static Cursor Cursor_cache[CURSOR_SHAPE_COUNT];
static int Cursor_made[CURSOR_SHAPE_COUNT];
// X cursor-font glyphs of the shapes 0..10.
static const unsigned int Cursor_glyph[CURSOR_SHAPE_COUNT] = {
    XC_left_ptr,  XC_top_left_corner, XC_top_right_corner, XC_bottom_left_corner,
    XC_bottom_right_corner, XC_top_side, XC_left_side, XC_right_side,
    XC_bottom_side, XC_fleur, XC_exchange};

int main_window_realised() { return Main_win[0] && XtIsRealized(Main_win[0]) ? 1 : 0; }

XmString qvn_xmstring(const char *text) {
  return XmStringCreateLtoR(const_cast<char *>(text ? text : ""),
                            const_cast<char *>(XmFONTLIST_DEFAULT_TAG));
}

static void ring_twice() {
  if (!Dpys[0]) return;
  XBell(Dpys[0], 100);
  XBell(Dpys[0], 100);
}

// The parent of the boxes: the main control form, or the shell before the
// form exists.
static Widget box_parent() { return Main_control_form ? Main_control_form : Main_win[0]; }

// Where a box goes: the pointer on the screen plus the main window's own
// position in its parent, moved up and left by the given amounts.
static void place_from_pointer(int left, int up, Position *x, Position *y) {
  place_near_pointer(Main_win[0], 1, left, up, PLACE_CLAMP, PLACE_CLAMP, x, y);
}

static void add_close_protocol(Widget dialog, XtCallbackProc cb, XtPointer client) {
  Widget shell = XtParent(dialog);
  Atom del = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(shell, del, cb, client);
}

// Resources of a box placed at x, y, full-application modal, titled, whose
// window-manager close runs only the callbacks the caller installs.  Fills
// six entries of a; the caller frees title after creating the box.
static Cardinal placed_modal_args(Arg *a, Position x, Position y, XmString title) {
  Cardinal n = 0;
  XtSetArg(a[n], XmNx, x); n++;
  XtSetArg(a[n], XmNy, y); n++;
  XtSetArg(a[n], XmNdefaultPosition, False); n++;
  XtSetArg(a[n], XmNdialogStyle, XmDIALOG_FULL_APPLICATION_MODAL); n++;
  XtSetArg(a[n], XmNdialogTitle, title); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  return n;
}

static void set_font_if_fixed(std::vector<Arg> &args, const char *resource) {
  if (Fixedfont && Menufont) args.push_back(Arg{const_cast<char *>(resource), (XtArgVal)Menufont});
}

void dialog_modal_wait() { check_xevents(App_con, 5); }

void dialog_drain_events() { check_xevents(App_con, 3); }

static void build_error_box(const char *shown, size_t msglen, int lines) {
  int k = lines == 1 ? 7 : lines + 3;
  Position x, y;
  place_from_pointer(static_cast<int>(std::min<size_t>(msglen, SCREEN_WRAP_COLUMNS)) * Menu_font_width,
                     Menu_font_size * k, &x, &y);
  XmString title = qvn_xmstring("Error");
  Arg a[6];
  Cardinal n = placed_modal_args(a, x, y, title);
  Err_dialog = XmCreateFormDialog(box_parent(), const_cast<char *>("Error"), a, n);
  XmStringFree(title);
  add_close_protocol(Err_dialog, unmanage_disperr, nullptr);

  Widget frame = XtVaCreateManagedWidget(
      "de-frame", xmFrameWidgetClass, Err_dialog, XmNtopAttachment, XmATTACH_FORM,
      XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment, XmATTACH_FORM, XmNborderWidth, 0,
      XmNshadowThickness, 0, nullptr);
  Widget form = XtVaCreateManagedWidget("de-form", xmFormWidgetClass, frame, nullptr);

  XmString label = qvn_xmstring(shown);
  std::vector<Arg> la = {
      {const_cast<char *>(XmNleftAttachment), XmATTACH_FORM},
      {const_cast<char *>(XmNleftOffset), 5},
      {const_cast<char *>(XmNtopAttachment), XmATTACH_FORM},
      {const_cast<char *>(XmNtopOffset), 10},
      {const_cast<char *>(XmNrightAttachment), XmATTACH_FORM},
      {const_cast<char *>(XmNrightOffset), 10},
      {const_cast<char *>(XmNalignment), XmALIGNMENT_BEGINNING},
      {const_cast<char *>(XmNlabelString), (XtArgVal)label}};
  set_font_if_fixed(la, XmNfontList);
  Disperr_errlabel = XtCreateManagedWidget("de-label", xmLabelWidgetClass, form, la.data(),
                                           static_cast<Cardinal>(la.size()));
  XmStringFree(label);

  std::vector<Arg> ba = {
      {const_cast<char *>(XmNtopAttachment), XmATTACH_WIDGET},
      {const_cast<char *>(XmNtopWidget), (XtArgVal)Disperr_errlabel},
      {const_cast<char *>(XmNtopOffset), 10},
      {const_cast<char *>(XmNleftAttachment), XmATTACH_FORM},
      {const_cast<char *>(XmNleftOffset), 5},
      {const_cast<char *>(XmNbottomAttachment), XmATTACH_FORM},
      {const_cast<char *>(XmNbottomOffset), 5}};
  set_font_if_fixed(ba, XmNfontList);
  Widget ok = XtCreateManagedWidget("Okay", xmPushButtonWidgetClass, form, ba.data(),
                                    static_cast<Cardinal>(ba.size()));
  XtAddCallback(ok, XmNactivateCallback, unmanage_disperr, nullptr);
  dialog_keys(Err_dialog, ok, ok);
  keep_on_screen(Err_dialog);
}

// The error box with the wrapped text (see screen.h).
static int motif_error(const char *shown, int lines) {
  if (!main_window_realised()) return 0;
  ring_twice();
  if (Err_dialog) {
    XmString s = qvn_xmstring(shown);
    XtVaSetValues(Disperr_errlabel, XmNlabelString, s, nullptr);
    XmStringFree(s);
  } else {
    build_error_box(shown, strlen(shown) - strlen("ERROR: "), lines);
  }
  XtManageChild(Err_dialog);
  return 1;
}

void disperr_and_wait(const char *text, XtCallbackProc okcb) {
  if (!main_window_realised()) {
    fprintf(stderr, "%s\n", text ? text : "");
    return;
  }
  ring_twice();
  one_line_error_dialog(Main_control_form, text, okcb, nullptr, 0);
}

void one_line_error_dialog(Widget parent, const char *text, XtCallbackProc okcb, ArgList args,
                           Cardinal nargs) {
  ring_twice();
  if (!parent) parent = box_parent();
  XmString msg = qvn_xmstring(text);
  std::vector<Arg> a(args, args + nargs);
  a.push_back(Arg{const_cast<char *>(XmNdialogStyle), XmDIALOG_FULL_APPLICATION_MODAL});
  a.push_back(Arg{const_cast<char *>(XmNmessageString), (XtArgVal)msg});
  Widget box = XmCreateErrorDialog(parent, const_cast<char *>("Error"), a.data(),
                                   static_cast<Cardinal>(a.size()));
  XmStringFree(msg);
  XtAddCallback(box, XmNokCallback, okcb ? okcb : dialog_ok, nullptr);
  XtUnmanageChild(XmMessageBoxGetChild(box, XmDIALOG_CANCEL_BUTTON));
  XtUnmanageChild(XmMessageBoxGetChild(box, XmDIALOG_HELP_BUTTON));
  Widget ok = XmMessageBoxGetChild(box, XmDIALOG_OK_BUTTON);
  dialog_keys(box, ok, ok);
  keep_on_screen(box);
  XtManageChild(box);
  dialog_modal_wait();
  XtUnmanageChild(box);
  XtDestroyWidget(XtParent(box));
}

// The Okay/Cancel warning box; waits for the answer.
static int motif_question(const char *text, int *answer) {
  if (!main_window_realised()) return 0;
  Dialog_state = 0;
  Position x, y;
  place_from_pointer(static_cast<int>(strlen(text)) * Menu_font_width, 7 * Menu_font_size, &x, &y);
  XmString msg = qvn_xmstring(text);
  if (Warn_dialog) {
    XtVaSetValues(Warn_dialog, XmNmessageString, msg, XmNx, x, XmNy, y, nullptr);
  } else {
    XmString okl = qvn_xmstring("Okay");
    XmString title = qvn_xmstring("Warning");
    Arg a[8];
    Cardinal n = placed_modal_args(a, x, y, title);
    XtSetArg(a[n], XmNmessageString, msg); n++;
    XtSetArg(a[n], XmNokLabelString, okl); n++;
    Warn_dialog = XmCreateWarningDialog(box_parent(), const_cast<char *>("Warning"), a, n);
    XmStringFree(okl);
    XmStringFree(title);
    XtAddCallback(Warn_dialog, XmNcancelCallback, dialog_cancel, nullptr);
    XtAddCallback(Warn_dialog, XmNokCallback, dialog_ok, nullptr);
    add_close_protocol(Warn_dialog, dialog_cancel, nullptr);
    XtUnmanageChild(XmMessageBoxGetChild(Warn_dialog, XmDIALOG_HELP_BUTTON));
    dialog_keys(Warn_dialog, nullptr, XmMessageBoxGetChild(Warn_dialog, XmDIALOG_CANCEL_BUTTON));
    keep_on_screen(Warn_dialog);
  }
  XmStringFree(msg);
  XtManageChild(Warn_dialog);
  dialog_modal_wait();
  XtUnmanageChild(Warn_dialog);
  *answer = Dialog_state == 1 ? 1 : 0;
  return 1;
}

// Shows or hides one of the two working boxes.
static int working_box(Widget *holder, int modal, int on, const char *text) {
  if (!on) {
    if (*holder) XtUnmanageChild(*holder);
    return 1;
  }
  XmString msg = qvn_xmstring(text);
  if (*holder) {
    XtVaSetValues(*holder, XmNmessageString, msg, nullptr);
    XtManageChild(*holder);
  } else {
    XmString blank = qvn_xmstring(" ");
    XmString title = qvn_xmstring("Working");
    Arg a[12];
    Cardinal n = 0;
    XtSetArg(a[n], XmNmessageString, msg); n++;
    XtSetArg(a[n], XmNdialogTitle, title); n++;
    XtSetArg(a[n], XmNhelpLabelString, blank); n++;
    XtSetArg(a[n], XmNokLabelString, blank); n++;
    XtSetArg(a[n], XmNcancelLabelString, blank); n++;
    if (modal) {
      XtSetArg(a[n], XmNdialogStyle, XmDIALOG_FULL_APPLICATION_MODAL); n++;
    } else {
      XtSetArg(a[n], XmNx, Machinetype != 0 ? 250 : 400); n++;
      XtSetArg(a[n], XmNy, 85); n++;
      XtSetArg(a[n], XmNdefaultPosition, False); n++;
    }
    *holder = XmCreateWorkingDialog(box_parent(), const_cast<char *>("Working"), a, n);
    keep_on_screen(*holder);
    XtVaSetValues(XtParent(*holder), XmNmwmFunctions, MWM_FUNC_ALL | MWM_FUNC_MINIMIZE, nullptr);
    XmStringFree(blank);
    XmStringFree(title);
    if (modal) {
      XtAddCallback(*holder, XmNcancelCallback, dialog_cancel, nullptr);
      XtAddCallback(*holder, XmNokCallback, dialog_ok, nullptr);
    }
    XtManageChild(*holder);
    XtUnmanageChild(XmMessageBoxGetChild(*holder, XmDIALOG_CANCEL_BUTTON));
    XtUnmanageChild(XmMessageBoxGetChild(*holder, XmDIALOG_OK_BUTTON));
    XtUnmanageChild(XmMessageBoxGetChild(*holder, XmDIALOG_HELP_BUTTON));
    XtManageChild(XmMessageBoxGetChild(*holder, XmDIALOG_SYMBOL_LABEL));
    XtManageChild(XmMessageBoxGetChild(*holder, XmDIALOG_SEPARATOR));
    XtManageChild(XmMessageBoxGetChild(*holder, XmDIALOG_MESSAGE_LABEL));
  }
  XmStringFree(msg);
  dialog_drain_events();
  return 1;
}

static int motif_work(int modal, int on, const char *text) {
  if (!main_window_realised()) return 0;
  return working_box(modal ? &Work_dialog : &Work_nonmodal_dialog, modal, on, text);
}

// OK and cancel callbacks of the usermesg box: the caller's routine with 1
// or 0, hiding the box, ending a modal wait.
static void set_usermesg_callbacks(XtCallbackProc cb, int cancel) {
  XtRemoveAllCallbacks(Usermesg_dialog, XmNokCallback);
  if (cb) XtAddCallback(Usermesg_dialog, XmNokCallback, cb, (XtPointer)1);
  XtAddCallback(Usermesg_dialog, XmNokCallback, tarv_mesg_destroy, nullptr);
  XtAddCallback(Usermesg_dialog, XmNokCallback, dialog_ok, nullptr);
  XtRemoveAllCallbacks(Usermesg_dialog, XmNcancelCallback);
  Widget cancel_button = XmMessageBoxGetChild(Usermesg_dialog, XmDIALOG_CANCEL_BUTTON);
  if (cancel) {
    XtManageChild(cancel_button);
    if (cb) XtAddCallback(Usermesg_dialog, XmNcancelCallback, cb, (XtPointer)0);
    XtAddCallback(Usermesg_dialog, XmNcancelCallback, tarv_mesg_destroy, nullptr);
    XtAddCallback(Usermesg_dialog, XmNcancelCallback, dialog_cancel, nullptr);
  } else {
    XtUnmanageChild(cancel_button);
  }
  // Escape: Cancel when offered, else the box's only button dismisses it.
  Widget ok = XmMessageBoxGetChild(Usermesg_dialog, XmDIALOG_OK_BUTTON);
  dialog_keys(Usermesg_dialog, ok, cancel ? cancel_button : ok);
}

int usermesg(Widget parent, const char *text, XtCallbackProc cb, int cancel, int mode) {
  if (!main_window_realised()) {
    fprintf(stderr, "%s\n", text ? text : "");
    return 1;
  }
  ring_twice();
  unsigned char style = mode == 5 ? XmDIALOG_FULL_APPLICATION_MODAL : XmDIALOG_MODELESS;
  Widget over = parent ? parent : box_parent();
  XmString msg = qvn_xmstring(text);
  if (Usermesg_dialog) {
    XtVaSetValues(Usermesg_dialog, XmNdialogStyle, style, XmNmessageString, msg, nullptr);
  } else {
    XmString title = qvn_xmstring("Message");
    std::vector<Arg> a;
    if (mode == 5) a.push_back(Arg{const_cast<char *>(XmNdialogStyle), style});
    a.push_back(Arg{const_cast<char *>(XmNdeleteResponse), XmDO_NOTHING});
    a.push_back(Arg{const_cast<char *>(XmNmessageString), (XtArgVal)msg});
    a.push_back(Arg{const_cast<char *>(XmNdialogTitle), (XtArgVal)title});
    a.push_back(Arg{const_cast<char *>(XmNdefaultPosition), False});
    set_font_if_fixed(a, XmNbuttonFontList);
    set_font_if_fixed(a, XmNtextFontList);
    set_font_if_fixed(a, XmNlabelFontList);
    Usermesg_dialog = XmCreateMessageDialog(over, const_cast<char *>("Message"), a.data(),
                                            static_cast<Cardinal>(a.size()));
    XtVaSetValues(XtParent(Usermesg_dialog), XmNmwmFunctions, MWM_FUNC_ALL | MWM_FUNC_MINIMIZE,
                  nullptr);
    XmStringFree(title);
    add_close_protocol(Usermesg_dialog, tarv_mesg_close, nullptr);
    XtUnmanageChild(XmMessageBoxGetChild(Usermesg_dialog, XmDIALOG_HELP_BUTTON));
    XtManageChild(XmMessageBoxGetChild(Usermesg_dialog, XmDIALOG_OK_BUTTON));
    XtManageChild(XmMessageBoxGetChild(Usermesg_dialog, XmDIALOG_SYMBOL_LABEL));
    XtManageChild(XmMessageBoxGetChild(Usermesg_dialog, XmDIALOG_SEPARATOR));
    XtManageChild(XmMessageBoxGetChild(Usermesg_dialog, XmDIALOG_MESSAGE_LABEL));
  }
  XmStringFree(msg);
  set_usermesg_callbacks(cb, cancel);
  Position x, y;
  place_near_pointer(over, 0, 25 * Menu_font_width, 30, PLACE_CLAMP, PLACE_REDUCE_WITH_ROOM, &x,
                     &y);
  XtVaSetValues(Usermesg_dialog, XmNx, x, XmNy, y, nullptr);
  keep_on_screen(Usermesg_dialog);
  XtManageChild(Usermesg_dialog);
  if (mode == 5) dialog_modal_wait();
  return 1;
}

static int motif_usermesg(const char *text, int cancel, int modal) {
  if (!main_window_realised()) return 0;
  return usermesg(nullptr, text, nullptr, cancel, modal ? 5 : 0);
}

// A message-window line; the Info button takes the colour of the highest
// unread severity, and an error opens the message window.
static int motif_message(const char *text, int severity) {
  if (!main_window_realised()) return 0;
  if (Main_textport) {
    XmTextInsert(Main_textport, XmTextGetLastPosition(Main_textport), const_cast<char *>("\n"));
    XmTextInsert(Main_textport, XmTextGetLastPosition(Main_textport), const_cast<char *>(text));
    XmTextPosition end = XmTextGetLastPosition(Main_textport);
    XmTextSetInsertionPosition(Main_textport, end);
    XmTextShowPosition(Main_textport, end);
  }
  if (severity >= 3) {
    Main_info_curlevel = 3;
    main_message_window_open();
  } else {
    Main_info_curlevel = std::max(Main_info_curlevel, severity < 1 ? 1 : severity);
  }
  if (Main_info_button) {
    const XColor *level_colour[4] = {&Darkgreen, &Realgreen, &Yellow, &Red};
    XtVaSetValues(Main_info_button, XmNbackground, level_colour[Main_info_curlevel]->pixel, nullptr);
  }
  return 1;
}

// ---- busy indication --------------------------------------------------------

static int status_ready() { return Main_status && XtIsRealized(Main_status) ? 1 : 0; }

static void make_status_gc() {
  if (Main_statusGC) return;
  XGCValues v;
  unsigned long mask = 0;
  if (Menufontstruct) {
    v.font = Menufontstruct->fid;
    mask |= GCFont;
  }
  Main_statusGC = XCreateGC(XtDisplay(Main_status), XtWindow(Main_status), mask, &v);
}

static void draw_status(const char *text) {
  Display *d = XtDisplay(Main_status);
  XSetForeground(d, Main_statusGC, BlackPixelOfScreen(XtScreen(Main_status)));
  XDrawString(d, XtWindow(Main_status), Main_statusGC, 2, Menu_font_size + 1, text,
              static_cast<int>(strlen(text)));
}

void set_working(const char *text) {
  if (!status_ready()) return;
  make_status_gc();
  XClearWindow(XtDisplay(Main_status), XtWindow(Main_status));
  draw_status(text ? text : "");
  XFlush(XtDisplay(Main_status));
}

void unset_working() {
  if (!status_ready()) return;
  XClearWindow(XtDisplay(Main_status), XtWindow(Main_status));
  if (Time_tot_steps > 1) {
    make_status_gc();
    char line[160];
    snprintf(line, sizeof line, "Current Time - Step(%f) Simulation(%.4e)", Soltime_curstep,
             Soltime_cursimt);
    draw_status(line);
  }
  XFlush(XtDisplay(Main_status));
}

// The windows that show the watch: the main shell and the shells of the
// detail editor and transformation editor when they exist.
static void for_busy_windows(void (*apply)(Display *, Window)) {
  Widget ws[3] = {Main_win[0], Detaileditor_dialog, Transformation_dialog};
  for (Widget w : ws) {
    if (!w) continue;
    while (w && !XtIsShell(w)) w = XtParent(w);
    if (w && XtIsRealized(w)) apply(XtDisplay(w), XtWindow(w));
  }
}

static void set_working_cursor_motif(const char *text) {
  if (!status_ready()) return;
  make_status_gc();
  if (!WorkingCursor) WorkingCursor = XCreateFontCursor(XtDisplay(Main_status), XC_watch);
  for_busy_windows([](Display *d, Window w) { XDefineCursor(d, w, WorkingCursor); });
  set_working(text);
}

// Watch cursor and status text on (text given) or off (null).
static int motif_busy(const char *text) {
  if (!main_window_realised()) return 0;
  if (text) {
    set_working_cursor_motif(text);
    return 1;
  }
  for_busy_windows([](Display *d, Window w) { XUndefineCursor(d, w); });
  unset_working();
  return 1;
}

void clear_workingCB(Widget, XtPointer, XtPointer) { unset_working_cursor(); }

void set_cursor_icon(int shape, int window) {
  if (shape < 0 || shape >= CURSOR_SHAPE_COUNT) {
    fprintf(stderr, "Error setting cursor. Cursor value out of range.\n");
    return;
  }
  Display *d = Dpys[0];
  Window w = window == 2 ? Funxhistwin : window == 3 ? Funxwin : Gwxmain[0];
  if (!d || !w) return;
  if (!Cursor_made[shape]) {
    Cursor_cache[shape] = XCreateFontCursor(d, Cursor_glyph[shape]);
    Cursor_made[shape] = 1;
  }
  XDefineCursor(d, w, Cursor_cache[shape]);
}

// ---- callbacks ----------------------------------------------------------------

void dialog_ok(Widget, XtPointer, XtPointer) {
  Xproc_done = 1;
  Dialog_state = 1;
}

void dialog_cancel(Widget, XtPointer, XtPointer) {
  Xproc_done = 1;
  Dialog_state = 0;
}

void okcallback(Widget, XtPointer, XtPointer) {}
void cancelcallback(Widget, XtPointer, XtPointer) {}

void tarv_mesg_close(Widget w, XtPointer client, XtPointer call) {
  if (Usermesg_dialog) XtUnmanageChild(Usermesg_dialog);
  dialog_cancel(w, client, call);
}

void tarv_mesg_destroy(Widget w, XtPointer, XtPointer) {
  if (!w) return;
  Widget parent = XtParent(w);
  // Unmanaging the only child of a dialog shell pops the shell down.
  if (parent && XtIsShell(parent)) XtUnmanageChild(w);
  else if (parent) XtUnmanageChild(parent);
}

void unmanage_disperr(Widget, XtPointer, XtPointer) {
  if (Err_dialog) XtUnmanageChild(Err_dialog);
}

void general_windep_screen(Screen_ops *ops) {
  ops->present = main_window_realised;
  ops->error = motif_error;
  ops->question = motif_question;
  ops->work = motif_work;
  ops->usermesg = motif_usermesg;
  ops->message = motif_message;
  ops->busy = motif_busy;
}
