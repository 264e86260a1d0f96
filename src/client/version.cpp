#include "client/version.h"

// The library needs at least one object of its own before the modules arrive.
extern const char Quivane_version_string[] = QUIVANE_VERSION_STRING;
