// Part attributes and defaults: the colour file, reading and writing parts
// and defaults, the computed defaults and the "attribute_view" section.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "client/startup.h"
#include "harness.h"
#include "parts_fixture.h"
#include "view/viewports.h"

using namespace qtest;

class Attributes : public PartsTest {
 protected:
  void TearDown() override {
    User_home_directory[0] = Quivane_home_directory[0] = '\0';
    PartsTest::TearDown();
    reset_part_attribute_state();
  }
  std::vector<float> read_defaults(int type) {
    std::vector<float> a(PART_ATTR_SLOTS, -1234.0f);
    char desc[PART_NAME_TEXT] = "x";
    char *creation = nullptr;
    EXPECT_EQ(part_attributes(-1, type, a.data(), nullptr, desc, &creation, 0), 1);
    EXPECT_STREQ(desc, "");
    EXPECT_EQ(creation, nullptr);
    return a;
  }
};

// The colour of the part at each table position, for one user and one site file.
TEST_F(Attributes, DefaultPartColoursFile) {
  TempDir home("qhome"), site("qsite");
  mkdir(home.file(".quivane7").c_str(), 0700);
  mkdir(site.file("site_preferences").c_str(), 0700);
  std::string user_file = home.file(".quivane7/quivane.part.colors.default");
  std::string site_file = site.file("site_preferences/quivane.part.colors.default");
  snprintf(User_home_directory, sizeof User_home_directory, "%s", home.path().c_str());
  snprintf(Quivane_home_directory, sizeof Quivane_home_directory, "%s", site.path().c_str());
  const std::vector<std::vector<float>> builtin = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 0},
                                                   {1, 0, 1}, {0, 1, 1}, {1, 0, 0}};
  std::string seven;
  for (int k = 0; k < 7; k++) seven += "0.5 0.25 " + std::to_string(k) + "\n";
  struct Row {
    const char *what;
    const char *user;  // null: no user file
    const char *site;  // null: no site file
    int count;
    std::vector<std::vector<float>> first;  // colours of positions 0, 1, ...
  } rows[] = {
      {"no file", nullptr, nullptr, 6, builtin},
      {"old version", "Version 5.0\n1\n0.1 0.2 0.3\n", nullptr, 6, builtin},
      {"8 declared, 7 given", nullptr, nullptr, 6, builtin},
      {"0 declared", "Version 6.0\n0\n", nullptr, 6, builtin},
      {"-2 declared", "Version 6.0\n-2\n", nullptr, 6, builtin},
      {"user beside site", "Version 6.0\n2\n0.1 0.2 0.3\n0.4 0.5 0.6\n", "Version 6.0\n1\n0 0 0\n",
       2, {{0.1f, 0.2f, 0.3f}, {0.4f, 0.5f, 0.6f}, {0.1f, 0.2f, 0.3f}}},
      {"site alone", nullptr, "Version 6.5\n1\n0.75 0 1\n", 1, {{0.75f, 0, 1}, {0.75f, 0, 1}}},
  };
  std::string eight = "Version 6.0\n8\n" + seven;
  for (const Row &r : rows) {
    SCOPED_TRACE(r.what);
    unlink(user_file.c_str());
    unlink(site_file.c_str());
    if (r.user) write_file(user_file, r.user);
    if (r.site) write_file(site_file, r.site);
    if (std::string(r.what) == "8 declared, 7 given") write_file(site_file, eight);
    clear_parts();
    reset_part_attribute_state();
    for (size_t k = 0; k < r.first.size(); k++)
      model_part((int)k + 1, ("p" + std::to_string(k)).c_str());
    EXPECT_EQ(default_part_color_count(), r.count);
    for (size_t k = 0; k < r.first.size(); k++) {
      const float *rgb = parts[k]->attributes + SLOT_RGB_R;
      EXPECT_EQ(std::vector<float>(rgb, rgb + 3), r.first[k]) << "position " << k;
    }
  }
}

