// Local coordinate frames: visibility of the axis triads.
#pragma once

extern int Axiso1;  // 1 = local frame axes shown
extern int Axiso2;  // 1 = global axis triad shown
extern int Axiso3;  // 1 = direction triad shown
