// Periodic symmetry instances: the parts a case server builds by
// reflecting, rotating or translating the base parts of a frame that
// carries a symmetry, kept in a group with their base part; and the
// per-frame periodic match files.
#include "parts/periodic.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "client/ccp.h"
#include "client/conect.h"
#include "client/screen.h"
#include "parts/attribute.h"
#include "parts/part_apply.h"
#include "parts/part_copy.h"
#include "parts/part_delete.h"
#include "parts/part_deteditor.h"
#include "parts/part_rebuild.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "render/redraw.h"
#include "variables/variables.h"
#include "view/frames.h"
#include "view/viewports.h"

int Shared_border_removal = 1;

Matcher_file_rec *Matcher_file = nullptr;
int Matcher_file_count = 0;
char Matcher_default_name[MATCH_NAME_LEN] = "";

// Frame slots of the symmetry settings.
enum {
  FS_ORIGIN = 2,        // 2..4
  FS_AXES = 5,          // 5..13: x, y, z axis directions
  FS_SYM_TYPE = 27,     // 0 mirror, 1 rotational, 2 translational, 3 none
  FS_ANGLE = 28,
  FS_ROT_COUNT = 29,
  FS_MIRROR = 30,       // 30..36 the seven mirror flags
  FS_USE_FILE = 37,
  FS_TRANS_COUNT = 39,
  FS_DELTA = 40,        // 40..42
  FS_WORDS = 43
};
enum { SYM_MIRROR = 0, SYM_ROTATIONAL = 1, SYM_TRANSLATIONAL = 2, SYM_NONE = 3 };

namespace {

struct Symmetry_rec {
  int count = 1;  // N: parts wanted, base part included
  int kind = 0;   // kind sent: 0 mirror or none, 1 rotational, 2 translational
  float delta[3] = {0, 0, 0};
  float angle = 0;
  float origin[3] = {0, 0, 0};
  float axis[3][3] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
  int mirror[7] = {0, 0, 0, 0, 0, 0, 0};
};

Symmetry_rec symmetry_of(const float *a) {
  Symmetry_rec s;
  for (int c = 0; c < 3; c++) s.origin[c] = a[FS_ORIGIN + c];
  for (int k = 0; k < 9; k++) s.axis[k / 3][k % 3] = a[FS_AXES + k];
  switch ((int)a[FS_SYM_TYPE]) {
    case SYM_ROTATIONAL:
      s.kind = 1;
      s.count = (int)a[FS_ROT_COUNT];
      s.angle = a[FS_ANGLE];
      break;
    case SYM_TRANSLATIONAL:
      s.kind = 2;
      s.count = (int)a[FS_TRANS_COUNT];
      for (int c = 0; c < 3; c++) s.delta[c] = a[FS_DELTA + c];
      break;
    case SYM_MIRROR: {
      int m = 0;
      for (int k = 0; k < 7; k++)
        if (a[FS_MIRROR + k] > 0) s.mirror[m++] = k;
      s.count = 1 + m;
      break;
    }
    default:
      break;
  }
  if (s.count < 1) s.count = 1;
  return s;
}

void redraw_views() {
  if (Num_active_viewports <= 1)
    display_all();
  else
    viewports_display_all();
}

std::vector<int> instance_set(int base) {
  std::vector<int> set((size_t)Num_p_loaded + 1);
  int count = 0;
  if (check_current_number_instances_for_part(base, &count, set.data()) < 0) count = 0;
  set.resize((size_t)count);
  return set;
}

float slot(const Part_rec *p, int s) { return p->attributes ? p->attributes[s] : 0.0f; }

void send_remove_boundary(int ch, const std::vector<int> &set, const Part_rec *base) {
  if (ccsstr(ch, "remove_boundary_for_group", 25) != 0 ||
      ccsinn(ch, set.data(), (int)set.size()) != 0 ||
      ccsint(ch, our_rint(slot(base, SLOT_ELT_REP))) != 0)
    return;
  ccsflt(ch, slot(base, SLOT_FEATURE_ANGLE));
}

// Creates the record of a new instance of base (rank counting from 2).
void create_instance(int number, const Part_rec *base_rec, int rank) {
  const int base = base_rec->number;
  float attrs[PART_ATTR_SLOTS];
  memcpy(attrs, base_rec->attributes, sizeof attrs);
  const int group = base_rec->parent_group;
  char name[PART_NAME_TEXT];
  snprintf(name, sizeof name, "%.40s_ins%d", base_rec->name, rank);
  name[PART_NAME_USED - 1] = '\0';
  if (create_one_part(number, name, PART_MODEL, 0) != 0) return;
  int i = Part_cross[number];
  resize_part_array(i, PA_CHILDREN, 1, 0);
  Part_rec *p = parts[i];
  if (p->children) {
    p->children[0] = base;
    p->children_count = 1;
  }
  if (group != -1) Num_p_partlist--;
  p->parent_group = group;
  memcpy(p->attributes, attrs, sizeof attrs);
  fix_up_case_vis_part(number);
  load_part(number);
  get_results(number);
  make_part(number);
  if (Solidt) {
    if (slot(p, SLOT_VISIBLE) == 0 || slot(p, SLOT_HIDDEN_SURFACE) == 0) {
      p->solid_rebuild_pending = 1;
    } else {
      make_part_solid(number);
      p->solid_built = 1;
    }
  }
}

// Groups whose members are fewer than two are dissolved.
void dissolve_small_groups() {
  for (int i = 0; i < Num_p_loaded; i++) {
    Part_rec *g = parts[i];
    if (!g || !g->group) continue;
    int members = 0, member = -1;
    for (int k = 0; k < Num_p_loaded; k++)
      if (parts[k] && parts[k]->parent_group == g->number) {
        members++;
        member = k;
      }
    if (members >= 2) continue;
    if (member >= 0) {
      parts[member]->parent_group = -1;
      Num_p_partlist++;
    }
    delete_part_stuff(i);
    i = -1;  // the table moved: start again from the first record
  }
}

}  // namespace

