// Visibility and kind of the 3-D locator tools.
#pragma once

extern int Curson;                  // 1 = cursor tool shown
extern int Lineon;                  // 1 = line tool shown
extern int Planon;                  // 1 = plane tool shown
extern int Plane_solid;             // 1 = plane tool drawn filled
extern int Curve_clip_tool;         // quadric tool: 0 none, 1 cylinder, 2 sphere, 3 cone, 4 revolution
extern int Reset_tools_constraint;  // 0 = tool resets constrained by the global bounds
