// Main window settings chosen before the window is built.
#pragma once

extern int Noicons;       // 1 = feature buttons shown without pictures (-ni)
extern int Balloon_help;  // 1 = balloon help shown
