// The dataset model of the one case a stand-in server holds: its parts
// (unstructured element lists or structured IJK blocks), its variables and
// their values per part and time step, and the representations computed
// from each part. Readers (server/readers) fill a Ds_case_rec; compute
// (server/compute) derives representations from it; request handlers ask
// both and know the wire. Nothing here knows a request or a byte order.
//
// Node numbers inside the model are 0-based indexes into a part's own
// coordinate arrays. Arrays are held once: coordinates and values are
// component-major (all x, then all y, then all z), the layout in which both
// the files and the wire carry them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <vector>

// Storage of the model's bulk arrays. Blocks of several megabytes are
// aligned for huge pages and marked for them: reading a multi-million node
// grid is otherwise dominated by first-touch page faults on its arrays.
void *ds_big_alloc(size_t bytes);  // throws std::bad_alloc like operator new
void ds_big_free(void *p);
template <class T>
struct Ds_alloc {
  using value_type = T;
  Ds_alloc() = default;
  template <class U>
  Ds_alloc(const Ds_alloc<U> &) {}
  T *allocate(size_t n) {
    if (n > SIZE_MAX / sizeof(T)) throw std::bad_alloc();
    return static_cast<T *>(ds_big_alloc(n * sizeof(T)));
  }
  void deallocate(T *p, size_t) { ds_big_free(p); }
  template <class U>
  bool operator==(const Ds_alloc<U> &) const { return true; }
  template <class U>
  bool operator!=(const Ds_alloc<U> &) const { return false; }
};
using Ds_floats = std::vector<float, Ds_alloc<float>>;
using Ds_ints = std::vector<int, Ds_alloc<int>>;

// Element types, in the order of their codes. Quadratic elements keep their
// own code, but only their corner nodes are stored: nothing downstream uses
// the mid-side nodes.
enum Ds_elem_type : unsigned char {
  DS_POINT,      // 1 node
  DS_BAR2,
  DS_BAR3,
  DS_TRIA3,
  DS_TRIA6,
  DS_QUAD4,
  DS_QUAD8,
  DS_TETRA4,
  DS_TETRA10,
  DS_PYRAMID5,
  DS_PYRAMID13,
  DS_PENTA6,     // wedge: nodes 0,1,2 the base, its normal toward 3,4,5
  DS_PENTA15,
  DS_HEXA8,
  DS_HEXA20,
  DS_NSIDED,     // polygon of five or more nodes
  DS_ELEM_TYPES
};

struct Ds_elem_type_rec {
  const char *name;  // as queries show it
  int file_nodes;    // nodes the element has in a file (0: any number, polygons)
  int corners;       // nodes the model keeps (0: any number)
  int dim;           // 0 point, 1 line, 2 surface, 3 volume
};
extern const Ds_elem_type_rec Ds_elem_types[DS_ELEM_TYPES];

enum Ds_var_kind {
  DS_SCALAR,
  DS_VECTOR,
  DS_TENSOR_SYM,       // xx yy zz xy yz xz
  DS_TENSOR,           // 3x3, row by row
  DS_COMPLEX_SCALAR,   // real, then imaginary
  DS_COMPLEX_VECTOR,   // real x y z, then imaginary x y z
  DS_CONSTANT,         // one value per case and step
};
enum Ds_var_where { DS_AT_NODES, DS_AT_ELEMENTS, DS_AT_CASE };

// Values held per node, element or case for one item of the kind.
int ds_var_components(Ds_var_kind kind);
const char *ds_var_kind_name(Ds_var_kind kind);

struct Ds_var_rec {
  std::string name;
  Ds_var_kind kind;
  Ds_var_where where;
  std::vector<int> steps;        // steps the variable is defined at, rising
  std::vector<float> constants;  // constants: the value at each step of the case (0 where undefined)
};

// The values of one variable on one part at one step: components one after
// another, each with one value per node or element. Empty: not defined.
struct Ds_field_rec {
  Ds_floats data;
};

