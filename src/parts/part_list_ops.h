// Operations on a list of parts: copy, group, ungroup, delete, extract,
// merge and new parents.  Each has a core routine that the "part:" command
// processor calls with the command selection (external part numbers), and
// the Edit menu and the part editor a list routine that takes the main list
// (main 1) or the editor's list (main 0), asks what it must, records the
// equivalent command lines and calls the core.
#pragma once

#define PART_GROUP_DONE (-1000)  // part_group and part_ungroup succeeded

// What the operations reach in the variables subsystem and the interface.
// Null entries do nothing; tests replace them to watch the order of calls.
struct Part_list_hooks {
  // The variable-part dependency list is told which parts go and saved to
  // its backup; afterwards it is restored from the backup, updated and run.
  void (*dependency_save)(int count, const int *parts);
  void (*dependency_restore_update)();
  // Main list, editor list and editor rebuilt.
  void (*refresh_lists)();
  // Every viewport redrawn.
  void (*redraw)();
};
extern Part_list_hooks Part_list_calls;

// -1 when refused (a copy or a group listed); otherwise 1.
int part_copy(int count, const int *numbers);
void part_copy_from_list(int main);
// PART_GROUP_DONE; -1 memory; -2 mixed part types; a group's number when
// one is listed.
int part_group(int count, const int *numbers, const char *name);
void part_group_from_list(int main);
// The error box for a part_group result other than PART_GROUP_DONE.
void part_group_report(int r);
// PART_GROUP_DONE, or the number of the first listed part that is no group.
int part_ungroup(int count, const int *numbers);
void part_ungroup_from_list(int main);
// 1 done, -1 refused or stopped at a part that could not be deleted.
int part_delete(int count, const int *numbers);
void part_delete_from_list(int main);
// Parts of the editor list (from_editor 1), the command selection
// (from_command 1) or the main list; checks, then part_extract_merge.
int part_general_extract_merge(int from_editor, int from_command, int merge);
// 1 done, -1 failed (Command_proc_err set).
int part_extract_merge(int count, const int *numbers, int merge, int from_command, int source);
// 1 done, -1 refused.
int part_updt_parent(int part, int count, const int *parents, int from_command);
