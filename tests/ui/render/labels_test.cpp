// Node, element and part id labels against a scripted server peer: the
// exact request bytes, refusals, chunked replies through the filters into a
// GL list whose feedback holds one bitmap per shown id, replies that do not
// fit, and the archive section.
#include <GL/gl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "client/conect.h"
#include "client/screen.h"
#include "gl_window_suite.h"
#include "parts/attribute.h"
#include "peer.h"
#include "render/disobj.h"
#include "render/labels.h"
#include "test_parts.h"

namespace {

using qtest::Bytes;
using qtest::be32;
using qtest::operator+;

std::vector<std::string> Errors;
int record_error(const char *text, int) {
  Errors.push_back(text);
  return 1;
}
// A one-pixel bitmap per text, so that feedback shows each label drawn.
int bitmap_text(const char *) {
  const GLubyte dot = 0x80;
  glBitmap(1, 1, 0, 0, 1, 0, &dot);
  return 1;
}

// A chunk of n labels at the origin with these ids.
Bytes chunk(const std::vector<int> &ids) {
  Bytes b = be32((uint32_t)ids.size()) + be32((uint32_t)ids.size()) + be32(3);
  for (size_t i = 0; i < 3 * ids.size(); i++) b = b + be32(0);
  b = b + be32((uint32_t)ids.size());
  for (int id : ids) b = b + be32((uint32_t)id);
  return b;
}

std::vector<int> range(int from, int to) {
  std::vector<int> v;
  for (int i = from; i <= to; i++) v.push_back(i);
  return v;
}

class Labels : public qtest::GlWindowSuite<32, 32> {
 protected:
  void SetUp() override {
    GlWindowSuite::SetUp();
    if (HasFatalFailure()) return;
    ops_ = Screen_ops{};
    ops_.error = record_error;
    ops_.gl_text = bitmap_text;
    screen_install(&ops_);
    Errors.clear();
    link_ = qtest::make_link(qtest::SOCKET);
    ASSERT_TRUE(link_ && link_->ch >= 0);
    Isockt[0] = link_->ch;
    qtest::fill_parts({{4, 0, PART_MODEL, "body", -1, {}, false},
                       {9, 0, PART_MODEL, "copy", -1, {}, false}});
    qtest::set_mesh(0, {0, 0, 0, 3, 0, 0, 0, 3, 0}, {{1, 2, 3}});
    qtest::set_mesh(1, {0, 0, 0}, {});
    parts[1]->copy_of = 4;
    for (int i = 0; i < 2; i++) {
      float *a = parts[i]->attributes;
      a[SLOT_ELT_REP] = ELT_REP_FULL;
      a[SLOT_DISPLACE_BY] = -1;
      a[SLOT_LABEL_NODE] = a[SLOT_LABEL_ELT] = a[SLOT_LABEL_PART] = 1;
    }
    Labnod = Labele = Labprt = 1;
  }
  void TearDown() override {
    labels_bkup(nullptr, 4);
    Labnod = Labele = Labprt = 0;
    screen_install(nullptr);
    qtest::clear_parts();
    link_.reset();
  }
  // The request the peer read: keyword, part number, and `values` more ints.
  std::string request(int *number, std::vector<int32_t> *after, int values) {
    std::string keyword;
    Bytes k = link_->peer.recv(4 + 15, 2000);
    if (k.size() == 19) keyword.assign(k.begin() + 4, k.end());
    link_->peer.recv_int(number, 2000);
    for (int i = 0; i < values; i++) {
      int32_t v = 0;
      link_->peer.recv_int(&v, 2000);
      after->push_back(v);
    }
    return keyword;
  }
  // Bitmaps the list draws.
  static int bitmaps(unsigned int list) {
    std::vector<float> buf(100000);
    glFeedbackBuffer((GLsizei)buf.size(), GL_3D, buf.data());
    glRenderMode(GL_FEEDBACK);
    glCallList(list);
    int n = glRenderMode(GL_RENDER), count = 0;
    for (int k = 0; k < n;) {
      int token = (int)buf[k++];
      if (token == GL_BITMAP_TOKEN) count++;
      k += 3;
    }
    return count;
  }
  Screen_ops ops_;
  std::unique_ptr<qtest::Link> link_;
};

TEST_F(Labels, NodeLabelsExchangeAndFilter) {
  int low = 10, high = 20, type = LABEL_THRESHOLD_BAND;
  Labnod = 0;  // stored without a rebuild
  node_label_filters(&low, &high, &type, 1);
  Labnod = 1;
  ASSERT_TRUE(link_->peer.send(be32(1) + be32(1) + chunk(range(1, 1000)) +
                               chunk({-1, 11, 19, 10, 20}) + be32(0)));
  build_node_nums(4);
  int number = 0;
  std::vector<int32_t> after;
  EXPECT_EQ(request(&number, &after, 4), "get node labels");
  EXPECT_EQ(number, 4);
  EXPECT_EQ(after[0], ELT_REP_FULL);
  EXPECT_EQ(after[1], -1);
  ASSERT_NE(parts[0]->node_label_list, 0u);
  EXPECT_EQ(bitmaps(parts[0]->node_label_list), 1000 - 9 + 2);
  EXPECT_TRUE(Errors.empty());

  // A first count of 0 keeps the earlier list.
  const unsigned int kept = parts[0]->node_label_list;
  ASSERT_TRUE(link_->peer.send(be32(1) + be32(1) + be32(0)));
  build_node_nums(4);
  EXPECT_EQ(parts[0]->node_label_list, kept);
  EXPECT_EQ(bitmaps(kept), 993);
}

TEST_F(Labels, RefusalsAndRepresentation) {
  struct Case {
    const char *what;
    int part, slot;
    float representation;
    Bytes reply;
    const char *error;
    bool asked;
  } cases[] = {
      {"no such part", 4, SLOT_LABEL_NODE, ELT_REP_FULL, be32(0) + be32(0),
       "Part requesting node labels does not exist or has no labels", true},
      {"border elements", 4, SLOT_LABEL_ELT, ELT_REP_BORDER, {},
       "Part must be in full representation mode to have element labels", false},
  };
  for (const Case &c : cases) {
    parts[0]->attributes[SLOT_ELT_REP] = c.representation;
    parts[0]->attributes[c.slot] = 1;
    unsigned int &list =
        c.slot == SLOT_LABEL_NODE ? parts[0]->node_label_list : parts[0]->elem_label_list;
    list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glEndList();
    if (!c.reply.empty()) {
      ASSERT_TRUE(link_->peer.send(c.reply));
    }
    Errors.clear();
    c.slot == SLOT_LABEL_NODE ? build_node_nums(c.part) : build_elem_nums(c.part);
    ASSERT_EQ(Errors.size(), 1u) << c.what;
    EXPECT_NE(Errors[0].find(c.error), std::string::npos) << c.what;
    EXPECT_EQ(parts[0]->attributes[c.slot], 0.0f) << c.what;
    EXPECT_EQ(list, 0u) << c.what << ": an old list would still be drawn";
    if (c.asked) {
      int number;
      std::vector<int32_t> none;
      EXPECT_EQ(request(&number, &none, 0), "get node labels");
    }
    EXPECT_TRUE(link_->peer.quiet(100)) << c.what << ": nothing more is sent";
  }
}

TEST_F(Labels, AReplyThatDoesNotFitIsReadWholeAndCompilesNothing) {
  // 1,001 labels in one chunk, then a proper one: nothing compiled, the
  // channel still in step for the next request.
  ASSERT_TRUE(link_->peer.send(be32(1) + be32(1) + chunk(range(1, 1001)) + chunk({5}) + be32(0)));
  build_node_nums(4);
  EXPECT_EQ(parts[0]->node_label_list, 0u);
  EXPECT_EQ(Errors.size(), 1u);
  int number;
  std::vector<int32_t> after;
  request(&number, &after, 2);
  link_->peer.recv(8, 2000);  // the two floats
  ASSERT_TRUE(link_->peer.send(be32(1) + be32(1) + chunk({7}) + be32(0)));
  build_node_nums(4);
  ASSERT_NE(parts[0]->node_label_list, 0u);
  EXPECT_EQ(bitmaps(parts[0]->node_label_list), 1);
}

TEST_F(Labels, CopiesAskWithTheirOriginalAndThePrintFormStopsAtARefusal) {
  ASSERT_TRUE(link_->peer.send(be32(1) + be32(1) + chunk({1}) + be32(0)));
  build_node_nums(9);
  int number = 0;
  std::vector<int32_t> after;
  EXPECT_EQ(request(&number, &after, 2), "get node labels");
  EXPECT_EQ(number, 4);
  link_->peer.recv(8, 2000);
  ASSERT_NE(parts[1]->node_label_list, 0u);

  ASSERT_TRUE(link_->peer.send(be32(0) + be32(0)));
  print_node_nums(9);
  after.clear();
  request(&number, &after, 0);
  EXPECT_TRUE(link_->peer.quiet(100)) << "no values after a refusal";
}

TEST_F(Labels, PartLabelAtTheMeanOfItsNodes) {
  build_part_label(4);
  ASSERT_NE(parts[0]->part_label_list, 0u);
  glMatrixMode(GL_PROJECTION);
  glOrtho(0, 32, 0, 32, -1, 1);
  std::vector<float> buf(100);
  glFeedbackBuffer((GLsizei)buf.size(), GL_3D, buf.data());
  glRenderMode(GL_FEEDBACK);
  glCallList(parts[0]->part_label_list);
  int n = glRenderMode(GL_RENDER);
  ASSERT_GE(n, 4);
  EXPECT_EQ((int)buf[0], GL_BITMAP_TOKEN);
  EXPECT_FLOAT_EQ(buf[1], 1.0f);
  EXPECT_FLOAT_EQ(buf[2], 1.0f);
}

TEST_F(Labels, TheArchiveSectionRoundTrips) {
  const float node[3] = {0.1f, 0.2f, 0.3f}, elem[3] = {0.4f, 0.5f, 0.6f},
              part[3] = {0.7f, 0.8f, 0.9f};
  setlabel_color(node, elem, part);
  int low = 10, high = 20, type = 2;
  Labele = 0;
  elem_label_filters(&low, &high, &type, 1);
  FILE *fp = tmpfile();
  ASSERT_TRUE(fp);
  EXPECT_EQ(labels_bkup(fp, 0), 1);
  EXPECT_EQ(ftell(fp), 64);
  rewind(fp);
  unsigned char head[4];
  ASSERT_EQ(fread(head, 1, 4, fp), 4u);
  EXPECT_EQ(head[0], 0x41);  // 10.0f big-endian
  EXPECT_EQ(head[1], 0x20);
  EXPECT_EQ(labels_bkup(nullptr, 4), 1);
  float got[3][3];
  getlabel_color(got[0], got[1], got[2]);
  EXPECT_EQ(got[2][0], 1.0f);
  elem_label_filters(&low, &high, &type, 0);
  EXPECT_EQ(type, 0);
  EXPECT_EQ(low, 1);
  EXPECT_EQ(high, 1000000);
  rewind(fp);
  EXPECT_EQ(labels_bkup(fp, 2), 1);
  getlabel_color(got[0], got[1], got[2]);
  EXPECT_FLOAT_EQ(got[1][1], 0.5f);
  EXPECT_FLOAT_EQ(got[2][2], 0.9f);
  elem_label_filters(&low, &high, &type, 0);
  EXPECT_EQ(type, 2);
  EXPECT_EQ(low, 10);
  EXPECT_EQ(high, 20);
  fclose(fp);
}

TEST(LabelFilter, ShownIds) {
  struct Case {
    Label_filter_rec f;
    std::vector<int> shown, hidden;
  } cases[] = {
      {{LABEL_THRESHOLD_BAND, 10, 20}, {9, 10, 20, 21}, {11, 19, -1}},
      {{LABEL_THRESHOLD_LOW_HIGH, 10, 20}, {10, 15, 20}, {9, 21}},
      {{LABEL_THRESHOLD_LOW, 5, 0}, {5, 6}, {4}},
      {{LABEL_THRESHOLD_HIGH, 0, 5}, {5, 4}, {6}},
      {{7, 10, 20}, {0, 15, 100}, {-1}},
  };
  for (const Case &c : cases) {
    for (int id : c.shown) EXPECT_TRUE(label_filter_shows(c.f, id)) << c.f.type << " " << id;
    for (int id : c.hidden) EXPECT_FALSE(label_filter_shows(c.f, id)) << c.f.type << " " << id;
  }
}

}  // namespace
