#include "client/version.h"

// The version string as data of the library.
extern const char Quivane_version_string[] = QUIVANE_VERSION_STRING;
