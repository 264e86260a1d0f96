// The generic part loader's dialog, "DataGenericDialog": its widgets, the
// hooks through which the loader logic (data/generic_loader.cpp) reads and
// sets them, and callbacks that hand each action to that logic. Built once
// on first use by gen_genericread_dialog, then only shown and hidden.
#include <Xm/ArrowB.h>
#include <Xm/AtomMgr.h>
#include <Xm/Form.h>
#include <Xm/Label.h>
#include <Xm/List.h>
#include <Xm/Protocols.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>
#include <Xm/ToggleB.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "data/generic_loader.h"
#include "data/partbuild.h"
#include "data/ui/data_windep.h"
#include "data/ui/estet_dialog.h"
#include "data/ui/loader_widgets.h"
#include "data/ui/plot3d_dialog.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/menus.h"
#include "ui/widgen.h"
#include "ui/widget_helpers.h"

#define GENERIC_ROW 5      // Widgen_tbl row "Data Reader"
#define GENERIC_SECT_ROW 7 // Sectinfo_tbl row "Generic Iblank Create"

Widget Data_generic_unstruct_tggl = nullptr;
Widget Data_generic_struct_tggl = nullptr;
Widget Data_generic_part_list = nullptr;
Widget Data_generic_elmrep_optmen = nullptr;
Widget Data_generic_domain_optmen = nullptr;
Widget Data_generic_unstruct_form = nullptr;
Widget Data_generic_struct_form = nullptr;
Widget Data_generic_iblank_arrow = nullptr;
Widget Data_generic_iblankparent_list = nullptr;
Widget Data_generic_iblankvalues_list = nullptr;
Widget Data_generic_unst_help = nullptr;
Widget Data_generic_st_help = nullptr;
Widget Data_generic_fields[GEN_FIELDS];

Menu_item_rec Data_generic_elmrep_menu[6] = {
    {"3D border, 2D full", ' ', data_genericelemrep_chngCB, (XtPointer)0, XtarvPUSHBUTTON, 0, nullptr},
    {"Border", ' ', data_genericelemrep_chngCB, (XtPointer)1, XtarvPUSHBUTTON, 0, nullptr},
    {"Feature Angle", ' ', data_genericelemrep_chngCB, (XtPointer)2, XtarvPUSHBUTTON, 0, nullptr},
    {"Bounding Box", ' ', data_genericelemrep_chngCB, (XtPointer)5, XtarvPUSHBUTTON, 0, nullptr},
    {"Full", ' ', data_genericelemrep_chngCB, (XtPointer)3, XtarvPUSHBUTTON, 0, nullptr},
    {"NonVisual", ' ', data_genericelemrep_chngCB, (XtPointer)4, XtarvPUSHBUTTON, 0, nullptr},
};
Menu_item_rec Data_generic_domain_menu[3] = {
    {"Inside", ' ', nullptr, (XtPointer)1, XtarvPUSHBUTTON, 0, nullptr},
    {"Outside", ' ', nullptr, (XtPointer)0, XtarvPUSHBUTTON, 0, nullptr},
    {"All", ' ', nullptr, (XtPointer)2, XtarvPUSHBUTTON, 0, nullptr},
};

// ---- building -----------------------------------------------------------------------

static Widget toggle(Widget parent, const char *name, const char *text, XtPointer client) {
  XmString s = qvn_xmstring(text);
  Widget_args a;
  a.set(XmNlabelString, s).set(XmNindicatorType, XmONE_OF_MANY).font();
  Widget w = XtCreateManagedWidget(name, xmToggleButtonWidgetClass, parent, a.list(), a.count());
  XmStringFree(s);
  XtAddCallback(w, XmNvalueChangedCallback, data_genericsect_swapCB, client);
  return w;
}

static Widget help_button(Widget parent) {
  return loader_button(parent, "Help", "Help", info_manCB, (XtPointer) "HT-Read-Q6");
}

// The close and help row under a section, with its note above.
static Widget closing_rows(Widget parent, const char *note, const char *close_name) {
  loader_label(parent, "DataGenericNoteLabel", note);
  Widget row = loader_rowcol(parent, "DataGenericCloseRow", true);
  loader_button(row, close_name, "Close", data_generic_dismissCB, nullptr);
  return row;
}

