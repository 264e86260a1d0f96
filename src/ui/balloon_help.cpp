// Balloon help (see balloon_help.h).  Owns the text tables and the balloon
// window.
#include "ui/balloon_help.h"

#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/MwmUtil.h>
#include <Xm/Xm.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "ui/dialog_frame.h"
#include "ui/event_loop.h"
#include "ui/general_windep.h"
#include "ui/graphics_windows.h"
#include "ui/interf_init.h"
#include "ui/main_intf.h"
#include "ui/message_window.h"
#include "ui/screen_query.h"
#include "ui/textc_windep.h"

Widget Balloonhelp_dialog = nullptr;
Widget Balloonhelp_lbl = nullptr;

static const char Feature_help_tbl[][BALLOON_TEXT] = {
    "Color Parts", "Contour", "Isosurface", "Particle Trace", "Clip", "Vector Arrow",
    "Tensor Glyph", "Elevated Surface", "Profile", "Developed Surface", "Subset Parts",
    "Displacements", "Query/Plot", "Interactive Probe Query", "Solution Time",
    "Flipbook Animation", "Keyframe Animation", "Variable Calculator"};
static const char Selectbut_help_tbl[][BALLOON_TEXT] = {
    "Selected Part(s) Manipulation", "Annotation Creation/Manipulation", "Plotter Manipulation",
    "Viewports Creation/Manipulation", "Local frame Creation/Manipulation", "View Manipulation"};
static const char Qedit_sceneiconhelp_tbl[][BALLOON_TEXT] = {
    "Render W/WO Shaded Surfaces", "Render W/WO Hidden Line", "Element Label Visibility",
    "Node Label Visibility", "Label Attributes", "Auxiliary Clipping", "Global Axis Visibility"};
static const char Qedit_particonhelp_tbl[][BALLOON_TEXT] = {
    "Pick Object(<Cntrl> for multiple)", "Visibility", "Visibility Per Viewport", "Line Width",
    "Opacity/Transparency", "Element Visual Representation", "Visual Symmetry", "Shaded Surface",
    "Hidden Line", "Shading Type", "Element Labeling", "Node Labeling", "Auxillary clipping",
    "Node Representation", "Fast Display Representation", "Select All Parts",
    "Delete Selected Part(s)"};
static const char Qedit_annoticonhelp_tbl[][BALLOON_TEXT] = {
    "Create Text String", "Create Line", "Create Logo", "Visibility", "Color", "Location",
    "Text Justification", "Text Size", "Text Rotation", "Line Arrow Heads", "Line Width",
    "Logo Size", "Legend Type/Visibility", "Legend Title Location/Visibility",
    "Legend Text Display", "Legend Text Size", "Legend Text Format", "Legend Orientation",
    "Select All Annotation Items By Type", "Delete Selected Item(s)",
    "Show Icons To Edit Default Annotation\nAttributes When No Items Are Selected"};
static const char Qedit_graphiconhelp_tbl[][BALLOON_TEXT] = {
    "Graph/Curve Visibility", "Graph Attributes.", "Axis Attributes.", "Curve Attributes.",
    "Select All Graphs", "Delete Selected Graph(s)."};
static const char Qedit_viewporticonhelp_tbl[][BALLOON_TEXT] = {
    "Viewport Layouts", "Create Viewport", "Selected viewport(s) Visibility",
    "Pop Viewport(s) Forward", "Push Viewport(s) Back", "Selected Viewport(s) Background color",
    "Selected Viewport(s) Border", "Selected Viewport(s) Position",
    "Selected Viewport(s) Special Attributes", "Select All Viewports", "Delete Selected Viewport(s)"};
static const char Qedit_frameiconhelp_tbl[][BALLOON_TEXT] = {
    "Create Frame\nAt Center of Selected Part(s)", "Assign Selected Part(s)\nto Selected Frame",
    "Transform/Define Frame(s)", "Axis Visibility", "Axis/Label Color", "Axis Line Width",
    "Axis Attributes", "Computational Symmetry", "Type\n(Rectangular/Cylindrical/Spherical)",
    "Origin/Orientation", "Visibility (All)", "Select All Frames", "Delete Selected Frames(s)"};
static const char Qedit_transficonhelp_tbl[][BALLOON_TEXT] = {
    "Rotate", "Translate", "Zoom", "RubberBand Zoom", "Scale", "Reset Tools/Viewport(s).",
    "Edit Transformations (W/Exact Values)", "Front/Back Viewing Frustrum Clip Tool"};
