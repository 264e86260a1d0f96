// A GoogleTest suite that draws into a GlWindow of its own (gtest before
// the X headers, whose macros it would otherwise meet).
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "gl_window.h"
#include "harness.h"

namespace qtest {

// A test suite drawing into one GlWindow of W x H (with Stencil stencil
// bits) on a private Xvfb, both made once for the suite; each test starts
// with the window current and identity projection and model-view matrices.
// A suite that installs the window as the screen has it uninstalled at the end.
template <int W, int H, int Stencil = 0>
class GlWindowSuite : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    xvfb_ = std::make_unique<Xvfb>();
    if (xvfb_->ok()) window_ = std::make_unique<GlWindow>(xvfb_->display(), W, H, Stencil);
  }
  static void TearDownTestSuite() {
    install_gl_window_screen({});
    window_.reset();
    xvfb_.reset();
  }
  void SetUp() override {
    ASSERT_TRUE(window_ && window_->ok());
    window_->make_current();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
  }
  // The GL state the part passes expect of the window: the whole window as
  // the GL viewport, depth test LEQUAL with depth writes, no blending, no
  // light 0.
  static void scene_gl_state() {
    glViewport(0, 0, W, H);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glDisable(GL_LIGHT0);
  }
  static inline std::unique_ptr<Xvfb> xvfb_;
  static inline std::unique_ptr<GlWindow> window_;
};

}  // namespace qtest
