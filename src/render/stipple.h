// The line and polygon stipples of the part attributes "line_style" and
// "fill_pattern".
#pragma once

// The GL line stipple (factor 1) of line style s: 0xffff solid, 0xcccc
// dotted, 0xffc0 dot-dash, 0xffcc for styles 3 to 5.  0 for a style outside
// 0..5, which draws as no stipple.
unsigned short line_style_pattern(int s);
// The 32 x 32 polygon stipple (128 bytes, GL row order) of fill pattern f,
// 0 to 3; null for any other value, which draws as no stipple.
const unsigned char *poly_style_pattern(int f);
