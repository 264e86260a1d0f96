// The Transformation Editor's tool-position area: where the current 3-D
// tool is, in the coordinates of the feedback frame (the one selected frame,
// else frame 0), typed values applied to the tools and recorded as
// "view_transf:" lines, and the revolution tool's point list.  The area's
// widgets are reached through Transf_feedback_windep (null until the
// editor's dialog code sets it: nothing is filled or read).
#pragma once

// Column letters and heading words of coordinate type 0 rectangular,
// 1 cylindrical, 2 spherical.
extern const char *const Coord_type[3][3];
extern const char *const Coord_label[3];

// The area's fields: a group and an index within it.
enum Feedback_field {
  FDBK_LABEL,             // the heading
  FDBK_CUR_LBL,           // [3] cursor column labels
  FDBK_CUR_TEXT,          // [3] cursor x, y, z
  FDBK_LIN_LBL,           // [3]
  FDBK_LIN_TEXT,          // [6] point 1 then point 2
  FDBK_LINLENGTH_TEXT,    // the line's length
  FDBK_PLN_LBL,           // [3]
  FDBK_PLN_TEXT,          // [9] points 1, 2, 3
  FDBK_PLNEQ_TEXT,        // [4] A, B, C and the right-hand side
  FDBK_CYLCON_ORIG,       // [3] cylinder, sphere and cone: origin
  FDBK_CYLCON_AXIS,       // [3] axis
  FDBK_CYLCON_RADANG,     // radius or angle
  FDBK_CYLCON_RADANGLBL,  // its label
  FDBK_REV_ORIG,          // [3] surface of revolution: origin
  FDBK_REV_AXIS,          // [3] axis
  FDBK_REV_DIST,          // the selected point's distance
  FDBK_REV_RAD,           // and radius
};

struct Transf_feedback_windep_ops {
  int (*shown)();  // 1 while the Transformation Editor exists and is managed
  // The text of a field into buf: 1, or 0 when the field does not exist.
  int (*get)(int field, int index, char *buf, int size);
  // Shows text in a field or label (nothing when it does not exist).
  void (*set)(int field, int index, const char *text);
  // The revolution section and its two linked point lists.
  int (*rev_shown)();  // 1 while the section exists and is managed
  // Empties both lists and fills them with n items each.
  void (*rev_fill)(int n, const char *const *distances, const char *const *radii);
  // The shared scroll bar's range: set (mode 1) or read (mode 0).
  void (*rev_scrollbar)(int *minimum, int *maximum, int *slider, int *value, int mode);
  // Selects item position (1-based; 0 the last) in both lists; notify 1
  // runs the lists' selection handling (quad_revoselect_item).
  void (*rev_select)(int position, int notify);
  // Selects position in one list only: the distance list (1) or the radius
  // list (0), without notification.
  void (*rev_select_one)(int position, int distance_list);
  void (*rev_top)(int position);  // first visible item of both lists
  void (*rev_replace)(int position, const char *distance, const char *radius);
};
extern Transf_feedback_windep_ops Transf_feedback_windep;

// Fills the area for the current mode when the editor is shown.
void transf_feedback_refresh();
void transf_feedback_init();
// Fills the quadric group for quadric tool 1..4 in frame (type unused).
void transf_fdbk_qstool_init(int frame, int frame_type, int quadric_tool);
// Applies the typed values of the current mode's group; 1.
int transf_feedback_updt();
// Applies the typed line length.  1, or -1 refused.
int transf_feedbacklinelength_updt();

// ---- the revolution point list ------------------------------------------------------
void quad_revorefresh_list(int n, const float distances[], const float radii[]);
void quad_revoselectpos_byindex(int index, int n);
void quad_revolist_position(int index);
void quad_revoselect_item(int position, int from_distance_list);
void quad_revorefselval_byindex(int index, int n, float distance, float radius);
// The typed distance and radius for the selected point.  1, or -1 refused
// (no point selected, or a check failed).
int quad_revoraddist_chng();
// 1, or -1 refused.
int quad_revo_deleteselpoint();
void quad_revopoint_recordchng(int index);
