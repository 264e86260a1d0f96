// The PLOT3D part loader's dialog, "readplot3dfileDialog": its widgets and
// callbacks. Built once on first use by gen_plot3dread_dialog (declared in
// data_windep.h with File_plot3ddata_dialog), then only shown and hidden;
// the logic is data/plot3d_loader.cpp, reached through the hooks that
// data_plot3d_install sets.
#pragma once

#include <X11/Intrinsic.h>

#include "data/data_format.h"
#include "ui/menus.h"

extern Widget File_plot3dread_geom;          // display-only file names
extern Widget File_plot3dread_rslt;
extern Widget File_plot3dread_meas;
extern Widget File_plot3diblank_tggl;        // "Iblanked File"
extern Widget File_plot3ascbin_optmen;       // "Read As"
extern Widget File_plot3dmzone_tggl;         // "Multi-Zone File"
extern Widget File_plot3dim_optmen;          // "Dimension"
extern Widget File_plot3dread_but;           // "Read Specified File"
extern Widget File_plot3dcreatby_form;       // the creation section
extern Widget File_plot3dzones_list;         // "Use Zones:"
extern Widget File_plot3ddom_optmen;         // "Domain"
extern Widget File_plot3deltrep_optmen;      // "Element Visual Rep."
extern Widget File_plot3dfang_text;          // "Feature Angle"
extern Widget File_plot3dijk_rowcol;         // the IJK grid
extern Widget File_plot3dftstp_text[9];      // I From, To, Step, J ..., K ...
extern Widget File_plot3dminmax_text[6];     // I Min, Max, J ..., K ...
extern Widget File_plot3ddesc_text;          // "Part Descript"
extern Widget File_plot3diblank_rowcol;      // the iblank section
extern Widget File_plot3diblank_arobut;      // its arrow
extern Widget File_plot3diblankparent_list;  // parents, extended selection
extern Widget File_plot3diblankvalues_list;  // iblank items, single selection
extern Widget File_plot3diblankdesc_text;    // "Iblank Part Description"
extern Menu_item_rec File_plot3ascbin_menu[3];  // "ASCII" 0, "C Binary" 1, "Fortran Binary" 2
extern Menu_item_rec File_plot3dim_menu[3];     // "1D" 0, "2D" 1, "3D" 2
extern Menu_item_rec File_plot3ddom_menu[3];    // "Inside" 1, "Outside" 0, "All" 2
extern Menu_item_rec File_plot3deltrep_menu[6]; // element representation values

// Sets the loader logic's hooks onto this dialog.
void data_plot3d_install();
// The four read settings as the dialog's controls show them; -1 when the
// dialog is not built.
int data_plot3d_read_controls(Plot3d_read_settings_rec *out);
void data_plot3dfangle_sens(int rep);

void data_plot3dpartc_initCB(Widget w, XtPointer flag, XtPointer call);
void data_plot3delemrep_chngCB(Widget w, XtPointer rep, XtPointer call);
void data_plot3d_zoneinitCB(Widget w, XtPointer client, XtPointer call);
void data_plot3d_mzone_chngCB(Widget w, XtPointer client, XtPointer call);
void data_plot3d_creatpartCB(Widget w, XtPointer client, XtPointer call);
void data_plot3d_creatiblankpartCB(Widget w, XtPointer client, XtPointer call);
void data_plot3d_dismissCB(Widget w, XtPointer client, XtPointer call);
void data_plot3diblankexpand_routCB(Widget w, XtPointer keep, XtPointer call);
