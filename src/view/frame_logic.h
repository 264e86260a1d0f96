// Frame panel logic: the working frame list, creating, selecting, deleting
// frames and assigning parts from the interface, checking and applying
// attribute changes to the working frames (with recording), the pending
// computational-symmetry changes and the periodic match file, and the
// values that fill the frame panel and dialogs.  The "frame:" commands
// (frame_cmdproc.h) share all of it.  No widget is touched here: the Motif
// layer fills its widgets through Frame_windep.
#pragma once

#include "view/frames.h"

#define FRAME_MOD_SLOTS 43        // attribute slots a change can flag
#define FRAME_MATCHFILE_LEN 255   // match file name buffers, with the NUL
#define FRAME_DESC_LEN FRAME_NAME_LEN  // description: at most 79 characters and the NUL

// Attribute slots named by the logic.
enum Frame_slot {
  FRAME_VISIBLE = 0,
  FRAME_TYPE = 1,
  FRAME_ORIGIN = 2,           // 2..4
  FRAME_ORIENT = 5,           // 5..13: x, y, z vectors
  FRAME_LABELS_X = 17,        // 17..19 label counts
  FRAME_LINE_WIDTH = 20,
  FRAME_RGB = 21,             // 21..23
  FRAME_TICKS_X = 24,         // 24..26 tick labels on/off
  FRAME_SYM_TYPE = 27,        // 0 mirror, 1 rotational, 2 translational, 3 none
  FRAME_SYM_ANGLE = 28,
  FRAME_SYM_RINST = 29,
  FRAME_SYM_MIRROR = 30,      // 30..36 the seven mirror toggles
  FRAME_SYM_USE_FILE = 37,
  FRAME_SYM_FILE = 38,
  FRAME_SYM_TINST = 39,
  FRAME_SYM_DELTA = 40,       // 40..42
  FRAME_ALL_SLOTS = 43,       // frame_attr_updt: every flagged slot of a full vector
};

// ---- working list and pending change (shared with the "frame:" commands) --------
extern int Frame_wrking_framecnt;                      // frames in the working list
extern int Frame_wrking_frameids[MAX_FRAMES];          // their numbers
extern float Frame_mod_attr[FRAME_MOD_SLOTS];          // pending value per slot; kept between lines
extern int Frame_modchng_flags[FRAME_MOD_SLOTS];       // 1 where a slot has a pending change
extern char Frame_modchng_matchfile[FRAME_MATCHFILE_LEN];  // pending periodic match file name
extern char Frame_modchng_desc[FRAME_DESC_LEN];        // text of the last "description" line
extern int Frame_modify_pending;                       // 1 between modify_begin and modify_end
extern char Frame_csymperiodic_file[FRAME_MATCHFILE_LEN];  // match file name being applied

// Replaceable services (tests put doubles here): the server-side check of
// a periodic match file, and whether periodic instances can be made.
extern int (*Frame_check_match_file)(const char *name, int *mismatch, int *type, float *dx,
                                     float *dy, float *dz, float *angle);
extern int (*Frame_periodic_available)();

// ---- what the panel and dialogs show -------------------------------------------
struct Frame_panel_fields {
  int visible;        // "FRAM_VISIB" icon on (slot 0)
  int linew_row;      // 0..3: "1 Pixel " .. "4 Pixels"
  int type_row;       // 0 "Rectangular", 1 "Cylindrical", 2 "Spherical"
  int transmode;      // 1 "Transform", 10 "Definition"
  int triad_visible;  // "FRAM_LOVIS" icon on (Axiso1)
};
struct Frame_axis_fields {
  char length[3][20];  // "%.4e" of slots 14..16
  int ticks[3];        // slots 24..26
  char labels[3][20];  // "%4d" of slots 17..19
};
struct Frame_location_fields {
  char origin[3][20];  // "%.4e" of slots 2..4
  char orient[9][20];  // "%.4e" of slots 5..13, three per row
};
struct Frame_csym_fields {
  int type;               // option row and the form shown: 0..3
  int mirror[7];          // toggles of slots 30..36 (type 0)
  char angle[20];         // "%.4e" slot 28 (type 1)
  char rinstances[20];    // "%4d" slot 29 (type 1)
  char delta[3][20];      // "%.4e" slots 40..42 (type 2)
  char tinstances[20];    // "%4d" slot 39 (type 2)
  int use_file;           // periodic-file toggle, slot 37 (types 1, 2)
  char file[FRAME_MATCHFILE_LEN];  // the frame's match file name
  int values_sensitive;   // angle and translation fields editable (slot 37 is 0)
};

// What the frame logic asks of its widgets; a null entry means the widget
// does not exist and nothing is shown.
struct Frame_windep_hooks {
  void (*panel)(const Frame_panel_fields *f);
  void (*axis)(const Frame_axis_fields *f);
  void (*location)(const Frame_location_fields *f);
  void (*csym)(const Frame_csym_fields *f);
  // Clears the change colouring of the symmetry widgets of flagged slots 28..42 (all: every one).
  void (*csym_clear_changes)(const int *flags, int all);
  // The angle and translation fields become sensitive exactly when on.
  void (*csym_values_sensitive)(int on);
  void (*color_dialog)(float r, float g, float b);  // opens the colour chooser at r, g, b
  int (*chooser_color)(float *r, float *g, float *b);  // the chooser's colour; 1 when there is one
  void (*transf_frames)();  // the Transformation Editor's frame list
};
extern Frame_windep_hooks Frame_windep;

// ---- panel actions ----------------------------------------------------------------
// A new frame with the default frame's attributes at the centre of the
// selected parts (main list, or from a command the command's selection).
// The frame number, or -1 ("Error creating frame."; a command fails).
int frame_new(int from_command);
int frame_selectall(int from_command);
// Deletes the listed frames: each is checked first and none is deleted when
// one is frame 0 or used by a part.  1, or -1 (nothing deleted).
int frame_delete(int from_command, int count, const int *list);
// Puts the parts selected in the main list into the single working frame.
// 1 assigned, else -1.
int frame_assignparts();
void frame_transf_chng(int mode);
void frame_rgb_manageselect();
void frame_rgbvalue_apply();
void frame_rgbselect_apply();

// ---- attribute changes --------------------------------------------------------
// Applies a change to the working frames (the default frame when the list is
// empty): slot names the change (see frame_logic.cpp), flags is read only for
// FRAME_ALL_SLOTS, text is the match file name; refresh 0 axis dialog, 1
// location, 2 symmetry, 3 none (interface only).  1 applied; -1 refused or
// failed after showing the message (from a command Command_proc_err is set).
int frame_attr_updt(int slot, const float *values, const char *text, const int *flags, int refresh,
                    int from_command);
// 1 when every flagged value is acceptable, else 0 after showing the first refusal.
int frame_checkvalues(const float *attrs, const int *flags);
// Mode 1 collects a symmetry dialog field, 2 applies the collected changes
// ("Update"), 0 drops them.
void frame_csymattr_pending(int slot, const float *values, const char *text, int mode);
void frame_clearcsym_changeindicators(const int *flags, int all);

// ---- refreshing and filling -------------------------------------------------
// The working list from the frame selection (a changed selection is
// recorded), then the panel; frame_icons_refresh() reaches this.
void frame_wrking_refresh();
void frame_refresh_all();
void frame_genericattr_init();
void frame_axisattr_init();
void frame_locattr_init();
void frame_csymattr_init(int use_given_type, int type);
void frame_csymtype_manageinit(const float *attrs, const char *file);
