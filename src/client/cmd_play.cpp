// Command file playback (see cmd_play.h). This module owns the playback
// flags, the table of open files (one per nesting level 1..9) and the delay
// and delayed-refresh settings. The flags are changed by the Command dialog's
// controls (Interrupt, Step, Skip, Continue, Play) through the functions here
// or by setting Cmd_play_step_flag / Cmd_play_skip_flag directly; those
// controls run inside the event drains between lines and in the pause wait,
// which is also where a nested playback may start.
#include "client/cmd_play.h"

#include <strings.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "client/command_dlog.h"
#include "client/context_map.h"
#include "client/testcmd.h"
#include "client/textutil.h"
#include "interact/movmnt.h"
#include "state/backup.h"
#include "client/screen.h"
#include "view/observer.h"
#include "view/viewports.h"
#include "client/defaults.h"

int Cmd_play_level = 0;
float Current_cmdfile_version = 5.0f;
int Cmd_play_continue_flag = 0;
int Cmd_play_step_flag = 0;
int Cmd_play_skip_flag = 0;
int Cmd_play_quit_flag = 0;
int Cmd_play_delay_time = 0;
int Play_file_no_update = 0;
static const Global_defaults Defaults(DEFAULTS_AT_RESET, Play_file_no_update);
int Cmd_file_format = 6;

static FILE *Play_files[CMD_PLAY_MAXNEST];  // open file of each nesting level; [0] never used

static const char *const Version_refused =
    "Due to the major enhancements/changes of Quivane 6.0, command files older than version 6.0 "
    "are not supported.  Many of the commands may still work, but there is no guarantee.  The "
    "first line of all new command/macro files contains       VERSION #.#   To eliminate this "
    "message add VERSION 6.0 as the first line.           ";


static void set_lastcat_nomatch() { snprintf(Cmd_lastcat, sizeof Cmd_lastcat, "%s", "nomatch"); }

static void close_level(int level) {
  if (Play_files[level]) fclose(Play_files[level]);
  Play_files[level] = nullptr;
}

// Closes every file of nesting level from and above.
static void close_levels_from(int from) {
  for (int level = from; level < CMD_PLAY_MAXNEST; level++) close_level(level);
}

// Stops all playback: the files of level 2 and above are closed now, the
// outermost one ends at its next check.
static void stop_all_playback() {
  close_levels_from(2);
  if (Cmd_play_level > 1) Cmd_play_level = 1;
  Cmd_play_quit_flag = 1;
  Cmd_play_continue_flag = 0;
}

// Reads one line of at most CMD_PLAY_MAXLINE characters without its line
// end (line feed, or carriage return and line feed). 1 a line, 0 end of file,
// -1 a line that is longer or holds a NUL byte: it is read to its end and
// refused whole, so no part of it is taken for another line.
static int read_raw_line(FILE *fp, char *buf) {
  if (!fp) return 0;
  int n = 0, c, refused = 0;
  while ((c = getc(fp)) != EOF && c != '\n') {
    if (c == '\0' || n >= CMD_PLAY_MAXLINE + 1) refused = 1;  // room for a '\r' before '\n'
    if (!refused) buf[n++] = (char)c;
  }
  if (c == EOF && n == 0 && !refused) return 0;
  if (n > 0 && buf[n - 1] == '\r') n--;
  if (n > CMD_PLAY_MAXLINE) refused = 1;
  buf[refused ? 0 : n] = '\0';
  return refused ? -1 : 1;
}

static bool blank_line(const char *line) {
  for (; *line; line++)
    if (!isspace((unsigned char)*line)) return false;
  return true;
}

// The next line that is not blank; as read_raw_line.
static int read_next_line(FILE *fp, char *buf) {
  int r;
  while ((r = read_raw_line(fp, buf)) == 1 && blank_line(buf)) {
  }
  return r;
}

// Played lines go through the Command dialog's command widget (history,
// execution, record); without the dialog they are executed and recorded
// the same way directly.
static int execute_line(const char *line) {
  int r = cmd_entry_execute(line);
  if (r != -2) return r;
  r = cmd_process_and_refresh(line);
  if (Recrdr == 1) cmd_record_to_file(line);
  return r;
}

static void wait_delay() {
  if (Cmd_play_delay_time > 0) sleep((unsigned)Cmd_play_delay_time);
}

// A refused file leaves nothing open; once nothing plays any more the
// continue flag must not claim that a file runs.
static int refuse_file(int level) {
  if (level > 0) {
    close_level(level);
    Cmd_play_level = level - 1;
  }
  if (Cmd_play_level == 0) Cmd_play_continue_flag = 0;
  return -1;
}

