// Interface start-up.  Owns the application context, the displays and their
// shells, the chosen GL visuals, the interface colours, the cached button
// pixels and the fallback resources (rewritten once before the toolkit
// starts).  Only interf_init writes the displays, shells and visuals; the
// colour functions read them.
#include "ui/interf_init.h"
#include "ui/screen_motif.h"

#include <X11/Xatom.h>
#include <X11/Xmu/StdCmap.h>
#include <Xm/Form.h>
#include <Xm/Protocols.h>
#include <Xm/Xm.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/options.h"
#include "platform/glx_platform.h"
#include "state/ui/file_menu.h"
#include "state/ui/iconpanel.h"
#include "state/ui/winpos.h"
#include "interact/tools.h"
#include "interact/ui/tools_menu.h"
#include "render/display.h"
#include "render/ui/view_menu.h"
#include "ui/dialog_frame.h"
#include "ui/event_loop.h"
#include "ui/general_windep.h"
#include "ui/graphics_windows.h"
#include "ui/mainwin_state.h"
#include "ui/main_layout.h"
#include "ui/main_window.h"
#include "ui/message_window.h"
#include "ui/textc_windep.h"
#include "ui/widgen.h"
#include "variables/variables.h"


XtAppContext App_con = nullptr;
Display *Dpys[MAX_DISPLAYS] = {nullptr, nullptr};
Widget Main_win[MAX_DISPLAYS] = {nullptr, nullptr};
Widget Main_intf[MAX_DISPLAYS] = {nullptr, nullptr};
XVisualInfo *Visinfo[MAX_DISPLAYS] = {nullptr, nullptr};
XVisualInfo *Visinfo_stereo[MAX_DISPLAYS] = {nullptr, nullptr};
int Doublebufferavail = 1;
int Overlaybufferavail = 0;
int Machinetype = 0;
Colormap Main_color_map = 0;
XColor Red, Realgreen, Darkgreen, Yellow, Green, Section_color, Hot_text_color,
    Balloon_help_color;
Pixel Qvn_backgroundpix = 0;
Pixel Qvn_foregroundpix = 0;
Pixel Qvn_topshadowpix = 0;
Pixel Qvn_btmshadowpix = 0;

static char Fallback_text[FALLBACK_ROWS][FALLBACK_TEXT];
String Fallback_resources[FALLBACK_ROWS + 1];

static const char *const Fallback_initial[FALLBACK_ROWS] = {
    "Quivane.Geometry :         +330+0",
    "Quivane.geometry :         +330+0",
    "*dragInitiatorProtocolStyle: DRAG_NONE",
    "*dragReceiverProtocolStyle: DRAG_NONE",
    "*background :           gray80",
    "Quivane.title :         Quivane",
    "QuivaneDisplay2.Geometry :         500x500+0+0",
    "QuivaneDisplay2.geometry :         500x500+0+0",
    "Quivane*fontList: -adobe-new century schoolbook-bold-r-normal--12-*-75*",
};

// GLX attribute lists of the visual chain.
#define RGB_DEPTH_STENCIL \
  GLX_RED_SIZE, 1, GLX_GREEN_SIZE, 1, GLX_BLUE_SIZE, 1, GLX_DEPTH_SIZE, 1, GLX_STENCIL_SIZE, 1
static const int SnglBuf[] = {GLX_RGBA, RGB_DEPTH_STENCIL, None};
static const int DblBuf[] = {GLX_RGBA, RGB_DEPTH_STENCIL, GLX_DOUBLEBUFFER, None};
static const int DblBuf_stereo[] = {GLX_RGBA, GLX_STEREO, RGB_DEPTH_STENCIL, GLX_DOUBLEBUFFER,
                                    None};
static const int DblBuf_multisample[] = {QVN_GLX_SAMPLES, 4, GLX_RGBA, RGB_DEPTH_STENCIL,
                                         GLX_DOUBLEBUFFER, None};
static const int DblBuf_stereo_multisample[] = {QVN_GLX_SAMPLES, 4, GLX_RGBA, GLX_STEREO,
                                                RGB_DEPTH_STENCIL, GLX_DOUBLEBUFFER, None};

#define MAIN_ROW 0       // Widgen_tbl row of the main window
#define SECONDARY_ROW 14 // Widgen_tbl row of the detached graphics window

