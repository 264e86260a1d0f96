// The main window at any width (see main_layout.h).  Owns the current line
// breaks of the adaptive rows; the widgets are those of main_window,
// qedit_icons and transf_buttons.  Only the form attachments of the pieces
// named below change, nothing is created or destroyed.
#include "ui/main_layout.h"

#include <Xm/Form.h>
#include <Xm/RowColumn.h>
#include <Xm/Xm.h>

#include <algorithm>
#include <vector>

#include "ui/feature_icons.h"
#include "ui/graphics_windows.h"
#include "ui/main_window.h"
#include "ui/qedit_icons.h"
#include "ui/textc_windep.h"
#include "ui/transf_buttons.h"

namespace {

const int Graphics_min_height = 40;   // graphics area left at the minimum size
const int Interaction_min_width = 60;  // interaction area beside the part list, at least

// One piece of a row: the widget and the gap before it when it follows
// another piece on its line.
struct Piece {
  Widget w;
  int gap;
};

// The line breaks of the adaptive rows as last applied; -1 = not yet.
struct Layout_state {
  int status_below = -1;
  std::vector<int> toggle_breaks;  // index of the first piece of each line
  bool tail_own = false;           // Legend... and Info... on a line of their own
  std::vector<int> bottom_breaks;
  bool applied = false;
};
Layout_state Current;

int char_width() { return Menu_font_width > 0 ? Menu_font_width : 8; }

// A piece's own size (its preferred geometry, borders included): a row
// squeezed by an earlier, narrower layout must not shrink what it needs.
XtWidgetGeometry preferred(Widget w) {
  XtWidgetGeometry pref{};
  XtQueryGeometry(w, nullptr, &pref);
  Dimension width = 0, height = 0, border = 0;
  XtVaGetValues(w, XmNwidth, &width, XmNheight, &height, XmNborderWidth, &border, nullptr);
  if (!(pref.request_mode & CWWidth) || pref.width == 0) pref.width = width;
  if (!(pref.request_mode & CWHeight) || pref.height == 0) pref.height = height;
  if (!(pref.request_mode & CWBorderWidth)) pref.border_width = border;
  return pref;
}

int outer_width(Widget w) {
  XtWidgetGeometry p = preferred(w);
  return p.width + 2 * p.border_width;
}

int outer_height(Widget w) {
  XtWidgetGeometry p = preferred(w);
  return p.height + 2 * p.border_width;
}

Widget status_frame() { return Main_status ? XtParent(Main_status) : nullptr; }

// Width the menu bar needs to show every title on one line.
int menubar_width() {
  WidgetList kids = nullptr;
  Cardinal n = 0;
  Dimension spacing = 0, margin = 0, shadow = 0;
  XtVaGetValues(Main_menubar, XmNchildren, &kids, XmNnumChildren, &n, XmNspacing, &spacing,
                XmNmarginWidth, &margin, XmNshadowThickness, &shadow, nullptr);
  int width = 2 * (margin + shadow);
  int shown = 0;
  for (Cardinal i = 0; i < n; i++) {
    if (!XtIsManaged(kids[i])) continue;
    width += outer_width(kids[i]) + (shown ? spacing : 0);
    shown++;
  }
  return std::max(width, outer_width(Main_menubar));
}

// The toggle row: the seven toggles with their gaps; the right group
// (Legend..., Info...) follows.
std::vector<Piece> toggle_pieces() {
  const int w = char_width();
  return {{Main_hsurf_tggl, 15 * w}, {Main_hline_tggl, 1},     {Main_cursor_tggl, 6 * w},
          {Main_line_tggl, 2},       {Main_plane_tggl, 2},     {Main_axis_tggl, 6 * w},
          {Main_fastdisplay_tggl, 6 * w}};
}

int toggle_left() { return 15 * char_width(); }
int right_group_width() {
  return outer_width(Main_showlegend_but) + 2 * char_width() + outer_width(Main_info_button) + 1;
}

// The bottom row: transformation icons, the text buttons, the seven view
// buttons and "Tool Tips", with their gaps.
std::vector<Piece> bottom_pieces() {
  const int w = char_width();
  std::vector<Piece> p = {{Qedit_transficon_rowcol, 0}, {Main_transfbut_form, 0}};
  for (int i = 0; i < 7; i++) p.push_back({Main_viewpos_buttons[i], i == 0 ? 5 * w : 0});
  p.push_back({Main_tooltips_tggl, 2 * w});
  return p;
}

int bottom_left() { return Qedit_iconform ? outer_width(Qedit_iconform) : 0; }

// Greedy line breaks: pieces in order, a new line when the next one would
// pass the right edge.  The first piece of a line starts at left.  With
// tail > 0 a last unit of that width must also fit on the last line (after
// a gap of tail_gap), else it gets a line of its own (reported by *tail_own).
std::vector<int> break_lines(const std::vector<Piece> &pieces, int left, int right, int tail,
                             int tail_gap, bool *tail_own) {
  std::vector<int> breaks;
  int x = 0;
  for (size_t i = 0; i < pieces.size(); i++) {
    int width = outer_width(pieces[i].w);
    if (breaks.empty() || x + pieces[i].gap + width > right) {
      breaks.push_back(static_cast<int>(i));
      x = left + width;
    } else {
      x += pieces[i].gap + width;
    }
  }
  if (tail_own) *tail_own = tail > 0 && x + tail_gap + tail > right;
  return breaks;
}

// Pieces of line k of a row broken at breaks.
std::pair<int, int> line_span(const std::vector<int> &breaks, size_t k, size_t count) {
  int first = breaks[k];
  int end = k + 1 < breaks.size() ? breaks[k + 1] : static_cast<int>(count);
  return {first, end};
}

// The tallest piece of a line (its bottom is the line's bottom, all pieces
// of a line being top-aligned).
Widget tallest(const std::vector<Piece> &pieces, std::pair<int, int> span) {
  Widget best = pieces[span.first].w;
  for (int i = span.first; i < span.second; i++)
    if (outer_height(pieces[i].w) > outer_height(best)) best = pieces[i].w;
  return best;
}

void set_constraints(Widget w, unsigned char top, Widget top_w, int top_off, unsigned char bottom,
                     Widget bottom_w, int bottom_off, unsigned char left, Widget left_w,
                     int left_off, unsigned char right, Widget right_w, int right_off) {
  XtVaSetValues(w, XmNtopAttachment, top, XmNtopWidget, top_w, XmNtopOffset, top_off,
                XmNbottomAttachment, bottom, XmNbottomWidget, bottom_w, XmNbottomOffset,
                bottom_off, XmNleftAttachment, left, XmNleftWidget, left_w, XmNleftOffset,
                left_off, XmNrightAttachment, right, XmNrightWidget, right_w, XmNrightOffset,
                right_off, nullptr);
}

// ---- the top line -------------------------------------------------------------------

int status_frame_wide_width() { return 45 * char_width() + 90 + 2 * 2 + 2 * 2; }

bool status_fits_beside(int width) {
  return menubar_width() + 1 + 5 + status_frame_wide_width() <= width;
}

void apply_top(bool below) {
  Widget frame = status_frame();
  if (!frame) return;
  const int w = char_width();
  Widget under = below ? frame : Main_menubar;
  if (below) {
    set_constraints(frame, XmATTACH_WIDGET, Main_menubar, 1, XmATTACH_NONE, nullptr, 0,
                    XmATTACH_FORM, nullptr, 1, XmATTACH_FORM, nullptr, 1);
    set_constraints(Main_menubar, XmATTACH_FORM, nullptr, 1, XmATTACH_NONE, nullptr, 0,
                    XmATTACH_FORM, nullptr, 1, XmATTACH_FORM, nullptr, 1);
  } else {
    XtVaSetValues(Main_status, XmNwidth, 45 * w + 90, nullptr);
    set_constraints(frame, XmATTACH_FORM, nullptr, 0, XmATTACH_NONE, nullptr, 0, XmATTACH_NONE,
                    nullptr, 0, XmATTACH_FORM, nullptr, 0);
    set_constraints(Main_menubar, XmATTACH_FORM, nullptr, 1, XmATTACH_NONE, nullptr, 0,
                    XmATTACH_FORM, nullptr, 1, XmATTACH_WIDGET, frame, 5);
  }
  // The icon strip and its arrows hang under whichever is lowest.
  XtVaSetValues(Main_featscroll_up, XmNtopWidget, under, nullptr);
  XtVaSetValues(XtParent(Main_featureicon_scrollwin), XmNtopWidget, under, nullptr);
}

// ---- the toggle row -----------------------------------------------------------------

void apply_toggles(const std::vector<int> &breaks, bool tail_own) {
  std::vector<Piece> p = toggle_pieces();
  const int w = char_width();
  const bool wide = breaks.size() == 1 && !tail_own;
  Widget above = XtParent(Main_part_list);
  Widget prev_tallest = nullptr;
  for (size_t k = 0; k < breaks.size(); k++) {
    auto span = line_span(breaks, k, p.size());
    for (int i = span.first; i < span.second; i++) {
      if (i == span.first) {
        set_constraints(p[i].w, XmATTACH_WIDGET, k == 0 ? above : prev_tallest, 0, XmATTACH_NONE,
                        nullptr, 0, XmATTACH_FORM, nullptr, toggle_left(), XmATTACH_NONE, nullptr,
                        0);
      } else {
        // One line as built: Axis and Fast Display top with the toggle before.
        Widget top_with = wide && i >= 5 ? p[i - 1].w : p[span.first].w;
        set_constraints(p[i].w, XmATTACH_OPPOSITE_WIDGET, top_with, 0, XmATTACH_NONE, nullptr, 0,
                        XmATTACH_WIDGET, p[i - 1].w, p[i].gap, XmATTACH_NONE, nullptr, 0);
      }
    }
    prev_tallest = tallest(p, span);
  }
  auto last = line_span(breaks, breaks.size() - 1, p.size());
  if (wide) {
    // One line as built: Info bottom with "Plane", at the right edge.
    set_constraints(Main_info_button, XmATTACH_NONE, nullptr, 0, XmATTACH_OPPOSITE_WIDGET,
                    Main_plane_tggl, 0, XmATTACH_NONE, nullptr, 0, XmATTACH_FORM, nullptr, 1);
  } else if (tail_own) {
    set_constraints(Main_info_button, XmATTACH_WIDGET, prev_tallest, 0, XmATTACH_NONE, nullptr,
                    0, XmATTACH_NONE, nullptr, 0, XmATTACH_FORM, nullptr, 1);
  } else {
    set_constraints(Main_info_button, XmATTACH_OPPOSITE_WIDGET, p[last.first].w, 0,
                    XmATTACH_NONE, nullptr, 0, XmATTACH_NONE, nullptr, 0, XmATTACH_FORM, nullptr,
                    1);
  }
  set_constraints(Main_showlegend_but, XmATTACH_OPPOSITE_WIDGET, Main_info_button, 0,
                  XmATTACH_NONE, nullptr, 0, XmATTACH_NONE, nullptr, 0, XmATTACH_WIDGET,
                  Main_info_button, 2 * w);
  // The interaction area ends above the toggle row's first line.
  Widget first_line_top = wide ? Main_info_button : tallest(p, line_span(breaks, 0, p.size()));
  XtVaSetValues(Main_interact_win, XmNbottomWidget, first_line_top, nullptr);
}

// ---- the bottom row -------------------------------------------------------------------

// Offset of a bottom piece's top below the first piece of its line: the
// built row has the text buttons 3 below the icons' top, and the view buttons
// with the text buttons.
int bottom_top_offset(const std::vector<Piece> &p, int first, int i) {
  return p[first].w == Qedit_transficon_rowcol && i != first ? 3 : 0;
}

void apply_bottom(const std::vector<int> &breaks) {
  std::vector<Piece> p = bottom_pieces();
  const bool wide = breaks.size() == 1;
  for (size_t k = breaks.size(); k-- > 0;) {
    auto span = line_span(breaks, k, p.size());
    Widget first = p[span.first].w;
    if (k + 1 == breaks.size())
      set_constraints(first, XmATTACH_NONE, nullptr, 0, XmATTACH_FORM, nullptr, 0,
                      XmATTACH_WIDGET, Qedit_iconform, 0, XmATTACH_NONE, nullptr, 0);
    else
      set_constraints(first, XmATTACH_NONE, nullptr, 0, XmATTACH_WIDGET,
                      p[breaks[k + 1]].w, 0, XmATTACH_WIDGET, Qedit_iconform, 0,
                      XmATTACH_NONE, nullptr, 0);
    for (int i = span.first + 1; i < span.second; i++) {
      // One line as built: view buttons top with "+X", which is
      // top with the text buttons.
      Widget top_with = first;
      int offset = bottom_top_offset(p, span.first, i);
      if (wide && i >= 3) top_with = Main_viewpos_buttons[0], offset = 0;
      if (wide && i == 2) top_with = Main_transfbut_form, offset = 0;
      set_constraints(p[i].w, XmATTACH_OPPOSITE_WIDGET, top_with, offset, XmATTACH_NONE,
                      nullptr, 0, XmATTACH_WIDGET, p[i - 1].w, p[i].gap, XmATTACH_NONE,
                      nullptr, 0);
    }
  }
  // The graphics area ends above the row's first line.
  if (Graphics_form) XtVaSetValues(Graphics_form, XmNbottomWidget, p[breaks[0]].w, nullptr);
}

// ---- lines and minimum --------------------------------------------------------------

struct Lines {
  bool status_below;
  std::vector<int> toggles;
  bool tail_own;
  std::vector<int> bottom;
};

Lines lines_for(int width) {
  Lines l;
  l.status_below = !status_fits_beside(width);
  l.toggles = break_lines(toggle_pieces(), toggle_left(), width - 1, right_group_width(),
                          2 * char_width(), &l.tail_own);
  l.bottom = break_lines(bottom_pieces(), bottom_left(), width - 1, 0, 0, nullptr);
  return l;
}

int rows_height(const std::vector<Piece> &p, const std::vector<int> &breaks, bool bottom) {
  int total = 0;
  for (size_t k = 0; k < breaks.size(); k++) {
    auto span = line_span(breaks, k, p.size());
    int h = 0;
    for (int i = span.first; i < span.second; i++)
      h = std::max(h, (bottom ? bottom_top_offset(p, span.first, i) : 0) + outer_height(p[i].w));
    total += h;
  }
  return total;
}

}  // namespace

