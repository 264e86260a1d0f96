// Data section and reader dialogs (see data_windep.h).
#include "data/ui/data_windep.h"

#include <cstdio>

// ---- the data side of the File Selection dialog -------------------------------
#include "client/cases.h"
#include "ui/file_select.h"
#include "ui/menus.h"
#include "ui/widget_helpers.h"

Menu_item_rec Data_format_menu[DATA_FORMAT_ROWS] = {
    {"Case File", 'C', data_setup_formatCB, (XtPointer)DATA_FORMAT_CASEFILE, XtarvPUSHBUTTON, 0,
     nullptr},
};
Widget File_data_dialog = nullptr;

void data_setup_formatCB(Widget, XtPointer, XtPointer) {}

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
