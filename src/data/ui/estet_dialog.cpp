// The ESTET dialogs (see estet_dialog.h). The part loader is built once
// and afterwards only shown and hidden; the Vector Builder is modal, built
// at each showing and destroyed at its close.
#include "data/ui/estet_dialog.h"

#include <Xm/AtomMgr.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/List.h>
#include <Xm/Protocols.h>
#include <Xm/RowColumn.h>

#include <string>
#include <vector>

#include "data/estet_loader.h"
#include "data/estet_vctbld.h"
#include "data/partbuild.h"
#include "data/ui/data_windep.h"
#include "data/ui/loader_widgets.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/widgen.h"
#include "ui/widget_helpers.h"

#define ESTET_ROW 8       // Widgen_tbl row "Data Reader (ESTET)"
#define ESTET_SECT_ROW 8  // Sectinfo_tbl row "Estet Iblank Create"
#define VCTBLD_ROW 9      // Widgen_tbl row "ESTET Vector Builder"
#define VCTBLD_NAME_LEN 19  // characters of a vector name and a component

Widget File_estetdata_dialog = nullptr;
Widget File_estetiblankinfo_form = nullptr;
Widget File_estetcreatby_form = nullptr;
Widget File_estetdom_optmen = nullptr;
Widget File_esteteltrep_optmen = nullptr;
Widget File_estetfang_text = nullptr;
Widget File_estetftstp_text[9];
Widget File_estetminmax_text[6];
Widget File_estetdesc_text = nullptr;
Widget File_estetiblank_rowcol = nullptr;
Widget File_estetiblank_arobut = nullptr;
Widget File_estetiblankparent_list = nullptr;
Widget File_estetiblankvalues_list = nullptr;
Widget File_estetiblankdesc_text = nullptr;

Menu_item_rec File_estetdom_menu[3] = {
    {"Inside", 'I', nullptr, (XtPointer)1, XtarvPUSHBUTTON, 0, nullptr},
    {"Outside", 'O', nullptr, (XtPointer)0, XtarvPUSHBUTTON, 0, nullptr},
    {"All", 'A', nullptr, (XtPointer)2, XtarvPUSHBUTTON, 0, nullptr},
};
Menu_item_rec File_esteteltrep_menu[6] = {
    LOADER_ELEMREP_ROW("3D border, 2D full", 0, data_estetelemrep_chngCB),
    LOADER_ELEMREP_ROW("Border", 1, data_estetelemrep_chngCB),
    LOADER_ELEMREP_ROW("Feature Angle", 2, data_estetelemrep_chngCB),
    LOADER_ELEMREP_ROW("Bounding Box", 5, data_estetelemrep_chngCB),
    LOADER_ELEMREP_ROW("Full", 3, data_estetelemrep_chngCB),
    LOADER_ELEMREP_ROW("NonVisual", 4, data_estetelemrep_chngCB),
};

// ---- building the part loader --------------------------------------------------------

static void build_ranges(Widget parent) {
  static const Loader_range_names names = {"estusenodelbl", "estfromtorowcol", "estxyzrowcol", "estcollbl",
                                           "estxyzrowcol", "estrowlbl", "estft_text", "estminmax_text"};
  loader_range_grid(parent, names, File_estetftstp_text, File_estetminmax_text);
  for (int a = 0; a < 3; a++) loader_put_text(File_estetftstp_text[a * 3 + 2], "     1");
}

static void build_iblank(Widget parent) {
  static const Loader_iblank_names names = {
      "estiblankRowColumn", "estIblankHead", "estIblankArrowButton", "estIblankLabel",
      "estIblankInfoForm", "DataEstetIblankParentLabel", "DataEstetIblankParentList",
      "DataEstetIblankValuesLabel", "DataEstetIblankValuesList", "DataEstetIblankDescLabel",
      "DataEstetIblankPartDescText", "DataEstetIblankCreate", XmEXTENDED_SELECT, XmSINGLE_SELECT, 3};
  Loader_iblank_widgets w;
  loader_iblank_section(parent, names, ESTET_SECT_ROW, data_estetiblankexpand_routCB,
                        data_estet_creatiblankpartCB, &w);
  File_estetiblank_rowcol = w.rowcol;
  File_estetiblank_arobut = w.arrow;
  File_estetiblankinfo_form = w.info_form;
  File_estetiblankparent_list = w.parent_list;
  File_estetiblankvalues_list = w.values_list;
  File_estetiblankdesc_text = w.desc_text;
}

static Widget option_menu(Widget parent, const char *name, const char *label, Menu_item_rec *rows,
                          int n) {
  Widget w = XtarvCreateOptionMenu(parent, name, label, nullptr, 0, rows, n, 0);
  XtManageChild(w);
  return w;
}

