// The box drawing of fast display (see active.h).
#include <GL/gl.h>

#include <cmath>

#include "parts/attribute.h"
#include "parts/read.h"
#include "render/active.h"

void draw_bounding_box(int i, int) {
  if (i < 0 || i >= Num_p_loaded || !parts[i] || !parts[i]->attributes) return;
  Part_rec *p = parts[i];
  if (lroundf(p->attributes[SLOT_BOUNDING_REP]) != 1) return;
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
