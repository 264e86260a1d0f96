// XY plotter settings.
#pragma once

extern int Plttog;  // 1 = plotters drawn over the scene
