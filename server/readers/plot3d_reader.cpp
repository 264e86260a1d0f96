// PLOT3D reader: a grid file (one or several zones, 1-D to 3-D, with or
// without iblank) and its Q solution file, stored as ASCII, C binary or
// Fortran unformatted records, either byte order, single or double
// precision.
//
// The files do not say how they are stored, so the reader tries the layouts
// the settings leave open against the whole file before reading any value:
// header counts, every Fortran record's two length markers, and the file
// size must all agree. The first layout that fits is read; when none does,
// the failure of the layout that got furthest into the file is reported.
// Values then go from the file into the part's arrays in one read per array.
//
// Layout of a grid: [zone count] then each zone's I [J [K]] (one Fortran
// record for the count, one for all dimensions), then per zone x, y, z (as
// many as the dimensions) and the iblank ints, one record per zone. A Q
// file has the same header, then per zone a record of Mach, alpha,
// Reynolds number and time, and a record of density, momentum (one array
// per dimension) and energy.
#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

#include "readers/file_in.h"
#include "readers/readers.h"

const P3d_settings P3d_auto = {-1, -1, -1, -1};
bool P3d_swap_first = false;

namespace {

enum { P3D_ASCII = 0, P3D_C = 1, P3D_FORTRAN = 2 };
const int64_t P3D_MAX_ZONES = 1000000;  // far beyond any real grid: a larger count is damage

struct P3d_layout {
  int read_as = P3D_C;
  bool swap = false;   // binary: the file's byte order is not the host's
  bool multi = false;
  int dims = 3;
  bool iblank = false;
  int prec = 4;        // binary: bytes per real
  std::vector<std::array<int, 3>> zones;  // nodes along I, J, K (1 beyond dims)
  std::vector<int64_t> zone_at;           // binary: offset of each zone's values (its record marker)
  int64_t header_tokens = 0;              // ASCII: tokens before the first zone's values
};

const char *read_as_name(int r) {
  static const char *names[] = {"ASCII", "C binary", "Fortran unformatted"};
  return names[r];
}

std::string describe(const P3d_layout &L) {
  char s[160];
  snprintf(s, sizeof s, "%s%s, %s, %d-D, %s%s", read_as_name(L.read_as),
           L.read_as == P3D_ASCII ? "" : (L.swap != !host_little_endian() ? " big-endian" : " little-endian"),
           L.multi ? "multi-zone" : "single zone", L.dims,
           L.read_as == P3D_ASCII ? "" : (L.prec == 8 ? "double precision" : "single precision"),
           L.iblank ? ", iblanked" : "");
  return s;
}

// A layout that does not fit: why, and how far into the file it got.
struct Misfit {
  std::string why;
  int64_t progress = -1;
};

int64_t zone_nodes(const std::array<int, 3> &z) { return (int64_t)z[0] * z[1] * z[2]; }

// Zone dimensions read as ints; bounded by what the file could hold.
bool check_zone_dims(const int64_t *d, int dims, int zone, int64_t file_size, int64_t bytes_per_node,
                     std::array<int, 3> *out, std::string *why) {
  int64_t n = 1;
  for (int a = 0; a < 3; a++) {
    int64_t v = a < dims ? d[a] : 1;
    if (v < 1 || v > INT_MAX) {
      *why = "zone " + std::to_string(zone + 1) + " has dimension " + std::to_string(v) +
             (v < 1 ? ", below 1" : ", absurdly large");
      return false;
    }
    (*out)[a] = (int)v;
    n *= v;
    if (n > file_size / bytes_per_node + 1) {
      *why = "zone " + std::to_string(zone + 1) + " dimensions call for more values than the file holds";
      return false;
    }
  }
  return true;
}

// Reads 4-byte ints at an offset for probing.
bool probe_ints(const File_in &in, int64_t off, bool swap, int n, int64_t *out) {
  std::vector<int32_t> v(n);
  if (!in.probe(off, v.data(), 4 * (size_t)n)) return false;
  if (swap) swap_bytes(v.data(), n, 4);
  for (int i = 0; i < n; i++) out[i] = v[i];
  return true;
}

// Walks a binary file in the layout L. grid_zones: for a Q file the grid's
// zones, which its header must repeat. Fills L's zones and offsets.
bool fit_binary(const File_in &in, P3d_layout *L, bool q, const std::vector<std::array<int, 3>> *grid_zones,
                Misfit *m) {
  int64_t off = 0, size = in.size();
  bool fortran = L->read_as == P3D_FORTRAN;
  auto fail = [m, &off](const std::string &why) {
    m->why = why;
    m->progress = off;
    return false;
  };
  // One record's values at off: checks its markers and steps over it.
  auto record = [&](int64_t len, const char *what) {
    if (!fortran) {
      if (len > size - off)
        return fail(std::string("truncated: ") + what + " needs " + std::to_string(len) + " bytes at byte " +
                    std::to_string(off) + "; the file has " + std::to_string(size - off) + " left");
      off += len;
      return true;
    }
    int64_t head, tail;
    if (!probe_ints(in, off, L->swap, 1, &head))
      return fail(std::string("truncated: the file ends where the record of ") + what + " should start");
    if (head != len)
      return fail(std::string("the record of ") + what + " at byte " + std::to_string(off) + " is " +
                  std::to_string(head) + " bytes long; " + std::to_string(len) + " were expected");
    if (len > size - off - 8)
      return fail(std::string("truncated: the record of ") + what + " at byte " + std::to_string(off) +
                  " runs past the end of the file");
    if (!probe_ints(in, off + 4 + len, L->swap, 1, &tail) || tail != head)
      return fail(std::string("Fortran record marker mismatch: the record of ") + what + " at byte " +
                  std::to_string(off) + " starts with length " + std::to_string(head) + " but ends with " +
                  std::to_string(tail));
    off += len + 8;
    return true;
  };
  int64_t nz = 1;
  int64_t data_off = fortran ? 4 : 0;
  if (L->multi) {
    if (!probe_ints(in, data_off, L->swap, 1, &nz)) return fail("truncated: no zone count");
    if (nz < 1 || nz > std::min<int64_t>(size / 8, P3D_MAX_ZONES))
      return fail("the zone count " + std::to_string(nz) + " is out of range");
    if (!record(4, "the zone count")) return false;
  }
  int64_t header_len = nz * L->dims * 4;
  if (header_len > size - off) return fail("truncated: the zone dimensions run past the end of the file");
  std::vector<int64_t> d(nz * L->dims);
  if (!probe_ints(in, off + (fortran ? 4 : 0), L->swap, (int)(nz * L->dims), d.data()))
    return fail("truncated: the file ends in the zone dimensions");
  if (!record(header_len, "the zone dimensions")) return false;
  int64_t per_node = q ? (L->dims + 2) * L->prec : L->dims * L->prec + (L->iblank ? 4 : 0);
  L->zones.resize(nz);
  L->zone_at.resize(nz);
  for (int64_t z = 0; z < nz; z++) {
    if (!check_zone_dims(&d[z * L->dims], L->dims, (int)z, size, per_node, &L->zones[z], &m->why)) {
      m->progress = off;
      return false;
    }
    if (grid_zones && (z >= (int64_t)grid_zones->size() || (*grid_zones)[z] != L->zones[z]))
      return fail("zone " + std::to_string(z + 1) + " dimensions differ from the grid's");
  }
  if (grid_zones && nz != (int64_t)grid_zones->size())
    return fail("it has " + std::to_string(nz) + " zones; the grid has " + std::to_string(grid_zones->size()));
  for (int64_t z = 0; z < nz; z++) {
    std::string zone = "zone " + std::to_string(z + 1);
    L->zone_at[z] = off;
    if (q && !record(4 * L->prec, (zone + " free-stream values").c_str())) return false;
    if (!record(zone_nodes(L->zones[z]) * per_node, (zone + (q ? " solution" : " coordinates")).c_str()))
      return false;
  }
  if (off != size)
    return fail("the file holds " + std::to_string(size) + " bytes; its " + std::to_string(nz) +
                " zones account for " + std::to_string(off));
  return true;
}

// ASCII: the header's ints and the total token count must agree.
bool fit_ascii(File_in &in, int64_t tokens, P3d_layout *L, bool q,
               const std::vector<std::array<int, 3>> *grid_zones, Misfit *m) {
  in.seek(0);
  int64_t read = 0;
  auto next_int = [&](int64_t *v) {
    std::string_view tok;
    read++;
    return in.next_token(&tok) && parse_int(tok, v);
  };
  auto fail = [m, &read](const std::string &why) {
    m->why = why;
    m->progress = read;
    return false;
  };
  int64_t nz = 1;
  if (L->multi && (!next_int(&nz) || nz < 1 || nz > std::min<int64_t>(tokens, P3D_MAX_ZONES)))
    return fail("the zone count is not a count");
  if (nz * L->dims > tokens) return fail("the zone dimensions run past the end of the file");
  std::vector<int64_t> d(nz * L->dims);
  for (auto &v : d)
    if (!next_int(&v)) return fail("a zone dimension is not an integer");
  int64_t per_node = q ? L->dims + 2 : L->dims + (L->iblank ? 1 : 0);
  L->zones.resize(nz);
  int64_t expected = read;
  for (int64_t z = 0; z < nz; z++) {
    // Two bytes per token at least: a bound on the nodes a zone can have.
    if (!check_zone_dims(&d[z * L->dims], L->dims, (int)z, in.size() / 2 + 1, per_node, &L->zones[z], &m->why))
      return m->progress = read, false;
    if (grid_zones && (z >= (int64_t)grid_zones->size() || (*grid_zones)[z] != L->zones[z]))
      return fail("zone " + std::to_string(z + 1) + " dimensions differ from the grid's");
    expected += (q ? 4 : 0) + zone_nodes(L->zones[z]) * per_node;
  }
  if (grid_zones && nz != (int64_t)grid_zones->size())
    return fail("it has " + std::to_string(nz) + " zones; the grid has " + std::to_string(grid_zones->size()));
  L->header_tokens = read;
  if (expected != tokens)
    return fail("the file holds " + std::to_string(tokens) + " numbers; its header calls for " +
                std::to_string(expected) + (expected > tokens ? " (truncated)" : ""));
  return true;
}

bool looks_like_text(const File_in &in) {
  unsigned char head[512];
  size_t n = (size_t)std::min<int64_t>(in.size(), sizeof head);
  if (n == 0 || !in.probe(0, head, n)) return false;
  for (size_t i = 0; i < n; i++)
    if (!(isprint(head[i]) || isspace(head[i]))) return false;
  return true;
}

// A Fortran file starts with a record: a small length, repeated after it.
// The byte orders to try, likelier first.
std::vector<bool> fortran_swaps(const File_in &in, bool *likely) {
  std::vector<bool> swaps;
  for (bool swap : {false, true}) {
    int64_t head, tail;
    if (probe_ints(in, 0, swap, 1, &head) && head >= 4 && head <= in.size() - 8 &&
        probe_ints(in, 4 + head, swap, 1, &tail) && tail == head)
      swaps.push_back(swap);
  }
  *likely = !swaps.empty();
  for (bool swap : {false, true})
    if (std::find(swaps.begin(), swaps.end(), swap) == swaps.end()) swaps.push_back(swap);
  return swaps;
}

// Finds the layout of a file. For a Q file, base is the grid's layout: only
// precision is left open. 0, or -1 with the furthest misfit reported.
int find_layout(File_in &in, const P3d_settings &s, const P3d_layout *base, P3d_layout *out) {
  bool q = base != nullptr;
  std::vector<P3d_layout> tries;
  bool text = looks_like_text(in);
  int64_t tokens = 0;
  if (text && (q ? base->read_as == P3D_ASCII : s.read_as < 0 || s.read_as == P3D_ASCII)) {
    std::string_view tok;
    while (in.next_token(&tok)) tokens++;
  }
  std::vector<int> flavours;
  if (q) {
    flavours.push_back(base->read_as);
  } else if (s.read_as >= 0) {
    flavours.push_back(s.read_as);
  } else if (text) {
    flavours.push_back(P3D_ASCII);
  } else {
    bool fortran_likely;
    fortran_swaps(in, &fortran_likely);
    flavours = fortran_likely ? std::vector<int>{P3D_FORTRAN, P3D_C} : std::vector<int>{P3D_C, P3D_FORTRAN};
  }
  for (int flavour : flavours) {
    std::vector<bool> swaps{false};
    if (flavour == P3D_FORTRAN) {
      bool likely;
      swaps = fortran_swaps(in, &likely);
    } else if (flavour == P3D_C) {
      // A C binary file has no markers to tell its byte order; the
      // client's byte-swap setting decides which order is tried first.
      swaps = {P3d_swap_first, !P3d_swap_first};
    }
    if (q) swaps = {base->swap};
    for (bool swap : swaps)
      for (int multi : {1, 0}) {
        if (q ? multi != (int)base->multi : s.multi >= 0 && multi != s.multi) continue;
        for (int dims : {3, 2, 1}) {
          if (q ? dims != base->dims : s.dims >= 0 && dims != s.dims) continue;
          for (int iblank : {0, 1}) {
            if (q ? iblank != 0 : s.iblanked >= 0 && iblank != s.iblanked) continue;
            for (int prec : {4, 8}) {
              if (flavour == P3D_ASCII && prec == 8) continue;
              P3d_layout L;
              L.read_as = flavour;
              L.swap = swap;
              L.multi = multi;
              L.dims = dims;
              L.iblank = iblank;
              L.prec = prec;
              tries.push_back(L);
            }
          }
        }
      }
  }
  Misfit best;
  std::string best_layout;
  for (P3d_layout &L : tries) {
    Misfit m;
    const std::vector<std::array<int, 3>> *gz = q ? &base->zones : nullptr;
    bool fits = L.read_as == P3D_ASCII ? fit_ascii(in, tokens, &L, q, gz, &m) : fit_binary(in, &L, q, gz, &m);
    if (fits) {
      *out = L;
      return 0;
    }
    // The failure worth telling is that of the likeliest storage.
    if (L.read_as == flavours[0] && m.progress > best.progress) {
      best = m;
      best_layout = describe(L);
    }
  }
  if (tries.empty()) return in.fail("no layout fits the settings given");
  return in.fail("%s (read as %s)", best.why.c_str(), best_layout.c_str());
}

// Values of zone z in the file's form.
Value_form form_of(const P3d_layout &L) {
  return {L.read_as == P3D_ASCII, L.prec == 8 ? NUM_F64 : NUM_F32, L.swap};
}

// Steps over a Fortran record's leading marker, or checks its trailing one.
int record_mark(File_in &in, const P3d_layout &L) {
  if (L.read_as != P3D_FORTRAN) return 0;
  int32_t mark;
  return in.read(&mark, 4);
}

// ASCII: steps over the header's numbers to the first zone's values.
void skip_text_header(File_in &in, const P3d_layout &L) {
  if (L.read_as != P3D_ASCII) return;
  in.seek(0);
  std::string_view tok;
  for (int64_t i = 0; i < L.header_tokens; i++) in.next_token(&tok);
}

int read_grid(File_in &in, const P3d_layout &L, Ds_case_rec *c) {
  skip_text_header(in, L);
  Value_form f = form_of(L);
  for (size_t z = 0; z < L.zones.size(); z++) {
    Ds_part_rec p;
    p.number = (int)z + 1;
    p.name = ds_unique_part_name(*c, "Zone " + std::to_string(z + 1));
    p.structured = 1;
    for (int a = 0; a < 3; a++) p.ijk[a] = L.zones[z][a];
    size_t n = zone_nodes(L.zones[z]);
    Ds_floats *xyz[3] = {&p.x, &p.y, &p.z};
    if (L.read_as != P3D_ASCII && in.seek(L.zone_at[z]) < 0) return -1;
    if (record_mark(in, L) < 0) return -1;
    for (int a = 0; a < 3; a++) {
      xyz[a]->resize(n);  // zero beyond the file's dimensions
      if (a < L.dims && in.read_floats(f, n, xyz[a]->data()) < 0) return -1;
    }
    if (L.iblank) {
      p.iblank.resize(n);
      Value_form fi = {f.text, NUM_I32, f.swap};
      if (in.read_ints(fi, n, p.iblank.data()) < 0) return -1;
    }
    if (record_mark(in, L) < 0) return -1;
    c->parts.push_back(std::move(p));
  }
  return 0;
}

int read_q(File_in &in, const P3d_layout &L, Ds_case_rec *c) {
  skip_text_header(in, L);
  int density = ds_add_var(c, "Density", DS_SCALAR, DS_AT_NODES);
  int momentum = ds_add_var(c, "Momentum", DS_VECTOR, DS_AT_NODES);
  int energy = ds_add_var(c, "Energy", DS_SCALAR, DS_AT_NODES);
  static const char *const free_stream[4] = {"Mach", "Alpha", "Reynolds", "Time"};
  int constant[4];
  for (int k = 0; k < 4; k++) constant[k] = ds_add_var(c, free_stream[k], DS_CONSTANT, DS_AT_CASE);
  Value_form f = form_of(L);
  for (size_t z = 0; z < L.zones.size(); z++) {
    Ds_part_rec &p = c->parts[z];
    size_t n = zone_nodes(L.zones[z]);
    float fs[4];
    if (L.read_as != P3D_ASCII && in.seek(L.zone_at[z]) < 0) return -1;
    if (record_mark(in, L) < 0 || in.read_floats(f, 4, fs) < 0 || record_mark(in, L) < 0) return -1;
    if (z == 0) {
      for (int k = 0; k < 4; k++) c->vars[constant[k]].constants.assign(1, fs[k]);
      c->times[0] = fs[3];
    }
    Ds_floats &rho = ds_field(&p, density, 0)->data;
    Ds_floats &mom = ds_field(&p, momentum, 0)->data;
    Ds_floats &e = ds_field(&p, energy, 0)->data;
    rho.resize(n);
    mom.resize(3 * n);  // zero beyond the file's dimensions
    e.resize(n);
    if (record_mark(in, L) < 0 || in.read_floats(f, n, rho.data()) < 0 ||
        in.read_floats(f, n * L.dims, mom.data()) < 0 || in.read_floats(f, n, e.data()) < 0 ||
        record_mark(in, L) < 0)
      return -1;
  }
  for (int v : {density, momentum, energy, constant[0], constant[1], constant[2], constant[3]})
    ds_var_defined_at(&c->vars[v], 0);
  return 0;
}

int read_files(Ds_case_rec *out, const std::string &grid, const std::string &q, const P3d_settings &settings,
               std::string *err) {
  Ds_case_rec c;
  c.times.assign(1, 0);
  P3d_layout grid_layout;
  {
    File_in in;
    if (in.open(grid, err) < 0 || find_layout(in, settings, nullptr, &grid_layout) < 0 ||
        read_grid(in, grid_layout, &c) < 0)
      return -1;
  }
  c.files.push_back(grid);
  if (!q.empty()) {
    File_in in;
    P3d_layout q_layout;
    if (in.open(q, err) < 0 || find_layout(in, settings, &grid_layout, &q_layout) < 0 ||
        read_q(in, q_layout, &c) < 0)
      return -1;
    c.files.push_back(q);
  }
  c.source = grid;
  c.format = "PLOT3D";
  *out = std::move(c);
  return 0;
}

}  // namespace

int p3d_read_case(Ds_case_rec *out, const std::string &grid, const std::string &q,
                  const P3d_settings &settings, std::string *err) {
  err->clear();
  try {
    return read_files(out, grid, q, settings, err);
  } catch (const std::bad_alloc &) {
    *err = grid + ": not enough memory to hold the dataset";
    return -1;
  }
}

int p3d_judge(const std::string &grid, P3d_settings *out, std::string *err) {
  err->clear();
  try {
    File_in in;
    P3d_layout L;
    if (in.open(grid, err) < 0 || find_layout(in, P3d_auto, nullptr, &L) < 0) return -1;
    *out = {L.iblank ? 1 : 0, L.multi ? 1 : 0, L.read_as, L.dims};
    return 0;
  } catch (const std::bad_alloc &) {
    *err = grid + ": not enough memory to judge the grid";
    return -1;
  }
}
