// Plotter settings (see plotter.h).
#include "query/plotter.h"

int Plttog = 1;

void plotter_move_manage(int) {}
