// Colours of the plane, cylinder, cone, sphere, surface-of-revolution and
// line tools.  The tools are drawn with the interaction subsystem; until
// then nothing shows a tool and the setters keep nothing.
#pragma once

void set_plane_color(float r, float g, float b);
void set_cylinder_color(float r, float g, float b);
void set_cone_color(float r, float g, float b);
void set_sphere_color(float r, float g, float b);
void set_revtool_color(float r, float g, float b);
void set_line_color(float r, float g, float b);
