// Tool state (see support.h).
#include "interact/support.h"

int Curson = 0;
int Lineon = 0;
int Planon = 0;
int Plane_solid = 0;
int Curve_clip_tool = 0;
int Reset_tools_constraint = 0;
