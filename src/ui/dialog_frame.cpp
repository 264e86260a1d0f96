// Dialog placement, screen fitting, keyboard defaults and the pieces of form
// dialogs (see dialog_frame.h).
// Keeps the set of shells that carry the screen-fitting hook.
#include "ui/dialog_frame.h"

#include <X11/Intrinsic.h>
#include <Xm/BulletinB.h>
#include <Xm/Form.h>
#include <Xm/LabelG.h>
#include <Xm/Protocols.h>
#include <Xm/RowColumn.h>
#include <Xm/ToggleBG.h>

#include <set>

#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"

void pointer_on_screen(Widget over, int *px, int *py) {
  *px = *py = 0;
  if (!over) return;
  // Over a window not yet made, the pointer is read over its screen's root.
  Window win = XtIsRealized(over) ? XtWindow(over) : RootWindowOfScreen(XtScreen(over));
  Window root, child;
  int rx = 0, ry = 0, wx, wy;
  unsigned int mask;
  if (XQueryPointer(XtDisplay(over), win, &root, &child, &rx, &ry, &wx, &wy, &mask)) {
    *px = rx;
    *py = ry;
  }
}

static int apply_rule(int base, int offset, Place_rule rule) {
  if (rule == PLACE_REDUCE_WITH_ROOM) return base > offset ? base - offset : base;
  return base - offset > 0 ? base - offset : 0;
}

void place_near_pointer(Widget over, int add_window_position, int left, int up, Place_rule rule_x,
                        Place_rule rule_y, Position *x, Position *y) {
  int px = 0, py = 0;
  pointer_on_screen(over, &px, &py);
  int wx = 0, wy = 0;
  XWindowAttributes wa;
  if (add_window_position && over && XtIsRealized(over) &&
      XGetWindowAttributes(XtDisplay(over), XtWindow(over), &wa)) {
    wx = wa.x;
    wy = wa.y;
  }
  *x = static_cast<Position>(apply_rule(wx + px, left, rule_x));
  *y = static_cast<Position>(apply_rule(wy + py, up, rule_y));
}

static void fit_axis(int screen, int size, int *pos) {
  if (*pos + size > screen) *pos = screen - size;
  if (*pos < 0) *pos = 0;
}

void fit_rectangle(int sw, int sh, int width, int height, int *x, int *y) {
  fit_axis(sw, width, x);
  fit_axis(sh, height, y);
}

static std::set<Widget> Fitted_shells;
static const double Beside_min_fraction = 0.75;  // narrowed beside a window to no less  // shells that carry the hook below

static void fit_shellCB(Widget shell, XtPointer, XtPointer) {
  Position x = 0, y = 0;
  Dimension w = 0, h = 0, b = 0;
  XtVaGetValues(shell, XmNx, &x, XmNy, &y, XmNwidth, &w, XmNheight, &h, XmNborderWidth, &b,
                nullptr);
  Screen *s = XtScreen(shell);
  int nx = x, ny = y;
  fit_rectangle(WidthOfScreen(s), HeightOfScreen(s), w + 2 * b, h + 2 * b, &nx, &ny);
  if (nx != x || ny != y)
    XtVaSetValues(shell, XmNx, static_cast<Position>(nx), XmNy, static_cast<Position>(ny), nullptr);
}

static void forget_shellCB(Widget shell, XtPointer, XtPointer) { Fitted_shells.erase(shell); }

void keep_on_screen(Widget dialog) {
  Widget shell = dialog;
  while (shell && !XtIsShell(shell)) shell = XtParent(shell);
  if (!shell || Fitted_shells.count(shell)) return;
  Fitted_shells.insert(shell);
  XtAddCallback(shell, XmNpopupCallback, fit_shellCB, nullptr);
  XtAddCallback(shell, XmNdestroyCallback, forget_shellCB, nullptr);
}

// The window that holds w's window directly under the root: the window
// manager's frame around it, or the window itself without one.
static Window frame_of(Display *dpy, Window w) {
  for (;;) {
    Window root = 0, parent = 0, *kids = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(dpy, w, &root, &parent, &kids, &n)) return w;
    if (kids) XFree(kids);
    if (parent == root || parent == 0) return w;
    w = parent;
  }
}

struct Outer {
  int x, y, w, h;           // the frame on the screen
  int left, right, top, bottom;  // the frame's edges around the window
};

static bool outer_of(Widget shell, Outer *o) {
  if (!shell || !XtIsRealized(shell)) return false;
  Display *dpy = XtDisplay(shell);
  Window win = XtWindow(shell), frame = frame_of(dpy, win);
  XWindowAttributes wa, fa;
  if (!XGetWindowAttributes(dpy, win, &wa) || !XGetWindowAttributes(dpy, frame, &fa)) return false;
  if (wa.map_state != IsViewable) return false;
  int rx = 0, ry = 0;
  Window child;
  XTranslateCoordinates(dpy, win, wa.root, 0, 0, &rx, &ry, &child);
  o->x = fa.x;
  o->y = fa.y;
  o->w = fa.width + 2 * fa.border_width;
  o->h = fa.height + 2 * fa.border_width;
  o->left = rx - fa.x;
  o->top = ry - fa.y;
  o->right = o->w - wa.width - o->left;
  o->bottom = o->h - wa.height - o->top;
  return true;
}

