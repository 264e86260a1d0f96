// Particle-trace animation settings.
#pragma once

extern int Anitrt;  // 1 = animated particle traces on
