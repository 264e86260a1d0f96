// Contour-line parts: recomputing one from its parents and placing its
// numeric labels.  Contours arrive with the derived-surface subsystem; until
// then no contour part exists, so both do nothing.
#pragma once

// Recomputes the contour part at table index i on its server from its
// stored attributes and reloads it.  Placeholder: nothing.
void modify_contour(int i);
// Adds the contour's numeric labels to the display object being recorded
// when its labels are visible.  Placeholder: nothing.
void contour_label(int i);
