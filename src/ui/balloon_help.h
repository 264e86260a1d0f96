// Balloon help ("Tool Tips"): a borderless yellow window with a control's
// explanation, shown near the pointer when it enters the control and hidden
// when it leaves, while Balloon_help is 1.  Each control carries its balloon
// id as the client data of its enter handler; the id selects the text by
// band (0-49 feature icons, 50-99 mode selectors, ..., 550 and up the
// Feature Detail Editor's icons).  One balloon window is made on first use
// and reused; there is no delay and no timer.
#pragma once

#include <X11/Intrinsic.h>

#define BALLOON_TEXT 120  // characters of a balloon text, with its end

extern Widget Balloonhelp_dialog;  // "BalloonHelpDialog", null until the first balloon
extern Widget Balloonhelp_lbl;     // its label "BalloonHelpLabel"

// Pointer enter / leave handlers; client data is the balloon id.
void balloon_helpECB(Widget w, XtPointer id, XEvent *ev, Boolean *go_on);
void clear_balloon_helpECB(Widget w, XtPointer id, XEvent *ev, Boolean *go_on);
// Registers both handlers on w with the balloon id.
void add_balloon_handlers(Widget w, long id);
// Shows the balloon of id for w (third argument ignored).
void balloon_helpCB(Widget w, XtPointer id, XtPointer unused);
// Hides the balloon when it is shown; also the balloon window's close action.
void clear_balloon_helpCB(Widget w, XtPointer client, XtPointer call);
// No timer is ever installed: does nothing.
void balloon_help_timeout();

// The text of a balloon id, or null for an id outside every table.
const char *balloon_help_text(long id);
// Width in characters that a text is given: its length, or for a text with
// line breaks the largest of its first line, the span from its first to its
// last line break, and its last line plus one.
int balloon_help_textwidth(const char *text);
// 1 for the controls of the bottom row (transformation buttons, view
// buttons, "Tool Tips"), whose balloons go below the pointer.
int balloon_help_bottomrow(long id);
// Position of a balloon of width n characters for the pointer at root
// (rx, ry) and the main form at (fx, fy) in its parent; negatives become 0.
void balloon_help_position(long id, int n, int fx, int fy, int rx, int ry, int font_width,
                           int font_size, int *x, int *y);
