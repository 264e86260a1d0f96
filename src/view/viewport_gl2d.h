// Two-dimensional drawing over the viewports and the window: the matrix
// brackets every overlay of the viewport module uses (outlines, backgrounds,
// masks, choosers, saved pictures).
#pragma once

// Model-view identity and an orthographic projection over x0..x1 by y0..y1,
// both pushed; gl2d_end pops them.  Leaves the model-view matrix current.
void gl2d_begin(double x0, double x1, double y0, double y1);
void gl2d_end();
// The whole window of w x h pixels as GL viewport (pushed), a projection in
// pixels 0..w by 0..h, depth testing and dithering off; gl2d_window_end
// undoes it and switches depth testing and dithering back on.
void gl2d_window_begin(int w, int h);
void gl2d_window_end();
// The outline of the rectangle (x0, y0) .. (x1, y1).
void gl2d_outline(float x0, float y0, float x1, float y1);
