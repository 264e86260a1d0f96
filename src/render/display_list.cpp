// The recorded display list (see display_list.h).  Owns the block pool
// (free_display_list) and the recorder state: one object is recorded at a
// time, from its open (15) to its close (16).  Blocks move only between
// objects and the pool; they are never handed back to the system.  Records
// are packed without padding and a text makes the following records
// unaligned, so every word is copied in and out with memcpy.
#include "render/display_list.h"

#include <GL/gl.h>

#include <cstdlib>
#include <cstring>

#include "anim/animate.h"
#include "client/alloc_gate.h"
#include "client/screen.h"
#include "parts/read.h"
#include "render/disobj.h"
#include "view/viewports.h"

Display_list_block_rec *free_display_list = nullptr;
int Compile_Quivane_display_list = 0;
int Skip_geometry = 100;

static struct {
  int part = -1;                              // part being recorded, -1 = no object open
  Display_object_rec *object = nullptr;       // its object of the kind opened
  Display_list_block_rec *block = nullptr;    // block written into, null = take one
  Display_list_block_rec *previous = nullptr; // block a new one is linked after
  int used = 0;                               // bytes written into block
  uint32_t color = 0, normal = 0;             // last colour and normal words
  bool color_valid = false, normal_valid = false;
  bool abandoned = false;                     // a block could not be had: record nothing more
} Rec;

// ---- the pool ------------------------------------------------------------------------

int allocate_display_list_memory(Display_list_block_rec **block) {
  if (free_display_list) {
    *block = free_display_list;
    free_display_list = free_display_list->next;
    return 1;
  }
  *block = static_cast<Display_list_block_rec *>(gate_malloc(sizeof(Display_list_block_rec)));
  return *block ? 1 : -1;
}

static void push_block(Display_list_block_rec *b) {
  b->next = free_display_list;
  free_display_list = b;
}

void purge_display_list_memory(Display_list_block_rec *first) {
  while (first) {
    Display_list_block_rec *next = first->next;
    push_block(first);
    first = next;
  }
}

void display_object_free(Display_object_rec **object) {
  if (!*object) return;
  purge_display_list_memory((*object)->first);
  free(*object);
  *object = nullptr;
}

// ---- encodings -----------------------------------------------------------------------

static float clamp(float v, float lo, float hi) { return !(v > lo) ? lo : v > hi ? hi : v; }

uint32_t display_list_color_word(float r, float g, float b, float a) {
  const float c[4] = {r, g, b, a};
  unsigned char bytes[4];
  for (int i = 0; i < 4; i++)
    bytes[i] = (unsigned char)(int)((double)clamp(c[i], 0.0f, 1.0f) * 255.0);
  uint32_t word;
  memcpy(&word, bytes, 4);
  return word;
}

// A component as a 10-bit field: truncate(c x 512), kept within -512..511
// so that +1 does not wrap to -512.
static uint32_t normal_field(float c) {
  int v = (int)((double)clamp(c, -1.0f, 1.0f) * 512.0);
  if (v > 511) v = 511;
  return (uint32_t)v & 0x3ffu;
}

uint32_t display_list_normal_word(float x, float y, float z) {
  return normal_field(x) << 20 | normal_field(y) << 10 | normal_field(z);
}

void display_list_unpack_normal(uint32_t word, float out[3]) {
  for (int i = 0; i < 3; i++) {
    int v = (int)((word >> (20 - 10 * i)) & 0x3ffu);
    if (v & 0x200) v -= 0x400;
    out[i] = (float)v * 0.001953125f;
  }
}

// ---- recording -----------------------------------------------------------------------

static void close_object();

static void open_object(int part, int kind) {
  if (Rec.part >= 0) close_object();  // an open without its close ends the earlier object
  Rec = {};
  Rec.part = part;
  if (part < 0 || part >= Num_p_loaded || !parts[part]) {
    Rec.abandoned = true;
    return;
  }
  Display_object_rec *&slot = kind ? parts[part]->solid_object : parts[part]->line_object;
  if (!slot) slot = static_cast<Display_object_rec *>(gate_calloc(1, sizeof(Display_object_rec)));
  if (!slot) {
    report_alloc_failure(__LINE__, __FILE__, "quivane_opengl");
    Rec.abandoned = true;
    return;
  }
  Rec.object = slot;
  Rec.block = slot->first;
}

static void close_object() {
  Display_object_rec *obj = Rec.object;
  if (obj && Rec.abandoned) {
    purge_display_list_memory(obj->first);
    obj->first = nullptr;
  } else if (obj && Rec.block) {
    purge_display_list_memory(Rec.block->next);
    Rec.block->next = nullptr;
    Rec.block->used = Rec.used;
  }
  Rec = {};
}

