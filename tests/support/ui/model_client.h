// An end-to-end fixture: the real client under its own Xvfb, started with
// the real stand-in server, the mixed legacy-VTK model read at start and
// built by a command file, and driven over the command driver; plus a
// settled capture of its graphics area.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

#include "case_servers.h"
#include "harness.h"
#include "screenshot.h"

namespace qtest {

// The driven client's graphics area once two captures a moment apart agree
// and accept, when given, takes their colours: the client handles its X
// events between driven lines, so each retry sends one.  Kept at path;
// colours, when given, receives the capture's distinct colours.
Pixels settled_graphics(DrivenClient &c, const std::string &path,
                        std::set<unsigned long> *colours = nullptr,
                        const std::function<bool(const std::set<unsigned long> &)> &accept = {});

class ModelClientTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The dataset read at start, under the test data directory.
  virtual std::string model_file() const { return "/vtk/mixed.vtk"; }
  // One driven line; its answer ("ok", "ERROR", "<fail>").
  std::string send(const std::string &line);
  // The graphics area once two captures a moment apart agree (the client
  // handles its X events between driven lines), kept as <name>.ppm in files_.
  Pixels shot(const std::string &name);

  std::unique_ptr<TempDir> files_;
  std::unique_ptr<DrivenClient> c_;
};

}  // namespace qtest
