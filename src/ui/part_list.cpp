// Main part list (see part_list.h).  Owns the listing mode, the row map of
// modes 1 and 2 and the row count; the list widgets belong to the main
// window.  Rows are written only here; every other module reads the
// selection through selected_parts.
#include "ui/part_list.h"

#include <Xm/List.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "client/cases.h"
#include "client/cmd_tables.h"
#include "client/textutil.h"
#include "flow/vctarrow.h"
#include "parts/part_deteditor.h"
#include "parts/ui/part_detedit_windep.h"
#include "parts/part_record.h"
#include "parts/ui/part_show.h"
#include "parts/ui/qedit_part.h"
#include "parts/read.h"
#include "parts/ui/support.h"
#include "palette/annotate.h"
#include "palette/ui/annot_panel.h"
#include "ui/feature_icons.h"
#include "ui/general_windep.h"
#include "ui/main_toggles.h"
#include "ui/main_window.h"
#include "ui/widget_helpers.h"
#include "view/frames.h"
#include "view/ui/frame_panel.h"

int Prtfrm_listbytype = 0;
int *Listbytype_to_main = nullptr;
int Num_p_inlist = 0;

#define PART_CATEGORY 9  // row of "part:" in Cmds_cat
#define MAX_LIST_FRAMES 5000

// ---- list widget access (all no-ops without a widget) ----------------------

static std::vector<int> selected_positions(Widget list) {
  std::vector<int> out;
  int *pos = nullptr, n = 0;
  if (list && XmListGetSelectedPos(list, &pos, &n) && pos) {
    out.assign(pos, pos + n);
    XtFree(reinterpret_cast<char *>(pos));
  }
  std::sort(out.begin(), out.end());
  return out;
}

static int item_count(Widget list, int fallback) {
  if (!list) return fallback;
  int n = 0;
  XtVaGetValues(list, XmNitemCount, &n, nullptr);
  return n;
}

static void delete_rows(Widget list) {
  if (list) XmListDeleteAllItems(list);
}

static void add_row(Widget list, const char *text) {
  if (!list) return;
  XmString s = XmStringCreateLocalized(const_cast<char *>(text));
  XmListAddItemUnselected(list, s, 0);
  XmStringFree(s);
}

static void select_rows(Widget list, const std::vector<int> &rows) {
  if (!list) return;
  if (rows.empty())
    XmListDeselectAllItems(list);
  else
    XtarvListSelectMultPos(list, static_cast<int>(rows.size()), rows.data());
}

// ---- rows --------------------------------------------------------------------

// A change of the rows of the lists in use: the large part-list window, when
// its lists are in use, keeps its size meanwhile and may resize again when
// the change ends, however it ends.
namespace {
struct Rows_change {
  Rows_change() { main_largelist_hold(1); }
  ~Rows_change() { main_largelist_hold(0); }
  Rows_change(const Rows_change &) = delete;
  Rows_change &operator=(const Rows_change &) = delete;
};
}  // namespace

int mainprt_row_text(int internal, char *text, int size) {
  int number = 0, type = 0, case_index = 0, structured = 0;
  char name[50];
  if (ui_part_get(0, internal, &number, &type, name, &case_index, &structured) != 1) return -1;
  char letter = type >= 0 && type < PART_TYPES ? Part_dialogs[type].letter : ' ';
  snprintf(text, size, "%2d-(%c/C%d) %s", number, letter, case_index + 1, name);
  return 1;
}

// Adds the row of a top-level part; false (with the routine's diagnostic)
// when the part cannot be fetched.
static bool add_part_row(int internal, const char *routine) {
  char text[80];
  if (mainprt_row_text(internal, text, sizeof text) != 1) {
    fprintf(stderr, "%s(): Part internal # bad.\n", routine);
    return false;
  }
  add_row(Main_part_list, text);
  return true;
}

void mainprt_part_refresh() {
  Rows_change change;
  std::vector<int> sel = selected_positions(Main_part_list);
  delete_rows(Main_part_list);
  for (int i = 0; i < Num_p_partlist; i++) add_part_row(i, "mainprt_list_updt");
  if (Main_part_list && !sel.empty() && sel[0] >= 1 && sel[0] <= Num_p_partlist)
    XmListSetPos(Main_part_list, sel[0]);
}

void mainprt_list_updt() {
  Rows_change change;
  std::vector<int> sel = selected_positions(Main_part_list);
  mainprt_part_refresh();
  Num_p_inlist = Num_p_partlist;
  bool fits = std::all_of(sel.begin(), sel.end(),
                          [](int p) { return p >= 1 && p <= Num_p_inlist; });
  if (fits && !sel.empty()) select_rows(Main_part_list, sel);
}

