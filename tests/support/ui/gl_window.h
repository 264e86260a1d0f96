// A plain GLX window with its own context on a display of the test's
// choosing (RGBA, depth, double-buffered), for tests that draw with OpenGL
// without the client's main window; and a screen whose graphics windows are
// such windows, one per display index.
#pragma once

#include <X11/Xlib.h>
#include <GL/glx.h>

#include <GL/gl.h>

#include <string>
#include <vector>

namespace qtest {

class GlWindow {
 public:
  // stencil_bits > 0 asks for a visual with a stencil buffer.
  GlWindow(const std::string &display, int width, int height, int stencil_bits = 0);
  ~GlWindow();
  GlWindow(const GlWindow &) = delete;
  GlWindow &operator=(const GlWindow &) = delete;
  bool ok() const { return ctx_ != nullptr; }
  void make_current() const;
  void swap() const;
  // The window's RGB pixels, bottom row first (glReadPixels of the back buffer).
  std::vector<unsigned char> pixels() const;
  // What the X server shows in the window (its image after the last swap),
  // RGB, bottom row first like pixels().
  std::vector<unsigned char> shown() const;
  // The stencil values, bottom row first.
  std::vector<unsigned char> stencil() const;
  int width() const { return w_; }
  int height() const { return h_; }

 private:
  Display *dpy_ = nullptr;
  Window win_ = 0;
  GLXContext ctx_ = nullptr;
  int w_, h_;
};

// Installs a screen whose window code 0 of display d is windows[d] (other
// codes bind nothing); an empty list uninstalls it.  With swaps set the
// screen's buffer swap swaps the current window, else it does nothing.
// gl_text, when given, is the screen's text drawer.
void install_gl_window_screen(const std::vector<GlWindow *> &windows, bool swaps = false,
                              int (*gl_text)(const char *) = nullptr);

// What draw() sends to OpenGL, as the GL_3D_COLOR feedback buffer (room
// floats at most).
template <typename Draw>
std::vector<float> gl_feedback(Draw draw, size_t room = 20000) {
  std::vector<float> buf(room);
  glFeedbackBuffer((GLsizei)buf.size(), GL_3D_COLOR, buf.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  int n = glRenderMode(GL_RENDER);
  buf.resize(n < 0 ? 0 : n);
  return buf;
}

}  // namespace qtest
