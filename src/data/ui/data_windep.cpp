// Data section and reader dialogs (see data_windep.h). Owns the format
// menu's rows, the simple loader and the ABAQUS dialog with their widgets,
// and sets the data layer's hooks onto them; the generic loader's dialog
// lives in generic_loader_dlog.cpp. What the section offers and where its
// Okay goes is decided in data/data_section.cpp.
#include "data/ui/data_windep.h"

#include <Xm/AtomMgr.h>
#include <Xm/FileSB.h>
#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/Protocols.h>
#include <Xm/ToggleB.h>
#include <Xm/Xm.h>

#include <cstdio>
#include <string>

// ---- the data side of the File Selection dialog -------------------------------
#include "client/cases.h"
#include "client/conect.h"
#include "data/data_read.h"
#include "data/data_section.h"
#include "data/partbuild.h"
#include "data/ui/estet_dialog.h"
#include "data/ui/n3s_dialog.h"
#include "data/ui/plot3d_dialog.h"
#include "parts/read.h"
#include "ui/dialog_frame.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/widgen.h"
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
  int load_row = Data_pload_optmen ? XtarvOptionMenuCurrentState(Data_pload_optmen, Dload_menu) : -1;
  if (load_row >= 0)
    f->load = (int)(long)Dload_menu[load_row].client_data;
  else
    tarv_partbld_vals(&f->load, 0);
  const int *p3d = Data_plot3d_rflags[Case_num];
  f->p3d = {p3d[0], p3d[1], p3d[2], p3d[3]};
  data_plot3d_read_controls(&f->p3d);  // the PLOT3D loader's controls, once built
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

// The user-defined rows' labels as the section shows them.
static void set_row_label(int row, const char *text) {
  Widget w = Data_format_menu[row].widget;
  if (!w) return;
  XmString x = qvn_xmstring(text);
  XtVaSetValues(w, XmNlabelString, x, nullptr);
  XmStringFree(x);
}

void file_data_init() {
  if (!Fileselect_dialog || !XtIsManaged(Fileselect_dialog)) return;
  int c = Case_num;
  Data_section_rec s;
  if (data_section_formats(&s) < 0) return;
  for (int r = 0; r < DATA_FORMAT_ROWS; r++) {
    if (r >= DATA_FIXED_ROWS) set_row_label(r, s.labels[r]);
    if (!Data_format_menu[r].widget) continue;
    if (s.offered[r])
      XtManageChild(Data_format_menu[r].widget);
    else
      XtUnmanageChild(Data_format_menu[r].widget);
  }
  XtarvOptionMenuSetState(Fileselect_format_optmen, Data_format_menu, s.row, 1);
  int native = 1;
  server_byte_swap_toggle(&native, 0);
  XmToggleButtonSetState(Fileselect_native_tggl, native ? True : False, False);
  XtSetSensitive(Fileselect_native_tggl, Gexist[c] ? False : True);
  fsel_set_text(Fileselect_geom_text, Data_geom_file[c]);
  fsel_set_text(Fileselect_meas_text, Data_meas_file[c]);
  fsel_set_text(Fileselect_result_text, Data_result_file[c]);
  XtSetSensitive(Fileselect_geom_text, Gexist[c] ? False : True);
  XtSetSensitive(Fileselect_result_text, Rexist[c] ? False : True);
  XtSetSensitive(Fileselect_meas_text, Mexist[c] ? False : True);
  char path[PATH_TEXT];
  which_path(c, path, 0);
  fsel_set_text(Fileselect_path_text, path);
  if (path[0]) {
    std::string filter = std::string(path) + "/*";
    fsel_set_text(Fileselect_filter_text, filter);
    XmString x = qvn_xmstring(filter.c_str());
    XmFileSelectionDoSearch(Fileselect_dialog, x);
    XmStringFree(x);
  } else {
    fsel_set_text(Fileselect_filter_text, "./*");
  }
  XmListDeselectAllItems(Fileselect_file_list);
  bool connected = false;
  for (int k = 0; k < MAX_CASES; k++) connected = connected || (Case_info[k].active && Online[k + 1] == 1);
  for (Widget w : {Fileselect_newcase_but, Fileselect_replacecase_but, Fileselect_deletecase_but})
    if (w) XtSetSensitive(w, connected ? True : False);
  for (Widget w : {Fileselect_spectstep_tggl, Fileselect_spectstep_text})
    if (w) XtSetSensitive(w, Case_cnt < 2 ? True : False);
}