void fallback_resources_reset() {
  for (int i = 0; i < FALLBACK_ROWS; i++) {
    snprintf(Fallback_text[i], FALLBACK_TEXT, "%s", Fallback_initial[i]);
    Fallback_resources[i] = Fallback_text[i];
  }
  Fallback_resources[FALLBACK_ROWS] = nullptr;
}

// Replaces the text after ": " of one resource with value.
static void set_resource_value(int row, const char *value) {
  char *sep = strstr(Fallback_text[row], ": ");
  if (!sep) return;
  size_t keep = (size_t)(sep - Fallback_text[row]) + 2;
  snprintf(sep + 2, FALLBACK_TEXT - keep, "%s", value);
}

void fallback_resources_rewrite() {
  if (!Fallback_resources[0]) fallback_resources_reset();
  char value[FALLBACK_TEXT];
  const Widgen_rec &m = Widgen_tbl[MAIN_ROW];
  int x = Small_screen ? m.x - 5 : m.x;
  if (m.width == -1)
    snprintf(value, sizeof value, "+%d+%d", x, m.y);
  else
    snprintf(value, sizeof value, "%dx%d+%d+%d", m.width, m.height, x, m.y);
  set_resource_value(0, value);
  set_resource_value(1, value);

  const Widgen_rec &s = Widgen_tbl[SECONDARY_ROW];
  snprintf(value, sizeof value, "%dx%d+%d+%d", s.width, s.height, s.x, s.y);
  for (int i = 0; i < FALLBACK_ROWS; i++) {
    if (strncmp(Fallback_text[i], "QuivaneDisplay2", 15) != 0) continue;
    set_resource_value(i, value);
    if (i + 1 < FALLBACK_ROWS) set_resource_value(i + 1, value);
    break;
  }
  if (User_specified_font[0]) {
    for (int i = 0; i < FALLBACK_ROWS; i++) {
      if (strncmp(Fallback_text[i], "Quivane*f", 9) != 0) continue;
      set_resource_value(i, User_specified_font);
      break;
    }
  }
}

int machine_type_for_height(int height) {
  if (height > 1000) return 0;
  if (height >= 905) return 2;
  return 1;
}

void screen_class_settings(int type, int *menu_font_size, int *shell_width) {
  static const int font_size[3] = {13, 9, 10};
  static const int type_width[3] = {535, 410, 485};
  if (type < 0 || type > 2) type = 0;
  *menu_font_size = font_size[type];
  *shell_width = type_width[type];
}

// Duplicates the argument vector for the toolkit, which rearranges it.
static char **copy_args(int argc, char **argv, const char *failure) {
  char **copy = static_cast<char **>(calloc((size_t)argc + 1, sizeof(char *)));
  if (!copy) {
    fprintf(stderr, "%s", failure);
    exit(1);
  }
  for (int i = 0; i < argc; i++) {
    copy[i] = strdup(argv[i]);
    if (!copy[i]) {
      fprintf(stderr, "%s", failure);
      exit(1);
    }
  }
  return copy;
}

int qvn_x_error_report(Display *dpy, XErrorEvent *ev) {
  char text[150];
  XGetErrorText(dpy, ev->error_code, text, sizeof text);
  fprintf(stderr, "X error: %s (request %d.%d, resource 0x%lx); going on.\n", text,
          ev->request_code, ev->minor_code, ev->resourceid);
  return 0;
}

static void alloc_named(Colormap cmap, const char *name, XColor *out, const char *what,
                        const char *parse_failed_what) {
  XColor exact;
  if (!XParseColor(Dpys[0], cmap, name, &exact)) {
    fprintf(stderr, "Parsing %s color failed.\n", parse_failed_what);
    return;
  }
  *out = exact;
  if (!XAllocColor(Dpys[0], cmap, out)) fprintf(stderr, "Allocating %s color failed.\n", what);
}

void get_needed_ui_colors() {
  if (!Dpys[0]) return;
  Colormap cmap = DefaultColormap(Dpys[0], DefaultScreen(Dpys[0]));
  alloc_named(cmap, "Red", &Red, "red", "red");
  alloc_named(cmap, "mediumspringgreen", &Realgreen, "Green", "Green");
  alloc_named(cmap, "DarkGreen", &Darkgreen, "DarkGreen", "DarkGreen");
  alloc_named(cmap, "Yellow", &Yellow, "Yellow", "Yellow");
  alloc_named(cmap, Main_highlight_colname, &Green, "highlight", "highlight");
  alloc_named(cmap, Section_colname, &Section_color, "Section", "Section");
  alloc_named(cmap, Hot_text_colname, &Hot_text_color, "Hot Text", "Hot Text");
  alloc_named(cmap, Balloon_help_colname, &Balloon_help_color, "balloon help", "balloon help");
}

