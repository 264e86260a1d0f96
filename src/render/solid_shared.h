// The pieces of the solid builder that the hidden-line drawing shares: a
// part's fringe settings, the static-lighting matrix, the lit colour of a
// split face's corner and the temporary part of a ribbon or tube trace.
#pragma once

#include "palette/fringe_colors.h"
#include "parts/read.h"
#include "render/solid.h"

// The fringe settings of one part's colouring variable.
struct Fringe_setup {
  bool on = false;
  int key = 0, component = 0, var_type = 0, var_id = -1, palette_type = 0, limit = 0;
  int undefined_display = 0, levels = 0;
  float w[3] = {0, 0, 0};
  float values[PALETTE_LEVELS] = {};
  bool per_node = true, magnitude = true, constant = false;
  float lo = 0, hi = 0;            // limit range of lines and faces
  float node_lo = 0, node_hi = 0;  // limit range of node glyphs
};

// The calls the builders make now (the real ones or a test's).
const Solid_builder_calls &solid_installed_calls();
// True when the part holds the values of variable id of the kind (0 scalar,
// 1 vector; other kinds always).
bool part_holds(const Part_rec *p, int var_type, int id);
// Reads the palette of the part's colouring variable into f; fringes are
// off when fringe colouring is off, the part has no colouring variable, the
// palette is missing, the variable is undefined now with undefined display
// 1, or (part_values) the part lacks the values.  The part's attributes are
// never changed.  False when the variable has no value now and undefined
// values are invisible: nothing is to be drawn.
bool fringe_setup(int part, Fringe_setup &f, bool part_values = true);
// The static-lighting matrix of the part: frame-to-global x model
// transformation x view of the current viewport.
void static_lighting_matrix(const Part_rec *p, float out[16]);
// A lit colour: c times its intensity, lifted towards white by its
// specular amount s (clamped to 1).
void lit_colour(const float *c, float intensity, float s, float out[3]);
// A ribbon or tube trace: the index of the temporary part holding its
// geometry, or 0 when the part is drawn itself.
int trace_geometry(int part);
// Removes the temporary trace part at index (always the last record);
// nothing for 0 or any other index.
void remove_temporary_part(int index);
