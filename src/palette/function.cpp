// Palette settings (see function.h).
#include "palette/function.h"

#include "client/defaults.h"

int Auto_legend_replace = 1;
int Legenf = 1;
int Fringt = 1;
int Use_10_range = 0;
static const Global_defaults Start_values(DEFAULTS_AT_START, Use_10_range);
static const Global_defaults Reset_values(DEFAULTS_AT_RESET, Auto_legend_replace, Legenf, Fringt);

void update_function() {}

int Fncedt_tot_pals = 0;
void new_palette(int, int, const char *) {}
void palette_default(int, int, int, int, int, int, float, float, float, int, int) {}
void palette_val_update(int, int, int, int) {}
void update_function_hist() {}
int function_legend_level() { return 0; }
void fncedt_palcurlev_set(int) {}

void fncedt_apply(void *, void *) {}
void fncedt_clear_changeindicators() {}
void fncedt_getfile_saveselpalettes() {}
void fncedt_getfile_saveallpalettes() {}
void fncedt_getfile_restorepalettes() {}

void draw_legend_bars() {}

int get_legendbars_vertex_count() { return 0; }