// Frees and makes the row map of modes 1 and 2; false when it cannot be allocated.
static bool new_row_map() {
  free(Listbytype_to_main);
  Listbytype_to_main = nullptr;
  if (Num_p_partlist <= 0) return true;
  Listbytype_to_main = static_cast<int *>(calloc(Num_p_partlist + 1, sizeof(int)));
  if (!Listbytype_to_main) {
    report_alloc_failure(__LINE__, __FILE__, "mainprt_listbytype_updt");
    return false;
  }
  return true;
}

// Adds rows for the top-level parts that keep() accepts, recording their
// internal numbers in the row map.
template <typename Keep>
static void add_mapped_rows(Keep keep) {
  for (int i = 0; i < Num_p_partlist; i++) {
    int number = 0, type = 0, case_index = 0, structured = 0;
    char name[50];
    if (ui_part_get(0, i, &number, &type, name, &case_index, &structured) != 1) {
      fprintf(stderr, "mainprt_listbyfrm_updt(): Part internal # bad.\n");
      continue;
    }
    if (!keep(number, case_index)) continue;
    if (add_part_row(i, "mainprt_listbyfrm_updt")) Listbytype_to_main[++Num_p_inlist] = i;
  }
}

void mainprt_listbycase_updt(int case_index) {
  Rows_change change;
  delete_rows(Main_part_list);
  Num_p_inlist = 0;
  if (!new_row_map()) {
    disperr("Error allocating memory to list by case.");
    return;
  }
  if (!Listbytype_to_main) return;
  add_mapped_rows([case_index](int, int c) { return c == case_index; });
}

void mainprt_listbyfrm_updt(int nframes, const int *frames) {
  Rows_change change;
  delete_rows(Main_part_list);
  Num_p_inlist = 0;
  if (nframes <= 0 || !frames) return;
  int count = 0, *numbers = nullptr;
  given_frames_return_parts(nframes, frames, &count, &numbers);
  if (count > 0 && new_row_map() && Listbytype_to_main) {
    int cursor = 0;
    add_mapped_rows([&](int number, int) {
      if (cursor >= count || numbers[cursor] != number) return false;
      cursor++;
      return true;
    });
  }
  free(numbers);
}

void mainprt_list_refresh() {
  Rows_change change;
  if (Prtfrm_listbytype == 0) {
    mainprt_list_updt();
    return;
  }
  if (Prtfrm_listbytype == 1) {
    mainprt_listbycase_updt(Case_num);
  } else {
    std::vector<int> frames(MAX_LIST_FRAMES);
    int n = 0;
    current_selected_frames(&n, frames.data(), 0);
    mainprt_listbyfrm_updt(std::min(n, MAX_LIST_FRAMES), frames.data());
  }
  part_show();
}

// ---- which parts are selected ------------------------------------------------

int selected_parts(int code, int *count, int **internal, int **numbers) {
  *count = 0;
  *internal = *numbers = nullptr;
  Widget list = nullptr;
  int listed = 0;
  switch (code) {
    case PLIST_MAIN: list = Main_part_list; listed = Num_p_inlist; break;
    case PLIST_FRAMES: list = Transf_whichframe_list; listed = Num_frames; break;
    case PLIST_DETEDIT: list = Parts_listw; listed = Deted_part_mapcnt; break;
    case PLIST_ANNOTTEXT: list = Annottext_part_list; listed = 1; break;
    default: return 0;
  }
  std::vector<int> rows = selected_positions(list);
  const int result = rows.empty() ? 0 : 1;
  if (rows.empty())
    for (int k = 1; k <= listed; k++) rows.push_back(k);
  if (rows.empty()) return 0;

  int *in = static_cast<int *>(malloc(sizeof(int) * rows.size()));
  int *num = static_cast<int *>(malloc(sizeof(int) * rows.size()));
  if (!in || !num) {
    report_alloc_failure(__LINE__, __FILE__, "selected_parts");
    free(in);
    free(num);
    return 0;
  }
  const bool frame_rows = code == PLIST_FRAMES || (code == PLIST_DETEDIT && Part_dlog_current == 4);
  int n = 0;
  for (int k : rows) {
    int index = k - 1;
    if (code == PLIST_MAIN && Prtfrm_listbytype != 0)
      index = Listbytype_to_main && k <= Num_p_inlist ? Listbytype_to_main[k] : -1;
    else if (code == PLIST_DETEDIT)
      index = Deted_partlist_to_internal ? Deted_partlist_to_internal[k] : -1;
    int number = 0;
    char name[50];
    // A row that no longer resolves (an inconsistent map) is left out.
    if (index < 0 || ui_part_get(frame_rows ? 4 : 0, index, &number, nullptr, name, nullptr,
                                 nullptr) != 1)
      continue;
    in[n] = index + 1;
    num[n] = number;
    n++;
  }
  if (n == 0) {
    free(in);
    free(num);
    return 0;
  }
  *count = n;
  *internal = in;
  *numbers = num;
  return result;
}

