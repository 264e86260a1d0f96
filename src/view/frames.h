// Local coordinate frames: visibility of the axis triads.
#pragma once

extern int Axiso1;  // 1 = local frame axes shown
extern int Axiso2;  // 1 = global axis triad shown
extern int Axiso3;  // 1 = direction triad shown

// ---- frame table ---------------------------------------------------------------
// Frame 0, the global frame, is made at the first graphics initialisation
// and is never deleted; before that the table is empty and frame_record
// answers an identity frame for every number.
extern int Num_frames;               // frames in the frame table
extern int Frame_current_transmode;  // frame panel choice: 1 transform, 10 define

// The number and name (room for 50) of the frame at list position n; 1, or
// -1 when there is no such position.
int frame_get(int n, int *number, char *name);
// Mode 0: the selected frames in frame-number order into list (room for
// 5000), their count into *count.  Mode 1: exactly the *count frames of
// list become selected (numbers without a frame skipped) and the tools are
// carried from the previous single selected frame to the new one.  1.
int current_selected_frames(int *count, int *list, int mode);
// Part numbers of the non-group parts assigned to the given frames, in a
// new heap list (caller frees); a frame listed twice gives its parts twice;
// count 0 and no list when none.  1, or -1 when memory runs out.
int given_frames_return_parts(int nframes, const int *frames, int *count, int **list);
// Brings the frame panel in line with the selected frames (through the
// panel's refresher, nothing without a screen).
void frame_icons_refresh();
extern void (*frame_icons_refresh_windep)();
// Notice shown when frame mode is entered (the Motif layer's frame notices).
void frame_notification_mesg_windep();

// ---- triad size ------------------------------------------------------------------
#define FRAME_LEN_X 14    // frame slots 14..16: axis lengths x, y, z

extern float Axis_size;        // length of the global triad's axes and of new frames' axes
extern float Axis_size_div20;  // Axis_size / 20, kept for the frames archive

// Axis_size = size, the default frame's three axis lengths = size.
void axiscl(float size);

// The frame-to-global matrix of frame n (row vectors, translation in 12-14);
// frame 0's for a number without a frame.
void frame_to_global_matrix(int frame, float m[16]);

// ---- frame records ---------------------------------------------------------------
#include <cstddef>

#include "view/view_matrix.h"

#define MAX_FRAMES 5000
#define FRAME_VIEWPORTS 16  // one local transformation per viewport
#define FRAME_NAME_LEN 80   // name buffer: at most 79 characters and the NUL
#define FRAME_SLOTS 58      // slots 0..42 attributes, 43..57 the five axis-definition points
#define FRAME_POINTS 43     // first slot of the axis-definition points

// One coordinate frame.  The field order and sizes are fixed: the record is
// written field by field into the saved-view file and the frames archive.
// Matrices are row vectors in OpenGL memory order (translation in 12-14).
struct Frame_rec {
  char name[FRAME_NAME_LEN];
  float attributes[FRAME_SLOTS];
  Matrix_4x4_rec rotation[FRAME_VIEWPORTS];     // local rotation per viewport
  Matrix_4x4_rec translation[FRAME_VIEWPORTS];  // local translation per viewport
  Matrix_4x4_rec scale[FRAME_VIEWPORTS];        // local scale per viewport
  Matrix_4x4_rec combined[FRAME_VIEWPORTS];     // to_frame x scale x rotation x translation x to_global
  Matrix_4x4_rec to_global;                     // frame coordinates to global (rigid)
  Matrix_4x4_rec to_frame;                      // its inverse
  int selected;                                 // 1 while the frame is selected
};

// Frame records by number, null = free.
extern Frame_rec *Ctm_part[MAX_FRAMES];
extern int Frame_order_list[MAX_FRAMES];  // numbers of the existing frames in creation order
extern int Frame_drawn_list[MAX_FRAMES];  // frames whose triads are drawn outside frame mode
extern int Frame_drawn_count;

// The record of frame number n; frame 0's for a number outside the table
// or without a record.
const Frame_rec *frame_record(int n);
// Frees every record and empties the table (the first graphics
// initialisation, before it makes frame 0).
void frames_table_reset();
// The allocator of frame records (calloc); tests swap it to see a failure.
extern void *(*Frame_calloc)(size_t count, size_t size);

// ---- lookup ----------------------------------------------------------------------
// A list position is an index into Frame_order_list (creation order).
int does_frame_exist(int number);                          // 1 when listed, else 0
int given_frame_number_return_list_position(int number);   // -1 when absent
int given_list_position_return_frame_number(int position); // -1 outside 0..Num_frames-1
void external_to_internal_frame(const int *numbers, int n, int *positions);
// The number and name (80-byte buffer) at a list position; -1 and "" for a
// position outside the list.
void getframe(int position, int *number, char *name);
void getframe2(int *count, int *numbers);  // Num_frames and the creation-order list
int is_frame_periodic(int frame);          // 1 when its symmetry type is not 3 (none)

