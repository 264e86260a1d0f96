// A context file saved with parts A and B is restored on a case holding A
// and C: playback pauses on the mapping dialog, the user maps B to C with
// the real lists and buttons, closes the dialog, and the rest of the file
// then finds C under the name B.
#include <gtest/gtest.h>
#include <strings.h>

#include <Xm/List.h>
#include <Xm/RowColumn.h>

#include <string>
#include <vector>

#include "test_part_list.h"
#include "client/cases.h"
#include "client/command_dlog.h"
#include "client/context_map.h"
#include "data/data_dlog.h"
#include "data/ui/data_windep.h"
#include "harness.h"
#include "ui/command_dialog.h"
#include "ui/mainwin_state.h"
#include "xm_lists.h"
#include "xt_shell.h"

namespace {

using qtest::xm_list_items;

std::vector<std::string> Probes;  // what each "part: probe NAME" resolved to

int probe_proc(const char *, const char *, const char *keyword, const char *params, int, int, int,
               const int *, int) {
  if (strcasecmp(keyword, "probe") != 0) return 1;
  std::string seen;
  for (int i = 0; i < Num_p_loaded; i++)
    if (strcmp(parts[i]->name, params) == 0) seen += std::to_string(parts[i]->number);
  int count = 0;
  const int *list = nullptr;
  if (seen.empty() && cmd_parteid_fromcontexttable(params, &count, &list) > 0)
    for (int i = 0; i < count; i++) seen += std::to_string(list[i]);
  Probes.push_back(std::string(params) + "=" + seen);
  return 1;
}

void no_refresh(int cat) { Cmds_cat[cat].refresh_needed = 0; }

TEST(ContextMapDialog, MapBToCAndPlaybackResumes) {
  qtest::XtShell &s = qtest::xt_shell();
  ASSERT_TRUE(s.ok);
  if (!Main_menubar) {
    Main_menubar = XmCreateMenuBar(s.form, const_cast<char *>("ctxbar"), nullptr, 0);
    XtManageChild(Main_menubar);
  }
  cmd_gen_interf();
  ASSERT_NE(Command_dialog, nullptr);
  Cmd_category_rec saved = Cmds_cat[CMD_CAT_PART];
  Cmds_cat[CMD_CAT_PART].proc = Cmds_cat[CMD_CAT_PART].alt_proc = probe_proc;
  Cmds_cat[CMD_CAT_PART].refresh = no_refresh;
  Recrdr = 0;
  Cmd_play_delay_time = 0;
  Case_num = 0;
  Gexist[0] = 1;
  Context_restore = 1;
  qtest::fill_parts_and_list({{1, 0, 0, "A", -1, {}, false}, {2, 0, 0, "C", -1, {}, false}});
  Probes.clear();

  qtest::TempDir dir("qctxdlg");
  std::string file = dir.file("scene.ctx");
  qtest::write_file(file,
                    "VERSION 7.1\n# Number Model Parts: 2\n# Part Name: A\n#0\n# Part Name: B\n#0\n"
                    "# Number Orig. Variables: 0\npart: probe A\npart: probe B\n");

  std::vector<std::string> list1, list2, list1_after;
  int paused = -1, still_open = -1;
  qtest::xt_after(300, [&] {
    paused = Cmd_play_level == 1 && Cmd_play_continue_flag == 0;
    still_open = Cmd_map_dialog && XtIsManaged(Cmd_map_dialog);
    if (!still_open) {
      cmd_playcontinue();
      return;
    }
    list1 = xm_list_items(Cmd_maplist1_list);
    list2 = xm_list_items(Cmd_maplist2_list);
    XmListSelectPos(Cmd_maplist1_list, 1, False);
    XmListSelectPos(Cmd_maplist2_list, 2, False);
    qtest::xt_activate(Cmd_mapl1tol2_button);
    list1_after = xm_list_items(Cmd_maplist1_list);
    qtest::xt_activate(XtNameToWidget(Cmd_map_dialog, "CmdMapCloseButton"));
  });
  EXPECT_EQ(cmdplay(file.c_str(), 0), 1);

  EXPECT_EQ(paused, 1);
  EXPECT_EQ(still_open, 1);
  EXPECT_EQ(list1, std::vector<std::string>{"B"});
  EXPECT_EQ(list2, (std::vector<std::string>{"1 - (M/C1) A", "2 - (M/C1) C"}));
  EXPECT_TRUE(list1_after.empty());
  EXPECT_FALSE(XtIsManaged(Cmd_map_dialog));
  EXPECT_EQ(Probes, (std::vector<std::string>{"A=1", "B=2"}));
  EXPECT_EQ(Cmd_play_level, 0);
  EXPECT_EQ(Check_context_state, 0);

  Cmds_cat[CMD_CAT_PART] = saved;
  Context_restore = 0;
  Gexist[0] = 0;
  cmd_context_restore_begin();
  qtest::clear_parts_and_list();
}

}  // namespace
