// Clips: which one is being moved interactively.  Clips arrive with the
// derived-surface subsystem; until then none is.
#pragma once

extern int Do_realtime_clips;  // -1 while no interactive clip runs

extern int Seam_Display;  // seam curve of a developed surface: 1 or 5 cylinder, 2 sphere, 3 cone, 4 revolution, 0 none
// Draws the interactive clip surface in Viewport_current (none runs yet).
void clip_realtime_update_part();
