// Quick-edit column (see qedit_icons.h).  Owns the column's widgets and the
// view and part icon tables.
#include "ui/qedit_icons.h"

#include <Xm/ArrowB.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/LabelG.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/ScrolledW.h>

#include <cstdio>
#include <string>

#include "ui/balloon_help.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/main_window.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"

#define ICON(tag, label, kind, order, icon) \
  {tag, label, kind, order, 1, 1, nullptr, nullptr, nullptr, icon, nullptr, 0}
Qedit_icon_rec Qedit_scene_tbl[QEDIT_SCENE_ROWS] = {
    ICON("SCEN_HIDSRF", "Hidden\nSurface", 1, 1, "hsurf.xpm"),
    ICON("SCEN_HIDLIN", "Hidden\nLine", 1, 2, "hline.xpm"),
    ICON("SCEN_ELMLBL", "Element\nLabeling", 1, 3, "elemlblvis.xpm"),
    ICON("SCEN_NODLBL", "Node\nLabeling", 1, 4, "nodelblvis.xpm"),
    ICON("SCEN_LBLATT", "Labeling\nAttrs", 1, 5, "labelattrs.xpm"),
    ICON("SCEN_AUXCLP", "Auxiliary\nClipping", 1, 6, "auxclip.xpm"),
    ICON("SCEN_GLVIS", "Global Axis\nTriad Visi.", 1, 7, "axisglobal.xpm"),
};
Qedit_icon_rec Qedit_part_tbl[QEDIT_PART_ROWS] = {
    ICON("PART_PICKOB", "Pick\nObject", 13, 1, "partpick.xpm"),
    ICON("PART_VISIBL", "Visibility", 1, 2, "genvisible.xpm"),
    ICON("PART_VEWVIS", "Per Viewport\nVisi.", 1, 3, "viewportvis.xpm"),
    ICON("PART_LINWID", "Line\nWidth", 13, 4, "linewidth.xpm"),
    ICON("PART_OPACIT", "Transparency", 1, 5, "transparency.xpm"),
    ICON("PART_ELMREP", "Element\nRepresent", 13, 6, "surfacerep.xpm"),
    ICON("PART_SYMMET", "Symmetry", 13, 7, "symmetry.xpm"),
    ICON("PART_HIDSRF", "Hidden\nSurface", 1, 8, "hsurf.xpm"),
    ICON("PART_HIDLIN", "Hidden\nLine", 1, 9, "hline.xpm"),
    ICON("PART_SHADNG", "Shading\nType", 13, 10, "shadetype.xpm"),
    ICON("PART_ELMLBL", "Element\nLabeling", 1, 11, "elemlblvis.xpm"),
    ICON("PART_NODLBL", "Node\nLabeling", 1, 12, "nodelblvis.xpm"),
    ICON("PART_AUXCLP", "Auxiliary\nClipping", 1, 13, "auxclip.xpm"),
    ICON("PART_NODREP", "Node\nRepresent", 1, 14, "noderep.xpm"),
    ICON("PART_BNDREP", "Fast\nRep.", 13, 15, "boundbox.xpm"),
    ICON("PART_SELALL", "Select\nAll...", 1, 16, "selectall.xpm"),
    ICON("PART_DELETE", "Delete...", 1, 17, "delete.xpm"),
};
#undef ICON

Widget Qedit_iconform = nullptr;
Widget Qedit_select_rowcol = nullptr;
Widget Qedit_selectbut[QEDIT_PANELS] = {};
Widget Qedit_icon_scrollwin = nullptr;
Widget Qedit_iconpanel_rowcol = nullptr;
Widget Qedit_icon_rowcol[QEDIT_PANELS] = {};
Widget Qedit_iconuparrow_but = nullptr;
Widget Qedit_icondownarrow_but = nullptr;
Widget Qedit_partviewpvis_dialog = nullptr;
int Show_icon_labels = 0;
int Frame_mode_allowed = 1;
int View_mode_allowed = 1;

