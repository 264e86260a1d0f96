// Annotation settings (see annotate.h).
#include "palette/annotate.h"

int Txttog = 1;
int Txtdyn = 1;
