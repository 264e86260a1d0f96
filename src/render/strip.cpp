// Triangle strips (see strip.h).  One call owns every structure: the
// corner list (the part's own connectivity when all its elements are
// triangles, never freed here), the edge table with its further blocks, the
// triangle records and the bucket nodes; all are freed on every way out.
// The path pool, the strip length and the pivot are file state reset per
// strip.  Allocations go through the gate so that tests can fail them.
#include "render/strip.h"

#include <GL/gl.h>

#include <cstdint>
#include <cstring>

#include "client/alloc_gate.h"
#include "client/matrix.h"
#include "client/screen.h"
#include "parts/read.h"
#include "render/fringe.h"
#include "render/smooth.h"
#include "render/solid.h"

namespace {

struct Strip_edge_rec {
  int used;              // 1 once the record holds an edge
  int a, b;              // the two nodes, in the order the first triangle met them
  int t1, t2;            // attached triangles, -1 none
  Strip_edge_rec *next;  // next record of the chain (first of a block: the next block)
};

struct Strip_triangle_rec {
  unsigned char used;        // 1 once in a strip
  unsigned char count;       // free triangles across its edges, 0..3
  Strip_edge_rec *edge[3];   // corner 0-1, 1-2, 2-0
};

struct Strip_bucket_node_rec {
  int tri;
  Strip_bucket_node_rec *next, *prev;
};

struct Strip_path_rec {
  int tri;
  Strip_edge_rec *edge;  // shared with the next triangle of the strip, null for the last
  int vertex;            // this triangle's node not on edge
  Strip_path_rec *prev, *next;
};

// Everything one call allocates, freed together.
struct Strip_work {
  const int *corners = nullptr;     // 3 node numbers per triangle
  int *own_corners = nullptr;       // the list when built here
  int triangles = 0;
  Strip_edge_rec *table = nullptr;  // STRIP_EDGE_HEADS chain heads
  Strip_edge_rec *blocks = nullptr; // further blocks, linked through their first record
  Strip_edge_rec *free_records = nullptr;
  Strip_triangle_rec *tris = nullptr;
  Strip_bucket_node_rec *nodes = nullptr;
  Strip_bucket_node_rec *bucket[4] = {nullptr, nullptr, nullptr, nullptr};
};

Strip_path_rec Pool[STRIP_PATH_POOL];
int Pool_used = 0;
int Strip_length = 0;
int Pivot = 0;

void *strip_alloc(size_t count, size_t size, int line, const char *name) {
  void *p = gate_calloc(count, size);
  if (!p) report_alloc_failure(line, "strip", name);
  return p;
}

void strip_free(Strip_work *w) {
  gate_free(w->own_corners);
  gate_free(w->table);
  gate_free(w->tris);
  gate_free(w->nodes);
  while (w->blocks) {
    Strip_edge_rec *next = w->blocks->next;
    gate_free(w->blocks);
    w->blocks = next;
  }
  *w = Strip_work();
}

// The corner list: the part's connectivity, or the fans of its faces.
bool strip_triangles(const Part_rec *p, Strip_work *w) {
  bool all_triangles = p->element_count > 0;
  for (int e = 0; e < p->element_count; e++) {
    int n = p->elem_offsets[e + 1] - p->elem_offsets[e];
    if (n >= 3) w->triangles += n - 2;
    if (n != 3) all_triangles = false;
  }
  if (all_triangles) {
    w->corners = p->connectivity;
    return true;
  }
  w->own_corners = static_cast<int *>(
      strip_alloc((size_t)3 * (w->triangles > 0 ? w->triangles : 1), sizeof(int), 331,
                  "tristrip:newconn"));
  if (!w->own_corners) return false;
  int *out = w->own_corners;
  for (int e = 0; e < p->element_count; e++) {
    const int *c = p->connectivity + p->elem_offsets[e];
    int n = p->elem_offsets[e + 1] - p->elem_offsets[e];
    for (int k = 1; k + 1 < n; k++) {
      *out++ = c[0];
      *out++ = c[k];
      *out++ = c[k + 1];
    }
  }
  w->corners = w->own_corners;
  return true;
}

void clear_record(Strip_edge_rec *r) {
  r->used = 0;
  r->t1 = r->t2 = -1;
  r->next = nullptr;
}

bool strip_edge_table_new(Strip_work *w) {
  w->table = static_cast<Strip_edge_rec *>(
      strip_alloc(STRIP_EDGE_HEADS, sizeof(Strip_edge_rec), 868, "tristrip:edgeTable"));
  if (!w->table) return false;
  for (int h = 0; h < STRIP_EDGE_HEADS; h++) clear_record(&w->table[h]);
  return true;
}

// A further record: from the free list, or a new block of 512 whose first
// record links the blocks, one handed out and 510 onto the free list.
Strip_edge_rec *new_record(Strip_work *w) {
  if (!w->free_records) {
    Strip_edge_rec *block = static_cast<Strip_edge_rec *>(
        strip_alloc(STRIP_EDGE_BLOCK, sizeof(Strip_edge_rec), 1013, "tristrip:new"));
    if (!block) return nullptr;
    block[0].next = w->blocks;
    w->blocks = block;
    for (int k = STRIP_EDGE_BLOCK - 1; k >= 2; k--) {
      block[k].next = w->free_records;
      w->free_records = &block[k];
    }
    clear_record(&block[1]);
    return &block[1];
  }
  Strip_edge_rec *r = w->free_records;
  w->free_records = r->next;
  clear_record(r);
  return r;
}

void fill(Strip_edge_rec *r, int a, int b) {
  r->used = 1;
  r->a = a;
  r->b = b;
}

// The record for the edge (a, b) that can still take a triangle.
Strip_edge_rec *strip_edge_lookup(Strip_work *w, int a, int b) {
  Strip_edge_rec *r = &w->table[strip_edge_hash(a, b)];
  if (!r->used) {
    fill(r, a, b);
    return r;
  }
  for (;; r = r->next) {
    if (((r->a == a && r->b == b) || (r->a == b && r->b == a)) && r->t2 == -1) return r;
    if (!r->next) break;
  }
  Strip_edge_rec *made = new_record(w);
  if (!made) return nullptr;
  fill(made, a, b);
  r->next = made;
  return made;
}

void strip_edge_attach(Strip_edge_rec *r, int t) {
  if (r->t1 == -1)
    r->t1 = t;
  else
    r->t2 = t;
}

void bucket_push(Strip_work *w, int b, Strip_bucket_node_rec *n) {
  n->prev = nullptr;
  n->next = w->bucket[b];
  if (n->next) n->next->prev = n;
  w->bucket[b] = n;
}

void bucket_unlink(Strip_work *w, int b, Strip_bucket_node_rec *n) {
  if (n->prev)
    n->prev->next = n->next;
  else
    w->bucket[b] = n->next;
  if (n->next) n->next->prev = n->prev;
  n->next = n->prev = nullptr;
}

void strip_mark_used(Strip_work *w, int t) {
  Strip_triangle_rec &tr = w->tris[t];
  tr.used = 1;
  bucket_unlink(w, tr.count, &w->nodes[t]);
  for (Strip_edge_rec *e : tr.edge)
    for (int u : {e->t1, e->t2}) {
      if (u == -1 || u == t || w->tris[u].used || w->tris[u].count == 0) continue;
      bucket_unlink(w, w->tris[u].count, &w->nodes[u]);
      w->tris[u].count--;
      bucket_push(w, w->tris[u].count, &w->nodes[u]);
    }
}

int strip_find_start(Strip_work *w) {
  for (int b = 0; b < 4; b++)
    for (Strip_bucket_node_rec *n = w->bucket[b]; n; n = n->next)
      if (!w->tris[n->tri].used) return n->tri;
  return -1;
}

// The node two edges share (the first edge's a when none).
int shared_vertex(const Strip_edge_rec *e, const Strip_edge_rec *f) {
  if (e->a == f->a || e->a == f->b) return e->a;
  return e->b;
}

const int *corners_of(const Strip_work *w, int t) { return w->corners + 3 * t; }

// The corner of triangle t on neither end of edge e.
int corner_off(const Strip_work *w, int t, const Strip_edge_rec *e) {
  const int *c = corners_of(w, t);
  for (int k = 0; k < 3; k++)
    if (c[k] != e->a && c[k] != e->b) return c[k];
  return c[0];
}

// The edge the two triangles share (first's edges against second's) and
// the first triangle's corner not on it.
Strip_edge_rec *strip_shared_edge(const Strip_work *w, int first, int second, int *vertex) {
  for (Strip_edge_rec *e : w->tris[first].edge)
    for (Strip_edge_rec *f : w->tris[second].edge)
      if (e == f) {
        *vertex = corner_off(w, first, e);
        return e;
      }
  *vertex = corners_of(w, first)[0];
  return nullptr;
}

// One growth step from p, forward (after the last record) or backward
// (before the first).  False when the strip cannot grow that way.
bool strip_grow(Strip_work *w, Strip_path_rec *p, bool forward) {
  int neighbour[3], count[3], m = 4;
  const Strip_triangle_rec &tr = w->tris[p->tri];
  for (int i = 0; i < 3; i++) {
    neighbour[i] = -1;
    count[i] = 0;
    for (int u : {tr.edge[i]->t1, tr.edge[i]->t2})
      if (u != -1 && u != p->tri && !w->tris[u].used) {
        neighbour[i] = u;
        count[i] = w->tris[u].count;
      }
    if (neighbour[i] != -1 && count[i] < m) m = count[i];
  }
  if (m == 4 || Pool_used >= STRIP_PATH_POOL) return false;
  Strip_path_rec *r = &Pool[Pool_used++];
  int chosen = -1;
  for (int i = 0; i < 3 && chosen < 0; i++) {
    if (neighbour[i] == -1 || count[i] != m) continue;
    if (Strip_length < 3) {
      chosen = neighbour[i];
      break;
    }
    int unused;
    const Strip_edge_rec *e = strip_shared_edge(w, p->tri, neighbour[i], &unused);
    const Strip_edge_rec *inside = forward ? p->prev->edge : p->edge;
    if (!e || !inside) continue;
    int v = shared_vertex(e, inside);
    if (v != Pivot) {
      chosen = neighbour[i];
      Pivot = v;
    }
  }
  if (chosen < 0) return false;
  r->tri = chosen;
  if (forward) {
    p->edge = strip_shared_edge(w, p->tri, chosen, &p->vertex);
    r->edge = nullptr;
    r->vertex = 0;
    r->prev = p;
    r->next = nullptr;
    p->next = r;
    if (Strip_length == 2) Pivot = shared_vertex(p->edge, p->prev->edge);
  } else {
    r->edge = strip_shared_edge(w, chosen, p->tri, &r->vertex);
    r->prev = nullptr;
    r->next = p;
    p->prev = r;
    if (Strip_length == 2) Pivot = shared_vertex(r->edge, p->edge);
  }
  Strip_length++;
  strip_mark_used(w, chosen);
  return true;
}

void strip_reset_pivot(const Strip_path_rec *first) {
  if (first->next && first->next->edge && first->edge)
    Pivot = shared_vertex(first->edge, first->next->edge);
}

struct Strip_colouring {
  int part, var_type, palette_type, key, component, var_id, magnitude, fringe, limit, in_range;
  float w[3];
  float *diffuse, *specular;
  const float *matrix;
};

// Colours vertex v of triangle t by static lighting of its three corners.
void strip_vertex_colour(const Strip_work *w, const Strip_colouring &c, int t, int v) {
  const Part_rec *p = parts[c.part];
  const int *nodes = corners_of(w, t);
  float pos[3][3], normals[3][3], colors[3][3];
  int k = 0;
  for (int j = 0; j < 3; j++) {
    for (int i = 0; i < 3; i++) {
      pos[j][i] = p->coords[nodes[j]][i];
      colors[j][i] = p->attributes[41 + i];
    }
    tmpts(pos[j], c.matrix);
    if (nodes[j] == v) k = j;
  }
  smooth_get(3, nodes, normals);
  if (c.fringe) {
    float value;
    solid_node_fringe_color(c.part, v, c.var_type, c.magnitude, c.w[0], c.w[1], c.w[2], c.key,
                            c.component, c.var_id, colors[k], c.palette_type, &value);
  }
  get_color_software(c.part, 3, c.fringe, c.palette_type, c.limit, c.in_range, normals, pos,
                     colors, c.diffuse, c.specular);
  glColor3fv(colors[k]);
}

void send(const Strip_work *w, const Strip_colouring &c, int t, int v) {
  strip_vertex_colour(w, c, t, v);
  glVertex3fv(parts[c.part]->coords[v]);
}

void strip_emit(const Strip_work *w, const Strip_colouring &c, const Strip_path_rec *first) {
  glBegin(GL_TRIANGLE_STRIP);
  const Strip_path_rec *r = first;
  for (; r->next; r = r->next) send(w, c, r->tri, r->vertex);
  const int t = r->tri, *corner = corners_of(w, t);
  if (Strip_length == 1) {
    for (int k = 0; k < 3; k++) send(w, c, t, corner[k]);
  } else if (Strip_length == 2) {
    const Strip_edge_rec *e = r->prev->edge;
    send(w, c, t, e->a);
    send(w, c, t, e->b);
    send(w, c, t, corner_off(w, t, e));
  } else {
    const Strip_edge_rec *e = r->prev->edge;
    int pivot = shared_vertex(r->prev->prev->edge, e);
    send(w, c, t, pivot);
    send(w, c, t, e->a == pivot ? e->b : e->a);
    send(w, c, t, corner_off(w, t, e));
  }
  glEnd();
}

}  // namespace

