// A fixed view of a model in the client's main graphics window, for the
// end-to-end pictures: an orthographic projection around a box, turned so
// that three sides show, lit as recentring lights it (lights 1 and 2,
// white, along the view axis); and the pixels read back.
#pragma once

#include <vector>

namespace qtest {

struct ModelView {
  int w = 0, h = 0;
  double model[16], proj[16];
  int vp[4];
};

// A face of a part as the builders walk it: its corners (get_elem_coord)
// and its flat normal.
struct ModelFace {
  std::vector<float> pos;  // 3 floats per corner
  float normal[3];
};
// Appends the faces of the part at index `part` (elements of three or more
// nodes that are not degenerate) to faces.
void model_faces(int part, std::vector<ModelFace> *faces);

// Sets the view of the box lo..hi in display 0's main graphics window
// (current) and clears to the colour given.
ModelView set_model_view(const float lo[3], const float hi[3], float clear_r = 0,
                         float clear_g = 0, float clear_b = 0);
// The back buffer's RGB pixels, bottom row first.
std::vector<unsigned char> model_view_pixels(const ModelView &v);
// What the last redraw presented: the main graphics window's w x h RGB
// pixels read from the X server, bottom row first as GL gives them.
std::vector<unsigned char> graphics_window_pixels(int w, int h);
// r + g + b of pixel (x, y).
int pixel_brightness(const std::vector<unsigned char> &rgb, const ModelView &v, int x, int y);

// A front face (counter-clockwise on the window) of a picture: its
// centroid pixel, whether the face itself shows there (the depth there is
// its own) and how squarely it faces the viewer (|cos| of its normal).
struct FaceSample {
  int x, y;
  bool on_top;
  float facing;
};
std::vector<FaceSample> front_face_samples(const std::vector<ModelFace> &faces,
                                           const ModelView &v, const std::vector<float> &depth);
// Checks that of the faces on top, the one most square to the view is
// brighter in rgb than the most oblique one (their orientations must differ).
void expect_square_faces_brighter(const std::vector<FaceSample> &samples,
                                  const std::vector<unsigned char> &rgb, const ModelView &v);

}  // namespace qtest
