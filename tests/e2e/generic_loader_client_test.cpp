// The generic part loader's lines on the generated mixed-element model read
// as the Case format, with the real stand-in: once in the real client from
// a command file (what the server is asked), once in this process (the
// main list's rows and the build text each new part keeps).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "case_servers.h"
#include "client/command_dlog.h"
#include "client_proc.h"
#include "driver_client.h"
#include "harness.h"
#include "inproc_main_window.h"
#include "parts/read.h"
#include "state/backup.h"
#include "test_part_list.h"
#include "ui/main_window.h"
#include "ui/part_list.h"
#include "xm_lists.h"

namespace {

std::vector<std::string> lines(const std::string &data) {
  return {"data: format case",      "data: path " + data,           "data: geometry vtk/mixed.vtk",
          "data: read",             "data_partbuild: begin",        "data_partbuild: data_type unstructured",
          "data_partbuild: select_all", "data_partbuild: create",   "data_partbuild: end"};
}

}  // namespace

TEST(GenericLoaderClient, CommandFileBuildsTheModelPartsInOneExchange) {
  qtest::TempDir files("qgenericcmd");
  std::string text = "VERSION 7.1\n";
  for (const std::string &l : lines(qtest::test_data())) text += l + "\n";
  qtest::write_file(files.file("build.cmd"), text);
  qtest::DrivenClient c({"-c", "-p", files.file("build.cmd")});
  ASSERT_TRUE(c.xvfb.ok());
  ASSERT_TRUE(c.driver.connect(c.port, 30000)) << c.client->err();
  ASSERT_EQ(c.driver.greeting(), "Hello Command Driver");
  ASSERT_TRUE(c.servers.wait_started(1)) << c.client->err();
  EXPECT_EQ(c.driver.send("command: delay 0", 30000), "ok");
  std::string log = c.servers.log_of(c.servers.started()[0]);
  EXPECT_TRUE(qtest::in_order(log, {"read geom", "use part numbers", "create quivane parts 3 -> 1 2 3",
                             "minm_many 3", "loadp_many 3", "stop quivane parts"}))
      << log;
  EXPECT_EQ(qtest::count_of(log, "create quivane parts"), 1) << log;
  EXPECT_EQ(qtest::count_of(log, "minm_many"), 1) << log;
  EXPECT_EQ(qtest::count_of(log, "loadp_many"), 1) << log;
  EXPECT_TRUE(c.driver.send_only("quit"));
  EXPECT_EQ(c.client->wait_exit(std::chrono::seconds(30)), 0) << c.client->err();
}

TEST(GenericLoaderClient, EachModelPartKeepsTheLinesThatSelectIt) {
  ASSERT_TRUE(qtest::inproc_main_window());
  qtest::clear_parts_and_list();
  qtest::CaseServers servers;
  ASSERT_EQ(qtest::connect_first_case(servers), 1);
  for (const std::string &line : lines(qtest::test_data())) {
    Command_proc_err = 0;
    EXPECT_GE(cmd_process_and_refresh(line.c_str()), 0) << line;
    EXPECT_EQ(Command_proc_err, 0) << line;
  }
  mainprt_list_refresh();
  EXPECT_EQ(qtest::xm_list_items(Main_part_list).size(), 3u);
  ASSERT_EQ(Num_p_loaded, 3);
  for (int i = 0; i < 3; i++) {
    SCOPED_TRACE(i);
    ASSERT_NE(parts[i]->build_text, nullptr);
    char sel[128];
    snprintf(sel, sizeof sel, "# data_partbuild: select_begin\n#%11d\n# data_partbuild: select_end",
             i + 1);
    std::string t = parts[i]->build_text;
    EXPECT_EQ(t.rfind("# data_partbuild: data_type unstructured\n", 0), 0u) << t;
    EXPECT_NE(t.find(sel), std::string::npos) << t;
  }
  quit_server(0);
}
