#include "model_case.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "client/cases.h"
#include "client/conect.h"
#include "state/backup.h"
#include "parts/read.h"
#include "test_parts.h"

namespace qtest {

ModelCase::ModelCase(const std::string &data_file) : servers_({"-data", data_file}) {
  setenv("TMPDIR", servers_.tmp_dir().c_str(), 1);
  clear_parts();
  Connect_timeout = 20;
  Con_mode[1] = 0;
  snprintf(Con_mach[1], CON_TEXT, "localhost");
  snprintf(Con_exec[1], CON_TEXT, "%s/quivane7.server", servers_.bin_dir().c_str());
  Case_num = 0;
  if (conrout(1) != 1) return;
  Online[1] = 1;
  create_all_parts();
  std::vector<int> numbers;
  for (int i = 0; i < Num_p_loaded; i++) numbers.push_back(parts[i]->number);
  load_many_parts(numbers.data(), (int)numbers.size());
  ok_ = Num_p_loaded > 0;
}

ModelCase::~ModelCase() {
  if (Online[1]) quit_server(0);
  Online[1] = 0;
  clear_parts();
  unsetenv("TMPDIR");
}

int ModelCase::largest_part() const {
  int best = -1;
  for (int i = 0; i < Num_p_loaded; i++)
    if (best < 0 || parts[i]->element_count > parts[best]->element_count) best = i;
  return best;
}

}  // namespace qtest
