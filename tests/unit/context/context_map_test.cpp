// Context mapping without a display: the header lines as a played context
// file delivers them, the comparison with a small part table, the mapping
// actions and the translation of old names.
#include <dirent.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <gtest/gtest.h>
#include <strings.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "test_parts.h"
#include "client/cases.h"
#include "client/command_dlog.h"
#include "client/context_map.h"
#include "data/data_dlog.h"
#include "harness.h"
#include "variables/variables.h"

namespace {

std::vector<std::string> Lines;  // lines the test processors received

// "part: probe NAME" notes the part numbers NAME stands for: its own part,
// else what the context table maps it to.
int probe_proc(const char *line, const char *, const char *keyword, const char *params, int, int,
               int, const int *, int) {
  if (strcasecmp(keyword, "probe") != 0) {
    Lines.push_back(line);
    return 1;
  }
  std::string seen = "probe";
  for (int i = 0; i < Num_p_loaded; i++)
    if (strcmp(parts[i]->name, params) == 0) seen += " " + std::to_string(parts[i]->number);
  int count = 0;
  const int *list = nullptr;
  if (seen == "probe" && cmd_parteid_fromcontexttable(params, &count, &list) > 0)
    for (int i = 0; list[i] != -1; i++) seen += " " + std::to_string(list[i]);
  Lines.push_back(seen);
  return 1;
}

// The "data_partbuild: end" line builds the part named by the block's
// description line, as the part loader would.
std::string Described;
int build_proc(const char *line, const char *, const char *keyword, const char *params, int, int,
               int, const int *, int) {
  Lines.push_back(line);
  if (strcasecmp(keyword, "description") == 0) Described = params;
  if (strcasecmp(keyword, "end") == 0) {
    static int next = 40;
    std::vector<qtest::TestPart> table;
    for (int i = 0; i < Num_p_loaded; i++)
      table.push_back({parts[i]->number, 0, 0, strdup(parts[i]->name), -1, {}, false});
    table.push_back({next++, 0, 0, strdup(Described.c_str()), -1, {}, false});
    qtest::fill_parts(table);
  }
  return 1;
}

void no_refresh(int cat) { Cmds_cat[cat].refresh_needed = 0; }

class ContextMap : public testing::Test {
 protected:
  void SetUp() override {
    setenv("TMPDIR", tmp.path().c_str(), 1);
    for (const char *word : {"part:", "data:", "data_partbuild:"}) {
      int cat = cmd_find_category(word);
      saved.push_back({cat, Cmds_cat[cat]});
      Cmds_cat[cat].proc = Cmds_cat[cat].alt_proc =
          strcmp(word, "part:") == 0 ? probe_proc : build_proc;
      Cmds_cat[cat].refresh = no_refresh;
    }
    Lines.clear();
    Context_restore = 1;
    Recrdr = 0;
    Case_num = 0;
    Gexist[0] = 1;
    cmd_context_restore_begin();
    qtest::fill_parts({{1, 0, 0, "A", -1, {}, false}, {2, 0, 0, "C", -1, {}, false}});
  }
  void TearDown() override {
    for (auto &s : saved) Cmds_cat[s.first] = s.second;
    Context_restore = 0;
    Check_context_state = 0;
    Gexist[0] = 0;
    cmd_context_restore_begin();
    qtest::clear_parts();
    unsetenv("TMPDIR");
  }
  // Plays a context file whose lines follow the version line.
  void play(const std::string &body) {
    std::string f = files.file("ctx.cmd");
    qtest::write_file(f, "VERSION 7.1\n" + body);
    testing::internal::CaptureStderr();
    cmdplay(f.c_str(), 0);
    err = testing::internal::GetCapturedStderr();
  }
  std::vector<std::string> tmp_names() {
    std::vector<std::string> names;
    DIR *d = opendir(tmp.path().c_str());
    while (struct dirent *e = d ? readdir(d) : nullptr)
      if (e->d_name[0] != '.') names.push_back(e->d_name);
    if (d) closedir(d);
    return names;
  }
  qtest::TempDir tmp{"qctxtmp"}, files{"qctx"};
  std::vector<std::pair<int, Cmd_category_rec>> saved;
  std::string err;
};

const char *const AB_header =
    "# Number Model Parts: 2\n# Part Name: A\n#0\n# Part Name: B\n#0\n";

// A file announcing no variables still compares the names: the mismatch is
// found and the header ends (an unmapped old name then resolves to nothing).
TEST_F(ContextMap, ZeroVariablesStillCompares) {
  play(std::string(AB_header) + "# Number Orig. Variables: 0\npart: probe A\n");
  EXPECT_EQ(Context_oldtonew_partmapcnt, 2);
  EXPECT_EQ(Check_context_state, 0);
  std::string label;
  std::vector<std::string> l1, l2;
  cmd_context_maplists(0, &label, &l1, &l2);
  EXPECT_EQ(l1, std::vector<std::string>{"B"});
  EXPECT_EQ(l2, (std::vector<std::string>{"1 - (M/C1) A", "2 - (M/C1) C"}));
  EXPECT_EQ(label.substr(0, 40), "The model parts from the context file do");
}

TEST_F(ContextMap, MappingOneOldPartToTwoAndBack) {
  play(std::string(AB_header) + "# Number Orig. Variables: 0\n");
  std::string label;
  std::vector<std::string> l1, l2;
  cmd_context_maplists(0, &label, &l1, &l2);
  std::vector<int> sel1{1}, both{1, 2}, none;
  EXPECT_EQ(cmd_map_contextparts_sel(&sel1, &both), 1);
  int count = 0;
  const int *list = nullptr;
  EXPECT_EQ(cmd_parteid_fromcontexttable("B", &count, &list), 2);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(std::vector<int>(list, list + 3), (std::vector<int>{1, 2, -1}));
  EXPECT_EQ(cmd_parteid_fromcontexttable("b", &count, &list), -1);  // names are exact
  EXPECT_EQ(cmd_parteid_fromcontexttable("A", &count, &list), -1);  // matched, not mapped
  // Mapped parts leave List 1; selecting nothing in List 2 unmaps.
  cmd_context_maplists(0, &label, &l1, &l2);
  EXPECT_TRUE(l1.empty());
  Context_listtoold_partindxs = {1};
  EXPECT_EQ(cmd_map_contextparts_sel(&sel1, nullptr), 1);
  EXPECT_EQ(cmd_parteid_fromcontexttable("B", &count, &list), -1);
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_map_contextparts_sel(&none, &both), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "ERROR: No items selected to map.\n");
}

