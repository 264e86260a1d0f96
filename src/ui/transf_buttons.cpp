// Transformation buttons (see transf_buttons.h).
#include "ui/transf_buttons.h"

#include <Xm/Form.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>

#include <cstdio>
#include <string>

#include "ui/balloon_help.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/qedit_icons.h"

Transf_button_rec Qedit_transfbut_tbl[TRANSF_BUTTON_ROWS] = {
    {"TRAN_ROTA", "Rot", nullptr, 0, "rotate.xpm"},
    {"TRAN_TRAN", "Trn", nullptr, 1, "translate.xpm"},
    {"TRAN_ZOOM", "Zom", nullptr, 2, "zoom.xpm"},
    {"TRAN_BAND", "ZBn", nullptr, 3, "zoomband.xpm"},
    {"TRAN_SCAL", "Scl", nullptr, 4, "scale.xpm"},
    {"TRAN_REST", "Reset...", nullptr, 6, ""},
    {"TRAN_EXCT", "Transf. Edit...", nullptr, 7, ""},
    {"TRAN_ZCLP", "Z-Clip...", nullptr, 5, ""},
};
Widget Qedit_transficon_rowcol = nullptr;
Widget Main_transfbut_form = nullptr;

#define ICON_BUTTONS 5

// The green frame of the current action, drawn into a picture.
static void draw_frame(Widget ref, Pixmap pix) {
  Display *dpy = XtDisplay(ref);
  XGCValues v;
  v.function = GXcopy;
  v.foreground = Green.pixel;
  GC gc = XCreateGC(dpy, pix, GCFunction | GCForeground, &v);
  XDrawRectangle(dpy, pix, gc, 0, 0, 32, 18);
  XDrawRectangle(dpy, pix, gc, 1, 1, 30, 16);
  XFreeGC(dpy, gc);
}

static Widget make_button(Widget parent, int row, ArgList extra, Cardinal nextra) {
  Transf_button_rec &r = Qedit_transfbut_tbl[row];
  char name[32];
  snprintf(name, sizeof name, "qedittransf%d", row);
  Arg a[12];
  Cardinal n = 0;
  for (Cardinal i = 0; i < nextra && n < 6; i++) a[n++] = extra[i];
  XmString s = qvn_xmstring(r.label);
  XtSetArg(a[n], XmNlabelString, s); n++;
  XtSetArg(a[n], XmNmultiClick, XmMULTICLICK_KEEP); n++;
  XtSetArg(a[n], XmNalignment, XmALIGNMENT_CENTER); n++;
  Pixmap pix = 0, insensitive = 0;
  if (r.icon_file[0] && read_icon_picture(parent, r.icon_file, &pix) == 1) {
    if (r.action == 0) draw_frame(parent, pix);
    std::string dname = std::string("d") + r.icon_file;
    XtSetArg(a[n], XmNlabelType, XmPIXMAP); n++;
    XtSetArg(a[n], XmNlabelPixmap, pix); n++;
    if (read_icon_picture(parent, dname.c_str(), &insensitive) == 1) {
      XtSetArg(a[n], XmNlabelInsensitivePixmap, insensitive); n++;
    }
  } else if (r.icon_file[0] && r.action == 0) {
    XtSetArg(a[n], XmNforeground, Green.pixel); n++;
  }
  r.button = XmCreatePushButton(parent, name, a, n);
  XmStringFree(s);
  XtAddCallback(r.button, XmNactivateCallback, qedit_switch_actionCB, (XtPointer)(long)r.action);
  add_balloon_handlers(r.button, 400 + row);
  XtManageChild(r.button);
  return r.button;
}

void gen_transf_butsection() {
  Arg a[10];
  Cardinal n = 0;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_WIDGET); n++;
  XtSetArg(a[n], XmNleftWidget, Qedit_iconform); n++;
  XtSetArg(a[n], XmNbottomAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNorientation, XmHORIZONTAL); n++;
  XtSetArg(a[n], XmNpacking, XmPACK_COLUMN); n++;
  XtSetArg(a[n], XmNnumColumns, 1); n++;
  XtSetArg(a[n], XmNmarginWidth, 0); n++;
  XtSetArg(a[n], XmNmarginHeight, 0); n++;
  XtSetArg(a[n], XmNentryAlignment, XmALIGNMENT_CENTER); n++;
  Qedit_transficon_rowcol =
      XmCreateRowColumn(Main_control_form, const_cast<char *>("qedittranficonRowCol"), a, n);
  for (int row = 0; row < ICON_BUTTONS; row++) make_button(Qedit_transficon_rowcol, row, nullptr, 0);

  n = 0;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_OPPOSITE_WIDGET); n++;
  XtSetArg(a[n], XmNtopWidget, Qedit_transficon_rowcol); n++;
  XtSetArg(a[n], XmNtopOffset, 3); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_WIDGET); n++;
  XtSetArg(a[n], XmNleftWidget, Qedit_transficon_rowcol); n++;
  Main_transfbut_form = XmCreateForm(Main_control_form, const_cast<char *>("qediticonDialog"), a, n);
  Widget prev = nullptr;
  for (int row = ICON_BUTTONS; row < TRANSF_BUTTON_ROWS; row++) {
    Arg p[4];
    Cardinal m = 0;
    XtSetArg(p[m], XmNtopAttachment, XmATTACH_FORM); m++;
    if (prev) {
      XtSetArg(p[m], XmNleftAttachment, XmATTACH_WIDGET); m++;
      XtSetArg(p[m], XmNleftWidget, prev); m++;
    } else {
      XtSetArg(p[m], XmNleftAttachment, XmATTACH_FORM); m++;
    }
    prev = make_button(Main_transfbut_form, row, p, m);
  }
  XtManageChild(Qedit_transficon_rowcol);
  XtManageChild(Main_transfbut_form);
}

void qedit_switch_actionCB(Widget, XtPointer, XtPointer) {}
