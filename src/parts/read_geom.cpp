// Part discovery, extents and geometry transfer (see read.h).
// Where the plain rule would fail, this module does the sound thing:
// - discovery refuses, with a message, a 5001st record, a part number
//   outside 1..4999 and a number that already has a record, and reads on so
//   that the stream stays in step; it advances Part_cross and the counts
//   only once the record exists; the name is read bounded, 49 characters
//   kept;
// - the replies of "minm_many" and "loadp_many" are checked against n, m,
//   N, E and L: an array of another length, an empty coordinate array, a
//   negative count, a connectivity block past E or L, a start position
//   outside 0..L, or connectivity that falls short of E or L is a broken
//   reply: the case's channel is closed as broken, with a message, and the
//   parts that reply was filling keep no half-read geometry (node count 0);
// - "loadp_many" sends every server the parts' own slot-33 values, not what
//   the previous server returned.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/conect.h"
#include "client/screen.h"
#include "parts/attribute.h"
#include "parts/periodic.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "variables/variables.h"

static float Max_file_size[MAX_CASES];  // per case, the server's answer once it was not 0
static const int NAME_READ = 4096;  // longest part name read whole (49 characters are kept)

static bool connected(int c) { return Case_info[c].active && Online[c + 1]; }

// Closes a case's channel after a reply that cannot be trusted.
static void channel_broken(int c, const char *request, const char *what) {
  char text[300];
  snprintf(text, sizeof text, "The server of case %d sent a bad \"%s\" reply (%s); its link is closed.",
           c + 1, request, what);
  fprintf(stderr, "E> %s\n", text);
  disperr(text);
  connect_stop_server(c, 0);
}

// ---- discovery --------------------------------------------------------------------------

// One entry of "part info": the part number and its name, read bounded.
// 0 read (name holds at most 49 characters), -1 the link failed.
int part_info_entry(int ch, int *number, char name[PART_NAME_USED]) {
  if (ccrint(ch, 1, number) != 0) return -1;
  static char buf[NAME_READ];
  int len = 0;
  memset(name, 0, PART_NAME_USED);
  int r = ccrstr(ch, 1, buf, NAME_READ, &len);
  if (r != 0 && len <= NAME_READ) return -1;
  if (r != 0) {
    fprintf(stderr, "W> Part %d: its name of %d bytes was dropped.\n", *number, len);
    return 0;
  }
  memcpy(name, buf, len < PART_NAME_USED - 1 ? len : PART_NAME_USED - 1);
  return 0;
}

void create_all_parts() {
  int c = Case_num;
  int ch = Isockt[c];
  int n = 0;
  if (ccsstr(ch, "part info", 9) != 0 || ccrint(ch, 1, &n) != 0) {
    channel_broken(c, "part info", "no answer");
    return;
  }
  if (n < 0) {
    channel_broken(c, "part info", "negative part count");
    return;
  }
  int *periodic = nullptr, nperiodic = 0, periodic_frame = -1;
  if (n > 0) {
    periodic = static_cast<int *>(malloc(sizeof(int) * (size_t)n));
    if (!periodic) report_alloc_failure(__LINE__, "read", "create_all_parts - ppart");
  }
  for (int k = 0; k < n; k++) {
    int p = 0;
    char name[PART_NAME_USED];
    if (part_info_entry(ch, &p, name) != 0) {
      channel_broken(c, "part info", "the part list ended early");
      break;
    }
    if (p < 1 || p >= MAX_PART_NUMBER) {
      fprintf(stderr, "E> Part info: part number %d is outside 1..%d; not made.\n", p,
              MAX_PART_NUMBER - 1);
      continue;
    }
    if (Part_cross[p] != -1) {
      fprintf(stderr, "E> Part info: part number %d is reported again; skipped.\n", p);
      continue;
    }
    if (Num_p_loaded >= MAX_PARTS) {
      fprintf(stderr, "E> Part info: the part table is full (%d parts); part %d not made.\n",
              MAX_PARTS, p);
      continue;
    }
    int i = Num_p_loaded;
    Part_rec *rec = static_cast<Part_rec *>(calloc(1, sizeof(Part_rec)));
    if (!rec) {
      printf("Could not allocate memory for a part... you are hosed!\n");
      continue;
    }
    parts[i] = rec;
    parts[i + 1] = nullptr;
    rec->case_index = c;
    rec->group = 0;
    rec->parent_group = -1;
    rec->number = p;
    rec->structured = 0;
    part_alloc_variable_tables(rec, 0);
    newattribute(i, PART_MODEL);
    rec->type = PART_MODEL;
    modify_partname_to_be_unique(name, i);
    snprintf(rec->name, PART_NAME_USED, "%s", name);
    rec->name[PART_NAME_USED - 1] = '\0';
    if (rec->attributes) {
      int mask = 0xffff;
      parts_visible_by_case(c, &mask, 0);
      rec->attributes[SLOT_VIEWPORT_VIS] = (float)mask;
    }
    Part_cross[p] = i;
    Num_p_loaded++;
    Num_parts_cases[c]++;
    Num_p_partlist++;
    int frame = -1;
    if (part_frame_periodic_check(p, &frame) != -1 && periodic) {
      periodic[nperiodic++] = p;
      periodic_frame = frame;
    }
  }
  if (Num_parts_cases[c] > 0) {
    std::vector<int> numbers;
    for (int i = 0; i < Num_p_loaded; i++)
      if (parts[i]->case_index == c && !parts[i]->group) numbers.push_back(parts[i]->number);
    many_parts_minmax((int)numbers.size(), numbers.data());
  }
  if (nperiodic > 0) do_periodicity(periodic_frame, nperiodic, periodic);
  free(periodic);
}

