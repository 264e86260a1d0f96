// Annotation text settings.
#pragma once

extern int Txttog;  // 1 = annotation text shown
extern int Txtdyn;  // 1 = coded annotation text present