void data_read_byformatCB(Widget, XtPointer, XtPointer) {
  if (File_selection_type != 1) return;
  data_read_byformat();
}

void data_select_fileCB(Widget, XtPointer, XtPointer) {
  if (fsel_select(1, &Fileselect_geom_text, &Fileselect_result_text, &Fileselect_meas_text, 0,
                  nullptr, nullptr) < 0)
    fprintf(stderr, "Couldn't set up for chosen file.\n");
  file_data_init();
}

void data_pbuild_manageinitCB(Widget, XtPointer, XtPointer) { data_pbuild_manageinit_menu(); }

void data_setup_applyCB(Widget, XtPointer source, XtPointer) { data_setup_apply((int)(long)source); }

// ---- the reader dialogs -------------------------------------------------------
Widget File_genericdata_dialog = nullptr;
Widget File_tarvdata_dialog = nullptr;
Widget File_genericiblankinfo_form = nullptr;

// ---- the simple loader and the ABAQUS dialog ---------------------------------
#define SIMPLE_ROW 6  // Widgen_tbl row "Data Reader (MULTI)"

Widget File_abaqusdata_dialog = nullptr;
Widget Data_pload_optmen = nullptr;
Widget Data_pload_helpbtn = nullptr;
Menu_item_rec Dload_menu[4] = {
    {"All Parts", 'A', nullptr, (XtPointer)0, XtarvPUSHBUTTON, 0, nullptr},
    {"Part 1 Only", 'O', nullptr, (XtPointer)1, XtarvPUSHBUTTON, 0, nullptr},
    {"All But Part 1", 'B', nullptr, (XtPointer)2, XtarvPUSHBUTTON, 0, nullptr},
    {"No Parts", 'N', nullptr, (XtPointer)3, XtarvPUSHBUTTON, 0, nullptr},
};

static void set_title(Widget dialog, const char *title) {
  XmString t = qvn_xmstring(title);
  XtVaSetValues(dialog, XmNdialogTitle, t, nullptr);
  XmStringFree(t);
}

// A form dialog of the simple loader's family: placed from row 6, closed
// through the window manager by hiding it.
static Widget loader_form(Widget *holder, const char *name, const char *title) {
  Arg a[12];
  XmString wtitle = nullptr;
  Cardinal n = widgen_apply_args(SIMPLE_ROW, a, 0, &wtitle);
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmUNMAP); n++;
  *holder = XmCreateFormDialog(Main_win[0], const_cast<char *>(name), a, n);
  XmStringFree(wtitle);
  set_title(*holder, title);
  return *holder;
}

void gen_tarv5read_dialog() {
  if (File_tarvdata_dialog || !Main_win[0]) return;
  Widget d = loader_form(&File_tarvdata_dialog, "readtarvfile", "Data Part Loader (Quivane)");
  Widget_args a;
  a.attach(XmNtopAttachment, XmATTACH_FORM, nullptr, nullptr, XmNtopOffset, 10)
      .attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 10);
  Data_pload_optmen = XtarvCreateOptionMenu(d, "Dpload_opt", "Load", a.list(), a.count(), Dload_menu, 4, 0);
  XtManageChild(Data_pload_optmen);
  XtarvCreateOkCancelHelpButtons(d, Data_pload_optmen, "readtarv", data_tarv_applyCB, unmanage_rout,
                                 info_manCB, (XtPointer)0, (XtPointer)&File_tarvdata_dialog,
                                 (XtPointer) "HT-Read-TARV");
  Data_pload_helpbtn = XtNameToWidget(d, "readtarvHelp");
  keep_on_screen(d);
}

