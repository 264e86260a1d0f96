// The recorded display list: the one funnel (quivane_opengl) through which
// the display-object builders send every drawing step, either straight to
// OpenGL (normally inside the rebuild's glNewList) or into the part's own
// recorded object, a chain of fixed blocks replayed by the part passes.
#pragma once

#include <cstdint>
#include <cstdio>

#define DL_RECORD_BYTES 4096   // record area of a block
#define DL_BLOCK_BYTES 4112    // a block in its stored form: 4 head words + records
#define DL_STEP_ROOM 50        // a step goes to a fresh block when used + 50 > 4096
#define DL_TEXT_MAX 87         // characters kept of a text record
#define DL_TEXT_BUFFER 88      // replay buffer of a text record, NUL included

// Display_list_opcode: the first word of every record.
enum {
  DL_DISABLE = 0,          // int capability
  DL_ENABLE = 1,           // int capability
  DL_COLOR_MATERIAL = 2,   // int face, int mode
  DL_BEGIN = 3,            // int primitive
  DL_END = 4,
  DL_COLOR3 = 5,           // colour word r, g, b, 0 (elided when repeated)
  DL_COLOR4 = 6,           // colour word r, g, b, a (elided when repeated)
  DL_NORMAL = 7,           // packed normal word (elided when repeated)
  DL_VERTEX = 8,           // 3 floats
  DL_PUSH_MATRIX = 9,
  DL_POP_MATRIX = 10,
  DL_TRANSLATE = 11,       // 3 floats
  DL_SCALE = 12,           // 3 floats
  DL_CALL_LIST = 13,       // int list id
  DL_TEXCOORD1 = 14,       // 1 float
  DL_OPEN = 15,            // opens the part's object; not recorded
  DL_CLOSE = 16,           // closes it; not recorded
  DL_LINE_WIDTH = 17,      // 1 float
  DL_TEXT = 21,            // int n, n bytes; only through quivane_opengl_label
  DL_RASTER_POS = 22,      // 3 floats
  DL_LOD_MARK = 26,        // int level
  DL_OPCODES = 27          // words from here on are skipped on replay
};

// One block of a recorded object.  In memory the link is a native pointer;
// the stored form (flipbook archive) is DL_BLOCK_BYTES with a 4-byte zero
// in its place (display_list_block_write/read).
struct Display_list_block_rec {
  Display_list_block_rec *next;  // next block of the object, or of the pool; null at the end
  int32_t reserved1;             // never written by the recorder
  int32_t used;                  // bytes of records, set when the recorder leaves the block
  int32_t reserved2;             // 0 when a step takes the block; a text leaves it alone
  unsigned char records[DL_RECORD_BYTES];  // the opcode stream; no record spans two blocks
};

// The head of one recorded object: created zeroed by the first open.
struct Display_object_rec {
  int32_t reserved[2];           // never used
  Display_list_block_rec *first; // first block, null while empty
};

extern Display_list_block_rec *free_display_list;  // pool of free blocks (a stack)
extern int Compile_Quivane_display_list;  // non-zero: quivane_opengl records instead of drawing
extern int Skip_geometry;                 // level-of-detail cut of the replay; >= 100 none (100)

// The funnel.  Kind 0 addresses the part's line object, any other value its
// solid object; reserved is 0.  Operands an opcode does not use are 0.
// Recording: 15 opens the object (its earlier blocks are written over in
// order), 16 closes it (surplus blocks go back to the pool), every other
// step of 0..26 is appended.  Immediate: 0-14, 17 and 22 make their GL
// call, everything else does nothing.  Colour components are clamped to
// 0..1 and normal components to -1..1 before packing.  When a block cannot
// be had, the object is abandoned: nothing more is recorded, the close
// leaves it empty and the failure is reported once.
void quivane_opengl(int part, int kind, int reserved, int opcode, int i1, int i2, float f1,
                    float f2, float f3, float f4);
// One step made as its GL call at once, whatever the recording state (what
// quivane_opengl does with recording off).
void display_list_immediate_step(int op, int i1, int i2, float f1, float f2, float f3, float f4);
// A text record (opcode 21) of at most 87 characters into the object being
// recorded, or the text drawn at the current raster position when not
// recording.
void quivane_opengl_label(int kind, int ignored, int opcode, const char *text);
// The bracket of a part rebuild around a builder.  With Quivane_display_list
// set, open switches recording on and opens the part's recorded object of
// the kind, and close closes it and switches recording off; otherwise open
// starts compiling the part's GL list of the kind (line_list for kind 0,
// solid_list else; an id is made when it is 0) in the current context, and
// close ends the list.  The builder's steps go through quivane_opengl either
// way, so both roads draw the same picture.
void display_object_open(int part, int kind);
void display_object_close(int part, int kind);
// Stores a block from the pool, or a new one when the pool is empty.  1, or
// -1 with *block null when none could be allocated.  Contents not cleared.
int allocate_display_list_memory(Display_list_block_rec **block);
// Pushes every block of the chain from first onto the pool.
void purge_display_list_memory(Display_list_block_rec *first);
// Returns the object's blocks to the pool, frees its head and nulls *object.
void display_object_free(Display_object_rec **object);
// Replays the part's chosen object How_many_pipes times.
void draw_internal_display_list_object(int part, int reverse_normals);
// One replay of the part's chosen object (solid, line or flipbook object by
// the flipbook state, the solid-built flag and the current viewport's
// hidden-surface attribute).
void replay_display_list_object(int part, int reverse_normals, int pipe);

// The operand encodings, shared by the recorder, the replay and the tests.
uint32_t display_list_color_word(float r, float g, float b, float a);
uint32_t display_list_normal_word(float x, float y, float z);
void display_list_unpack_normal(uint32_t word, float out[3]);

// A recorded object in its stored form, for the flipbook archive: each block
// as DL_BLOCK_BYTES (a 4-byte zero for the link, the reserved word, used and
// the second reserved word big-endian, then the 4096 record bytes as held).
// Write returns the number of blocks written, or -1 on a write error.
int display_list_object_write(FILE *file, const Display_object_rec *object);
// Reads count blocks into an empty object, taking them from the pool and
// linking them in order.  A block whose used count is outside 0..4096, a
// short file or a failed allocation gives -1 with the object left empty and
// every block taken returned to the pool; else count.
int display_list_object_read(FILE *file, int count, Display_object_rec *object);
