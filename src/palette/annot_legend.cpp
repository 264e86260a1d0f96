// Working legend list and legend selection recording (see annot_legend.h).
#include "palette/annot_legend.h"

#include <cstdio>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "variables/var_table.h"
#include "variables/variables.h"

int Annot_wrking_lgndids[ANNOT_MAX_WRKLGND];
int Annot_wrking_lgndcnt = 0;

// Variable index of a palette id, -1 when none.
static int palette_variable(int palette) {
  for (int i = 0; Variables && i < Var_avail_cnt; i++)
    if (Variables[i].palette == palette) return i;
  return -1;
}

int annot_reclgndnames_selitems(int count, const int *ids) {
  if (count <= 0 || !ids) {
    cmdrec("legend: select_default");
    return 1;
  }
  cmdrec("legend: select_palette_begin");
  for (int k = 0; k < count; k++) {
    int v = palette_variable(ids[k] / 1000);
    if (v < 0) {
      disperr("Error getting palette's variable name.");
      cmdrec("legend: select_palette_end");
      return -1;
    }
    const Variable_rec &var = Variables[v];
    int comp = ids[k] % 1000;
    char line[VAR_NAME_TEXT + 4];
    if ((var.type == 1 || var.type == 6) && comp >= 1 && comp <= 3)
      snprintf(line, sizeof line, "%s %c", var.name, "xyz"[comp - 1]);
    else
      snprintf(line, sizeof line, "%s", var.name);
    cmdrec(line);
  }
  cmdrec("legend: select_palette_end");
  return 1;
}
