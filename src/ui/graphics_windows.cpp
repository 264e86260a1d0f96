// Main graphics windows.  Owns the per-display form records of
// graphics_windows.h, the first-expose flags, the main font's list base and
// the pixel-buffer state.  Only the init callbacks, the stereo exchange and
// the variable-size window change the current form; the keyframe animation
// sets it back after removing the variable-size window.
#include "ui/graphics_windows.h"

#include <Xm/DialogS.h>
#include <Xm/Form.h>
#include <Xm/Protocols.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "anim/animate.h"
#include "anim/ui/anim_windep.h"
#include "client/startup.h"
#include "interact/movmnt.h"
#include "palette/annotate.h"
#include "palette/ui/annot_panel.h"
#include "platform/glw.h"
#include "platform/glx_platform.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/ui/view_menu.h"
#include "ui/event_loop.h"
#include "ui/feature_icons.h"
#include "ui/general_windep.h"
#include "ui/gwin_input.h"
#include "ui/interf_init.h"
#include "ui/qedit_icons.h"
#include "ui/screen_query.h"
#include "ui/window_codes.h"
#include "view/viewports.h"
#include "view/ui/viewport_panel.h"

Widget Gwxwidget[GWIN_DISPLAYS];
Window Gwxmain[GWIN_DISPLAYS];
GLXContext Gwxcontext[GWIN_DISPLAYS];
Widget Gwxwidgetnorm[GWIN_DISPLAYS];
Window Gwxmainnorm[GWIN_DISPLAYS];
GLXContext Gwxcontextnorm[GWIN_DISPLAYS];
Widget Gwxwidgetstereo[GWIN_DISPLAYS];
Window Gwxmainstereo[GWIN_DISPLAYS];
GLXContext Gwxcontextstereo[GWIN_DISPLAYS];
Widget Gwxwidgetvarnorm[GWIN_DISPLAYS];
Window Gwxmainvarnorm[GWIN_DISPLAYS];
GLXContext Gwxcontextvarnorm[GWIN_DISPLAYS];
Widget Gwxwidgetvarstereo[GWIN_DISPLAYS];
Window Gwxmainvarstereo[GWIN_DISPLAYS];
GLXContext Gwxcontextvarstereo[GWIN_DISPLAYS];
Widget Graphics_vargwin_dialog[GWIN_DISPLAYS];
GLXFBConfig *Gwxpbufconfig[GWIN_DISPLAYS];
Window Gwxmainpbuf[GWIN_DISPLAYS];
GLXContext Gwxcontextpbuf[GWIN_DISPLAYS];
int Gwin_first_exposed[GWIN_DISPLAYS];
Widget Graphics_form = nullptr;
int Pbuffer_rendering = 0;
int Pbuffer_width = 0;
int Pbuffer_height = 0;
GLuint Main_font_base = 0;

static int Pbuf_error_seen = 0;  // set by gwin_catchpbuf_error while a pixel buffer is made

enum Form { FORM_NONE = -1, FORM_NORMAL, FORM_STEREO, FORM_VARNORM, FORM_VARSTEREO };

static Widget *const Form_widgets[4] = {Gwxwidgetnorm, Gwxwidgetstereo, Gwxwidgetvarnorm,
                                        Gwxwidgetvarstereo};
static Window *const Form_windows[4] = {Gwxmainnorm, Gwxmainstereo, Gwxmainvarnorm,
                                        Gwxmainvarstereo};
static GLXContext *const Form_contexts[4] = {Gwxcontextnorm, Gwxcontextstereo, Gwxcontextvarnorm,
                                             Gwxcontextvarstereo};

// The form and display of a widget, searched normal, stereo, variable-size
// normal, variable-size stereo over both displays.
static Form find_form(Widget w, int *dpy) {
  if (!w) return FORM_NONE;
  for (int f = FORM_NORMAL; f <= FORM_VARSTEREO; f++)
    for (int d = 0; d < GWIN_DISPLAYS; d++)
      if (Form_widgets[f][d] == w) {
        *dpy = d;
        return static_cast<Form>(f);
      }
  return FORM_NONE;
}

