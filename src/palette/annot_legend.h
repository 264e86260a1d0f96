// The legends being changed by the annotation editor and the legend
// dialogs, and the recording of a legend selection by variable name.
#pragma once

#define ANNOT_MAX_WRKLGND 300
extern int Annot_wrking_lgndids[ANNOT_MAX_WRKLGND];  // palette id x 1000 + component
extern int Annot_wrking_lgndcnt;                     // entries in use, 0..ANNOT_MAX_WRKLGND

// Records a legend selection: "legend: select_palette_begin", one line per
// legend with the variable's name ("%s %c" with x, y or z for a component
// of a vector or complex vector), "legend: select_palette_end"; an empty
// selection as "legend: select_default".  1, or -1 when a legend's palette
// has no variable (the error is shown and the end line recorded at once).
int annot_reclgndnames_selitems(int count, const int *ids);
