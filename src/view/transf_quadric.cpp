// Transformation Editor and the quadric tools (see transf_quadric.h).
#include "view/transf_quadric.h"

void transf_refreshby_quadricdependency() {}
