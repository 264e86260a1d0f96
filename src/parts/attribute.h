// Part attributes: the 108 slots of Part_attr_rec as
// named constants, the twelve default records, the default part colours,
// newattribute, update_partdefaults and part_attributes, the one accessor of
// a part's slots, name and creation description and of the defaults; the
// small accessors built on it and the archive section "attribute_view".
#pragma once

#include <cstdio>

#define PART_ATTR_SLOTS 108   // floats of a Part_attr_rec
#define FRAME_ATTR_WORDS 43   // words of a frame attribute block
#define ATTR_UNSET (-99.0f)   // a slot value computed when it is read
#define ATTRIBUTE_VIEW_BYTES 4508  // size of the "attribute_view" section

// ---- general slots (every part type) ---------------------------------------------
enum {
  SLOT_FRAME = 0,            // "ref_frame": coordinate frame
  SLOT_VISIBLE = 1,          // "visible"
  SLOT_VIEWPORT_VIS = 2,     // "viewport_vis": bit v = shown in viewport v
  SLOT_MIRROR_ORIGINAL = 3,  // "mirror_original"
  SLOT_RESERVED_4 = 4,       // always 0
  SLOT_CLIP = 5,             // "clip": auxiliary clip planes apply
  SLOT_ACTIVE = 6,           // "active" (id 14)
  SLOT_VIS_NODE = 7,         // "visibility_node" (id 6)
  SLOT_VIS_LINE = 8,         // "visibility_line" (id 7)
  SLOT_VIS_ELT = 9,          // "visibility_elt" (id 8)
  SLOT_NODE_TYPE = 10,       // "node_type" (id 9): dot 0, cross 1, sphere 2
  SLOT_NODE_SCALE = 11,      // "node_scale" (id 10); -99 = H/50
  SLOT_NODE_DETAIL = 12,     // "node_detail" (id 11)
  SLOT_NODE_SIZE_BY = 13,    // "node_size_by" (id 12)
  SLOT_NODE_VARIABLE = 14,   // "node_variable" (id 13)
  SLOT_MIRROR_Z = 15,        // 15..21 mirror copies z, y, x, xy, yz, xz, xyz
  SLOT_MIRROR_Y = 16,
  SLOT_MIRROR_X = 17,
  SLOT_MIRROR_XY = 18,
  SLOT_MIRROR_YZ = 19,
  SLOT_MIRROR_XZ = 20,
  SLOT_MIRROR_XYZ = 21,
  SLOT_DISPLACE_BY = 22,     // node vector variable id, -1 none
  SLOT_DISPLACE_FACTOR = 23,
  SLOT_LINE_WIDTH = 24,
  SLOT_LINE_STYLE = 25,      // solid 0, dotted 1, dot-dash 2
  SLOT_HIDDEN_LINE = 26,
  SLOT_HIDDEN_SURFACE = 27,
  SLOT_SHADING = 28,         // flat 0, gouraud 1, smooth 2
  SLOT_FILL_PATTERN = 29,
  SLOT_LIGHT_DIFF = 30,
  SLOT_LIGHT_SHIN = 31,
  SLOT_LIGHT_HINT = 32,      // highlight intensity
  SLOT_ELT_REP = 33,         // element representation, ELT_REP_*
  SLOT_FEATURE_ANGLE = 34,   // degrees
  SLOT_SHRINK = 35,
  SLOT_LABEL_NODE = 36,
  SLOT_LABEL_ELT = 37,
  SLOT_BOUNDING_REP = 38,    // off/element 0, box 1, points 2
  SLOT_COLORBY_PALETTE = 39,
  SLOT_COLORBY_SUBPALETTE = 40,
  SLOT_RGB_R = 41,
  SLOT_RGB_G = 42,
  SLOT_RGB_B = 43,
  SLOT_OPAQUENESS = 44,
  SLOT_FIRST_CREATION = 45,  // 45..100 and 102..107: creation slots
  SLOT_LABEL_PART = 101      // "entity_label_part" (id 71)
};

// Element representations (slot 33).
enum {
  ELT_REP_3D_BORDER_2D_FULL = 0,
  ELT_REP_BORDER = 1,
  ELT_REP_FEATURE_ANGLE = 2,
  ELT_REP_FULL = 3,
  ELT_REP_NOT_LOADED = 4,
  ELT_REP_BOUNDING_BOX = 5
};

