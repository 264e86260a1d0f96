// Legend visibility dialog (see legend_visibility.h).  Owns the dialog,
// its list and the row-to-legend array; the legends themselves belong to
// the palettes (palette_attributes) and the variables to the variable
// table.
#include "ui/legend_visibility.h"

#include <Xm/Form.h>
#include <Xm/LabelG.h>
#include <Xm/List.h>
#include <Xm/ToggleBG.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "client/cases.h"
#include "client/command_dlog.h"
#include "palette/annot_legend.h"
#include "palette/palette_attr.h"
#include "ui/feature_icons.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/message_window.h"
#include "ui/textc_windep.h"
#include "ui/widgen.h"
#include "ui/widget_helpers.h"
#include "variables/var_table.h"
#include "variables/variables_dlog.h"
#include "variables/ui/variables_windep.h"
#include "variables/variables.h"
#include "view/viewports.h"
#include "view/ui/viewport_panel.h"

Widget Main_showlgndcmpnts_dialog = nullptr;
Widget Main_showlgndvar_list = nullptr;
Widget Main_showlgndvert_scrollbar = nullptr;
Widget Main_legendcomp_tggl = nullptr;
int *Main_legendvis_listids = nullptr;
int Main_legendvis_listcnt = 0;
int Main_legendvis_listalloc = 0;

#define LEGEND_DIALOG_ROW 16  // Widgen_tbl row of "Legend Visibility"
#define VAR_CONSTANT (-1)
#define VAR_VECTOR 1
#define VAR_TENSOR 4
#define VAR_COMPLEX_VECTOR 6

static const char Note_text[] =
    "***Note: To edit legend values and type, select    \n"
    "         Edit->Variables Editor in the main menubar.\n"
    "***Note: To edit legend position and style, select\n"
    "         Anno mode on the left of the graphics window.";

// ---- callbacks -------------------------------------------------------------------

void main_showlegendCB(Widget, XtPointer, XtPointer) {
  if (!Main_showlgndcmpnts_dialog) gen_main_showlgnd_prompt();
  if (!Main_showlgndcmpnts_dialog) return;
  main_showlegend_init();
  main_legend_setscrollbarpos();
  XtManageChild(Main_showlgndcmpnts_dialog);
}

void main_closelegendCB(Widget, XtPointer, XtPointer) {
  if (Main_showlgndcmpnts_dialog) XtUnmanageChild(Main_showlgndcmpnts_dialog);
}

void main_legendshowcomp_chngCB(Widget, XtPointer, XtPointer) { main_showlegend_init(); }

void main_legendall_offCB(Widget, XtPointer, XtPointer) {
  main_alllegends_off();
  main_showlegend_init();
}

void main_legendvisibilityCB(Widget, XtPointer, XtPointer) {
  int *positions = nullptr, count = 0;
  if (!Main_showlgndvar_list || !XmListGetSelectedPos(Main_showlgndvar_list, &positions, &count) ||
      count < 1) {
    disperr("Please select the legend you wish to modify.");
    return;
  }
  main_showlegend(count, positions);
  XtFree(reinterpret_cast<char *>(positions));
}

// ---- building ----------------------------------------------------------------------

// A label or toggle gadget named name with text and the resources in a, managed.
static Widget labelled(Widget (*create)(Widget, String, ArgList, Cardinal), Widget parent,
                       const char *name, const char *text, Widget_args a) {
  XmString s = qvn_xmstring(text);
  a.set(XmNlabelString, s).font();
  Widget w = create(parent, const_cast<char *>(name), a.list(), a.count());
  XmStringFree(s);
  XtManageChild(w);
  return w;
}

