// The N3S part loader's dialog (see n3s_dialog.h), built once on first use
// and afterwards only shown and hidden.
#include "data/ui/n3s_dialog.h"

#include <Xm/Frame.h>
#include <Xm/List.h>
#include <Xm/RowColumn.h>
#include <Xm/ToggleB.h>

#include <string>
#include <vector>

#include "data/n3s_loader.h"
#include "data/partbuild.h"
#include "data/ui/data_windep.h"
#include "data/ui/loader_widgets.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/widget_helpers.h"

#define N3S_ROW 7  // Widgen_tbl row "Data Reader (N3S)"

Widget File_n3sdata_dialog = nullptr;
Widget File_n3screatby_form = nullptr;
Widget File_n3sallelm_tggl = nullptr;
Widget File_n3scolnum_tggl = nullptr;
Widget File_n3sbndinf_tggl = nullptr;
Widget File_n3scol_list = nullptr;
Widget File_n3sbndcond_list = nullptr;
Widget File_n3sbndcode_list = nullptr;
Widget File_ns3desc_text = nullptr;

static Widget toggle(Widget parent, const char *name, const char *text) {
  XmString s = qvn_xmstring(text);
  Widget_args a;
  a.set(XmNlabelString, s).set(XmNindicatorType, XmONE_OF_MANY).font();
  Widget w = XtCreateManagedWidget(name, xmToggleButtonWidgetClass, parent, a.list(), a.count());
  XmStringFree(s);
  XtAddCallback(w, XmNvalueChangedCallback, data_n3spart_chgtypeCB, nullptr);
  return w;
}

void gen_n3sread_dialog() {
  if (File_n3sdata_dialog || !Main_win[0]) return;
  File_n3sdata_dialog = loader_form_dialog(N3S_ROW, "readn3sfile", "Data Part Loader (N3S)", data_n3s_dismissCB);
  Widget body = loader_rowcol(File_n3sdata_dialog, "n3sbody", false);
  loader_label(body, "n3screatbylbl", "Create N3S Parts By");
  Widget frame = XtCreateManagedWidget("n3screatbyframe", xmFrameWidgetClass, body, nullptr, 0);
  File_n3screatby_form = loader_rowcol(frame, "n3screatbyform", false);
  Widget s = File_n3screatby_form;
  File_n3sallelm_tggl = toggle(s, "n3sallelmtggl", "All Elements");
  XmToggleButtonSetState(File_n3sallelm_tggl, True, False);
  Widget colours = loader_rowcol(s, "n3scolrow", true);
  File_n3scolnum_tggl = toggle(colours, "n3scolnumtggl", "Color Number");
  File_n3scol_list = loader_list(colours, "n3fcollist", XmSINGLE_SELECT, 4);
  File_n3sbndinf_tggl = toggle(s, "n3sbndinftggl", "Boundary Information");
  Widget bound = loader_rowcol(s, "n3sbndrow", true);
  Widget cond = loader_rowcol(bound, "n3scondcol", false);
  loader_label(cond, "n3scondlbl", "Condition");
  File_n3sbndcond_list = loader_list(cond, "n3fbndcondlist", XmSINGLE_SELECT, 4);
  XtAddCallback(File_n3sbndcond_list, XmNsingleSelectionCallback, data_n3sboundcode_initCB, nullptr);
  Widget code = loader_rowcol(bound, "n3scodecol", false);
  loader_label(code, "n3scodelbl", "Code");
  File_n3sbndcode_list = loader_list(code, "n3fbndcodelist", XmMULTIPLE_SELECT, 4);
  Widget desc = loader_rowcol(s, "n3sdescrow", true);
  loader_label(desc, "n3sdescriptlbl", "Part Descript");
  File_ns3desc_text = loader_text(desc, "n3sdescript", 30, PBLD_DESC_LEN - 1);
  loader_label(s, "DataN3sNoteLabel",
               "NOTE: Variables will not be loaded for newly\ncreated parts until this dialog is closed.  ");
  loader_button(s, "n3screate", "Create And Load Part", data_n3s_creatpartCB, (XtPointer)0);
  Widget row = loader_rowcol(body, "n3scloserow", true);
  loader_button(row, "n3sclose", "Close", data_n3s_dismissCB, nullptr);
  loader_button(row, "n3shelp", "Help", info_manCB, (XtPointer) "HT-Read-N3S");
  data_n3s_lists_sens();
  keep_on_screen(File_n3sdata_dialog);
}

