// The PLOT3D part loader's dialog (see plot3d_dialog.h): a read section
// (the files, the four read settings, "Read Specified File"), the creation
// section (zones, domain, representation, node ranges, description) and
// the expandable "Iblanked Part Creation" section. The widgets are read
// and set only through the hooks of data/plot3d_loader.h; every callback
// hands its action to that logic.
#include "data/ui/plot3d_dialog.h"

#include <Xm/ArrowB.h>
#include <Xm/AtomMgr.h>
#include <Xm/Form.h>
#include <Xm/List.h>
#include <Xm/Protocols.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <cstdio>
#include <string>
#include <vector>

#include "data/partbuild.h"
#include "data/plot3d_loader.h"
#include "data/ui/data_windep.h"
#include "data/ui/loader_widgets.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/widgen.h"
#include "ui/widget_helpers.h"

#define PLOT3D_ROW 10      // Widgen_tbl row "Data Reader (PLOT3D)"
#define PLOT3D_SECT_ROW 6  // Sectinfo_tbl row "Plot3d Iblank Create"

Widget File_plot3ddata_dialog = nullptr;
Widget File_plot3diblankinfo_form = nullptr;
Widget File_plot3dread_geom = nullptr;
Widget File_plot3dread_rslt = nullptr;
Widget File_plot3dread_meas = nullptr;
Widget File_plot3diblank_tggl = nullptr;
Widget File_plot3ascbin_optmen = nullptr;
Widget File_plot3dmzone_tggl = nullptr;
Widget File_plot3dim_optmen = nullptr;
Widget File_plot3dread_but = nullptr;
Widget File_plot3dcreatby_form = nullptr;
Widget File_plot3dzones_list = nullptr;
Widget File_plot3ddom_optmen = nullptr;
Widget File_plot3deltrep_optmen = nullptr;
Widget File_plot3dfang_text = nullptr;
Widget File_plot3dijk_rowcol = nullptr;
Widget File_plot3dftstp_text[9];
Widget File_plot3dminmax_text[6];
Widget File_plot3ddesc_text = nullptr;
Widget File_plot3diblank_rowcol = nullptr;
Widget File_plot3diblank_arobut = nullptr;
Widget File_plot3diblankparent_list = nullptr;
Widget File_plot3diblankvalues_list = nullptr;
Widget File_plot3diblankdesc_text = nullptr;

#define OK_ROW(label, value) \
  { label, ' ', okcallback, (XtPointer)(value), XtarvPUSHBUTTON, 0, nullptr }
Menu_item_rec File_plot3ascbin_menu[3] = {OK_ROW("ASCII", 0), OK_ROW("C Binary", 1),
                                          OK_ROW("Fortran Binary", 2)};
Menu_item_rec File_plot3dim_menu[3] = {OK_ROW("1D", 0), OK_ROW("2D", 1), OK_ROW("3D", 2)};
Menu_item_rec File_plot3ddom_menu[3] = {OK_ROW("Inside", 1), OK_ROW("Outside", 0), OK_ROW("All", 2)};
#undef OK_ROW
Menu_item_rec File_plot3deltrep_menu[6] = {
    LOADER_ELEMREP_ROW("3D border, 2D full", 0, data_plot3delemrep_chngCB),
    LOADER_ELEMREP_ROW("Border", 1, data_plot3delemrep_chngCB),
    LOADER_ELEMREP_ROW("Feature Angle", 2, data_plot3delemrep_chngCB),
    LOADER_ELEMREP_ROW("Bounding Box", 5, data_plot3delemrep_chngCB),
    LOADER_ELEMREP_ROW("Full", 3, data_plot3delemrep_chngCB),
    LOADER_ELEMREP_ROW("NonVisual", 4, data_plot3delemrep_chngCB),
};

// ---- building -----------------------------------------------------------------------

static Widget toggle(Widget parent, const char *name, const char *text) {
  XmString s = qvn_xmstring(text);
  Widget_args a;
  a.set(XmNlabelString, s).font();
  Widget w = XtCreateManagedWidget(name, xmToggleButtonWidgetClass, parent, a.list(), a.count());
  XmStringFree(s);
  return w;
}