// Selector rows in panel order: label (one letter per line) and mode.
static const struct {
  const char *label;
  int mode;
} Selectors[QEDIT_PANELS] = {{"P\na\nr\nt", 1},     {"A\nn\nn\no\nt", 3}, {"P\nl\no\nt", 4},
                             {"V\np\no\nr\nt", 5}, {"F\nr\na\nm\ne", 2}, {"V\ni\ne\nw", 0}};

static std::string replace_newlines(const char *text, char with) {
  std::string s(text);
  for (char &c : s)
    if (c == '\n') c = with;
  return s;
}

void gen_qedit_panel(int panel, const char *prefix, Qedit_icon_rec *tbl, int rows, int balloon) {
  Widget parent = Qedit_icon_rowcol[panel];
  for (int pos = 1; pos <= rows; pos++) {
    int j = 0;
    while (j < rows && tbl[j].order != pos) j++;
    if (j == rows) continue;
    Qedit_icon_rec &r = tbl[j];
    Pixmap pix = 0;
    read_icon_picture(parent, r.icon_file, &pix);
    std::string name = std::string(prefix) + replace_newlines(r.label, '_');
    Arg a[6];
    Cardinal n = 0;
    XtSetArg(a[n], XmNmultiClick, XmMULTICLICK_KEEP); n++;
    XtSetArg(a[n], XmNalignment, XmALIGNMENT_CENTER); n++;
    if (pix) {
      XtSetArg(a[n], XmNlabelType, XmPIXMAP); n++;
      XtSetArg(a[n], XmNlabelPixmap, pix); n++;
    }
    r.button = XtarvCreateButton(parent, name.c_str(), r.label, XtarvPUSHBUTTON, ' ', r.callback,
                                 nullptr, a, n);
    if (!r.visible) XtUnmanageChild(r.button);
    add_balloon_handlers(r.button, balloon + j);
    std::string caption = replace_newlines(r.label, ' ');
    XmString cs = qvn_xmstring(caption.c_str());
    n = 0;
    XtSetArg(a[n], XmNlabelString, cs); n++;
    if (Lmenufont) {
      XtSetArg(a[n], XmNfontList, Lmenufont); n++;
    }
    r.caption = XmCreateLabelGadget(parent, const_cast<char *>("HelpLabel"), a, n);
    XmStringFree(cs);
    if (r.visible && Show_icon_labels) XtManageChild(r.caption);
  }
}

static void build_selectors() {
  Arg a[8];
  Cardinal n = 0;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNtopOffset, 0); n++;
  XtSetArg(a[n], XmNorientation, XmHORIZONTAL); n++;
  XtSetArg(a[n], XmNpacking, XmPACK_COLUMN); n++;
  XtSetArg(a[n], XmNnumColumns, QEDIT_PANELS); n++;
  XtSetArg(a[n], XmNmarginWidth, 0); n++;
  XtSetArg(a[n], XmNmarginHeight, 0); n++;
  Qedit_select_rowcol =
      XmCreateRowColumn(Qedit_iconform, const_cast<char *>("qeditselectRowCol"), a, n);
  for (int r = 0; r < QEDIT_PANELS; r++) {
    char name[32];
    snprintf(name, sizeof name, "qeditselect%d", r);
    XmString s = qvn_xmstring(Selectors[r].label);
    n = 0;
    XtSetArg(a[n], XmNlabelString, s); n++;
    if (Selectors[r].mode == 1) {
      XtSetArg(a[n], XmNbackground, Green.pixel); n++;
    }
    Qedit_selectbut[r] = XmCreatePushButton(Qedit_select_rowcol, name, a, n);
    XmStringFree(s);
    XtAddCallback(Qedit_selectbut[r], XmNactivateCallback, qedit_switch_iconsCB,
                  (XtPointer)(long)Selectors[r].mode);
    add_balloon_handlers(Qedit_selectbut[r], 50 + r);
    XtManageChild(Qedit_selectbut[r]);
  }
  if (!View_mode_allowed) XtUnmanageChild(Qedit_selectbut[5]);
  if (!Frame_mode_allowed) XtUnmanageChild(Qedit_selectbut[4]);
  XtManageChild(Qedit_select_rowcol);
}

