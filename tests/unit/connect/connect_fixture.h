// Connection tests share a fixture that keeps the connection globals as they
// were and gives each test a private per-user directory for the defaults file.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <string>

#include "../command/command_fixture.h"
#include "client/cases.h"
#include "client/conect.h"
#include "client/startup.h"
#include "harness.h"

namespace contest {

struct Snapshot {
  char mach[CON_SLOTS][CON_TEXT], exec[CON_SLOTS][CON_TEXT], work[CON_SLOTS][CON_TEXT],
      login[CON_SLOTS][CON_TEXT];
  int mode[CON_SLOTS], online[CON_SLOTS];
  int prog, once, iwd, token, dbg, port, case_num, case_cnt;
  Case_rec cases[MAX_CASES];
  char home[HOME_DIR_TEXT];
  void take();
  void put();
};

// Empties every slot.
void clear_slots();

class ConnectTest : public cmdtest::RecordingTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The defaults file in the private per-user directory.
  std::string defaults_path() const;
  qtest::TempDir home{"conhome"};
  Snapshot saved;
};

}  // namespace contest
