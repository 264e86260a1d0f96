// Event dispatch.  Owns the keyboard map, the Control/pause/synchronous
// flags and the loops.  Every key press and release dispatched through the
// toolkit on a display passes the dispatcher installed by
// event_loop_track_keys, which translates it and records the Control key's
// state before the toolkit's own dispatch; so every loop below (the main
// loop, drains, modal waits and the pause loop) translates keys without
// taking events out of the toolkit's hands, and every wait blocks in
// XtAppProcessEvent instead of spinning.
#include "ui/event_loop.h"
#include "ui/command_dialog.h"

#include <sys/select.h>

#include <X11/keysym.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>

#include "ui/general_windep.h"
#include "ui/main_window.h"
#include "ui/mainwin_state.h"
#include "ui/widgen.h"

const Keymap_rec Keymaptbl[KEYMAP_ROWS + 1] = {
    {XK_BackSpace, 8},     {XK_Tab, 9},           {XK_Linefeed, 10},    {XK_Return, 13},
    {XK_Escape, 27},       {XK_Delete, 127},      {XK_Alt_L, 7050},     {XK_Alt_R, 7050},
    {XK_Control_L, 7051},  {XK_Control_R, 7051},  {XK_F1, 7001},        {XK_F2, 7002},
    {XK_F3, 7003},         {XK_F4, 7004},         {XK_F5, 7005},        {XK_F6, 7006},
    {XK_F7, 7007},         {XK_F8, 7008},         {XK_F9, 7009},        {XK_F10, 7010},
    {XK_F11, 7011},        {XK_F12, 7012},        {XK_Left, 7101},      {XK_Right, 7102},
    {XK_Up, 7103},         {XK_Down, 7104},       {-9999, -9999}};

int Quivane_cntrlkey_down = 0;
int Pause_gwin = 0;
int Synchronize_state = 0;

#define SECONDARY_ROW 14  // Widgen_tbl row of the detached graphics window
#define LOOKUP_TEXT 20

int key_code_from_lookup(KeySym keysym, int nchars, const char *chars, int *code) {
  if (keysym >= 32 && keysym <= 126 && nchars > 0) {
    *code = (unsigned char)chars[0];
    return 1;
  }
  for (int i = 0; Keymaptbl[i].keysym != -9999; i++) {
    if ((KeySym)Keymaptbl[i].keysym == keysym) {
      *code = Keymaptbl[i].code;
      return 1;
    }
  }
  return -1;
}

int decipher_this_keyboard_event(XKeyEvent event, int *code) {
  char chars[LOOKUP_TEXT];
  KeySym keysym = NoSymbol;
  int n = XLookupString(&event, chars, sizeof chars, &keysym, nullptr);
  return key_code_from_lookup(keysym, n, chars, code);
}

// Translation and Control tracking of one key event; the event itself is
// left untouched for its dispatch.
static void track_key_event(XEvent *ev) {
  if (ev->type != KeyPress && ev->type != KeyRelease) return;
  int code = 0;
  if (decipher_this_keyboard_event(ev->xkey, &code) == 1 && code == KEY_CODE_CONTROL)
    Quivane_cntrlkey_down = ev->type == KeyPress ? 1 : 0;
}

static XtEventDispatchProc Default_dispatcher = nullptr;

static Boolean key_dispatcher(XEvent *ev) {
  track_key_event(ev);
  return Default_dispatcher ? Default_dispatcher(ev) : False;
}

void event_loop_track_keys(Display *dpy) {
  if (!dpy) return;
  XtEventDispatchProc old = XtSetEventDispatcher(dpy, KeyPress, key_dispatcher);
  if (old != key_dispatcher) Default_dispatcher = old;
  XtSetEventDispatcher(dpy, KeyRelease, key_dispatcher);
}

void main_event_loop() {
  for (;;) XtAppProcessEvent(App_con, XtIMAll);
}

