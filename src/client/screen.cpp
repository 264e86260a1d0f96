// The screen services the logic calls.  Owns the installed screen (null
// until the Motif layer installs one) and the console's scripted answers.
// Each service first offers its work to the installed screen and falls back
// to the console form when the screen could not do it.
#include "client/screen.h"

#include <strings.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>

#include "client/extdriver.h"

static const Screen_ops *Screen = nullptr;       // installed screen, null = console only
static std::deque<std::string> Console_answers;  // scripted answers, taken in order

void screen_install(const Screen_ops *ops) { Screen = ops; }

void screen_console_script(const std::vector<std::string> &answers) {
  Console_answers.assign(answers.begin(), answers.end());
}

// Calls the installed service with the arguments; true when it did the work.
#define SCREEN_DID(entry, ...) (Screen && Screen->entry && Screen->entry(__VA_ARGS__) == 1)

int screen_present() { return SCREEN_DID(present) ? 1 : 0; }

void report_alloc_failure(int line, const char *source, const char *routine) {
  perror("D1CALLOC:  Memory allocation failed.");
  fprintf(stderr, "E> At Line %d in File %s\n", line, source);
  fprintf(stderr, "%s:  Memory(d1calloc) allocation failed.\n", routine);
}

// "ERROR: " and the text, a blank turned into a newline once more than 75
// characters were copied since the start or the last line break.
static char *wrapped_error_text(const char *text, int *lines) {
  size_t len = strlen(text);
  char *buf = static_cast<char *>(calloc(len + 30, 1));
  if (!buf) return nullptr;
  strcpy(buf, "ERROR: ");
  char *out = buf + strlen(buf);
  int count = 0;
  *lines = 1;
  for (const char *p = text; *p; p++) {
    if (*p == '\n') {
      count = 0;
    } else if (*p == ' ' && count > SCREEN_WRAP_COLUMNS) {
      *out++ = '\n';
      count = 0;
      (*lines)++;
      continue;
    }
    *out++ = *p;
    if (*p != '\n') count++;
  }
  *out = '\0';
  return buf;
}

void disperr(const char *text) {
  if (!text) text = "";
  int lines = 1;
  char *shown = wrapped_error_text(text, &lines);
  if (!shown) {
    report_alloc_failure(__LINE__, "screen", "disperr");
    fprintf(stderr, "***Error allocating error message memory.***\n");
    fprintf(stderr, "***The error to be displayed was: '%s'\n", text);
    return;
  }
  if (Cmd_external_driver || !SCREEN_DID(error, shown, lines)) fprintf(stderr, "%s\n", shown);
  free(shown);
}

// The next scripted answer, or false when none is left.
static bool next_answer(std::string *answer) {
  if (Console_answers.empty()) return false;
  *answer = Console_answers.front();
  Console_answers.pop_front();
  return true;
}

int warn(const char *text) {
  if (!text) text = "";
  int answer = 0;
  if (SCREEN_DID(question, text, &answer)) return answer == 1 ? 1 : 0;
  std::string scripted;
  if (next_answer(&scripted) &&
      (strcasecmp(scripted.c_str(), "no") == 0 || strcasecmp(scripted.c_str(), "cancel") == 0))
    return 0;
  fprintf(stderr, "Command processor automatically indicated OKAY for the following warning:\n%s\n",
          text);
  return 1;
}

int work(const int *mode, const char *text) {
  SCREEN_DID(work, 1, mode && *mode == 1 ? 1 : 0, text ? text : "");
  return 1;
}

int work_nonmodal(const int *mode, const char *text) {
  SCREEN_DID(work, 0, mode && *mode == 1 ? 1 : 0, text ? text : "");
  return 1;
}

int screen_usermesg(const char *text, int cancel, int mode) {
  if (!text) text = "";
  if (!SCREEN_DID(usermesg, text, cancel, mode == 5 ? 1 : 0)) fprintf(stderr, "%s\n", text);
  return 1;
}

void caddtxt(const char *text) {
  if (!text) text = "";
  int severity = 1;
  if (strncasecmp(text, "ERROR", 5) == 0)
    severity = 3;
  else if (strncasecmp(text, "WARN", 4) == 0)
    severity = 2;
  if (!SCREEN_DID(message, text, severity)) printf("%s\n", text);
}

void screen_message_hide() { SCREEN_DID(message_hide); }

void set_working_cursor(const char *text) { SCREEN_DID(busy, text ? text : ""); }

void unset_working_cursor() { SCREEN_DID(busy, nullptr); }

int screen_prompt(const char *label, const char *title, char *buf, int size, int file) {
  if (!buf || size <= 0) return -1;
  if (SCREEN_DID(prompt, label ? label : "", title ? title : "", buf, size, file)) return 1;
  std::string scripted;
  if (!next_answer(&scripted)) {
    buf[0] = '\0';
    return -1;
  }
  if (scripted.size() > static_cast<size_t>(size - 1)) {
    fprintf(stderr, "Buffer overflow on input. Input aborted.\n");
    buf[0] = '\0';
    return 1;
  }
  memcpy(buf, scripted.c_str(), scripted.size() + 1);
  return 1;
}

void check_for_events() { SCREEN_DID(drain_events); }

int screen_wait_event() { return SCREEN_DID(wait_event) ? 1 : 0; }

int screen_settle() { return SCREEN_DID(settle) ? 1 : 0; }

int screen_noop_event() { return SCREEN_DID(noop_event) ? 1 : 0; }

int cmd_entry_execute(const char *line) {
  int result = -1;
  if (!SCREEN_DID(cmd_entry_execute, line, &result)) return -2;
  return result;
}

void cmd_entry_show(const char *line) { SCREEN_DID(cmd_entry_show, line ? line : ""); }

int screen_cmd_dialog_build() { return SCREEN_DID(cmd_dialog_build) ? 1 : 0; }

int screen_cmd_dialog_show() { return SCREEN_DID(cmd_dialog_show) ? 1 : 0; }

int screen_cmd_dialog_exists() { return SCREEN_DID(cmd_dialog_exists) ? 1 : 0; }

void screen_error_raise() { SCREEN_DID(error_raise); }

int screen_watch(int fd, void (*ready)(), unsigned long *id) {
  return SCREEN_DID(watch, fd, ready, id) ? 1 : -1;
}

void screen_unwatch(unsigned long id) { SCREEN_DID(unwatch, id); }

void gwin_gl_curwin(int *code, int set, int *dpy) { SCREEN_DID(gl_window, code, set, dpy); }

void swapbuffers() { SCREEN_DID(gl_swap); }

void gwin_print_string(const char *text) { SCREEN_DID(gl_text, text ? text : ""); }

int gwin_gl_ready() { return SCREEN_DID(gl_current) ? 1 : 0; }

int screen_size(int dpy, int *width, int *height) {
  return SCREEN_DID(screen_size, dpy, width, height) ? 1 : 0;
}

void set_keyboard_repeat(int on) { SCREEN_DID(key_repeat, on); }
