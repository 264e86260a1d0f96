// Archived settings (see globals_bkup.h).
#include "state/globals_bkup.h"

#include "client/defaults.h"

int Zison = 1, Txtleg = 1, Logtog = 0, Meshon = 0, Legenc = 0, Conttt = 0, Vecaro = 0, Tracet = 0;
int Spacet = 0, Depcue = 0, Colchg = 0, Sexist = 0, Vexist = 0, Auxon = 0, Place_text = 0;
int Var_oldavail_cnt = 0;
int Var_avail_prt = 0;
static const Global_defaults Start_values(DEFAULTS_AT_START, Var_oldavail_cnt, Var_avail_prt);
static const Global_defaults Reset_values(DEFAULTS_AT_RESET, Zison, Txtleg, Logtog, Meshon, Legenc,
                                          Conttt, Vecaro, Tracet, Spacet, Depcue, Colchg, Sexist,
                                          Vexist, Auxon, Place_text);
