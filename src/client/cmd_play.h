// Command file playback: a command file is a "VERSION" line followed by
// command lines and a few control lines ("if (...)"/"endif", "play:",
// "interrupt:", "exit"/"quit"). cmdplay executes its lines one by one as the
// Command dialog's entry would, lets events run between lines so the user can
// interrupt, step, skip or continue, and plays nested files up to nine deep.
#pragma once

#define CMD_PLAY_MAXNEST 10     // nesting limit: at most CMD_PLAY_MAXNEST - 1 files open
#define CMD_PLAY_MAXLINE 327    // characters of one command file line
#define CMD_PLAY_MINVERSION 6.0f  // oldest command file version played

extern int Cmd_play_level;            // nesting level: 0 nothing plays, 1 the outermost file
extern float Current_cmdfile_version;  // version of the file opened last (+0.0001); 5.0 without one
extern int Cmd_play_continue_flag;    // 1 while playback runs, 0 while paused or stopped
extern int Cmd_play_step_flag;        // 1 = execute one line, then pause again (Step, Skip)
extern int Cmd_play_skip_flag;        // 1 = skip the next line, or the lines of a false "if" block
extern int Cmd_play_quit_flag;        // 1 once playback was stopped or refused: every file ends
extern int Cmd_play_delay_time;       // seconds to wait after each executed line, >= 0
extern int Play_file_no_update;       // 1 = delayed refresh: redraws wait until playback pauses or ends
extern int Cmd_file_format;           // command file format of the part-building commands; 6 after a file

// Plays a command file. reset_toggle 1 switches the Command dialog's Play
// toggle off when the file ends. An empty name stops all playback. 1 when
// the file was played (to its end or until stopped), -1 when it was refused
// (name, nesting, open, version).
int cmdplay(const char *file, int reset_toggle);
// Plays a file with recording switched off for its duration.
int cmd_play_norecord(const char *file);
// Condition of an "if" line: 1 when the word up to ')' is "PHIGS", else 0.
int cmd_check_truth(const char *condition);
// Pauses playback (Interrupt, a failed line, "interrupt:").
void cmd_playinterrupt();
// Resumes paused playback (Continue).
void cmd_playcontinue();
// Delay between played lines; recorded as "command: delay N" unless norecord.
void cmd_play_delay(int seconds, int norecord);
// Delayed refresh on or off; switching off redraws every viewport.
void cmd_delay_refresh(int on, int norecord);
// Executes one line as the Command dialog's entry does: processed and
// refreshed (a failure pauses playback and sets Command_proc_err), then
// written to the record files while recording is on. cmd_process's result.
int cmd_process_basedonmode(const char *line);
