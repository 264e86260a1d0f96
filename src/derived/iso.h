// Isosurfaces: whether one is being changed interactively.  Isosurfaces
// arrive with the derived-surface subsystem; until then none is.
#pragma once

extern int Do_realtime_iso;  // nonzero while an isosurface is in interactive mode

// Per-redraw steps of the interactive isosurfaces (nothing runs yet).
void increment_realtime_isos();
void iso_realtime_redo_all();