static void make_form_current(Form f, int d) {
  Gwxcontext[d] = Form_contexts[f][d];
  Gwxmain[d] = Form_windows[f][d];
  Gwxwidget[d] = Form_widgets[f][d];
}

static void bind_code0(int d) {
  int code = 0;
  gwin_gl_curwin(&code, 1, &d);
}

GLuint gwin_build_font_lists(Display *dpy) {
  // The pattern also matches the two-byte (iso10646) forms of the font, which
  // bitmap lists cannot hold; the Latin-1 form is taken first.
  XFontStruct *font = XLoadQueryFont(dpy, "-adobe-times-medium-r-normal--14*-iso8859-1");
  if (!font) font = XLoadQueryFont(dpy, "-adobe-times-medium-r-normal--14*");
  if (!font) {
    printf("no font found\n");
    return 0;
  }
  unsigned first = font->min_char_or_byte2, last = font->max_char_or_byte2;
  GLuint base = glGenLists(last + 1);
  if (base == 0) {
    printf("out of display lists\n");
  } else {
    glXUseXFont(font->fid, first, last - first + 1, base + first);
    // Characters the font lacks leave an out-of-memory error behind in
    // Mesa's bitmap font code although their (empty) lists are fine.
    while (glGetError() != GL_NO_ERROR) {
    }
  }
  XFreeFont(dpy, font);
  return base;
}

static XVisualInfo *form_visual(Form f, int d) {
  return (f == FORM_STEREO || f == FORM_VARSTEREO) ? Visinfo_stereo[d] : Visinfo[d];
}

static void init_pbuffer(int d) {
  int count = 0;
  Gwxpbufconfig[d] = qvn_pbuffer_configs(Dpys[d], DefaultScreen(Dpys[d]), &count);
  if (!Gwxpbufconfig[d]) {
    Animation_abort = 1;
    return;
  }
  Gwxcontextpbuf[d] = qvn_create_config_context(Dpys[d], Gwxpbufconfig[d][0], Gwxcontextnorm[d]);
  Pbuf_error_seen = 0;
  XErrorHandler previous = XSetErrorHandler(gwin_catchpbuf_error);
  GLXPbuffer pbuf = qvn_create_pbuffer(Dpys[d], Gwxpbufconfig[d][0], Pbuffer_width, Pbuffer_height);
  XSetErrorHandler(previous);
  if (!pbuf || Pbuf_error_seen || !Gwxcontextpbuf[d]) {
    Animation_abort = 1;
    Pbuffer_rendering = 0;
    make_form_current(FORM_NORMAL, d);
    if (Gwxwidgetnorm[d]) XtManageChild(Gwxwidgetnorm[d]);
    return;
  }
  Gwxmainpbuf[d] = pbuf;
  Gwxmainvarnorm[d] = XtWindow(Gwxwidgetvarnorm[d]);
  Gwxcontext[d] = Gwxcontextpbuf[d];
  Gwxmain[d] = pbuf;
  Gwxwidget[d] = Gwxwidgetvarnorm[d];
  bind_code0(d);
}

static void init_form(Widget w, Form f, int d) {
  Display *dpy = Dpys[d];
  if (f != FORM_NORMAL && Form_windows[f][d]) return;
  XVisualInfo *vi = form_visual(f, d);
  if (!dpy || !vi) return;
  GLXContext share = f == FORM_NORMAL ? nullptr : Gwxcontextnorm[d];
  GLXContext ctx = glXCreateContext(dpy, vi, share, True);
  Form_contexts[f][d] = ctx;
  if (f == FORM_VARNORM && Pbuffer_rendering) {
    init_pbuffer(d);
    return;
  }
  Form_windows[f][d] = XtWindow(w);
  make_form_current(f, d);
  bind_code0(d);
  if (f == FORM_NORMAL) {
    GLuint base = gwin_build_font_lists(dpy);
    if (base) Main_font_base = base;
  }
}

