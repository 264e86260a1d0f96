// Console form of the message helpers, used while no main window exists.
#include "ui/general_windep.h"

#include <cstdio>

void disperr(const char *text) { fprintf(stderr, "ERROR: %s\n", text ? text : ""); }

// Without a main window there is no pointer to change and no status area.
void set_working_cursor(const char *) {}
void unset_working_cursor() {}
