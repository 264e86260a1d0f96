// Legend settings of the palettes.  The palettes arrive with the palette
// subsystem; until then a legend's settings are whatever was last written
// for its (palette, component), hidden when never written.
#pragma once

#define LGND_SETTINGS 1  // settings of a legend; [0] = visible (0 hidden)

// Mode 0 reads the settings of (palette, component) into settings, mode 1
// writes them; title and format are not kept (may be null).  1, or -1 for a
// palette id below 0 or a component outside 0..3.
int palette_attributes(int palette, int component, float *settings, char *title, char *format,
                       int mode);
// Forgets every legend setting written so far.
void palette_attributes_clear();

// Re-evaluates the automatic legend after part attributes changed (no
// legend is automatic until the palettes exist: nothing).
void check_auto_legend_replace();