// Leaves the block when used + room > 4096 and takes a block when there is
// none; a step block gets its second reserved word cleared.  False when no
// object is open or it has been abandoned.
static bool room_for(int room, bool step) {
  if (Rec.part < 0 || Rec.abandoned) return false;
  if (Rec.block && Rec.used + room > DL_RECORD_BYTES) {
    Rec.block->used = Rec.used;
    Rec.previous = Rec.block;
    Rec.block = Rec.block->next;
    Rec.used = 0;
  }
  if (!Rec.block) {
    Display_list_block_rec *b = nullptr;
    if (allocate_display_list_memory(&b) < 0) {
      report_alloc_failure(__LINE__, __FILE__, "allocate_display_list_memory");
      Rec.abandoned = true;
      return false;
    }
    b->next = nullptr;
    if (step) b->reserved2 = 0;
    if (Rec.previous)
      Rec.previous->next = b;
    else
      Rec.object->first = b;
    Rec.block = b;
    Rec.used = 0;
  }
  return true;
}

static void put_bytes(const void *src, int n) {
  memcpy(Rec.block->records + Rec.used, src, n);
  Rec.used += n;
}
static void put_int(int32_t v) { put_bytes(&v, 4); }
static void put_float(float v) { put_bytes(&v, 4); }

// Colour and normal words: withdrawn with their opcode when equal to the last.
static void put_elidable(uint32_t word, uint32_t *last, bool *valid) {
  if (*valid && *last == word) {
    Rec.used -= 4;
    return;
  }
  put_bytes(&word, 4);
  *last = word;
  *valid = true;
}

static void record_step(int op, int i1, int i2, float f1, float f2, float f3, float f4) {
  if (op < 0 || op >= DL_OPCODES || op == DL_TEXT) return;
  if (!room_for(DL_STEP_ROOM, true)) return;
  put_int(op);
  switch (op) {
    case DL_DISABLE: case DL_ENABLE: case DL_BEGIN: case DL_CALL_LIST: case DL_LOD_MARK:
      put_int(i1);
      break;
    case DL_COLOR_MATERIAL:
      put_int(i1);
      put_int(i2);
      break;
    case DL_COLOR3:
      put_elidable(display_list_color_word(f1, f2, f3, 0.0f), &Rec.color, &Rec.color_valid);
      break;
    case DL_COLOR4:
      put_elidable(display_list_color_word(f1, f2, f3, f4), &Rec.color, &Rec.color_valid);
      break;
    case DL_NORMAL:
      put_elidable(display_list_normal_word(f1, f2, f3), &Rec.normal, &Rec.normal_valid);
      break;
    case DL_VERTEX: case DL_TRANSLATE: case DL_SCALE: case DL_RASTER_POS:
      put_float(f1);
      put_float(f2);
      put_float(f3);
      break;
    case DL_TEXCOORD1: case DL_LINE_WIDTH:
      put_float(f1);
      break;
    default:
      break;
  }
}

void display_list_immediate_step(int op, int i1, int i2, float f1, float f2, float f3, float f4) {
  switch (op) {
    case DL_DISABLE: glDisable((GLenum)i1); break;
    case DL_ENABLE: glEnable((GLenum)i1); break;
    case DL_COLOR_MATERIAL: glColorMaterial((GLenum)i1, (GLenum)i2); break;
    case DL_BEGIN: glBegin((GLenum)i1); break;
    case DL_END: glEnd(); break;
    case DL_COLOR3: glColor3f(clamp(f1, 0, 1), clamp(f2, 0, 1), clamp(f3, 0, 1)); break;
    case DL_COLOR4:
      glColor4f(clamp(f1, 0, 1), clamp(f2, 0, 1), clamp(f3, 0, 1), clamp(f4, 0, 1));
      break;
    case DL_NORMAL: glNormal3f(clamp(f1, -1, 1), clamp(f2, -1, 1), clamp(f3, -1, 1)); break;
    case DL_VERTEX: glVertex3f(f1, f2, f3); break;
    case DL_PUSH_MATRIX: glPushMatrix(); break;
    case DL_POP_MATRIX: glPopMatrix(); break;
    case DL_TRANSLATE: glTranslatef(f1, f2, f3); break;
    case DL_SCALE: glScalef(f1, f2, f3); break;
    case DL_CALL_LIST: glCallList((GLuint)i1); break;
    case DL_TEXCOORD1: glTexCoord1f(f1); break;
    case DL_LINE_WIDTH: glLineWidth(f1); break;
    case DL_RASTER_POS: glRasterPos3f(f1, f2, f3); break;
    default: break;
  }
}

