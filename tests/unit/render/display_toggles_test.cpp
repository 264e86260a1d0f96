// The display switches: what each engine operation rebuilds and redraws
// (counted through the engine's call table), the "view:" lines through the
// command processor (state, stored overlay colour, result, exact messages,
// the working cursor), the lines the toggles record, and the two requests
// that go to the case servers (played by scripted peers).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../parts/parts_fixture.h"
#include "case_peer.h"
#include "client/command_dlog.h"
#include "client/defaults.h"
#include "client/screen.h"
#include "data/data_dlog.h"
#include "interact/support.h"
#include "palette/function.h"
#include "record_capture.h"
#include "render/active.h"
#include "render/disobj.h"
#include "render/display_toggles.h"
#include "render/glyphs.h"
#include "render/hidden_line.h"
#include "render/render_cmdproc.h"
#include "render/view_toggles.h"
#include "view/viewports.h"

namespace {

using namespace qtest;

struct Counts {
  std::vector<int> lines, solids, solid_frees;  // part numbers (frees: table indices)
  std::vector<std::pair<int, int>> labels;      // kind, part number
  std::vector<unsigned int> deleted_lists;
  int redraws = 0;
};
Counts Seen;
std::vector<std::string> Errors;
int Busy_now = 0;       // 1 while the working cursor is shown
int Busy_shown = 0;     // times it was shown

const Display_toggle_calls Counting = {
    [](int n) { Seen.lines.push_back(n); },
    [](int n) { Seen.solids.push_back(n); },
    [](int i) { Seen.solid_frees.push_back(i); },
    [](int kind, int n) { Seen.labels.push_back({kind, n}); },
    [](unsigned int id) { Seen.deleted_lists.push_back(id); },
    [] { Seen.redraws++; },
};

int keep_error(const char *shown, int) {
  Errors.push_back(shown);
  return 1;
}
int keep_busy(const char *text) {
  Busy_now = text ? 1 : 0;
  Busy_shown += text ? 1 : 0;
  return 1;
}

class DisplayToggles : public qtest::PartsTest {
 protected:
  void SetUp() override {
    global_defaults_restore(0);
    PartsTest::SetUp();
    Seen = Counts{};
    Errors.clear();
    Busy_now = Busy_shown = 0;
    screen_ = Screen_ops{};
    screen_.error = keep_error;
    screen_.busy = keep_busy;
    screen_install(&screen_);
    display_toggle_calls(&Counting);
    Command_proc_err = 0;
    Sleazy_hidden_line = 0;
    Num_active_viewports = 1;
  }
  void TearDown() override {
    display_toggle_calls(nullptr);
    screen_install(nullptr);
    PartsTest::TearDown();
    global_defaults_restore(0);
  }
  // A loaded model part with the given hidden-surface and label slots.
  Part_rec *part(int number, int type, float hidden_surface, int rep = 0) {
    Part_rec *p = add_part({number, 0, type, ("p" + std::to_string(number)).c_str(), -1, {}, false});
    p->attributes[SLOT_ELT_REP] = (float)rep;
    p->attributes[SLOT_HIDDEN_SURFACE] = hidden_surface;
    p->attributes[SLOT_LABEL_NODE] = p->attributes[SLOT_LABEL_ELT] = 0;
    p->attributes[SLOT_LABEL_PART] = 0;
    return p;
  }
  Screen_ops screen_;
};

// ---- engine operations ---------------------------------------------------------------

TEST_F(DisplayToggles, ShadedBuildsTheShadedPartsOnceAndFreesThemWhenSwitchedOff) {
  part(1, PART_MODEL, 1);
  part(2, PART_CONTOUR, 1);            // contours never get a solid object
  part(3, PART_MODEL, 0);              // hidden surface off
  part(4, PART_MODEL, 1, ELT_REP_NOT_LOADED);
  Part_rec *sphere = part(5, PART_MODEL, 1);
  sphere->attributes[SLOT_NODE_TYPE] = 2;
  parts[0]->bbox_list = 7;

  solid(1);
  solid(1);
  EXPECT_EQ(Seen.solids, (std::vector<int>{1, 5}));
  EXPECT_EQ(Seen.redraws, 1) << "the second call changes nothing";
  EXPECT_EQ(parts[0]->solid_built, 1);
  EXPECT_EQ(parts[2]->solid_built, 0);
  EXPECT_EQ(parts[0]->bbox_list, -7) << "point cloud marked for rebuilding";

  solid(0);
  EXPECT_EQ(Seen.solid_frees, (std::vector<int>{0, 4}));
  EXPECT_EQ(Seen.lines, (std::vector<int>{5})) << "sphere nodes are remade as lines";
  EXPECT_EQ(Seen.redraws, 2);
  for (int i = 0; i < Num_p_loaded; i++) EXPECT_EQ(parts[i]->solid_built, 0) << i;
}

TEST_F(DisplayToggles, StaticLightingRebuildsOnlyWhileShaded) {
  part(1, PART_MODEL, 1);
  light_soft_toggle(1);
  EXPECT_EQ(Software_light, 1);
  EXPECT_TRUE(Seen.solids.empty());
  EXPECT_EQ(Seen.redraws, 0);

  Solidt = 1;
  light_soft_toggle(1);  // unchanged flag, still rebuilt
  EXPECT_EQ(Seen.solids, (std::vector<int>{1}));
  EXPECT_EQ(Seen.redraws, 1);
}

TEST_F(DisplayToggles, LabelsAreBuiltAndDeletedOnlyForPartsWithTheLabelOn) {
  struct Kind {
    int kind, slot;
    int *flag;
    void (*toggle)(int);
    unsigned int Part_rec::*list;
  };
  const Kind kinds[] = {
      {0, SLOT_LABEL_NODE, &Labnod, node_toggle, &Part_rec::node_label_list},
      {1, SLOT_LABEL_ELT, &Labele, elem_toggle, &Part_rec::elem_label_list},
      {2, SLOT_LABEL_PART, &Labprt, part_toggle, &Part_rec::part_label_list},
  };
  for (const Kind &k : kinds) {
    qtest::clear_parts();
    Seen = Counts{};
    Part_rec *on = part(1, PART_MODEL, 1), *off = part(2, PART_MODEL, 1);
    on->attributes[k.slot] = 1;
    *k.flag = 0;
    k.toggle(1);
    EXPECT_EQ(*k.flag, 1);
    EXPECT_EQ(Seen.labels, (std::vector<std::pair<int, int>>{{k.kind, 1}})) << k.kind;

    on->*k.list = 11;
    off->*k.list = 12;  // a list left over while its attribute is off
    k.toggle(0);
    EXPECT_EQ(*k.flag, 0);
    std::vector<unsigned int> want = k.kind == 2 ? std::vector<unsigned int>{11, 12}
                                                 : std::vector<unsigned int>{11};
    EXPECT_EQ(Seen.deleted_lists, want) << k.kind;
    EXPECT_EQ(on->*k.list, 0u);
    EXPECT_EQ(Seen.redraws, 2) << k.kind;
  }
}

TEST_F(DisplayToggles, PointResolutionRedrawsOnlyWhenAListWasMarked) {
  part(1, PART_MODEL, 1)->bbox_list = 4;
  int same = Point_display_resolution;
  point_display_distribution(&same, 1);
  EXPECT_EQ(Seen.redraws, 0);
  EXPECT_EQ(parts[0]->bbox_list, 4);

  int thinner = same + 3;
  point_display_distribution(&thinner, 1);
  EXPECT_EQ(Point_display_resolution, thinner);
  EXPECT_EQ(parts[0]->bbox_list, -4);
  EXPECT_EQ(Seen.redraws, 1);
}

TEST_F(DisplayToggles, FastDisplayAndItsPreference) {
  int on = 1, is_static = 1;
  box_toggle(&on, 1);
  EXPECT_EQ(Box_mode_always, 0) << "dynamic: boxes only while the view moves";
  EXPECT_EQ(static_box_toggle_preference(&is_static, 1), 1);
  EXPECT_EQ(Box_mode_always, 1) << "static: boxes at once";
  EXPECT_EQ(Seen.redraws, 2);
  int off = 0;
  box_toggle(&off, 1);
  EXPECT_EQ(Box_mode_always, 0);
  EXPECT_EQ(Box_mode_always_toggle, 1);
}

TEST_F(DisplayToggles, TwoLightsStoresTheFlagWhicheverDrawingRoad) {
  for (int recorded : {0, 1}) {
    Quivane_display_list = recorded;
    int off = 0, on = 1, got = -1;
    toggle_two_lights(&off, 1);
    toggle_two_lights(&got, 0);
    EXPECT_EQ(got, 0) << "recorded display list " << recorded;
    toggle_two_lights(&on, 1);
    EXPECT_EQ(Lighting_two_lights, 1);
  }
  Quivane_display_list = 0;
  EXPECT_EQ(Seen.redraws, 4);
}

TEST_F(DisplayToggles, HiddenLineOverlayRebuildsTheFringedPartsAndBack) {
  Sleazy_hidden_line = 1;
  Fringt = 1;
  Part_rec *fringed = part(1, PART_MODEL, 1), *plain = part(2, PART_MODEL, 1);
  fringed->attributes[SLOT_HIDDEN_LINE] = plain->attributes[SLOT_HIDDEN_LINE] = 1.0f;
  fringed->attributes[SLOT_COLORBY_PALETTE] = 3;
  plain->attributes[SLOT_COLORBY_PALETTE] = 0;
  float r = 1, g = 0, b = 0;
  int specify = 1;
  hidden_line_colors(&r, &g, &b, &specify, 1);
  toggle_hidden_line(1);
  EXPECT_EQ(Hlinet, 1);
  EXPECT_EQ(Hidden_line_rebuild_mark, 1);
  toggle_hidden_line(0);
  EXPECT_EQ(Hidden_line_rebuild_mark, 0);
  EXPECT_EQ(Seen.lines, (std::vector<int>{1, 1}));
  EXPECT_EQ(Seen.redraws, 2);
  Fringt = 0;
}

// ---- the case servers -------------------------------------------------------------

TEST_F(DisplayToggles, ThreadCountGoesToEveryConnectedCaseAndABadCountIsRefused) {
  qtest::CaseLink *links[3] = {&connect_case(0), &connect_case(1), &connect_case(2)};
  std::vector<std::unique_ptr<ScriptedCase>> servers;
  for (qtest::CaseLink *l : links)
    servers.push_back(std::make_unique<ScriptedCase>(
        &l->peer, std::vector<CaseStep>{{str("set_threads") + i32(8)}}));
  for (int bad : {0, 33}) {
    int v = bad;
    EXPECT_EQ(number_threads_for_server(&v, 1), 32) << bad;
    EXPECT_EQ(Server_thread_count, 1) << "nothing changed";
  }
  int eight = 8;
  EXPECT_EQ(number_threads_for_server(&eight, 1), 0);
  for (auto &s : servers) EXPECT_EQ(s->finish(), "") << "only the good count was sent";
  int got = 0;
  number_threads_for_server(&got, 0);
  EXPECT_EQ(got, 8);
}

TEST_F(DisplayToggles, NativeBinarySendsTheSwapFlag) {
  qtest::CaseLink &l = connect_case(0);
  ScriptedCase server(&l.peer, {{str("swapbytes") + i32(0)}});
  int native = 1;
  server_byte_swap_toggle(&native, 1);
  EXPECT_EQ(server.finish(), "");
  int got = -1;
  server_byte_swap_toggle(&got, 0);
  EXPECT_EQ(got, 1);
}

// ---- "view:" lines ---------------------------------------------------------------------

TEST_F(DisplayToggles, ViewLines) {
  struct Overlay {
    float r, g, b;
    int specify;
  };
  struct Case {
    const char *line;
    int hlinet;                  // Hlinet after the line (-1 not checked)
    Overlay overlay;             // stored overlay colour afterwards
    bool ok;
    std::vector<std::string> errors;
  };
  const Overlay none = {0, 0, 0, 0};
  const std::string long_word(70, 'O');
  const std::string long_line = "view: hidden_line " + long_word + " 1 0 0";
  const Case cases[] = {
      {"view: hidden_line ON 1 0 0", 1, {1, 0, 0, 1}, true, {}},
      {"view: hidden_line on", 1, none, true, {}},
      {"view: hidden_line ON 1 0", 0, none, false, {"ERROR: view: Incorrect parameter."}},
      {"view: hidden_line OFF 0 1 0", 0, {0, 1, 0, 1}, true, {}},
      {long_line.c_str(), 0, none, false, {"ERROR: view: Incorrect parameter."}},
      {"view: hidden_line ??", 0, none, false,
       {"ERROR: No value entered.  Error processing commands."}},
      {"view: full_color ON", -1, none, false, {"ERROR: The command does not exist."}},
      {"view: fast_display maybe", -1, none, false, {"ERROR: view: Bad fast_display value."}},
      {"view: fast_display ??", -1, none, false,
       {"ERROR: No value entered.  Error processing commands.",
        "ERROR: view: Bad fast_display value."}},
      {"view: display_mode sometimes", -1, none, false,
       {"ERROR: view: display_mode -> Incorrect parameter.",
        "ERROR: view: Incorrect drawing mode."}},
      {"view: pick_mode corner", -1, none, false,
       {"ERROR: view: pick_mode -> Incorrect parameter.", "ERROR: view: Incorrect picking mode."}},
      {"view: clipping sideways", -1, none, false,
       {"ERROR: view: Parameters of the command were incorrect."}},
  };
  for (const Case &c : cases) {
    SetUp();
    float black[3] = {0, 0, 0};
    int store = 1, unused = 0;
    hidden_line_colors(&black[0], &black[1], &black[2], &store, 1);
    hidden_line_colors(&black[0], &black[1], &black[2], &unused, 1);
    int r = cmd_process(c.line);
    EXPECT_EQ(r >= 0, c.ok) << c.line;
    EXPECT_EQ(Command_proc_err, c.ok ? 0 : 1) << c.line;
    EXPECT_EQ(Errors, c.errors) << c.line;
    if (c.hlinet >= 0) {
      EXPECT_EQ(Hlinet, c.hlinet) << c.line;
    }
    Overlay got;
    hidden_line_colors(&got.r, &got.g, &got.b, &got.specify, 0);
    EXPECT_EQ(got.specify, c.overlay.specify) << c.line;
    EXPECT_EQ(got.r, c.overlay.r) << c.line;
    EXPECT_EQ(got.g, c.overlay.g) << c.line;
    EXPECT_EQ(got.b, c.overlay.b) << c.line;
    EXPECT_EQ(Busy_now, 0) << c.line << ": the working cursor stays";
    EXPECT_GE(Busy_shown, 1) << c.line;
    if (!c.ok) {
      EXPECT_EQ(Solidt + Box_mode_toggle + Plane_clipp_toggle, 0) << c.line;
    }
  }
}

TEST_F(DisplayToggles, DrawingModesSetThePreferenceAndFastDisplay) {
  ASSERT_GE(cmd_process("view: display_mode static_box"), 0);
  EXPECT_EQ(Box_mode_toggle, 1);
  EXPECT_EQ(Box_mode_always_toggle, 1);
  EXPECT_EQ(Box_mode_always, 1);
  ASSERT_GE(cmd_process("view: detail_mode off"), 0);
  EXPECT_EQ(Box_mode_toggle, 0);
  EXPECT_EQ(Box_mode_always_toggle, 0) << "preference back to dynamic";
  ASSERT_GE(cmd_process("view: FAST_DISPLAY on"), 0);
  EXPECT_EQ(Box_mode_toggle, 1);
}

TEST_F(DisplayToggles, PickModeIsSetUnrecordedAndThePartPanelsAreMarked) {
  Cmds_cat[CMD_CAT_PART].refresh_needed = 0;
  std::string rec = qtest::recorded_lines([] { ASSERT_GE(cmd_process("view: pick_mode plane_2pt"), 0); });
  EXPECT_EQ(What_is_pick_mode, 5);
  EXPECT_EQ(rec, "");
  EXPECT_EQ(Cmds_cat[CMD_CAT_PART].refresh_needed, 1);
  Cmds_cat[CMD_CAT_PART].refresh_needed = 0;
}

TEST_F(DisplayToggles, HiddenSurfaceOnWhileShadedStillRebuildsAndRedraws) {
  part(1, PART_MODEL, 1);
  part(2, PART_MODEL, 1);
  Solidt = 1;
  ASSERT_GE(cmd_process("view: hidden_surface ON"), 0);
  EXPECT_EQ(Solidt, 1);
  EXPECT_EQ(Seen.solids, (std::vector<int>{1, 2}));
  EXPECT_EQ(Seen.redraws, 1);
  ASSERT_GE(cmd_process("view: perspective off"), 0);
  EXPECT_EQ(Person, 0);
  EXPECT_EQ(Seen.redraws, 2);
}

// ---- recorded lines ------------------------------------------------------------------

TEST_F(DisplayToggles, TogglesRecordTheNewState) {
  struct Case {
    void (*toggle)();
    const char *line;
  };
  const Case cases[] = {
      {tggl_hsrf, "view: hidden_surface ON\n"},
      {tggl_nodlbl, "annotation: node_labeling OFF\n"},
      {tggl_persp, "view: perspective OFF\n"},
      {tggl_curs, "tools: cursor ON\n"},
      {[] { tggl_hline_doit(1, 1, 1.0f, 0.0f, 0.0f); },
       "view: hidden_line ON 1.0000e+00 0.0000e+00 0.0000e+00\n"},
  };
  for (const Case &c : cases) {
    SetUp();
    EXPECT_EQ(qtest::recorded_lines(c.toggle), c.line);
  }
  SetUp();  // shaded display off: hidden line switches at once
  EXPECT_EQ(qtest::recorded_lines(tggl_hlin), "view: hidden_line ON\n");
  EXPECT_EQ(Hlinet, 1);
}

// The clipping line follows the switch: recorded after the plane is on, and
// the plane tool is then the only tool shown.
TEST_F(DisplayToggles, AuxiliaryClippingRecordsAfterTheSwitch) {
  Curson = Lineon = 1;
  int seen_when_recorded = -1;
  static int *seen = nullptr;
  seen = &seen_when_recorded;
  Cmd_windep_hooks saved = Cmd_windep;
  Cmd_windep.record = [](const char *) {
    *seen = Plane_clipp_toggle;
    return 1;
  };
  Recrdr = 1;
  tggl_auxclip();
  Recrdr = 0;
  Cmd_windep = saved;
  EXPECT_EQ(seen_when_recorded, 1);
  EXPECT_EQ(Plane_clipp_toggle, 1);
  EXPECT_EQ(Planon, 1);
  EXPECT_EQ(Curson + Lineon, 0);
  EXPECT_EQ(qtest::recorded_lines(tggl_auxclip), "view: clipping OFF\n");
}

}  // namespace
