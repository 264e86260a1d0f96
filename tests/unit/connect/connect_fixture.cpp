#include "connect_fixture.h"

namespace contest {

void Snapshot::take() {
  memcpy(mach, Con_mach, sizeof mach);
  memcpy(exec, Con_exec, sizeof exec);
  memcpy(work, Con_work, sizeof work);
  memcpy(login, Con_loginid, sizeof login);
  memcpy(mode, Con_mode, sizeof mode);
  memcpy(online, Online, sizeof online);
  prog = Con_prog;
  once = Connected_server_once;
  iwd = Ignore_working_dir;
  token = Security_token;
  dbg = Reader_dbg;
  port = Server_port;
  case_num = Case_num;
  case_cnt = Case_cnt;
  memcpy(cases, Case_info, sizeof cases);
  memcpy(home, User_home_directory, sizeof home);
}

void Snapshot::put() const {
  memcpy(Con_mach, mach, sizeof mach);
  memcpy(Con_exec, exec, sizeof exec);
  memcpy(Con_work, work, sizeof work);
  memcpy(Con_loginid, login, sizeof login);
  memcpy(Con_mode, mode, sizeof mode);
  memcpy(Online, online, sizeof online);
  Con_prog = prog;
  Connected_server_once = once;
  Ignore_working_dir = iwd;
  Security_token = token;
  Reader_dbg = dbg;
  Server_port = port;
  Case_num = case_num;
  Case_cnt = case_cnt;
  memcpy(Case_info, cases, sizeof cases);
  memcpy(User_home_directory, home, sizeof home);
}

void clear_slots() {
  memset(Con_mach, 0, sizeof Con_mach);
  memset(Con_exec, 0, sizeof Con_exec);
  memset(Con_work, 0, sizeof Con_work);
  memset(Con_loginid, 0, sizeof Con_loginid);
  memset(Con_mode, 0, sizeof Con_mode);
  memset(Online, 0, sizeof Online);
}

void ConnectTest::SetUp() {
  cmdtest::RecordingTest::SetUp();
  saved.take();
  clear_slots();
  Con_prog = 1;
  Connected_server_once = 0;
  Ignore_working_dir = 0;
  Security_token = -1;
  Reader_dbg = 0;
  Server_port = CON_DEFAULT_PORT;
  snprintf(User_home_directory, sizeof User_home_directory, "%s", home.path().c_str());
  mkdir(home.file(Quivane_resource_directory).c_str(), 0700);
}

void ConnectTest::TearDown() {
  saved.put();
  cmdtest::RecordingTest::TearDown();
}

std::string ConnectTest::defaults_path() const {
  return home.file(std::string(Quivane_resource_directory) + "/" + CON_DEFAULT_FILE);
}

}  // namespace contest