static Widget option_menu(Widget parent, const char *name, const char *label, Menu_item_rec *rows,
                          int n) {
  Widget w = XtarvCreateOptionMenu(parent, name, label, nullptr, 0, rows, n, 0);
  XtManageChild(w);
  return w;
}

// A labelled display-only file name.
static Widget file_field(Widget parent, const char *name, const char *label) {
  Widget row = loader_rowcol(parent, "Plot3dFileRow", true);
  loader_label(row, "Plot3dFileLabel", label);
  return loader_text(row, name, 30, 254, false);
}

static void build_read(Widget body) {
  loader_label(body, "Plot3dReadLabel", "Specified PLOT3D File");
  File_plot3dread_geom = file_field(body, "Plot3dGeomText", "Geometry:");
  File_plot3dread_rslt = file_field(body, "Plot3dResultText", "Result:");
  File_plot3dread_meas = file_field(body, "Plot3dMeasText", "Measured:");
  Widget row = loader_rowcol(body, "Plot3dSettingsRow", true);
  File_plot3diblank_tggl = toggle(row, "Plot3dIblankToggle", "Iblanked File");
  File_plot3ascbin_optmen = option_menu(row, "Plot3dReadAs", "Read As", File_plot3ascbin_menu, 3);
  row = loader_rowcol(body, "Plot3dSettingsRow", true);
  File_plot3dmzone_tggl = toggle(row, "Plot3dMultiZoneToggle", "Multi-Zone File");
  XtAddCallback(File_plot3dmzone_tggl, XmNvalueChangedCallback, data_plot3d_mzone_chngCB, nullptr);
  File_plot3dim_optmen = option_menu(row, "Plot3dDimension", "Dimension", File_plot3dim_menu, 3);
  File_plot3dread_but =
      loader_button(body, "Plot3dReadButton", "Read Specified File", data_setup_applyCB, (XtPointer)0);
}

static void build_ranges(Widget parent) {
  loader_label(parent, "Plot3dRangeLabel", "Using Node Ranges:");
  File_plot3dijk_rowcol = loader_rowcol(parent, "Plot3dRangeGrid", false);
  Widget head = loader_rowcol(File_plot3dijk_rowcol, "Plot3dRangeHead", true);
  for (const char *t : {" ", "From", "To", "Step", "Min", "Max"}) loader_label(head, "Plot3dColLabel", t);
  static const char *const axes[3] = {"I", "J", "K"};
  for (int a = 0; a < 3; a++) {
    Widget row = loader_rowcol(File_plot3dijk_rowcol, "Plot3dRangeRow", true);
    loader_label(row, "Plot3dRowLabel", axes[a]);
    for (int k = 0; k < 3; k++) File_plot3dftstp_text[a * 3 + k] = loader_text(row, "Plot3dFromToStepText", 6, 10);
    loader_put_text(File_plot3dftstp_text[a * 3 + 2], "     1");
    for (int k = 0; k < 2; k++)
      File_plot3dminmax_text[a * 2 + k] = loader_text(row, "Plot3dMinMaxText", 6, 10, false);
  }
}

static void build_iblank(Widget parent) {
  static const Loader_iblank_names names = {
      "Plot3dIblankRowcol", "Plot3dIblankHead", "Plot3dIblankArrowButton", "Plot3dIblankLabel",
      "Plot3dIblankInfoForm", "Plot3dIblankParentLabel", "Plot3dIblankParentList",
      "Plot3dIblankValuesLabel", "Plot3dIblankValuesList", "Plot3dIblankDescLabel",
      "Plot3dIblankDescText", "Plot3dIblankCreate", XmEXTENDED_SELECT, XmSINGLE_SELECT, 3};
  Loader_iblank_widgets w;
  loader_iblank_section(parent, names, PLOT3D_SECT_ROW, data_plot3diblankexpand_routCB,
                        data_plot3d_creatiblankpartCB, &w);
  File_plot3diblank_rowcol = w.rowcol;
  File_plot3diblank_arobut = w.arrow;
  File_plot3diblankinfo_form = w.info_form;
  File_plot3diblankparent_list = w.parent_list;
  File_plot3diblankvalues_list = w.values_list;
  File_plot3diblankdesc_text = w.desc_text;
}

