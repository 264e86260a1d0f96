// The Roman stroke font: text drawn as GL line strips in font units (the
// baseline at y = 0, capitals reaching y = 100), so that it scales, rotates
// and prints like geometry.  The glyph table glutStrokeRoman is static data
// (codes 0-31 empty, 32-127 defined); drawing allocates nothing and keeps no
// state.  Callers set colour, line width, scale and position first.
#pragma once

struct Stroke_coord_rec {
  float x, y;  // font units
};

struct Stroke_rec {
  int num_coords;                  // vertices of the line strip
  const Stroke_coord_rec *coords;  // num_coords entries, drawn in order
};

struct Stroke_char_rec {
  int num_strokes;            // 0 for an empty or blank character
  const Stroke_rec *strokes;  // num_strokes entries, or null
  float centre;               // horizontal middle of the glyph
  float right;                // advance width
};

struct Stroke_font_rec {
  const char *name;              // "Roman"
  int num_chars;                 // 128
  const Stroke_char_rec *chars;  // num_chars entries, indexed by code
  float top;                     // 119.048
  float bottom;                  // -33.3333
};

extern const Stroke_font_rec glutStrokeRoman;

// Sends each stroke of character c as one line strip, then translates the
// current matrix by the advance along x; returns the number of vertices
// sent.  A code outside the font sends nothing, does not move and gives 0.
int glutStrokeCharacter(const Stroke_font_rec *font, int c);
// The summed advances of the string's bytes taken as unsigned codes; codes
// outside the font add nothing.  0 for an empty string.
float glutStringLength(const Stroke_font_rec *font, const char *string);
