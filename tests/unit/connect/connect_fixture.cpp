#include "connect_fixture.h"

namespace contest {

// Calls copy(global, saved copy, size) for every global the snapshot keeps.
template <typename F>
static void each_global(Snapshot *s, F copy) {
  copy(Con_mach, s->mach, sizeof s->mach);
  copy(Con_exec, s->exec, sizeof s->exec);
  copy(Con_work, s->work, sizeof s->work);
  copy(Con_loginid, s->login, sizeof s->login);
  copy(Con_mode, s->mode, sizeof s->mode);
  copy(Online, s->online, sizeof s->online);
  copy(&Con_prog, &s->prog, sizeof(int));
  copy(&Connected_server_once, &s->once, sizeof(int));
  copy(&Ignore_working_dir, &s->iwd, sizeof(int));
  copy(&Security_token, &s->token, sizeof(int));
  copy(&Reader_dbg, &s->dbg, sizeof(int));
  copy(&Server_port, &s->port, sizeof(int));
  copy(&Case_num, &s->case_num, sizeof(int));
  copy(&Case_cnt, &s->case_cnt, sizeof(int));
  copy(Case_info, s->cases, sizeof s->cases);
  copy(User_home_directory, s->home, sizeof s->home);
}

void Snapshot::take() {
  each_global(this, [](void *global, void *saved, size_t n) { memcpy(saved, global, n); });
}

void Snapshot::put() {
  each_global(this, [](void *global, void *saved, size_t n) { memcpy(global, saved, n); });
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
