// Plotter settings (see plotter.h).
#include "query/plotter.h"

int Plttog = 1;
