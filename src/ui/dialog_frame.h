// What every dialog of the client shares: where it goes when it places
// itself near the pointer, staying inside the screen, and its keyboard
// defaults (Return for its default action, Escape for Cancel or dismiss).
// Each dialog has its own offsets from the pointer; the one routine here
// computes them all.
#pragma once

#include <Xm/Xm.h>

// What happens to a coordinate that the offset would take below 0.
enum Place_rule {
  PLACE_CLAMP,            // base - offset, a negative value becomes 0
  PLACE_REDUCE_WITH_ROOM  // base - offset only when base is more than offset, else base
};

// The pointer's position on the screen (px, py), queried over the window of
// over (over its screen's root before that window exists); 0, 0 without over.
void pointer_on_screen(Widget over, int *px, int *py);

// Where a dialog goes near the pointer: the pointer's position on the
// screen (queried over over's window), plus, with add_window_position, the
// position of over's window in its parent, moved left by left and up by up
// pixels, each coordinate by its rule.
void place_near_pointer(Widget over, int add_window_position, int left, int up, Place_rule rule_x,
                        Place_rule rule_y, Position *x, Position *y);

// Moves a width x height rectangle (borders included) at *x, *y up or left
// just enough to lie inside a screen of sw x sh pixels, and right or down
// to 0 when it starts off the left or top edge; a rectangle larger than the
// screen keeps its left or top edge at 0.
void fit_rectangle(int sw, int sh, int width, int height, int *x, int *y);

// Keeps the dialog (or shell) inside its screen each time it is shown:
// placed where its own rule puts it, then moved up or left just enough
// to fit.
// Installed once per shell; calling it again does nothing more.
void keep_on_screen(Widget dialog);

// The first time the dialog is shown, when it would cover part of the
// window of other (a shell), it moves sideways to stand beside that window:
// to its left when there is room, else to its right, else on the side with
// more room, narrowed to fit there when it keeps three quarters of its
// width; its y stays.  Window-manager frames count, estimated from the
// frame around other.  Then it is kept inside the screen as above (call
// this before keep_on_screen for the same dialog).
void place_beside(Widget dialog, Widget other);

// The dialog's keyboard defaults: Return activates default_button (also
// from a one-line text field of the dialog) and Escape activates
// cancel_button (its Cancel, or its dismiss button where it has no
// Cancel).  Either may be null.  dialog is a bulletin board (form) dialog.
void dialog_keys(Widget dialog, Widget default_button, Widget cancel_button);

// Pieces of the client's form dialogs.  A form dialog of the main window
// placed left font widths left of and up font heights above the pointer
// (close: its window-manager close; with auto_unmanage its buttons close it).
Widget near_pointer_form_dialog(const char *name, const char *title, int left, int up,
                                XtCallbackProc close, XtPointer close_data,
                                bool auto_unmanage = false);
// A vertical column filling a form, and a horizontal row.
Widget dialog_column(Widget parent, const char *name);
Widget dialog_row(Widget parent, const char *name);
// A managed label gadget showing text in the menu font.
Widget dialog_label_gadget(Widget parent, const char *name, const char *text);
// Enter in field calls cb with client; the insertion cursor shows only
// while the field has the focus.  field.
Widget text_on_enter(Widget field, XtCallbackProc cb, long client);
// A toggle gadget whose value change calls cb with client.
Widget dialog_toggle(Widget parent, const char *name, const char *label, XtCallbackProc cb,
                     long client);