static void build_unstructured(Widget parent) {
  Data_generic_unstruct_form = loader_rowcol(parent, "DataGenericUnstructForm", false);
  Widget desc = loader_rowcol(Data_generic_unstruct_form, "DataGenericDescRow", true);
  loader_label(desc, "DataGenericDescLabel", "New Part\nDescription");
  Data_generic_fields[GEN_DESC] = loader_text(desc, "DataGenericDescText", 30, PBLD_DESC_LEN - 1);
  Widget row = closing_rows(Data_generic_unstruct_form,
                            "NOTE: Variables will not be loaded for newly\ncreated parts until "
                            "this dialog is closed.  ",
                            "DataGenericUnstClose");
  loader_button(row, "DataGenericLoadSelected", "  Load Selected  ", data_generic_creatpartCB, (XtPointer)0);
  loader_button(row, "DataGenericLoadAll", "  Load All  ", data_generic_creatpartCB, (XtPointer)1);
  Data_generic_unst_help = help_button(row);
}

static void build_ranges(Widget parent) {
  static const Loader_range_names names = {
      "DataGenericRangeLabel", "DataGenericRangeGrid", "DataGenericRangeHead", "DataGenericColLabel",
      "DataGenericRangeRow",   "DataGenericRowLabel",  "DataGenericStFromToText",
      "DataGenericStIJKMinMaxText"};
  loader_range_grid(parent, names, &Data_generic_fields[GEN_RANGE], &Data_generic_fields[GEN_MINMAX]);
  for (int k = 0; k < 9; k++) loader_put_text(Data_generic_fields[GEN_RANGE + k], "     1");
}

static void build_iblank(Widget parent) {
  static const Loader_iblank_names names = {
      "DataGenericIblankRowcol", "DataGenericIblankHead", "DataGenericIblankArrowButton",
      "DataGenericIblankLabel", "DataGenericIblankInfoForm", "DataGenericIblankParentLabel",
      "DataGenericStIblankParentList", "DataGenericIblankValuesLabel", "DataGenericStIblankValuesList",
      "DataGenericIblankDescLabel", "DataGenericStIblankPartDescText", "DataGenericIblankCreate",
      XmMULTIPLE_SELECT, XmBROWSE_SELECT, 4};
  Loader_iblank_widgets w;
  loader_iblank_section(parent, names, GENERIC_SECT_ROW, data_genericiblankexpand_routCB,
                        data_generic_creatiblankpartCB, &w);
  Data_generic_iblank_arrow = w.arrow;
  File_genericiblankinfo_form = w.info_form;
  Data_generic_iblankparent_list = w.parent_list;
  Data_generic_iblankvalues_list = w.values_list;
  Data_generic_fields[GEN_IBLANK_DESC] = w.desc_text;
}

static void build_structured(Widget parent) {
  Data_generic_struct_form = XtCreateWidget("DataGenericStructForm", xmRowColumnWidgetClass, parent,
                                            nullptr, 0);
  Widget s = Data_generic_struct_form;
  Data_generic_domain_optmen =
      XtarvCreateOptionMenu(s, "DataGenericStDomain", "Domain", nullptr, 0, Data_generic_domain_menu, 3, 0);
  XtManageChild(Data_generic_domain_optmen);
  build_ranges(s);
  loader_label(s, "DataGenericStDescLabel", "Structured Part Description");
  Data_generic_fields[GEN_ST_DESC] = loader_text(s, "DataGenericStPartDescText", 30, PBLD_DESC_LEN - 1);
  loader_button(s, "DataGenericStCreate", "Create And Load Structured Part", data_generic_creatpartCB,
         (XtPointer)0);
  build_iblank(s);
  Widget row = closing_rows(s,
                            "****NOTE****: Variables will not be loaded for\nnewly created parts "
                            "until this dialog is closed.  ",
                            "DataGenericStClose");
  Data_generic_st_help = help_button(row);
}