int part_frame_periodic_check(int number, int *frame) {
  const Part_rec *p = part_by_number(number);
  *frame = p ? (int)slot(p, SLOT_FRAME) : -1;
  if (!p || *frame < 0) return -1;
  return is_frame_periodic(*frame) ? number : -1;
}

void periodic_group_update(int base) {
  Part_rec *p = part_by_number(base);
  if (!p) return;
  if (p->parent_group == -1) {
    std::vector<int> set = instance_set(base);
    if (set.size() >= 2) group_parts((int)set.size(), set.data(), p->name);
    return;
  }
  Part_rec *g = part_by_number(p->parent_group);
  if (!g) return;
  std::vector<int> members;
  for (int i = 0; i < Num_p_loaded; i++)
    if (parts[i] && parts[i]->parent_group == g->number) members.push_back(parts[i]->number);
  resize_part_array(Part_cross[g->number], PA_CHILDREN, (int)members.size(), 0);
  if (!g->children) return;
  memcpy(g->children, members.data(), sizeof(int) * members.size());
  g->children_count = (int)members.size();
}

int periodicity(float dx, float dy, float dz, float angle, float ox, float oy, float oz,
                const float *x_axis, const float *y_axis, const float *z_axis, int count,
                int kind, int m, const int *bases, const int *mirror, int frame) {
  struct Restore_case {
    int saved = Case_num;
    ~Restore_case() { Case_num = saved; }
  } restore;
  // Instances beyond the first count-1 go; each base remembers its own
  // former set size for the shared-border rebuild.
  std::vector<int> old_size((size_t)m);
  for (int b = 0; b < m; b++) {
    std::vector<int> set = instance_set(bases[b]);
    old_size[b] = (int)set.size();
    for (size_t k = set.size(); k-- > (size_t)count;) delete_part(set[k]);
  }
  int needed = 0;
  for (int b = 0; b < m; b++) {
    int have = (int)instance_set(bases[b]).size();
    if (part_by_number(bases[b]) && count > have) needed += count - have;
  }
  std::vector<int> fresh((size_t)(needed > 0 ? needed : 1));
  if (needed > 0) {
    int found = 0;
    make_part_number(needed, fresh.data(), &found);
    if (found < needed) {
      caddtxt(" ");
      caddtxt("WARNING **************");
      caddtxt("Could not get enough new parts for operation! ");
      return 5;
    }
  }
  size_t next = 0;
  const float head[4] = {dx, dy, dz, angle}, origin[3] = {ox, oy, oz};
  for (int c = 0; c < MAX_CASES; c++) {
    if (!Case_info[c].active) continue;
    std::vector<int> here, here_old;
    for (int b = 0; b < m; b++) {
      const Part_rec *p = part_by_number(bases[b]);
      if (p && p->case_index == c) {
        here.push_back(bases[b]);
        here_old.push_back(old_size[b]);
      }
    }
    if (here.empty()) continue;
    const int ch = Isockt[c];
    if (ccsstr(ch, "periodicity", 11) != 0 || ccsint(ch, frame) != 0 || ccsint(ch, count) != 0 ||
        ccsint(ch, kind) != 0 || ccsint(ch, (int)here.size()) != 0 ||
        ccsinn(ch, here.data(), (int)here.size()) != 0)
      return -1;
    std::vector<std::vector<int>> sets(here.size());
    struct Flag_rec {
      int base, number, flag;
    };
    std::vector<Flag_rec> flags;
    if (count > 1) {
      for (float v : head)
        if (ccsflt(ch, v) != 0) return -1;
      for (float v : origin)
        if (ccsflt(ch, v) != 0) return -1;
      if (ccsfln(ch, x_axis, 3) != 0 || ccsfln(ch, y_axis, 3) != 0 ||
          ccsfln(ch, z_axis, 3) != 0 || ccsinn(ch, mirror, 7) != 0)
        return -1;
      for (size_t b = 0; b < here.size(); b++) {
        std::vector<int> &set = sets[b];
        set = instance_set(here[b]);
        while ((int)set.size() < count && next < fresh.size()) set.push_back(fresh[next++]);
        const int u = count - 1;
        int status = 0;
        std::vector<int> got((size_t)u + 1);
        if (ccsint(ch, u) != 0 || ccsinn(ch, set.data() + 1, u) != 0 ||
            ccrint(ch, 1, &status) != 0)
          return -1;
        if (status != 0) return status;
        for (int k = 0; k < u; k++) {
          if (ccrint(ch, 1, &got[k]) != 0) return -1;
          flags.push_back({here[b], set[k + 1], got[k]});
        }
      }
      if (Shared_border_removal)
        for (size_t b = 0; b < here.size(); b++)
          send_remove_boundary(ch, sets[b], part_by_number(here[b]));
      int rank = 2, last_base = -1;
      for (const Flag_rec &f : flags) {
        if (f.base != last_base) {
          rank = 2;
          last_base = f.base;
        }
        const Part_rec *base_rec = part_by_number(f.base);
        if (f.flag == 0 && base_rec) {
          Case_num = c;
          create_instance(f.number, base_rec, rank);
        } else if (f.flag == 1 && part_by_number(f.number)) {
          modify_part(f.number, 1, 0);
        }
        rank++;
      }
    }
    if (!Shared_border_removal) continue;
    for (size_t b = 0; b < here.size(); b++) {
      Part_rec *base = part_by_number(here[b]);
      if (!base) continue;
      int rep = our_rint(slot(base, SLOT_ELT_REP));
      if (rep < 0 || rep > 2) continue;
      const int was = here_old[b];
      float w = 0, v = 0;
      if (kind == 1) {
        w = (float)count * angle;
        v = (float)was * angle;
        if (std::fabs(std::fabs(w) - 360.0f) <= 0.1f) w = 360.0f;
        if (std::fabs(std::fabs(v) - 360.0f) <= 0.1f) v = 360.0f;
      }
      if (count == 1 && was >= 2) {
        send_remove_boundary(ch, std::vector<int>{here[b]}, base);
        modify_part(here[b], 1, 0);
      } else if ((count >= 2 && was == 1) || w == 360.0f || v == 360.0f) {
        modify_part(here[b], 1, 0);
      }
    }
  }
  for (int b = 0; b < m; b++) periodic_group_update(bases[b]);
  dissolve_small_groups();
  if (Part_apply_windep.mainprt_list_refresh) Part_apply_windep.mainprt_list_refresh();
  part_list_refresh();
  redraw_views();
  return 0;
}