// ---- extents ----------------------------------------------------------------------------

void part_minmax(int n, int *nodes, float *xmin, float *xmax, float *ymin, float *ymax,
                 float *zmin, float *zmax) {
  Part_rec *p = part_by_number(n);
  if (!p) return;
  int c = p->case_index;
  int ch = Isockt[c];
  int status = 0;
  if (ccsint(ch, n) != 0 || ccrint(ch, 1, &status) != 0) {
    channel_broken(c, "minm", "no answer");
    return;
  }
  if (status != 0) {
    printf("attempt to get minmax info on part not found\n");
    return;
  }
  int count;
  float v[6];
  if (ccrint(ch, 1, &count) != 0 || ccrflt(ch, 1, &v[0]) != 0 || ccrflt(ch, 1, &v[1]) != 0 ||
      ccrflt(ch, 1, &v[2]) != 0 || ccrflt(ch, 1, &v[3]) != 0 || ccrflt(ch, 1, &v[4]) != 0 ||
      ccrflt(ch, 1, &v[5]) != 0) {
    channel_broken(c, "minm", "the answer ended early");
    return;
  }
  if (count < 0) {
    channel_broken(c, "minm", "negative node count");
    return;
  }
  *nodes = count;
  *xmin = v[0];
  *xmax = v[1];
  *ymin = v[2];
  *ymax = v[3];
  *zmin = v[4];
  *zmax = v[5];
}

// An array of exactly n values through the receive primitive recv (ccrinn
// or ccrfln); false (and the reason) otherwise.
template <typename T>
static bool read_exact(int ch, T *out, int n, const char **why,
                       int (*recv)(int, int, T *, int, int *)) {
  int got = 0;
  if (recv(ch, 1, out, n, &got) != 0) {
    *why = got > n ? "an array longer than announced" : "the answer ended early";
    return false;
  }
  if (got != n) {
    *why = "an array shorter than announced";
    return false;
  }
  return true;
}

static bool read_ints_exact(int ch, int *out, int n, const char **why) {
  return read_exact(ch, out, n, why, ccrinn);
}

static bool read_floats_exact(int ch, float *out, int n, const char **why) {
  return read_exact(ch, out, n, why, ccrfln);
}

void many_parts_minmax(int n, const int *numbers) {
  if (n <= 0) return;
  std::vector<int> status(n), nodes(n);
  std::vector<float> ext(6 * (size_t)n);
  bool sent[MAX_CASES] = {false};
  for (int c = 0; c < MAX_CASES; c++) {
    if (!connected(c)) continue;
    int ch = Isockt[c];
    if (ccsstr(ch, "minm_many", 9) != 0 || ccsint(ch, n) != 0 || ccsinn(ch, numbers, n) != 0) {
      channel_broken(c, "minm_many", "the request could not be sent");
      continue;
    }
    sent[c] = true;
  }
  for (int c = 0; c < MAX_CASES; c++) {
    if (!sent[c]) continue;
    int ch = Isockt[c];
    const char *why = nullptr;
    bool ok = read_ints_exact(ch, status.data(), n, &why) && read_ints_exact(ch, nodes.data(), n, &why);
    for (int k = 0; ok && k < 6; k++) ok = read_floats_exact(ch, &ext[(size_t)k * n], n, &why);
    for (int j = 0; ok && j < n; j++)
      if (status[j] == 0 && nodes[j] < 0) {
        ok = false;
        why = "a negative node count";
      }
    if (!ok) {
      channel_broken(c, "minm_many", why);
      continue;
    }
    for (int j = 0; j < n; j++) {
      if (status[j] != 0) continue;
      Part_rec *p = part_by_number(numbers[j]);
      if (!p) continue;
      p->node_count = nodes[j];
      p->xmin = ext[j];
      p->xmax = ext[(size_t)n + j];
      p->ymin = ext[2 * (size_t)n + j];
      p->ymax = ext[3 * (size_t)n + j];
      p->zmin = ext[4 * (size_t)n + j];
      p->zmax = ext[5 * (size_t)n + j];
    }
  }
}

