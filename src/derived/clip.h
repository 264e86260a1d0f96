// Clips: which one is being moved interactively.  Clips arrive with the
// derived-surface subsystem; until then none is.
#pragma once

extern int Do_realtime_clips;  // -1 while no interactive clip runs
