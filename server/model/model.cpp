// The dataset model's tables and the small queries over a part and a case.
// It owns the element-type table; the case records themselves belong to
// whoever made them (the server's loaded case, a test's fixture).
#include "model/model.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

const Ds_elem_type_rec Ds_elem_types[DS_ELEM_TYPES] = {
    {"1 Noded Point element", 1, 1, 0},
    {"2 Noded Bar", 2, 2, 1},
    {"3 Noded Bar", 3, 2, 1},
    {"3 Noded Triangle", 3, 3, 2},
    {"6 Noded Triangle", 6, 3, 2},
    {"4 Noded Quadrilateral", 4, 4, 2},
    {"8 Noded Quadrilateral", 8, 4, 2},
    {"4 Noded Tetrahedron", 4, 4, 3},
    {"10 Noded Tetrahedron", 10, 4, 3},
    {"5 Noded Pyramid", 5, 5, 3},
    {"13 Noded Pyramid", 13, 5, 3},
    {"6 Noded Pentahedron", 6, 6, 3},
    {"15 Noded Pentahedron", 15, 6, 3},
    {"8 Noded Hexahedron", 8, 8, 3},
    {"20 Noded Hexahedron", 20, 8, 3},
    {"N-Sided Polygon", 0, 0, 2},
};

static const size_t HUGE_PAGE = 2 << 20;

void *ds_big_alloc(size_t bytes) {
  void *p = nullptr;
  if (bytes >= HUGE_PAGE) {
    if (posix_memalign(&p, HUGE_PAGE, bytes) != 0) throw std::bad_alloc();
    madvise(p, bytes, MADV_HUGEPAGE);  // a hint: without it the pages are only smaller
    return p;
  }
  p = malloc(bytes ? bytes : 1);
  if (!p) throw std::bad_alloc();
  return p;
}

void ds_big_free(void *p) { free(p); }

int ds_var_components(Ds_var_kind kind) {
  switch (kind) {
    case DS_SCALAR: return 1;
    case DS_VECTOR: return 3;
    case DS_TENSOR_SYM: return 6;
    case DS_TENSOR: return 9;
    case DS_COMPLEX_SCALAR: return 2;
    case DS_COMPLEX_VECTOR: return 6;
    case DS_CONSTANT: return 1;
  }
  return 1;
}

const char *ds_var_kind_name(Ds_var_kind kind) {
  switch (kind) {
    case DS_SCALAR: return "scalar";
    case DS_VECTOR: return "vector";
    case DS_TENSOR_SYM: return "symmetric tensor";
    case DS_TENSOR: return "tensor";
    case DS_COMPLEX_SCALAR: return "complex scalar";
    case DS_COMPLEX_VECTOR: return "complex vector";
    case DS_CONSTANT: return "constant";
  }
  return "?";
}

int ds_node_count(const Ds_part_rec &p) { return (int)p.x.size(); }

int ds_block_dims(const Ds_part_rec &p) {
  int d = 0;
  for (int a = 0; a < 3; a++) d += p.ijk[a] > 1;
  return d;
}

int ds_elem_count(const Ds_part_rec &p) {
  if (!p.structured) return (int)p.elem_type.size();
  if (p.ijk[0] * (int64_t)p.ijk[1] * p.ijk[2] == 0) return 0;
  int64_t cells = 1;
  for (int a = 0; a < 3; a++)
    if (p.ijk[a] > 1) cells *= p.ijk[a] - 1;
  return (int)cells;
}

void ds_elem_counts(const Ds_part_rec &p, int64_t counts[DS_ELEM_TYPES]) {
  std::fill(counts, counts + DS_ELEM_TYPES, 0);
  if (p.structured) {
    static const Ds_elem_type by_dims[4] = {DS_POINT, DS_BAR2, DS_QUAD4, DS_HEXA8};
    counts[by_dims[ds_block_dims(p)]] = ds_elem_count(p);
    return;
  }
  for (unsigned char t : p.elem_type) counts[t]++;
}

void ds_extents(const Ds_part_rec &p, float ext[6]) {
  const Ds_floats *comp[3] = {&p.x, &p.y, &p.z};
  for (int c = 0; c < 3; c++) {
    const Ds_floats &v = *comp[c];
    if (v.empty()) {
      ext[2 * c] = ext[2 * c + 1] = 0;
      continue;
    }
    auto mm = std::minmax_element(v.begin(), v.end());
    ext[2 * c] = *mm.first;
    ext[2 * c + 1] = *mm.second;
  }
}

static bool name_taken(const Ds_case_rec &c, const std::string &name) {
  for (const Ds_part_rec &p : c.parts)
    if (p.name == name) return true;
  return false;
}

std::string ds_unique_part_name(const Ds_case_rec &c, const std::string &wanted) {
  std::string base = wanted.substr(0, DS_PART_NAME_MAX);
  if (!name_taken(c, base)) return base;
  for (int n = 2;; n++) {
    std::string suffix = " (" + std::to_string(n) + ")";
    std::string name = base.substr(0, DS_PART_NAME_MAX - suffix.size()) + suffix;
    if (!name_taken(c, name)) return name;
  }
}