void main_layout_minimum(int *width, int *height) {
  *width = *height = 0;
  if (!Main_control_form || !Main_menubar || !Main_info_button || !Qedit_iconform) return;
  const int w = char_width();
  int min_w = menubar_width() + 2;
  int widest_toggle = 0;
  for (const Piece &q : toggle_pieces()) widest_toggle = std::max(widest_toggle, outer_width(q.w));
  min_w = std::max(min_w, toggle_left() + std::max(widest_toggle, right_group_width()) + 1);
  int widest_bottom = 0;
  for (const Piece &q : bottom_pieces()) widest_bottom = std::max(widest_bottom, outer_width(q.w));
  min_w = std::max(min_w, bottom_left() + widest_bottom + 1);
  min_w = std::max(min_w, 3 * w + 2 + outer_width(XtParent(Main_part_list)) + 10 +
                              Interaction_min_width + 2);
  min_w = std::max(min_w, 2 + Feature_icon_width + 12 + 4 * w);

  // Heights at that width: the bands above the toggle row, its lines, the
  // bottom row's lines and a little graphics area.
  Lines l = lines_for(min_w);
  int top = outer_height(Main_menubar) + 1;
  if (l.status_below) top += outer_height(status_frame()) + 1;
  top += 2 + static_cast<int>(Feature_icon_height * Feature_icon_createheightfrac) + 1;
  Widget label = XtNameToWidget(Main_control_form, "mainpartLbl");
  if (label) top += outer_height(label);
  top += outer_height(XtParent(Main_part_list));
  int toggles = rows_height(toggle_pieces(), l.toggles, false);
  toggles += l.tail_own ? outer_height(Main_info_button) : 0;
  int last_line_extra = std::max(0, outer_height(Main_info_button) - outer_height(Main_hsurf_tggl));
  toggles += last_line_extra;
  int bottom = rows_height(bottom_pieces(), l.bottom, true);
  *width = min_w;
  *height = top + toggles + Graphics_min_height + bottom;
}

