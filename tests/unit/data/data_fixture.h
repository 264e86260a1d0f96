// Shared pieces of the reading tests: a fresh part table and case slots
// (PartsTest) with the per-case reading tables cleared, and the bytes of
// the requests every geometry exchange begins with.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../parts/parts_fixture.h"
#include "case_peer.h"
#include "client/command_dlog.h"
#include "data/data_cmdproc.h"
#include "data/data_dlog.h"
#include "data/data_format.h"
#include "data/data_read.h"
#include "data/pbuild.h"
#include "render/disobj.h"
#include "variables/variables.h"

namespace qtest {

class ReadingTest : public PartsTest {
 protected:
  void SetUp() override {
    PartsTest::SetUp();
    for (int c = 0; c < 16; c++) {
      char empty[1] = "";
      which_path(c, empty, 1);
      pbuild_release(c);
      data_read_release(c);
      Tot_num_quivane_parts[c] = Num_unstruct[c] = Num_struct[c] = 0;
      Kperio[c] = 0;
      Geom_change[c] = 0;
      Data_udformat[c] = 0;
    }
    saved_initial_ = Initial_screen;
    Initial_screen = 0;
    time_steps_deliver(nullptr, 0, 0);
    Current_time = 0;
    data_plot3d_read_init();
  }
  void TearDown() override {
    Initial_screen = saved_initial_;
    time_steps_deliver(nullptr, 0, 0);
    PartsTest::TearDown();
  }

