// Two-dimensional drawing brackets (see viewport_gl2d.h).
#include "view/viewport_gl2d.h"

#include <GL/gl.h>

void gl2d_begin(double x0, double x1, double y0, double y1) {
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(x0, x1, y0, y1, -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
}

void gl2d_end() {
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
}

void gl2d_window_begin(int w, int h) {
  glPushAttrib(GL_VIEWPORT_BIT);
  glViewport(0, 0, w, h);
  gl2d_begin(0, w, 0, h);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_DITHER);
}

void gl2d_window_end() {
  gl2d_end();
  glPopAttrib();
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_DITHER);
}

void gl2d_outline(float x0, float y0, float x1, float y1) {
  glBegin(GL_LINE_LOOP);
  glVertex2f(x0, y0);
  glVertex2f(x1, y0);
  glVertex2f(x1, y1);
  glVertex2f(x0, y1);
  glEnd();
}
