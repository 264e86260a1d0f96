// Tool state (see support.h).
#include "interact/support.h"

#include "client/defaults.h"

int Curson = 0;
int Lineon = 0;
int Planon = 0;
int Plane_solid = 0;
int Curve_clip_tool = 0;
int Reset_tools_constraint = 0;
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Curson, Lineon, Planon, Plane_solid,
                                      Curve_clip_tool, Reset_tools_constraint);