int mainprt_selection_or_defaults(int *count, int **internal, int **numbers,
                                  const char *routine) {
  if (selected_parts(PLIST_MAIN, count, internal, numbers) == 1) return 1;
  free(*internal);
  free(*numbers);
  *internal = static_cast<int *>(malloc(sizeof(int)));
  *numbers = static_cast<int *>(malloc(sizeof(int)));
  if (!*internal || !*numbers) {
    report_alloc_failure(__LINE__, __FILE__, routine);
    disperr("Error allocating part list memory.");
    free(*internal);
    free(*numbers);
    *internal = *numbers = nullptr;
    *count = 0;
    return -1;
  }
  **internal = **numbers = -1;
  *count = 1;
  return 0;
}

int selected_onepart(int code, int per_case, int *internal, int *number) {
  *internal = *number = 0;
  if (code != PLIST_ANNOTTEXT || !Annottext_part_list) return 0;
  std::vector<int> rows = selected_positions(Annottext_part_list);
  if (rows.size() != 1) return 0;
  int want = rows[0], index = -1;
  if (!per_case) {
    index = want - 1;
  } else {
    int seen = 0;
    for (int i = 0; i < Num_p_partlist && index < 0; i++) {
      int c = -1;
      if (ui_part_get(0, i, nullptr, nullptr, nullptr, &c, nullptr) == 1 && c == Case_num &&
          ++seen == want)
        index = i;
    }
  }
  int num = 0;
  if (index < 0 || ui_part_get(0, index, &num, nullptr, nullptr, nullptr, nullptr) != 1) {
    fprintf(stderr, "selected_onepart(): couldn't get part info from ui_part_get()\n");
    return 0;
  }
  *internal = index;
  *number = num;
  return 1;
}

// ---- selection from code -------------------------------------------------------

void select_all_parts(Widget list) {
  int items = item_count(list, 0);
  if (!list || items <= 0) return;
  int *pos = static_cast<int *>(malloc(sizeof(int) * items));
  if (!pos) {
    fprintf(stderr,
            "select_all_parts: Memory allocation failed, couldn't selected items in the list.");
    return;
  }
  for (int i = 0; i < items; i++) pos[i] = i + 1;
  XtarvListSelectMultPos(list, items, pos);
  free(pos);
  XFlush(XtDisplay(list));
}

void mainprt_list_select(int refresh_panel) {
  part_rec_selparts(PART_CATEGORY, 0, nullptr, -1);
  mainprt_partinterf_refresh(0, 0, refresh_panel);
}

void mainprt_partinterf_refresh(int, int, int refresh_panel) {
  int count = 0, *internal = nullptr, *numbers = nullptr;
  if (mainprt_selection_or_defaults(&count, &internal, &numbers) < 0) return;
  mainprt_show_parentpart_indicator(count, numbers);
  int shown = Interact_area_current;
  if (refresh_panel && shown >= 0 && shown < FEATURE_ROWS && Feature_tbl[shown].part_feature &&
      Feature_tbl[shown].builder)
    Feature_tbl[shown].builder(nullptr, count, internal, numbers);
  qedit_part_refresh_given_parts(count, internal, numbers);
  free(internal);
  free(numbers);
  part_show();
}

int mainprt_show_parentpart_indicator(int count, const int *numbers) {
  const int items = item_count(Main_part_list, Num_p_inlist);
  const bool one = count == 1 && numbers && numbers[0] != -1 && numbers[0] != -2 &&
                   is_part_a_group(numbers[0]) != 1;
  std::vector<char> parent(items + 1, 0);
  int marked = 0;
  if (one) {
    int n = 0, *plist = nullptr;
    get_created_part_list(numbers[0], &n, &plist);
    int *rows = n > 0 ? static_cast<int *>(malloc(sizeof(int) * n)) : nullptr;
    if (n > 0 && !rows) {
      free(plist);
      disperr("Problem allocating part selection memory.");
      return -1;
    }
    for (int i = 0; i < n; i++) rows[i] = -1;
    external_to_internal_part(plist, n, rows);
    int r = modinternal_to_match_pfrmlist(n, rows);
    for (int i = 0; i < r; i++)
      if (rows[i] >= 1 && rows[i] <= items && !parent[rows[i]]) {
        parent[rows[i]] = 1;
        marked++;
      }
    free(rows);
    free(plist);
  }
  if (!Main_partindic_list) return marked;
  Rows_change change;
  delete_rows(Main_partindic_list);
  if (one)
    for (int k = 1; k <= items; k++) add_row(Main_partindic_list, parent[k] ? "P" : " ");
  if (Main_part_list) {
    int top = 1;
    XtVaGetValues(Main_part_list, XmNtopItemPosition, &top, nullptr);
    if (item_count(Main_partindic_list, 0) >= top) XmListSetPos(Main_partindic_list, top);
  }
  return marked;
}