int ds_find_var(const Ds_case_rec &c, const std::string &name) {
  for (size_t i = 0; i < c.vars.size(); i++)
    if (c.vars[i].name == name) return (int)i;
  return -1;
}

int ds_add_var(Ds_case_rec *c, const std::string &name, Ds_var_kind kind, Ds_var_where where) {
  int id = ds_find_var(*c, name);
  if (id >= 0) return c->vars[id].kind == kind && c->vars[id].where == where ? id : -1;
  Ds_var_rec v;
  v.name = name;
  v.kind = kind;
  v.where = where;
  c->vars.push_back(std::move(v));
  return (int)c->vars.size() - 1;
}

Ds_field_rec *ds_field(Ds_part_rec *p, int var, int step) {
  if ((int)p->values.size() <= var) p->values.resize(var + 1);
  std::vector<Ds_field_rec> &steps = p->values[var];
  if ((int)steps.size() <= step) steps.resize(step + 1);
  return &steps[step];
}

const Ds_field_rec *ds_field_if(const Ds_part_rec &p, int var, int step) {
  if (var < 0 || step < 0 || var >= (int)p.values.size()) return nullptr;
  const std::vector<Ds_field_rec> &steps = p.values[var];
  if (step >= (int)steps.size() || steps[step].data.empty()) return nullptr;
  return &steps[step];
}

void ds_var_defined_at(Ds_var_rec *v, int step) {
  auto at = std::lower_bound(v->steps.begin(), v->steps.end(), step);
  if (at == v->steps.end() || *at != step) v->steps.insert(at, step);
}

void ds_part_changed(Ds_part_rec *p) {
  p->generation++;
  p->reps.clear();
}

static void appendf(std::string *out, const char *fmt, ...) __attribute__((format(printf, 2, 3)));
static void appendf(std::string *out, const char *fmt, ...) {
  char line[512];
  va_list ap;
  va_start(ap, fmt);
  vsnprintf(line, sizeof line, fmt, ap);
  va_end(ap);
  *out += line;
}

// "0-4" style list of steps: runs of consecutive steps joined.
static std::string step_list(const std::vector<int> &steps) {
  std::string s;
  for (size_t i = 0; i < steps.size();) {
    size_t j = i;
    while (j + 1 < steps.size() && steps[j + 1] == steps[j] + 1) j++;
    if (!s.empty()) s += ",";
    s += std::to_string(steps[i]);
    if (j > i) s += "-" + std::to_string(steps[j]);
    i = j + 1;
  }
  return s.empty() ? "none" : s;
}

std::string ds_summary(const Ds_case_rec &c) {
  std::string out;
  appendf(&out, "case %s (%s): %zu parts, %zu variables, %zu steps\n", c.source.c_str(),
          c.format.c_str(), c.parts.size(), c.vars.size(), c.times.size());
  for (size_t s = 0; s < c.times.size(); s++) appendf(&out, "step %zu time %g\n", s, c.times[s]);
  for (const Ds_part_rec &p : c.parts) {
    if (p.structured) {
      int64_t blanked = std::count(p.iblank.begin(), p.iblank.end(), 0);
      appendf(&out, "part %d \"%s\": structured %dx%dx%d, %d nodes, %d cells", p.number,
              p.name.c_str(), p.ijk[0], p.ijk[1], p.ijk[2], ds_node_count(p), ds_elem_count(p));
      if (!p.iblank.empty()) appendf(&out, ", iblanked (%lld nodes blanked)", (long long)blanked);
      out += "\n";
    } else {
      appendf(&out, "part %d \"%s\": unstructured, %d nodes, %d elements\n", p.number,
              p.name.c_str(), ds_node_count(p), ds_elem_count(p));
    }
    int64_t counts[DS_ELEM_TYPES];
    ds_elem_counts(p, counts);
    for (int t = 0; t < DS_ELEM_TYPES; t++)
      if (counts[t]) appendf(&out, "  %-24s %lld\n", Ds_elem_types[t].name, (long long)counts[t]);
    float e[6];
    ds_extents(p, e);
    appendf(&out, "  extents x %g %g y %g %g z %g %g\n", e[0], e[1], e[2], e[3], e[4], e[5]);
  }
  static const char *where_names[] = {"per node", "per element", "per case"};
  for (size_t i = 0; i < c.vars.size(); i++) {
    const Ds_var_rec &v = c.vars[i];
    appendf(&out, "variable %zu \"%s\": %s %s, steps %s", i, v.name.c_str(),
            ds_var_kind_name(v.kind), where_names[v.where], step_list(v.steps).c_str());
    if (v.kind == DS_CONSTANT) {
      out += ", values";
      for (int s : v.steps) appendf(&out, " %g", v.constants[s]);
    }
    out += "\n";
  }
  return out;
}