void gen_genericread_dialog() {
  if (File_genericdata_dialog || !Main_win[0]) return;
  File_genericdata_dialog =
      loader_form_dialog(GENERIC_ROW, "DataGenericDialog", nullptr, data_generic_dismissCB);
  Widget body = loader_rowcol(File_genericdata_dialog, "DataGenericBody", false);
  Widget kinds = loader_rowcol(body, "DataGenericKindRow", true);
  Data_generic_unstruct_tggl = toggle(kinds, "DataGenericUnstruct", "Unstructured Data", (XtPointer)0);
  Data_generic_struct_tggl = toggle(kinds, "DataGenericStructToggle", "Structured Data", (XtPointer)1);
  XmToggleButtonSetState(Data_generic_unstruct_tggl, True, False);
  loader_label(body, "DataGenericPartLabel", "Parts List");
  Data_generic_part_list = loader_list(body, "DataGenericPartList", XmMULTIPLE_SELECT, 8);
  XtAddCallback(Data_generic_part_list, XmNmultipleSelectionCallback, data_generic_zoneinitCB, nullptr);
  Data_generic_elmrep_optmen = XtarvCreateOptionMenu(body, "DataGenericElmRep", "Element Visual Rep.",
                                                     nullptr, 0, Data_generic_elmrep_menu, 6, 0);
  XtManageChild(Data_generic_elmrep_optmen);
  Widget angle = loader_rowcol(body, "DataGenericFAngRow", true);
  loader_label(angle, "DataGenericFAngLabel", "Feature Angle");
  Data_generic_fields[GEN_FANGLE] = loader_text(angle, "DataGenericFAngText", 8, 11);
  build_unstructured(body);
  build_structured(body);
  keep_on_screen(File_genericdata_dialog);
  data_genericiblankexpand_routCB(Data_generic_iblank_arrow, (XtPointer)1, nullptr);
}

// ---- the hooks ----------------------------------------------------------------------

static int generic_shown() {
  return File_genericdata_dialog && XtIsManaged(File_genericdata_dialog) ? 1 : 0;
}

static int generic_structured() {
  return Data_generic_unstruct_tggl && !XmToggleButtonGetState(Data_generic_unstruct_tggl) ? 1 : 0;
}

static void generic_show_kind(int structured) {
  XmToggleButtonSetState(Data_generic_unstruct_tggl, structured ? False : True, False);
  XmToggleButtonSetState(Data_generic_struct_tggl, structured ? True : False, False);
  XtManageChild(structured ? Data_generic_struct_form : Data_generic_unstruct_form);
  XtUnmanageChild(structured ? Data_generic_unstruct_form : Data_generic_struct_form);
}

static void generic_set_parts(const std::vector<std::string> &items) {
  loader_set_list(Data_generic_part_list, items);
}

static void generic_selected(int which, std::vector<int> *out) {
  Widget lists[3] = {Data_generic_part_list, Data_generic_iblankvalues_list,
                     Data_generic_iblankparent_list};
  out->clear();
  if (which >= 0 && which <= 2) loader_selected(lists[which], out);
}

static void generic_set_elemrep(int rep) {
  int row = loader_row_of(Data_generic_elmrep_menu, 6, rep);
  if (row >= 0) XtarvOptionMenuSetState(Data_generic_elmrep_optmen, Data_generic_elmrep_menu, row, 1);
}

static int generic_elemrep() { return loader_shown_value(Data_generic_elmrep_optmen, Data_generic_elmrep_menu, 0); }

static void generic_get_text(int f, std::string *out) {
  *out = f >= 0 && f < GEN_FIELDS ? loader_get_text(Data_generic_fields[f]) : std::string();
}

static void generic_set_text(int f, const char *t) {
  if (f >= 0 && f < GEN_FIELDS) loader_put_text(Data_generic_fields[f], t);
}

static void generic_range_sensitive(int on) {
  for (int a = 0; a < 3; a++)
    for (int k = 0; k < 2; k++) XtSetSensitive(Data_generic_fields[GEN_RANGE + a * 3 + k], on ? True : False);
}

