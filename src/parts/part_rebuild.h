// Rebuilding a part's display objects after its geometry or colouring
// changed.
#pragma once

// Rebuilds the solid object of part number n: into its GL list, or, with
// Quivane_display_list set, into its recorded solid object.  Group parts
// have none.  Marks the solid object built and the point cloud stale.
void make_part_solid(int n);
// Rebuilds the line object of part number n the same way (line_list, or
// the recorded line object).
void make_part_line(int n);
// Both objects of part number n: line, then solid.
void make_part(int n);
