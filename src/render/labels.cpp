// Id labels (see labels.h).  Each exchange is read to its end before
// anything else is written to the channel, whatever fits or is stored.
#include "render/labels.h"

#include "state/bkup_words.h"

#include <GL/gl.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "client/alloc_gate.h"
#include "client/ccp.h"
#include "client/conect.h"
#include "client/interf_settings.h"
#include "client/screen.h"
#include "parts/attribute.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/vector_print.h"
#include "variables/variables.h"
#include "view/viewports.h"

namespace {

const int Chunk_rows = 1000;  // labels per chunk the server sends at most

float Node_label_rgb[3] = {1, 1, 1};
float Elem_label_rgb[3] = {1, 1, 1};
float Part_label_rgb[3] = {1, 1, 1};
Label_filter_rec Node_label_filter = {0, 1, 1000000};
Label_filter_rec Elem_label_filter = {0, 1, 1000000};

void reset_values() {
  for (float *c : {Node_label_rgb, Elem_label_rgb, Part_label_rgb}) c[0] = c[1] = c[2] = 1.0f;
  Node_label_filter = Elem_label_filter = {0, 1, 1000000};
}

// Display 1's context while two displays are in use (the lists live there).
struct Label_context {
  bool switched = false;
  Label_context() {
    if (Dpy_cnt > 1 && Dpy_current == 0) {
      int code = 0, one = 1;
      Dpy_current = 1;
      gwin_gl_curwin(&code, 1, &one);
      switched = true;
    }
  }
  ~Label_context() {
    if (!switched) return;
    int code = 0, zero = 0;
    Dpy_current = 0;
    gwin_gl_curwin(&code, 1, &zero);
  }
};

void delete_list(unsigned int *list) {
  if (*list && glIsList(*list)) glDeleteLists(*list, 1);
  *list = 0;
}

// Starts compiling into *list: an existing list is replaced under its id.
void open_list(unsigned int *list) {
  if (*list && glIsList(*list))
    glDeleteLists(*list, 1);
  else
    *list = glGenLists(1);
  glNewList(*list, GL_COMPILE);
}

void label_text(int id) {
  char text[16];
  snprintf(text, sizeof text, "%d", id);
  gwin_print_string(text);
}

Part_rec *part_of(int number) {
  if (number <= 0 || number >= MAX_PART_NUMBER) return nullptr;
  int i = Part_cross[number];
  return i >= 0 && i < Num_p_loaded ? parts[i] : nullptr;
}

int server_variable(const Part_rec *p, int id) {
  if (id == -1) return -1;
  int row = variable_id_to_list(id);
  if (row < 0 || !Variables || p->case_index < 0 || p->case_index >= MAX_CASES) return -1;
  return Variables[row].server_id[p->case_index];
}

struct Kind {
  const char *keyword, *refused;
  int slot;
  const int *toggle;
  const Label_filter_rec *filter;
  bool node;
};
const Kind Node_kind = {"get node labels",
                        "Part requesting node labels does not exist or has no labels",
                        SLOT_LABEL_NODE, &Labnod, &Node_label_filter, true};
const Kind Elem_kind = {"get elem labels",
                        "Part requesting element labels does not exist or has no labels",
                        SLOT_LABEL_ELT, &Labele, &Elem_label_filter, false};

unsigned int *list_of(Part_rec *p, const Kind &k) {
  return k.node ? &p->node_label_list : &p->elem_label_list;
}

// Sends the request; 1 when the server has the part's labels and the
// display values were sent, 0 when it refused, -1 when the channel failed.
int request(const Part_rec *p, const Kind &k) {
  const int ch = Isockt[p->case_index];
  const float *a = p->attributes;
  int ok1 = 0, ok2 = 0;
  if (ccsstr(ch, k.keyword, 15) < 0 || ccsint(ch, p->copy_of ? p->copy_of : p->number) < 0 ||
      ccrint(ch, 1, &ok1) < 0 || ccrint(ch, 1, &ok2) < 0)
    return -1;
  if (!ok1 || !ok2) return 0;
  if (k.node && ccsint(ch, our_rint(a[SLOT_ELT_REP])) < 0) return -1;
  if (ccsint(ch, server_variable(p, our_rint(a[SLOT_DISPLACE_BY]))) < 0 ||
      ccsflt(ch, a[SLOT_DISPLACE_FACTOR]) < 0)
    return -1;
  if (k.node && ccsflt(ch, a[SLOT_SHRINK]) < 0) return -1;
  return 1;
}

// The chunk buffers, kept for the program's life once had.
float *Positions = nullptr;
float *Position_rows[Chunk_rows];
int Ids[Chunk_rows];

bool buffers() {
  if (Positions) return true;
  Positions = static_cast<float *>(gate_calloc(3 * Chunk_rows, sizeof(float)));
  if (!Positions) {
    report_alloc_failure(__LINE__, "labels", "D2FASTCALLOC");
    return false;
  }
  for (int i = 0; i < Chunk_rows; i++) Position_rows[i] = Positions + 3 * i;
  return true;
}

// Reads the chunked reply to its end, handing each shown label to `shown`
// (first: true for the first label of the reply's first chunk); false when
// a chunk did not fit or could not be read or stored (then nothing of the
// reply may be used).
template <typename Shown, typename First>
bool read_reply(int ch, const Label_filter_rec &filter, bool have_buffers, Shown shown,
                First first_chunk) {
  bool sound = true, started = false;
  float spare_row[3];
  float *spare[1] = {spare_row};
  for (;;) {
    int n = 0;
    if (ccrint(ch, 1, &n) < 0) return false;
    if (n == 0) break;
    if (n < 0) return false;  // no count to read past: the channel is out of step
    if (n > Chunk_rows || !have_buffers) {
      // Not stored: both values are drained by reads of another shape.
      sound = false;
      int got = 0, id = 0;
      ccrfl2(ch, 1, spare, 1, 3);
      ccrinn(ch, 1, &id, 1, &got);
      continue;
    }
    if (ccrfl2(ch, 1, Position_rows, n, 3) < 0) return false;
    int got = 0;
    if (ccrinn(ch, 1, Ids, Chunk_rows, &got) < 0) return false;
    if (!sound) continue;
    if (!started) {
      started = true;
      first_chunk();
    }
    for (int i = 0; i < got && i < n; i++)
      if (label_filter_shows(filter, Ids[i])) shown(Position_rows[i], Ids[i]);
  }
  return sound;
}

void build_ids(int number, const Kind &k) {
  Part_rec *p = part_of(number);
  if (!p || p->node_count <= 0) return;
  Label_context context;
  unsigned int *list = list_of(p, k);
  const int rep = our_rint(p->attributes[SLOT_ELT_REP]);
  if (rep == ELT_REP_NOT_LOADED || rep == ELT_REP_BOUNDING_BOX || our_rint(p->attributes[k.slot]) == 0 ||
      !*k.toggle) {
    delete_list(list);
    return;
  }
  if (!k.node && rep != ELT_REP_FULL && rep != 0) {
    disperr("Part must be in full representation mode to have element labels");
    p->attributes[k.slot] = 0;
    delete_list(list);  // a list that stayed would still be drawn
    return;
  }
  int r = request(p, k);
  if (r == 0) {
    disperr(k.refused);
    p->attributes[k.slot] = 0;
    delete_list(list);
    return;
  }
  if (r < 0) return;
  // The list is compiled into a scratch id and replaces the part's list only
  // when the whole reply was sound.
  const int ch = Isockt[p->case_index];
  unsigned int scratch = 0;
  bool compiled = read_reply(
      ch, *k.filter, buffers(),
      [](const float *xyz, int id) {
        glRasterPos3f(xyz[0], xyz[1], xyz[2]);
        label_text(id);
      },
      [&] {
        scratch = glGenLists(1);
        glNewList(scratch, GL_COMPILE);
      });
  if (scratch) glEndList();
  if (!compiled) {
    if (scratch) glDeleteLists(scratch, 1);
    disperr("Labels of the part could not be read whole; none are shown");
    return;
  }
  if (!scratch) return;  // no chunk: the earlier list stays
  if (*list && glIsList(*list)) glDeleteLists(*list, 1);
  *list = scratch;
}

void print_ids(int number, const Kind &k) {
  Part_rec *p = part_of(number);
  if (!p || p->node_count <= 0) return;
  const int rep = our_rint(p->attributes[SLOT_ELT_REP]);
  if (rep == ELT_REP_NOT_LOADED || our_rint(p->attributes[k.slot]) == 0 || !*k.toggle ||
      !*list_of(p, k))
    return;
  if (request(p, k) != 1) return;  // a refusal ends the exchange
  read_reply(
      Isockt[p->case_index], *k.filter, buffers(),
      [](const float *xyz, int id) {
        glRasterPos3f(xyz[0], xyz[1], xyz[2]);
        char text[16];
        snprintf(text, sizeof text, "%d", id);
        vekText(text, 0);
      },
      [] {});
}

void filters(Label_filter_rec &f, const Kind &k, int *low, int *high, int *type, int mode) {
  if (mode == 0) {
    *low = f.low;
    *high = f.high;
    *type = f.type;
    return;
  }
  if (mode != 1) return;
  f = {*type, *low, *high};
  if (*k.toggle) {
    for (int i = 0; i < Num_p_loaded; i++) {
      Part_rec *p = parts[i];
      if (!p || !p->attributes || our_rint(p->attributes[k.slot]) == 0) continue;
      {
        Label_context context;
        delete_list(list_of(p, k));
      }
      k.node ? build_node_nums(p->number) : build_elem_nums(p->number);
    }
  }
  if (Num_active_viewports == 1)
    display_all();
  else
    viewports_display_all();
}

}  // namespace