static void build_panel_area() {
  Arg a[10];
  Cardinal n = 0;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNrightAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNbottomAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_WIDGET); n++;
  XtSetArg(a[n], XmNleftWidget, Qedit_select_rowcol); n++;
  XtSetArg(a[n], XmNwidth, (int)(Mode_icon_width * Feature_icon_createheightfrac)); n++;
  XtSetArg(a[n], XmNscrollingPolicy, XmAUTOMATIC); n++;
  Qedit_icon_scrollwin =
      XmCreateScrolledWindow(Qedit_iconform, const_cast<char *>("qediticonScrollWin"), a, n);
  Widget vbar = nullptr, hbar = nullptr;
  XtVaGetValues(Qedit_icon_scrollwin, XmNverticalScrollBar, &vbar, XmNhorizontalScrollBar, &hbar,
                nullptr);
  if (vbar) XtUnmanageChild(vbar);
  if (hbar) XtUnmanageChild(hbar);

  n = 0;
  XtSetArg(a[n], XmNborderWidth, 1); n++;
  Widget frame = XmCreateFrame(Qedit_icon_scrollwin, const_cast<char *>("qediticonFrame"), a, n);
  n = 0;
  XtSetArg(a[n], XmNorientation, XmHORIZONTAL); n++;
  XtSetArg(a[n], XmNpacking, XmPACK_COLUMN); n++;
  XtSetArg(a[n], XmNnumColumns, 1); n++;
  XtSetArg(a[n], XmNmarginWidth, 0); n++;
  XtSetArg(a[n], XmNmarginHeight, 0); n++;
  Qedit_iconpanel_rowcol = XmCreateRowColumn(frame, const_cast<char *>("qediticonpanelRowCol"), a, n);
  for (int p = 0; p < QEDIT_PANELS; p++) {
    char name[32];
    snprintf(name, sizeof name, "qediticon%dRowCol", p);
    n = 0;
    XtSetArg(a[n], XmNorientation, XmVERTICAL); n++;
    XtSetArg(a[n], XmNpacking, XmPACK_TIGHT); n++;
    XtSetArg(a[n], XmNnumColumns, 1); n++;
    XtSetArg(a[n], XmNmarginWidth, 0); n++;
    XtSetArg(a[n], XmNmarginHeight, 0); n++;
    Qedit_icon_rowcol[p] = XmCreateRowColumn(Qedit_iconpanel_rowcol, name, a, n);
    if (p == 0) XtManageChild(Qedit_icon_rowcol[p]);
  }
  gen_qedit_panel(5, "QedScene", Qedit_scene_tbl, QEDIT_SCENE_ROWS, 100);
  gen_qedit_panel(0, "QedLocal", Qedit_part_tbl, QEDIT_PART_ROWS, 150);
  XtManageChild(Qedit_iconpanel_rowcol);
  XtManageChild(frame);
  XtVaSetValues(Qedit_icon_scrollwin, XmNworkWindow, frame, nullptr);
  XtManageChild(Qedit_icon_scrollwin);
}

static void build_arrows() {
  for (int down = 0; down < 2; down++) {
    Arg a[8];
    Cardinal n = 0;
    XtSetArg(a[n], down ? XmNbottomAttachment : XmNtopAttachment, XmATTACH_FORM); n++;
    XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
    XtSetArg(a[n], XmNrightAttachment, XmATTACH_WIDGET); n++;
    XtSetArg(a[n], XmNrightWidget, Qedit_icon_scrollwin); n++;
    XtSetArg(a[n], XmNheight, 3 * Menu_font_size); n++;
    XtSetArg(a[n], XmNhighlightThickness, 1); n++;
    XtSetArg(a[n], XmNarrowDirection, down ? XmARROW_DOWN : XmARROW_UP); n++;
    Widget b = XmCreateArrowButton(
        Qedit_iconform, const_cast<char *>(down ? "ModeScrollDnButton" : "ModeScrollUpButton"), a, n);
    XtAddCallback(b, XmNactivateCallback, main_qeditscroll_chngCB, (XtPointer)(long)down);
    (down ? Qedit_icondownarrow_but : Qedit_iconuparrow_but) = b;
  }
}

