// Plotter settings (see plotter.h).
#include "query/plotter.h"

#include "client/defaults.h"

int Plttog = 1;
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Plttog);

void plotter_move_manage(int) {}

void display_plots() {}

int get_plotter_vertex_count() { return 0; }
