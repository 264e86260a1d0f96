// View lines in the real client with the real stand-in server: the mixed
// model read at start and built by a command file is recentred in the
// graphics area; then "view_transf:" lines sent by the command driver turn
// the view, store and recall it, and move the z-clip planes, each step
// checked on a capture of the graphics area.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "case_servers.h"
#include "client_proc.h"
#include "driver_client.h"
#include "harness.h"
#include "model_client.h"
#include "screenshot.h"
#include "toplevel_windows.h"

namespace {

// The pixels of the graphics area that are not background black.
struct Model_pixels {
  long count = 0;
  int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
};

Model_pixels model_pixels(const qtest::Pixels &px) {
  Model_pixels m;
  for (int y = 0; y < px.h; y++)
    for (int x = 0; x < px.w; x++) {
      const unsigned char *p = px.at(x, y);
      if (p[0] + p[1] + p[2] <= 24) continue;
      m.count++;
      m.x0 = std::min(m.x0, x), m.x1 = std::max(m.x1, x);
      m.y0 = std::min(m.y0, y), m.y1 = std::max(m.y1, y);
    }
  return m;
}

class ViewTransf : public qtest::ModelClientTest {};

TEST_F(ViewTransf, LoadedModelIsRecentredInTheGraphicsArea) {
  qtest::Pixels px = shot("start");
  ASSERT_TRUE(px.ok());
  ASSERT_GT(px.w, 200);
  Model_pixels m = model_pixels(px);
  ASSERT_GT(m.count, 500) << "the model shows";
  // No edge of the area is touched, and the model's box is centred.
  EXPECT_GT(m.x0, 0);
  EXPECT_GT(m.y0, 0);
  EXPECT_LT(m.x1, px.w - 1);
  EXPECT_LT(m.y1, px.h - 1);
  EXPECT_NEAR((m.x0 + m.x1) / 2.0, px.w / 2.0, px.w / 10.0);
  EXPECT_NEAR((m.y0 + m.y1) / 2.0, px.h / 2.0, px.h / 10.0);
}

long differing(const qtest::Pixels &a, const qtest::Pixels &b) {
  if (a.w != b.w || a.h != b.h) return -1;
  long n = 0;
  for (int y = 0; y < a.h; y++)
    for (int x = 0; x < a.w; x++) {
      const unsigned char *p = a.at(x, y), *q = b.at(x, y);
      if (std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 24) n++;
    }
  return n;
}

// Turning, stored views and z-clip planes driven by "view_transf:" lines,
// each step judged on a screenshot against the start picture.
TEST_F(ViewTransf, TurnsStoredViewsAndZclipPlanesByCommand) {
  qtest::Pixels start = shot("start");
  ASSERT_TRUE(start.ok());
  const long few = start.w * start.h / 500;
  struct Step {
    std::vector<std::string> lines;
    const char *answer;     // of the last line
    const char *message;    // on the client's error output, or null
    enum { SAME_AS_START, DIFFERENT, BACKGROUND_ONLY, MODEL_SHOWS } picture;
  } steps[] = {
      {{"view_transf: function global", "view_transf: spin 4 0 90 0"}, "ok", nullptr,
       Step::SAME_AS_START},
      {{"view_transf: view_store F6", "view_transf: rotate 30"}, "ok", nullptr, Step::DIFFERENT},
      {{"view_transf: view_recall F6"}, "ok", nullptr, Step::SAME_AS_START},
      {{"view_transf: rotate 30", "view_transf: view_recall +Z"}, "ok", nullptr,
       Step::SAME_AS_START},
      {{"view_transf: view_store +X"}, "ERROR",
       "view_transf: Parameters for view_store can onlybe F5, F6, F7, or F8.", Step::SAME_AS_START},
      {{"view_transf: zclip_float OFF", "view_transf: zclip_front 0.001",
        "view_transf: zclip_back 0.002"},
       "ok", nullptr, Step::BACKGROUND_ONLY},
      {{"view_transf: zclip_back 0.0005"}, "ERROR",
       "Back Z-clip plane must be > the Front Z-clip plane.", Step::BACKGROUND_ONLY},
      // Floating on again: the next redraw brings both planes around the
      // scene at once, though the front one jumps beyond the old back one.
      {{"view_transf: zclip_float ON", "view_transf: rotate 0"}, "ok", nullptr,
       Step::MODEL_SHOWS},
  };
  int k = 0;
  for (const Step &s : steps) {
    SCOPED_TRACE(s.lines.back());
    for (size_t i = 0; i + 1 < s.lines.size(); i++)
      ASSERT_EQ(send(s.lines[i]), "ok") << s.lines[i] << c_->client->err();
    EXPECT_EQ(send(s.lines.back()), s.answer) << c_->client->err();
    if (s.message) {
      EXPECT_NE(c_->client->err().find(s.message), std::string::npos);
    }
    qtest::Pixels now = shot("step" + std::to_string(k++));
    ASSERT_TRUE(now.ok());
    const long diff = differing(now, start);
    const long model = model_pixels(now).count;
    switch (s.picture) {
      case Step::SAME_AS_START: EXPECT_LT(diff, few); break;
      case Step::DIFFERENT: EXPECT_GT(diff, few); break;
      case Step::BACKGROUND_ONLY: EXPECT_EQ(model, 0); break;
      case Step::MODEL_SHOWS: EXPECT_GT(model, 500); break;
    }
  }
}

// The saved-view file written and read by command: a turned view saved,
// the view reset, the file restored shows the turned view again, and the
// restore does not record its own line; a missing file is refused.
TEST_F(ViewTransf, SavedViewFileBringsATurnedViewBack) {
  qtest::Pixels start = shot("start");
  ASSERT_TRUE(start.ok());
  const long few = start.w * start.h / 500;
  ASSERT_EQ(send("view_transf: rotate 0 90 0"), "ok") << c_->client->err();
  qtest::Pixels turned = shot("turned");
  ASSERT_GT(differing(turned, start), few) << "the turn shows";

  const std::string saved = files_->file("v.sav");
  ASSERT_EQ(send("view_transf: save_view " + saved), "ok") << c_->client->err();
  EXPECT_EQ(qtest::read_file(saved).size(), 9356u) << "frame 0 and sixteen viewport blocks";
  ASSERT_EQ(send("view_transf: reset_rot_trn_scl"), "ok");
  EXPECT_LT(differing(shot("reset"), start), few);
  ASSERT_EQ(send("view_transf: restore_view " + saved), "ok") << c_->client->err();
  EXPECT_LT(differing(shot("restored"), turned), few);

  const std::string none = files_->file("none.sav");
  EXPECT_EQ(send("view_transf: restore_view " + none), "ERROR");
  EXPECT_NE(c_->client->err().find("File '" + none + "' cannot be read."), std::string::npos)
      << c_->client->err();

  const std::string record = qtest::session_record_name(c_->client->err());
  ASSERT_NE(record, "") << c_->client->err();
  const std::string lines = qtest::read_file(record);
  // The driven lines stand once each: the restore did not record itself again.
  auto count = [&](const std::string &line) {
    size_t n = 0;
    for (size_t at = lines.find(line); at != std::string::npos; at = lines.find(line, at + 1)) n++;
    return n;
  };
  EXPECT_EQ(count("view_transf: save_view " + saved + "\n"), 1u) << lines;
  EXPECT_EQ(count("view_transf: restore_view " + saved + "\n"), 1u) << lines;
}

// "view_transf: action scale" opens the Transformation Editor: the icon
// refresh after the line carries the scale action out, which shows the
// editor in its current (global) mode.
TEST_F(ViewTransf, ScaleActionOpensTheEditor) {
  const std::string title = "Transformation Editor (Global Transform)";
  auto shown = [&] {
    const std::vector<std::string> t = qtest::viewable_window_titles(c_->xvfb.display());
    return std::find(t.begin(), t.end(), title) != t.end();
  };
  EXPECT_FALSE(shown());
  ASSERT_EQ(send("view_transf: action scale"), "ok") << c_->client->err();
  // The client maps the window as it handles its X events between lines.
  bool found = shown();
  for (int tries = 0; tries < 50 && !found; tries++) {
    send("command: delay 0");
    usleep(100000);
    found = shown();
  }
  EXPECT_TRUE(found) << c_->client->err();
}

}  // namespace