// ---- the hooks ----------------------------------------------------------------------

static Widget list_of(int which) {
  if (which == N3S_LIST_COLORS) return File_n3scol_list;
  if (which == N3S_LIST_CONDITIONS) return File_n3sbndcond_list;
  if (which == N3S_LIST_CODES) return File_n3sbndcode_list;
  return nullptr;
}

static int n3s_shown() { return File_n3sdata_dialog && XtIsManaged(File_n3sdata_dialog) ? 1 : 0; }

static void n3s_form_sensitive(int on) {
  if (File_n3screatby_form) XtSetSensitive(File_n3screatby_form, on ? True : False);
}

static int n3s_criterion() {
  if (File_n3scolnum_tggl && XmToggleButtonGetState(File_n3scolnum_tggl)) return N3S_COLOR;
  if (File_n3sbndinf_tggl && XmToggleButtonGetState(File_n3sbndinf_tggl)) return N3S_BOUNDARY;
  return N3S_ALL;
}

static void n3s_set_list(int which, const std::vector<std::string> &items) {
  if (Widget w = list_of(which)) loader_set_list(w, items);
}

// Sensitivity belongs to the lists' scrolled windows.
static void n3s_lists_sensitive(int colours, int boundary) {
  if (!File_n3scol_list) return;
  XtSetSensitive(XtParent(File_n3scol_list), colours ? True : False);
  XtSetSensitive(XtParent(File_n3sbndcond_list), boundary ? True : False);
  XtSetSensitive(XtParent(File_n3sbndcode_list), boundary ? True : False);
}

static void n3s_select_condition(int position) {
  if (File_n3sbndcond_list) XmListSelectPos(File_n3sbndcond_list, position, True);
}

static void n3s_selected(int which, std::vector<int> *out) { loader_selected(list_of(which), out); }
static void n3s_get_desc(std::string *out) { *out = loader_get_text(File_ns3desc_text); }
static void n3s_set_desc(const char *text) { loader_put_text(File_ns3desc_text, text); }

static void n3s_hide() {
  if (File_n3sdata_dialog) XtUnmanageChild(File_n3sdata_dialog);
}

static void n3s_show() {
  gen_n3sread_dialog();
  if (File_n3sdata_dialog) XtManageChild(File_n3sdata_dialog);
}

void data_n3s_install() {
  N3s_loader_windep = N3s_loader_windep_rec{n3s_shown,    n3s_form_sensitive, n3s_criterion,
                                            n3s_set_list, n3s_lists_sensitive, n3s_select_condition,
                                            n3s_selected, n3s_get_desc,        n3s_set_desc,
                                            n3s_hide,     n3s_show};
}

// ---- callbacks ------------------------------------------------------------------------

void data_n3s_creatpartCB(Widget, XtPointer flag, XtPointer) { data_n3s_creatpart((int)(long)flag); }
void data_n3s_dismissCB(Widget, XtPointer, XtPointer) { data_n3s_dismiss(0); }

// The three toggles act as one-of-three buttons that cannot all be cleared.
void data_n3spart_chgtypeCB(Widget w, XtPointer, XtPointer call) {
  auto *cbs = static_cast<XmToggleButtonCallbackStruct *>(call);
  if (cbs && !cbs->set) {
    XmToggleButtonSetState(w, True, False);
    return;
  }
  for (Widget t : {File_n3sallelm_tggl, File_n3scolnum_tggl, File_n3sbndinf_tggl})
    if (t != w) XmToggleButtonSetState(t, False, False);
  data_n3s_lists_sens();
}

void data_n3sboundcode_initCB(Widget, XtPointer, XtPointer call) {
  auto *cbs = static_cast<XmListCallbackStruct *>(call);
  if (cbs) data_n3sboundcode_init(cbs->item_position);
}
