// Legacy VTK reader: one file, or a numbered series of files (one time step
// each), into the dataset model.
//
// A file is parsed whole into a Vtk_file (coordinates, cells already in the
// model's element form, attribute arrays component-major), then turned into
// parts: structured datasets give one IJK block; unstructured grids and
// polygonal data give one part, or one part per value of an integer cell
// array "part" (names from a string array "part_names", the i-th name for
// the i-th smallest value, else "Part <value>"). Binary values are
// big-endian, as the format defines. String arrays hold one string per line
// in both ASCII and binary files. Dataset-level field arrays of one value
// become constants, except TIME, the time of the file's step. Arrays named
// X_re and X_im of one or three components make one complex variable X.
#include <dirent.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <map>

#include "readers/file_in.h"
#include "readers/readers.h"

namespace {

enum Vtk_dataset { VTK_NONE, VTK_UNSTRUCTURED, VTK_POLYDATA, VTK_SGRID, VTK_RGRID, VTK_SPOINTS };

struct Vtk_array {
  std::string name;
  int comps = 1;
  Ds_var_kind kind = DS_SCALAR;  // from the section keyword; a scalar set of odd width is split
  int64_t tuples = 0;
  Ds_floats data;                      // comps runs of tuples values
  std::vector<std::string> strings;    // a string array
  bool is_string = false;
};

// Cells of one kind of list (cells of an unstructured grid, or one polygonal
// data section) as offsets and node lists, before conversion.
struct Cell_list {
  Ds_ints off;   // cells + 1
  Ds_ints conn;
  int cells() const { return off.empty() ? 0 : (int)off.size() - 1; }
};

struct Vtk_file {
  std::string title;
  bool binary = false;
  int dataset = VTK_NONE;
  int64_t dims[3] = {0, 0, 0};
  bool have_dims = false;
  double origin[3] = {0, 0, 0}, spacing[3] = {1, 1, 1};
  Ds_floats x, y, z;            // points
  bool have_points = false;
  Ds_floats axis[3];            // rectilinear coordinates
  Cell_list cells;              // unstructured grid cells, before their types
  Ds_ints cell_types;           // VTK cell type per cell
  Cell_list poly[4];            // polygonal data: vertices, lines, polygons, strips
  // The elements, once converted.
  std::vector<unsigned char> etype;
  Ds_ints eoff, econn;
  std::vector<int> cell_of;     // element -> file cell; empty when one element per cell
  int64_t ncells = 0;           // cells as cell data counts them
  int64_t point_tuples = -1, cell_tuples = -1;  // POINT_DATA / CELL_DATA counts
  std::vector<Vtk_array> point_data, cell_data, field_data;
};

struct Vtk_type_name {
  const char *name;
  Num_type type;
};
const Vtk_type_name Vtk_types[] = {
    {"unsigned_char", NUM_U8}, {"char", NUM_I8},     {"unsigned_short", NUM_U16},
    {"short", NUM_I16},        {"unsigned_int", NUM_U32}, {"int", NUM_I32},
    {"unsigned_long", NUM_U64}, {"long", NUM_I64},   {"float", NUM_F32},
    {"double", NUM_F64},       {"vtkIdType", NUM_I32}, {"vtktypeint64", NUM_I64},
    {"vtktypeuint64", NUM_U64}, {"vtktypeint32", NUM_I32}, {"vtktypeuint32", NUM_U32},
};

// A VTK cell type the model has: its element type and which file nodes
// are its corners, in the model's order.
struct Vtk_cell_rec {
  int vtk;
  Ds_elem_type type;
  signed char corners[8];  // -1 ends a list shorter than eight
};
const Vtk_cell_rec Vtk_cells[] = {
    {1, DS_POINT, {0, -1}},
    {3, DS_BAR2, {0, 1, -1}},
    {5, DS_TRIA3, {0, 1, 2, -1}},
    {8, DS_QUAD4, {0, 1, 3, 2, -1}},  // pixel
    {9, DS_QUAD4, {0, 1, 2, 3, -1}},
    {10, DS_TETRA4, {0, 1, 2, 3, -1}},
    {11, DS_HEXA8, {0, 1, 3, 2, 4, 5, 7, 6}},  // voxel
    {12, DS_HEXA8, {0, 1, 2, 3, 4, 5, 6, 7}},
    {13, DS_PENTA6, {0, 2, 1, 3, 5, 4, -1}},  // the format's base triangle faces away from the top
    {14, DS_PYRAMID5, {0, 1, 2, 3, 4, -1}},
    {21, DS_BAR3, {0, 1, -1}},
    {22, DS_TRIA6, {0, 1, 2, -1}},
    {23, DS_QUAD8, {0, 1, 2, 3, -1}},
    {24, DS_TETRA10, {0, 1, 2, 3, -1}},
    {25, DS_HEXA20, {0, 1, 2, 3, 4, 5, 6, 7}},
    {26, DS_PENTA15, {0, 2, 1, 3, 5, 4, -1}},
    {27, DS_PYRAMID13, {0, 1, 2, 3, 4, -1}},
};
const int VTK_POLYGON = 7;

bool same_word(std::string_view a, const char *b) {
  return a.size() == strlen(b) && strncasecmp(a.data(), b, a.size()) == 0;
}

// Array names may carry %XX escapes for blanks and other bytes.
std::string decode_name(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); i++) {
    if (s[i] == '%' && i + 2 < s.size() && isxdigit((unsigned char)s[i + 1]) &&
        isxdigit((unsigned char)s[i + 2])) {
      out += (char)strtol(std::string(s.substr(i + 1, 2)).c_str(), nullptr, 16);
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}

Ds_var_kind kind_of_width(int comps) {
  switch (comps) {
    case 3: return DS_VECTOR;
    case 6: return DS_TENSOR_SYM;
    case 9: return DS_TENSOR;
    default: return DS_SCALAR;
  }
}

class Vtk_parser {
 public:
  Vtk_parser(File_in &in, Vtk_file &f) : in_(in), f_(f) {}
  int parse();

 private:
  int header();
  int keyword(std::string_view kw);
  int word(std::string *out, const char *what);
  int count(int64_t *out, const char *what);
  int number(double *out, const char *what);
  int type(Num_type *out, bool *is_string);
  Value_form form(Num_type t) const { return {!f_.binary, t, host_little_endian()}; }
  int fits(int64_t n, Num_type t, const char *what) {
    return in_.check_fits(n, f_.binary ? num_size(t) : 2, what);
  }
  int begin_values() {
    if (f_.binary) in_.skip_line_end();
    return 0;
  }
  int read_points(Ds_floats *xyz[3], int comps, const char *what);
  int read_cell_list(Cell_list *list, const char *what);
  int read_ints(const Num_type t, int64_t n, Ds_ints *out, const char *what);
  int read_array(Vtk_array *a, int64_t tuples, Num_type t, const char *what);
  int read_strings(Vtk_array *a);
  int attribute(std::string_view kw);
  int field(std::vector<Vtk_array> *to, int64_t tuples_wanted);

  File_in &in_;
  Vtk_file &f_;
  std::vector<Vtk_array> *attrs_ = nullptr;  // POINT_DATA / CELL_DATA arrays being read
  int64_t attr_tuples_ = 0;
};

int Vtk_parser::word(std::string *out, const char *what) {
  std::string_view tok;
  if (!in_.next_token(&tok)) return in_.fail_at_line("the file ends where %s was expected", what);
  out->assign(tok);
  return 0;
}

int Vtk_parser::count(int64_t *out, const char *what) {
  std::string_view tok;
  if (!in_.next_token(&tok)) return in_.fail_at_line("the file ends where %s was expected", what);
  if (!parse_int(tok, out))
    return in_.fail_at_line("%s \"%.*s\" is not an integer", what, (int)std::min<size_t>(tok.size(), 40), tok.data());
  if (*out < 0) return in_.fail_at_line("%s is negative (%lld)", what, (long long)*out);
  if (*out > INT_MAX) return in_.fail_at_line("%s %lld is absurdly large", what, (long long)*out);
  return 0;
}

int Vtk_parser::number(double *out, const char *what) {
  std::string_view tok;
  if (!in_.next_token(&tok)) return in_.fail_at_line("the file ends where %s was expected", what);
  if (!parse_number(tok, out)) return in_.fail_at_line("%s \"%.*s\" is not a number", what, (int)std::min<size_t>(tok.size(), 40), tok.data());
  return 0;
}

int Vtk_parser::type(Num_type *out, bool *is_string) {
  std::string_view tok;
  if (!in_.next_token(&tok)) return in_.fail_at_line("the file ends where a data type was expected");
  if (is_string) *is_string = same_word(tok, "string");
  if (is_string && *is_string) return 0;
  for (const auto &t : Vtk_types)
    if (same_word(tok, t.name)) {
      *out = t.type;
      return 0;
    }
  return in_.fail_at_line("unknown data type \"%.*s\"", (int)std::min<size_t>(tok.size(), 40), tok.data());
}

int Vtk_parser::header() {
  std::string line;
  if (!in_.read_line(&line) || line.compare(0, 22, "# vtk DataFile Version") != 0)
    return in_.fail("not a legacy VTK file: the first line is not \"# vtk DataFile Version ...\"");
  if (!in_.read_line(&f_.title)) return in_.fail("truncated: the file ends after its first line");
  std::string_view tok;
  if (!in_.next_token(&tok)) return in_.fail("truncated: the file ends before ASCII or BINARY");
  if (same_word(tok, "BINARY")) f_.binary = true;
  else if (!same_word(tok, "ASCII")) return in_.fail_at_line("the third line says \"%.*s\", not ASCII or BINARY", (int)std::min<size_t>(tok.size(), 40), tok.data());
  return 0;
}

int Vtk_parser::read_points(Ds_floats *xyz[3], int comps, const char *what) {
  int64_t n;
  Num_type t;
  if (count(&n, what) < 0 || type(&t, nullptr) < 0 || fits(n * comps, t, what) < 0) return -1;
  float *dst[3];
  for (int c = 0; c < comps; c++) {
    xyz[c]->resize(n);
    dst[c] = xyz[c]->data();
  }
  begin_values();
  return in_.read_tuples(form(t), n, comps, dst);
}

int Vtk_parser::read_ints(Num_type t, int64_t n, Ds_ints *out, const char *what) {
  if (fits(n, t, what) < 0) return -1;
  out->resize(n);
  begin_values();
  return in_.read_ints(form(t), n, out->data());
}

// "<KEY> n size" and its lists: the classic layout (a count before each
// cell's nodes) or OFFSETS and CONNECTIVITY arrays.
int Vtk_parser::read_cell_list(Cell_list *list, const char *what) {
  int64_t n, size;
  if (count(&n, what) < 0 || count(&size, what) < 0) return -1;
  std::string_view tok;
  if (in_.peek_token(&tok) && same_word(tok, "OFFSETS")) {
    Num_type t;
    in_.next_token(&tok);
    if (type(&t, nullptr) < 0 || read_ints(t, n, &list->off, "OFFSETS") < 0) return -1;
    if (!in_.next_token(&tok) || !same_word(tok, "CONNECTIVITY"))
      return in_.fail_at_line("CONNECTIVITY was expected after the OFFSETS of %s", what);
    if (type(&t, nullptr) < 0 || read_ints(t, size, &list->conn, "CONNECTIVITY") < 0) return -1;
    if (n == 0 ? size != 0 : (list->off[0] != 0 || list->off[n - 1] != size))
      return in_.fail("%s: the offsets do not span the %lld connectivity entries", what, (long long)size);
    for (int64_t i = 0; i + 1 < n; i++)
      if (list->off[i + 1] < list->off[i]) return in_.fail("%s: offset %lld decreases", what, (long long)i + 1);
    if (n == 0) list->off.assign(1, 0);
    return 0;
  }
  // Classic layout: converted in place, dropping each cell's count.
  Ds_ints &raw = list->conn;
  if (read_ints(NUM_I32, size, &raw, what) < 0) return -1;
  list->off.assign(1, 0);
  list->off.reserve(n + 1);
  int64_t r = 0, w = 0;
  for (int64_t c = 0; c < n; c++) {
    if (r >= size) return in_.fail("%s: the list ends after %lld of its %lld cells", what, (long long)c, (long long)n);
    int64_t k = raw[r++];
    if (k < 0 || k > size - r)
      return in_.fail("%s: cell %lld claims %lld points, more than the list holds", what, (long long)c, (long long)k);
    for (int64_t i = 0; i < k; i++) raw[w++] = raw[r++];
    list->off.push_back((int)w);
  }
  if (r != size) return in_.fail("%s: the list holds %lld entries, not the %lld announced", what, (long long)r, (long long)size);
  raw.resize(w);
  return 0;
}

int Vtk_parser::read_array(Vtk_array *a, int64_t tuples, Num_type t, const char *what) {
  a->tuples = tuples;
  if (fits(tuples * a->comps, t, what) < 0) return -1;
  a->data.resize(tuples * a->comps);
  std::vector<float *> dst(a->comps);
  for (int c = 0; c < a->comps; c++) dst[c] = a->data.data() + c * tuples;
  begin_values();
  return in_.read_tuples(form(t), tuples, a->comps, dst.data());
}

int Vtk_parser::read_strings(Vtk_array *a) {
  if (in_.check_fits(a->tuples, 1, "string array") < 0) return -1;
  in_.skip_line_end();
  for (int64_t i = 0; i < a->tuples; i++) {
    std::string s;
    if (!in_.read_line(&s)) return in_.fail_at_line("the file ends in the strings of %s", a->name.c_str());
    a->strings.push_back(s);
  }
  return 0;
}

// "FIELD name n" and its n arrays. In POINT_DATA or CELL_DATA every numeric
// array has the announced number of tuples.
int Vtk_parser::field(std::vector<Vtk_array> *to, int64_t tuples_wanted) {
  std::string name;
  int64_t n;
  if (word(&name, "a field name") < 0 || count(&n, "the field's array count") < 0) return -1;
  if (in_.check_fits(n, 8, "FIELD arrays") < 0) return -1;
  for (int64_t i = 0; i < n; i++) {
    Vtk_array a;
    std::string aname;
    if (word(&aname, "an array name") < 0) return -1;
    a.name = decode_name(aname);
    if (a.name == "NULL_ARRAY") continue;
    int64_t comps, tuples;
    Num_type t = NUM_F32;
    if (count(&comps, "the array's component count") < 0 || count(&tuples, "the array's tuple count") < 0 ||
        type(&t, &a.is_string) < 0)
      return -1;
    if (comps < 1 || comps > 64) return in_.fail_at_line("array %s has %lld components", a.name.c_str(), (long long)comps);
    a.comps = (int)comps;
    a.kind = kind_of_width(a.comps);
    if (a.is_string) {
      a.tuples = tuples * comps;
      if (read_strings(&a) < 0) return -1;
    } else {
      if (tuples_wanted >= 0 && tuples != tuples_wanted)
        return in_.fail_at_line("array %s has %lld tuples where %lld are announced", a.name.c_str(),
                                (long long)tuples, (long long)tuples_wanted);
      if (read_array(&a, tuples, t, a.name.c_str()) < 0) return -1;
    }
    to->push_back(std::move(a));
  }
  return 0;
}

int Vtk_parser::attribute(std::string_view kw) {
  if (!attrs_) return in_.fail_at_line("%.*s comes before POINT_DATA or CELL_DATA", (int)kw.size(), kw.data());
  if (same_word(kw, "FIELD")) return field(attrs_, attr_tuples_);
  if (same_word(kw, "LOOKUP_TABLE")) {  // a table's definition: colours the model has no use for
    std::string name;
    int64_t n;
    if (word(&name, "a table name") < 0 || count(&n, "the table size") < 0) return -1;
    Vtk_array skip;
    skip.comps = 4;
    return read_array(&skip, n, f_.binary ? NUM_U8 : NUM_F32, "LOOKUP_TABLE");
  }
  Vtk_array a;
  std::string name;
  Num_type t;
  if (word(&name, "an attribute name") < 0 || type(&t, nullptr) < 0) return -1;
  a.name = decode_name(name);
  if (same_word(kw, "SCALARS")) {
    std::string_view tok;
    int64_t comps;
    if (in_.peek_token(&tok) && parse_int(tok, &comps)) {
      in_.next_token(&tok);
      if (comps < 1 || comps > 4) return in_.fail_at_line("SCALARS %s has %lld components; 1 to 4 are allowed", a.name.c_str(), (long long)comps);
      a.comps = (int)comps;
    }
    a.kind = kind_of_width(a.comps);
    if (in_.peek_token(&tok) && same_word(tok, "LOOKUP_TABLE")) {
      in_.next_token(&tok);
      in_.next_token(&tok);
    }
  } else if (same_word(kw, "VECTORS") || same_word(kw, "NORMALS")) {
    a.comps = 3;
    a.kind = DS_VECTOR;
  } else if (same_word(kw, "TENSORS")) {
    a.comps = 9;
    a.kind = DS_TENSOR;
  } else if (same_word(kw, "TENSORS6")) {
    a.comps = 6;
    a.kind = DS_TENSOR_SYM;
  }
  if (read_array(&a, attr_tuples_, t, a.name.c_str()) < 0) return -1;
  attrs_->push_back(std::move(a));
  return 0;
}

int Vtk_parser::keyword(std::string_view kw) {
  static const char *datasets[] = {"", "UNSTRUCTURED_GRID", "POLYDATA", "STRUCTURED_GRID",
                                   "RECTILINEAR_GRID", "STRUCTURED_POINTS"};
  if (same_word(kw, "DATASET")) {
    std::string name;
    if (word(&name, "a dataset type") < 0) return -1;
    for (int d = 1; d < 6; d++)
      if (same_word(name, datasets[d])) f_.dataset = d;
    if (f_.dataset == VTK_NONE) return in_.fail_at_line("unknown dataset type %s", name.c_str());
    return 0;
  }
  if (f_.dataset == VTK_NONE && !same_word(kw, "FIELD"))
    return in_.fail_at_line("%.*s comes before DATASET", (int)std::min<size_t>(kw.size(), 40), kw.data());
  if (same_word(kw, "DIMENSIONS")) {
    for (int a = 0; a < 3; a++) {
      std::string_view tok;
      if (!in_.next_token(&tok) || !parse_int(tok, &f_.dims[a]))
        return in_.fail_at_line("DIMENSIONS needs three integers");
      if (f_.dims[a] < 1 || f_.dims[a] > INT_MAX)
        return in_.fail_at_line("DIMENSIONS %lld is out of range", (long long)f_.dims[a]);
    }
    f_.have_dims = true;
    return 0;
  }
  if (same_word(kw, "ORIGIN") || same_word(kw, "SPACING") || same_word(kw, "ASPECT_RATIO")) {
    double *v = same_word(kw, "ORIGIN") ? f_.origin : f_.spacing;
    for (int a = 0; a < 3; a++)
      if (number(&v[a], "a coordinate") < 0) return -1;
    return 0;
  }
  if (same_word(kw, "POINTS")) {
    Ds_floats *xyz[3] = {&f_.x, &f_.y, &f_.z};
    f_.have_points = true;
    return read_points(xyz, 3, "POINTS");
  }
  static const char *axes[] = {"X_COORDINATES", "Y_COORDINATES", "Z_COORDINATES"};
  for (int a = 0; a < 3; a++)
    if (same_word(kw, axes[a])) {
      Ds_floats *one[1] = {&f_.axis[a]};
      return read_points(one, 1, axes[a]);
    }
  if (same_word(kw, "CELLS")) return read_cell_list(&f_.cells, "CELLS");
  if (same_word(kw, "CELL_TYPES")) {
    int64_t n;
    if (count(&n, "the cell type count") < 0) return -1;
    return read_ints(NUM_I32, n, &f_.cell_types, "CELL_TYPES");
  }
  static const char *sections[] = {"VERTICES", "LINES", "POLYGONS", "TRIANGLE_STRIPS"};
  for (int s = 0; s < 4; s++)
    if (same_word(kw, sections[s])) return read_cell_list(&f_.poly[s], sections[s]);
  if (same_word(kw, "POINT_DATA") || same_word(kw, "CELL_DATA")) {
    bool points = same_word(kw, "POINT_DATA");
    int64_t n;
    if (count(&n, "the data count") < 0) return -1;
    (points ? f_.point_tuples : f_.cell_tuples) = n;
    attrs_ = points ? &f_.point_data : &f_.cell_data;
    attr_tuples_ = n;
    return 0;
  }
  if (same_word(kw, "FIELD") && !attrs_) return field(&f_.field_data, -1);
  if (same_word(kw, "METADATA")) {  // information blocks, ended by a blank line
    std::string line;
    in_.read_line(&line);
    while (in_.read_line(&line))
      if (line.find_first_not_of(" \t") == std::string::npos) break;
    return 0;
  }
  static const char *attributes[] = {"SCALARS", "VECTORS", "NORMALS", "TENSORS", "TENSORS6",
                                     "FIELD", "LOOKUP_TABLE"};
  for (const char *a : attributes)
    if (same_word(kw, a)) return attribute(kw);
  return in_.fail_at_line("unknown keyword \"%.*s\"", (int)std::min<size_t>(kw.size(), 40), kw.data());
}

int Vtk_parser::parse() {
  if (header() < 0) return -1;
  std::string_view kw;
  while (in_.next_token(&kw)) {
    std::string k(kw);  // the token's bytes are reused by the reads below
    if (keyword(k) < 0) return -1;
  }
  if (f_.dataset == VTK_NONE) return in_.fail("no DATASET in the file");
  return 0;
}

// ---- cells into elements --------------------------------------------------

const Vtk_cell_rec *vtk_cell(int vtk) {
  for (const auto &c : Vtk_cells)
    if (c.vtk == vtk) return &c;
  return nullptr;
}

// The unstructured grid's cells into elements, in place: only corners are
// kept, so every cell's nodes move to lower or equal positions.
int convert_cells(File_in &in, Vtk_file &f) {
  Cell_list &cl = f.cells;
  int n = cl.cells();
  if ((int64_t)f.cell_types.size() != n)
    return in.fail("CELL_TYPES gives %zu types for %d cells", f.cell_types.size(), n);
  f.etype.resize(n);
  int w = 0, start = 0;
  for (int c = 0; c < n; c++) {
    int end = cl.off[c + 1], k = end - start;
    int vtk = f.cell_types[c];
    int *nodes = cl.conn.data() + start;
    Ds_elem_type t;
    int kept = 0;
    int corner[8];
    if (vtk == VTK_POLYGON) {
      if (k < 3) return in.fail("cell %d is a polygon of %d points", c, k);
      t = k == 3 ? DS_TRIA3 : k == 4 ? DS_QUAD4 : DS_NSIDED;
      for (int i = 0; i < k; i++) cl.conn[w + i] = nodes[i];  // w <= start
      kept = k;
    } else {
      const Vtk_cell_rec *rec = vtk_cell(vtk);
      if (!rec) return in.fail("cell %d has type %d, which the model does not have", c, vtk);
      t = rec->type;
      if (k != Ds_elem_types[t].file_nodes)
        return in.fail("cell %d of type %d has %d points, not %d", c, vtk, k, Ds_elem_types[t].file_nodes);
      for (; kept < 8 && rec->corners[kept] >= 0; kept++) corner[kept] = nodes[rec->corners[kept]];
      memcpy(&cl.conn[w], corner, kept * sizeof(int));
    }
    f.etype[c] = t;
    cl.off[c] = w;
    w += kept;
    start = end;
  }
  cl.off[n] = w;
  cl.conn.resize(w);
  f.eoff = std::move(cl.off);
  f.econn = std::move(cl.conn);
  f.ncells = n;
  return 0;
}

void add_element(Vtk_file &f, Ds_elem_type t, const int *nodes, int k, int cell) {
  f.etype.push_back(t);
  f.econn.insert(f.econn.end(), nodes, nodes + k);
  f.eoff.push_back((int)f.econn.size());
  f.cell_of.push_back(cell);
}

// Polygonal data sections into elements: a poly-vertex gives points, a
// polyline bars, a strip triangles; cells count vertices, lines, polygons,
// strips in that order.
int convert_polydata(File_in &in, Vtk_file &f) {
  f.eoff.assign(1, 0);
  int cell = 0;
  for (int s = 0; s < 4; s++) {
    const Cell_list &cl = f.poly[s];
    for (int c = 0; c < cl.cells(); c++, cell++) {
      const int *v = cl.conn.data() + cl.off[c];
      int k = cl.off[c + 1] - cl.off[c];
      if (s == 0) {
        for (int i = 0; i < k; i++) add_element(f, DS_POINT, v + i, 1, cell);
      } else if (s == 1) {
        if (k < 2) return in.fail("line %d has %d points", c, k);
        for (int i = 0; i + 1 < k; i++) add_element(f, DS_BAR2, v + i, 2, cell);
      } else if (s == 2) {
        if (k < 3) return in.fail("polygon %d has %d points", c, k);
        add_element(f, k == 3 ? DS_TRIA3 : k == 4 ? DS_QUAD4 : DS_NSIDED, v, k, cell);
      } else {
        if (k < 3) return in.fail("triangle strip %d has %d points", c, k);
        for (int i = 0; i + 2 < k; i++) {
          int tri[3] = {v[i + (i & 1)], v[i + 1 - (i & 1)], v[i + 2]};
          add_element(f, DS_TRIA3, tri, 3, cell);
        }
      }
    }
  }
  f.ncells = cell;
  if ((int64_t)f.etype.size() == f.ncells) f.cell_of.clear();  // one element per cell
  return 0;
}

// Checks counts across sections and builds structured coordinates.
int finish_file(File_in &in, Vtk_file &f) {
  int64_t npoints;
  if (f.dataset == VTK_UNSTRUCTURED || f.dataset == VTK_POLYDATA) {
    if (!f.have_points) return in.fail("the dataset has no POINTS");
    npoints = f.x.size();
    if (f.dataset == VTK_UNSTRUCTURED ? convert_cells(in, f) < 0 : convert_polydata(in, f) < 0) return -1;
    for (size_t i = 0; i < f.econn.size(); i++)
      if (f.econn[i] < 0 || f.econn[i] >= npoints)
        return in.fail("a cell refers to point %d; the file has %lld points", f.econn[i], (long long)npoints);
  } else {
    if (!f.have_dims) return in.fail("the structured dataset has no DIMENSIONS");
    npoints = f.dims[0] * f.dims[1] * f.dims[2];
    // Coordinates made here are bounded: no file values stand behind them.
    const int64_t made_limit = std::max<int64_t>(8 * in.size(), 1 << 22);
    if (f.dataset == VTK_SGRID) {
      if (!f.have_points) return in.fail("the structured grid has no POINTS");
      if ((int64_t)f.x.size() != npoints)
        return in.fail("DIMENSIONS %lld %lld %lld call for %lld points; POINTS gives %zu", (long long)f.dims[0],
                       (long long)f.dims[1], (long long)f.dims[2], (long long)npoints, f.x.size());
    } else if (npoints > made_limit) {
      return in.fail("DIMENSIONS %lld %lld %lld: too many points for a file of %lld bytes", (long long)f.dims[0],
                     (long long)f.dims[1], (long long)f.dims[2], (long long)in.size());
    } else {
      for (int a = 0; a < 3; a++)
        if (f.dataset == VTK_RGRID && (int64_t)f.axis[a].size() != f.dims[a])
          return in.fail("%c_COORDINATES gives %zu values; DIMENSIONS calls for %lld", 'X' + a,
                         f.axis[a].size(), (long long)f.dims[a]);
      Ds_floats *xyz[3] = {&f.x, &f.y, &f.z};
      for (int a = 0; a < 3; a++) xyz[a]->resize(npoints);
      int64_t p = 0;
      for (int64_t k = 0; k < f.dims[2]; k++)
        for (int64_t j = 0; j < f.dims[1]; j++)
          for (int64_t i = 0; i < f.dims[0]; i++, p++) {
            const int64_t ijk[3] = {i, j, k};
            for (int a = 0; a < 3; a++)
              (*xyz[a])[p] = f.dataset == VTK_RGRID ? f.axis[a][ijk[a]]
                                                    : (float)(f.origin[a] + ijk[a] * f.spacing[a]);
          }
    }
    f.ncells = 1;
    for (int a = 0; a < 3; a++)
      if (f.dims[a] > 1) f.ncells *= f.dims[a] - 1;
  }
  if (f.point_tuples >= 0 && f.point_tuples != npoints)
    return in.fail("POINT_DATA announces %lld values for %lld points", (long long)f.point_tuples, (long long)npoints);
  if (f.cell_tuples >= 0 && f.cell_tuples != f.ncells)
    return in.fail("CELL_DATA announces %lld values for %lld cells", (long long)f.cell_tuples, (long long)f.ncells);
  return 0;
}

// ---- file into parts -------------------------------------------------------

const Vtk_array *find_array(const std::vector<Vtk_array> &v, const char *name, bool strings) {
  for (const auto &a : v)
    if (a.name == name && a.is_string == strings) return &a;
  return nullptr;
}

// The values of array a for the items listed (all of them when list is null).
void gather(const Vtk_array &a, const std::vector<int> *list, Ds_floats *out) {
  if (!list) {
    *out = a.data;
    return;
  }
  size_t n = list->size();
  out->resize(n * a.comps);
  for (int c = 0; c < a.comps; c++) {
    const float *src = a.data.data() + c * a.tuples;
    float *dst = out->data() + c * n;
    for (size_t i = 0; i < n; i++) dst[i] = src[(*list)[i]];
  }
}

// Registers the arrays of one kind of place as variables and stores their
// values on the part: items lists the file's points or cells that are the
// part's nodes or elements (null: all, in order).
int add_fields(Ds_case_rec *c, Ds_part_rec *p, const std::vector<Vtk_array> &arrays,
               Ds_var_where where, const std::vector<int> *items, std::string *err) {
  for (const Vtk_array &a : arrays) {
    if (a.is_string || (where == DS_AT_ELEMENTS && a.name == "part")) continue;
    std::string name = a.name;
    Ds_var_kind kind = a.kind;
    const Vtk_array *im = nullptr;
    if (name.size() > 3 && (a.comps == 1 || a.comps == 3)) {
      std::string stem = name.substr(0, name.size() - 3), tail = name.substr(name.size() - 3);
      if (tail == "_im" && find_array(arrays, (stem + "_re").c_str(), false)) continue;  // with its real part
      if (tail == "_re") {
        im = find_array(arrays, (stem + "_im").c_str(), false);
        if (im && im->comps == a.comps) {
          name = stem;
          kind = a.comps == 1 ? DS_COMPLEX_SCALAR : DS_COMPLEX_VECTOR;
        } else {
          im = nullptr;
        }
      }
    }
    // A scalar set whose width is no variable kind gives one scalar per component.
    int split = kind == DS_SCALAR ? a.comps : 1;
    for (int s = 0; s < split; s++) {
      std::string vname = split > 1 ? name + "_" + std::to_string(s) : name;
      int id = ds_add_var(c, vname, kind, where);
      if (id < 0) {
        *err = "variable " + vname + " appears with two different kinds or places";
        return -1;
      }
      Ds_floats &data = ds_field(p, id, 0)->data;
      if (split > 1) {
        Vtk_array one;
        one.comps = 1;
        one.tuples = a.tuples;
        one.data.assign(a.data.begin() + s * a.tuples, a.data.begin() + (s + 1) * a.tuples);
        gather(one, items, &data);
      } else {
        gather(a, items, &data);
        if (im) {
          Ds_floats imag;
          gather(*im, items, &imag);
          data.insert(data.end(), imag.begin(), imag.end());
        }
      }
      ds_var_defined_at(&c->vars[id], 0);
    }
  }
  return 0;
}

std::string file_stem(const std::string &path) {
  size_t slash = path.rfind('/');
  std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
  size_t dot = base.rfind('.');
  return dot == std::string::npos || dot == 0 ? base : base.substr(0, dot);
}

// The file as a one-step case: parts, variables at step 0, its time (or
// has_time false) in c->times[0].
int build_parts(Vtk_file &f, const std::string &path, Ds_case_rec *c, bool *has_time, std::string *err) {
  c->times.assign(1, 0);
  *has_time = false;
  for (const Vtk_array &a : f.field_data) {
    if (a.is_string || a.comps != 1 || a.tuples != 1) continue;
    if (a.name == "TIME") {
      c->times[0] = a.data[0];
      *has_time = true;
      continue;
    }
    int id = ds_add_var(c, a.name, DS_CONSTANT, DS_AT_CASE);
    if (id < 0) {
      *err = path + ": constant " + a.name + " is given twice";
      return -1;
    }
    c->vars[id].constants.assign(1, a.data[0]);
    ds_var_defined_at(&c->vars[id], 0);
  }
  std::string title = f.title.substr(0, f.title.find_last_not_of(" \t") + 1);
  if (f.dataset != VTK_UNSTRUCTURED && f.dataset != VTK_POLYDATA) {
    Ds_part_rec p;
    p.number = 1;
    p.name = ds_unique_part_name(*c, title.empty() ? file_stem(path) : title);
    p.structured = 1;
    for (int a = 0; a < 3; a++) p.ijk[a] = (int)f.dims[a];
    p.x = std::move(f.x);
    p.y = std::move(f.y);
    p.z = std::move(f.z);
    c->parts.push_back(std::move(p));
    std::string what;
    if (add_fields(c, &c->parts[0], f.point_data, DS_AT_NODES, nullptr, &what) < 0 ||
        add_fields(c, &c->parts[0], f.cell_data, DS_AT_ELEMENTS, nullptr, &what) < 0) {
      *err = path + ": " + what;
      return -1;
    }
    return 0;
  }
  // Which part each element belongs to.
  const Vtk_array *part_ids = find_array(f.cell_data, "part", false);
  if (part_ids && part_ids->comps != 1) part_ids = nullptr;
  int nelem = (int)f.etype.size();
  std::vector<int> elem_part(nelem, 0), values;
  if (part_ids) {
    for (int e = 0; e < nelem; e++) {
      float v = part_ids->data[f.cell_of.empty() ? e : f.cell_of[e]];
      if (v != (float)(int)v) {
        *err = path + ": the cell array \"part\" holds " + std::to_string(v) + ", not a whole number";
        return -1;
      }
      elem_part[e] = (int)v;
    }
    values = elem_part;
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
  }
  if (values.empty()) values.push_back(0);
  const Vtk_array *names = find_array(f.field_data, "part_names", true);
  if (!names) names = find_array(f.cell_data, "part_names", true);

  std::vector<int> node_map(f.x.size(), -1);
  for (size_t pi = 0; pi < values.size(); pi++) {
    Ds_part_rec p;
    p.number = (int)pi + 1;
    std::string name = !part_ids ? (title.empty() ? file_stem(path) : title)
                       : names && pi < names->strings.size() ? names->strings[pi]
                                                              : "Part " + std::to_string(values[pi]);
    p.name = ds_unique_part_name(*c, name);
    std::vector<int> elems, nodes;  // the file's elements and points in this part
    bool whole = values.size() == 1;
    if (whole) {
      p.x = std::move(f.x);
      p.y = std::move(f.y);
      p.z = std::move(f.z);
      p.elem_type = std::move(f.etype);
      p.elem_off = std::move(f.eoff);
      p.elem_conn = std::move(f.econn);
    } else {
      p.elem_off.assign(1, 0);
      for (int e = 0; e < nelem; e++) {
        if (elem_part[e] != values[pi]) continue;
        elems.push_back(e);
        p.elem_type.push_back(f.etype[e]);
        for (int i = f.eoff[e]; i < f.eoff[e + 1]; i++) {
          int &m = node_map[f.econn[i]];
          if (m < 0) {
            m = (int)nodes.size();
            nodes.push_back(f.econn[i]);
          }
          p.elem_conn.push_back(m);
        }
        p.elem_off.push_back((int)p.elem_conn.size());
      }
      for (int n : nodes) {
        p.x.push_back(f.x[n]);
        p.y.push_back(f.y[n]);
        p.z.push_back(f.z[n]);
        node_map[n] = -1;
      }
    }
    // Cell values of the part's elements: through the element's cell.
    std::vector<int> cells;
    const std::vector<int> *cell_items = nullptr;
    if (!whole || !f.cell_of.empty()) {
      size_t count = whole ? (size_t)nelem : elems.size();
      cells.reserve(count);
      for (size_t i = 0; i < count; i++) {
        int e = whole ? (int)i : elems[i];
        cells.push_back(f.cell_of.empty() ? e : f.cell_of[e]);
      }
      cell_items = &cells;
    }
    c->parts.push_back(std::move(p));
    std::string what;
    Ds_part_rec *pp = &c->parts.back();
    if (add_fields(c, pp, f.point_data, DS_AT_NODES, whole ? nullptr : &nodes, &what) < 0 ||
        add_fields(c, pp, f.cell_data, DS_AT_ELEMENTS, cell_items, &what) < 0) {
      *err = path + ": " + what;
      return -1;
    }
  }
  return 0;
}

int read_one(const std::string &path, Ds_case_rec *c, bool *has_time, std::string *err) {
  File_in in;
  Vtk_file f;
  if (in.open(path, err) < 0) return -1;
  Vtk_parser parser(in, f);
  if (parser.parse() < 0 || finish_file(in, f) < 0) return -1;
  return build_parts(f, path, c, has_time, err);
}

// The files of a series, by step number: a '*' in the name's last
// component, or a name ending in "_<digits>.<ext>" that has siblings.
int series_files(const std::string &name, std::vector<std::pair<long, std::string>> *files,
                 std::string *err) {
  size_t slash = name.rfind('/');
  std::string dir = slash == std::string::npos ? "." : name.substr(0, slash);
  std::string base = slash == std::string::npos ? name : name.substr(slash + 1);
  std::string prefix, suffix;
  size_t star = base.find('*');
  if (star != std::string::npos) {
    prefix = base.substr(0, star);
    suffix = base.substr(star + 1);
  } else {
    size_t dot = base.rfind('.');
    size_t end = dot == std::string::npos ? base.size() : dot;
    size_t digits = end;
    while (digits > 0 && isdigit((unsigned char)base[digits - 1])) digits--;
    if (digits == end || digits == 0 || base[digits - 1] != '_') {
      files->push_back({0, name});
      return 0;
    }
    prefix = base.substr(0, digits);
    suffix = base.substr(end);
  }
  DIR *d = opendir(dir.c_str());
  if (!d) {
    *err = name + ": cannot list the directory " + dir + ": " + strerror(errno);
    return -1;
  }
  while (struct dirent *e = readdir(d)) {
    std::string n = e->d_name;
    if (n.size() <= prefix.size() + suffix.size() || n.compare(0, prefix.size(), prefix) != 0 ||
        n.compare(n.size() - suffix.size(), suffix.size(), suffix) != 0)
      continue;
    std::string mid = n.substr(prefix.size(), n.size() - prefix.size() - suffix.size());
    if (mid.size() > 9 || mid.find_first_not_of("0123456789") != std::string::npos) continue;
    files->push_back({atol(mid.c_str()), (slash == std::string::npos ? "" : dir + "/") + n});
  }
  closedir(d);
  std::sort(files->begin(), files->end());
  if (files->empty()) {
    *err = name + ": no file of the series exists";
    return -1;
  }
  return 0;
}

// Moves one later step's values into the case, after checking that its
// parts are the first step's.
int merge_step(Ds_case_rec *c, Ds_case_rec &step_case, int step, const std::string &path,
               std::string *err) {
  if (step_case.parts.size() != c->parts.size()) {
    *err = path + ": it has " + std::to_string(step_case.parts.size()) + " parts; the first step of the series has " +
           std::to_string(c->parts.size());
    return -1;
  }
  for (size_t i = 0; i < c->parts.size(); i++) {
    Ds_part_rec &a = c->parts[i], &b = step_case.parts[i];
    if (ds_node_count(a) != ds_node_count(b) || ds_elem_count(a) != ds_elem_count(b)) {
      *err = path + ": part " + std::to_string(i + 1) + " has " + std::to_string(ds_node_count(b)) + " nodes and " +
             std::to_string(ds_elem_count(b)) + " elements; in the first step it has " +
             std::to_string(ds_node_count(a)) + " and " + std::to_string(ds_elem_count(a));
      return -1;
    }
  }
  for (size_t v = 0; v < step_case.vars.size(); v++) {
    Ds_var_rec &sv = step_case.vars[v];
    int id = ds_add_var(c, sv.name, sv.kind, sv.where);
    if (id < 0) {
      *err = path + ": variable " + sv.name + " changes its kind or place";
      return -1;
    }
    ds_var_defined_at(&c->vars[id], step);
    if (sv.kind == DS_CONSTANT) {
      c->vars[id].constants.resize(step + 1);
      c->vars[id].constants[step] = sv.constants[0];
    }
    for (size_t i = 0; i < c->parts.size(); i++)
      if (v < step_case.parts[i].values.size() && !step_case.parts[i].values[v].empty())
        ds_field(&c->parts[i], id, step)->data = std::move(step_case.parts[i].values[v][0].data);
  }
  return 0;
}

}  // namespace

int vtk_read_case(Ds_case_rec *out, const std::string &name, std::string *err) {
  err->clear();
  std::vector<std::pair<long, std::string>> files;
  if (series_files(name, &files, err) < 0) return -1;
  Ds_case_rec c;
  for (size_t s = 0; s < files.size(); s++) {
    Ds_case_rec step_case;
    bool has_time;
    if (read_one(files[s].second, &step_case, &has_time, err) < 0) return -1;
    float time = has_time ? step_case.times[0] : (float)files[s].first;
    if (s == 0) {
      c = std::move(step_case);
    } else if (merge_step(&c, step_case, (int)s, files[s].second, err) < 0) {
      return -1;
    }
    c.times.resize(s + 1);
    c.times[s] = time;
    c.files.push_back(files[s].second);
  }
  for (Ds_var_rec &v : c.vars)
    if (v.kind == DS_CONSTANT) v.constants.resize(c.times.size());
  c.source = name;
  c.format = "legacy VTK";
  *out = std::move(c);
  return 0;
}
