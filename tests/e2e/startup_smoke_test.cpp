#include <gtest/gtest.h>

#include "harness.h"

TEST(StartupSmoke, ClientPrintsBannerAndReady) {
  qtest::TempDir home("qhome");
  qtest::RunOptions o;
  o.env["HOME"] = home.path();
  o.env["QUIVANE7_HOME"] = qtest::source_home();
  auto r = qtest::run_program({qtest::client_bin()}, o);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("\nThis is Quivane Client 7.1.0(a)\n"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("\n<Ready>\n"), std::string::npos) << r.err;
}