void gen_main_showlgnd_prompt() {
  const Widgen_rec &row = Widgen_tbl[LEGEND_DIALOG_ROW];
  int x = row.x, y = row.y;
  if (row.x == -1) {
    Position px = 0, py = 0;
    place_near_pointer(Main_win[0], 1, 15 * Menu_font_width, 24 * Menu_font_size, PLACE_CLAMP,
                       PLACE_CLAMP, &px, &py);
    x = px;
    y = py;
  }
  Arg a[16];
  Cardinal n = 0;
  XmString title = qvn_xmstring(row.title);
  XtSetArg(a[n], XmNdialogTitle, title); n++;
  XtSetArg(a[n], XmNx, x); n++;
  XtSetArg(a[n], XmNy, y); n++;
  if (row.width == -1) {
    XtSetArg(a[n], XmNheight, 20 * Menu_font_size); n++;
  } else {
    XtSetArg(a[n], XmNwidth, row.width); n++;
    XtSetArg(a[n], XmNheight, row.height); n++;
  }
  XtSetArg(a[n], XmNdefaultPosition, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  Widget d = XmCreateFormDialog(Main_win[0], const_cast<char *>("LgndCmpntsDialog"), a, n);
  XmStringFree(title);
  add_wm_close_callback(d, main_closelegendCB);

  Widget_args ca;
  ca.attach(XmNbottomAttachment, XmATTACH_FORM, nullptr, nullptr, XmNbottomOffset, 1);
  ca.attach(XmNleftAttachment, XmATTACH_FORM, nullptr, nullptr, XmNleftOffset, 10).font();
  Widget close = add_button(d, "Close", main_closelegendCB, nullptr, ca.list(), ca.count());
  dialog_keys(d, nullptr, close);
  keep_on_screen(d);

  Widget_args na;
  na.attach(XmNbottomAttachment, XmATTACH_WIDGET, XmNbottomWidget, close);
  na.attach(XmNleftAttachment, XmATTACH_FORM);
  na.set(XmNrecomputeSize, False).set(XmNalignment, XmALIGNMENT_BEGINNING);
  Widget note_lbl = labelled(XmCreateLabelGadget, d, "LgndNoteLabel", Note_text, na);

  Widget_args ha;
  ha.attach(XmNtopAttachment, XmATTACH_FORM).attach(XmNleftAttachment, XmATTACH_FORM);
  Widget head_lbl = labelled(XmCreateLabelGadget, d, "LgndCmpntsVarLabel",
                             "Select Below To Change Legend Visibility.", ha);

  Widget_args ta;
  ta.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, head_lbl);
  ta.attach(XmNrightAttachment, XmATTACH_FORM, nullptr, nullptr, XmNrightOffset, 5);
  ta.set(XmNindicatorType, XmN_OF_MANY).set(XmNmarginWidth, 0).set(XmNmarginHeight, 0);
  Main_legendcomp_tggl = labelled(XmCreateToggleButtonGadget, d, "LgndCmpntsShowCompToggle",
                                  "Show Components", ta);
  XtAddCallback(Main_legendcomp_tggl, XmNvalueChangedCallback, main_legendshowcomp_chngCB, nullptr);

  Widget_args oa;
  oa.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, Main_legendcomp_tggl, XmNtopOffset,
            2 * Menu_font_size);
  oa.attach(XmNleftAttachment, XmATTACH_OPPOSITE_WIDGET, XmNleftWidget, Main_legendcomp_tggl);
  oa.attach(XmNrightAttachment, XmATTACH_OPPOSITE_WIDGET, XmNrightWidget, Main_legendcomp_tggl);
  oa.font();
  add_button(d, "All Off", main_legendall_offCB, nullptr, oa.list(), oa.count());

  Widget_args la;
  la.attach(XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget, head_lbl);
  la.attach(XmNleftAttachment, XmATTACH_FORM);
  la.attach(XmNrightAttachment, XmATTACH_WIDGET, XmNrightWidget, Main_legendcomp_tggl,
            XmNrightOffset, 5);
  la.attach(XmNbottomAttachment, XmATTACH_WIDGET, XmNbottomWidget, note_lbl);
  la.set(XmNselectionPolicy, XmEXTENDED_SELECT).font();
  Main_showlgndvar_list =
      XmCreateScrolledList(d, const_cast<char *>("LgndCmpntsVarList"), la.list(), la.count());
  XtAddCallback(Main_showlgndvar_list, XmNdefaultActionCallback, main_legendvisibilityCB, nullptr);
  XtAddCallback(Main_showlgndvar_list, XmNextendedSelectionCallback, main_legendvisibilityCB,
                nullptr);
  XtVaGetValues(XtParent(Main_showlgndvar_list), XmNverticalScrollBar,
                &Main_showlgndvert_scrollbar, nullptr);
  XtManageChild(Main_showlgndvar_list);
  Main_showlgndcmpnts_dialog = d;
}

// ---- the list ------------------------------------------------------------------------

