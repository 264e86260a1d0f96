#include "gl_window.h"

#include "client/screen.h"

namespace qtest {

GlWindow::GlWindow(const std::string &display, int width, int height, int stencil_bits)
    : w_(width), h_(height) {
  dpy_ = XOpenDisplay(display.c_str());
  if (!dpy_) return;
  int attrs[] = {GLX_RGBA,         GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8,
                 GLX_DEPTH_SIZE,   16,           GLX_DOUBLEBUFFER, GLX_STENCIL_SIZE,
                 stencil_bits,     None};
  XVisualInfo *vi = glXChooseVisual(dpy_, DefaultScreen(dpy_), attrs);
  if (!vi) return;
  Window root = RootWindow(dpy_, vi->screen);
  XSetWindowAttributes swa{};
  swa.colormap = XCreateColormap(dpy_, root, vi->visual, AllocNone);
  win_ = XCreateWindow(dpy_, root, 0, 0, width, height, 0, vi->depth, InputOutput, vi->visual,
                       CWColormap, &swa);
  XMapWindow(dpy_, win_);
  XSync(dpy_, False);
  ctx_ = glXCreateContext(dpy_, vi, nullptr, True);
  XFree(vi);
  if (ctx_) make_current();
}

GlWindow::~GlWindow() {
  if (!dpy_) return;
  if (ctx_) {
    if (glXGetCurrentContext() == ctx_) glXMakeCurrent(dpy_, None, nullptr);
    glXDestroyContext(dpy_, ctx_);
  }
  if (win_) XDestroyWindow(dpy_, win_);
  XCloseDisplay(dpy_);
}

void GlWindow::make_current() const { glXMakeCurrent(dpy_, win_, ctx_); }

void GlWindow::swap() const { glXSwapBuffers(dpy_, win_); }

std::vector<unsigned char> GlWindow::pixels() const {
  std::vector<unsigned char> rgb(3 * w_ * h_);
  glFinish();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, w_, h_, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  return rgb;
}

std::vector<unsigned char> GlWindow::shown() const {
  std::vector<unsigned char> rgb(3 * w_ * h_, 0);
  glFinish();
  XSync(dpy_, False);
  XImage *img = XGetImage(dpy_, win_, 0, 0, w_, h_, AllPlanes, ZPixmap);
  if (!img) return rgb;
  // The channel of a mask as 8 bits.
  auto channel = [](unsigned long pixel, unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) mask >>= 1, shift++;
    return mask ? (unsigned char)(((pixel >> shift) & mask) * 255 / mask) : (unsigned char)0;
  };
  for (int y = 0; y < h_; y++)
    for (int x = 0; x < w_; x++) {
      const unsigned long p = XGetPixel(img, x, y);
      unsigned char *out = &rgb[3 * ((h_ - 1 - y) * w_ + x)];
      out[0] = channel(p, img->red_mask);
      out[1] = channel(p, img->green_mask);
      out[2] = channel(p, img->blue_mask);
    }
  XDestroyImage(img);
  return rgb;
}

std::vector<unsigned char> GlWindow::stencil() const {
  std::vector<unsigned char> s(w_ * h_);
  glFinish();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, w_, h_, GL_STENCIL_INDEX, GL_UNSIGNED_BYTE, s.data());
  return s;
}

static std::vector<GlWindow *> Windows;
static int Current_code = 0, Current_dpy = 0;

static int test_gl_window(int *code, int set, int *dpy) {
  if (!set) {
    *code = Current_code;
    *dpy = Current_dpy;
    return 1;
  }
  Current_code = *code;
  Current_dpy = *dpy;
  if (*code == 0 && *dpy >= 0 && *dpy < (int)Windows.size() && Windows[*dpy])
    Windows[*dpy]->make_current();
  return 1;
}

static int test_gl_current() { return glXGetCurrentContext() ? 1 : 0; }

static int test_gl_swap() {
  if (Current_code == 0 && Current_dpy >= 0 && Current_dpy < (int)Windows.size() &&
      Windows[Current_dpy])
    Windows[Current_dpy]->swap();
  return 1;
}

void install_gl_window_screen(const std::vector<GlWindow *> &windows, bool swaps,
                              int (*gl_text)(const char *)) {
  static Screen_ops ops{};
  Windows = windows;
  if (windows.empty()) {
    screen_install(nullptr);
    return;
  }
  ops = Screen_ops{};
  ops.gl_window = test_gl_window;
  ops.gl_current = test_gl_current;
  if (swaps) ops.gl_swap = test_gl_swap;
  ops.gl_text = gl_text;
  screen_install(&ops);
}

}  // namespace qtest
