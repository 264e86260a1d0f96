// Palette and legend settings.
#pragma once

extern int Auto_legend_replace;  // 1 = legends replaced when the colouring variable changes
extern int Legenf;               // 1 = legends shown
extern int Fringt;               // 1 = fringe colouring on
extern int Use_10_range;         // 1 = palette ranges narrowed by 10% at each end (-range10)

// Palette editor areas (nothing to draw until palettes arrive).
void update_function();
void update_function_hist();
// Palette level under the pointer in the legend area; 0 = none.
int function_legend_level();
void fncedt_palcurlev_set(int level);

// Palette editor of the detail editor's variables section.  Until palettes
// arrive there are no fields to apply, no marks to clear and no palettes
// to save or restore.
// Apply Changes (button's client data, callback data).
void fncedt_apply(void *client, void *call);
// Clears the palette editor's change marks (nothing while immediate).
void fncedt_clear_changeindicators();
// Okay routines of the File Selection dialog: save the selected or all
// palettes into, or restore palettes from, the chosen file.
void fncedt_getfile_saveselpalettes();
void fncedt_getfile_saveallpalettes();
void fncedt_getfile_restorepalettes();

// The legends over the scene arrive with the palettes: nothing is drawn.
void draw_legend_bars();

// Vertices the legends give a vector print's overlay capture: 0 while no
// legend is drawn.
int get_legendbars_vertex_count();
// ---- palettes of variables ---------------------------------------------------------
extern int Fncedt_tot_pals;  // palettes in use (the pseudo-variables make it 3)
// Makes the palette of key and component named name: the palettes arrive
// with subsystem 9, until then nothing is made.
void new_palette(int key, int component, const char *name);
// Gives a palette its default levels, colours and limits for a variable of
// var_type: nothing until the palettes arrive.
void palette_default(int key, int component, int var_type, int a, int b, int c, float wx, float wy,
                     float wz, int d, int e);
// Recomputes the range of palette key, component over the time steps from
// .. to (-1 -1 the current time): nothing until the palettes arrive.
void palette_val_update(int key, int component, int from, int to);
