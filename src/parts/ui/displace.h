// Quick-interaction panel of the Displace feature ("PartIntrDispForm"):
// the node vector variable that displaces the selected parts (or every part
// type's defaults) and its factor.  The changes go through
// parts/qedit_part.h.
#pragma once

#include <X11/Intrinsic.h>

struct Menu_item_rec;
extern Menu_item_rec Featintr_dispby_menu[2];  // "Variable" 1, "None" 0
extern Widget Featintr_dispby_optmen;          // "PartIntrDisp", null until built
extern Widget Featintr_dispfactor_text;        // "PartIntrDispFact", null until built
extern Widget Featintr_dispvar_list;           // "PartIntrDispVarList", null until built

// The feature row's panel builder: builds the panel into parent on first
// use (nothing without a parent or a panel) and fills it from the first
// given part number (-1 the defaults).
int intrdisplace_geninit_sect(Widget parent, int count, int *internal, int *numbers);
// Fills the panel from a part's attributes (-1: the model part defaults).
void intrdisplace_init_sect(int part);
// "Displace By" entry or "Apply New Variable": client data 1 the selected
// variable, 0 none.
void intrdisplace_by_chngCB(Widget w, XtPointer value, XtPointer call);
// Return in the factor field.
void intrdisplace_factor_chngCB(Widget w, XtPointer client, XtPointer call);
