// The N3S part loader's dialog "readn3sfile": the one-of-three criterion
// toggles, the colour, condition and code lists and the description. Its
// widgets are read and set only through the hooks of data/n3s_loader.h;
// every callback hands its action to that logic.
#pragma once

#include <X11/Intrinsic.h>

extern Widget File_n3screatby_form;
extern Widget File_n3sallelm_tggl;   // "All Elements"
extern Widget File_n3scolnum_tggl;   // "Color Number"
extern Widget File_n3sbndinf_tggl;   // "Boundary Information"
extern Widget File_n3scol_list;
extern Widget File_n3sbndcond_list;
extern Widget File_n3sbndcode_list;
extern Widget File_ns3desc_text;
void data_n3s_creatpartCB(Widget w, XtPointer flag, XtPointer call);
void data_n3s_dismissCB(Widget w, XtPointer client, XtPointer call);
void data_n3spart_chgtypeCB(Widget w, XtPointer client, XtPointer call);
void data_n3sboundcode_initCB(Widget w, XtPointer client, XtPointer call);
// Sets the loader logic's hooks onto this dialog.
void data_n3s_install();
