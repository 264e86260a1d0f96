// What the part subsystem uses of rendering that is not built yet.  Until
// it is, each answers "nothing": no extents are computed, no light is switched.
#pragma once

extern int Lighting_two_lights;  // 1 while the second light is on

// Computes a part's extents from its coordinates into its record.
// Placeholder until rendering: the extents stay as they are.
void find_bounding_volume(int index);
// Switches the second light on (1) or off (0) on every display.
// Placeholder: only Lighting_two_lights follows.
void toggle_two_lights(int flag, int redraw);