bool label_filter_shows(const Label_filter_rec &f, int id) {
  if (id == -1) return false;
  switch (f.type) {
    case LABEL_THRESHOLD_LOW: return id >= f.low;
    case LABEL_THRESHOLD_BAND: return id <= f.low || id >= f.high;
    case LABEL_THRESHOLD_HIGH: return id <= f.high;
    case LABEL_THRESHOLD_LOW_HIGH: return id >= f.low && id <= f.high;
    default: return true;
  }
}

void build_node_nums(int number) { build_ids(number, Node_kind); }
void build_elem_nums(int number) { build_ids(number, Elem_kind); }
void print_node_nums(int number) { print_ids(number, Node_kind); }
void print_elem_nums(int number) { print_ids(number, Elem_kind); }

void build_part_label(int number) {
  Part_rec *p = part_of(number);
  if (!p || p->node_count <= 0 || !p->coords) return;
  if (our_rint(p->attributes[SLOT_ELT_REP]) == ELT_REP_NOT_LOADED ||
      p->attributes[SLOT_LABEL_PART] == 0.0f || !Labprt)
    return;
  double sum[3] = {0, 0, 0};
  for (int n = 1; n <= p->node_count; n++)
    for (int i = 0; i < 3; i++) sum[i] += p->coords[n][i];
  Label_context context;
  open_list(&p->part_label_list);
  glRasterPos3f((float)(sum[0] / p->node_count), (float)(sum[1] / p->node_count),
                (float)(sum[2] / p->node_count));
  char text[32];
  snprintf(text, sizeof text, "Part %d", p->number);
  gwin_print_string(text);
  glEndList();
}

