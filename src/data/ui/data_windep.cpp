// Data section and reader dialogs (see data_windep.h).
#include "data/ui/data_windep.h"

#include <Xm/Xm.h>

#include <cstdio>

// ---- the data side of the File Selection dialog -------------------------------
#include "client/cases.h"
#include "ui/file_select.h"
#include "ui/general_windep.h"
#include "ui/menus.h"
#include "ui/widget_helpers.h"

// One row per entry of Data_format_rows, in the same order.
#define FORMAT_ROW(label, code) \
  { label, ' ', data_setup_formatCB, (XtPointer)(long)(code), XtarvPUSHBUTTON, 0, nullptr }
Menu_item_rec Data_format_menu[DATA_FORMAT_ROWS] = {
    FORMAT_ROW("Case", 10),
    FORMAT_ROW("Quivane 5", 0),
    FORMAT_ROW("ABAQUS", 8),
    FORMAT_ROW("ANSYS RESULTS", 7),
    FORMAT_ROW("ESTET", 4),
    FORMAT_ROW("FAST UNSTRUCTURED", 9),
    FORMAT_ROW("FIDAP NEUTRAL", 2),
    FORMAT_ROW("Movie", 6),
    FORMAT_ROW("TARV 4.1", 5),
    FORMAT_ROW("N3S", 3),
    FORMAT_ROW("PLOT3D", 1),
    FORMAT_ROW("USER-DEFINED1", 11),
    FORMAT_ROW("USER-DEFINED2", 12),
    FORMAT_ROW("USER-DEFINED3", 13),
    FORMAT_ROW("USER-DEFINED4", 14),
    FORMAT_ROW("USER-DEFINED5", 15),
    FORMAT_ROW("USER-DEFINED6", 16),
    FORMAT_ROW("USER-DEFINED7", 17),
    FORMAT_ROW("USER-DEFINED8", 18),
    FORMAT_ROW("USER-DEFINED9", 19),
    FORMAT_ROW("USER-DEFINED10", 20),
    FORMAT_ROW("USER-DEFINED11", 21),
    FORMAT_ROW("USER-DEFINED12", 22),
    FORMAT_ROW("USER-DEFINED13", 23),
    FORMAT_ROW("USER-DEFINED14", 24),
    FORMAT_ROW("USER-DEFINED15", 25),
    FORMAT_ROW("USER-DEFINED16", 26),
    FORMAT_ROW("USER-DEFINED17", 27),
    FORMAT_ROW("USER-DEFINED18", 28),
    FORMAT_ROW("USER-DEFINED19", 29),
    FORMAT_ROW("USER-DEFINED20", 30),
};
#undef FORMAT_ROW
Widget File_data_dialog = nullptr;

void data_setup_formatCB(Widget, XtPointer format, XtPointer) {
  data_setup_format((int)(long)format, 0);
}

// Shows a format's setup in the data section of the File Selection dialog.
void data_setup_format_windep(const Data_format_setup_rec *setup) {
  if (!Fileselect_dialog) return;
  XmString desc = qvn_xmstring(setup->description);
  XmString geom = qvn_xmstring(setup->geom_label);
  XtVaSetValues(Fileselect_formatdesc_lbl, XmNlabelString, desc, nullptr);
  XtVaSetValues(Fileselect_geom_but, XmNlabelString, geom, nullptr);
  XmStringFree(desc);
  XmStringFree(geom);
  XtSetSensitive(Fileselect_result_text, setup->result_on ? True : False);
  XtSetSensitive(Fileselect_result_but, setup->result_on ? True : False);
  XtSetSensitive(Fileselect_meas_text, setup->meas_on ? True : False);
  XtSetSensitive(Fileselect_meas_but, setup->meas_on ? True : False);
}

void file_data_init() {}

void data_read_byformatCB(Widget, XtPointer, XtPointer) {
  if (File_selection_type != 1) return;
  data_pbuild_manageinit(Data_format[Case_num]);
}

void data_select_fileCB(Widget, XtPointer, XtPointer) {
  if (fsel_select(1, &Fileselect_geom_text, &Fileselect_result_text, &Fileselect_meas_text, 0,
                  nullptr, nullptr) < 0)
    fprintf(stderr, "Couldn't set up for chosen file.\n");
}

// ---- the reader dialogs -------------------------------------------------------
Widget File_genericdata_dialog = nullptr;
Widget File_tarvdata_dialog = nullptr;
Widget File_n3sdata_dialog = nullptr;
Widget File_estetdata_dialog = nullptr;
Widget File_estetvctbld_dialog = nullptr;
Widget File_plot3ddata_dialog = nullptr;
Widget File_plot3diblankinfo_form = nullptr;
Widget File_genericiblankinfo_form = nullptr;
Widget File_estetiblankinfo_form = nullptr;

void gen_genericread_dialog() {}
void gen_tarv5read_dialog() {}
void gen_n3sread_dialog() {}
void gen_estetread_dialog() {}
void gen_estetvctbld_dialog() {}
void gen_plot3dread_dialog() {}
