// The part table: one record per part of every case, found by
// part number through Part_cross; the per-part arrays and their one growth
// routine; record creation with names unique within a case; the queries
// every other module uses.  Part discovery, extents and geometry transfer
// are declared at the end and live in read_geom.cpp.
//
// Two handles address a part and must not be mixed up: the part number
// (1..4999, what servers, commands and users know) and the index (the
// record's position in parts, which changes when earlier records go).
#pragma once

#include "client/cases.h"

#define PATH_TEXT 255        // capacity of a per-case data directory, NUL included
#define MAX_PARTS 5000       // records in the table
#define MAX_PART_NUMBER 5000 // part numbers are 1 .. MAX_PART_NUMBER-1
#define PART_NAME_TEXT 80    // capacity of a part name field
#define PART_NAME_USED 50    // bytes of a name in use: 49 characters and the NUL
#define PART_TYPES 18        // Part_type_code 0..17
#define PART_ARRAY_KINDS 22  // kinds known to resize_part_array
#define PART_UNIQUE_CUT 40   // a colliding name is cut to this many characters before its suffix

// Part_type_code: the int kept in Part_rec::type.
enum {
  PART_MODEL = 0,
  PART_CLIP = 1,
  PART_CONTOUR = 2,
  PART_DISCRETE = 3,
  PART_FRAME = 4,  // rows of the part editor only; no record has it
  PART_ISOSURFACE = 5,
  PART_TRACE = 6,
  PART_PROFILE = 7,
  PART_ARROW = 8,
  PART_ELEVATED = 9,
  PART_DEVELOPED = 10,
  PART_EXTRACT = 11,
  PART_CUT = 12,
  PART_BOUNDARY = 13,
  PART_ISOVOLUME = 14,
  PART_SUBSET = 15,
  PART_TENSOR = 16,
  PART_MULTIPLE = 17  // list label of a mixed selection; no record has it
};

// Kinds of resize_part_array: the array, its element and its capacity field.
enum {
  PA_OFFSETS = 0,       // int, element count + 1 entries
  PA_CONNECT = 1,       // int, connectivity
  PA_CHILDREN = 2,      // int, children list
  PA_EMITTERS = 3,      // int, emitter group ids
  PA_POINT_TIMES = 4,   // float
  PA_POINT_VECTORS = 5, // rows of 3 floats
  PA_TRACE_A = 6,       // short
  PA_TRACE_B = 7,       // short
  PA_TRACE_C = 8,       // int
  PA_TRACE_D = 9,       // int
  PA_CONTOUR_FLAGS = 10,// short
  PA_COORDS = 11,       // rows of 3 floats, row 0 unused
  PA_SCALARS = 12,      // float, real part of one variable
  PA_VECTORS = 13,      // 3 floats, real part of one variable
  PA_SHRINK = 14,       // rows of 3 floats
  PA_CREATION = 15,     // bytes, creation description
  PA_ELEM_COLORS = 16,  // bytes, 3 per element
  PA_ELEM_NORMALS = 17, // signed bytes, 3 per element
  PA_SCALARS_CPLX = 18, // float, real and imaginary of one variable
  PA_VECTORS_CPLX = 19, // 3 floats, real and imaginary of one variable
  PA_TENSORS = 20,      // 9 floats per value
  PA_BUILD_TEXT = 21    // bytes, build text
};

struct Display_object_rec;  // a recorded display object (rendering)
typedef float Vec3f[3];