static void build_creation(Widget body) {
  loader_label(body, "Plot3dCreateByLabel", "Create PLOT3D Parts By");
  File_plot3dcreatby_form = loader_rowcol(body, "Plot3dCreateByForm", false);
  Widget s = File_plot3dcreatby_form;
  loader_label(s, "Plot3dZonesLabel", "Use Zones:");
  File_plot3dzones_list = loader_list(s, "Plot3dZonesList", XmEXTENDED_SELECT, 3);
  XtAddCallback(File_plot3dzones_list, XmNextendedSelectionCallback, data_plot3d_zoneinitCB, nullptr);
  File_plot3ddom_optmen = option_menu(s, "Plot3dDomain", "Domain", File_plot3ddom_menu, 3);
  File_plot3deltrep_optmen =
      option_menu(s, "Plot3dElemRep", "Element Visual Rep.", File_plot3deltrep_menu, 6);
  Widget angle = loader_rowcol(s, "Plot3dFAngRow", true);
  loader_label(angle, "Plot3dFAngLabel", "Feature Angle");
  File_plot3dfang_text = loader_text(angle, "Plot3dFAngText", 8, 11);
  build_ranges(s);
  Widget desc = loader_rowcol(s, "Plot3dDescRow", true);
  loader_label(desc, "Plot3dDescLabel", "Part Descript");
  File_plot3ddesc_text = loader_text(desc, "Plot3dDescText", 30, PBLD_DESC_LEN - 1);
  loader_button(s, "Plot3dCreate", "Create And Load Structured Part", data_plot3d_creatpartCB, nullptr);
  build_iblank(s);
}

