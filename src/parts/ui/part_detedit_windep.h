// Widgets of the parts section of the Feature Detail Editor.  The section
// arrives with the part subsystem; until then its builder makes an empty
// form and its list does not exist.
#pragma once

#include <X11/Intrinsic.h>

extern Widget Parts_listw;  // the editor's part list, null until built
// Arrow buttons of the parts section's expandable sections "Creation
// Attributes", "General Attributes", "Node, Element" and "Displacement
// Attributes"; null until the parts section is built.
extern Widget Parts_create_arobut;
extern Widget Parts_general_arobut;
extern Widget Parts_ndelmlin_arobut;
extern Widget Parts_disp_arobut;

// Builds the parts section form into the detail editor; the form (unmanaged).
Widget part_gen_deteditor();