static void place_besideCB(Widget shell, XtPointer other_p, XtPointer) {
  XtRemoveCallback(shell, XmNpopupCallback, place_besideCB, other_p);  // the first showing only
  Outer main;
  if (!outer_of(static_cast<Widget>(other_p), &main)) return;
  Position x = 0, y = 0;
  Dimension w = 0, h = 0, b = 0;
  XtVaGetValues(shell, XmNx, &x, XmNy, &y, XmNwidth, &w, XmNheight, &h, XmNborderWidth, &b,
                nullptr);
  // Its frame as large as the one around the other window.
  int ow = w + 2 * b + main.left + main.right, oh = h + 2 * b + main.top + main.bottom;
  bool overlaps = x < main.x + main.w && main.x < x + ow && y < main.y + main.h && main.y < y + oh;
  if (!overlaps) return;
  int sw = WidthOfScreen(XtScreen(shell));
  int room_left = main.x, room_right = sw - (main.x + main.w);
  int frame_w = ow - w;  // frame edges and borders around the width
  int nx, nw = w;
  if (room_left >= ow) {
    nx = main.x - ow;
  } else if (room_right >= ow) {
    nx = main.x + main.w;
  } else {
    // Neither side holds it: the side with more room, narrowed to it when
    // that leaves most of the dialog (its wide rows scroll), else as it is.
    bool left = room_left >= room_right;
    int room = left ? room_left : room_right;
    if (room - frame_w >= Beside_min_fraction * w) nw = room - frame_w;
    nx = left ? room - (nw + frame_w) : sw - (nw + frame_w);
  }
  // A window manager places the frame at the position asked for (north-west
  // gravity); without one the frame is the window.
  if (nw != w)
    XtVaSetValues(shell, XmNx, static_cast<Position>(nx), XmNwidth, static_cast<Dimension>(nw),
                  nullptr);
  else
    XtVaSetValues(shell, XmNx, static_cast<Position>(nx), nullptr);
}

void place_beside(Widget dialog, Widget other) {
  Widget shell = dialog;
  while (shell && !XtIsShell(shell)) shell = XtParent(shell);
  if (!shell || !other) return;
  // Before the screen fitting (callbacks run in the order added), which
  // then sees the new place.
  XtAddCallback(shell, XmNpopupCallback, place_besideCB, other);
  keep_on_screen(shell);
}

void dialog_keys(Widget dialog, Widget default_button, Widget cancel_button) {
  if (!dialog || !XmIsBulletinBoard(dialog)) return;
  if (default_button) XtVaSetValues(dialog, XmNdefaultButton, default_button, nullptr);
  if (cancel_button) XtVaSetValues(dialog, XmNcancelButton, cancel_button, nullptr);
}

// ---- pieces of form dialogs -------------------------------------------------------

Widget near_pointer_form_dialog(const char *name, const char *title, int left, int up,
                         XtCallbackProc close, XtPointer close_data, bool auto_unmanage) {
  Position x, y;
  place_near_pointer(Main_win[0], 1, left * Menu_font_width, up * Menu_font_size, PLACE_CLAMP,
                     PLACE_CLAMP, &x, &y);
  XmString t = qvn_xmstring(title);
  Widget_args da;
  da.set(XmNdialogTitle, t).set(XmNx, x).set(XmNy, y);
  da.set(XmNdefaultPosition, False).set(XmNautoUnmanage, auto_unmanage ? True : False);
  da.set(XmNdeleteResponse, XmDO_NOTHING);
  Widget d = XmCreateFormDialog(Main_win[0], const_cast<char *>(name), da.list(), da.count());
  XmStringFree(t);
  Widget shell = XtParent(d);
  Atom del = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(shell, del, close, close_data);
  return d;
}

Widget dialog_column(Widget parent, const char *name) {
  Widget_args a;
  a.attach(XmNtopAttachment, XmATTACH_FORM, nullptr, nullptr, XmNtopOffset, 5);
  a.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 5);
  a.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 5);
  a.attach(XmNbottomAttachment, XmATTACH_FORM, nullptr, nullptr, XmNbottomOffset, 5);
  a.set(XmNorientation, XmVERTICAL);
  return XtCreateManagedWidget(name, xmRowColumnWidgetClass, parent, a.list(), a.count());
}

Widget dialog_row(Widget parent, const char *name) {
  Widget_args a;
  a.set(XmNorientation, XmHORIZONTAL);
  return XtCreateManagedWidget(name, xmRowColumnWidgetClass, parent, a.list(), a.count());
}

Widget dialog_label_gadget(Widget parent, const char *name, const char *text) {
  XmString s = qvn_xmstring(text);
  Widget_args a;
  a.set(XmNlabelString, s).font();
  Widget w = XtCreateManagedWidget(name, xmLabelGadgetClass, parent, a.list(), a.count());
  XmStringFree(s);
  return w;
}

Widget text_on_enter(Widget field, XtCallbackProc cb, long client) {
  XtAddCallback(field, XmNactivateCallback, cb, (XtPointer)client);
  XtAddCallback(field, XmNfocusCallback, XtarvTextFocus, nullptr);
  XtAddCallback(field, XmNlosingFocusCallback, XtarvTextUnfocus, nullptr);
  return field;
}

Widget dialog_toggle(Widget parent, const char *name, const char *label, XtCallbackProc cb,
                     long client) {
  XmString s = qvn_xmstring(label);
  Widget_args a;
  a.set(XmNlabelString, s).font();
  Widget w = XtCreateManagedWidget(name, xmToggleButtonGadgetClass, parent, a.list(), a.count());
  XmStringFree(s);
  XtAddCallback(w, XmNvalueChangedCallback, cb, (XtPointer)client);
  return w;
}
