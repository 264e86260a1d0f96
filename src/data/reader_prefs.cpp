// Reader preferences. Until the preference files are read for real, no
// default is set and nothing is removed.
#include "data/reader_prefs.h"

char Data_readerpref_default[READER_PREF_NAME_MAX];
char (*Data_readerpref_removed)[READER_PREF_NAME_MAX];
int Data_readerpref_removed_cnt;
char Data_readerpref_rows[READER_PREF_ROWS_MAX][READER_PREF_NAME_MAX];
int Data_readerpref_shown[READER_PREF_ROWS_MAX];
int Data_readerpref_rowcnt;
int Data_readerpref_loaded;
int Data_readerpref_default_set;

void data_get_reader_prefs() { Data_readerpref_loaded = 1; }
void datareadpref_init_dialog() {}
void datareadpref_tggl_vis(int, const int[]) {}
void datareadpref_save() {}
