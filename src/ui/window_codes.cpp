// Window codes and the small GL areas of dialogs.  One table row per
// window code 2..24 ties the code to its widget, window and context globals,
// its widget name, whether its context shares display lists with display 0's
// normal context, its drawer, its resize behaviour, its input callback and
// the dialog that holds it.
#include "ui/dialog_frame.h"
#include "ui/window_codes.h"

#include <Xm/DialogS.h>
#include <Xm/Form.h>
#include <Xm/Protocols.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "anim/animate.h"
#include "anim/ui/anim_windep.h"
#include "anim/timeset.h"
#include "interact/tools.h"
#include "interact/ui/tools_menu.h"
#include "palette/function.h"
#include "palette/ui/function_windep.h"
#include "parts/ui/part_show.h"
#include "platform/glw.h"
#include "render/display.h"
#include "render/part_show.h"
#include "render/ui/view_menu.h"
#include "ui/case_menu.h"
#include "ui/color_chooser.h"
#include "ui/general_windep.h"
#include "ui/graphics_windows.h"
#include "ui/gwin_input.h"
#include "ui/interf_init.h"
#include "ui/mainwin_state.h"
#include "ui/qedit_icons.h"
#include "ui/screen_query.h"
#include "ui/widgen.h"
#include "view/viewports.h"
#include "view/ui/viewport_panel.h"

Widget Funxhistwidget = nullptr;        Window Funxhistwin = 0;        GLXContext Funxhistcontext = nullptr;
Widget Funxwidget = nullptr;            Window Funxwin = 0;            GLXContext Funxcontext = nullptr;
Widget Partvpviswidget = nullptr;       Window Partvpviswin = 0;       GLXContext Partvpviscontext = nullptr;
Widget Transf_whichvp_widget = nullptr; Window Transf_whichvp_win = 0; GLXContext Transfwhichvcontext = nullptr;
Widget Colorselpatchwidget = nullptr;   Window Colorselpatchwin = 0;   GLXContext Colorselpatcontext = nullptr;
Widget Colorselmixwidget = nullptr;     Window Colorselmixwin = 0;     GLXContext Colorselmixcontext = nullptr;
Widget Showwidget = nullptr;            Window Showxwin = 0;           GLXContext Showcontext = nullptr;
Widget Backgrviewcolorwidget = nullptr; Window Backgrviewcolorwin = 0; GLXContext Backgrviewcolorcontext = nullptr;
Widget Qedpartvpviswidget = nullptr;    Window Qedpartvpviswin = 0;    GLXContext Qedpartvpviscontext = nullptr;
Widget Zclip_view_widget = nullptr;     Window Zclip_view_win = 0;     GLXContext Zclipviewcontext = nullptr;
Widget Viewer_view_widget = nullptr;    Window Viewer_view_win = 0;    GLXContext Viewerviewcontext = nullptr;
Widget Casevpviswidget = nullptr;       Window Casevpviswin = 0;       GLXContext Casevpviscontext = nullptr;
Widget Feedback_rev_widget = nullptr;   Window Feedback_rev_win = 0;   GLXContext Feedbackrevcontext = nullptr;
Widget Flpbkstatwidget = nullptr;       Window Flpbkstatwin = 0;       GLXContext Flpbkstatcontext = nullptr;
Widget Transfredoviewpwidget = nullptr; Window Transfredoviewpwin = 0; GLXContext Transfwhichredocontext = nullptr;
Widget Featintr_timesetscale_garea[TIMESET_SCALES];
Widget Graphics_show_dialog = nullptr;
Window Featintr_timesetscale_gwin[TIMESET_SCALES];
GLXContext Featintr_timesetscale_gcontext[TIMESET_SCALES];
GLuint Legend_font_base = 0;

static int Current_code = 0;  // window code last made current, 0..24
static int Current_dpy = 0;   // its display index