void gen_estetread_dialog() {
  if (File_estetdata_dialog || !Main_win[0]) return;
  File_estetdata_dialog =
      loader_form_dialog(ESTET_ROW, "readestetfile", "Data Part Loader (ESTET)", data_estet_dismissCB);
  Widget body = loader_rowcol(File_estetdata_dialog, "estbody", false);
  loader_label(body, "estcreatbylbl", "Create ESTET Parts By");
  Widget frame = XtCreateManagedWidget("estcreatbyframe", xmFrameWidgetClass, body, nullptr, 0);
  File_estetcreatby_form = loader_rowcol(frame, "estcreatbyform", false);
  Widget s = File_estetcreatby_form;
  File_estetdom_optmen = option_menu(s, "Estdomopt", "Domain", File_estetdom_menu, 3);
  File_esteteltrep_optmen = option_menu(s, "EstdElmRep", "Element\nVisual Rep.", File_esteteltrep_menu, 6);
  Widget angle = loader_rowcol(s, "estfangrow", true);
  loader_label(angle, "estfanglbl", "Feature Angle");
  File_estetfang_text = loader_text(angle, "EstFAngText", 8, 11);
  build_ranges(s);
  Widget desc = loader_rowcol(s, "estdescrow", true);
  loader_label(desc, "estdescriptlbl", "Part Descript");
  File_estetdesc_text = loader_text(desc, "estdescript", 30, PBLD_DESC_LEN - 1);
  loader_button(s, "estcreate", "Create And Load Structured Part", data_estet_creatpartCB, nullptr);
  build_iblank(s);
  loader_label(body, "DataEstetNoteLabel",
               "****NOTE****: Variables will not be loaded for\nnewly created parts until this dialog "
               "is closed.  ");
  Widget row = loader_rowcol(body, "estcloserow", true);
  loader_button(row, "estclose", "Close", data_estet_dismissCB, nullptr);
  loader_button(row, "esthelp", "Help", info_manCB, (XtPointer) "HT-Read-ESTET");
  keep_on_screen(File_estetdata_dialog);
  data_estetiblankexpand_routCB(File_estetiblank_arobut, (XtPointer)1, nullptr);
}

// ---- the part loader's hooks ------------------------------------------------------------

const Loader_dialog_widgets est_widgets = {
    &File_estetdata_dialog, &File_estetfang_text, &File_estetdesc_text, &File_estetiblankdesc_text,
    File_estetftstp_text, File_estetminmax_text,
    {nullptr, &File_estetiblankvalues_list, &File_estetiblankparent_list},
    &File_esteteltrep_optmen, File_esteteltrep_menu, &File_estetdom_optmen, File_estetdom_menu,
    data_estetfangle_sens};

static int est_exists() { return File_estetdata_dialog ? 1 : 0; }

static void est_form_sensitive(int on) {
  if (File_estetcreatby_form) XtSetSensitive(File_estetcreatby_form, on ? True : False);
}

static void est_show() {
  gen_estetread_dialog();
  if (File_estetdata_dialog) XtManageChild(File_estetdata_dialog);
}

// ---- the part loader's callbacks --------------------------------------------------------

void data_estetfangle_sens(int rep) {
  if (File_estetfang_text) XtSetSensitive(File_estetfang_text, rep == 2 ? True : False);
}

void data_estet_creatpartCB(Widget, XtPointer, XtPointer) { data_estet_creatpart(0); }
void data_estet_creatiblankpartCB(Widget, XtPointer, XtPointer) { data_estet_creatiblankpart(0); }
void data_estet_dismissCB(Widget, XtPointer, XtPointer) { data_estet_dismiss(0); }
void data_estetelemrep_chngCB(Widget, XtPointer rep, XtPointer) { data_estetfangle_sens((int)(long)rep); }

void data_estetiblankexpand_routCB(Widget, XtPointer keep, XtPointer) {
  if (File_estetiblank_arobut)
    XtarvSectExpandRout(File_estetiblank_arobut, 1, &File_estetiblankinfo_form, (int)(long)keep);
}

// ---- the Vector Builder -----------------------------------------------------------------

Widget File_estetvctbld_dialog = nullptr;
Widget File_estvb_list = nullptr;
Widget File_estvb_xcomp = nullptr;
Widget File_estvb_ycomp = nullptr;
Widget File_estvb_zcomp = nullptr;
Widget File_estvb_vctname = nullptr;
Widget File_estnewvct_list = nullptr;