void quivane_opengl(int part, int kind, int, int opcode, int i1, int i2, float f1, float f2,
                    float f3, float f4) {
  if (!Compile_Quivane_display_list) {
    display_list_immediate_step(opcode, i1, i2, f1, f2, f3, f4);
    return;
  }
  if (opcode == DL_OPEN)
    open_object(part, kind);
  else if (opcode == DL_CLOSE)
    close_object();
  else
    record_step(opcode, i1, i2, f1, f2, f3, f4);
}

void display_object_open(int part, int kind) {
  if (part < 0 || part >= Num_p_loaded || !parts[part]) return;
  Compile_Quivane_display_list = Quivane_display_list ? 1 : 0;
  if (Compile_Quivane_display_list) {
    quivane_opengl(part, kind, 0, DL_OPEN, 0, 0, 0, 0, 0, 0);
    return;
  }
  unsigned int &list = kind ? parts[part]->solid_list : parts[part]->line_list;
  if (!list) list = glGenLists(1);
  glNewList(list, GL_COMPILE);
}

void display_object_close(int part, int kind) {
  if (part < 0 || part >= Num_p_loaded || !parts[part]) return;
  if (Compile_Quivane_display_list) {
    quivane_opengl(part, kind, 0, DL_CLOSE, 0, 0, 0, 0, 0, 0);
    Compile_Quivane_display_list = 0;
    return;
  }
  glEndList();
}

void quivane_opengl_label(int, int, int opcode, const char *text) {
  if (!text) return;
  int n = (int)strnlen(text, DL_TEXT_MAX);
  if (!Compile_Quivane_display_list) {
    char shown[DL_TEXT_BUFFER];
    memcpy(shown, text, n);
    shown[n] = '\0';
    gwin_print_string(shown);
    return;
  }
  if (opcode != DL_TEXT || !room_for(n + 10, false)) return;
  put_int(opcode);
  put_int(n);
  put_bytes(text, n);
}

// ---- replay --------------------------------------------------------------------------

// The object a replay draws, by the flipbook state, the solid-built flag and
// the current viewport's hidden-surface attribute; null draws nothing.
static Display_object_rec *chosen_object(const Part_rec *p) {
  Display_object_rec *flip = p->flipbook_object;
  bool solid = p->solid_built && p->solid_object;
  if (!solid && !p->line_object && !(Flprun && !Flppix) && !(Loading_flipbook && flip))
    return nullptr;
  if (Loading_flipbook &&
      ((p->solid_built && !p->solid_object) || (!p->solid_built && !p->line_object)))
    return flip;
  if (Flprun && flip) return flip;
  if (solid && Viewports[Viewport_current].attributes[VP_HIDDEN_SURFACE] != 0.0f)
    return p->solid_object;
  return p->line_object;
}

// Reads `n` words at offset *at of the block's records when they lie within
// its used count.
static bool take(const Display_list_block_rec *b, int used, int *at, void *out, int bytes) {
  if (*at + bytes > used) return false;
  memcpy(out, b->records + *at, bytes);
  *at += bytes;
  return true;
}