// Drawers of the areas, called on expose (and resize where the table says).
static void draw_hist() { update_function_hist(); }
static void draw_legend() { update_function(); }
static void draw_partvis() { draw_part_viewport_vis_gl(4); }
static void draw_vpsel() { draw_selected_viewport_chooser_gl(5); }
static void draw_patch() { draw_colorsel_window(); }
static void draw_mix() {
  set_colorselmix_win_locat();
  draw_colorsel_window();
}
static void draw_show() { part_show_refresh(); }
static void draw_bg() { draw_background_editor(); }
static void draw_qedvis() { draw_part_viewport_vis_gl(10); }
static void draw_zclip() { draw_zclipp_area_gl(); }
static void draw_viewer() { draw_atfrom_gl(); }
static void draw_casevis() { draw_part_viewport_vis_gl(14); }
static void draw_rev() { draw_revtool_area_gl(); }
static void draw_redo() { draw_selected_viewport_chooser_gl(18); }
static void draw_timesets() { draw_timeset_area_gl(); }

struct Area_rec {
  int code;              // window code
  const char *name;      // widget name
  Widget *widget;        // widget global
  Window *win;           // X window global, 0 until init
  GLXContext *ctx;       // context global
  int share;             // 1 = shares lists with display 0's normal context
  void (*draw)();        // expose drawer, null = nothing
  int resize_redraws;    // 1 = resize draws as expose
  XtCallbackProc input;  // input callback, null = none
  Widget *dialog;        // dialog holding the area, null = none
};

#define TS(i)                                                                          \
  {20 + i, "glDrawArea", &Featintr_timesetscale_garea[i], &Featintr_timesetscale_gwin[i], \
   &Featintr_timesetscale_gcontext[i], 1, draw_timesets, 0, gwin_timeset_inputCB, nullptr}
static const Area_rec Areas[] = {
    {2, "GlHistogramDrawArea", &Funxhistwidget, &Funxhistwin, &Funxhistcontext, 0, draw_hist, 0,
     gwinvarhist_inputCB, &Detaileditor_dialog},
    {3, "GlLegendDrawArea", &Funxwidget, &Funxwin, &Funxcontext, 0, draw_legend, 0,
     gwinvarlgnd_inputCB, &Detaileditor_dialog},
    {4, "GlViewportVisDrawArea", &Partvpviswidget, &Partvpviswin, &Partvpviscontext, 0,
     draw_partvis, 0, gwin_partviewportvis_inputCB, &Detaileditor_dialog},
    {5, "GlViewportSelDrawArea", &Transf_whichvp_widget, &Transf_whichvp_win,
     &Transfwhichvcontext, 0, draw_vpsel, 0, gwin_transfviewportsel_inputCB, nullptr},
    {6, "GlHistogramDrawArea", &Colorselpatchwidget, &Colorselpatchwin, &Colorselpatcontext, 0,
     draw_patch, 0, gwincolselpatch_inputCB, &Colorselect_dialog},
    {7, "GlHistogramDrawArea", &Colorselmixwidget, &Colorselmixwin, &Colorselmixcontext, 0,
     draw_mix, 1, gwincolselmix_inputCB, &Colorselect_dialog},
    {8, "glDrawArea", &Showwidget, &Showxwin, &Showcontext, 1, draw_show, 1, nullptr,
     &Graphics_show_dialog},
    {9, "GlViewportBGColorDrawArea", &Backgrviewcolorwidget, &Backgrviewcolorwin,
     &Backgrviewcolorcontext, 1, draw_bg, 0, gwin_viewpcolor_inputCB, &Viewp_bgcolorattr_dialog},
    {10, "GlQedViewportVisDrawArea", &Qedpartvpviswidget, &Qedpartvpviswin, &Qedpartvpviscontext,
     0, draw_qedvis, 0, gwin_qedpartviewportvis_inputCB, &Qedit_partviewpvis_dialog},
    {11, "GlZclipDrawArea", &Zclip_view_widget, &Zclip_view_win, &Zclipviewcontext, 0, draw_zclip,
     0, gwin_zclip_inputCB, &Transformation_dialog},
    {12, "GlViewerDrawArea", &Viewer_view_widget, &Viewer_view_win, &Viewerviewcontext, 0,
     draw_viewer, 0, gwin_viewer_inputCB, &Transformation_dialog},
    {14, "GlCaseViewportVisDrawArea", &Casevpviswidget, &Casevpviswin, &Casevpviscontext, 0,
     draw_casevis, 0, gwin_caseviewportvis_inputCB, &Case_viewpvis_dialog},
    {15, "GlViewportSelDrawArea", &Feedback_rev_widget, &Feedback_rev_win, &Feedbackrevcontext, 0,
     draw_rev, 0, gwin_transfrevtool_inputCB, &Transformation_dialog},
    {17, "GlFlipbookStatusDrawArea", &Flpbkstatwidget, &Flpbkstatwin, &Flpbkstatcontext, 0,
     nullptr, 0, nullptr, &Featintr_flipstatus_dialog},
    {18, "GlTransfWhichRedoDrawArea", &Transfredoviewpwidget, &Transfredoviewpwin,
     &Transfwhichredocontext, 0, draw_redo, 0, gwin_transfwhichredo_inputCB,
     &Transf_redowhichviewp_dialog},
    TS(0), TS(1), TS(2), TS(3), TS(4),
};
#undef TS

