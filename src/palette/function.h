// Palette and legend settings.
#pragma once

extern int Auto_legend_replace;  // 1 = legends replaced when the colouring variable changes
extern int Legenf;               // 1 = legends shown
extern int Fringt;               // 1 = fringe colouring on
extern int Use_10_range;         // 1 = palette ranges narrowed by 10% at each end (-range10)
