// The "annot_entlbl:" lines and the labelling update behind the dialog: what
// each line changes in the label colours and filters, the refusals with
// their exact texts (nothing changed, -1), and the command lines an
// accepted dialog change records.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "record_capture.h"
#include "render/entlbl.h"
#include "render/labels.h"

namespace {

std::vector<std::string> Errors;
int Dialog_refreshes = 0;

int keep_error(const char *shown, int) {
  Errors.push_back(shown);
  return 1;
}
void count_refresh() { Dialog_refreshes++; }

struct Label_state {
  float rgb[3][3];
  Label_filter_rec node, elem;
};

Label_state state() {
  Label_state s;
  getlabel_color(s.rgb[0], s.rgb[1], s.rgb[2]);
  node_label_filters(&s.node.low, &s.node.high, &s.node.type, 0);
  elem_label_filters(&s.elem.low, &s.elem.high, &s.elem.type, 0);
  return s;
}

void expect_same(const Label_state &a, const Label_state &b, const std::string &what) {
  for (int k = 0; k < 3; k++)
    for (int i = 0; i < 3; i++) EXPECT_EQ(a.rgb[k][i], b.rgb[k][i]) << what << " colour " << k;
  EXPECT_EQ(a.node.type, b.node.type) << what;
  EXPECT_EQ(a.node.low, b.node.low) << what;
  EXPECT_EQ(a.node.high, b.node.high) << what;
  EXPECT_EQ(a.elem.type, b.elem.type) << what;
  EXPECT_EQ(a.elem.low, b.elem.low) << what;
  EXPECT_EQ(a.elem.high, b.elem.high) << what;
}

class Entlbl : public testing::Test {
 protected:
  void SetUp() override {
    screen_ = Screen_ops{};
    screen_.error = keep_error;
    screen_install(&screen_);
    Entlbl_dialog_windep = count_refresh;
    labels_bkup(nullptr, 4);
    // Node filter {band, 1, 100}, element filter {low, 10, 50}, white labels.
    int low = 1, high = 100, type = LABEL_THRESHOLD_BAND;
    node_label_filters(&low, &high, &type, 1);
    low = 10, high = 50, type = LABEL_THRESHOLD_LOW;
    elem_label_filters(&low, &high, &type, 1);
    Errors.clear();
    Dialog_refreshes = 0;
    Command_proc_err = 0;
  }
  void TearDown() override {
    Entlbl_dialog_windep = nullptr;
    screen_install(nullptr);
    labels_bkup(nullptr, 4);
  }
  Screen_ops screen_;
};

TEST_F(Entlbl, CommandLines) {
  struct Case {
    const char *line;
    bool ok;
    std::vector<std::string> errors;
    void (*change)(Label_state &);  // what an accepted line changes; null nothing
  };
  const Case cases[] = {
      {"annot_entlbl: node_threshold_low 5.7", true, {},
       [](Label_state &s) { s.node.low = 5; }},
      {"annot_entlbl: node_threshold_high 1000", true, {},
       [](Label_state &s) { s.node.high = 1000; }},
      {"annot_entlbl: element_threshold_low 50", true, {},
       [](Label_state &s) { s.elem.low = 50; }},
      {"annot_entlbl: element_threshold_high 5", false,
       {"ERROR: High value must not be less than Low value."}, nullptr},
      {"annot_entlbl: node_threshold_low 101", false,
       {"ERROR: High value must not be less than Low value."}, nullptr},
      {"annot_entlbl: element_threshold_high 3e9", true, {},
       [](Label_state &s) { s.elem.high = 2147483647; }},
      {"annot_entlbl: node_rgb 1.5 0 0", false,
       {"ERROR: RGB values must be in range [0.0 - 1.0]."}, nullptr},
      {"annot_entlbl: element_rgb 0 -0.01 0", false,
       {"ERROR: RGB values must be in range [0.0 - 1.0]."}, nullptr},
      {"annot_entlbl: node_rgb 0.0 1.0 0.25", true, {},
       [](Label_state &s) { s.rgb[0][0] = 0, s.rgb[0][2] = 0.25f; }},
      {"annot_entlbl: element_rgb 1 0 1", true, {}, [](Label_state &s) { s.rgb[1][1] = 0; }},
      {"annot_entlbl: part_rgb 0 1 0", true, {},
       [](Label_state &s) { s.rgb[2][0] = 0, s.rgb[2][2] = 0; }},
      {"annot_entlbl: part_rgb 0 2 0", false,
       {"ERROR: RGB values must be in range [0.0 - 1.0]."}, nullptr},
      {"annot_entlbl: node_thresholds LOW_HIGH", true, {},
       [](Label_state &s) { s.node.type = LABEL_THRESHOLD_LOW_HIGH; }},
      {"annot_entlbl: element_thresholds none", true, {},
       [](Label_state &s) { s.elem.type = LABEL_THRESHOLD_NONE; }},
      {"annot_entlbl: node_thresholds mid", false,
       {"ERROR: annot_entlbl: node_thresholds -> Incorrect parameter.",
        "ERROR: annot_entlbl: Incorrect parameter."},
       nullptr},
      {"annot_entlbl: element_rgb 0.5 x", false,
       {"ERROR: annot_entlbl: Parameters of the command were incorrect."}, nullptr},
      {"annot_entlbl: label_size 3", false, {"ERROR: annot_entlbl: The command does not exist."},
       nullptr},
  };
  for (const Case &c : cases) {
    SetUp();
    Label_state want = state();
    if (c.ok && c.change) c.change(want);
    int r = cmd_process(c.line);
    EXPECT_EQ(r >= 0, c.ok) << c.line;
    EXPECT_EQ(Command_proc_err, c.ok ? 0 : 1) << c.line;
    EXPECT_EQ(Errors, c.errors) << c.line;
    expect_same(state(), want, c.line);
  }
}

TEST_F(Entlbl, AcceptedDialogChangesAreRecordedRefusedOnesAreNot) {
  struct Case {
    int kind;
    std::vector<float> values;
    int from_command;
    int result;
    const char *recorded;
  };
  const Case cases[] = {
      {ENTLBL_NODE_RGB, {0.5f, 1, 1}, 0, 1,
       "annot_entlbl: node_rgb 0.500000 1.000000 1.000000\n"},
      {ENTLBL_ELEM_RGB, {0, 0.25f, 1}, 0, 1,
       "annot_entlbl: element_rgb 0.000000 0.250000 1.000000\n"},
      {ENTLBL_NODE_BOUNDS, {7.9f, 70}, 0, 1,
       "annot_entlbl: node_threshold_low 7\nannot_entlbl: node_threshold_high 70\n"},
      {ENTLBL_ELEM_BOUNDS, {1, 2}, 0, 1,
       "annot_entlbl: element_threshold_low 1\nannot_entlbl: element_threshold_high 2\n"},
      {ENTLBL_NODE_THRESH, {LABEL_THRESHOLD_BAND}, 0, 1, "annot_entlbl: node_thresholds band\n"},
      {ENTLBL_ELEM_THRESH, {LABEL_THRESHOLD_LOW_HIGH}, 0, 1,
       "annot_entlbl: element_thresholds low_high\n"},
      {ENTLBL_NODE_BOUNDS, {20, 10}, 0, -1, ""},
      {ENTLBL_ELEM_RGB, {0, 0, 1.01f}, 0, -1, ""},
      {ENTLBL_NODE_RGB, {0.5f, 1, 1}, 1, 1, ""},
  };
  for (const Case &c : cases) {
    SetUp();
    int result = 0;
    std::string rec = qtest::recorded_lines(
        [&] { result = entlbl_attr_updt(c.kind, c.values.data(), c.from_command); });
    EXPECT_EQ(result, c.result) << c.kind;
    EXPECT_EQ(rec, c.recorded) << c.kind;
    // The dialog shows the values in force after every update.
    EXPECT_EQ(Dialog_refreshes, 1) << c.kind;
  }
}

}  // namespace
