// Reader preferences: which reader formats the File Selection dialog's format
// menu offers and which one it shows first. They come from
// "quivane_reader_prefs.def", a site copy and a per-user copy, read at most
// once per run; the Reader Preferences dialog edits them and writes the
// user's copy.
#pragma once

#define READER_PREF_NAME_MAX 20     // bytes of a reader name, NUL included
#define READER_PREF_REMOVED_MAX 31  // removed names kept
#define READER_PREF_ROWS_MAX 31     // dialog rows: 11 built-in formats + 20 user-defined

extern char Data_readerpref_default[READER_PREF_NAME_MAX];  // default reader, empty when none
extern char (*Data_readerpref_removed)[READER_PREF_NAME_MAX];  // removed names; null before the first
extern int Data_readerpref_removed_cnt;                     // names in Data_readerpref_removed
extern char Data_readerpref_rows[READER_PREF_ROWS_MAX][READER_PREF_NAME_MAX];  // dialog rows
extern int Data_readerpref_shown[READER_PREF_ROWS_MAX];  // 1 offered, 0 removed, per row
extern int Data_readerpref_rowcnt;                        // 0 = rows to be built again
extern int Data_readerpref_loaded;                        // 1 once the files were read
extern int Data_readerpref_default_set;                   // 1 once the default was applied

// Reads the site and the user preference files unless they were read before.
void data_get_reader_prefs();
// Refreshes the Reader Preferences dialog when it exists and is shown.
void datareadpref_init_dialog();
// Flips the mark of the dialog rows at the 1-based positions, then refreshes.
void datareadpref_tggl_vis(int count, const int positions[]);
// Writes the user's preference file from the default field and the marks.
void datareadpref_save();
