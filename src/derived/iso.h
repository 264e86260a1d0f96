// Isosurfaces: whether one is being changed interactively.  Isosurfaces
// arrive with the derived-surface subsystem; until then none is.
#pragma once

extern int Do_realtime_iso;  // nonzero while an isosurface is in interactive mode

// Interactive isosurfaces arrive with the derived-surface subsystem: these
// advance and draw nothing.
void increment_realtime_isos();
void iso_realtime_redo_all();