void check_xevents(XtAppContext app, int mode) {
  if (!app) return;
  if (mode == 3) {
    while (XtAppPending(app)) XtAppProcessEvent(app, XtIMAll);
  } else if (mode == 5) {
    Xproc_done = 0;
    while (!Xproc_done) XtAppProcessEvent(app, XtIMAll);
    Xproc_done = 0;
  } else {
    while (Pause_gwin) XtAppProcessEvent(app, XtIMAll);
  }
}

static int motif_drain_events() {
  if (!App_con) return 0;
  check_xevents(App_con, 3);
  return 1;
}

// Predicate of the key queue: a key press or release of one window.
static Bool is_key_of_window(Display *, XEvent *ev, XPointer arg) {
  Window win = *reinterpret_cast<Window *>(arg);
  return (ev->type == KeyPress || ev->type == KeyRelease) && ev->xkey.window == win;
}

int inque_keyboard_event(Window win, int *code, int *kind, int dpy_index) {
  Display *dpy = Dpys[dpy_index];
  if (!dpy) return 0;
  XEvent ev;
  if (!XCheckIfEvent(dpy, &ev, is_key_of_window, reinterpret_cast<XPointer>(&win))) return 0;
  *kind = ev.type;
  return decipher_this_keyboard_event(ev.xkey, code) == 1 ? 1 : -1;
}

int process_keyboard_events(Window win, int *code, int *kind, int dpy_index) {
  if (!App_con || !XtAppPending(App_con)) return 0;
  return inque_keyboard_event(win, code, kind, dpy_index);
}

static int motif_key_repeat(int) { return 1; }

static void send_with_focus(Widget target, Widget focus_subtree, XEvent *ev, long mask,
                            int dpy_index) {
  if (focus_subtree) XtSetKeyboardFocus(focus_subtree, target);
  XSendEvent(Dpys[dpy_index], XtWindow(target), False, mask, ev);
  if (focus_subtree) XtSetKeyboardFocus(focus_subtree, None);
}

// A synthetic event of type for win, marked as sent; other fields zero.
static XEvent synthetic_event(int type, Display *dpy, Window win) {
  XEvent ev;
  memset(&ev, 0, sizeof ev);
  ev.xany.type = type;
  ev.xany.send_event = True;
  ev.xany.display = dpy;
  ev.xany.window = win;
  return ev;
}

int sendnoopevent_windep(Widget target, Widget focus_subtree, int dpy_index) {
  Display *dpy = Dpys[dpy_index];
  if (!dpy || !target || !XtIsRealized(target)) return 1;
  XEvent ev = synthetic_event(KeyPress, dpy, XtWindow(target));
  ev.xkey.root = DefaultRootWindow(dpy);
  ev.xkey.state = ShiftMask | LockMask;
  ev.xkey.keycode = XKeysymToKeycode(dpy, XK_Return);
  ev.xkey.same_screen = True;
  send_with_focus(target, focus_subtree, &ev, KeyPressMask | KeyReleaseMask, dpy_index);
  return 1;
}

int sendcmdnoopevent() { return sendnoopevent_windep(Main_menubar, Command_dialog, 0); }

int noopint() { return 1; }

void setsecondary_graphicswin_pos(int width, int height, int x, int y) {
  Widgen_rec &r = Widgen_tbl[SECONDARY_ROW];
  if (width != -1) r.width = width;
  if (height != -1) r.height = height;
  if (x != -1) r.x = x;
  if (y != -1) r.y = y;
}

void getsecondary_graphicswin_pos(int *width, int *height, int *x, int *y) {
  const Widgen_rec &r = Widgen_tbl[SECONDARY_ROW];
  if (width) *width = r.width;
  if (height) *height = r.height;
  if (x) *x = r.x;
  if (y) *y = r.y;
}

void synchronous_events(int state) {
  for (Display *dpy : Dpys)
    if (dpy) XSynchronize(dpy, state ? True : False);
  Synchronize_state = state;
  if (state) fprintf(stderr, "*********SYNCHRONIZATION IS ON BY ROUTINE!!!!!*********\n");
}