static const Area_rec *area_of_code(int code) {
  for (const Area_rec &a : Areas)
    if (a.code == code) return &a;
  return nullptr;
}

static const Area_rec *area_of_widget(Widget w) {
  if (!w) return nullptr;
  for (const Area_rec &a : Areas)
    if (*a.widget == w) return &a;
  return nullptr;
}

// The window an area draws into: a time-set scale's stored window, the
// other areas' widget window; 0 when the area has none yet.
static Window area_window(const Area_rec &a) {
  if (!*a.widget) return 0;
  if (a.code >= 20) return *a.win;
  return XtIsRealized(*a.widget) ? XtWindow(*a.widget) : 0;
}

static int motif_gl_window(int *code, int set, int *dpy) {
  if (!set) {
    *code = Current_code;
    *dpy = Current_dpy;
    return 1;
  }
  Current_code = *code;
  Current_dpy = *dpy;
  int d = *dpy;
  if (*code == 0) {
    if (!Gwxwidget[d] || !Dpys[d]) return 1;
    if (Pbuffer_rendering && Gwxmainpbuf[d])
      glXMakeCurrent(Dpys[d], Gwxmainpbuf[d], Gwxcontextpbuf[d]);
    else if (XtIsRealized(Gwxwidget[d]) && Gwxcontext[d])
      glXMakeCurrent(Dpys[d], XtWindow(Gwxwidget[d]), Gwxcontext[d]);
    return 1;
  }
  const Area_rec *a = area_of_code(*code);
  if (!a || !Dpys[0]) return 1;
  Window win = area_window(*a);
  if (win && *a->ctx) glXMakeCurrent(Dpys[0], win, *a->ctx);
  return 1;
}

static int motif_gl_swap() {
  if (!Main_win[0] || !XtIsRealized(Main_win[0])) return 1;
  if (!Doublebufferavail) {
    glFinish();
    return 1;
  }
  int d = Current_dpy;
  if (Current_code == 0) {
    if (!Pbuffer_rendering && Gwxwidget[d] && XtIsRealized(Gwxwidget[d]))
      glXSwapBuffers(Dpys[d], XtWindow(Gwxwidget[d]));
    return 1;
  }
  if (Current_code == 1) {
    glFinish();
    return 1;
  }
  const Area_rec *a = area_of_code(Current_code);
  if (!a) return 1;
  Window win = area_window(*a);
  if (win) glXSwapBuffers(Dpys[0], win);
  return 1;
}