// Replays one block; false when a level-of-detail mark ended the object.
static bool replay_block(const Display_list_block_rec *b, int reverse, bool *color_material) {
  int used = b->used < 0 ? 0 : b->used > DL_RECORD_BYTES ? DL_RECORD_BYTES : b->used;
  int at = 0;
  int32_t op, i[2];
  float f[3];
  uint32_t word;
  while (take(b, used, &at, &op, 4)) {
    switch (op) {
      case DL_DISABLE:
      case DL_ENABLE:
        if (!take(b, used, &at, i, 4)) return true;
        if (op == DL_ENABLE) {
          glEnable((GLenum)i[0]);
          if (i[0] == GL_COLOR_MATERIAL) *color_material = true;
        } else {
          glDisable((GLenum)i[0]);
        }
        break;
      case DL_COLOR_MATERIAL:
        if (!take(b, used, &at, i, 8)) return true;
        glColorMaterial((GLenum)i[0], (GLenum)i[1]);
        break;
      case DL_BEGIN:
        if (!take(b, used, &at, i, 4)) return true;
        glBegin((GLenum)i[0]);
        break;
      case DL_END: glEnd(); break;
      case DL_COLOR3:
      case DL_COLOR4: {
        if (!take(b, used, &at, &word, 4)) return true;
        unsigned char c[4];
        memcpy(c, &word, 4);
        if (op == DL_COLOR3)
          glColor3ubv(c);
        else
          glColor4ubv(c);
        break;
      }
      case DL_NORMAL:
        if (!take(b, used, &at, &word, 4)) return true;
        display_list_unpack_normal(word, f);
        if (reverse)
          for (float &v : f) v = -v;
        glNormal3f(f[0], f[1], f[2]);
        break;
      case DL_VERTEX:
      case DL_TRANSLATE:
      case DL_SCALE:
      case DL_RASTER_POS:
        if (!take(b, used, &at, f, 12)) return true;
        if (op == DL_VERTEX)
          glVertex3fv(f);
        else if (op == DL_TRANSLATE)
          glTranslatef(f[0], f[1], f[2]);
        else if (op == DL_SCALE)
          glScalef(f[0], f[1], f[2]);
        else
          glRasterPos3fv(f);
        break;
      case DL_PUSH_MATRIX: glPushMatrix(); break;
      case DL_POP_MATRIX: glPopMatrix(); break;
      case DL_CALL_LIST:
        if (!take(b, used, &at, i, 4)) return true;
        glCallList((GLuint)i[0]);
        break;
      case DL_TEXCOORD1:
      case DL_LINE_WIDTH:
        if (!take(b, used, &at, f, 4)) return true;
        if (op == DL_TEXCOORD1)
          glTexCoord1f(f[0]);
        else
          glLineWidth(f[0]);
        break;
      case DL_TEXT: {
        if (!take(b, used, &at, i, 4) || i[0] < 0 || at + i[0] > used) return true;
        char text[DL_TEXT_BUFFER];
        int n = i[0] < DL_TEXT_MAX ? i[0] : DL_TEXT_MAX;
        memcpy(text, b->records + at, n);
        text[n] = '\0';
        at += i[0];
        gwin_print_string(text);
        break;
      }
      case DL_LOD_MARK:
        if (!take(b, used, &at, i, 4)) return true;
        if (Skip_geometry < 100 && i[0] >= Skip_geometry) {
          glEnd();
          if (*color_material) glDisable(GL_COLOR_MATERIAL);
          return false;
        }
        break;
      default:
        break;  // other codes, and words of 27 or more, are one-word records
    }
  }
  return true;
}

void replay_display_list_object(int part, int reverse_normals, int) {
  if (part < 0 || part >= Num_p_loaded || !parts[part]) return;
  const Display_object_rec *obj = chosen_object(parts[part]);
  if (!obj) return;
  bool color_material = false;
  for (const Display_list_block_rec *b = obj->first; b; b = b->next)
    if (!replay_block(b, reverse_normals, &color_material)) return;
}

void draw_internal_display_list_object(int part, int reverse_normals) {
  for (int pipe = 0; pipe < How_many_pipes; pipe++)
    replay_display_list_object(part, reverse_normals, pipe);
}

// ---- stored form ---------------------------------------------------------------------

static void put_be32(unsigned char *out, uint32_t v) {
  for (int i = 0; i < 4; i++) out[i] = (unsigned char)(v >> (24 - 8 * i));
}

static uint32_t get_be32(const unsigned char *in) {
  return (uint32_t)in[0] << 24 | (uint32_t)in[1] << 16 | (uint32_t)in[2] << 8 | in[3];
}

int display_list_object_write(FILE *file, const Display_object_rec *object) {
  int count = 0;
  for (const Display_list_block_rec *b = object ? object->first : nullptr; b; b = b->next) {
    unsigned char head[16];
    put_be32(head, 0);
    put_be32(head + 4, (uint32_t)b->reserved1);
    put_be32(head + 8, (uint32_t)b->used);
    put_be32(head + 12, (uint32_t)b->reserved2);
    if (fwrite(head, 1, 16, file) != 16 ||
        fwrite(b->records, 1, DL_RECORD_BYTES, file) != DL_RECORD_BYTES)
      return -1;
    count++;
  }
  return count;
}

int display_list_object_read(FILE *file, int count, Display_object_rec *object) {
  Display_list_block_rec *last = nullptr;
  object->first = nullptr;
  for (int k = 0; k < count; k++) {
    Display_list_block_rec *b = nullptr;
    unsigned char head[16];
    bool ok = fread(head, 1, 16, file) == 16 && allocate_display_list_memory(&b) == 1;
    if (ok) {
      b->next = nullptr;
      b->reserved1 = (int32_t)get_be32(head + 4);
      b->used = (int32_t)get_be32(head + 8);
      b->reserved2 = (int32_t)get_be32(head + 12);
      ok = b->used >= 0 && b->used <= DL_RECORD_BYTES &&
           fread(b->records, 1, DL_RECORD_BYTES, file) == DL_RECORD_BYTES;
      if (last)
        last->next = b;
      else
        object->first = b;
      last = b;
    }
    if (!ok) {
      purge_display_list_memory(object->first);
      object->first = nullptr;
      return -1;
    }
  }
  return count;
}
