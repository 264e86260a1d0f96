// The model picture fixture (see model_window_test.h).
#include "model_window_test.h"

#include <GL/gl.h>

#include "client/screen.h"
#include "harness.h"
#include "inproc_main_window.h"
#include "render/disobj.h"
#include "render/display_list.h"
#include "test_part_list.h"
#include "ui/graphics_windows.h"

namespace qtest {

void ModelWindowTest::SetUp() {
  ASSERT_TRUE(inproc_main_window());
  ASSERT_TRUE(inproc_wait_for([] { return Gwin_first_exposed[0] == 1; }, 10000));
  clear_parts_and_list();
  model_ = std::make_unique<ModelCase>(test_data() + data_file_);
  ASSERT_TRUE(model_->ok());
  int code = 0, dpy = 0;
  gwin_gl_curwin(&code, 1, &dpy);
  ASSERT_EQ(gwin_gl_ready(), 1);
}

void ModelWindowTest::TearDown() {
  Compile_Quivane_display_list = 0;
  Quivane_display_list = 0;
  glDisable(GL_LIGHTING);
  model_.reset();
  clear_parts_and_list();
}

}  // namespace qtest
