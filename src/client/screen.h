// What the logic may ask of a screen.  The logic of every subsystem reports,
// asks, shows that it is busy and reaches the Command dialog only through
// these functions; it never includes a toolkit header.  The Motif layer
// installs its implementation (screen_install) when it builds the main
// window; until then, and whenever an installed service answers that it
// could not show anything (no realised main window), the console form
// serves: errors and warnings on standard error, message-window lines on
// standard output, prompts answered from a script that tests can set.
//
// Dialog refreshers that a logic module calls after it changed its state
// (the `*_windep` functions) are function pointers owned by that module,
// pointing at a do-nothing console form until the module's dialog code in
// src/<subsystem>/ui/ replaces them.
#pragma once

#include <string>
#include <vector>

// The services of one screen.  Each entry returns 1 when it did its work on
// the screen and 0 when it could not (the console form then serves), unless
// its comment says otherwise.  A null entry counts as "could not".
struct Screen_ops {
  // 1 when the main window exists and is realised.
  int (*present)();
  // Error box with the already wrapped text of `lines` lines.
  int (*error)(const char *shown, int lines);
  // Okay/Cancel question: *answer 1 Okay, 0 Cancel or closed.
  int (*question)(const char *text, int *answer);
  // Working box: modal 1 the modal box, 0 the non-modal one; on 1 shows
  // text, 0 hides the box.
  int (*work)(int modal, int on, const char *text);
  // Informational box; cancel nonzero offers Cancel; modal waits for it.
  int (*usermesg)(const char *text, int cancel, int modal);
  // Message-window line; severity 1 info, 2 warning, 3 error.
  int (*message)(const char *text, int severity);
  // Takes the message window down.
  int (*message_hide)();
  // Busy pointer and status-line text; text null clears both.
  int (*busy)(const char *text);
  // One-line prompt: buf (size bytes with the NUL) holds the proposal and on
  // return the answer, "" after Cancel; file 1 offers file selection.
  int (*prompt)(const char *label, const char *title, char *buf, int size, int file);
  // Dispatches every pending event without waiting.
  int (*drain_events)();
  // Sends a synthetic no-op event through the X server to the Command
  // dialog, so that the events a line caused are dispatched after it.
  int (*noop_event)();
  // Blocks until one event, input or timer was dispatched.  0 when nothing
  // could ever arrive (no application context or no Command dialog).
  int (*wait_event)();
  // After a driven line: lets the display catch up with what it changed
  // (synthetic no-op events through the X server) before the driver is
  // answered.  Quiet: it prints nothing.
  int (*settle)();
  // The Command dialog's command widget: runs line as if typed (history,
  // execution, record); *result is cmd_process's result.  0 when the
  // widget does not exist.
  int (*cmd_entry_execute)(const char *line, int *result);
  // Shows line in the command entry without running it.
  int (*cmd_entry_show)(const char *line);
  // Builds the Command dialog once (not shown).  0 when it cannot exist.
  int (*cmd_dialog_build)();
  // Shows the Command dialog when it exists.
  int (*cmd_dialog_show)();
  // 1 when the Command dialog exists.
  int (*cmd_dialog_exists)();
  // Brings a shown error box back to the top.
  int (*error_raise)();
  // Graphics windows: mode 1 makes window *code of display *dpy current for
  // OpenGL, mode 0 reads which one is.  Swaps the current window's buffers.
  int (*gl_window)(int *code, int set, int *dpy);
  int (*gl_swap)();
  // Draws text at the current raster position with the current window's
  // bitmap font (also while a GL list is being compiled).
  int (*gl_text)(const char *text);
  // 1 when an OpenGL context is current in this thread.
  int (*gl_current)();
  // *width and *height of display dpy's screen in pixels.
  int (*screen_size)(int dpy, int *width, int *height);
  // Switches the server's key auto-repeat.
  int (*key_repeat)(int on);
  // Watches descriptor fd for input, calling ready() from the event loop
  // whenever it is readable; *id receives the handle for screen_unwatch.
  int (*watch)(int fd, void (*ready)(), unsigned long *id);
  int (*unwatch)(unsigned long id);
};

// Installs ops as the screen (null returns to the console form alone).
void screen_install(const Screen_ops *ops);

// ---- report --------------------------------------------------------------
#define SCREEN_WRAP_COLUMNS 75  // an error text breaks at the first blank after this many characters

// Error box "ERROR: text", wrapped at the first blank after 75 characters.
// Never waits.  While an external driver controls the client, on the console.
void disperr(const char *text);
// Okay/Cancel confirmation: 1 Okay, 0 Cancel; on the console (and while a
// script answer is pending, from it) it is acknowledged with Okay.
int warn(const char *text);
// Working boxes: *mode 1 shows the text, any other value hides. Result 1.
int work(const int *mode, const char *text);
int work_nonmodal(const int *mode, const char *text);
// Informational box; cancel nonzero offers Cancel; mode 5 waits. Result 1.
int screen_usermesg(const char *text, int cancel, int mode);
// Appends a line to the message window; the severity follows the text
// ("ERROR..." 3, "WARN..." 2, else 1).
void caddtxt(const char *text);
void screen_message_hide();
// Busy indication: watch cursor plus a status-line text.  Does not nest.
void set_working_cursor(const char *text);
void unset_working_cursor();
// The common report of a failed allocation (line and source of the caller).
void report_alloc_failure(int line, const char *source, const char *routine);

// ---- ask -----------------------------------------------------------------
// One-line prompt (see Screen_ops::prompt).  1 when the screen or a script
// answered (buf holds the answer, "" when cancelled), -1 when there is no
// screen and no scripted answer (buf is then "").
int screen_prompt(const char *label, const char *title, char *buf, int size, int file);
// Scripted answers for the console form, taken in order by screen_prompt
// and warn ("no" or "cancel" answers warn with Cancel).  Tests set them.
void screen_console_script(const std::vector<std::string> &answers);

// ---- events and the Command dialog ----------------------------------------
void check_for_events();
int screen_wait_event();
int screen_settle();
int screen_noop_event();
// -2 when the command widget does not exist, else cmd_process's result.
int cmd_entry_execute(const char *line);
void cmd_entry_show(const char *line);
int screen_cmd_dialog_build();
int screen_cmd_dialog_show();
int screen_cmd_dialog_exists();
void screen_error_raise();
// 1 watched (id set), -1 when no screen can watch a descriptor.
int screen_watch(int fd, void (*ready)(), unsigned long *id);
void screen_unwatch(unsigned long id);
// 1 when an installed screen has a realised main window.
int screen_present();
// The current OpenGL window (see Screen_ops::gl_window); nothing without a
// screen.
void gwin_gl_curwin(int *code, int set, int *dpy);
void swapbuffers();
// Text at the current raster position in the current window's bitmap font;
// nothing without a screen.
void gwin_print_string(const char *text);
// 1 when an OpenGL context is current, so that GL calls take effect; 0
// without a screen (unit tests, the console form).
int gwin_gl_ready();
// Size of display dpy's screen in pixels; 1, or 0 with both left alone
// when there is no screen.
int screen_size(int dpy, int *width, int *height);
void set_keyboard_repeat(int on);
