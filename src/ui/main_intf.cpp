// Main window settings (see main_intf.h).
#include "ui/main_intf.h"

int Noicons = 0;
int Balloon_help = 1;
