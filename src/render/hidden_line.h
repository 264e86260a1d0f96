// Hidden-line display: every element of a part in hidden-line state drawn
// on its own, straight from the part's geometry, so that only the visible
// element edges show: its face in the viewport's background colour (or
// shaded), its edges in the overlay or the part's colours, then its depth
// alone.  Parts not in hidden-line state are drawn from their objects.
// Also keeps the fast hidden-line settings.
#pragma once

extern int Sleazy_hidden_line;    // 1 = hidden line stays on while the view is dragged
extern float poly_offset_factor;  // polygon-offset value shown as the offset (2.0)
extern float poly_offset_bias;    // polygon-offset value shown as the bias (1.0)

// The screen pass over the active parts of the current viewport, in place of
// the opaque pass while Hlinet is on.
void disobj_hidden();
// The same pass for vector printing: every part instance and its labels go
// into print captures, each closed before the next instance.
void disobj_hidden_print();
// One instance of the part at index `part` under the current model-view,
// with the overlay colour r, g, b used for face outlines when overlay is 1.
// The part is drawn from its objects when it or the current viewport has
// hidden line off.  A print capture opened here is closed, and a temporary
// trace part removed, on every way out.
void display_hidden_line(int part, float r, float g, float b, int overlay);
// Mode 0 copies Sleazy_hidden_line, poly_offset_bias and poly_offset_factor
// out; mode 1 stores them and sends glPolygonOffset(bias, factor), the bias
// as the slope factor and the offset as the constant term.  Other modes do
// nothing.
void sleazy_hidden_line_values(int *toggle, float *bias, float *factor, int mode);
