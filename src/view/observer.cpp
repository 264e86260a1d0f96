// Transformation state (see observer.h).
#include "view/observer.h"

int Vewglb = 0;
int What_trans = 0;
int Vewaxis[3] = {1, 1, 1};
float Vewvalues[14];