int strip_edge_hash(int i, int j) {
  double d = (double)(3 * (i + j)) * 2654435769.4972305;
  uint64_t bits;
  memcpy(&bits, &d, sizeof bits);
  return (int)(((uint32_t)bits >> 16) & 0xffffu);
}

int strip(int part, int var_type, float w0, float w1, float w2, int palette_type, int key,
          int component, int var_id, int magnitude, int fringe, int limit_fringes, int in_range,
          float *diffuse, float *specular, const float matrix[16]) {
  if (part < 0 || part >= Num_p_loaded || !parts[part]) return 1;
  const Part_rec *p = parts[part];
  Strip_work w;
  if (!strip_triangles(p, &w) || !strip_edge_table_new(&w)) {
    strip_free(&w);
    return 0;
  }
  const size_t n = w.triangles > 0 ? (size_t)w.triangles : 1;
  w.tris = static_cast<Strip_triangle_rec *>(
      strip_alloc(n, sizeof(Strip_triangle_rec), 178, "strip:triList"));
  if (w.tris)
    w.nodes = static_cast<Strip_bucket_node_rec *>(
        strip_alloc(n, sizeof(Strip_bucket_node_rec), 179, "strip:bucketList"));
  if (!w.nodes) {
    strip_free(&w);
    return 0;
  }
  for (int t = 0; t < w.triangles; t++) {
    const int *c = corners_of(&w, t);
    for (int k = 0; k < 3; k++) {
      Strip_edge_rec *e = strip_edge_lookup(&w, c[k], c[(k + 1) % 3]);
      if (!e) {
        strip_free(&w);
        return 0;
      }
      strip_edge_attach(e, t);
      w.tris[t].edge[k] = e;
    }
  }
  for (int t = 0; t < w.triangles; t++) {
    int count = 0;
    for (Strip_edge_rec *e : w.tris[t].edge)
      for (int u : {e->t1, e->t2}) count += u != -1 && u != t;
    w.tris[t].count = (unsigned char)(count > 3 ? 3 : count);
    w.nodes[t].tri = t;
    bucket_push(&w, w.tris[t].count, &w.nodes[t]);
  }
  const Strip_colouring c = {part,       var_type, palette_type,  key,       component,
                             var_id,     magnitude, fringe,       limit_fringes, in_range,
                             {w0, w1, w2}, diffuse,  specular,      matrix};
  for (;;) {
    Pool_used = 0;
    Strip_path_rec *first = &Pool[Pool_used++];
    int start = strip_find_start(&w);
    if (start < 0) break;
    *first = {start, nullptr, 0, nullptr, nullptr};
    strip_mark_used(&w, start);
    Strip_length = 1;
    Strip_path_rec *last = first;
    while (strip_grow(&w, last, true)) last = last->next;
    strip_reset_pivot(first);
    while (strip_grow(&w, first, false)) first = first->prev;
    strip_emit(&w, c, first);
  }
  strip_free(&w);
  return 1;
}
