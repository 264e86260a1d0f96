// Frame triad visibility (see frames.h).
#include "view/frames.h"

int Axiso1 = 1;
int Axiso2 = 0;
int Axiso3 = 0;
