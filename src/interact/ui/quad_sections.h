// The quadric tools' feedback sections of the Transformation Editor: the
// section shared by the cylinder, sphere and cone (origin, axis and the
// radius or angle field with its label) and the surface-of-revolution
// section (origin, axis, the two point lists with their scroll bar, the
// point fields, the add-point toggle, the delete button and the 2-D editing
// area).  They create the Feedback_cylcon_* and Feedback_rev_* widgets.
// The quadric tools' own dialogs are not built yet: until then the builders
// make nothing and return null.
#pragma once

#include <X11/Intrinsic.h>

// kind 1: the editor's section (Enter applies the typed values).
Widget quad_gen_cylconsph_sect(Widget parent, int kind);
Widget quad_gen_fdbk_revo_sect(Widget parent);
