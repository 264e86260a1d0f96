// The ESTET dialogs: the part loader "readestetfile" and the Vector Builder
// "estetvctbld". Their widgets are read and set only through the hooks of
// data/estet_loader.h and data/estet_vctbld.h; every callback hands its
// action to that logic.
#pragma once

#include <X11/Intrinsic.h>

#include "ui/menus.h"

// ---- the part loader ("readestetfile", built once) ---------------------------
extern Widget File_estetcreatby_form;
extern Widget File_estetdom_optmen;
extern Menu_item_rec File_estetdom_menu[3];      // "Inside" 1, "Outside" 0, "All" 2
extern Widget File_esteteltrep_optmen;
extern Menu_item_rec File_esteteltrep_menu[6];
extern Widget File_estetfang_text;
extern Widget File_estetftstp_text[9];           // I From, To, Step, J ..., K ...
extern Widget File_estetminmax_text[6];          // I Min, Max, J ..., K ...
extern Widget File_estetdesc_text;
extern Widget File_estetiblank_rowcol;
extern Widget File_estetiblank_arobut;
extern Widget File_estetiblankparent_list;
extern Widget File_estetiblankvalues_list;
extern Widget File_estetiblankdesc_text;
void data_estetfangle_sens(int rep);
void data_estet_creatpartCB(Widget w, XtPointer client, XtPointer call);
void data_estet_creatiblankpartCB(Widget w, XtPointer client, XtPointer call);
void data_estet_dismissCB(Widget w, XtPointer client, XtPointer call);
void data_estetelemrep_chngCB(Widget w, XtPointer rep, XtPointer call);
void data_estetiblankexpand_routCB(Widget w, XtPointer keep, XtPointer call);

// ---- the Vector Builder ("estetvctbld", built anew at each showing) ----------
extern Widget File_estvb_list;                  // "Available Variables"
extern Widget File_estvb_xcomp, File_estvb_ycomp, File_estvb_zcomp;
extern Widget File_estvb_vctname;               // "Vector Descript"
extern Widget File_estnewvct_list;              // "New Vector Variables"
void data_estvb_setcompCB(Widget w, XtPointer axis, XtPointer call);
void data_estvb_grpvctCB(Widget w, XtPointer client, XtPointer call);
void data_estvb_dismissCB(Widget w, XtPointer client, XtPointer call);

// Sets the hooks of both dialogs.
void data_estet_install();
