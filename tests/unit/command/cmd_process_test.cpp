// The line processor: category and keyword look-up, continuation lines,
// selection blocks, length limits, comments, "interrupt:", parameter
// conversion, and the refusal of the categories not built yet.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "client/command_dlog.h"
#include "command_fixture.h"
#include "data/data_cmdproc.h"
#include "view/view_cmdproc.h"
#include "render/render_cmdproc.h"
#include "parts/parts_cmdproc.h"

using namespace cmdtest;

namespace {

class CmdProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    cmd_select_reset();
    Cmd_passcat[0] = '\0';
    Command_proc_err = 0;
  }
  void TearDown() override { cmd_select_reset(); }
  CategoryOverride part_{CMD_CAT_PART};
};

TEST_F(CmdProcess, FindsCategoryAndKeywordWithoutRegardToCase) {
  EXPECT_EQ(cmd_process("PART: Visible ON"), CMD_CAT_PART);
  ASSERT_EQ(Calls.size(), 1u);
  const Call &c = Calls[0];
  EXPECT_EQ(c.line, "PART: Visible ON");
  EXPECT_EQ(c.category, "PART:");
  EXPECT_EQ(c.keyword, "Visible");
  EXPECT_EQ(c.params, "ON");
  EXPECT_EQ(c.row, ROW_VISIBLE);
  EXPECT_EQ(c.id, 5);
  EXPECT_FALSE(c.alternate);
  EXPECT_STREQ(Cmd_passcat, "PART:");
}

TEST_F(CmdProcess, LineWithoutCategoryContinuesThePreviousOne) {
  cmd_process("part: visible ON");
  EXPECT_EQ(cmd_process("opaqueness 0.5"), CMD_CAT_PART);
  // A word with a colon that is no category also continues it.
  EXPECT_EQ(cmd_process("nosuch: thing"), CMD_CAT_PART);
  ASSERT_EQ(Calls.size(), 3u);
  EXPECT_EQ(Calls[1].keyword, "opaqueness 0.5");
  EXPECT_EQ(Calls[1].category, "part:");
  EXPECT_EQ(Calls[1].row, CMD_NOT_FOUND);
  EXPECT_EQ(Calls[1].id, CMD_NOT_FOUND);
  EXPECT_EQ(Calls[1].params, "");
  EXPECT_EQ(Calls[2].keyword, "nosuch: thing");
}

TEST_F(CmdProcess, UnknownKeywordReachesTheProcessorAsNotFound) {
  EXPECT_EQ(cmd_process("part: frobnicate 1 2"), CMD_CAT_PART);
  ASSERT_EQ(Calls.size(), 1u);
  EXPECT_EQ(Calls[0].row, CMD_NOT_FOUND);
  EXPECT_EQ(Calls[0].params, "1 2");
}

TEST_F(CmdProcess, SlotOneRowsGoToTheAlternateProcessor) {
  cmd_process("part: alt");
  ASSERT_EQ(Calls.size(), 1u);
  EXPECT_TRUE(Calls[0].alternate);
  EXPECT_EQ(Calls[0].id, 11);
}

TEST_F(CmdProcess, SelectionBlockGivesOneCallWithAllIds) {
  EXPECT_EQ(cmd_process("part: select_begin 7"), CMD_CAT_PART);
  EXPECT_EQ(cmd_process("1 2 3"), 0);
  EXPECT_EQ(cmd_process("\t4    5"), 0);
  EXPECT_EQ(cmd_process("part: visible ON"), CMD_CAT_PART);  // inside: reaches nothing
  EXPECT_TRUE(Calls.empty());
  EXPECT_EQ(cmd_process("part: select_end"), CMD_CAT_PART);
  ASSERT_EQ(Calls.size(), 1u);
  EXPECT_EQ(Calls[0].keyword, "select_end");
  EXPECT_EQ(Calls[0].ids, (std::vector<int>{1, 2, 3, 4, 5}));
  // The list is emptied once the processor has it.
  cmd_process("part: visible OFF");
  EXPECT_TRUE(Calls.back().ids.empty());
}