// Whether the legend of (palette, component) is shown.
static int legend_visible(int palette, int component) {
  float settings[LGND_SETTINGS] = {0};
  if (palette_attributes(palette, component, settings, nullptr, nullptr, 0) < 0) return 0;
  return settings[0] != 0.0f;
}

static int grow_listids(int need) {
  if (need <= Main_legendvis_listalloc) return 1;
  if (!Main_legendvis_listids) {
    Main_legendvis_listids = static_cast<int *>(malloc(sizeof(int) * need));
    if (!Main_legendvis_listids) {
      fprintf(stderr, "main_showlegend_init: line 694 of main_intf.c\n");
      fprintf(stderr, "main_showlegend_init: Memory allocation failed.\n");
      return -1;
    }
  } else {
    void *p = realloc(Main_legendvis_listids, sizeof(int) * need);
    if (!p) {
      fprintf(stderr, "main_showlegend_init: line 700 of main_intf.c\n");
      fprintf(stderr, "D1REALLOC:  Memory reallocation failed.\n");
      fprintf(stderr, "%s: Memory(d1realloc) allocation failed.\n", "main_showlegend_init");
      return -1;
    }
    Main_legendvis_listids = static_cast<int *>(p);
  }
  Main_legendvis_listalloc = need;
  return 1;
}

static void add_row(const char *text, int entry) {
  XmString s = qvn_xmstring(text);
  XmListAddItemUnselected(Main_showlgndvar_list, s, 0);
  XmStringFree(s);
  Main_legendvis_listids[Main_legendvis_listcnt++] = entry;
}

int main_showlegend_init() {
  if (!Main_showlgndvar_list) return 0;
  int top = 1;
  XtVaGetValues(Main_showlgndvar_list, XmNtopItemPosition, &top, nullptr);
  const int comps = Main_legendcomp_tggl && XmToggleButtonGadgetGetState(Main_legendcomp_tggl);
  XmListDeleteAllItems(Main_showlgndvar_list);
  Main_legendvis_listcnt = 0;
  if (Var_avail_cnt < 1) return 1;
  if (grow_listids(4 * Var_avail_cnt) < 0) {
    disperr("Memory allocation failed for legend lists.");
    return -1;
  }
  for (int i = 0; i < Var_avail_cnt; i++) {
    char name[VAR_NAME_TEXT];
    int type, active, palette, id, legend_list;
    if (varinfo(i, name, &type, &active, &palette, &id, nullptr, nullptr, &legend_list,
                nullptr) < 0)
      continue;
    if (legend_list != 1 || (Var_listbycase && id == -1)) continue;
    if (type == VAR_CONSTANT || type == VAR_TENSOR) continue;
    const bool vector = type == VAR_VECTOR || type == VAR_COMPLEX_VECTOR;
    const int last = vector && comps ? 3 : 0;
    for (int c = 0; c <= last; c++) {
      char mark = active && legend_visible(palette, c) ? '*' : ' ';
      char text[VAR_NAME_TEXT + 16];
      if (vector) {
        static const char *suffix[4] = {"", "[X]", "[Y]", "[Z]"};
        snprintf(text, sizeof text, "(%c) %s%s%s", mark, c ? "   " : "", name, suffix[c]);
      } else {
        snprintf(text, sizeof text, "(%c) %s", mark, name);
      }
      add_row(text, i * 1000 + c);
    }
  }
  if (Main_legendvis_listcnt > 0)
    XmListSetPos(Main_showlgndvar_list, std::min(std::max(top, 1), Main_legendvis_listcnt));
  return 1;
}

void main_legend_setscrollbarpos() {
  const int panel = Interact_area_current;
  if (!Main_showlgndvar_list || panel < 0 || panel >= VAR_PANEL_LISTS || !Main_var_lists[panel])
    return;
  int index = -1, *list = nullptr, count = 0;
  var_index_from_list(panel + 6, Main_var_liststype[panel], Var_listbycase, &index, &list, &count);
  if (count > 1 && list) index = list[0];
  free(list);
  if (count < 1 || index < 0) return;
  // A variable without a row keeps the current position.
  for (int k = 0; k < Main_legendvis_listcnt; k++)
    if (Main_legendvis_listids[k] / 1000 == index) {
      XmListSetPos(Main_showlgndvar_list, k + 1);
      return;
    }
}

// ---- flipping ------------------------------------------------------------------------