TEST_F(Attributes, WritingAllDefaultsTouchesTenRecordsNotTheTensorOnes) {
  std::vector<float> a(PART_ATTR_SLOTS, 0.0f);
  std::vector<int> change(PART_ATTR_SLOTS, 0);
  a[SLOT_LINE_WIDTH] = 3.0f;
  a[SLOT_SHADING] = 2.0f;  // not flagged
  change[SLOT_LINE_WIDTH] = 1;
  ASSERT_EQ(part_attributes(-2, 0, a.data(), change.data(), nullptr, nullptr, 1), 1);
  int changed = 0;
  for (int type = 0; type < PART_TYPES; type++) {
    const float *d = part_type_defaults(type);
    if (!d || (type != 0 && d == part_type_defaults(0))) continue;  // model record counted once
    if (d[SLOT_LINE_WIDTH] == 3.0f) changed++;
    EXPECT_EQ(d[SLOT_SHADING], 1.0f) << type;
  }
  EXPECT_EQ(changed, 10);
  EXPECT_EQ(part_type_defaults(PART_TENSOR)[SLOT_LINE_WIDTH], 1.0f);
}

TEST_F(Attributes, AttributeViewSavesResetsAndRestores) {
  TempDir dir("qattr");
  std::string path = dir.file("section");
  part_type_defaults(PART_CLIP)[SLOT_LINE_WIDTH] = 4.0f;
  frame_defaults()->words[28 - 1] = 45.0f;
  int type = 1, id = 6;
  part_working_variable(&type, &id, 1);
  FILE *fp = fopen(path.c_str(), "wb");
  ASSERT_EQ(attribute_bkup(fp, 0), 1);
  fclose(fp);
  EXPECT_EQ(read_file(path).size(), (size_t)ATTRIBUTE_VIEW_BYTES);

  ASSERT_EQ(attribute_bkup(nullptr, 4), 1);
  EXPECT_EQ(part_type_defaults(PART_CLIP)[SLOT_LINE_WIDTH], 1.0f);
  part_working_variable(&type, &id, 0);
  EXPECT_EQ(type, -1);
  part_type_defaults(PART_TENSOR)[SLOT_LINE_WIDTH] = 9.0f;  // not archived

  fp = fopen(path.c_str(), "rb");
  ASSERT_EQ(attribute_bkup(fp, 2), 1);
  fclose(fp);
  EXPECT_EQ(part_type_defaults(PART_CLIP)[SLOT_LINE_WIDTH], 4.0f);
  EXPECT_EQ(frame_defaults()->words[28 - 1], 45.0f);
  EXPECT_EQ(part_type_defaults(PART_TENSOR)[SLOT_LINE_WIDTH], 9.0f);
  part_working_variable(&type, &id, 0);
  EXPECT_EQ(type, 1);
  EXPECT_EQ(id, 6);
  std::string bytes = read_file(path);
  EXPECT_EQ(bytes.substr(0, 4), std::string("\x41\x20\x00\x00", 4));  // 10.0 big-endian

  write_file(path, bytes.substr(0, 100));  // a short section fails
  fp = fopen(path.c_str(), "rb");
  EXPECT_EQ(attribute_bkup(fp, 2), -1);
  fclose(fp);
}

TEST_F(Attributes, ClipDefaultsFromTheCurrentTools) {
  auto a = read_defaults(PART_CLIP);  // tool 9, nothing selected, no extents known
  EXPECT_EQ(std::vector<float>(a.begin() + 72, a.begin() + 79),
            (std::vector<float>{0, 1, 0, 1, 0, 1, 0.05f}));
  Part_rec *p = model_part(4, "box");
  p->xmin = -2, p->xmax = 2, p->ymin = 0, p->ymax = 1, p->zmin = 3, p->zmax = 6;
  a = read_defaults(PART_CLIP);
  EXPECT_EQ(std::vector<float>(a.begin() + 72, a.begin() + 79),
            (std::vector<float>{-2, 2, 0, 1, 3, 6, 0.4f}));

  // A 1D-part clip takes the lowest part number that has a record.
  model_part(9, "line");
  part_type_defaults(PART_CLIP)[SLOT_CLIP_TOOL] = CLIP_TOOL_1D_PART;
  a = read_defaults(PART_CLIP);
  EXPECT_EQ(a[SLOT_CLIP_1D_PART], 4.0f);
  EXPECT_EQ(part_type_defaults(PART_CLIP)[SLOT_CLIP_1D_PART], -1.0f);  // reading stores nothing
}