TEST_F(CmdProcess, SelectBeginClearsTheGroupError) {
  Command_proc_err = 1;
  cmd_process("part: select_begin");
  EXPECT_EQ(Command_proc_err, 0);
}

TEST_F(CmdProcess, SelectResetEndsAnUnfinishedBlock) {
  cmd_process("part: select_begin");
  cmd_process("8 9");
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_select_reset(), 1);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err,
            "ERROR: A selection was begun (select_begin) but never ended (select_end); its 2 id(s)\n"
            "were dropped.\n");
  // Lines run again, and a later block does not carry the dropped ids.
  cmd_process("part: visible ON");
  ASSERT_EQ(Calls.size(), 1u);
  cmd_process("part: select_begin");
  cmd_process("3");
  cmd_process("part: select_end");
  EXPECT_EQ(Calls.back().ids, std::vector<int>{3});
  EXPECT_EQ(cmd_select_reset(), 0);
}

TEST_F(CmdProcess, PlaybackInterruptClosesAnOpenBlock) {
  cmd_process("part: select_begin");
  testing::internal::CaptureStderr();
  cmd_playinterrupt();
  testing::internal::GetCapturedStderr();
  cmd_process("part: visible ON");
  EXPECT_EQ(Calls.size(), 1u);
}

TEST_F(CmdProcess, CommentsAndInterrupt) {
  EXPECT_EQ(cmd_process("# part: visible ON"), -100);
  EXPECT_TRUE(Calls.empty());
  Play_file_no_update = 1;
  EXPECT_EQ(cmd_process("INTERRUPT:"), -1);
  EXPECT_EQ(Play_file_no_update, 0);
  EXPECT_TRUE(Calls.empty());
}

struct LimitCase {
  const char *what;
  std::string line;
  int result;
  const char *message;  // expected error box text, or null
};

TEST_F(CmdProcess, LengthLimits) {
  const std::string p285(285, 'x'), p286(286, 'x');
  const std::string c279 = "k" + std::string(278, 'y'), c280 = "k" + std::string(279, 'y');
  const LimitCase cases[] = {
      {"keyword of 23", "part: abcdefghijklmnopqrstuvw", CMD_CAT_PART, nullptr},
      {"keyword of 24", "part: abcdefghijklmnopqrstuvwx", -1,
       "ERROR: The length of this command is > the maximum command string allowed.\n"},
      {"parameters of 285", "part: opaqueness " + p285, CMD_CAT_PART, nullptr},
      {"parameters of 286", "part: opaqueness " + p286, -1,
       "ERROR: Parameter list is greater than the maximum possible.\n"},
      {"continuation of 279", c279, CMD_CAT_PART, nullptr},
      {"continuation of 280", c280, -1,
       "ERROR: The length of this command is > the maximum command string allowed.\n"},
  };
  strcpy(Cmd_passcat, "part:");
  for (const LimitCase &c : cases) {
    Calls.clear();
    testing::internal::CaptureStderr();
    int r = cmd_process(c.line.c_str());
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(r, c.result) << c.what;
    EXPECT_EQ(Calls.size(), c.result == -1 ? 0u : 1u) << c.what;
    EXPECT_EQ(err, c.message ? c.message : "") << c.what;
  }
  // Inside a block an over-long keyword is taken as empty, not refused.
  cmd_process("part: select_begin");
  EXPECT_EQ(cmd_process("part: abcdefghijklmnopqrstuvwx"), CMD_CAT_PART);
}

TEST(CmdProcessCategoryWord, TwentySixCharactersBeforeTheColonAreLookedUp) {
  cmd_select_reset();
  CategoryOverride longname(CMD_CAT_PART, "abcdefghijklmnopqrstuvwxyz:");
  EXPECT_EQ(cmd_process("abcdefghijklmnopqrstuvwxyz: visible ON"), CMD_CAT_PART);
  ASSERT_EQ(Calls.size(), 1u);
  EXPECT_EQ(Calls[0].row, ROW_VISIBLE);
  cmd_process("abcdefghijklmnopqrstuvwxyzz: visible ON");  // 27: a continuation line
  ASSERT_EQ(Calls.size(), 2u);
  EXPECT_EQ(Calls[1].row, CMD_NOT_FOUND);
  EXPECT_EQ(Calls[1].keyword, "abcdefghijklmnopqrstuvwxyzz: visible ON");
}

