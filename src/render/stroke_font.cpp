// Drawing and measuring with the stroke font (see stroke_font.h).  The
// glyph table itself is generated, in stroke_font_data.cpp.
#include "render/stroke_font.h"

#include <GL/gl.h>

static const Stroke_char_rec *font_char(const Stroke_font_rec *font, int c) {
  if (!font || c < 0 || c >= font->num_chars) return nullptr;
  return &font->chars[c];
}

int glutStrokeCharacter(const Stroke_font_rec *font, int c) {
  const Stroke_char_rec *ch = font_char(font, c);
  if (!ch) return 0;
  int sent = 0;
  for (int s = 0; s < ch->num_strokes; s++) {
    const Stroke_rec &stroke = ch->strokes[s];
    glBegin(GL_LINE_STRIP);
    for (int v = 0; v < stroke.num_coords; v++) glVertex2f(stroke.coords[v].x, stroke.coords[v].y);
    glEnd();
    sent += stroke.num_coords;
  }
  glTranslatef(ch->right, 0.0f, 0.0f);
  return sent;
}

float glutStringLength(const Stroke_font_rec *font, const char *string) {
  float length = 0.0f;
  if (!string) return length;
  for (const unsigned char *p = reinterpret_cast<const unsigned char *>(string); *p; p++)
    if (const Stroke_char_rec *ch = font_char(font, *p)) length += ch->right;
  return length;
}