std::string data_abaqus_restrictions() {
  static const char *const lines[21] = {
      "Current Abaqus restrictions:",
      "",
      "   For element based results, values CANNOT be output",
      "   at the node. They CAN be output averaged to the node,",
      "   output at the centroid or whole element, or output at",
      "   the integration points.",
      "     (**WARNING values at the integration points are read",
      "      in only for the last integration point and become an",
      "      element variable with this value for the element.**)",
      "   (Obtain with:  *EL FILE,POSITION=AVERAGED AT NODES)",
      "   (Obtain with:  *EL FILE,POSITION=CENTROIDAL)",
      "   (Obtain with:  *EL FILE,POSITION=INTEGRATION POINTS)",
      "",
      "For Abaqus Versions less than Version 5.6:",
      "-----------------------------------------",
      "If a .dat file, with the same root as the geometry",
      "file specified, is present, then a part for each",
      "element set will be created.  Otherwise, everything",
      "will be in one part.  Must use *PREPRINT,MODEL=YES",
      "option to have element sets in the .dat file.",
      "",
  };
  std::string text;
  for (int k = 0; k < 21; k++) {
    std::string line = lines[k];
    if (k != 1 && k != 20 && line.size() < 58) line.append(58 - line.size(), ' ');
    text += line;
    if (k != 20) text += "\n";
  }
  return text;
}

void gen_abaqusread_dialog() {
  if (File_abaqusdata_dialog || !Main_win[0]) return;
  Widget d = loader_form(&File_abaqusdata_dialog, "readabaqusfile", "Data Part Loader (ABAQUS)");
  XmString s = qvn_xmstring(data_abaqus_restrictions().c_str());
  Widget_args a;
  a.attach(XmNtopAttachment, XmATTACH_FORM, nullptr, nullptr, XmNtopOffset, 10)
      .attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 10)
      .set(XmNlabelString, s)
      .set(XmNalignment, XmALIGNMENT_BEGINNING)
      .font();
  Widget lbl = XtCreateManagedWidget("abaquslbl", xmLabelWidgetClass, d, a.list(), a.count());
  XmStringFree(s);
  XtarvCreateOkCancelHelpButtons(d, lbl, "readabaqus", data_abaqus_applyCB, unmanage_rout,
                                 info_manCB, (XtPointer)0, (XtPointer)&File_abaqusdata_dialog,
                                 (XtPointer) "HT-Read-ABAQUS");
  keep_on_screen(d);
}

void data_tarv_applyCB(Widget, XtPointer source, XtPointer) {
  if (File_tarvdata_dialog) XtUnmanageChild(File_tarvdata_dialog);
  data_setup_apply((int)(long)source);
}

void data_abaqus_applyCB(Widget, XtPointer source, XtPointer) {
  if (File_abaqusdata_dialog) XtUnmanageChild(File_abaqusdata_dialog);
  data_setup_apply((int)(long)source);
}

// ---- the hooks of the data layer ----------------------------------------------

static void simple_show(const char *title, const char *topic) {
  gen_tarv5read_dialog();
  if (!File_tarvdata_dialog) return;
  XtRemoveAllCallbacks(Data_pload_helpbtn, XmNactivateCallback);
  XtAddCallback(Data_pload_helpbtn, XmNactivateCallback, info_manCB, (XtPointer)topic);
  set_title(File_tarvdata_dialog, title);
  XtManageChild(File_tarvdata_dialog);
}

static void abaqus_show() {
  gen_abaqusread_dialog();
  if (File_abaqusdata_dialog) XtManageChild(File_abaqusdata_dialog);
}

static void generic_show() {
  gen_genericread_dialog();
  if (File_genericdata_dialog) XtManageChild(File_genericdata_dialog);
}

static void plot3d_show() {
  gen_plot3dread_dialog();
  if (File_plot3ddata_dialog) XtManageChild(File_plot3ddata_dialog);
}

static void generic_mode(const char *title, int click_unstruct, int struct_sensitive) {
  if (!File_genericdata_dialog) return;
  set_title(File_genericdata_dialog, title);
  if (click_unstruct) XmToggleButtonSetState(Data_generic_unstruct_tggl, True, True);
  XtSetSensitive(Data_generic_struct_tggl, struct_sensitive ? True : False);
  XtManageChild(File_genericdata_dialog);
}

void data_windep_install() {
  Data_fileselect_get = fileselect_get;
  Data_fileselect_set = fileselect_set;
  Data_loader_windep = Data_loader_windep_rec{generic_show, generic_mode, data_generic_help_topics,
                                              simple_show, abaqus_show, plot3d_show};
  data_generic_install();
  data_plot3d_install();
  // ESTET and N3S loaders, ESTET vector builder
  data_estet_install();
  data_n3s_install();
}