void main_layout_adapt(int width) {
  if (!Main_control_form || !Main_menubar || !Main_info_button || width <= 0) return;
  Lines l = lines_for(width);
  if (Current.applied && Current.status_below == (l.status_below ? 1 : 0) &&
      Current.toggle_breaks == l.toggles && Current.tail_own == l.tail_own &&
      Current.bottom_breaks == l.bottom)
    return;
  apply_top(l.status_below);
  apply_toggles(l.toggles, l.tail_own);
  apply_bottom(l.bottom);
  Current.status_below = l.status_below ? 1 : 0;
  Current.toggle_breaks = l.toggles;
  Current.tail_own = l.tail_own;
  Current.bottom_breaks = l.bottom;
  Current.applied = true;
}

int main_layout_toggle_lines() {
  return static_cast<int>(Current.toggle_breaks.size()) + (Current.tail_own ? 1 : 0);
}
int main_layout_bottom_lines() { return static_cast<int>(Current.bottom_breaks.size()); }
int main_layout_status_below() { return Current.status_below == 1; }

// Every new size of the main form: the shell's (a window manager's or the
// user's resize) and the ones the program itself asks for, whose
// notification the shell consumes.
static void form_configuredECB(Widget, XtPointer, XEvent *ev, Boolean *) {
  if (!ev || ev->type != ConfigureNotify) return;
  main_layout_adapt(ev->xconfigure.width);
  main_featureicon_resize(ev->xconfigure.width, ev->xconfigure.height, ev);
}

void main_layout_init() {
  Widget shell = Main_control_form ? XtParent(Main_control_form) : nullptr;
  if (!shell) return;
  int min_w = 0, min_h = 0;
  main_layout_minimum(&min_w, &min_h);
  if (min_w > 0) XtVaSetValues(shell, XmNminWidth, min_w, XmNminHeight, min_h, nullptr);
  Dimension width = 0, height = 0;
  XtVaGetValues(shell, XmNwidth, &width, XmNheight, &height, nullptr);
  main_layout_adapt(width);
  // The feature strip's arrows and the quick-edit column's, for the size
  // the window opened with (later sizes reach them from the graphics
  // window's configure handler).
  main_featureicon_resize(width, height, nullptr);
  main_modeicon_resize(-1, -1, nullptr);
  XtAddEventHandler(Main_control_form, StructureNotifyMask, False, form_configuredECB, nullptr);
}