void gen_estetvctbld_dialog() {
  if (File_estetvctbld_dialog || !Main_win[0]) return;
  Widget d = loader_form_dialog(VCTBLD_ROW, "estetvctbld", "ESTET Vector Builder", data_estvb_dismissCB);
  XtVaSetValues(d, XmNdialogStyle, XmDIALOG_FULL_APPLICATION_MODAL, nullptr);
  File_estetvctbld_dialog = d;
  Widget body = loader_rowcol(d, "estvbbody", false);
  loader_label(body, "estvbavaillbl", "Available Variables");
  File_estvb_list = loader_list(body, "estvbavaillist", XmEXTENDED_SELECT, 10);
  static const char *const labels[3] = {"Set X-Comp", "Set Y-Comp", "Set Z-Comp"};
  static const char *const names[3] = {"estvbsetx", "estvbsety", "estvbsetz"};
  Widget *fields[3] = {&File_estvb_xcomp, &File_estvb_ycomp, &File_estvb_zcomp};
  for (int a = 0; a < 3; a++) {
    Widget row = loader_rowcol(body, "estvbcomprow", true);
    loader_button(row, names[a], labels[a], data_estvb_setcompCB, (XtPointer)(long)(a + 1));
    *fields[a] = loader_text(row, "estvbcomp", VCTBLD_NAME_LEN, VCTBLD_NAME_LEN, false);
  }
  Widget name = loader_rowcol(body, "estvbnamerow", true);
  loader_label(name, "estvbnamelbl", "Vector Descript");
  File_estvb_vctname = loader_text(name, "estvbvctname", VCTBLD_NAME_LEN, VCTBLD_NAME_LEN);
  loader_button(body, "estvbbuild", "Build Vector", data_estvb_grpvctCB, nullptr);
  loader_label(body, "estvbnewlbl", "New Vector Variables");
  File_estnewvct_list = loader_list(body, "estvbnewlist", XmEXTENDED_SELECT, 5);
  Widget row = loader_rowcol(body, "estvbokrow", true);
  loader_button(row, "estvbokay", "Okay", data_estvb_dismissCB, nullptr);
  loader_button(row, "estvbhelp", "Help", info_manCB, (XtPointer) "HT-Read-ESTET");
  keep_on_screen(d);
}

static int vb_exists() { return File_estetvctbld_dialog ? 1 : 0; }

static void vb_set_available(const std::vector<std::string> &names) {
  if (File_estvb_list) loader_set_list(File_estvb_list, names);
}

static void vb_selected(std::vector<int> *out) { loader_selected(File_estvb_list, out); }

static void vb_set_component(int axis, const char *text) {
  Widget fields[3] = {File_estvb_xcomp, File_estvb_ycomp, File_estvb_zcomp};
  if (axis >= 0 && axis < 3) loader_put_text(fields[axis], text);
}

static void vb_get_name(std::string *out) { *out = loader_get_text(File_estvb_vctname); }
static void vb_set_name(const char *text) { loader_put_text(File_estvb_vctname, text); }

static void vb_deselect_all() {
  if (File_estvb_list) XmListDeselectAllItems(File_estvb_list);
}

static void vb_add_built(const char *name) {
  if (!File_estnewvct_list) return;
  XmString x = qvn_xmstring(name);
  XmListAddItemUnselected(File_estnewvct_list, x, 0);
  XmStringFree(x);
}

static void vb_end_wait() { dialog_ok(nullptr, nullptr, nullptr); }

static void vb_destroy() {
  Widget d = File_estetvctbld_dialog;
  if (!d) return;
  XtUnmanageChild(d);
  XtDestroyWidget(XtParent(d));
  File_estetvctbld_dialog = File_estvb_list = File_estvb_vctname = File_estnewvct_list = nullptr;
  File_estvb_xcomp = File_estvb_ycomp = File_estvb_zcomp = nullptr;
}

// The dialog read's builder: shown, filled, and waited on until closed.
static void vb_run() {
  gen_estetvctbld_dialog();
  if (!File_estetvctbld_dialog) return;
  XtManageChild(File_estetvctbld_dialog);
  data_estvb_listinit();
  dialog_modal_wait();
}

void data_estvb_setcompCB(Widget, XtPointer axis, XtPointer) { data_estvb_setcomp((int)(long)axis); }
void data_estvb_grpvctCB(Widget, XtPointer, XtPointer) { data_estvb_build(); }
void data_estvb_dismissCB(Widget, XtPointer, XtPointer) { data_estvb_dismiss(); }

void data_estet_install() {
  Generic_loader_windep_rec &w = Estet_loader_windep;
  w = Loader_dialog_hooks<est_widgets>::record();
  Estet_loader_extras = Estet_loader_extras_rec{est_exists, est_form_sensitive, est_show};
  Estet_vctbld_windep = Estet_vctbld_windep_rec{
      vb_exists,    vb_set_available, vb_selected,  vb_set_component, vb_get_name, vb_set_name,
      vb_deselect_all, vb_add_built,  vb_end_wait,  vb_destroy,       vb_run};
}