// ---- attributes ------------------------------------------------------------------
// Mode 0 copies name (80 bytes) and slots 0..42 out; mode 1 defines the
// frame from them (name stored cut to 79 characters, axes repaired in attrs,
// periodic instances remade when the symmetry changes: -1 when that fails).
// -1 when the frame does not exist.
int frames(int frame, int mode, char *name, float *attrs);
// Repairs the axis vectors of 43 attribute slots in place: x and y become
// unit vectors square to the given z, whose direction and length are kept
// ((0, 0, 1) for a zero z).
void modify_frame_orientation(float *attrs);
// Stores slots 0..42, rebuilds the axis points and the frame matrices; the
// tools keep their coordinates relative to the frame.
void modify_frame(int frame, const float *attrs);
void cross_p(const float a[3], const float b[3], float out[3]);
// visible 1.0 appends the frame to Frame_drawn_list once; else removes it.
void list_a_display(int frame, float visible);
// Frame 0's axis lengths become Axis_size and it is placed at the origin.
void fix_defined_frames();

// ---- creation, placement, assignment, deletion -----------------------------------
// The new frame's number (lowest free, listed last, selected alone), or -1
// when all are taken or its record cannot be allocated (reported; nothing
// added).  An empty name gives "Coord. frame N".
int new_frame(const float *attrs, const char *name);
// Places the frame at the centre of the parts' box (groups expanded; the
// origin with no part), its axis points along the global axes, and resets
// its local transformations.
void local_ctm_init(int count, const int *parts, int frame);
// 1, or -1 refused with nothing changed: a periodic instance part would
// change frame, or the frame does not exist.
int assign_frame(int count, const int *parts, int frame);
#define FRAME_DELETE_REFUSED (-3)
// -1 deleted; -2 no such frame; the part-table index of a part still using
// it (nothing deleted); FRAME_DELETE_REFUSED for frame 0, which is never
// deleted ("Frame 0 cannot be deleted." shown).
int delete_local_ctm(int frame);

// ---- selection -------------------------------------------------------------------
// How many frames are selected; *number the single selected one, else 0.
int get_current_frame_selected(int *number);
// Selects every frame, then redraws all viewports.
void select_all_frames();
// The tools take, relative to new_frame, the coordinates they had relative
// to old_frame; redrawn when a tool is shown.
void update_tools_position_frame_change(int old_frame, int new_frame);

// ---- interaction and screen ------------------------------------------------------
void modify_frame_coordinates(int action, int axis_kind, int to_z, float dx, float dy, float dz,
                              float origin[3], float x_axis[3], float y_axis[3], float z_axis[3],
                              float len_a, float len_b, float ignored, float *angle_x,
                              float *angle_y, float *angle_z, int replay, int planar);
void modify_local_transform(int kind, float dx, float dy, float dz, float origin[3],
                            float x_dir[3], float y_dir[3], float ignored1, float len_a,
                            float len_b, float ignored2, float *angle_x, float *angle_y,
                            float *angle_z, int replay);
void from_screen_to_world_coords(int x, int y, float *wx, float *wy, float *wz);

// ---- frame-local transformations (current viewport) ------------------------------
// Each frame's local scale, rotation and translation per viewport work in
// the frame's axes about its origin; combined[v] = to_frame x scale x
// rotation x translation x to_global is stored by every operation that
// changes a factor.  Frames listed without a record are passed over.
// Mode 0 copies the listed frames' matrices out, 1 stores them; entry k
// belongs to frames[k].
void local_ctm_transforms(float (*scale)[16], float (*rotation)[16], float (*translation)[16],
                          int count, const int *frames, int mode);
void local_current_ctm(float (*combined)[16], int count, const int *frames, int mode);
void local_ctm_transforms_st(float (*scale)[16], float (*rotation)[16],
                             float (*translation)[16], int count, const int *frames, int mode);
void local_current_ctm_st(float (*combined)[16], int count, const int *frames, int mode);
// The same on matrices held as four row pointers each.
void local_ctm_transforms_stars(float *(*scale)[4], float *(*rotation)[4],
                                float *(*translation)[4], int count, const int *frames, int mode);
void local_current_ctm_stars(float *(*combined)[4], int count, const int *frames, int mode);
// Turn (degrees, z first, then y, then x), move and scale after what is
// accumulated; each sets Resort_transparent.
void local_rotvew(int count, const int *frames, float ax, float ay, float az);
void local_trnvew(int count, const int *frames, float dx, float dy, float dz);
void local_sclvew(int count, const int *frames, float sx, float sy, float sz);
// reset[0], [1], [2]: rotation, translation, scale become the identity in
// every selected viewport.
void local_reset_transforms(int count, const int *frames, const int reset[3]);
// 1 when no off-diagonal element of the listed frames' combined matrices
// exceeds 1e-8 in any viewport of the stacking order, else 0.
int is_transform_for_frame_identity(int count, const int *frames);

// ---- axis triads -----------------------------------------------------------------
extern float Frame_color[3];
void toggle_local_axis(int v);
void toggle_global_axis(int v);
void toggle_direction_axis(int v);
void frames_color(float *r, float *g, float *b, int mode);
// Draws the axis triads that are switched on into Viewport_current.
void axis_display();
void frame_triad_display(int frame);
