// Interaction state (see movmnt.h).
#include "interact/movmnt.h"

int Current_mode = 1;
int Last_current_mode = 1;
int Hum_option_available = 1;
int User_defined_input_available = 1;

int movmnt(int, int) { return 0; }