void get_win_current_location(int *x, int *y, int *width, int *height) {
  *x = *y = *width = *height = 0;
  int d = Current_dpy;
  Window win = 0;
  if (Current_code == 0 || Current_code == 1) {
    if (Gwxwidget[d] && XtIsRealized(Gwxwidget[d])) win = XtWindow(Gwxwidget[d]);
  } else if (const Area_rec *a = area_of_code(Current_code)) {
    win = area_window(*a);
    d = 0;
  }
  if (win) get_win_location(win, x, y, width, height, d);
}

// Maps and raises a shell, or pops up a dialog's shell without grab.
static void pop_widget(Widget w) {
  if (!w) return;
  Widget shell = XtIsShell(w) ? w : XtParent(w);
  if (XtIsTopLevelShell(shell) && XtIsRealized(shell)) {
    XMapRaised(XtDisplay(shell), XtWindow(shell));
    return;
  }
  if (!XtIsManaged(w) && !XtIsShell(w)) XtManageChild(w);
  XtPopup(shell, XtGrabNone);
}

void gwin_pop_windep(int code) {
  if (code == 0) {
    for (int d = 0; d < Dpy_cnt; d++) pop_widget(Main_win[d]);
    return;
  }
  const Area_rec *a = area_of_code(code);
  if (a && a->dialog) pop_widget(*a->dialog);
}

void printString(const char *text) {
  glPushAttrib(GL_LIST_BIT);
  if (Current_code == 0 || Current_code == 9 || Current_code >= 20)
    glListBase(Main_font_base);
  else if (Current_code == 3)
    glListBase(Legend_font_base);
  glCallLists((GLsizei)strlen(text), GL_UNSIGNED_BYTE, reinterpret_cast<const GLubyte *>(text));
  glPopAttrib();
}

static void bind_main0() {
  int code = 0, dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
}

// Creates a small area of code with the callbacks of the drawing areas.
static Widget create_area(int code, Widget parent, ArgList args, Cardinal nargs) {
  const Area_rec *a = area_of_code(code);
  if (!a || !Visinfo[0]) return nullptr;
  std::vector<Arg> al;
  al.push_back(Arg{const_cast<char *>(GLwNvisualInfo), (XtArgVal)Visinfo[0]});
  if (Main_color_map) al.push_back(Arg{const_cast<char *>(XmNcolormap), (XtArgVal)Main_color_map});
  al.insert(al.end(), args, args + nargs);
  Widget w = XtCreateWidget(a->name, glwMDrawingAreaWidgetClass, parent, al.data(),
                            static_cast<Cardinal>(al.size()));
  *a->widget = w;  // the host stores it too; the init callback looks it up here
  XtAddCallback(w, GLwNginitCallback, gwin_initCB, nullptr);
  XtAddCallback(w, GLwNexposeCallback, gwin_exposeCB, nullptr);
  if (a->resize_redraws || code >= 20) XtAddCallback(w, GLwNresizeCallback, gwin_resizeCB, nullptr);
  if (a->input) XtAddCallback(w, GLwNinputCallback, a->input, nullptr);
  XtManageChild(w);
  if (code != 8 && code < 20) bind_main0();
  return w;
}

Widget gwin_varhistogram_create(Widget p, ArgList a, Cardinal n) { return create_area(2, p, a, n); }
Widget gwin_varlegend_create(Widget p, ArgList a, Cardinal n) { return create_area(3, p, a, n); }
Widget gwin_partviewpvis_create(Widget p, ArgList a, Cardinal n) { return create_area(4, p, a, n); }
Widget gwin_transfviewpsel_create(Widget p, ArgList a, Cardinal n) { return create_area(5, p, a, n); }
Widget gwin_colorselpatch_create(Widget p, ArgList a, Cardinal n) { return create_area(6, p, a, n); }
Widget gwin_colorselmix_create(Widget p, ArgList a, Cardinal n) { return create_area(7, p, a, n); }
Widget gwin_show_create(Widget p, ArgList a, Cardinal n) { return create_area(8, p, a, n); }
Widget gwin_viewpcolor_create(Widget p, ArgList a, Cardinal n) { return create_area(9, p, a, n); }
Widget gwin_qedpartviewpvis_create(Widget p, ArgList a, Cardinal n) { return create_area(10, p, a, n); }
Widget gwin_zclip_create(Widget p, ArgList a, Cardinal n) { return create_area(11, p, a, n); }
Widget gwin_viewer_create(Widget p, ArgList a, Cardinal n) { return create_area(12, p, a, n); }
Widget gwin_caseviewpvis_create(Widget p, ArgList a, Cardinal n) { return create_area(14, p, a, n); }
Widget gwin_transfrevtool_create(Widget p, ArgList a, Cardinal n) { return create_area(15, p, a, n); }
Widget gwin_flipstatus_create(Widget p, ArgList a, Cardinal n) { return create_area(17, p, a, n); }
Widget gwin_transfwhichviewp_create(Widget p, ArgList a, Cardinal n) { return create_area(18, p, a, n); }