// Element representations, coded as the client's element-representation
// attribute codes them.
enum Ds_rep_kind {
  DS_REP_3D_BORDER_2D_FULL = 0,  // border faces of volumes, surfaces and lines as they are
  DS_REP_BORDER = 1,             // border faces of volumes, boundary edges of surfaces
  DS_REP_FEATURE_ANGLE = 2,      // edges sharper than an angle, and boundary edges
  DS_REP_FULL = 3,               // every face of volumes once, surfaces and lines as they are
  DS_REP_NOT_LOADED = 4,         // nothing
  DS_REP_BOUNDING_BOX = 5,       // the twelve edges of the part's box
};

// A representation: elements given as lists of node numbers. It refers to
// the part's own nodes (no copy), except the bounding box, which has its
// eight nodes in x, y, z.
struct Ds_rep_rec {
  int kind;                  // Ds_rep_kind
  float angle;               // feature angle in degrees (feature_angle only)
  std::vector<float> x, y, z;  // own nodes; empty: the part's nodes
  Ds_ints offsets;           // element e is conn[offsets[e]] .. conn[offsets[e+1]-1]
  Ds_ints conn;              // 0-based node numbers
  int elements() const { return offsets.empty() ? 0 : (int)offsets.size() - 1; }
};

struct Ds_part_rec {
  int number = 0;           // 1.. in the order the reader made the parts
  std::string name;         // at most DS_PART_NAME_MAX characters, unique in the case
  int structured = 0;       // 1: an IJK block; element lists then empty
  int ijk[3] = {0, 0, 0};   // structured: nodes along I, J, K (1 for an unused direction)
  Ds_ints iblank;           // structured: one per node (0 = blanked); empty = none
  Ds_floats x, y, z;        // node coordinates, one per node each
  std::vector<unsigned char> elem_type;  // unstructured: Ds_elem_type per element
  Ds_ints elem_off;         // element count + 1 offsets into elem_conn
  Ds_ints elem_conn;        // corner nodes of each element
  std::vector<std::vector<Ds_field_rec>> values;  // [variable id][step]
  unsigned generation = 0;  // bumped whenever the part changes
  // Representations computed for this generation (server/compute owns them).
  std::vector<std::unique_ptr<Ds_rep_rec>> reps;
  unsigned reps_generation = 0;
};

struct Ds_case_rec {
  std::string source;       // file (or series pattern) the case was read from
  std::string format;       // reader that read it: "legacy VTK", "PLOT3D"
  std::vector<std::string> files;  // files read: one per step for a series; grid then solution
  std::vector<Ds_part_rec> parts;
  std::vector<Ds_var_rec> vars;    // indexed by variable id
  std::vector<float> times;        // one per step; at least one once loaded
};

enum { DS_PART_NAME_MAX = 49 };

int ds_node_count(const Ds_part_rec &p);
// Elements of an unstructured part, cells of a structured one.
int ds_elem_count(const Ds_part_rec &p);
// Directions of a structured block with more than one node: 0 to 3.
int ds_block_dims(const Ds_part_rec &p);
// Element counts by type (structured cells count as hexahedra,
// quadrilaterals, bars or one point by the block's dimension).
void ds_elem_counts(const Ds_part_rec &p, int64_t counts[DS_ELEM_TYPES]);
// xmin, xmax, ymin, ymax, zmin, zmax of the part's nodes; zeros without nodes.
void ds_extents(const Ds_part_rec &p, float ext[6]);

// The name wanted, cut to DS_PART_NAME_MAX characters and made unique among
// the case's parts by a " (2)", " (3)", ... suffix.
std::string ds_unique_part_name(const Ds_case_rec &c, const std::string &wanted);
// Id of the variable with this name, kind and place, added when new; -1
// when the name is taken by a variable of another kind or place.
int ds_add_var(Ds_case_rec *c, const std::string &name, Ds_var_kind kind, Ds_var_where where);
int ds_find_var(const Ds_case_rec &c, const std::string &name);
// The field of a variable on a part at a step, made (empty) when absent.
Ds_field_rec *ds_field(Ds_part_rec *p, int var, int step);
// The field when it holds values, else null.
const Ds_field_rec *ds_field_if(const Ds_part_rec &p, int var, int step);
// Records that the variable has values at the step.
void ds_var_defined_at(Ds_var_rec *v, int step);

// The part's geometry changed: its representations are dropped.
void ds_part_changed(Ds_part_rec *p);

// A text summary of the case: parts, element counts by type, extents,
// variables with their steps, constants and times.
std::string ds_summary(const Ds_case_rec &c);