// Waits for the user while playback is paused: one event, input or timer of
// the application is dispatched (blocking), which may press Step, Skip,
// Continue or stop playback. Without the Command dialog nothing could ever
// resume playback, so the pause then stops it.
static void pause_wait() {
  if (!screen_cmd_dialog_exists() || !screen_wait_event()) {
    fprintf(stderr, "Command file playback stopped: no Command dialog to continue it from.\n");
    stop_all_playback();
    return;
  }
  if (Cmd_play_step_flag) Cmd_play_continue_flag = 1;
}

// "play:" line: the name follows the word, after blanks, up to the next blank.
static void play_nested(const char *line) {
  if (!Cmd_play_step_flag) wait_delay();
  const char *p = line + 5;
  while (*p == ' ' || *p == '\t') p++;
  size_t n = strcspn(p, " \t");
  if (n == 0) {
    fprintf(stderr, "Command file line \"%s\" names no file; ignored.\n", line);
    return;
  }
  char name[CMD_PLAY_MAXLINE + 1];
  snprintf(name, sizeof name, "%.*s", (int)n, p);
  cmdplay(name, 0);
}

// "interrupt:" line: tells the user, runs the line (which fails and so
// pauses playback) and leaves playback paused.
static void play_interrupt_line(const char *line) {
  if (!Demo_mode) {
    if (screen_cmd_dialog_exists())
      screen_usermesg("Message: Command file interrupted.", 0, 0);
    else
      caddtxt("Message: Command file Interrupted");
  }
  execute_line(line);
  cmd_playinterrupt();
  set_lastcat_nomatch();
  cmd_refresh();
  unset_working_cursor();
  // In presentation mode the viewer takes over the mouse at this point.
  if (Demo_mode) movmnt(Vewglb, What_trans);
}

// Handles one line read from the file. in_block is 1 inside a false "if"
// block of this file.
static void play_line(int status, const char *line, int *in_block) {
  if (status < 0) {
    disperr("A line of the command file is longer than 327 characters.");
    cmd_playinterrupt();
    set_lastcat_nomatch();
    cmd_refresh();
    return;
  }
  if (Cmd_play_skip_flag) {
    if (!*in_block) {
      Cmd_play_skip_flag = 0;  // the Skip button passes over this one line
    } else if (strncasecmp(line, "endif", 5) == 0) {
      Cmd_play_skip_flag = 0;
      *in_block = 0;
    }
    return;
  }
  if (strncasecmp(line, "if ", 3) == 0) {
    if (cmd_check_truth(line + 3)) {
      Cmd_play_skip_flag = 0;
    } else {
      Cmd_play_skip_flag = 1;
      *in_block = 1;
    }
    return;
  }
  if (strncasecmp(line, "endif", 5) == 0) {
    *in_block = 0;
    return;
  }
  if (strncasecmp(line, "play:", 5) == 0) {
    play_nested(line);
    return;
  }
  if (strncasecmp(line, "interrupt:", 10) == 0) {
    play_interrupt_line(line);
    return;
  }
  if (strncasecmp(line, "exit", 4) == 0 || strncasecmp(line, "quit", 4) == 0) {
    fprintf(stderr, "Executed an 'exit' command.\n");
    quit_rout();
    return;
  }
  execute_line(line);
  if (!Cmd_play_step_flag) wait_delay();
}