// ---- geometry transfer --------------------------------------------------------------------

namespace {

// One kept part of a "loadp_many" call.
struct Wanted {
  int number;
  int rep;       // slot 33, rounded
  int disp;      // slot 22, rounded (client variable id or -1)
  float factor;  // slot 23
  float angle;   // slot 34
};

// The reply of one server for the m parts.
struct Reply {
  std::vector<int> status, rep, nodes, elems, conn, structured;
  explicit Reply(int m) : status(m), rep(m), nodes(m), elems(m), conn(m), structured(m) {}
};

}  // namespace

// Reads the coordinates of one part: for x, y, z, float arrays that together
// hold exactly N values.  false and the reason on a bad array.
static bool read_coords(int ch, Part_rec *p, int N, std::vector<float> &buf, const char **why) {
  for (int comp = 0; comp < 3; comp++) {
    int start = 1;
    while (start <= N) {
      int room = N - start + 1, k = 0;
      int r = ccrfln(ch, 1, buf.data(), room, &k);
      if (r != 0) {
        *why = k > room ? "a coordinate array longer than announced" : "the answer ended early";
        return false;
      }
      if (k == 0) {
        *why = "an empty coordinate array";
        return false;
      }
      for (int q = 0; q < k; q++) p->coords[start + q][comp] = buf[q];
      start += k;
    }
  }
  return true;
}

// Reads the connectivity blocks of one part of E elements and L entries.
static bool read_connectivity(int ch, Part_rec *p, int E, int L, const char **why) {
  int e = 0, s = 0, marker = 0;
  if (ccrint(ch, 1, &marker) != 0) {
    *why = "the answer ended early";
    return false;
  }
  while (marker != 0) {
    int g = 0, h = 0;
    int r = ccrinn(ch, 1, p->elem_offsets + e, E - e, &g);
    if (r != 0) {
      *why = g > E - e ? "a connectivity block past the element count" : "the answer ended early";
      return false;
    }
    for (int q = 0; q < g; q++)
      if (p->elem_offsets[e + q] < 0 || p->elem_offsets[e + q] > L) {
        *why = "an element start outside the connectivity";
        return false;
      }
    r = ccrinn(ch, 1, L > 0 ? p->connectivity + s : nullptr, L - s, &h);
    if (r != 0) {
      *why = h > L - s ? "a connectivity block past L" : "the answer ended early";
      return false;
    }
    e += g;
    s += h;
    p->elem_offsets[e] = s;
    if (ccrint(ch, 1, &marker) != 0) {
      *why = "the answer ended early";
      return false;
    }
  }
  if (e != E || s != L) {
    *why = "connectivity shorter than announced";
    return false;
  }
  return true;
}

