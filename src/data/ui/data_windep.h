// The data side of the File Selection dialog and the reader dialogs.
#pragma once

#include "data/data_dlog.h"
#include "data/data_format.h"

// ---- the data side of the File Selection dialog -------------------------------
#include <X11/Intrinsic.h>

struct Menu_item_rec;
extern Menu_item_rec Data_format_menu[DATA_FORMAT_ROWS];  // reader formats, client data = format code
extern Widget File_data_dialog;          // data reader dialog tied to the File Selection dialog, null none
// Fills the data section of the File Selection dialog for the current case
// (nothing until the readers arrive).
void file_data_init();

// ---- the reader dialogs -------------------------------------------------------
// Their widgets stay null and their builders build nothing until the readers
// arrive.
extern Widget File_genericdata_dialog;      // null until built
extern Widget File_tarvdata_dialog;         // null until built
extern Widget File_n3sdata_dialog;          // null until built
extern Widget File_estetdata_dialog;        // null until built
extern Widget File_estetvctbld_dialog;      // null until built
extern Widget File_plot3ddata_dialog;       // null until built
extern Widget File_plot3diblankinfo_form;   // iblank section form, null until built
extern Widget File_genericiblankinfo_form;  // iblank section form, null until built
extern Widget File_estetiblankinfo_form;    // iblank section form, null until built
void gen_genericread_dialog();
void gen_tarv5read_dialog();
void gen_n3sread_dialog();
void gen_estetread_dialog();
void gen_estetvctbld_dialog();
void gen_plot3dread_dialog();

// A format row was chosen in the work area: data_setup_format with its code.
void data_setup_formatCB(Widget w, XtPointer format, XtPointer call);
// Okay of the File Selection dialog for purpose 1: opens the part loader of
// the chosen format; other purposes return at once.
void data_read_byformatCB(Widget w, XtPointer client, XtPointer call);
// Data_setup_format_windep of the Motif layer: labels and sensitivities of
// the data section (nothing before the dialog exists).
void data_setup_format_windep(const Data_format_setup_rec *setup);
// Opens the File Selection dialog for the current case's data files.
void data_select_fileCB(Widget w, XtPointer client, XtPointer call);