int end_keyboard_event_que(Window win, int dpy_index) {
  if (Dpys[dpy_index] && win) XSelectInput(Dpys[dpy_index], win, 0);
  return 1;
}

int empty_keyboard_event() { return 1; }

#define SPACE_BAR_KEYCODE 90

int getkeybutton(int character, int dpy_index) {
  if (character != ' ') {
    fprintf(stderr, "getkeybutton: character not implemented.\n");
    return 0;
  }
  if (!Dpys[dpy_index]) return 0;
  char keys[32];
  XQueryKeymap(Dpys[dpy_index], keys);
  return keys[SPACE_BAR_KEYCODE / 8] & (1 << (SPACE_BAR_KEYCODE % 8));
}

int sendexposureevent(Widget w, int, int dpy_index) {
  Display *dpy = Dpys[dpy_index];
  Window win = w ? (XtIsRealized(w) ? XtWindow(w) : 0) : Gwxmain[0];
  if (!dpy || !win) return 1;
  XEvent ev = synthetic_event(Expose, dpy, win);
  ev.xexpose.width = 100;
  ev.xexpose.height = 100;
  XSendEvent(dpy, win, False, ExposureMask, &ev);
  return 1;
}

int sendbutreleaseevent(Widget w, Widget focus_subtree, int dpy_index) {
  Display *dpy = Dpys[dpy_index];
  if (!dpy || !w || !XtIsRealized(w)) return 1;
  XEvent ev = synthetic_event(ButtonRelease, dpy, XtWindow(w));
  ev.xbutton.root = DefaultRootWindow(dpy);
  ev.xbutton.state = Button1Mask;
  ev.xbutton.button = Button1;
  ev.xbutton.same_screen = True;
  send_with_focus(w, focus_subtree, &ev, ButtonReleaseMask, dpy_index);
  return 1;
}

// One event, input or timer, dispatched while waiting (a paused command file).
static int motif_wait_event() {
  if (!App_con || !Command_dialog) return 0;
  XtAppProcessEvent(App_con, XtIMAll);
  return 1;
}

// After a driven line: three no-op events go through the X server with the
// first display synchronous, so that what the line changed is drawn before
// the driver gets its answer.  Synchronisation is switched quietly here.
static int motif_settle() {
  if (!Command_dialog || Synchronize_state || !Dpys[0]) return 1;
  XSynchronize(Dpys[0], True);
  for (int i = 0; i < 3; i++) sendcmdnoopevent();
  XSynchronize(Dpys[0], False);
  return 1;
}

static int motif_noop_event() { return sendcmdnoopevent(); }

static void (*Watch_ready[FD_SETSIZE])();  // what to call when a watched descriptor is readable

static void watched_inputCB(XtPointer client, int *, XtInputId *) {
  long fd = reinterpret_cast<long>(client);
  if (fd >= 0 && fd < FD_SETSIZE && Watch_ready[fd]) Watch_ready[fd]();
}

static int motif_watch(int fd, void (*ready)(), unsigned long *id) {
  if (!App_con || fd < 0 || fd >= FD_SETSIZE || !ready) return 0;
  Watch_ready[fd] = ready;
  *id = XtAppAddInput(App_con, fd, (XtPointer)XtInputReadMask, watched_inputCB,
                      reinterpret_cast<XtPointer>(static_cast<long>(fd)));
  return 1;
}

static int motif_unwatch(unsigned long id) {
  XtRemoveInput(static_cast<XtInputId>(id));
  return 1;
}

void event_loop_screen(Screen_ops *ops) {
  ops->drain_events = motif_drain_events;
  ops->wait_event = motif_wait_event;
  ops->settle = motif_settle;
  ops->noop_event = motif_noop_event;
  ops->watch = motif_watch;
  ops->unwatch = motif_unwatch;
  ops->key_repeat = motif_key_repeat;
}