// One server's whole "loadp_many" exchange.  false when the reply was bad
// (the channel is then closed).
static void load_from_case(int c, const std::vector<Wanted> &want, std::vector<float> &buf) {
  int m = (int)want.size();
  int ch = Isockt[c];
  std::vector<int> numbers(m), reps(m), disps(m);
  std::vector<float> factors(m), angles(m);
  for (int j = 0; j < m; j++) {
    numbers[j] = want[j].number;
    reps[j] = want[j].rep;
    factors[j] = want[j].factor;
    angles[j] = want[j].angle;
    int id = want[j].disp;
    if (id != -1) {
      int row = variable_id_to_list(id);
      id = row >= 0 ? Variables[row].server_id[c] : -1;
    }
    disps[j] = id;
  }
  if (ccsstr(ch, "loadp_many", 10) != 0 || ccsint(ch, m) != 0 ||
      ccsinn(ch, numbers.data(), m) != 0 || ccsinn(ch, reps.data(), m) != 0 ||
      ccsinn(ch, disps.data(), m) != 0 || ccsfln(ch, factors.data(), m) != 0 ||
      ccsfln(ch, angles.data(), m) != 0) {
    channel_broken(c, "loadp_many", "the request could not be sent");
    return;
  }
  Reply r(m);
  const char *why = nullptr;
  bool ok = read_ints_exact(ch, r.status.data(), m, &why) && read_ints_exact(ch, r.rep.data(), m, &why) &&
            read_ints_exact(ch, r.nodes.data(), m, &why) && read_ints_exact(ch, r.elems.data(), m, &why) &&
            read_ints_exact(ch, r.conn.data(), m, &why) &&
            read_ints_exact(ch, r.structured.data(), m, &why);
  for (int j = 0; ok && j < m; j++)
    if (r.status[j] == 0 && (r.nodes[j] < 0 || r.elems[j] < 0 || r.conn[j] < 0)) {
      ok = false;
      why = "a negative count";
    }
  if (!ok) {
    channel_broken(c, "loadp_many", why);
    return;
  }
  // Counts first, arrays grown once to their final sizes.
  std::vector<char> delivered(m, 0);
  int largest = 0;
  for (int j = 0; j < m; j++) {
    Part_rec *p = part_by_number(want[j].number);
    bool here = r.status[j] == 0 && r.nodes[j] != 0;
    if (!here) {
      if (p && p->case_index == c) p->node_count = 0;
      continue;
    }
    delivered[j] = 1;
    if (r.nodes[j] + 1 > largest) largest = r.nodes[j] + 1;
    if (!p) continue;
    int i = Part_cross[p->number];
    int N = r.nodes[j], E = r.elems[j], L = r.conn[j];
    resize_part_array(i, PA_COORDS, N + 1, 0);
    resize_part_array(i, PA_OFFSETS, E + 1, 0);
    if (L != 0) resize_part_array(i, PA_CONNECT, L, 0);
    if (p->cap[PA_COORDS] < N + 1 || p->cap[PA_OFFSETS] < E + 1 || (L && p->cap[PA_CONNECT] < L)) {
      // Memory ran out: the rest of the reply cannot be stored; the link is
      // given up rather than left out of step.
      delivered[j] = 2;
      continue;
    }
    p->node_count = N;
    p->element_count = E;
    p->structured = r.structured[j] ? 1 : 0;
  }
  if ((int)buf.size() < largest) buf.resize((size_t)largest);
  bool fine = true;
  for (int j = 0; j < m && fine; j++) {
    if (delivered[j] != 1) {
      if (delivered[j] == 2) {
        fine = false;
        why = "no memory for its geometry";
      }
      continue;
    }
    Part_rec *p = part_by_number(want[j].number);
    if (!p) {
      fine = false;
      why = "a part without a record";
      break;
    }
    fine = read_coords(ch, p, r.nodes[j], buf, &why);
  }
  for (int j = 0; j < m && fine; j++) {
    if (delivered[j] != 1) continue;
    Part_rec *p = part_by_number(want[j].number);
    fine = read_connectivity(ch, p, r.elems[j], r.conn[j], &why);
  }
  if (!fine) {
    for (int j = 0; j < m; j++) {
      Part_rec *p = part_by_number(want[j].number);
      if (delivered[j] && p) {
        p->node_count = 0;
        p->element_count = 0;
      }
    }
    channel_broken(c, "loadp_many", why);
  }
}

int load_many_parts(const int *numbers, int n) {
  std::vector<Wanted> want;
  for (int k = 0; k < n; k++) {
    const Part_rec *p = part_by_number(numbers[k]);
    if (!p || !p->attributes) continue;
    const float *a = p->attributes;
    int rep = our_rint(a[SLOT_ELT_REP]);
    if (rep == ELT_REP_NOT_LOADED) continue;
    want.push_back({p->number, rep, our_rint(a[SLOT_DISPLACE_BY]), a[SLOT_DISPLACE_FACTOR],
                    a[SLOT_FEATURE_ANGLE]});
  }
  if (want.empty()) return 1;
  std::vector<float> buf;
  for (int c = 0; c < MAX_CASES; c++)
    if (connected(c)) load_from_case(c, want, buf);
  return 1;
}

int load_part(int n) {
  load_many_parts(&n, 1);
  return 1;
}

void fix_not_loaded(int n) {
  float a[PART_ATTR_SLOTS];
  char desc[PART_NAME_TEXT];
  char *creation = nullptr;
  if (part_attributes(n, 0, a, nullptr, desc, &creation, 0) == 1) {
    a[SLOT_ELT_REP] = ELT_REP_NOT_LOADED;
    part_attributes(n, 0, a, nullptr, desc, &creation, 1);
  }
  free(creation);
}

float get_server_maxfilesize() {
  int c = Case_num;
  if (c < 0 || c >= MAX_CASES) return 0;
  if (Max_file_size[c] != 0) return Max_file_size[c];
  float v = 0;
  if (ccsstr(Isockt[c], "max_file_size", 14) != 0 || ccrflt(Isockt[c], 1, &v) != 0) return 0;
  Max_file_size[c] = v;
  return v;
}

void reset_server_maxfilesize() {
  for (float &f : Max_file_size) f = 0;
}