int do_periodicity(int frame, int n, int *numbers) {
  if (frame < 0) return 0;
  int kept = 0;
  for (int k = 0; k < n; k++) {
    const Part_rec *p = part_by_number(numbers[k]);
    if (p && (p->type == PART_MODEL || p->type == PART_DISCRETE) && p->children_count == 0 &&
        p->copy_of <= 0 && !p->group)
      numbers[kept++] = numbers[k];
  }
  if (kept == 0) return 0;
  float a[FRAME_SLOTS] = {0};
  if (frames(frame, 0, nullptr, a) < 0) return 0;
  Symmetry_rec s = symmetry_of(a);
  int r = periodicity(s.delta[0], s.delta[1], s.delta[2], s.angle, s.origin[0], s.origin[1],
                      s.origin[2], s.axis[0], s.axis[1], s.axis[2], s.count, s.kind, kept,
                      numbers, s.mirror, frame);
  if (r != 0) return r;
  redraw_views();
  return 0;
}

void periodicity_for_new_part(int n) {
  int frame = -1;
  if (part_frame_periodic_check(n, &frame) != -1) do_periodicity(frame, 1, &n);
}

int check_periodicity(int frame, const float *attrs) {
  if (frame < 0 || !attrs) return 0;
  float old[FRAME_SLOTS] = {0};
  if (frames(frame, 0, nullptr, old) < 0) return 0;
  const int old_type = (int)old[FS_SYM_TYPE], new_type = (int)attrs[FS_SYM_TYPE];
  if (old_type == SYM_NONE && new_type == SYM_NONE) return 0;
  auto active = [](const float *a) {
    switch ((int)a[FS_SYM_TYPE]) {
      case SYM_ROTATIONAL: return a[FS_ROT_COUNT] > 1;
      case SYM_TRANSLATIONAL: return a[FS_TRANS_COUNT] > 1;
      case SYM_MIRROR:
        for (int k = 0; k < 7; k++)
          if (a[FS_MIRROR + k] != 0) return true;
        return false;
      default: return false;
    }
  };
  int changed;
  if (new_type == SYM_NONE) {
    changed = active(old);
  } else if (old_type == SYM_NONE) {
    changed = active(attrs);
  } else {
    static const int Compared[] = {2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 27, 28,
                                   29, 39, 40, 41, 42, 37, 30, 31, 32, 33, 34, 35, 36};
    changed = 0;
    for (int s : Compared) changed = changed || old[s] != attrs[s];
    if (frame < Matcher_file_count && Matcher_file[frame].changed) changed = 1;
  }
  if (frame < Matcher_file_count) Matcher_file[frame].changed = 0;
  return changed;
}

