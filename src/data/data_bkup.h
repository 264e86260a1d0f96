// The "data interface" archive section: for every case slot the reader
// format, the mesh type, the PLOT3D read settings and the geometry, result
// and measured file names. It does not hold the data path, the data-read
// flags, the user-defined reader chosen or the recorded data commands.
#pragma once

#include <cstdio>

#define DATA_INTERF_BKUP_BYTES 12628  // body length: version, 3 x 16 ints x 4 (PLOT3D 4 each), 48 names
#define DATA_INTERF_BKUP_VERSION 7.0f

// Section function: mode 0 saves, 2 restores, 4 resets; any other mode does
// nothing. Every value is a big-endian word; each name is a 255-byte field,
// zero after its NUL. A restore takes any version, sets Data_udformat for
// the user-defined formats, resets a case whose format or PLOT3D settings
// lie outside their ranges, then refreshes the variable lists. 1, or -1
// after a write or read that did not complete (the items read before it
// stay, nothing is refreshed).
int data_interf_bkup(FILE *fp, int mode);

// Run after a complete restore: rebuilds the variable menus' position maps
// and refreshes every variable list (var_map_resetall, var_reset_interface).
extern void (*Data_interf_varlists_refresh)();