TEST_F(Attributes, TraceDefaultsAskTheVelocityOffsetOncePerCase) {
  CaseLink &s0 = connect_case(0);
  CaseLink &s2 = connect_case(2);
  model_part(1, "a");
  s0.peer.send(f32(0.5f));
  s2.peer.send(f32(0.25f));
  auto a = read_defaults(PART_TRACE);
  EXPECT_EQ(a[SLOT_TRACE_VEL_OFFSET], 0.25f);
  a = read_defaults(PART_TRACE);
  EXPECT_EQ(a[SLOT_TRACE_VEL_OFFSET], 0.25f);
  for (CaseLink *s : {&s0, &s2}) {
    EXPECT_EQ(s->peer.recv(19), str("velocity offset"));
    EXPECT_TRUE(s->peer.quiet(100));
  }
  EXPECT_EQ(a[SLOT_TRACE_START_TIME], 0.0f);
  EXPECT_EQ(a[SLOT_TRACE_TOTAL_TIME], 100.0f);
}

TEST_F(Attributes, ComputedAndVariableDefaults) {
  auto c = read_defaults(PART_CONTOUR);
  EXPECT_EQ(c[SLOT_CREATE_VARIABLE], 1.0f);  // no active variable
  part_type_defaults(PART_ISOSURFACE)[SLOT_CREATE_VARTYPE] = 1;
  update_partdefaults(1, 7);
  EXPECT_EQ(part_type_defaults(PART_ISOSURFACE)[SLOT_CREATE_VARIABLE], 7.0f);
  EXPECT_EQ(part_type_defaults(PART_TRACE)[SLOT_CREATE_VARIABLE], 7.0f);
  EXPECT_EQ(part_type_defaults(PART_ARROW)[SLOT_CREATE_VARIABLE], 7.0f);
  EXPECT_EQ(part_type_defaults(PART_ELEVATED)[SLOT_CREATE_VARIABLE], -1.0f);
  std::vector<float> a(PART_ATTR_SLOTS, 5.0f);
  part_attributes(-1, PART_CUT, a.data(), nullptr, nullptr, nullptr, 0);  // no record of its own
  EXPECT_EQ(a[0], 5.0f);
}

TEST_F(Attributes, PartsReadAndWrittenWithGroupsNamesAndViewportMasks) {
  fill_parts(sample_parts());
  float a[PART_ATTR_SLOTS];
  char desc[PART_NAME_TEXT];
  char *creation = nullptr;
  part_by_number(21)->attributes[SLOT_LINE_WIDTH] = 5.0f;
  ASSERT_EQ(part_attributes(20, 0, a, nullptr, desc, &creation, 0), 1);
  EXPECT_EQ(a[SLOT_LINE_WIDTH], 5.0f);  // the first member's block
  EXPECT_STREQ(desc, "body");
  EXPECT_EQ(part_attributes(99, 0, a, nullptr, desc, &creation, 0), -1);

  int in_use[MAX_VIEWPORTS];
  for (int v = 0; v < MAX_VIEWPORTS; v++) {
    in_use[v] = Viewports[v].in_use;
    Viewports[v].in_use = v < 2;
  }
  ASSERT_EQ(part_attributes(7, 0, a, nullptr, desc, &creation, 0), 1);
  part_by_number(7)->attributes[SLOT_VIEWPORT_VIS] = 0xf0f3;
  a[SLOT_VIEWPORT_VIS] = 0;
  strcpy(desc, "door");  // another case's name stays, this case's "door" is taken
  char *made = strdup("made from 1..4");
  Rebuild_part_list = 0;
  ASSERT_EQ(part_attributes(7, 0, a, nullptr, desc, &made, 1), 1);
  free(made);
  EXPECT_EQ(part_by_number(7)->attributes[SLOT_VIEWPORT_VIS], (float)0xf0f0);
  EXPECT_EQ(Rebuild_part_list, 1);
  EXPECT_NE(std::string(part_by_number(7)->name), "door");
  EXPECT_EQ(std::string(part_by_number(7)->name).rfind("door ->> ", 0), 0u);
  ASSERT_EQ(part_attributes(7, 0, a, nullptr, desc, &creation, 0), 1);
  ASSERT_NE(creation, nullptr);
  EXPECT_STREQ(creation, "made from 1..4");
  free(creation);
  for (int v = 0; v < MAX_VIEWPORTS; v++) Viewports[v].in_use = in_use[v];

  fix_not_loaded(7);
  EXPECT_EQ(part_by_number(7)->attributes[SLOT_ELT_REP], 4.0f);
  EXPECT_STREQ(part_by_number(7)->creation_desc, "made from 1..4");
}