void node_label_filters(int *low, int *high, int *type, int mode) {
  filters(Node_label_filter, Node_kind, low, high, type, mode);
}
void elem_label_filters(int *low, int *high, int *type, int mode) {
  filters(Elem_label_filter, Elem_kind, low, high, type, mode);
}

void setlabel_color(const float node[3], const float element[3], const float part[3]) {
  memcpy(Node_label_rgb, node, sizeof Node_label_rgb);
  memcpy(Elem_label_rgb, element, sizeof Elem_label_rgb);
  memcpy(Part_label_rgb, part, sizeof Part_label_rgb);
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    if (p && (p->node_label_list || p->elem_label_list || p->part_label_list)) {
      if (Num_active_viewports == 1)
        display_all();
      else
        viewports_display_all();
      return;
    }
  }
}

void getlabel_color(float node[3], float element[3], float part[3]) {
  memcpy(node, Node_label_rgb, sizeof Node_label_rgb);
  memcpy(element, Elem_label_rgb, sizeof Elem_label_rgb);
  memcpy(part, Part_label_rgb, sizeof Part_label_rgb);
}

int labels_bkup(FILE *fp, int mode) {
  float *colours[3] = {Node_label_rgb, Elem_label_rgb, Part_label_rgb};
  Label_filter_rec *f[2] = {&Node_label_filter, &Elem_label_filter};
  if (mode == 0 || mode == 5) {
    bool ok = fp != nullptr;
    float version = 10.0f;
    uint32_t w;
    memcpy(&w, &version, 4);
    ok = ok && bkup_put_word(fp, w);
    for (int c = 0; ok && c < 9; c++) {
      memcpy(&w, &colours[c / 3][c % 3], 4);
      ok = bkup_put_word(fp, w);
    }
    for (int k = 0; ok && k < 6; k++) {
      const int v[3] = {f[k / 3]->type, f[k / 3]->low, f[k / 3]->high};
      ok = bkup_put_word(fp, (uint32_t)v[k % 3]);
    }
    if (!ok) {
      perror("labels_bkup:");
      return -1;
    }
    return 1;
  }
  if (mode == 2 || mode == 6) {
    uint32_t w[15];
    // Three steps: version, the nine colours, the six filter ints; what
    // was stored before a failing step stays.
    if (!fp || !bkup_get_word(fp, &w[0])) {
      perror("labels_bkup:");
      return -1;
    }
    for (int c = 0; c < 9; c++)
      if (!bkup_get_word(fp, &w[c])) {
        perror("labels_bkup:");
        return -1;
      }
    for (int c = 0; c < 9; c++) memcpy(&colours[c / 3][c % 3], &w[c], 4);
    for (int k = 0; k < 6; k++)
      if (!bkup_get_word(fp, &w[k])) {
        perror("labels_bkup:");
        return -1;
      }
    for (int k = 0; k < 2; k++) *f[k] = {(int)w[3 * k], (int)w[3 * k + 1], (int)w[3 * k + 2]};
    return 1;
  }
  if (mode == 4) reset_values();
  return 1;
}
