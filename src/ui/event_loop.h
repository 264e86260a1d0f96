// The X event dispatch of the client: the main loop that start-up enters and
// never leaves, the inner loops of long operations and modal dialogs, the
// translation of key events into the system's key codes through Keymaptbl,
// the key queue of the modal mouse loops, a few synthetic events, and the
// stored place of the detached graphics window.
#pragma once

#include <X11/Intrinsic.h>
#include <X11/Xlib.h>

#include "client/screen.h"

// One row of the keyboard map.
struct Keymap_rec {
  int keysym;  // X keysym; -9999 ends the table
  int code;    // the system's key code
};

#define KEYMAP_ROWS 26
extern const Keymap_rec Keymaptbl[KEYMAP_ROWS + 1];  // 26 rows and the end row {-9999, -9999}

// Key codes of the table that the interaction loops compare against.
#define KEY_CODE_ALT 7050
#define KEY_CODE_CONTROL 7051
#define KEY_CODE_F4 7004
#define KEY_CODE_ESCAPE 27

extern int Quivane_cntrlkey_down;  // 1 while a Control key is held
extern int Pause_gwin;             // 1 = main-view events held ("test: pause_events on")
extern int Synchronize_state;      // 1 = X synchronous mode on for the displays

// Code of a key from the X lookup: a printable keysym (32..126) that produced
// at least one character gives that character; else the first table row with
// the keysym.  1 with *code set, -1 when the key has no code.
int key_code_from_lookup(KeySym keysym, int nchars, const char *chars, int *code);
// Translates one key event (press or release) through the X lookup and the
// table; 1 with *code set, -1 when the key has no code.
int decipher_this_keyboard_event(XKeyEvent event, int *code);

// Installs the key-event dispatchers of a display: every key press and
// release dispatched on it is translated first and the Control key's state
// recorded in Quivane_cntrlkey_down.  Called once per display at start-up.
void event_loop_track_keys(Display *dpy);

// The main loop; never returns.
[[noreturn]] void main_event_loop();
// Runs pending events: mode 3 drains without blocking; mode 5 waits until a
// callback sets Xproc_done (clearing it before and after); any other mode
// dispatches while Pause_gwin is set.  The waits block in the toolkit.
void check_xevents(XtAppContext app, int mode);

// Takes the first key press or release of win on display dpy_index out of
// the queue without waiting.  1 taken and translated; -1 taken, no code;
// 0 none queued (nothing stored).
int inque_keyboard_event(Window win, int *code, int *kind, int dpy_index);
// 0 when no input is pending, else inque_keyboard_event.
int process_keyboard_events(Window win, int *code, int *kind, int dpy_index);


// Synthetic no-op key press (Return, state Shift|Lock) for target's window,
// with the keyboard focus of focus_subtree redirected to target meanwhile. 1.
int sendnoopevent_windep(Widget target, Widget focus_subtree, int dpy_index);
// sendnoopevent_windep(Main_menubar, Command_dialog, 0).
int sendcmdnoopevent();
// The do-nothing entry of static callback tables; 1.
int noopint();

// Stores each value that is not -1 into Widgen_tbl row 14 (the detached
// graphics window: width, height, x, y); -1 keeps that value.
void setsecondary_graphicswin_pos(int width, int height, int x, int y);
// Reads Widgen_tbl row 14.
void getsecondary_graphicswin_pos(int *width, int *height, int *x, int *y);

// Utilities kept with the loop.
void synchronous_events(int state);
int end_keyboard_event_que(Window win, int dpy_index);
int empty_keyboard_event();
int getkeybutton(int character, int dpy_index);
int sendexposureevent(Widget w, int unused, int dpy_index);
int sendbutreleaseevent(Widget w, Widget focus_subtree, int dpy_index);

// Fills the event entries of the Motif screen: draining and waiting for
// events, the no-op events after a driven line, the watched descriptors and
// the key auto-repeat (which has no effect in this system).
void event_loop_screen(Screen_ops *ops);