Widget gen_qedit_iconsection(Widget parent, ArgList args, Cardinal nargs) {
  Qedit_iconform = XmCreateForm(parent, const_cast<char *>("qediticonDialog"), args, nargs);
  build_selectors();
  build_panel_area();
  build_arrows();
  return Qedit_iconform;
}

void qedit_switch_iconsCB(Widget, XtPointer, XtPointer) {}

void main_qeditscroll_chngCB(Widget, XtPointer, XtPointer) {}

void main_modeicon_resize(int, int, XEvent *) {}

// The picture shown by a button, 0 when it shows text.
static Pixmap button_picture(Widget button) {
  unsigned char type = XmSTRING;
  Pixmap pix = XmUNSPECIFIED_PIXMAP;
  XtVaGetValues(button, XmNlabelType, &type, XmNlabelPixmap, &pix, nullptr);
  if (type != XmPIXMAP || pix == XmUNSPECIFIED_PIXMAP) return 0;
  return pix;
}

// Shows a changed picture: the label type goes to text and back.
static void refresh_picture(Widget button) {
  XFlush(XtDisplay(button));
  XtVaSetValues(button, XmNlabelType, XmSTRING, nullptr);
  XtVaSetValues(button, XmNlabelType, XmPIXMAP, nullptr);
}

// Draws an icon's state: into its picture with draw (a copy-mode GC, then
// the picture is shown again), or, for an icon without a picture, as its
// text colour.
static void draw_state(Widget button, XtPointer state,
                       void (*draw)(Display *, Pixmap, GC, Widget, int on)) {
  if (!button) return;
  int on = (long)state == 1;
  Pixmap pix = button_picture(button);
  if (!pix) {
    Pixel black = BlackPixelOfScreen(XtScreen(button));
    XtVaSetValues(button, XmNforeground, on ? Green.pixel : black, nullptr);
    return;
  }
  Display *dpy = XtDisplay(button);
  XGCValues v;
  v.function = GXcopy;
  GC gc = XCreateGC(dpy, pix, GCFunction, &v);
  draw(dpy, pix, gc, button, on);
  XFreeGC(dpy, gc);
  refresh_picture(button);
}

// Off half x 0..24, on half x 24..48: the other half is framed black first,
// then the chosen half green.
static void draw_two_state(Display *dpy, Pixmap pix, GC gc, Widget button, int on) {
  const int off_x = on ? 0 : 24, on_x = on ? 24 : 0;
  XSetForeground(dpy, gc, BlackPixelOfScreen(XtScreen(button)));
  XDrawRectangle(dpy, pix, gc, off_x, 0, 25, 27);
  XDrawRectangle(dpy, pix, gc, off_x + 1, 1, 23, 25);
  XSetForeground(dpy, gc, Green.pixel);
  XDrawRectangle(dpy, pix, gc, on_x, 0, 25, 27);
  XDrawRectangle(dpy, pix, gc, on_x + 1, 1, 23, 25);
}

static void draw_indicator(Display *dpy, Pixmap pix, GC gc, Widget, int on) {
  Pixel bg = 0;
  get_ui_colorpixelonly(&bg, nullptr, nullptr, nullptr);
  XSetForeground(dpy, gc, on ? Green.pixel : bg);
  XFillRectangle(dpy, pix, gc, 4, 10, 8, 8);
}

void qedit_flip_specialtgglCB(Widget button, XtPointer state, XtPointer) {
  draw_state(button, state, draw_two_state);
}

void qedit_flip_tgglCB(Widget button, XtPointer state, XtPointer) {
  draw_state(button, state, draw_indicator);
}