 private:
  int saved_initial_ = 0;
};

// Steps 2 to 4 of every geometry exchange with no part in use.
inline Bytes common_requests(const std::string &path, const std::vector<int> &data_type) {
  Bytes b = str("set file path") + str(path) + str("use part numbers") +
            ints(std::vector<int>(5000, -1)) + str("set data type");
  for (int v : data_type) b = b + i32(v);
  return b;
}

// Geom_change, node labels, element labels, final code.
inline Bytes flags(int code, int geom_change = 0) {
  return i32(geom_change) + i32(1) + i32(1) + i32(code);
}

// A part-build block of one unstructured part "wing".
inline Bytes one_part_block() {
  return i32(1) + i32(0) + i32(2) + ints({0, 1}) + i32(1) + str("wing") + i32(0) + ints({}) + i32(1);
}

// "get userd reader" answered with one reader: the channel is still in step.
inline CaseStep userd_reader_step() {
  return {str("get userd reader"), i32(1) + i32(1) + str("Custom VTK") + i32(0)};
}

// Offers records of the given kinds to case 0: ids 1.. in order, named
// "block <id>", structured ones with maxima I 10, J 7, K 4.
inline void offer_records(const std::vector<int> &kinds) {
  pbuild_release(0);
  int n = (int)kinds.size();
  Pbuild[0] = (Pbuild_rec *)calloc(n, sizeof(Pbuild_rec));
  Extpn_to_filepn[0] = (int *)calloc(n + 1, sizeof(int));
  Num_extpn_to_filepn[0] = n + 1;
  Extpn_to_filepn[0][0] = -1;
  for (int i = 0; i < n; i++) {
    Pbuild[0][i].id = i + 1;
    Pbuild[0][i].kind = kinds[i];
    snprintf(Pbuild[0][i].description, PBUILD_DESC_LEN, "block %d", i + 1);
    for (int a = 0; a < 3; a++) Pbuild[0][i].dims[a] = kinds[i] ? 10 - 3 * a : 0;
    Extpn_to_filepn[0][i + 1] = i;
  }
  Tot_num_quivane_parts[0] = n;
}

// Runs "data_partbuild:" lines (a line of numbers goes without the
// category), each followed by the category's refresh as the command layer
// does after a line.
inline void run_partbuild_lines(const std::vector<std::string> &lines) {
  int cat = cmd_find_category("data_partbuild:");
  for (const std::string &l : lines) {
    SCOPED_TRACE(l);
    bool ids = l[0] >= '0' && l[0] <= '9';
    testing::internal::CaptureStdout();
    EXPECT_GE(cmd_process((ids ? l : "data_partbuild: " + l).c_str()), 0);
    dpbld_ref(cat);
    testing::internal::GetCapturedStdout();
  }
}

// The extents and geometry of new parts the server does not hold: the
// records stay, empty. One part asks "minm", several "minm_many"; rep and
// angle are the parts' element representation and feature angle.
inline std::vector<CaseStep> new_parts_load_steps(const std::vector<int> &numbers, int rep = 0,
                                                  float angle = 10.0f) {
  size_t m = numbers.size();
  std::vector<CaseStep> steps;
  if (m == 1) {
    steps.push_back({str("minm") + i32(numbers[0]), i32(1)});
  } else {
    Bytes reply = ints(std::vector<int>(m, 1)) + ints(std::vector<int>(m, 0));
    for (int k = 0; k < 6; k++) reply = reply + floats(std::vector<float>(m, 0.0f));
    steps.push_back({str("minm_many") + i32((int)m) + ints(numbers), reply});
  }
  Bytes counts = ints(std::vector<int>(m, 1));
  for (int k = 0; k < 5; k++) counts = counts + ints(std::vector<int>(m, 0));
  steps.push_back({str("loadp_many") + i32((int)m) + ints(numbers) + ints(std::vector<int>(m, rep)) +
                       ints(std::vector<int>(m, -1)) + floats(std::vector<float>(m, 1.0f)) +
                       floats(std::vector<float>(m, angle)),
                   counts});
  return steps;
}

inline std::vector<CaseStep> operator+(std::vector<CaseStep> a, const std::vector<CaseStep> &b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// N3S tables of case 0: colours 3 and 7; conditions numbered as given, each with the given codes.
inline void n3s_tables(const std::vector<int> &conditions, const std::vector<std::vector<int>> &codes) {
  data_read_release(0);
  N3snumcol[0] = 2;
  N3scolors[0] = (int *)malloc(2 * sizeof(int));
  N3scolors[0][0] = 3, N3scolors[0][1] = 7;
  int nb = (int)conditions.size(), widest = 1;
  for (auto &c : codes) widest = std::max(widest, (int)c.size());
  N3snumbound[0] = nb;
  N3sboundcon[0] = (int *)malloc((nb + 1) * sizeof(int));
  N3snumbccodes[0] = (int *)malloc((nb + 1) * sizeof(int));
  N3sbccodes[0] = (int **)malloc((nb + 1) * sizeof(int *));
  int *block = (int *)calloc((size_t)(nb + 1) * widest, sizeof(int));
  for (int b = 0; b < nb; b++) {
    N3sboundcon[0][b] = conditions[b];
    N3snumbccodes[0][b] = (int)codes[b].size();
    N3sbccodes[0][b] = block + b * widest;
    for (size_t k = 0; k < codes[b].size(); k++) N3sbccodes[0][b][k] = codes[b][k];
  }
  if (nb == 0) N3sbccodes[0][0] = block;
  snprintf(N3svarname[0][1], N3S_VARNAME_LEN, "%s", "Wall");
  snprintf(N3svarname[0][5], N3S_VARNAME_LEN, "%s", "A long cond name xyz");
}

inline Bytes n3s_request(int number, int selector, const std::vector<int> &codes) {
  Bytes b = str("create n3s part") + i32(number) + i32(selector) + i32((int)codes.size());
  if (!codes.empty()) b = b + ints(codes);
  return b;
}


// "data_partbuild:" lines as recorded (each ending in a newline) and as a
// part's build text keeps them ("# " before each, joined by newlines).
inline void pbuild_recorded_and_kept(const std::vector<std::string> &lines, std::string *recorded,
                                     std::string *kept) {
  recorded->clear(), kept->clear();
  for (const std::string &l : lines) {
    *recorded += "data_partbuild: " + l + "\n";
    *kept += (kept->empty() ? "# data_partbuild: " : "\n# data_partbuild: ") + l;
  }
}

}  // namespace qtest