static int generic_domain() { return loader_shown_value(Data_generic_domain_optmen, Data_generic_domain_menu, 1); }

static void generic_domain_rows(int inside, int outside, int shown) {
  loader_domain_rows(Data_generic_domain_optmen, Data_generic_domain_menu, inside, outside, shown);
}

static void generic_hide() {
  if (File_genericdata_dialog) XtUnmanageChild(File_genericdata_dialog);
}

// The iblank lists of the loaders by type code; a loader's dialog that is
// not built holds none.
static Widget *iblank_list(int loader, int which) {
  if (which < 0 || which > 1) return nullptr;
  if (loader == LOADER_GENERIC)
    return which == 0 ? &Data_generic_iblankvalues_list : &Data_generic_iblankparent_list;
  // PLOT3D iblank lists
  if (loader == LOADER_PLOT3D)
    return which == 0 ? &File_plot3diblankvalues_list : &File_plot3diblankparent_list;
  if (loader == LOADER_ESTET)
    return which == 0 ? &File_estetiblankvalues_list : &File_estetiblankparent_list;
  return nullptr;
}

static int iblank_list_exists(int loader, int which) {
  Widget *w = iblank_list(loader, which);
  return w && *w ? 1 : 0;
}

static void iblank_list_set(int loader, int which, const std::vector<std::string> &items) {
  Widget *w = iblank_list(loader, which);
  if (w && *w) loader_set_list(*w, items);
}

void data_generic_install() {
  Generic_loader_windep = Generic_loader_windep_rec{
      generic_shown,       generic_structured, generic_show_kind,      generic_set_parts,
      generic_selected,    generic_set_elemrep, generic_elemrep,       generic_get_text,
      generic_set_text,    generic_range_sensitive, generic_domain,    generic_domain_rows,
      generic_hide};
  Data_iblank_list_exists = iblank_list_exists;
  Data_iblank_list_set = iblank_list_set;
}

// ---- callbacks ------------------------------------------------------------------------

void data_genericsect_swapCB(Widget w, XtPointer client, XtPointer call) {
  auto *cbs = static_cast<XmToggleButtonCallbackStruct *>(call);
  if (cbs && !cbs->set) {
    XmToggleButtonSetState(w, True, False);  // one toggle stays set
    return;
  }
  generic_show_kind((int)(long)client);
  data_genericpartc_init(0);
}

void data_generic_zoneinitCB(Widget, XtPointer, XtPointer) { data_generic_zoneinit(); }

void data_genericfangle_sens(int rep) {
  if (Data_generic_fields[GEN_FANGLE]) XtSetSensitive(Data_generic_fields[GEN_FANGLE], rep == 2 ? True : False);
}

void data_genericelemrep_chngCB(Widget, XtPointer rep, XtPointer) { data_genericfangle_sens((int)(long)rep); }

void data_generic_creatpartCB(Widget, XtPointer load_all, XtPointer) {
  data_generic_creatpart((int)(long)load_all, 0);
}

void data_generic_creatiblankpartCB(Widget, XtPointer, XtPointer) { data_generic_creatiblankpart(0); }

void data_generic_dismissCB(Widget, XtPointer, XtPointer) { data_generic_dismiss(0); }

void data_genericiblankexpand_routCB(Widget, XtPointer keep, XtPointer) {
  if (Data_generic_iblank_arrow)
    XtarvSectExpandRout(Data_generic_iblank_arrow, 1, &File_genericiblankinfo_form, (int)(long)keep);
}

void data_generic_help_topics(int format) {
  if (!Data_generic_unst_help) return;
  XtRemoveAllCallbacks(Data_generic_unst_help, XmNactivateCallback);
  XtRemoveAllCallbacks(Data_generic_st_help, XmNactivateCallback);
  if (format == 10)
    XtAddCallback(Data_generic_unst_help, XmNactivateCallback, info_manCB, (XtPointer) "HT-Read-Q6");
  else
    XtAddCallback(Data_generic_st_help, XmNactivateCallback, info_manCB,
                  (XtPointer)(format == 0 ? "HT-Read-Q5" : "HT-Read-Q6"));
}
