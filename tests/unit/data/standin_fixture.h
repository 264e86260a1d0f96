// The real stand-in server started locally in the generated datasets'
// directory, logging to a file, as case 0's server.
#pragma once

#include "data_fixture.h"
#include "server_run.h"

namespace qtest {

class StandinTest : public ReadingTest {
 protected:
  void SetUp() override {
    ReadingTest::SetUp();
    ch_ = tcp_server(&run_, test_data(), {"-log", log_dir_.file("server.log")});
    ASSERT_GE(ch_, 0);
    ASSERT_EQ(client_handshake(ch_, -1), 1);
    Isockt[0] = ch_;
    Case_info[0].active = 1;
    Online[1] = 1;
  }
  void TearDown() override {
    if (ch_ >= 0) {
      ccsstr(ch_, "Exit", 4);
      ccend(ch_);
    }
    run_.finish();
    ReadingTest::TearDown();
  }
  std::string server_log() { return read_file(log_dir_.file("server.log")); }
  TempDir log_dir_{"qreadlog"};
  ServerRun run_;
  int ch_ = -1;
};

}  // namespace qtest