int check_match_file(const char *name, int *mismatch, int *type, float *dx, float *dy, float *dz,
                     float *angle) {
  int result = 0;
  *mismatch = 0;
  for (int c = 0; c < MAX_CASES; c++) {
    if (!Case_info[c].active) continue;
    if (!name || !name[0]) {
      *mismatch = 0;
      result = 2;
      continue;
    }
    const int ch = Isockt[c];
    int r[4] = {0, 0, 0, 0};
    if (ccsstr(ch, "check match", 11) != 0 || ccsstr(ch, name, (int)strlen(name)) != 0 ||
        ccsint(ch, *type) != 0 || ccsflt(ch, *dx) != 0 || ccsflt(ch, *dy) != 0 ||
        ccsflt(ch, *dz) != 0 || ccsflt(ch, *angle) != 0)
      return 2;
    for (int &v : r)
      if (ccrint(ch, 1, &v) != 0) return 2;
    if (ccrint(ch, 1, type) != 0 || ccrflt(ch, 1, dx) != 0 || ccrflt(ch, 1, dy) != 0 ||
        ccrflt(ch, 1, dz) != 0 || ccrflt(ch, 1, angle) != 0)
      return 2;
    result = r[0] ? 2 : r[1] ? 3 : r[2] ? 5 : 0;
    *mismatch = r[3] != 0;
  }
  return result;
}

int periodic_match_file(int frame, char *name, int type, int mode) {
  if (frame == -1) {
    if (mode == 0)
      snprintf(name, MATCH_NAME_LEN, "%s", Matcher_default_name);
    else
      snprintf(Matcher_default_name, MATCH_NAME_LEN, "%s", name);
    return 1;
  }
  if (frame < 0) return -1;
  if (frame >= Matcher_file_count) {
    int want = Matcher_file_count == 0 ? (frame + 1 > 10 ? frame + 1 : 10) : frame + 1;
    auto *grown = static_cast<Matcher_file_rec *>(
        realloc(Matcher_file, sizeof(Matcher_file_rec) * (size_t)want));
    if (!grown) {
      report_alloc_failure(__LINE__, __FILE__, "periodic_match_file");
      return -1;
    }
    memset(grown + Matcher_file_count, 0,
           sizeof(Matcher_file_rec) * (size_t)(want - Matcher_file_count));
    Matcher_file = grown;
    Matcher_file_count = want;
  }
  if (type == SYM_NONE) {
    if (name) name[0] = '\0';
    return 1;
  }
  if (mode == 0) {
    snprintf(name, MATCH_NAME_LEN, "%s", Matcher_file[frame].name);
  } else {
    snprintf(Matcher_file[frame].name, MATCH_NAME_LEN, "%s", name);
    Matcher_file[frame].changed = 1;
  }
  return 1;
}

int check_current_number_instances_for_part(int n, int *count, int *list) {
  *count = 0;
  if (!part_by_number(n)) return -1;
  list[(*count)++] = n;
  for (int i = 0; i < Num_p_loaded; i++) {
    const Part_rec *p = parts[i];
    if (p && p->type == PART_MODEL && !p->group && p->children_count == 1 && p->children &&
        p->children[0] == n)
      list[(*count)++] = p->number;
  }
  return 1;
}

int periodic_instances_available() { return 1; }