// One part: 103 fields, numbered in order (1..103); counts,
// numbers and flags are 32-bit ints, GL list fields 32-bit display-list ids.
struct Part_rec {
  char name[PART_NAME_TEXT];       // 1 description, at most 49 characters; unique in its case
  char alt_name[PART_NAME_TEXT];   // 2 alternate name, kept empty, archived
  char *creation_desc;             // 3 creation description, kind 15
  int copy_of;                     // 4 0, or the number of the part this one copies
  int number;                      // 5 part number 1..4999
  int reserved6;                   // 6 always 0
  int case_index;                  // 7 case slot 0..15
  unsigned int line_list;          // 8 line object
  unsigned int solid_list;         // 9 shaded object
  int bbox_list;                   // 10 bounding-box list; negative = stale
  unsigned int sphere_line_list;   // 11 node spheres as lines
  unsigned int sphere_solid_list;  // 12 node spheres shaded
  int solid_built;                 // 13 1 once a current solid object exists
  int contour_labels_placed;       // 14 contour parts: label positions computed
  unsigned int node_label_list;    // 15
  unsigned int elem_label_list;    // 16
  unsigned int part_label_list;    // 17
  int type;                        // 18 Part_type_code
  int element_count;               // 19 elements held
  int *elem_offsets;               // 20 element count + 1 entries, kind 0
  int *connectivity;               // 21 1-based node numbers, kind 1
  Display_object_rec *solid_object;// 22 recorded solid object
  Display_object_rec *line_object; // 23 recorded line object
  Display_object_rec *flipbook_object;  // 24 recorded object of the flipbook page shown
  float *attributes;               // 25 Part_attr_rec: PART_ATTR_SLOTS floats (attribute.h)
  int group;                       // 26 1 = group part (no geometry)
  int parent_group;                // 27 -1 = a row of the lists, else its group's number
  int children_count;              // 28 group: members; derived part: parts it was made from
  int *children;                   // 29 those part numbers, kind 2
  int emitter_group_count;         // 30
  int *emitter_group_ids;          // 31 kind 3
  float *point_times;              // 32 kind 4
  float **point_vectors;           // 33 rows of 3, kind 5
  short *trace_a;                  // 34 kind 6
  short *trace_b;                  // 35 kind 7
  int trace_count;                 // 36 traces or arrows
  int *trace_c;                    // 37 kind 8
  int *trace_d;                    // 38 kind 9
  short *contour_seg_flags;        // 39 kind 10
  int line_rebuild_pending;        // 40
  int solid_rebuild_pending;       // 41
  int attr_owner;                  // 42 the part's own number, copied by newattribute
  int node_count;                  // 43 nodes held
  float **coords;                  // 44 node count + 1 rows of x, y, z; row 0 unused; kind 11
  float **scalars;                 // 45 per variable id: real scalars (kinds 12, 18)
  float **scalars_imag;            // 46 per variable id: imaginary scalars (kind 18)
  Vec3f **vectors;                 // 47 per variable id: real vectors (kinds 13, 19)
  Vec3f **vectors_imag;            // 48 per variable id: imaginary vectors (kind 19)
  float *tensors;                  // 49 9 floats per value, kind 20
  unsigned char *elem_colors;      // 50 kind 16
  signed char *elem_normals;       // 51 kind 17
  float **shrink_points;           // 52 rows of 3, kind 14
  float xmin;                      // 53 extents; xmin and ymin both -99 = unknown
  float xmax;                      // 54
  float ymin;                      // 55
  float ymax;                      // 56
  float zmin;                      // 57
  float zmax;                      // 58
  float *sclmin;                   // 59 per variable
  float *sclmax;                   // 60
  float *vecxmax;                  // 61
  float *vecxmin;                  // 62
  float *vecymin;                  // 63
  float *vecymax;                  // 64
  float *veczmin;                  // 65
  float *veczmax;                  // 66
  float *vecmag1;                  // 67
  float *vecmag2;                  // 68
  int *var_defined;                // 69 per variable: defined on this part
  int *var_undefined;              // 70 per variable: some values undefined
  int structured;                  // 71 1 = structured (IJK) part
  int reserved72[9];               // 72..80 always 0
  int build_text_cap;              // 81 capacity of build_text in bytes
  char *build_text;                // 82 kind 21
  int line_object_size;            // 83
  int solid_object_size;           // 84
  int cap[12];                     // 85..96 capacities of kinds 0..11, in elements
  int *scalar_caps;                // 97 per variable (kinds 12, 18)
  int *vector_caps;                // 98 per variable (kinds 13, 19)
  int cap14;                       // 99
  int cap15;                       // 100 bytes
  int cap16;                       // 101 bytes
  int cap17;                       // 102 bytes
  int cap20;                       // 103 9-float values
};

struct Part_dialog_rec {
  const char *name;  // part-kind name, "Model Parts"
  char letter;       // one-letter code shown in the lists; ' ' for "Multiple Parts"
};

extern Part_rec *parts[MAX_PARTS + 1];      // records 0..Num_p_loaded-1, null after the last
extern int Part_cross[MAX_PART_NUMBER];     // record index by part number, -1 = no record
extern int Num_p_loaded;                    // records in the table, all cases, 0..5000
extern int Num_p_partlist;                  // records whose parent group is -1 (list rows)
extern int Num_parts_cases[MAX_CASES];          // records per case slot
extern const Part_dialog_rec Part_dialogs[PART_TYPES];  // indexed by Part_type_code