int mainprt_select_parts(int add, int count, const int *internal, int refresh_panel) {
  std::vector<int> rows;
  if (count > 0) rows.assign(internal, internal + count);
  int n = modinternal_to_match_pfrmlist(count, rows.data());
  if (n < 0) return -1;
  rows.resize(n);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  if (add) {
    for (int s : selected_positions(Main_part_list)) {
      auto at = std::find(rows.begin(), rows.end(), s);
      if (at != rows.end())
        rows.erase(at);
      else
        rows.push_back(s);
    }
  }
  select_rows(Main_part_list, rows);
  mainprt_list_select(refresh_panel);
  return static_cast<int>(rows.size());
}

int mainprt_select_partseid(int add, int count, const int *numbers, int refresh_panel) {
  if (count <= 0) {
    if (Main_part_list) XmListDeselectAllItems(Main_part_list);
    return 0;
  }
  std::vector<int> internal(count, -1);
  external_to_internal_part(numbers, count, internal.data());
  return mainprt_select_parts(add, count, internal.data(), refresh_panel);
}

int select_parts_by_internal_num(int code, int count, const int *internal, int refresh) {
  if (count <= 0 || !internal) return 0;
  std::vector<int> rows;
  if (code == PLIST_MAIN) {
    rows.assign(internal, internal + count);
    int n = modinternal_to_match_pfrmlist(count, rows.data());
    if (n < 0) {
      fprintf(stderr, "Error selecting parts.\n");
      return -1;
    }
    rows.resize(n);
  } else if (code == PLIST_DETEDIT) {
    for (int i = 0; i < count; i++)
      for (int k = 1; k <= Deted_part_mapcnt && Deted_partlist_to_internal; k++)
        if (Deted_partlist_to_internal[k] == internal[i]) {
          rows.push_back(k);
          break;
        }
  }
  if (code == PLIST_DETEDIT) {
    select_rows(Parts_listw, rows);
    if (refresh) part_detedit_refresh(0, 0, rows.data(), static_cast<int>(rows.size()));
  } else if (code == PLIST_MAIN) {
    select_rows(Main_part_list, rows);
    if (refresh) mainprt_list_select(0);
  }
  return static_cast<int>(rows.size());
}

// ---- search --------------------------------------------------------------------

int mainprt_searchandselect(int mode, const char *key, int whole_word, int match_case, int add,
                            int regular_expression) {
  int ref = -1;
  bool have_ref = false;
  if (mode == 2) {
    int count = 0, *internal = nullptr, *numbers = nullptr;
    if (selected_parts(PLIST_MAIN, &count, &internal, &numbers) == 1) {
      ref = numbers[count - 1];
      have_ref = true;
    }
    free(internal);
    free(numbers);
  }
  std::vector<int> matches;
  bool passed = false;
  int chosen = -1;
  for (int i = 0; i < Num_p_partlist; i++) {
    int number = 0;
    char name[50];
    if (ui_part_get(0, i, &number, nullptr, name, nullptr, nullptr) != 1) {
      fprintf(stderr, "mainprt_searchandselect(): Part internal # bad.\n");
      continue;
    }
    int r = is_string_a_match(name, key, whole_word, match_case, regular_expression);
    if (r == -1) {
      disperr("Error in search keyword.");
      return 0;
    }
    if (r == 1) {
      matches.push_back(number);
      if (mode == 2 && (!have_ref || passed) && number != ref) {
        chosen = number;
        break;
      }
    }
    if (have_ref && number == ref) passed = true;
  }
  if (matches.empty()) {
    disperr("No parts matched.");
    return 0;
  }
  if (mode == 2) {
    if (chosen < 0) {
      if (!passed || (matches.size() == 1 && matches[0] == ref)) {
        disperr("No other parts match this key. Can't select next.");
        return 0;
      }
      chosen = matches[0];  // wrap around to the first match
    }
    return mainprt_select_partseid(add, 1, &chosen, 1);
  }
  return mainprt_select_partseid(add, static_cast<int>(matches.size()), matches.data(), 1);
}

// ---- Edit menu's part entries ------------------------------------------------

void mainedit_part_selectallCB(Widget, XtPointer, XtPointer) {
  select_all_parts(Main_part_list);
  mainprt_list_select(0);
}

void mainedit_part_deleteCB(Widget, XtPointer, XtPointer) { part_delete_from_list(1); }