void get_ui_colorpixelonly(Pixel *bg, Pixel *fg, Pixel *top, Pixel *bottom) {
  static int read_once = 0;
  if (!read_once && Main_showlegend_but) {
    XtVaGetValues(Main_showlegend_but, XmNbackground, &Qvn_backgroundpix, XmNforeground,
                  &Qvn_foregroundpix, XmNtopShadowColor, &Qvn_topshadowpix,
                  XmNbottomShadowColor, &Qvn_btmshadowpix, nullptr);
    read_once = 1;
  }
  if (bg) *bg = Qvn_backgroundpix;
  if (fg) *fg = Qvn_foregroundpix;
  if (top) *top = Qvn_topshadowpix;
  if (bottom) *bottom = Qvn_btmshadowpix;
}

static void pixel_rgb(Pixel p, int rgb[3]) {
  XColor c;
  c.pixel = p;
  XQueryColor(Dpys[0], DefaultColormap(Dpys[0], 0), &c);
  rgb[0] = c.red >> 8;
  rgb[1] = c.green >> 8;
  rgb[2] = c.blue >> 8;
}

void get_ui_colors(int bg[3], int fg[3], int top[3], int bottom[3]) {
  for (int *v : {bg, fg, top, bottom}) v[0] = v[1] = v[2] = 0;
  Widget w = Main_textport ? Main_textport : Main_control_form;
  if (!w || !Dpys[0]) return;
  Pixel p[4] = {0, 0, 0, 0};
  XtVaGetValues(w, XmNbackground, &p[0], XmNforeground, &p[1], XmNtopShadowColor, &p[2],
                XmNbottomShadowColor, &p[3], nullptr);
  pixel_rgb(p[0], bg);
  pixel_rgb(p[1], fg);
  pixel_rgb(p[2], top);
  pixel_rgb(p[3], bottom);
}

void get_select_color(int rgb[3]) {
  rgb[0] = Green.red >> 8;
  rgb[1] = Green.green >> 8;
  rgb[2] = Green.blue >> 8;
}

void displaysize(int *width, int *height) {
  *width = *height = 0;
  if (!Dpys[0]) return;
  int s = DefaultScreen(Dpys[0]);
  *width = DisplayWidth(Dpys[0], s);
  *height = DisplayHeight(Dpys[0], s);
}

Colormap getshareablecolormap(Display *dpy, XVisualInfo *vi) {
  Window root = RootWindow(dpy, vi->screen);
  if (vi->c_class == TrueColor &&
      XmuLookupStandardColormap(dpy, vi->screen, vi->visualid, vi->depth, XA_RGB_DEFAULT_MAP,
                                False, True)) {
    XStandardColormap *maps = nullptr;
    int count = 0;
    if (XGetRGBColormaps(dpy, root, &maps, &count, XA_RGB_DEFAULT_MAP)) {
      Colormap found = 0;
      for (int i = 0; i < count; i++)
        if (maps[i].visualid == vi->visualid) {
          found = maps[i].colormap;
          break;
        }
      XFree(maps);
      if (found) return found;
    }
  }
  return XCreateColormap(dpy, root, vi->visual, AllocNone);
}

int gl_extension_available(Display *dpy, const char *name) {
  XVisualInfo tmpl;
  int scr = DefaultScreen(dpy);
  tmpl.visualid = XVisualIDFromVisual(DefaultVisual(dpy, scr));
  int n = 0;
  XVisualInfo *vi = XGetVisualInfo(dpy, VisualIDMask, &tmpl, &n);
  if (!vi) return 0;
  if (n != 1) {
    XFree(vi);
    return 0;
  }
  int found = 0;
  GLXContext ctx = glXCreateContext(dpy, vi, nullptr, True);
  if (ctx && glXMakeCurrent(dpy, RootWindow(dpy, scr), ctx)) {
    const char *ext = reinterpret_cast<const char *>(glGetString(GL_EXTENSIONS));
    size_t len = strlen(name);
    for (const char *p = ext; p && *p && !found;) {
      while (*p == ' ') p++;
      size_t w = strcspn(p, " ");
      if (w == len && strncmp(p, name, len) == 0) found = 1;
      p += w;
    }
    glXMakeCurrent(dpy, None, nullptr);
  }
  if (ctx) glXDestroyContext(dpy, ctx);
  XFree(vi);
  return found;
}