static const char Main_viewbuthelp_tbl[][BALLOON_TEXT] = {
    "Look Down -X Axis.", "Look Down -Y Axis.", "Look Down -Z Axis.", "Look Down +X Axis.",
    "Look Down +Y Axis.", "Look Down +Z Axis.", "Restore Previous Position.",
    "Reinitialize Model.", "Display Shaded Surfaces.", "Overlay Hidden Lines.",
    "Display Information.\n(Green-General,Yellow-Warning,Red-Error)", "Cursor Tool Visibility.",
    "Line Tool Visibility.", "Plane Tool Visibility.", "Direction Triad Visibility.",
    "Variable Legend Visibility.",
    "Display Model In Simpler Form.\n(Dynamic/Static-See Prefs->Graphics Window)\n"
    "(Representation-See Part Mode setting)",
    "Tool Tips(Also, known as Balloon Help)"};
static const char Featuredetedt_help_tbl[][BALLOON_TEXT] = {
    "Variables and Their Legends", "Variables Calculator", "Model Parts", "Contour", "Isosurface",
    "Particle Trace", "Clip", "Vector Arrow", "Elevated Surface", "Subset Parts", "Profile",
    "Developed Surface", "Tensor Glyph"};

#define ROWS(t) static_cast<long>(sizeof(t) / sizeof(t[0]))

// The tables by band: first id, table, rows.
static const struct {
  long first;
  const char (*table)[BALLOON_TEXT];
  long rows;
} Bands[] = {
    {0, Feature_help_tbl, ROWS(Feature_help_tbl)},
    {50, Selectbut_help_tbl, ROWS(Selectbut_help_tbl)},
    {100, Qedit_sceneiconhelp_tbl, ROWS(Qedit_sceneiconhelp_tbl)},
    {150, Qedit_particonhelp_tbl, ROWS(Qedit_particonhelp_tbl)},
    {200, Qedit_annoticonhelp_tbl, ROWS(Qedit_annoticonhelp_tbl)},
    {250, Qedit_graphiconhelp_tbl, ROWS(Qedit_graphiconhelp_tbl)},
    {300, Qedit_viewporticonhelp_tbl, ROWS(Qedit_viewporticonhelp_tbl)},
    {350, Qedit_frameiconhelp_tbl, ROWS(Qedit_frameiconhelp_tbl)},
    {400, Qedit_transficonhelp_tbl, ROWS(Qedit_transficonhelp_tbl)},
    {500, Main_viewbuthelp_tbl, ROWS(Main_viewbuthelp_tbl)},
    {550, Featuredetedt_help_tbl, ROWS(Featuredetedt_help_tbl)},
};
#define MESSAGE_BAND_FIRST 450
#define MESSAGE_BAND_LAST 499

const char *balloon_help_text(long id) {
  if (id >= MESSAGE_BAND_FIRST && id <= MESSAGE_BAND_LAST) return "Displays message dialog";
  for (const auto &b : Bands) {
    const long band_end = b.first == 550 ? b.first + b.rows : b.first + 50;
    if (id >= b.first && id < band_end) return id - b.first < b.rows ? b.table[id - b.first] : nullptr;
  }
  return nullptr;
}

int balloon_help_textwidth(const char *text) {
  const int len = static_cast<int>(strlen(text));
  const char *first = strchr(text, '\n');
  if (!first) return len;
  const char *last = strrchr(text, '\n');
  const int first_line = static_cast<int>(first - text);
  const int middle = static_cast<int>(last - first);
  const int tail = static_cast<int>(strlen(last + 1)) + 1;
  return std::max({first_line, middle, tail});
}

int balloon_help_bottomrow(long id) {
  return (id >= 400 && id <= 407) || (id >= 500 && id <= 506) || id == 517;
}

void balloon_help_position(long id, int n, int fx, int fy, int rx, int ry, int font_width,
                           int font_size, int *x, int *y) {
  if (balloon_help_bottomrow(id)) {
    *x = fx + rx - (n + 6) * font_width;
    *y = fy + ry + 15;
  } else {
    *x = fx + rx - (n + 1) * font_width;
    *y = fy + ry - 4 * font_size;
  }
  *x = std::max(0, *x);
  *y = std::max(0, *y);
}

// Shows or hides the balloon at once: synchronous X around the change
// unless the connection already runs synchronously.
static void set_balloon_managed(int on) {
  Display *dpy = XtDisplay(Balloonhelp_dialog);
  if (!Synchronize_state) XSynchronize(dpy, True);
  if (on)
    XtManageChild(Balloonhelp_dialog);
  else
    XtUnmanageChild(Balloonhelp_dialog);
  if (!Synchronize_state) XSynchronize(dpy, False);
}