void gen_plot3dread_dialog() {
  if (File_plot3ddata_dialog || !Main_win[0]) return;
  Arg a[12];
  XmString title = nullptr;
  Cardinal n = widgen_apply_args(PLOT3D_ROW, a, 0, &title);
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  File_plot3ddata_dialog = XmCreateFormDialog(Main_win[0], const_cast<char *>("readplot3dfileDialog"), a, n);
  XmStringFree(title);
  XmString t = qvn_xmstring("Data Part Loader (PLOT3D)");
  XtVaSetValues(File_plot3ddata_dialog, XmNdialogTitle, t, nullptr);
  XmStringFree(t);
  Atom wm_delete = XmInternAtom(XtDisplay(Main_win[0]), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(XtParent(File_plot3ddata_dialog), wm_delete, data_plot3d_dismissCB, nullptr);
  Widget body = loader_rowcol(File_plot3ddata_dialog, "Plot3dBody", false);
  build_read(body);
  build_creation(body);
  loader_label(body, "Plot3dNoteLabel",
               "****NOTE****: Variables will not be loaded for\nnewly created parts until this dialog "
               "is closed.  ");
  Widget row = loader_rowcol(body, "Plot3dCloseRow", true);
  loader_button(row, "Plot3dClose", "Close", data_plot3d_dismissCB, nullptr);
  loader_button(row, "Plot3dHelp", "Help", info_manCB, (XtPointer) "HT-Read-PLOT3D");
  keep_on_screen(File_plot3ddata_dialog);
  data_plot3diblankexpand_routCB(File_plot3diblank_arobut, (XtPointer)1, nullptr);
}

// ---- the hooks ----------------------------------------------------------------------

const Loader_dialog_widgets p3d_widgets = {
    &File_plot3ddata_dialog, &File_plot3dfang_text, &File_plot3ddesc_text, &File_plot3diblankdesc_text,
    File_plot3dftstp_text, File_plot3dminmax_text,
    {&File_plot3dzones_list, &File_plot3diblankvalues_list, &File_plot3diblankparent_list},
    &File_plot3deltrep_optmen, File_plot3deltrep_menu, &File_plot3ddom_optmen, File_plot3ddom_menu,
    data_plot3dfangle_sens};

static void p3d_show_read(const char *geom, const char *result, const char *meas,
                          const Plot3d_read_settings_rec *s, int locked) {
  loader_put_text(File_plot3dread_geom, geom);
  loader_put_text(File_plot3dread_rslt, result);
  loader_put_text(File_plot3dread_meas, meas);
  XmToggleButtonSetState(File_plot3diblank_tggl, s->iblanked ? True : False, False);
  int row = loader_row_of(File_plot3ascbin_menu, 3, s->read_as);
  if (row >= 0) XtarvOptionMenuSetState(File_plot3ascbin_optmen, File_plot3ascbin_menu, row, 0);
  row = loader_row_of(File_plot3dim_menu, 3, s->dimension);
  if (row >= 0) XtarvOptionMenuSetState(File_plot3dim_optmen, File_plot3dim_menu, row, 0);
  XmToggleButtonSetState(File_plot3dmzone_tggl, s->multizone ? True : False, True);
  for (Widget w : {File_plot3diblank_tggl, File_plot3dmzone_tggl, File_plot3ascbin_optmen,
                   File_plot3dim_optmen, File_plot3dread_but})
    XtSetSensitive(w, locked ? False : True);
}

static void p3d_creation_sensitive(int on) { XtSetSensitive(File_plot3dcreatby_form, on ? True : False); }

static void p3d_set_zones(int n) {
  std::vector<std::string> items;
  for (int z = 1; z <= n; z++) {
    char item[16];
    snprintf(item, sizeof item, "%3d", z);
    items.push_back(item);
  }
  loader_set_list(File_plot3dzones_list, items);
  if (n == 1) XmListSelectPos(File_plot3dzones_list, 1, False);
  XtSetSensitive(File_plot3dzones_list, n == 1 ? False : True);
}

static void p3d_ijk_sensitive(int grid, int from_to) {
  XtSetSensitive(File_plot3dijk_rowcol, grid ? True : False);
  for (int a = 0; a < 3; a++)
    for (int k = 0; k < 2; k++) XtSetSensitive(File_plot3dftstp_text[a * 3 + k], from_to ? True : False);
}

void data_plot3d_install() {
  Generic_loader_windep_rec &w = Plot3d_loader_windep;
  w = Loader_dialog_hooks<p3d_widgets>::record();
  Plot3d_read_windep = Plot3d_read_windep_rec{p3d_show_read, p3d_creation_sensitive, p3d_set_zones,
                                              p3d_ijk_sensitive};
}

int data_plot3d_read_controls(Plot3d_read_settings_rec *out) {
  if (!File_plot3ddata_dialog) return -1;
  out->iblanked = XmToggleButtonGetState(File_plot3diblank_tggl) ? 1 : 0;
  out->multizone = XmToggleButtonGetState(File_plot3dmzone_tggl) ? 1 : 0;
  out->read_as = loader_shown_value(File_plot3ascbin_optmen, File_plot3ascbin_menu, 1);
  out->dimension = loader_shown_value(File_plot3dim_optmen, File_plot3dim_menu, 2);
  return 0;
}

// ---- callbacks ------------------------------------------------------------------------

void data_plot3dfangle_sens(int rep) {
  if (File_plot3dfang_text) XtSetSensitive(File_plot3dfang_text, rep == 2 ? True : False);
}

void data_plot3dpartc_initCB(Widget, XtPointer flag, XtPointer) { data_plot3dpartc_init((int)(long)flag); }
void data_plot3delemrep_chngCB(Widget, XtPointer rep, XtPointer) { data_plot3dfangle_sens((int)(long)rep); }
void data_plot3d_zoneinitCB(Widget, XtPointer, XtPointer) { data_plot3d_zoneinit(); }
void data_plot3d_mzone_chngCB(Widget, XtPointer, XtPointer) {}
void data_plot3d_creatpartCB(Widget, XtPointer, XtPointer) { data_plot3d_creatpart(0); }
void data_plot3d_creatiblankpartCB(Widget, XtPointer, XtPointer) { data_plot3d_creatiblankpart(0); }
void data_plot3d_dismissCB(Widget, XtPointer, XtPointer) { data_plot3d_dismiss(0); }

void data_plot3diblankexpand_routCB(Widget, XtPointer keep, XtPointer) {
  if (File_plot3diblank_arobut)
    XtarvSectExpandRout(File_plot3diblank_arobut, 1, &File_plot3diblankinfo_form, (int)(long)keep);
}
