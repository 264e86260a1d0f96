// The command language tables: the category table Cmds_cat, the keyword tables
// of the categories this client module owns, and the calling conventions of
// processors, special recorders and refresh functions. Every subsystem's
// processor, recorder and refresh function is reached only through this table.
#pragma once

#define CMD_NCATEGORIES 57    // rows of Cmds_cat before its end row
#define CMD_NOT_FOUND (-99)   // keyword row / command id of a keyword that is not in the table
#define CMD_NO_COMMAND (-99)  // command id of a table row that stands for no command
#define CMD_MAXCATWORD 26     // characters of a category word before its colon
#define CMD_MAXKEYWORD 23     // characters of a keyword
#define CMD_MAXPARAMS 285     // characters of the parameter text
#define CMD_MAXCONTINUE 279   // characters of a continuation line

// Processor call: whole line, category word as typed (or the continued one),
// keyword text, parameter text (maybe empty), category index, keyword row
// (CMD_NOT_FOUND when not found), command id (CMD_NOT_FOUND), selected ids
// (or null) and their count. -1 = failure, anything else = success.
#define CMD_PROC_PARAMS                                                                   \
  const char *line, const char *category, const char *keyword, const char *params,          \
      int cat_index, int kw_row, int cmd_id, const int *ids, int nids
typedef int (*Cmd_proc_fn)(CMD_PROC_PARAMS);
// Special recorder: mode word, command id, category name, slot, saved values,
// new values, text (or null), change flags. -1 stops the recording of the
// remaining slots; otherwise the number of further slots consumed.
#define CMD_REC_PARAMS                                                                    \
  int mode, int cmd_id, const char *category, int slot, float *saved, float *newv,          \
      const char *text, int *flags
typedef int (*Cmd_rec_fn)(CMD_REC_PARAMS);
// Refresh function: brings the category's dialogs up to date and clears its
// refresh-needed field.
typedef void (*Cmd_ref_fn)(int cat_index);

struct Cmd_option_rec {
  const char *keyword;  // option keyword, compared without regard to case; "" ends a list
  int value;            // its value; -99 in the end entry
};

struct Cmd_keyword_rec {
  const char *keyword;             // keyword, compared without regard to case; "" ends a table
  int nvalues;                     // number of values it takes, 0 for an action
  char type;                       // type letter: d f n s v p z b e m u o i
  int slot;                        // 0 processor, 1 alternate processor (m and u always 0)
  int cmd_id;                      // command id passed to the processor; -99 = no command
  const Cmd_option_rec *options;   // option list, or null
};

struct Cmd_category_rec {
  const char *name;                 // category word with its colon; "" in the end row
  Cmd_proc_fn proc;                 // processor of slot-0 rows and of unknown keywords
  Cmd_proc_fn alt_proc;             // processor of slot-1 rows
  Cmd_rec_fn special_rec;           // recorder of m and u rows
  int refresh_needed;               // 1 when a line ran and the dialogs need a refresh
  Cmd_ref_fn refresh;               // refresh function
  const Cmd_keyword_rec *keywords;  // keyword table, ended by a row with keyword ""
};

// A keyword table's end row and a slot without an attribute.
#define CMD_KEYWORD_END {"", 0, 'z', 0, CMD_NO_COMMAND, nullptr}
#define CMD_KEYWORD_NONE {".", 0, 'z', 0, CMD_NO_COMMAND, nullptr}

// Fixed row indexes that recorders and other modules address.
enum {
  CMD_CAT_PART = 9,
  CMD_CAT_FRAME = 12,
  CMD_CAT_COMMAND = 36,
  CMD_CAT_VIEW = 37,
  CMD_CAT_VARIABLES = 43,
  CMD_CAT_SHELL = 53,
};

extern Cmd_category_rec Cmds_cat[CMD_NCATEGORIES + 1];  // the 57 categories, then an end row

extern const Cmd_keyword_rec Cmds_cmd[];      // "command:"
extern const Cmd_keyword_rec Cmds_connect[];  // "connect:"
extern const Cmd_keyword_rec Cmds_case[];     // "case:"

// Command ids of those tables' rows, named once here: the tables and the
// processors use these names (the ids are fixed by the recorded lines).
enum Command_cmd_id {  // "command:" ("show_cmds" has none)
  COMMAND_DELAY = 0,
  COMMAND_MACRO_PATH = 1,
  COMMAND_DELAY_REFRESH = 3,
  COMMAND_PART_SELECTION_BY = 4,
};
enum Connect_cmd_id {  // "connect:"
  CONNECT_TYPE = 0,
  CONNECT_MACHINE = 1,
  CONNECT_EXECUTABLE = 2,
  CONNECT_DIRECTORY = 3,
  CONNECT_CONNECT = 4,
  CONNECT_BACKEND = 5,
  CONNECT_PLOTTER = 6,
  CONNECT_LOGIN_ID = 7,
  CONNECT_DEFAULT = 8,
};
enum Case_cmd_id {  // "case:"
  CASE_SELECT = 0,
  CASE_ADD = 1,
  CASE_REPLACE = 2,
  CASE_DELETE = 3,
  CASE_VIEWPORTS = 4,
};

// Index of the category whose name equals word without regard to case, or -1.
int cmd_find_category(const char *word);
// Number of rows of a keyword table before its end row.
int cmd_keyword_count(const Cmd_keyword_rec *table);
// Shared refusal of the processors of subsystems not built yet: shows
// "<category> <keyword> - Bad parameter", sets Command_proc_err, returns -1.
int cmd_refuse_unbuilt(int cat_index, const char *keyword);
// Shared refresh of the categories whose dialogs do not exist yet: clears the
// category's refresh-needed field.
void cmd_clear_refresh(int cat_index);

// Processors, recorders and refresh functions of this client module.
int cmd_cmdproc(CMD_PROC_PARAMS);
int cmd_showcmds(CMD_PROC_PARAMS);
int cmd_shell_proc(CMD_PROC_PARAMS);
int cmd_test_proc(CMD_PROC_PARAMS);
int cmd_test_rec(CMD_REC_PARAMS);
int connect_cmdproc(CMD_PROC_PARAMS);
int case_cmdproc(CMD_PROC_PARAMS);
void gen_refresh(int cat_index);
void cmd_ref(int cat_index);
void connect_ref(int cat_index);
void case_ref(int cat_index);

// Lists the command language on standard error: every category and keyword
// with -1, -1, else one category (and one row). 1 when something was listed, else -1.
int cmd_report_cmds(int cat_index, int kw_row);

// Developer interpreter of "test:" lines; acts on the lines it knows.
int placom(const char *line);
// Context-file header reader: a '#' line while Check_context_state is 1.
// -100 for a handled or ignored line, -1 after an error.
int cmd_context_header_line(const char *line);
