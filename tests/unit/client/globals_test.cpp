// Global defaults in full mode and the archive reset that keeps the
// connections and cases.
#include <gtest/gtest.h>

#include "anim/timeset.h"
#include "client/cases.h"
#include "client/command_dlog.h"
#include "client/conect.h"
#include "client/globals.h"
#include "client/startup.h"
#include "data/data_dlog.h"
#include "interact/movmnt.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "client/interf_settings.h"
#include "variables/variables.h"
#include "view/observer.h"
#include "view/viewports.h"

namespace {

TEST(GlobalsInit, FullModeGivesTheStartValues) {
  Server_port = 2000;
  Case_cnt = 3;
  Case_info[2] = {1, "Old"};
  Data_format[5] = 3;
  Solidt = 1;
  Recrdr = 0;
  Time_set_geometry[4] = 2;
  Viewports[3].in_use = 1;
  globals_init(1);

  EXPECT_FLOAT_EQ(Tarv_version, 7.1f);
  EXPECT_EQ(Server_port, 1106);
  EXPECT_EQ(Case_num, 0);
  EXPECT_EQ(Case_cnt, 1);
  EXPECT_EQ(Case_info[0].active, 1);
  EXPECT_STREQ(Case_info[0].name, "Case 1");
  EXPECT_EQ(Case_info[2].active, 0);
  EXPECT_STREQ(Case_info[2].name, "");
  EXPECT_EQ(Data_format[5], 10);
  EXPECT_EQ(Solidt, 0);
  EXPECT_EQ(Recrdr, 1);
  EXPECT_EQ(Time_set_geometry[4], -1);
  EXPECT_EQ(Current_mode, 1);
  EXPECT_EQ(Balloon_help, 1);
  EXPECT_EQ(Connect_timeout, 60);
  EXPECT_STREQ(Viewports[0].name, "Main Viewport");
  EXPECT_EQ(Viewports[0].in_use, 1);
  EXPECT_EQ(Viewports[3].in_use, 0);
  EXPECT_STREQ(On, "ON");
  EXPECT_STREQ(Stars, "***");
}

TEST(GlobalsInit, TransformationEditorPairs) {
  Vewvalues[7] = 7.0f;  // limit of pair 3 is kept
  Vewvalues[6] = 5.0f;  // its increment is not
  globals_init(1);
  const float expected[14] = {1.0f, 90.0f, 1.0f, 2.0f, 2.0f, 2.0f, 1.0f,
                              7.0f, 0.1f, 0.5f, 1.0f, 0.0f, 1.0f, 0.0f};
  for (int i = 0; i < 14; i++) EXPECT_FLOAT_EQ(Vewvalues[i], expected[i]) << "index " << i;
}

TEST(GlobalsInit, ResetKeepsConnectionsAndCases) {
  globals_init(1);
  // A run with two cases loaded, options applied and the view changed.
  Case_cnt = 2;
  Case_info[1] = {1, "Case 2"};
  Server_port = 2106;
  Connect_timeout = -1;
  Con_mode[1] = 1;
  Gexist[1] = 1;
  Data_format[1] = 7;
  Var_avail_cnt = 12;
  Num_parts_cases[1] = 4;
  Num_p_loaded = 9;
  Solidt = 1;
  Hlinet = 1;
  Labnod = 0;
  Recrdr = 0;  // -nb
  Recrdr_backup = 0;
  Play_file_no_update = 1;  // -delay_refresh
  Current_mode = 3;

  globals_init(0);

  EXPECT_EQ(Case_cnt, 2);
  EXPECT_STREQ(Case_info[1].name, "Case 2");
  EXPECT_EQ(Server_port, 2106);
  EXPECT_EQ(Connect_timeout, -1);
  EXPECT_EQ(Con_mode[1], 1);
  EXPECT_EQ(Gexist[1], 1);
  EXPECT_EQ(Data_format[1], 7);
  EXPECT_EQ(Var_avail_cnt, 12);
  EXPECT_EQ(Num_parts_cases[1], 4);
  EXPECT_EQ(Current_mode, 3);

  EXPECT_EQ(Num_p_loaded, 0);
  EXPECT_EQ(Solidt, 0);
  EXPECT_EQ(Hlinet, 0);
  EXPECT_EQ(Labnod, 1);
  EXPECT_EQ(Recrdr, 1);
  EXPECT_EQ(Recrdr_backup, 1);
  EXPECT_EQ(Play_file_no_update, 0);
  globals_init(1);
}

}  // namespace
