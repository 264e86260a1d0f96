// A fixture for end-to-end pictures of a model: the client's main window
// built in process, the mixed-element legacy-VTK model read by the real
// stand-in server, and display 0's main graphics window made current.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model_case.h"

namespace qtest {

class ModelWindowTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  std::unique_ptr<ModelCase> model_;
  // The dataset read, under the test data folder; a subclass may choose
  // another one in its constructor.
  std::string data_file_ = "/vtk/mixed.vtk";
};

}  // namespace qtest
