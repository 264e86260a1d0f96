// The dialog registry: the large top-level windows that are built on first
// use, with the global holding each, its builder, title and remembered size
// and place.  Rows are addressed by index elsewhere, so the order is fixed.
// The window-position file and the start-up scaling rewrite the geometry;
// builders read their row when they create their dialog shell.
#pragma once

#include <Xm/Xm.h>

struct Widgen_rec {
  Widget *widget;        // address of the global holding the window (holds null until built)
  void (*builder)();     // builds the window into *widget; null = built by its own module
  const char *title;     // window title and key in the window-position file
  int width;             // pixels, -1 = the toolkit's choice
  int height;            // pixels, used only when width is not -1
  int x;                 // pixels from the screen's left edge, -1 = the toolkit's placement
  int y;                 // pixels, used only when x is not -1
};

#define WIDGEN_ROWS 17
extern Widgen_rec Widgen_tbl[WIDGEN_ROWS];  // fixed rows, no end row

// Shows the window held at client (a row's widget holder), building it first.
void manage_rout(Widget w, XtPointer client, XtPointer call);
// Hides the window held at client.
void unmanage_rout(Widget w, XtPointer client, XtPointer call);
// Managed push button named name under parent; cb with client on activate.
Widget add_button(Widget parent, const char *name, XtCallbackProc cb, XtPointer client,
                  ArgList args, Cardinal nargs);

// Appends to args the resources that apply row's geometry and title to a
// dialog being created (title through the given compound string, which the
// caller frees after creating the dialog).  Returns the new count; args
// needs room for 6 more entries.
Cardinal widgen_apply_args(int row, ArgList args, Cardinal nargs, XmString *title);
