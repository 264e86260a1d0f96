// Case table storage; the case operations and "case:" commands follow.
#include "client/cases.h"

Case_rec Case_info[MAX_CASES] = {{1, "Case 1"}};
int Case_num = 0;
int Case_cnt = 1;
