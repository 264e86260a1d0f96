// Tool colour setters (see tool_colors.h): no tool is drawn yet.
#include "interact/tool_colors.h"

void set_plane_color(float, float, float) {}
void set_cylinder_color(float, float, float) {}
void set_cone_color(float, float, float) {}
void set_sphere_color(float, float, float) {}
void set_revtool_color(float, float, float) {}
void set_line_color(float, float, float) {}