// ---- records and arrays ----------------------------------------------------------
// Makes the record of new part number n of the current case at the end of
// the table.  desc (at least 50 bytes) is made unique in place.  extents
// non-zero asks the case's server ("minm") for node count and extents.  The
// table's counts and Part_cross advance only once the record exists; a
// number outside 1..4999, a number that has a record or a full table is
// refused with a message and makes nothing.  0, or -1 when nothing was made.
int create_one_part(int n, char *desc, int type, int extents);
// Makes the per-variable tables of a new record (fields 45..48, 59..70, 97,
// 98) with Var_array_size zeroed entries, in the Part's order; defined is
// the value of every entry of var_defined.  0, or -1 after a failure (the
// tables made stay).
int part_alloc_variable_tables(Part_rec *p, int defined);
// Frees a record and every array it points to (arrays, attributes, tables).
void part_rec_free(Part_rec *p);
// The arrays a copy shares with its source part: element offsets and
// connectivity, coordinates, value arrays, tensors, trace arrays, element
// colours and normals.  Freed only through a part that is not a copy.
void part_free_shared_arrays(Part_rec *p);
// Everything else of the record (attributes, children, display objects,
// per-variable tables and ranges, shrink points, texts) and the record.
void part_rec_free_own(Part_rec *p);
// Makes the array of kind k of the record at index i hold at least count
// elements; v is the variable id of kinds 12, 13, 18, 19 (0 otherwise).
// Arrays never shrink; a failed growth keeps the old array and capacity.
void resize_part_array(int i, int k, int count, int v);
// The current capacity of kind k (variable v) of the record at index i.
int part_array_capacity(int i, int k, int v);
// Writes the lowest free part numbers, at most wanted, into out; *found
// receives how many.
void make_part_number(int wanted, int *out, int *found);
// Rewrites desc until no other record of the case of the record at index i
// has that name (" ->> %.4d" suffixes from one counter shared by all).
void modify_partname_to_be_unique(char *desc, int i);
// The suffix counter's next value (tests read it).
int part_unique_suffix_counter();
// Sets slot 2 of the part to the current case's viewport mask.
void fix_up_case_vis_part(int n);

// ---- queries by part number ------------------------------------------------------
int get_part_type(int number);   // Part_type_code, or -1 without a record
int partxid_check(int number);   // 1 for -1; -1 outside 0..4999; else Part_cross
int is_part_a_copy(int number);  // -1 for -1, -2 or no record; else copy-of number
int is_part_a_group(int number); // 1 for a group part, else -1
void part_list_in_a_group(int number, int *count, int *out);
int are_parts_same_case(int n, const int *numbers);  // 1 when all n share a case
// The record of a part number, or null.
Part_rec *part_by_number(int number);

// ---- queries over the table ------------------------------------------------------
// -1 and -2 kept; groups replaced by their members; numbers without a record dropped.
void uncompress_part_list(int n, int *count, const int *in, int *out);
int parts_in_list_for_current_case();
int part_can_have_zero_order(int index);
int how_many_model_parts(int case_index, int *discrete);
// For each part number the 0-based row of the part lists (a group member
// gets its group's); numbers without a record leave out[i] alone.
void external_to_internal_part(const int *numbers, int count, int *out);
// The n-th top-level part (kind other than 4) in table order: number, type,
// name (first 49 characters and a NUL; room for 50), case, structured flag.
// Kind 4 asks for the n-th frame.  1, or -1.
int ui_part_get(int kind, int n, int *number, int *type, char *name, int *case_index,
                int *structured);
// Mode 1 remembers the parts made last (count 0 keeps the list); mode 0
// hands them back with their row positions.
void newest_created_parts(int *count, int *numbers, int *positions, int mode);

// ---- small utilities -------------------------------------------------------------
// Truncate toward zero; add 1 when the single-precision fraction is >= 0.5.
int our_rint(float x);
float our_fabsf(float x);
// The shared scratch int array, at least n ints, all zero.
void get_temp_integer_memory(int **out, int n);
// Mode 1 stores path (at most 254 characters kept) as the data directory of
// case slot case_index; mode 0 copies it into path (room for PATH_TEXT).
void which_path(int case_index, char *path, int mode);
// Per case the largest I, J, K node index of structured data.
extern int Part_max_ijk[3][MAX_CASES];

// ---- discovery, extents and geometry transfer (read_geom.cpp) -------------------
// Part discovery on the current case: "part info", one model record per entry.
void create_all_parts();
// One entry of the "part info" reply: an int part number and a name of which
// 49 characters are kept (a longer one is drained). 0, or -1 when the
// channel fails.
int part_info_entry(int ch, int *number, char name[PART_NAME_USED]);
// After the caller sent "minm": the part number goes out on its case's
// channel and the node count and extents come back into the places given.
void part_minmax(int n, int *nodes, float *xmin, float *xmax, float *ymin, float *ymax,
                 float *zmin, float *zmax);
// "minm_many" to every connected case server, all sent before any reply is
// read; node counts and extents stored in the records.
void many_parts_minmax(int n, const int *numbers);
// "loadp_many" to every connected case server, one after the other.
int load_many_parts(const int *numbers, int n);
int load_part(int n);
// Slot 33 of the part set to 4 ("not_loaded").
void fix_not_loaded(int n);
// The current case's largest output file in MB ("max_file_size" while 0).
float get_server_maxfilesize();
// Forgets the kept file sizes (a test starts from scratch).
void reset_server_maxfilesize();
