// XY plotter settings.
#pragma once

extern int Plttog;  // 1 = plotters drawn over the scene

// Modal loop of plotter mode; argument ignored.
void plotter_move_manage(int unused);

// Query markers in Viewport_current and the XY plots over the window; no
// query or plotter exists yet, so nothing is drawn.
void display_query_locations();
void display_plots();
