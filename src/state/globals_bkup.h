// Settings that are only kept and written to, or read from, the globals
// archive section.
#pragma once

extern int Zison, Txtleg, Logtog, Meshon, Legenc, Conttt, Vecaro, Tracet;  // 0/1 flags
extern int Spacet, Depcue, Colchg, Sexist, Vexist, Auxon, Place_text;     // 0/1 flags
extern int Var_oldavail_cnt;  // variables of the archive being read
extern int Var_avail_prt;     // archived variable-listing flag
