// Z-clip planes of the viewports.
#pragma once

// Typed front (which 0) or back (1) distance for the selected viewports:
// tests, records (not from a command), applies.  1, or -1 refused.
int zclip_attr_updt(int which, float *value, int from_command);
// Sets the smallest front distance of the floating rule.
int zclip_minattr_updt(float value, int from_command);
// Item 2 switches floating z-clip (value 0.0 or 1.0).
int zclip_tgglattr_updt(int item, float *value, int from_command);
