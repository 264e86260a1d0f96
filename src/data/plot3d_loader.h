// The PLOT3D part loader: the read settings the "data:" commands leave
// pending, the part-building period of a PLOT3D case, the structured parts
// made per zone (an IJK range with steps and an iblank domain) and the
// iblanked parts made from them. The dialog ("readplot3dfileDialog") is
// reached through Plot3d_loader_windep (its fields and lists, numbered as
// the generic loader's: GEN_ST_DESC the part description, GEN_LIST_PARTS
// the zone list) and Plot3d_read_windep; with their members null the
// loader acts as if the dialog were not shown. The operations themselves
// (data_plot3dpartc_init, data_plot3d_creatpart, ...) are declared in
// partbuild.h beside the other builders.
#pragma once

#include "data/data_format.h"
#include "data/generic_loader.h"

// The pending read settings of the "data:" commands (iblanked, multi-zone,
// read as, dimension); all 0 at start; changed through data_plot3d_readinfo.
extern Plot3d_read_settings_rec Data_plot3d_cmdflags;

// The parts of the dialog the generic loader's hooks do not cover.
struct Plot3d_read_windep_rec {
  // The read section: the file names shown, the four settings, and whether
  // its controls are locked (the geometry has been read).
  void (*show_read)(const char *geom, const char *result, const char *meas,
                    const Plot3d_read_settings_rec *settings, int locked);
  void (*creation_sensitive)(int on);  // the "Create PLOT3D Parts By" section
  // The zone list: items 1..n ("%3d"); with one zone it is selected
  // (no callback) and the list insensitive; n 0 empties it.
  void (*set_zones)(int n);
  // The IJK grid, and within it the From and To fields.
  void (*ijk_sensitive)(int grid, int from_to);
};
extern Generic_loader_windep_rec Plot3d_loader_windep;
extern Plot3d_read_windep_rec Plot3d_read_windep;

// Fills the read section from the case (read) or the File Selection dialog
// (not read: the server is told the byte order and asked to judge the grid).
void data_plot3dread_init();
// Adapts the ranges and the domain menu to the selected zones.
void data_plot3d_zoneinit();
