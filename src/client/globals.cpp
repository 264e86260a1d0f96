// Global defaults (see globals.h). The globals and their start values belong
// to their modules, which register them with the start-value registry
// (defaults.h); this function only has the registry put them back, in both
// modes or in full mode only, and then runs the modules' own initialisations
// in a fixed order.
#include "client/globals.h"

#include "anim/animate.h"
#include "client/defaults.h"
#include "client/version.h"
#include "data/data_dlog.h"
#include "data/data_format.h"
#include "variables/variables.h"
#include "view/observer.h"
#include "view/viewports.h"

float Tarv_version = QUIVANE_VERSION_FLOAT;
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Tarv_version);

int globals_init(int mode) {
  global_defaults_restore(mode);
  observer_increments_default();
  if (mode == 1) data_plot3d_read_init();
  global_init_viewports();
  animation_extra_init();
  return initialize_connection_map();
}
