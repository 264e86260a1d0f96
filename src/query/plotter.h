// XY plotter settings.
#pragma once

extern int Plttog;  // 1 = plotters drawn over the scene

// Modal loop of plotter mode; argument ignored.
void plotter_move_manage(int unused);

// The plotters over the scene arrive with the plotters: nothing is drawn.
void display_plots();
