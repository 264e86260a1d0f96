// XY plotter settings.
#pragma once

extern int Plttog;  // 1 = plotters drawn over the scene

// Modal loop of plotter mode; argument ignored.
void plotter_move_manage(int unused);

// The plotters over the scene arrive with the plotters: nothing is drawn.
void display_plots();

// Vertices the plotters give a vector print's overlay capture: 0 while none
// is drawn.
int get_plotter_vertex_count();
