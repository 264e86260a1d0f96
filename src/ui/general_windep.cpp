// Console form of the message helpers, used while no main window exists.
#include "ui/general_windep.h"

#include <cstdio>

void disperr(const char *text) { fprintf(stderr, "ERROR: %s\n", text ? text : ""); }
