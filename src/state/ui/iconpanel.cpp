// Preferences (see iconpanel.h).  The icon-bar items live in the tables of
// their bars (Feature_tbl and the quick-edit tables); here they are only
// written out as text and changed from edited text.
#include "state/ui/iconpanel.h"

#include <Xm/Label.h>
#include <Xm/Text.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "data/ui/readerpref_dialog.h"
#include "ui/balloon_help.h"
#include "ui/feature_icons.h"
#include "ui/general_windep.h"
#include "ui/iconbar_prefs.h"
#include "ui/main_intf.h"
#include "ui/main_toggles.h"
#include "ui/menus.h"
#include "ui/qedit_icons.h"
#include "ui/widget_helpers.h"

int Iconpanel_generalpref_saves = 0;
int Iconpanel_saved_bar = -1;

void iconpanel_get_general_prefs() {}

void iconpanel_get_startup_prefs() {}

Menu_item_rec Prefs_menu[PREFS_MENU_ROWS] = {
    {"General User Interface", 'I', nullptr, nullptr, XtarvCASCADE, 0, nullptr},
    {"Data Reader Formats...", 'D', datareaderpref_manageCB, nullptr, XtarvPUSHBUTTON, 1, nullptr},
};

void create_prefs_interf(Widget menubar) {
  XtManageChild(XtarvCreatePulldownMenu(menubar, "Prefs", 'P', nullptr, 0, Prefs_menu,
                                        PREFS_MENU_ROWS, 0));
}

void pref_balloonhelp_chngCB(Widget, XtPointer, XtPointer) {
  Balloon_help = !Balloon_help;
  clear_balloon_helpCB(nullptr, nullptr, nullptr);
  main_tooltiptggl_init();
  iconpanel_save_generalpref();
}

void iconpanel_save_generalpref() { Iconpanel_generalpref_saves++; }

void iconpanel_save_preferences(int bar) { Iconpanel_saved_bar = bar; }

// ---- the bars' items as text ------------------------------------------------------

#define LABEL_TEXT 28  // capacity of an item's button name, NUL included
static_assert(sizeof(Feature_rec::label) == LABEL_TEXT && sizeof(Qedit_icon_rec::label) == LABEL_TEXT,
              "icon bar labels");

// One item of a bar: the fields the text shows and changes.
struct Bar_item {
  const char *tag;
  char *label;  // LABEL_TEXT bytes
  int *visible;
  int *order;
  Widget button;
  Widget caption;  // quick-edit captions; null for the feature strip
};

static std::vector<Bar_item> bar_items(int bar) {
  std::vector<Bar_item> items;
  if (bar == 0) {
    for (Feature_rec &r : Feature_tbl)
      items.push_back({r.tag, r.label, &r.visible, &r.order, r.button, nullptr});
    return items;
  }
  static const struct {
    Qedit_icon_rec *tbl;
    int rows;
  } panels[ICONPANEL_BARS] = {{nullptr, 0},
                              {Qedit_scene_tbl, QEDIT_SCENE_ROWS},
                              {Qedit_part_tbl, QEDIT_PART_ROWS},
                              {Qedit_annot_tbl, QEDIT_ANNOT_ROWS},
                              {Qedit_graph_tbl, QEDIT_GRAPH_ROWS},
                              {Qedit_viewport_tbl, QEDIT_VIEWPORT_ROWS},
                              {Qedit_frame_tbl, QEDIT_FRAME_ROWS}};
  if (bar < 1 || bar >= ICONPANEL_BARS) return items;
  for (int i = 0; i < panels[bar].rows; i++) {
    Qedit_icon_rec &r = panels[bar].tbl[i];
    items.push_back({r.tag, r.label, &r.visible, &r.order, r.button, r.caption});
  }
  return items;
}

// Appends field padded to width columns, always followed by two blanks or more.
static void put_field(std::string &line, const std::string &field, size_t width) {
  line += field;
  line.append(field.size() + 2 > width ? 2 : width - field.size(), ' ');
}

std::string iconpanel_bar_text(int bar) {
  std::vector<Bar_item> items = bar_items(bar);
  std::string text;
  for (size_t pos = 1; pos <= items.size(); pos++)
    for (const Bar_item &it : items) {
      if (*it.order != static_cast<int>(pos)) continue;
      std::string name, description;
      for (const char *c = it.label; *c; c++) {
        name += *c == '\n' ? std::string("\\n") : std::string(1, *c);
        description += *c == '\n' ? ' ' : *c;
      }
      std::string line;
      put_field(line, it.tag, 12);
      put_field(line, name, 23);
      put_field(line, std::to_string(*it.visible), 8);
      put_field(line, std::to_string(*it.order), 7);
      text += line + description + "\n";
    }
  return text;
}

// Fields of a line: runs of text apart by two blanks (or a tab) or more.
static std::vector<std::string> split_fields(const std::string &line) {
  std::vector<std::string> fields;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) i++;
    if (i >= line.size()) break;
    size_t end = i;
    while (end < line.size() && line[end] != '\t' &&
           !(line[end] == ' ' && (end + 1 >= line.size() || line[end + 1] == ' ')))
      end++;
    fields.push_back(line.substr(i, end - i));
    i = end;
  }
  return fields;
}