// Lays the display's viewports out on its current window and redraws.
static void layout_and_redraw(int d) {
  Window win = Gwxwidget[d] && XtIsRealized(Gwxwidget[d]) ? XtWindow(Gwxwidget[d]) : 0;
  if (win) {
    int x = 0, y = 0, width = 0, height = 0;
    get_win_location(win, &x, &y, &width, &height, d);
    int xmin = x, xmax = x + width - 1, ymin = y, ymax = y + height - 1;
    grasal(&xmin, &xmax, &ymin, &ymax, d, 1);
  }
  viewport_all_resize();
  fix_up_viewport(1);
  Stencil_current_viewport = -1;
}

static void redraw(int d) {
  if (Current_mode == 3) {
    annotate_read_window_image();
    display_annotation_mode();
  } else if (Initial_screen == 1) {
    initial_screen(d);
  } else {
    viewports_display_all();
  }
}

void gwin_initCB(Widget w, XtPointer client, XtPointer call) {
  int d = 0;
  Form f = find_form(w, &d);
  if (f == FORM_NONE) {
    gwin_small_area_init(w, client, call);
    return;
  }
  init_form(w, f, d);
}

void gwin_exposeCB(Widget w, XtPointer client, XtPointer call) {
  int d = 0;
  Form f = find_form(w, &d);
  if (f == FORM_NONE) {
    gwin_small_area_expose(w, client, call);
    return;
  }
  if (f != FORM_NORMAL && !Form_windows[f][d]) init_form(w, f, d);
  layout_and_redraw(d);
  if (!Gwin_first_exposed[d]) {
    Gwin_first_exposed[d] = 1;
    vwint(d);
    get_ui_colorpixelonly(&Qvn_backgroundpix, &Qvn_foregroundpix, &Qvn_topshadowpix,
                          &Qvn_btmshadowpix);
    if (d == 0) main_execute_commandlinetasks();
  }
  redraw(d);
}

// Resize of the display's normal or stereo form.
static void resize_display(Form f, int d) {
  if (f != FORM_NORMAL && f != FORM_STEREO) return;
  if (!Form_windows[f][d]) return;  // not initialised yet: its first expose lays it out
  layout_and_redraw(d);
  redraw(d);
}

void gwin_resizeCB(Widget w, XtPointer client, XtPointer call) {
  int d = 0;
  Form f = find_form(w, &d);
  if (f == FORM_NONE) {
    gwin_small_area_resize(w, client, call);
    return;
  }
  resize_display(f, d);
}

void gwin_reconfigureECB(Widget w, XtPointer, XEvent *ev, Boolean *) {
  if (!ev || ev->type != ConfigureNotify) return;
  main_featureicon_resize(ev->xconfigure.width, ev->xconfigure.height, ev);
  main_modeicon_resize(-1, -1, nullptr);
  if (w != Main_win[0]) return;
  int d = 0;
  Form f = find_form(Gwxwidget[0], &d);
  if (f != FORM_NONE) resize_display(f, d);
}

void gwin_iconificationECB(Widget, XtPointer, XEvent *, Boolean *) {}

int gwin_catchpbuf_error(Display *dpy, XErrorEvent *ev) {
  char text[150];
  XGetErrorText(dpy, ev->error_code, text, sizeof text);
  fprintf(stderr, "Error code %s\n", text);
  Pbuf_error_seen = 1;
  return 0;
}

// A GL drawing area named name with the visual, the caller's arguments and
// the callbacks of this module; display 0's areas also take input.
// holder, when given, receives the widget before it is managed, since
// managing it under a realised parent realises it at once and its init
// callback looks the widget up.
static Widget make_area(const char *name, Widget parent, ArgList args, Cardinal nargs, int d,
                        XVisualInfo *vi, Widget *holder = nullptr) {
  if (!vi) return nullptr;
  std::vector<Arg> a;
  a.push_back(Arg{const_cast<char *>(GLwNvisualInfo), (XtArgVal)vi});
  Colormap cmap = d == 0 && vi == Visinfo[0] && Main_color_map ? Main_color_map
                                                               : getshareablecolormap(Dpys[d], vi);
  a.push_back(Arg{const_cast<char *>(XmNcolormap), (XtArgVal)cmap});
  a.insert(a.end(), args, args + nargs);
  Widget w = XtCreateWidget(name, glwMDrawingAreaWidgetClass, parent, a.data(),
                            static_cast<Cardinal>(a.size()));
  XtAddCallback(w, GLwNginitCallback, gwin_initCB, nullptr);
  XtAddCallback(w, GLwNexposeCallback, gwin_exposeCB, nullptr);
  XtAddCallback(w, GLwNresizeCallback, gwin_resizeCB, nullptr);
  if (d == 0) {
    XtAddCallback(w, GLwNinputCallback, gwin_inputCB, nullptr);
    XtAddEventHandler(w, EnterWindowMask, False, gwin_enterECB, nullptr);
  }
  if (holder) *holder = w;
  XtManageChild(w);
  return w;
}