// A second restore starts from nothing: the first one's mapping table does
// not make a matching file report a mismatch.
TEST_F(ContextMap, NextRestoreDropsOldTables) {
  play(std::string(AB_header) + "# Number Orig. Variables: 0\n");
  ASSERT_EQ(Context_oldtonew_partmapcnt, 2);
  play("# Number Model Parts: 1\n# Part Name: C\n#0\n# Number Orig. Variables: 0\n");
  EXPECT_EQ(Context_old_partcnt, 1);
  EXPECT_EQ(Context_oldtonew_partmapcnt, 0);
  EXPECT_EQ(check_context_state_match(), 1);
  EXPECT_EQ(Check_context_state, 0);
}

TEST_F(ContextMap, HeaderErrorsStopTheLine) {
  struct Case {
    const char *lines, *message;
  } cases[] = {
      {"# Number Model Parts 2\n", "Context file: Number of Model Parts is incorrect."},
      {"# Number Model Parts: 1\n# Part Name: A\n#0\n# Part Name: B\n",
       "Context file: Too Many Part Names. Doesn't match count."},
      {"# Number Model Parts: 1\n# Part Name:   \n", "Context file: Part Name is incorrect"},
      {"# Number Orig. Variables: 2\n# Variable Name:\n",
       "Context file: Variable Name is incorrect"},
      {"# Number Orig. Variables: 1\n# Variable Name: p\n",
       "ERROR: No variables loaded. Please read in your results file."},
  };
  for (const Case &c : cases) {
    cmd_context_restore_begin();
    Check_context_state = 1;
    std::string text = c.lines, last;
    int r = -100;
    testing::internal::CaptureStderr();
    for (size_t at = 0, nl; (nl = text.find('\n', at)) != std::string::npos && r == -100;
         at = nl + 1)
      r = cmd_context_header_line(text.substr(at, nl - at).c_str());
    std::string out = testing::internal::GetCapturedStderr();
    EXPECT_EQ(r, -1) << c.lines;
    EXPECT_NE(out.find(c.message), std::string::npos) << c.lines << out;
  }
}

// A header may announce any number of names: nothing is allocated for the
// count, the list grows as the names arrive (100,000,000 announced names
// must not allocate gigabytes before one is read). Run in a child whose
// address space is limited, so an allocation by the count fails at once
// whatever the machine. The sanitizer reserves its own huge address space
// and aborts on a failed allocation by design, so the test skips itself there.
TEST_F(ContextMap, AnnouncedNameCountIsNotTrustedForAllocation) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "asks for an impossible allocation; AddressSanitizer aborts there by design";
#endif
  struct Case {
    const char *announce, *name;
  } cases[] = {
      {"# Number Model Parts: 100000000", "# Part Name: wing"},
      {"# Number Orig. Variables: 2000000000", "# Variable Name: pressure"},
  };
  for (const Case &c : cases) {
    std::string log = files.file("child.err");
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      if (!freopen(log.c_str(), "w", stderr)) _exit(3);
      long pages = 0;
      FILE *statm = fopen("/proc/self/statm", "r");
      if (!statm || fscanf(statm, "%ld", &pages) != 1) _exit(3);
      fclose(statm);
      rlim_t room = (rlim_t)pages * (rlim_t)sysconf(_SC_PAGESIZE) + ((rlim_t)512 << 20);
      struct rlimit lim = {room, room};
      if (setrlimit(RLIMIT_AS, &lim) != 0) _exit(3);
      cmd_context_restore_begin();
      Check_context_state = 1;
      int r1 = cmd_context_header_line(c.announce);
      int r2 = cmd_context_header_line(c.name);
      size_t names = Context_old_partnames.size() + Context_old_varnames.size();
      fflush(stderr);
      _exit(r1 == -100 && r2 == -100 && names == 1 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << c.announce << " status " << status;
    EXPECT_EQ(qtest::read_file(log).find("Error allocating"), std::string::npos) << c.announce;
  }
}