TEST_F(CmdProcess, ProcessorFailureFailsTheLine) {
  Proc_result = -1;
  EXPECT_EQ(cmd_process("part: visible ON"), -1);
}

// ---- parameter conversion ----------------------------------------------------

TEST_F(CmdProcess, NumericParameters) {
  float v[3] = {0, 0, 0};
  EXPECT_EQ(cmd_process_params(CMD_CAT_PART, ROW_COLOUR, "0.25   1e2 -3", v), 1);
  EXPECT_FLOAT_EQ(v[0], 0.25f);
  EXPECT_FLOAT_EQ(v[1], 100.0f);
  EXPECT_FLOAT_EQ(v[2], -3.0f);
  EXPECT_EQ(cmd_process_params(CMD_CAT_PART, ROW_COUNT, "42", v), 1);
  EXPECT_FLOAT_EQ(v[0], 42.0f);
  EXPECT_EQ(cmd_process_params(CMD_CAT_PART, ROW_VISIBLE, "on", v), 1);
  EXPECT_FLOAT_EQ(v[0], 1.0f);
  EXPECT_EQ(cmd_process_params(CMD_CAT_PART, ROW_VISIBLE, "yes", v), 1);
  EXPECT_FLOAT_EQ(v[0], 0.0f);

  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_process_params(CMD_CAT_PART, ROW_COUNT, "many", v), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "ERROR: part:: count -> Bad parameter\n");
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_process_params(CMD_CAT_PART, ROW_COLOUR, "1 2", v), -1);  // a float short
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_process_params(CMD_CAT_PART, ROW_SHADE, "flat", v), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "Internal Quivane error: bad partype value for this command: shade.\n");
}

TEST_F(CmdProcess, OptionKeywords) {
  EXPECT_EQ(cmd_process_strparams("GOURAUD", CMD_CAT_PART, ROW_SHADE), 1);
  EXPECT_EQ(cmd_process_strparams("off", CMD_CAT_PART, ROW_SHADE), 0);
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_process_strparams("phong", CMD_CAT_PART, ROW_SHADE), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "ERROR: part: shade -> Incorrect parameter.\n");
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_process_strparams("x", CMD_CAT_PART, ROW_COUNT), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "cmd_process_strparam: Internal Quivane command process error.\n");
}

TEST_F(CmdProcess, QuestionWithoutAnswerFails) {
  float v[1];
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_process_params(CMD_CAT_PART, ROW_COUNT, "??Delay in seconds", v), -1);
  EXPECT_EQ(cmd_process_strparams("??Shading\\ntype", CMD_CAT_PART, ROW_SHADE), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "ERROR: No value entered.  Error processing commands.\n"
            "ERROR: No value entered.  Error processing commands.\n");
}

// ---- the real table ----------------------------------------------------------

