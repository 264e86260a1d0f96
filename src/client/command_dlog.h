// The command language: line processing, recording, refresh after commands,
// playback and the "command interface" archive section. The tables
// themselves are in cmd_tables.h.
#pragma once

#include <string>
#include <vector>

#include <cstdio>

#include "client/cmd_play.h"
#include "client/cmd_tables.h"

// ---- state shared with the rest of the client -------------------------------
extern int Command_proc_err;     // 1 when a command of the current group failed
extern int Recrdr;               // 1 = command recording on (Recrdr_backup or Recrdr_user)
extern int Recrdr_backup;        // 1 = session record file on (0 with -nb)
extern int Recrdr_user;          // 1 = a user record file is open
extern const char *On;           // "ON"  (words used by the recorders)
extern const char *Off;          // "OFF"
extern const char *Stars;        // "***"

extern FILE *Cmd_backupfile;           // open session record file, null until the first line
extern char *Cmd_backupfilename;       // its name (allocated), null until created
extern FILE *Cmd_recfile;              // open user record file, or null
extern char Cmd_recordfilename[255];   // expanded name of the user record file, "" when none
extern FILE *Context_file;             // context file being written, or null
extern int Context_restore;            // 1 while a context file is played (nothing is recorded)
extern int Cmd_record_parts_by_number; // 1 part selections recorded by number, 0 by name
extern int Check_context_state;        // 1 while a context file's header lines are read
extern char Cmd_macropath[255];        // key macro directory, "" when not set
extern char Cmd_passcat[CMD_MAXCATWORD + 2];  // last category word found, as typed
extern char Cmd_lastcat[26];           // category word of the last line marked, or "nomatch"

// ---- line processing ---------------------------------------------------------
// Executes one line: the category index (>= 0), -1 on failure, -100 for a
// comment or context header line.
int cmd_process(const char *line);
// cmd_process, then interrupt and refresh after a failure, or mark and refresh.
int cmd_process_and_refresh(const char *line);
// Converts the parameter text of a d, f, n, o or i row into values (at least
// the row's number of values). 1, or -1 after an error.
int cmd_process_params(int cat_index, int kw_row, const char *params, float *values);
// The value of an option keyword through the row's option list, or -1.
int cmd_process_strparams(const char *params, int cat_index, int kw_row);
// Asks the user for a value (text after "??" is the prompt). An allocated
// answer the caller frees, or null when nothing was entered.
char *cmd_process_question(const char *params);
// A parameter text beginning "??" asks the user (cmd_process_question): the
// answer replaces *params and is kept in *answer for the caller to free.
// When nothing is entered: with unanswered set, that text goes to the error
// box and the result is -1; with unanswered null the value is empty (*params
// ""). Any other text is left alone (*answer null). 1, or -1.
int cmd_param_asked(const char **params, char **answer, const char *unanswered);
extern const char *const Cmd_no_value_entered;  // "No value entered.  Error processing commands."
// Ends an unfinished selection block (a file that ended or was stopped
// inside select_begin .. select_end): the ids collected so far are dropped
// with a message and lines are processed normally again. 1 when a block was
// open, 0 otherwise.
int cmd_select_reset();

// ---- recording ---------------------------------------------------------------
int cmdrec(const char *line);
int cmd_record_to_file(const char *line);
void cmd_rec_selbynum(int cat_index, int count, const int *ids);
void cmd_setrec_at(float *saved, float *newv, int count, int cat_index, int *flags,
                   int use_flags);
void cmd_setrec_partatt(int mode, float *saved, float *newv, const char *curname,
                        const char *newname, int count, int cat_index, const char *text,
                        int *flags, int ignored, int suppress, int modify);
// Opens the user record file (Command dialog's record toggle). 1 on success.
int cmd_recordto(const char *name);
// The record toggle switched off: closes the user record file.
void cmd_record_off();

// ---- refresh after commands --------------------------------------------------
void cmd_checkrefresh(const char *line);
void cmd_refresh();
void cmd_refreshall();
void cmd_anirefresh(const char *line);
// The values the Command dialog's fields show.
struct Cmd_interf_fields {
  int record_on;          // Record toggle: the user record file is open
  int by_number;          // "Record Part Selection By": 1 Number, 0 Name
  char delay[16];         // delay field, "%4d"
  char recordfile[255];   // record-file field
  int delay_refresh;      // Delay Refresh toggle
};
void cmd_interf_fields(Cmd_interf_fields *fields);
void cmd_interf_refresh();

// ---- the Command dialog and the mapping dialog -------------------------------
// What the command language asks of its dialogs.  The Motif layer sets the
// entries when it can build the dialogs; a null entry means there is no
// dialog, and the functions below then do the dialog-free part of the work.
struct Cmd_windep_hooks {
  int (*record)(const char *line);                 // line into the history and the record files
  int (*set_fields)(const Cmd_interf_fields *f);   // the dialog's fields; 0 when not built
  void (*record_toggle)(int on, int notify);       // Record toggle
  void (*play_toggle)(int on, int notify);         // Play toggle
  void (*play_showfile)(const char *name);         // play-file field
  void (*play_buttons)(int paused);                // playback buttons: see cmdplay_buttons_windep
  void (*map_open)();                              // builds and shows a mapping dialog
  void (*map_fill)(const std::string &label, const std::vector<std::string> &list1,
                   const std::vector<std::string> &list2);
  bool (*map_selected)(int which, std::vector<int> *positions);  // 1-based rows selected
};
extern Cmd_windep_hooks Cmd_windep;

// A recorded line enters the history and the record files; it is not run.
// Without the dialog it goes to the record files alone.  As cmd_record_to_file.
int cmdrec_windep(const char *line);
// Shows the field values; 0 when the dialog does not exist, else 1.
int cmdinterf_set_fields_windep(const Cmd_interf_fields *fields);
// Sets the Record toggle (notify 1: as if the user clicked it).
void cmdrec_toggle_windep(int on, int notify);
// Sets the Play toggle (notify 1: as if the user clicked it).
void cmdplay_toggle_windep(int on, int notify);
// Shows the played file's name in the play-file field.
void cmdplay_showfile_windep(const char *name);
// The playback buttons for paused (1: Step, Skip and Continue sensitive,
// Interrupt not) or running playback (0: the reverse).
void cmdplay_buttons_windep(int paused);
// Builds a new mapping dialog and shows it.
void cmd_mapdialog_open_windep();
// Puts the directions and the two lists into the mapping dialog.
void cmd_mapdialog_fill_windep(const std::string &label, const std::vector<std::string> &list1,
                               const std::vector<std::string> &list2);
// Selected 1-based positions of List 1 (which 1) or List 2 (which 2); false
// when nothing is selected there or there is no dialog.
bool cmd_maplist_selected_windep(int which, std::vector<int> *positions);

// ---- archive section "command interface" ------------------------------------
// mode 0 saves, 2 restores, any other mode does nothing. 1, or -1 after a
// failed read or write.
int command_bkup(FILE *fp, int mode);
