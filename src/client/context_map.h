// Context mapping: a context file names parts and variables by their names,
// and its '#' header lines list the old names (and the commands that read
// the data and built each model part). While a context file plays, the
// header lines come here; once all names are known they are compared with
// the current case, missing data and parts are read and built from
// temporary command files, and names that still do not match are mapped by
// the user in the mapping dialog. Other processors then translate old names
// through cmd_parteid_fromcontexttable and cmd_varindx_from_contexttable.
#pragma once

#include <string>
#include <vector>

#define CONTEXT_PARTNAME_LEN 50  // bytes of an old part name, at most 49 characters
#define CONTEXT_VARNAME_LEN 30   // bytes of an old variable name, at most 29 characters
#define CONTEXT_BLOCK_LINE 327   // characters of a line of an embedded command block

extern int Context_old_totalparts;                   // announced old model parts, 0 none
extern int Context_old_partcnt;                      // old part names read so far
extern std::vector<std::string> Context_old_partnames;  // the Context_old_partcnt names read
extern int Context_old_totalvars;                    // announced old variables, 0 none
extern int Context_old_varcnt;                       // old variable names read so far
extern std::vector<std::string> Context_old_varnames;   // the Context_old_varcnt names read
// Per old part: empty = not mapped, else current part numbers ended by -1.
extern std::vector<std::vector<int>> Context_oldtonew_partmap;
extern int Context_oldtonew_partmapcnt;              // its length; 0 = no part mapping table
extern std::vector<int> Context_oldtonew_varmap;     // per old variable: current variable id, -1 none
extern int Context_oldtonew_varmapcnt;               // its length; 0 = no variable mapping table
extern std::vector<int> Context_listtoold_partindxs; // List 1 row -> old part index
extern std::vector<int> Context_listtoold_varindxs;  // List 1 row -> old variable index
extern std::vector<int> Context_listtonew_partids;   // List 2 row -> current part number
extern std::vector<int> Context_listtonew_varids;    // List 2 row -> current variable id
extern int Map_context_state;          // mapping dialog shows 0 parts, 1 variables, 2 parts then variables
extern int Context_restoretoall_cases; // 1 = restore to all cases: List 2 offers every case
extern std::string Context_datafile_name;   // temporary data-read command file, "" none
extern std::string Context_buildfile_name;  // temporary part-build command file, "" none

// Starts a context restore: drops the old names, the mapping tables and any
// temporary command file of an earlier restore. The header reader calls it
// on the first header line of a restore; the context dialog may call it too.
void cmd_context_restore_begin();

// One '#' line of a context file while Check_context_state is 1 (declared
// in cmd_tables.h): -100 handled or ignored, -1 after an error.
// int cmd_context_header_line(const char *line);

// The context file ended while its header lines were read: a block whose
// count line or lines are missing is reported. 1, or -1 after the message.
int cmd_context_header_end();

// Compares the old names with the current case: 1 all matched, -4 a part
// mapping table exists, -5 a variable mapping table exists, -6 both; -1, -2
// or -3 when the restore cannot go on.
int check_context_state_match();

// Fills the mapping dialog for state 0 or 2 (parts) or 1 (variables).
void cmd_init_contextmapdialog(int state);
// The texts the mapping dialog shows for a state (also fills the List 1/2
// index tables): the direction label and the two lists.
void cmd_context_maplists(int state, std::string *label, std::vector<std::string> *list1,
                          std::vector<std::string> *list2);
// The Map button's actions on the dialog's selections. 1, or -1 after an error.
int cmd_map_contextparts();
int cmd_map_contextvars();
// The same on given 1-based selected positions; a null vector means nothing
// is selected in that list.
int cmd_map_contextparts_sel(const std::vector<int> *list1, const std::vector<int> *list2);
int cmd_map_contextvars_sel(const std::vector<int> *list1, const std::vector<int> *list2);

// Current part numbers mapped to an old part name: their count (also in
// *count) and the -1-ended list in *list; -1 when the name is not an old
// part name or has no mapping.
int cmd_parteid_fromcontexttable(const char *name, int *count, const int **list);
// Unique id of the current variable mapped to an old variable name, or -1.
int cmd_varindx_from_contexttable(const char *name);