// A context file that ends inside a header block (its count line or some of
// its lines missing) reports the lost block.
TEST_F(ContextMap, FileEndingInsideABlockIsReported) {
  struct Case {
    const char *body, *message;
  } cases[] = {
      {"# Number Model Parts: 1\n# Part Name: A\n", "Context file: Bad part building commands."},
      {"# Number Model Parts: 1\n# Part Name: A\n#60\n# data_partbuild: begin\n",
       "Context file: Bad part building commands."},
      {"# File Information\n", "Context file: Bad file information commands."},
      {"# File Information\n#40\n# data: read\n", "Context file: Bad data read commands."},
  };
  for (const Case &c : cases) {
    cmd_context_restore_begin();
    play(c.body);
    EXPECT_NE(err.find(c.message), std::string::npos) << c.body << err;
  }
  cmd_context_restore_begin();
  play("# File Information\n#14\n# data: read\n# Number Model Parts: 0\n");
  EXPECT_EQ(err.find("Context file: Bad"), std::string::npos) << err;
}

// On an empty case the data-read and part-build blocks are replayed from
// temporary files (the description renamed to the header's name), the
// names then match, and the temporary files are gone.
TEST_F(ContextMap, EmptyCaseReplaysDataAndBuildCommands) {
  qtest::clear_parts();
  Gexist[0] = 0;
  std::string data = "# data: format plot3d\n# data: read\n";
  std::string build = "# data_partbuild: begin\n# data_partbuild: description Old\n"
                      "# data_partbuild: end\n";
  play("# File Information\n#" + std::to_string(data.size()) + "\n" + data +
       "# Number Model Parts: 1\n# Part Name: Wing\n#" + std::to_string(build.size()) + "\n" +
       build + "# Number Orig. Variables: 0\npart: probe Wing\n");
  EXPECT_EQ(Lines, (std::vector<std::string>{"data: format plot3d", "data: read",
                                             "data_partbuild: begin",
                                             "data_partbuild: description Wing",
                                             "data_partbuild: end", "probe 40"}))
      << err;
  EXPECT_EQ(Context_oldtonew_partmapcnt, 0);
  EXPECT_TRUE(tmp_names().empty());
  EXPECT_TRUE(Context_buildfile_name.empty());
}

TEST_F(ContextMap, VariablesMapToOneCurrentVariable) {
  Variable_rec vars[4] = {};
  const char *names[] = {"Coordinates", "Time", "pressure", "velocity"};
  for (int i = 0; i < 4; i++) {
    snprintf(vars[i].name, sizeof vars[i].name, "%s", names[i]);
    vars[i].type = i < 2 ? i + 2 : 0;
    vars[i].id = 10 + i;
    vars[i].unique_id = 100 + i;
    vars[i].context_listed = 1;
    for (int &s : vars[i].server_id) s = -1;
    vars[i].server_id[0] = i;
  }
  Variables = vars;
  Var_avail_cnt = 4;
  play("# Number Model Parts: 1\n# Part Name: A\n#0\n# Number Orig. Variables: 2\n"
       "# Variable Name: pressure\n# Variable Name: press\n");
  EXPECT_EQ(Context_oldtonew_varmapcnt, 2);
  EXPECT_EQ(Context_oldtonew_partmapcnt, 0);
  std::string label;
  std::vector<std::string> l1, l2;
  cmd_context_maplists(1, &label, &l1, &l2);
  EXPECT_EQ(l1, std::vector<std::string>{"press"});
  EXPECT_EQ(l2, (std::vector<std::string>{"pressure", "velocity"}));
  std::vector<int> sel1{1}, two{1, 2}, one{2};
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_map_contextvars_sel(&sel1, &two), -1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find(
                "Can only have one variable selected to map to."),
            std::string::npos);
  EXPECT_EQ(cmd_map_contextvars_sel(&sel1, &one), 1);
  EXPECT_EQ(cmd_varindx_from_contexttable("press"), 103);
  EXPECT_EQ(cmd_varindx_from_contexttable("pressure"), -1);
  Variables = nullptr;
  Var_avail_cnt = 0;
}

}  // namespace
