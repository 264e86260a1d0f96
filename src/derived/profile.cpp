// Profile parts: placeholder (see profile.h).
#include "derived/profile.h"

void modify_profile(int) {}
