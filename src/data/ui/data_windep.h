// The data side of the File Selection dialog and the reader dialogs.
#pragma once

#include "data/data_dlog.h"
#include "data/data_format.h"

#include <string>

// ---- the data side of the File Selection dialog -------------------------------
#include <X11/Intrinsic.h>

#include "ui/menus.h"
extern Menu_item_rec Data_format_menu[DATA_FORMAT_ROWS];  // reader formats, client data = format code
extern Widget File_data_dialog;          // data reader dialog tied to the File Selection dialog, null none
// Fills the data section of the File Selection dialog for the current case;
// nothing unless the dialog exists and is shown.
void file_data_init();
// Sets the data layer's hooks of the data section and the loader dialogs.
void data_windep_install();

// ---- the reader dialogs -------------------------------------------------------
// Built on first use and then only shown and hidden (the ESTET Vector
// Builder is built at each showing and destroyed at its close). The ESTET
// dialogs live in estet_dialog.cpp, the N3S one in n3s_dialog.cpp, the
// PLOT3D one in plot3d_dialog.cpp.
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
void gen_abaqusread_dialog();
// The ABAQUS dialog's restrictions text: 21 lines, all but the second and
// the last padded with blanks to 58 characters.
std::string data_abaqus_restrictions();
extern Widget File_abaqusdata_dialog;       // null until built
extern Widget Data_pload_optmen;            // the simple loader's "Load" menu
extern Widget Data_pload_helpbtn;           // the simple loader's "Help" button
extern Menu_item_rec Dload_menu[4];         // "All Parts" 0 .. "No Parts" 3

// ---- the generic part loader ("DataGenericDialog") -------------------------
extern Widget Data_generic_unstruct_tggl;
extern Widget Data_generic_struct_tggl;
extern Widget Data_generic_part_list;
extern Widget Data_generic_elmrep_optmen;
extern Widget Data_generic_domain_optmen;
extern Widget Data_generic_unstruct_form;
extern Widget Data_generic_struct_form;
extern Widget Data_generic_iblank_arrow;
extern Widget Data_generic_iblankparent_list;
extern Widget Data_generic_iblankvalues_list;
extern Widget Data_generic_unst_help;
extern Widget Data_generic_st_help;
extern Widget Data_generic_fields[];         // by Generic_field
extern Menu_item_rec Data_generic_elmrep_menu[6];
extern Menu_item_rec Data_generic_domain_menu[3];
// Sets the loader logic's hooks onto this dialog.
void data_generic_install();
// Rebinds the two "Help" buttons after a read in a generic format.
void data_generic_help_topics(int format);
void data_genericfangle_sens(int rep);
void data_genericsect_swapCB(Widget w, XtPointer client, XtPointer call);
void data_generic_zoneinitCB(Widget w, XtPointer client, XtPointer call);
void data_genericelemrep_chngCB(Widget w, XtPointer rep, XtPointer call);
void data_generic_creatpartCB(Widget w, XtPointer load_all, XtPointer call);
void data_generic_creatiblankpartCB(Widget w, XtPointer client, XtPointer call);
void data_generic_dismissCB(Widget w, XtPointer client, XtPointer call);
void data_genericiblankexpand_routCB(Widget w, XtPointer keep, XtPointer call);
// The simple loader's and the ABAQUS dialog's Okay: hide, then read.
void data_tarv_applyCB(Widget w, XtPointer source, XtPointer call);
void data_abaqus_applyCB(Widget w, XtPointer source, XtPointer call);
// File menu "Data (Part Loader)...".
void data_pbuild_manageinitCB(Widget w, XtPointer client, XtPointer call);
// Runs data_setup_apply with the client value.
void data_setup_applyCB(Widget w, XtPointer source, XtPointer call);

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
