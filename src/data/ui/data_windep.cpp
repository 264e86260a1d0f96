// Data section and reader dialogs (see data_windep.h).
#include "data/ui/data_windep.h"

#include <Xm/ToggleB.h>
#include <Xm/Xm.h>

#include <cstdio>

// ---- the data side of the File Selection dialog -------------------------------
#include "client/cases.h"
#include "data/partbuild.h"
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

// Data_fileselect_get: the data section's fields as they stand. The
// loaders' own settings are the pending ones until their dialogs exist.
static int fileselect_get(Data_fileselect_rec *f) {
  if (!Fileselect_dialog) return -1;
  f->native = Fileselect_native_tggl && XmToggleButtonGetState(Fileselect_native_tggl) ? 1 : 0;
  int row = XtarvOptionMenuCurrentState(Fileselect_format_optmen, Data_format_menu);
  f->format = row >= 0 && row < DATA_FORMAT_ROWS ? (int)(long)Data_format_menu[row].client_data
                                                   : Data_format[Case_num];
  f->load = 0;
  tarv_partbld_vals(&f->load, 0);
  const int *p3d = Data_plot3d_rflags[Case_num];
  f->p3d = {p3d[0], p3d[1], p3d[2], p3d[3]};
  Widget texts[4] = {Fileselect_path_text, Fileselect_geom_text, Fileselect_result_text,
                     Fileselect_meas_text};
  char *into[4] = {f->path, f->geom, f->result, f->meas};
  for (int k = 0; k < 4; k++) snprintf(into[k], sizeof f->path, "%s", fsel_get_text(texts[k]).c_str());
  f->start_on = Fileselect_spectstep_tggl && XmToggleButtonGetState(Fileselect_spectstep_tggl) ? 1 : 0;
  snprintf(f->start_text, sizeof f->start_text, "%s", fsel_get_text(Fileselect_spectstep_text).c_str());
  return 0;
}

static void fileselect_set(int field, const char *text) {
  Widget w[5] = {Fileselect_path_text, Fileselect_geom_text, Fileselect_result_text,
                 Fileselect_meas_text, Fileselect_spectstep_text};
  if (field >= 0 && field < 5) fsel_set_text(w[field], text);
}

void file_data_init() {
  Data_fileselect_get = fileselect_get;
  Data_fileselect_set = fileselect_set;
}

// Formats whose parts are built by a part loader after the read.
static bool has_part_loader(int format) {
  return format == 3 || format == 10 || format == 0 ||
         (format >= DATA_USERDEF_FIRST && format <= DATA_USERDEF_LAST);
}

void data_read_byformatCB(Widget, XtPointer, XtPointer) {
  if (File_selection_type != 1) return;
  if (data_setup_apply(0) == 1 && has_part_loader(Data_format[Case_num]))
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