Widget gwin_create(Widget parent, ArgList args, Cardinal nargs, int dpy) {
  return make_area("glDrawArea", parent, args, nargs, dpy, Visinfo[dpy]);
}

Widget gwin_stereo_create(Widget parent, ArgList args, Cardinal nargs, int dpy) {
  return make_area("glDrawArea", parent, args, nargs, dpy, Visinfo_stereo[dpy]);
}

Widget gwin_vargwinnorm_create(Widget parent, ArgList args, Cardinal nargs, int dpy) {
  return make_area("glVarDrawArea", parent, args, nargs, dpy, Visinfo[dpy]);
}

Widget gwin_vargwinstereo_create(Widget parent, ArgList args, Cardinal nargs, int dpy) {
  return make_area("glVarDrawArea", parent, args, nargs, dpy, Visinfo_stereo[dpy]);
}

Cardinal gwin_attach_all_args(Arg *a) {
  Cardinal n = 0;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNbottomAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNrightAttachment, XmATTACH_FORM); n++;
  return n;
}

Widget gen_graphics_win(Widget parent, ArgList args, Cardinal nargs) {
  Graphics_form = XmCreateForm(parent, const_cast<char *>("MainViewDialog"), args, nargs);
  Arg a[4];
  Cardinal n = gwin_attach_all_args(a);
  Gwxwidgetnorm[0] = make_area("glDrawArea", Graphics_form, a, n, 0, Visinfo[0], &Gwxwidgetnorm[0]);
  Gwxwidget[0] = Gwxwidgetnorm[0];
  return Graphics_form;
}

Widget gen_stereographics_win(int dpy, int, int) {
  if (!Gwxwidgetnorm[dpy] || !Visinfo_stereo[dpy]) return nullptr;
  Arg a[4];
  Cardinal n = gwin_attach_all_args(a);
  make_area("glDrawArea", XtParent(Gwxwidgetnorm[dpy]), a, n, dpy, Visinfo_stereo[dpy],
            &Gwxwidgetstereo[dpy]);
  return Gwxwidgetstereo[dpy];
}

static void manage_pair(Widget on, Widget off) {
  if (on) XtManageChild(on);
  if (off) XtUnmanageChild(off);
}

int swap_norm_stereo(int to_normal, int d) {
  if (to_normal) {
    make_form_current(FORM_NORMAL, d);
    manage_pair(Gwxwidgetnorm[d], Gwxwidgetstereo[d]);
    return 1;
  }
  if (Gwxwidgetstereo[d]) {
    make_form_current(FORM_STEREO, d);
    manage_pair(Gwxwidgetstereo[d], Gwxwidgetnorm[d]);
    return 1;
  }
  if (!Visinfo_stereo[d]) return -1;
  int was_sync = Synchronize_state;
  if (!was_sync) XSynchronize(Dpys[d], True);
  gen_stereographics_win(d, 0, 0);
  manage_pair(Gwxwidgetstereo[d], Gwxwidgetnorm[d]);
  check_for_events();
  if (!was_sync) XSynchronize(Dpys[d], False);
  return 1;
}