// A time-set scale goes into the first of the five slots still free.
Widget gwin_timesetscale_create(Widget p, ArgList a, Cardinal n) {
  for (int i = 0; i < TIMESET_SCALES; i++)
    if (!Featintr_timesetscale_garea[i]) return create_area(20 + i, p, a, n);
  return nullptr;
}

void gwin_small_area_init(Widget w, XtPointer, XtPointer) {
  const Area_rec *a = area_of_widget(w);
  if (!a || !Dpys[0]) return;
  XVisualInfo *vi = nullptr;
  XtVaGetValues(w, GLwNvisualInfo, &vi, nullptr);
  if (!vi) vi = Visinfo[0];
  *a->ctx = glXCreateContext(Dpys[0], vi, a->share ? Gwxcontextnorm[0] : nullptr, True);
  *a->win = XtWindow(w);
  int code = a->code, dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  if (a->code == 3) {
    GLuint base = gwin_build_font_lists(Dpys[0]);
    if (base) Legend_font_base = base;
  }
  if (a->code == 8) part_draw_init();
  bind_main0();
}

void gwin_small_area_expose(Widget w, XtPointer, XtPointer) {
  const Area_rec *a = area_of_widget(w);
  if (a && a->draw) a->draw();
}

void gwin_small_area_resize(Widget w, XtPointer, XtPointer) {
  const Area_rec *a = area_of_widget(w);
  if (a && a->resize_redraws && a->draw && *a->win) a->draw();
}

#define SHOW_ROW 12  // Widgen_tbl row of the "Selected Part(s) Window"

Widget gen_showparts_win() {
  Arg a[12];
  XmString title = nullptr;
  Cardinal n = widgen_apply_args(SHOW_ROW, a, 0, &title);
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  Graphics_show_dialog = XmCreateFormDialog(Main_win[0], const_cast<char *>("ShowPartsDialog"), a, n);
  XmStringFree(title);
  Atom wm_delete = XmInternAtom(Dpys[0], const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(XtParent(Graphics_show_dialog), wm_delete, part_showsel_closeCB, nullptr);
  keep_on_screen(Graphics_show_dialog);
  n = gwin_attach_all_args(a);
  Showwidget = gwin_show_create(Graphics_show_dialog, a, n);
  if (Showwidget) XtManageChild(Showwidget);
  return Graphics_show_dialog;
}

static int motif_gl_text(const char *text) {
  printString(text);
  return 1;
}

static int motif_gl_current() { return glXGetCurrentContext() ? 1 : 0; }

static int motif_screen_size(int dpy, int *width, int *height) {
  if (dpy < 0 || dpy >= MAX_DISPLAYS || !Dpys[dpy]) return 0;
  get_x_screensize(width, height, dpy);
  return 1;
}

void window_codes_screen(Screen_ops *ops) {
  ops->gl_window = motif_gl_window;
  ops->gl_swap = motif_gl_swap;
  ops->gl_text = motif_gl_text;
  ops->gl_current = motif_gl_current;
  ops->screen_size = motif_screen_size;
}