int cmdplay(const char *file, int reset_toggle) {
  screen_cmd_dialog_build();

  if (!file || !file[0]) {
    stop_all_playback();
    return 1;
  }

  char name[255];
  int nchars = (int)strlen(file);
  int capacity = 255;  // at most 254 characters
  int expanded = expfnam(file, &nchars, name, &capacity);
  if (expanded == -2) {
    disperr("Comamnd file and path name too long when expanding '~'.");
    return refuse_file(0);
  }
  if (expanded < 0) {
    disperr("Could not expand '~' in command file, try full name.");
    return refuse_file(0);
  }

  cmdplay_toggle_windep(1, 0);
  cmdplay_showfile_windep(name);
  Cmd_play_quit_flag = 0;
  Cmd_play_continue_flag = 1;
  set_lastcat_nomatch();

  if (Cmd_play_level + 1 >= CMD_PLAY_MAXNEST) {
    char msg[80];
    snprintf(msg, sizeof msg, "Too many recursive command files, max = %d.\n", CMD_PLAY_MAXNEST);
    disperr(msg);
    Cmd_play_quit_flag = 1;
    return refuse_file(0);
  }
  FILE *fp = fopen(name, "r");
  if (!fp) {
    disperr("Could not open the command file to play.");
    Cmd_play_quit_flag = 1;
    return refuse_file(0);
  }
  const int level = ++Cmd_play_level;
  Play_files[level] = fp;

  char line[CMD_PLAY_MAXLINE + 2];
  int status = read_raw_line(fp, line);
  Current_cmdfile_version = 5.0f;
  if (status == 1 && strncasecmp(line, "VERSION", 7) == 0)
    Current_cmdfile_version = (float)strtod(line + 7, nullptr) + 0.0001f;
  if (Current_cmdfile_version < CMD_PLAY_MINVERSION) {
    disperr(Version_refused);
    return refuse_file(level);
  }

  if (Context_restore == 1) Check_context_state = 1;

  int in_block = 0;
  status = read_next_line(Play_files[level], line);
  while (status != 0 && !Cmd_play_quit_flag && Play_files[level]) {
    if (!Cmd_play_continue_flag) {
      pause_wait();
      continue;
    }
    cmd_entry_show(line);
    play_line(status, line, &in_block);
    status = read_next_line(Play_files[level], line);
    if (Cmd_play_step_flag) {
      if (status == 1) cmd_entry_show(line);
      set_lastcat_nomatch();
      cmd_refresh();
      Cmd_play_step_flag = 0;
      Cmd_play_continue_flag = 0;
    }
    if (!Cmd_play_quit_flag) {
      screen_noop_event();
      check_for_events();
    }
    if (!Cmd_play_continue_flag && status == 1) cmd_entry_show(line);
  }

  // A context file that ends inside a header block lost the block's end.
  if (status == 0 && !Cmd_play_quit_flag && Check_context_state == 1) cmd_context_header_end();

  if (Cmd_play_quit_flag) {
    close_levels_from(1);
    Cmd_play_level = 0;
  } else {
    close_level(level);
    Cmd_play_level = level - 1;
  }
  // A file that ended inside select_begin .. select_end must not leave every
  // later line swallowed as an id line.
  cmd_select_reset();
  // Neither a false "if" block left open nor a Step or Skip pressed at the
  // end may reach into the lines that run next.
  if (in_block) Cmd_play_skip_flag = 0;
  if (Cmd_play_level == 0) {
    Cmd_play_continue_flag = 0;
    Cmd_play_step_flag = 0;
    Cmd_play_skip_flag = 0;
    if (Play_file_no_update) cmd_delay_refresh(0, 1);
  }
  cmd_refresh();
  if (reset_toggle) cmdplay_toggle_windep(0, 0);
  Cmd_file_format = 6;
  return 1;
}

int cmd_play_norecord(const char *file) {
  int saved = Recrdr;
  Recrdr = 0;
  int r = cmdplay(file, 1);
  Recrdr = saved;
  return r;
}

int cmd_check_truth(const char *condition) {
  if (!condition) return 0;
  const char *p = condition;
  while (*p == ' ' || *p == '(') p++;
  size_t n = strcspn(p, ")");
  return (n == 5 && strncmp(p, "PHIGS", 5) == 0) ? 1 : 0;
}

// Pausing also closes a selection block the paused file left open, since
// it would swallow every later line. The buttons follow whatever started the
// file (the Play toggle, -p, a driven or nested "play:", a macro, a context
// restore), so that the pause can always be resumed.
void cmd_playinterrupt() {
  Cmd_play_continue_flag = 0;
  cmdplay_buttons_windep(1);
  cmd_select_reset();
  if (!Context_restore) {
    cmd_delay_refresh(0, 1);
    screen_cmd_dialog_show();
  }
  screen_error_raise();
}

// Only a file that is open can run on: a continue flag left set while nothing
// plays would keep the refresh after typed lines waiting for a file's end.
void cmd_playcontinue() {
  if (Cmd_play_level > 0) Cmd_play_continue_flag = 1;
  cmdplay_buttons_windep(0);
}

void cmd_play_delay(int seconds, int norecord) {
  Cmd_play_delay_time = seconds;
  if (Recrdr == 1 && !norecord) {
    char line[64];
    snprintf(line, sizeof line, "%s %s %d", "command:", "delay", seconds);
    cmdrec(line);
  }
  cmd_interf_refresh();
}

void cmd_delay_refresh(int on, int norecord) {
  int was_on = Play_file_no_update;
  Play_file_no_update = on ? 1 : 0;
  if (!on && was_on) viewports_display_all();
  if (Recrdr == 1 && !norecord) {
    char line[64];
    snprintf(line, sizeof line, "%s %s %s", "command:", "delay_refresh", on ? On : Off);
    cmdrec(line);
  }
  cmd_interf_refresh();
}

// A line from the driver: executed as if typed, then three no-op events
// go through the X server so that what the line changed is drawn before
// the driver gets its answer.
int cmd_process_basedonmode(const char *line) {
  int r = execute_line(line);
  screen_settle();
  return r;
}