void genmanage_vargwin_windep(int normal, short x, short y, unsigned short width,
                              unsigned short height, int d) {
  Widget &dialog = Graphics_vargwin_dialog[d];
  if (dialog) {
    XtVaSetValues(dialog, XmNx, (int)x, XmNy, (int)y, XmNwidth, (int)width, XmNheight,
                  (int)height, nullptr);
  } else {
    Arg a[10];
    Cardinal n = 0;
    XmString title = qvn_xmstring("Variable Size Popup Graphics Window");
    XtSetArg(a[n], XmNx, (int)x); n++;
    XtSetArg(a[n], XmNy, (int)y); n++;
    XtSetArg(a[n], XmNwidth, (int)width); n++;
    XtSetArg(a[n], XmNheight, (int)height); n++;
    XtSetArg(a[n], XmNautoUnmanage, False); n++;
    XtSetArg(a[n], XmNdefaultPosition, False); n++;
    XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
    XtSetArg(a[n], XmNdialogTitle, title); n++;
    dialog = XmCreateFormDialog(Main_win[d], const_cast<char *>("VariableSizeGwinDialog"), a, n);
    XmStringFree(title);
    Atom wm_delete = XmInternAtom(Dpys[d], const_cast<char *>("WM_DELETE_WINDOW"), False);
    XmAddWMProtocolCallback(XtParent(dialog), wm_delete, okcallback, nullptr);
  }
  Widget &form = normal ? Gwxwidgetvarnorm[d] : Gwxwidgetvarstereo[d];
  if (!form) {
    Arg a[4];
    Cardinal n = gwin_attach_all_args(a);
    make_area("glVarDrawArea", dialog, a, n, d, normal ? Visinfo[d] : Visinfo_stereo[d], &form);
  }
  XtManageChild(dialog);
}

// Removes the variable-size window of display d with its contexts.
static void remove_vargwin(int d) {
  Widget &dialog = Graphics_vargwin_dialog[d];
  XtUnmanageChild(dialog);
  for (Form f : {FORM_VARNORM, FORM_VARSTEREO}) {
    if (Form_contexts[f][d]) glXDestroyContext(Dpys[d], Form_contexts[f][d]);
    Form_contexts[f][d] = nullptr;
    Form_windows[f][d] = 0;
    Form_widgets[f][d] = nullptr;
  }
  XtDestroyWidget(XtParent(dialog));
  dialog = nullptr;
}

void swapvar_norm_stereo(int normal, short x, short y, unsigned short width,
                         unsigned short height, int show, int d) {
  if (!show) {
    if (!Graphics_vargwin_dialog[d] || !XtIsManaged(Graphics_vargwin_dialog[d])) return;
    remove_vargwin(d);
    if (Pbuffer_rendering) {
      if (Gwxcontextpbuf[d]) glXDestroyContext(Dpys[d], Gwxcontextpbuf[d]);
      qvn_destroy_pbuffer(Dpys[d], Gwxmainpbuf[d]);
      if (Gwxpbufconfig[d]) XFree(Gwxpbufconfig[d]);
      Gwxcontextpbuf[d] = nullptr;
      Gwxmainpbuf[d] = 0;
      Gwxpbufconfig[d] = nullptr;
      Pbuffer_width = Pbuffer_height = 0;
    }
    return;
  }
  Form mine = normal ? FORM_VARNORM : FORM_VARSTEREO;
  Form other = normal ? FORM_VARSTEREO : FORM_VARNORM;
  if (normal) {
    Pbuffer_width = width;
    Pbuffer_height = height;
  }
  if (Form_widgets[mine][d]) {
    genmanage_vargwin_windep(normal, x, y, width, height, d);
    make_form_current(mine, d);
    manage_pair(Form_widgets[mine][d], Form_widgets[other][d]);
    bind_code0(d);
  } else {
    genmanage_vargwin_windep(normal, x, y, width, height, d);
    if (Animation_abort) {
      remove_vargwin(d);
      return;
    }
    manage_pair(Form_widgets[mine][d], Form_widgets[other][d]);
  }
  if (Graphics_vargwin_dialog[d]) XtManageChild(Graphics_vargwin_dialog[d]);
}

void toggle_stereo_buffer(int buffer) {
  int code = 0, dpy = 0;
  gwin_gl_curwin(&code, 0, &dpy);
  for (int d = 0; d < Dpy_cnt; d++) {
    if (!Dpys[d]) continue;
    bind_code0(d);  // the buffer choice belongs to the display's current context
    qvn_set_stereo_buffer(Dpys[d], Gwxmain[d], buffer);
    XSync(Dpys[d], False);
  }
  gwin_gl_curwin(&code, 1, &dpy);
}