static bool read_int(const std::string &s, int *out) {
  char *end = nullptr;
  long v = strtol(s.c_str(), &end, 10);
  if (s.empty() || *end || v < -1000000 || v > 1000000) return false;
  *out = static_cast<int>(v);
  return true;
}

// A line's new values for item index, or false.
struct Item_change {
  size_t item;
  std::string label;
  int visible;
  int order;
};

static bool parse_line(const std::vector<Bar_item> &items, const std::string &line,
                       Item_change *c) {
  std::vector<std::string> f = split_fields(line);
  if (f.size() < 4) return false;
  c->item = items.size();
  for (size_t i = 0; i < items.size(); i++)
    if (f[0] == items[i].tag) c->item = i;
  if (c->item == items.size()) return false;
  c->label.clear();
  for (size_t k = 0; k < f[1].size(); k++) {
    if (f[1][k] == '\\' && k + 1 < f[1].size() && f[1][k + 1] == 'n') {
      c->label += '\n';
      k++;
    } else {
      c->label += f[1][k];
    }
  }
  return c->label.size() < LABEL_TEXT && read_int(f[2], &c->visible) &&
         (c->visible == 0 || c->visible == 1) && read_int(f[3], &c->order);
}

static void set_text_label(Widget w, const char *label) {
  if (!w) return;
  unsigned char type = XmSTRING;
  XtVaGetValues(w, XmNlabelType, &type, nullptr);
  if (type != XmSTRING) return;
  XmString s = qvn_xmstring(label);
  XtVaSetValues(w, XmNlabelString, s, nullptr);
  XmStringFree(s);
}

// The bar's buttons and captions follow its items.
static void rebuild_bar(int bar, const std::vector<Bar_item> &items) {
  for (const Bar_item &it : items) {
    set_text_label(it.button, it.label);
    set_text_label(it.caption, it.label);
  }
  if (bar == 0) {
    main_feat_panel_reconfig(FEATURE_ROWS, Feature_tbl);
    return;
  }
  Qedit_icon_rec *tbls[ICONPANEL_BARS] = {nullptr, Qedit_scene_tbl, Qedit_part_tbl,
                                          Qedit_annot_tbl, Qedit_graph_tbl, Qedit_viewport_tbl,
                                          Qedit_frame_tbl};
  const int rows = static_cast<int>(items.size());
  main_qedit_panel_reconfig(rows, tbls[bar]);
  gen_manageqeditpanel_helptext(tbls[bar], rows);
}

int iconpanel_apply_text(int bar, const char *text) {
  std::vector<Bar_item> items = bar_items(bar);
  if (items.empty() || !text) return -1;
  std::vector<Item_change> changes;
  const char *p = text;
  while (*p) {
    const char *nl = strchr(p, '\n');
    std::string line(p, nl ? static_cast<size_t>(nl - p) : strlen(p));
    p = nl ? nl + 1 : p + line.size();
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    Item_change c;
    if (!parse_line(items, line, &c)) {
      char msg[160];
      snprintf(msg, sizeof msg, "Icon bar line not understood: %.100s", line.c_str());
      disperr(msg);
      return -1;
    }
    changes.push_back(c);
  }
  std::vector<int> orders;
  for (const Bar_item &it : items) orders.push_back(*it.order);
  for (const Item_change &c : changes) orders[c.item] = c.order;
  std::vector<int> seen(items.size() + 1, 0);
  bool order_ok = true;
  for (int o : orders) {
    if (o < 1 || o > static_cast<int>(items.size()) || seen[o]) order_ok = false;
    else seen[o] = 1;
  }
  if (!order_ok) fputs("Error in order of panel items. Resetting order.\n", stderr);
  for (const Item_change &c : changes) {
    Bar_item &it = items[c.item];
    snprintf(it.label, LABEL_TEXT, "%s", c.label.c_str());
    *it.visible = c.visible;
    if (order_ok) *it.order = c.order;
  }
  rebuild_bar(bar, items);
  return 1;
}

// ---- the dialog's text ---------------------------------------------------------------

void iconpanel_which_chng(int bar) {
  if (Iconpanel_edit_text) XmTextSetString(Iconpanel_edit_text, const_cast<char *>(iconpanel_bar_text(bar).c_str()));
}

void iconpanel_init_dialog() {
  if (!Iconpanel_which_optmen) return;
  int row = XtarvOptionMenuCurrentState(Iconpanel_which_optmen, Iconpanel_which_menu);
  iconpanel_which_chng(row < 0 ? 0 : (int)(long)Iconpanel_which_menu[row].client_data);
}

int iconpanel_updt_pref(int bar) {
  if (!Iconpanel_edit_text) return -1;
  char *text = XmTextGetString(Iconpanel_edit_text);
  int r = iconpanel_apply_text(bar, text);
  XtFree(text);
  return r;
}
