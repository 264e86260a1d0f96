// The box drawing of fast display (see active.h).
#include <GL/gl.h>

#include <cmath>

#include "parts/attribute.h"
#include "parts/read.h"
#include "render/active.h"
#include "render/display.h"
#include "render/display_list.h"
#include "render/line.h"
#include "render/solid.h"

int Point_display_resolution = 1;

// The point cloud of the part at index i: its nodes as dots, thinned by
// Point_display_resolution, compiled once into the part's point list by the
// solid or line builder and called.  A negative list id marks the list
// stale (a rebuild negates it): the list is compiled again under that id.
static void draw_point_cloud(int i, int solid) {
  Part_rec *p = parts[i];
  float *a = p->attributes;
  int switched = display_lists_context_enter();
  if (a[SLOT_LINE_WIDTH] < 2) glPointSize(2);
  if (p->bbox_list <= 0) {
    if (p->bbox_list == 0) {
      p->bbox_list = (int)glGenLists(1);
    } else {
      p->bbox_list = -p->bbox_list;
      glDeleteLists((GLuint)p->bbox_list, 1);
    }
    if (p->bbox_list > 0) {
      // Dots only, straight into the GL list; the part's own object sizes
      // and attributes are left as they were.
      const int slots[4] = {SLOT_VIS_LINE, SLOT_VIS_ELT, SLOT_VIS_NODE, SLOT_NODE_TYPE};
      const float dots[4] = {0, 0, 1, 0};
      float kept[4];
      for (int k = 0; k < 4; k++) {
        kept[k] = a[slots[k]];
        a[slots[k]] = dots[k];
      }
      const int recording = Compile_Quivane_display_list;
      const int sizes[2] = {p->line_object_size, p->solid_object_size};
      Compile_Quivane_display_list = 0;
      glNewList((GLuint)p->bbox_list, GL_COMPILE);
      if (solid)
        build_solid(i, Point_display_resolution);
      else
        build_line(i, Point_display_resolution);
      glEndList();
      Compile_Quivane_display_list = recording;
      p->line_object_size = sizes[0];
      p->solid_object_size = sizes[1];
      for (int k = 0; k < 4; k++) a[slots[k]] = kept[k];
    }
  }
  if (p->bbox_list > 0) glCallList((GLuint)p->bbox_list);
  display_lists_context_leave(switched);
}

void draw_bounding_box(int i, int solid) {
  if (i < 0 || i >= Num_p_loaded || !parts[i] || !parts[i]->attributes) return;
  Part_rec *p = parts[i];
  const long rep = lroundf(p->attributes[SLOT_BOUNDING_REP]);
  if (rep == 2) {
    draw_point_cloud(i, solid);
    return;
  }
  if (rep != 1) return;
  if (p->xmin == ATTR_UNSET && p->ymin == ATTR_UNSET) find_bounding_volume(i);
  if (p->xmin == ATTR_UNSET && p->ymin == ATTR_UNSET) return;
  float x0 = p->xmin, x1 = p->xmax, y0 = p->ymin, y1 = p->ymax, z0 = p->zmin, z1 = p->zmax;
  glDisable(GL_LIGHTING);
  // Two strips and one line cover the twelve edges.
  const float strip1[11][3] = {{x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1},
                               {x0, y0, z1}, {x0, y0, z0}, {x0, y1, z0}, {x0, y1, z1},
                               {x1, y1, z1}, {x1, y1, z0}, {x0, y1, z0}};
  const float strip2[3][3] = {{x1, y0, z1}, {x1, y0, z0}, {x1, y1, z0}};
  glBegin(GL_LINE_STRIP);
  for (const auto &v : strip1) glVertex3fv(v);
  glEnd();
  glBegin(GL_LINE_STRIP);
  for (const auto &v : strip2) glVertex3fv(v);
  glEnd();
  glBegin(GL_LINES);
  glVertex3f(x1, y0, z0);
  glVertex3f(x0, y0, z0);
  glEnd();
}