TEST(CmdTable, EveryCategoryIsWiredAndUnbuiltOnesRefuse) {
  cmd_select_reset();
  int n = 0;
  for (; Cmds_cat[n].name[0]; n++) {
    const Cmd_category_rec &c = Cmds_cat[n];
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(c.proc && c.alt_proc && c.special_rec && c.refresh && c.keywords);
    EXPECT_EQ(cmd_find_category(c.name), n);  // names are unique
    if (n == CMD_CAT_SHELL) continue;          // would run "frobnicate" through the shell
    std::string line = std::string(c.name) + " frobnicate";
    Command_proc_err = 0;
    testing::internal::CaptureStderr();
    int r = cmd_process(line.c_str());
    std::string err = testing::internal::GetCapturedStderr();
    if (c.proc == cmd_test_proc) {
      EXPECT_EQ(r, n);
    } else if (n == CMD_CAT_COMMAND) {
      EXPECT_EQ(err, "ERROR: command: The command does not exist.\n");
    } else if (c.proc == connect_cmdproc) {
      EXPECT_EQ(r, -1);
      EXPECT_EQ(Command_proc_err, 1);
      EXPECT_EQ(err, "ERROR: connect: Bad command for this category.\n");
    } else if (c.proc == case_cmdproc) {
      EXPECT_EQ(r, -1);
      EXPECT_EQ(Command_proc_err, 1);
      EXPECT_EQ(err, "ERROR: case: The command does not exist.\n");
    } else if (c.proc == entlbl_cmdproc) {
      EXPECT_EQ(r, -1);
      EXPECT_EQ(Command_proc_err, 1);
      EXPECT_EQ(err, "ERROR: annot_entlbl: The command does not exist.\n");
    } else if (c.proc == databld_cmdproc) {
      EXPECT_EQ(r, -1);
      EXPECT_EQ(Command_proc_err, 1);
      EXPECT_EQ(err, "ERROR: data_partbuild: Bad command for this category.\n");
    } else if (c.proc == part_cmdproc) {
      EXPECT_EQ(r, -1);
      EXPECT_EQ(Command_proc_err, 1);
      EXPECT_EQ(err, "ERROR: Bad data passed to part_cmdproc()\n");
    } else if (c.proc == model_cmdproc) {
      EXPECT_EQ(r, -1);
      EXPECT_EQ(Command_proc_err, 1);
      EXPECT_EQ(err, "ERROR: Illegal command.\n");
    } else if (c.proc == data_cmdproc) {
      EXPECT_EQ(r, -1);
      EXPECT_EQ(Command_proc_err, 1);
      EXPECT_EQ(err, "ERROR: data: Bad command for this category.\n");
    } else if (c.proc == viewp_cmdproc) {
      EXPECT_EQ(r, -1);
      EXPECT_EQ(err, "ERROR: Illegal viewport command.\n");
    } else if (c.proc == frame_cmdproc) {  // frames
      EXPECT_EQ(r, -1);
      EXPECT_EQ(Command_proc_err, 1);
      EXPECT_EQ(err, "ERROR: Illegal frame command.\n");
    } else if (c.proc == view_cmdproc) {
      EXPECT_EQ(r, -1);
      EXPECT_EQ(Command_proc_err, 1);
      EXPECT_EQ(err, "ERROR: The command does not exist.\n");
    } else if (c.proc == transf_cmdproc) {
      EXPECT_EQ(r, -1);
      EXPECT_EQ(err, "ERROR: view_transf: The command does not exist.\n");
    } else {
      EXPECT_EQ(r, -1);
      EXPECT_EQ(Command_proc_err, 1);
      EXPECT_EQ(err, "ERROR: " + std::string(c.name) + " frobnicate - Bad parameter\n");
    }
  }
  EXPECT_EQ(n, CMD_NCATEGORIES);
  EXPECT_STREQ(Cmds_cat[9].name, "part:");
  EXPECT_STREQ(Cmds_cat[36].name, "command:");
  EXPECT_STREQ(Cmds_cat[56].name, "tensor:");
}

TEST(CmdTable, PlaceholderProcessorEchoesTheLineAndIds) {
  cmd_select_reset();
  cmd_process("dpart: select_begin");
  for (int i = 1; i <= 11; i++) cmd_process(std::to_string(i).c_str());
  testing::internal::CaptureStderr();
  EXPECT_EQ(cmd_process("dpart: select_end now"), 4);
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_EQ(err,
            "****************************************\n"
            "*******NOT IMPLMENTED YET*************\n"
            "Command: dpart: select_end now\n"
            "categor: dpart:\n"
            "cmdonly: select_end\n"
            "params : \n"
            "cmdindx: -99\n"
            "cmddata: -99\n"
            "Selection Array:\n"
            "1 2 3 4 5 6 7 8 9 10 \n11 \n"
            "****************************************\n");
}

}  // namespace
