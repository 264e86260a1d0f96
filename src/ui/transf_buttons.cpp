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
#include "view/observer.h"
#include "view/transf_editor.h"
#include "view/ui/transf_dialog.h"

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
#define BAND_ZOOM_ROW 3

static Pixmap Icon_pixmaps[ICON_BUTTONS];  // picture of each icon row, 0 = text button

// The frame of an action drawn into a picture: green marks the current
// action, black erases the mark.
static void draw_frame(Widget ref, Pixmap pix, Pixel colour) {
  Display *dpy = XtDisplay(ref);
  XGCValues v;
  v.function = GXcopy;
  v.foreground = colour;
  GC gc = XCreateGC(dpy, pix, GCFunction | GCForeground, &v);
  XDrawRectangle(dpy, pix, gc, 0, 0, 32, 18);
  XDrawRectangle(dpy, pix, gc, 1, 1, 30, 16);
  XFreeGC(dpy, gc);
}

// Marks or unmarks icon row `row`: frame in its picture, else its text colour.
static void mark_row(int row, int on) {
  Widget b = Qedit_transfbut_tbl[row].button;
  if (!b) return;
  Pixel colour = on ? Green.pixel : BlackPixelOfScreen(XtScreen(b));
  if (Icon_pixmaps[row])
    draw_frame(b, Icon_pixmaps[row], colour);
  else
    XtVaSetValues(b, XmNforeground, colour, nullptr);
}

// A button shows a changed picture only once its label is set again.
static void reshow_picture(int row) {
  Widget b = Qedit_transfbut_tbl[row].button;
  if (!b || !Icon_pixmaps[row]) return;
  XtVaSetValues(b, XmNlabelType, XmSTRING, nullptr);
  XtVaSetValues(b, XmNlabelType, XmPIXMAP, nullptr);
}

int transf_framed_row(int vewglb) {
  switch (vewglb) {
    case 0: return 0;
    case 1: return 1;
    case 2: return 4;
    case 4:
    case 5: return 2;
    default: return -1;
  }
}

Pixmap transf_button_pixmap(int row) {
  return (row >= 0 && row < ICON_BUTTONS) ? Icon_pixmaps[row] : 0;
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
    if (r.action == 0) draw_frame(parent, pix, Green.pixel);
    if (row < ICON_BUTTONS) Icon_pixmaps[row] = pix;
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

void qedit_switch_actionCB(Widget w, XtPointer action, XtPointer) {
  qedit_switch_action_windep(static_cast<int>(reinterpret_cast<long>(action)), w, 1);
}

int qedit_switch_action_windep(int action, Widget button, int record) {
  if (action < 0 || action > 7) return -1;
  if (action < 5) {
    int old_row = transf_framed_row(Vewglb);
    int new_row = -1;
    for (int r = 0; r < ICON_BUTTONS; r++)
      if (Qedit_transfbut_tbl[r].button == button) new_row = r;
    if (new_row < 0) new_row = action;  // the row of an action code 0..4 is the code itself
    if (new_row == BAND_ZOOM_ROW) new_row = transf_framed_row(4);
    if (old_row >= 0 && old_row != new_row) mark_row(old_row, 0);
    mark_row(new_row, 1);
    if (Qedit_transfbut_tbl[new_row].button) {
      XFlush(XtDisplay(Qedit_transfbut_tbl[new_row].button));
      if (old_row >= 0 && old_row != new_row) reshow_picture(old_row);
      reshow_picture(new_row);
    }
  }
  return transf_action_reset_chng(action, record);
}

int qedit_transformbutrefresh_windep() {
  for (int r = 0; r < ICON_BUTTONS; r++) {
    if (!Qedit_transfbut_tbl[r].button) continue;
    if (!Icon_pixmaps[r]) {
      mark_row(r, 0);
    } else if (r != BAND_ZOOM_ROW) {
      mark_row(r, 0);
      reshow_picture(r);
    }
  }
  // The button of each Vewglb value, band zoom as itself.
  static const int action_row[6] = {0, 1, 4, -1, 2, 3};
  if (Vewglb < 0 || Vewglb > 5 || action_row[Vewglb] < 0) return 0;
  int row = action_row[Vewglb];
  return qedit_switch_action_windep(row, Qedit_transfbut_tbl[row].button, 0);
}
