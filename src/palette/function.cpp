// Palette settings (see function.h).
#include "palette/function.h"

int Auto_legend_replace = 1;
int Legenf = 1;
int Fringt = 1;
int Use_10_range = 0;