static void create_balloon(const char *text, int x, int y) {
  Arg a[12];
  Cardinal n = 0;
  XmString title = qvn_xmstring("Balloon Help");
  XtSetArg(a[n], XmNx, x); n++;
  XtSetArg(a[n], XmNy, y); n++;
  XtSetArg(a[n], XmNdefaultPosition, False); n++;
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  XtSetArg(a[n], XmNbackground, Balloon_help_color.pixel); n++;
  XtSetArg(a[n], XmNdialogTitle, title); n++;
  Balloonhelp_dialog = XmCreateFormDialog(Main_intf[0], const_cast<char *>("BalloonHelpDialog"), a, n);
  keep_on_screen(Balloonhelp_dialog);
  XmStringFree(title);
  XtVaSetValues(XtParent(Balloonhelp_dialog), XmNmwmDecorations, 0, nullptr);
  add_wm_close_callback(Balloonhelp_dialog, clear_balloon_helpCB);

  n = 0;
  XmString s = qvn_xmstring(text);
  XtSetArg(a[n], XmNlabelString, s); n++;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftOffset, 3); n++;
  XtSetArg(a[n], XmNrightAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNbottomAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNbottomOffset, 3); n++;
  XtSetArg(a[n], XmNbackground, Balloon_help_color.pixel); n++;
  XtSetArg(a[n], XmNforeground, BlackPixelOfScreen(XtScreen(Main_intf[0]))); n++;
  if (Fixedfont && Menufont) {
    XtSetArg(a[n], XmNfontList, Menufont); n++;
  }
  Balloonhelp_lbl = XmCreateLabel(Balloonhelp_dialog, const_cast<char *>("BalloonHelpLabel"), a, n);
  XmStringFree(s);
  XtManageChild(Balloonhelp_lbl);
}

void balloon_helpCB(Widget, XtPointer client, XtPointer) {
  if (!Balloon_help) return;
  const long id = reinterpret_cast<long>(client);
  const char *found = balloon_help_text(id);
  Widget form = Main_intf[0];
  if (!found || !form || !XtIsRealized(form)) return;
  char text[BALLOON_TEXT];
  snprintf(text, sizeof text, "%s", found);

  Display *dpy = XtDisplay(form);
  Window root, child;
  int rx, ry, wx, wy;
  unsigned int mask;
  if (!XQueryPointer(dpy, XtWindow(form), &root, &child, &rx, &ry, &wx, &wy, &mask)) return;
  if (Gwxmain[0] && child == Gwxmain[0]) return;  // the graphics area shows no balloons
  XWindowAttributes fa;
  if (!XGetWindowAttributes(dpy, XtWindow(form), &fa)) return;

  const int n = balloon_help_textwidth(text);
  if (Gwxmain[0]) {
    int sw = 0, sh = 0, gx = 0, gy = 0, gw = 0, gh = 0;
    get_x_screensize(&sw, &sh, 0);
    get_win_location(Gwxmain[0], &gx, &gy, &gw, &gh, 0);
    const int top = sh - gy - gh;
    if (rx > gx && rx < gx + gw && ry > top && ry < top + gh) return;
  }
  int x, y;
  balloon_help_position(id, n, fa.x, fa.y, rx, ry, Menu_font_width, Menu_font_size, &x, &y);

  if (!Balloonhelp_dialog) {
    create_balloon(text, x, y);
  } else {
    XmString s = qvn_xmstring(text);
    XtVaSetValues(Balloonhelp_lbl, XmNlabelString, s, nullptr);
    XmStringFree(s);
    if (Fixedfont && Menufont) XtVaSetValues(Balloonhelp_lbl, XmNfontList, Menufont, nullptr);
    XtVaSetValues(Balloonhelp_dialog, XmNx, x, XmNy, y, nullptr);
  }
  set_balloon_managed(1);
}

void clear_balloon_helpCB(Widget, XtPointer, XtPointer) {
  if (Balloonhelp_dialog && XtIsManaged(Balloonhelp_dialog)) set_balloon_managed(0);
}

void balloon_helpECB(Widget w, XtPointer id, XEvent *, Boolean *) {
  if (Balloon_help) balloon_helpCB(w, id, nullptr);
}

void clear_balloon_helpECB(Widget w, XtPointer id, XEvent *, Boolean *) {
  if (Balloon_help) clear_balloon_helpCB(w, id, nullptr);
}

void add_balloon_handlers(Widget w, long id) {
  XtAddEventHandler(w, EnterWindowMask, False, balloon_helpECB, (XtPointer)id);
  XtAddEventHandler(w, LeaveWindowMask, False, clear_balloon_helpECB, (XtPointer)id);
}

void balloon_help_timeout() {}