// Records one group of legends (a selection, then "visible" ON or OFF); a
// group without legends records nothing unless record_empty is set.
static void record_group(const std::vector<int> &ids, int on, int record_empty) {
  if (Recrdr != 1 || (ids.empty() && !record_empty)) return;
  annot_reclgndnames_selitems(static_cast<int>(ids.size()), ids.data());
  if (!ids.empty()) cmdrec(on ? "legend: visible ON" : "legend: visible OFF");
}

// Sets the legend of list entry (variable x 1000 + component) to visible
// and appends its legend id to the working list.
static void set_legend(int entry, int visible) {
  int palette = -1;
  varinfo(entry / 1000, nullptr, nullptr, nullptr, &palette, nullptr, nullptr, nullptr, nullptr,
          nullptr);
  float settings[LGND_SETTINGS] = {0};
  palette_attributes(palette, entry % 1000, settings, nullptr, nullptr, 0);
  settings[0] = visible ? 1.0f : 0.0f;
  palette_attributes(palette, entry % 1000, settings, nullptr, nullptr, 1);
  if (Annot_wrking_lgndcnt < ANNOT_MAX_WRKLGND)
    Annot_wrking_lgndids[Annot_wrking_lgndcnt++] = palette * 1000 + entry % 1000;
}

static int entry_type(int entry) {
  int type = VAR_CONSTANT;
  if (varinfo(entry / 1000, nullptr, &type, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
              nullptr) < 0)
    return VAR_CONSTANT;
  return type;
}

int main_showlegend(int count, const int *positions, int) {
  std::vector<int> entries;
  for (int k = 0; k < count; k++)
    if (positions[k] >= 1 && positions[k] <= Main_legendvis_listcnt)
      entries.push_back(Main_legendvis_listids[positions[k] - 1]);
  for (int e : entries)
    if (entry_type(e) == VAR_CONSTANT) {
      disperr("Sorry, constant variables do not have a legend.");
      return -1;
    }
  // The working legend list holds ANNOT_MAX_WRKLGND legends: larger changes
  // go through it batch by batch, each batch recorded on its own.
  for (size_t start = 0; start < entries.size(); start += ANNOT_MAX_WRKLGND) {
    const size_t end = std::min(entries.size(), start + ANNOT_MAX_WRKLGND);
    std::vector<int> on, off;
    Annot_wrking_lgndcnt = 0;
    for (size_t k = start; k < end; k++) {
      const int e = entries[k];
      char name[VAR_NAME_TEXT];
      int active = 0, palette = -1;
      varinfo(e / 1000, name, nullptr, &active, &palette, nullptr, nullptr, nullptr, nullptr,
              nullptr);
      if (!active) {
        snprintf(Data_variable_name, sizeof Data_variable_name, "%s", name);
        var_active(1, 0);
        varinfo(e / 1000, nullptr, nullptr, nullptr, &palette, nullptr, nullptr, nullptr, nullptr,
                nullptr);
      }
      const int was = legend_visible(palette, e % 1000);
      set_legend(e, !was);
      (was ? off : on).push_back(palette * 1000 + e % 1000);
    }
    record_group(on, 1, 0);
    record_group(off, 0, 0);
  }
  viewports_display_all();
  main_showlegend_init();
  return 1;
}

int main_alllegends_off() {
  std::vector<int> shown;  // list entries whose legend is shown
  for (int k = 0; k < Main_legendvis_listcnt; k++) {
    const int e = Main_legendvis_listids[k];
    int palette = -1, active = 0;
    if (entry_type(e) == VAR_CONSTANT) continue;
    varinfo(e / 1000, nullptr, nullptr, &active, &palette, nullptr, nullptr, nullptr, nullptr,
            nullptr);
    if (legend_visible(palette, e % 1000)) shown.push_back(e);
  }
  size_t start = 0;
  do {
    const size_t end = std::min(shown.size(), start + ANNOT_MAX_WRKLGND);
    std::vector<int> off;
    Annot_wrking_lgndcnt = 0;
    for (size_t k = start; k < end; k++) {
      set_legend(shown[k], 0);
      off.push_back(Annot_wrking_lgndids[Annot_wrking_lgndcnt - 1]);
    }
    record_group(off, 0, 1);
    start = end;
  } while (start < shown.size());
  viewports_display_all();
  main_showlegend_init();
  return 1;
}