// The multisample extension as the server offers it: the vendor name or
// the ARB one.
static int multisample_offered(Display *dpy) {
  return gl_extension_available(dpy, "GL_SGIS_multisample") ||
         gl_extension_available(dpy, "GL_ARB_multisample");
}

static XVisualInfo *choose(int d, const int *attrs) {
  return qvn_choose_visual(Dpys[d], DefaultScreen(Dpys[d]), attrs);
}

static void choose_visuals(int d) {
  Doublebufferavail = 1;
  if (!Dont_use_stereo_in_window) {
    if (Use_multi_sampling && multisample_offered(Dpys[d])) {
      Stereo_in_window = 1;
      Visinfo_stereo[d] = choose(d, DblBuf_stereo_multisample);
      if (!Visinfo_stereo[d]) Stereo_in_window = 0;
      Visinfo[d] = choose(d, DblBuf_multisample);
    }
    if (!Visinfo_stereo[d]) {
      Stereo_in_window = 1;
      Visinfo_stereo[d] = choose(d, DblBuf_stereo);
      if (!Visinfo_stereo[d]) Stereo_in_window = 0;
    }
  }
  if (!Visinfo[d]) Visinfo[d] = choose(d, DblBuf);
  if (!Visinfo[d]) {
    Visinfo[d] = choose(d, SnglBuf);
    Doublebufferavail = 0;
  }
  if (!Visinfo[d]) {
    XtAppError(App_con, "no good visual");
    disperr("Error creating Quivane user interface.");
  }
}

// The main shell's geometry as the resources give it (the fallback entry
// written from registry row 0, or -geometry), with the small-screen width
// when the screen class chose one, kept on the screen: moved up or left
// just enough to fit, and no larger than the screen.
static void fit_main_shell(int width, int sw, int sh) {
  static char geometry[64];
  String given = nullptr;
  XtVaGetValues(Main_win[0], XmNgeometry, &given, nullptr);
  int x = 0, y = 0;
  unsigned int w = 0, h = 0;
  int mask = given ? XParseGeometry(given, &x, &y, &w, &h) : 0;
  if (width > 0) {
    w = static_cast<unsigned int>(width);
    mask |= WidthValue;
  }
  if (!(mask & WidthValue) || !(mask & HeightValue)) {
    // Without a size the toolkit sizes the window; only the width is ours.
    if (width > 0) XtVaSetValues(Main_win[0], XmNwidth, width, nullptr);
    return;
  }
  if (w > static_cast<unsigned int>(sw)) w = sw;
  if (h > static_cast<unsigned int>(sh)) h = sh;
  if ((mask & XValue) && (mask & YValue) && !(mask & (XNegative | YNegative))) {
    fit_rectangle(sw, sh, static_cast<int>(w), static_cast<int>(h), &x, &y);
    snprintf(geometry, sizeof geometry, "%ux%u+%d+%d", w, h, x, y);
  } else {
    snprintf(geometry, sizeof geometry, "%ux%u", w, h);
  }
  XtVaSetValues(Main_win[0], XmNgeometry, geometry, nullptr);
}

static void adapt_to_screen(int positions_found) {
  int width = 0, height = 0;
  displaysize(&width, &height);
  Machinetype = machine_type_for_height(height);
  if (!positions_found && (width != 1280 || height != 1024))
    adjust_winpos_byscreensize(width, height);
  int shell_width = 0;
  if (Menu_font_size == 13) {
    int type_width = 0;
    screen_class_settings(Machinetype, &Menu_font_size, &type_width);
    // On the screens the registry's geometry is made for (type 0) its width
    // stands, as the toolkit's geometry resource always had it; a smaller
    // screen takes the narrower main shell of its class.
    if (Machinetype != 0) shell_width = type_width;
    XtVaSetValues(Main_win[0], XmNdeleteResponse, XmDO_NOTHING, nullptr);
    if (Machinetype != 0 && !Small_screen) {
      printf("********************************************************\n");
      printf("Warning:  By default Quivane is set to run on a screen\n");
      printf("********  with a resolution of 1280x1024 or larger. If you\n");
      printf("********  are running at a resolution smaller than this,\n");
      printf("********  please try starting Quivane with -smallscreen.\n");
      printf("********************************************************\n");
      fflush(stdout);
    }
  }
  fit_main_shell(shell_width, width, height);
}

