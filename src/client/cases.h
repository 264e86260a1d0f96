// The case table: one slot per loaded case, the slot being the case's
// identity for the per-case arrays of every other module. Adding and
// replacing a case start its own server; replacing and deleting remove the
// case's parts and stop its server. Every operation takes from_command:
// nonzero for a command line or the archive reader (nothing is asked or
// recorded, a failure sets Command_proc_err), 0 for the interface.
#pragma once

#define MAX_CASES 16
#define CASE_NAME_LEN 20  // bytes of a case name with its NUL: at most 19 characters
#define CASE_TMP_LEN 255

struct Case_rec {
  int active;                // 1 = the slot holds a case, 0 = free
  char name[CASE_NAME_LEN];  // case name, at most 19 characters, NUL-terminated; empty when free
};

extern Case_rec Case_info[MAX_CASES];    // indexed by case slot 0..15
extern int Case_num;                     // slot of the current case
extern int Case_cnt;                     // number of slots in use, 1..16
extern char Case_tmp_buf[CASE_TMP_LEN];  // name handed to add/replace/delete by a command or archive
extern int Case_archive_restore;         // 1 while the archive reader re-creates cases: add keeps Case_num

// Adds a case: its position in the Case menu (callers judge failure by
// Command_proc_err).
int case_add(int from_command);
// Replaces the current case (interactive) or the case in Case_num (command).
int case_replace(int from_command);
// Deletes the current case (interactive) or the case in Case_num (command).
int case_delete(int from_command);
// Makes slot current; 1, or -1 with "Case selected does not exist." for a
// free slot. Unless quiet the select line goes to the recorder and the
// case-dependent interface is refreshed.
int case_select(int slot, int quiet);
// Selects the case named name; its position, or -1 when no slot has it.
int case_select_byname(const char *name, int from_command);
// Slot of the case in use named exactly name, or -1.
int chkcase_name(const char *name);
// Slot whose stored name equals name (free slots included), or -1.
int caseindx_by_name(const char *name);
// Slot of the case at a 1-based position (rank among the slots in use); -1 none.
int case_list_to_tblindex(int position);
// 1-based position of a slot in use (its rank among the slots in use); -1 when free.
int case_tblindex_to_list(int slot);
// Brings the case-dependent interface up to date for Case_num.
void case_refresh();
// Refresh function of the "case:" category.
void case_ref(int cat_index);
// The Case menu's viewport picker changed the current case's mask.
void case_viewportvis_chng();
// Records "case: viewports" with the viewports in use whose bit is set in
// mask; the line, as handed to the recorder.
void case_viewportvis_line(unsigned mask, char *line, int size);
int case_viewportvis_rec(unsigned mask);

// ---- services of other modules that the case operations call --------------
// Until their modules exist these are stand-ins (weak definitions in
// cases.cpp) with the behaviour of "nothing loaded".
extern int Do_realtime_iso;      // nonzero while an isosurface is in interactive mode
extern int Do_realtime_clips;    // -1 while no interactive clip runs
extern int Realtime_traces;      // 0 while no interactive traces run
extern char *Data_readcmds[MAX_CASES];  // data commands that built each case, null = none
extern int Prtfrm_listbytype;    // main part list: 0 all, 1 current case, 2 by frame
extern int Part_listbytype;      // detail editor's part list: 1 current case only
extern int Var_listbycase;       // variable lists show only the current case's variables
extern int Soltime_begstep;      // solution time: begin step
extern int Soltime_endstep;      // solution time: end step
extern int Soltime_timtype;      // time update type, 0 discrete
void file_data_init();
void mainprt_list_refresh();
void part_list_refresh();
void part_refresh();
void var_reset_interface();
void connect_init();
void queryfile_init();
void query_showinfo_init();
// mode 0 reads the solution-time settings, 1 stores them.
void soltime_timevals(int mode, int unused, int *begstep, float *begtime, float *curstep,
                      float *curtime, int *endstep, float *endtime);
// Time of step s of the overall time line (0 when there is none).
float soltime_step_time(int step);
// Viewport mask of a case (bit v-1 = visible in viewport v, all set at
// first): mode 0 reads it into *mask; mode 1 stores the bits of *mask for
// the viewports in use (the others keep their old bit) and applies it.
void parts_visible_by_case(int case_index, unsigned short *mask, int mode);
