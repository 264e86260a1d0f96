// The tool-location sections of the Transformation Editor's lower area: the
// cursor, line, plane and quadric sections, whose fields the tool-position
// logic fills and reads (transf_feedback_windep.h holds those widgets).
// Each builder makes its outer form, unmanaged, as a child of parent; the
// editor's mode switch shows the one of the current mode.  The column
// labels read "XX" until the first fill.
#pragma once

#include <X11/Intrinsic.h>

#include "ui/widget_helpers.h"

extern Widget Feedback_cursor_form;   // "TransfFdbkCursorForm", null until built
extern Widget Feedback_line_form;     // "TransfFdbkLineForm"
extern Widget Feedback_plane_form;    // "TransfFdbkPlaneForm"
extern Widget Feedback_quadric_form;  // "TransfFdbkQuadricForm"
// The cylinder, sphere and cone section (one section under three names).
extern Widget Feedback_cylsect_info, Feedback_consect_info, Feedback_sphsect_info;

void transf_gen_cursorloc_sect(Widget parent);
void transf_gen_lineloc_sect(Widget parent);
void transf_gen_planeloc_sect(Widget parent);
// Returns the surface-of-revolution section (null while the tools'
// section builders build nothing).
Widget transf_gen_quadricloc_sect(Widget parent);

// Makers the editor's windows share: a label (in the menu font when fixed
// fonts are asked for), and a text field columns wide taking at most 11
// characters, whose insertion cursor shows only while it has the focus and
// whose Enter runs cb with client.
Widget transf_label(Widget parent, const char *name, const char *text, Widget_args a = {});
Widget transf_text_field(Widget parent, const char *name, int columns, XtCallbackProc cb,
                         XtPointer client, Widget_args a = {});