static void build_detached_display() {
  Arg a[8];
  Cardinal n = 0;
  XtSetArg(a[n], XmNwidth, 500); n++;
  XtSetArg(a[n], XmNheight, 500); n++;
  XtSetArg(a[n], XmNx, 0); n++;
  XtSetArg(a[n], XmNy, 0); n++;
  char name[32];
  snprintf(name, sizeof name, "%s%d", "MainForm", 1);
  Main_intf[1] = XmCreateForm(Main_win[1], name, a, n);
  XtManageChild(Main_intf[1]);
  n = gwin_attach_all_args(a);
  Gwxwidgetnorm[1] = gwin_create(Main_intf[1], a, n, 1);
  XtManageChild(Gwxwidgetnorm[1]);
}

int interf_init(int argc, char **argv) {
  Menu_font_size = 13;
  process_args(argc, argv);
  setsecondary_graphicswin_pos(Mgd_geometry[0], Mgd_geometry[1], Mgd_geometry[2], Mgd_geometry[3]);
  screen_motif_install();
  int positions_found = get_winpos();
  fallback_resources_reset();
  fallback_resources_rewrite();

  int argc0 = argc;
  char **argv0 = copy_args(argc, argv, "ERROR: Memory allocation failed for initial copy of arguments.\n");
  Main_win[0] = XtAppInitialize(&App_con, "Quivane", nullptr, 0, &argc0, argv0,
                                Fallback_resources, nullptr, 0);
  Dpys[0] = XtDisplay(Main_win[0]);
  XSetErrorHandler(qvn_x_error_report);

  if (Dpy_cnt == 2) {
    int argc1 = argc;
    char **argv1 = copy_args(argc, argv, "ERROR: Memory allocation failed for copy of arguments.\n");
    Dpys[1] = XtOpenDisplay(App_con, Dpy_names[1], "QuivaneDisplay2", argv[0], nullptr, 0,
                            &argc1, argv1);
    if (!Dpys[1]) {
      fprintf(stderr, "Can't open extra display %s. Exiting...\n", Dpy_names[1]);
      exit(1);
    }
    Main_win[1] = XtAppCreateShell("Quivane Detached Display", "QuivaneDisplay2",
                                   applicationShellWidgetClass, Dpys[1], nullptr, 0);
  }
  for (int d = 0; d < Dpy_cnt; d++) event_loop_track_keys(Dpys[d]);

  get_needed_ui_colors();
  for (int d = 0; d < Dpy_cnt; d++) choose_visuals(d);

  Overlaybufferavail = 0;
  for (int d = 0; d < Dpy_cnt; d++)
    XtAddEventHandler(Main_win[d], StructureNotifyMask, False, gwin_reconfigureECB, nullptr);

  adapt_to_screen(positions_found);

  for (int d = 0; d < Dpy_cnt; d++) {
    Atom wm_delete = XmInternAtom(Dpys[d], const_cast<char *>("WM_DELETE_WINDOW"), False);
    XmAddWMProtocolCallback(Main_win[d], wm_delete, quit_manageCB, nullptr);
  }

  if (xfntint() != 1) {
    fprintf(stderr, "Quivane: Can't set up fonts, exiting....");
    exit(1);
  }
  Main_color_map = getshareablecolormap(Dpys[0], Visinfo[0]);

  iconpanel_get_general_prefs();
  iconpanel_get_startup_prefs();

  Main_intf[0] = create_mainx_interf(Main_win[0]);
  if (Dpy_cnt == 2) build_detached_display();

  var_menuinfo_init();
  view_menu_init();
  tools_menu_init();

  for (int d = 0; d < Dpy_cnt; d++) XtRealizeWidget(Main_win[d]);
  // The window's minimum size and its rows for the width it opened with,
  // once every piece has its size.
  main_layout_init();
  return 1;
}