// ---- creation slots used by this module ------------------------------------------
enum {
  SLOT_TRACE_TYPE = 45,       // trace: streamline 0 / pathline 1
  SLOT_CREATE_VARTYPE = 46,   // iso, elevated, profile: scalar 0 / vector 1; clip: plane type
  SLOT_CLIP_MESH_PLANE = 47,  // clip: mesh plane I/J/K 0..2
  SLOT_CLIP_PLANE_VALUE = 48, // clip: plane value
  SLOT_CREATE_VARIABLE = 50,  // creation variable id
  SLOT_CLIP_DOMAIN = 52,      // clip: intersect 0, inside 1, outside 2, in_out 3
  SLOT_REV_COUNT = 53,        // clip: revolution profile points
  SLOT_CREATE_TIME = 54,      // solution time the part was made at
  SLOT_CLIP_TOOL = 58,        // clip: tool, CLIP_TOOL_*
  SLOT_TOOL_P1 = 63,          // 63..65 first tool point
  SLOT_TOOL_P2 = 66,          // 66..68
  SLOT_TOOL_P3 = 69,          // 69..71
  SLOT_TOOL_RADIUS = 72,      // radius or angle
  SLOT_TRACE_VEL_OFFSET = 64, // trace: surface velocity offset, -99 = ask the servers
  SLOT_CONTOUR_LABEL_SPACING = 92,
  SLOT_CLIP_XYZ_RANGE = 72,   // clip xyz: 72..77 x, y, z min and max
  SLOT_CLIP_XYZ_STEP = 78,    // clip xyz: slider step
  SLOT_ARROW_TIP_SIZE = 85,   // arrow: -99 = H/80
  SLOT_CLIP_1D_PART = 89,     // clip: part of a 1D-part clip, -1 = first existing
  SLOT_CLIP_DIM2_FROM = 94,   // 94, 95 dimension 2 from, to
  SLOT_CLIP_DIM3_FROM = 96,   // 96, 97 dimension 3 from, to
  SLOT_TRACE_TOTAL_TIME = 95, // trace: -99 = the last solution time
  SLOT_TRACE_RIBBON = 98,     // trace: ribbon width, -99 = H/50
  SLOT_TRACE_START_TIME = 99  // trace: -99 = the current time
};

// Clip tools (slot 58).
enum {
  CLIP_TOOL_LINE = 0,
  CLIP_TOOL_PLANE = 1,
  CLIP_TOOL_CYLINDER = 2,
  CLIP_TOOL_SPHERE = 3,
  CLIP_TOOL_CONE = 4,
  CLIP_TOOL_REVOLUTION = 5,
  CLIP_TOOL_1D_PART = 6,
  CLIP_TOOL_QUADRIC = 7,
  CLIP_TOOL_IJK = 8,
  CLIP_TOOL_XYZ = 9,
  CLIP_TOOL_XYZ_BOX = 10
};

// ---- default records and colours ------------------------------------------------
// The frame defaults: an int and 42 floats.
struct Frame_attr_words {
  int word0;
  float words[FRAME_ATTR_WORDS - 1];  // words 1..42
};

// Fills the twelve default records once (a flag records it).
void init_part_type_defaults();
// The default record of a part type (types 11, 13, 15 give the model
// record; 12, 14 and codes without a record give null).  Frames: null (see
// frame_defaults).
float *part_type_defaults(int type);
Frame_attr_words *frame_defaults();
// The default part colours, read once from "quivane.part.colors.default"
// (user, else site); six built-in colours when no valid file is found.
int default_part_color_count();
const float *default_part_color(int i);  // RGB of colour i modulo the count
// Forgets the colour list and the defaults (tests start from scratch).
void reset_part_attribute_state();
// Prepares the attribute block of the record at index of the given type.
void newattribute(int index, int type);
// A variable of this type and id became available: creation defaults that
// lack a variable take it.
void update_partdefaults(int var_type, int var_id);

// ---- access ---------------------------------------------------------------------
// part: a part number, -1 the defaults of type, -2 all defaults.  mode 0
// read, 1 write.  attributes: PART_ATTR_SLOTS floats (43 words for frames);
// change: PART_ATTR_SLOTS flags (part -2 writing only); desc: the name
// (room for 50); creation: in read mode receives a new copy of the creation
// description or null (the caller frees it), in write mode the text to
// store or null.  1, or -1 when the part number has no record.
int part_attributes(int part, int type, float *attributes, const int *change, char *desc,
                    char **creation, int mode);
int frame_attributes(int frame, float *attributes, char *desc, int mode);
int get_common_attribute(int count, const int *list, int slot, float *value);
// Sets nslots slots (slot numbers, values) of every part of the list (group
// members included) through modatr, then redraws (twice for shading).
void set_common_attribute(int count, const int *list, int nslots, const int *slots,
                          const float *values);
int part_descrip(int number, char *buf, int mode);
int return_partnumforcase_given_description(const char *name);
int return_partnum_given_description(const char *name);
int return_allpartnum_given_description(const char *name, int *out);
int check_variable_exists_for_part(int index, int var_id);
void check_working_variable();
// The working variable (type -1 = none).
void part_working_variable(int *type, int *id, int mode);
// The remembered xyz_box corners (read with mode 0, set with 1).
void part_xyz_box(float lo[3], float hi[3], int mode);
// View height H: 2 x viewing distance x tan(perspective angle).
float part_view_height();
// Archive section "attribute_view": modes 0, 5 write, 2, 6 read, 4 reset.
int attribute_bkup(FILE *fp, int mode);

// Selection of the main part list as selected_parts gives it:
// the interface installs its own; without one nothing is selected and no
// part is listed (count 0, null arrays, result 0).
extern int (*part_selected_parts_windep)(int code, int *count, int **internal, int **numbers);
// Set when a written name changed (the part lists are rebuilt).
extern int Rebuild_part_list;
