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

// Reads the site and the user preference files unless they were read before
// (a file that is missing or unreadable is passed over; problems are told on
// standard error and the preferences read so far stay).
void data_get_reader_prefs();
// When the Reader Preferences dialog exists and is shown: reads the
// preferences, asks the current case's server for its user-defined readers,
// builds the rows when there are none (the 11 built-in formats, then those
// readers, each marked 0 when removed), fills the list and the default field.
void datareadpref_init_dialog();
// Flips the mark of the dialog rows at the 1-based positions (others are
// ignored) and refills the list.
void datareadpref_tggl_vis(int count, const int positions[]);
// Writes the user's preference file from the default field and the marks,
// then clears the rows; an error box when the file cannot be written.
void datareadpref_save();

#define READER_PREF_FILE "quivane_reader_prefs.def"
#define READER_PREF_LINE_MAX 80  // characters of a line, newline excluded

// 1 when name is in the removal list, compared without regard to case.
int data_reader_removed(const char *name);

// The Reader Preferences dialog as the logic sees it. The Motif layer sets
// these when it builds the dialog; while an entry is null there is no
// dialog to show or read.
struct Datareadpref_windep_rec {
  int (*shown)();                                       // 1 when the dialog exists and is shown
  void (*fill_list)(int count, const char *const items[]);  // replaces the list, same scroll position
  void (*set_default)(const char *name);                // shows name in the default field
  void (*get_default)(char *buf, int size);             // the default field's text, cut to size - 1
};
extern Datareadpref_windep_rec Datareadpref_windep;
