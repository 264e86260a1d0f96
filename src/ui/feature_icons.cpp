// Feature icons (see feature_icons.h).  Owns Feature_tbl, the shown panel's
// id and the strip's private scroll bars.  The panels are owned by their
// builders' subsystems; here they are only managed and unmanaged.
#include "ui/feature_icons.h"

#include <Xm/PushB.h>
#include <Xm/ScrollBar.h>
#include <Xm/Xm.h>

#include <cstdio>
#include <cstdlib>

#include "anim/ui/anim_panels.h"
#include "derived/ui/derived_panels.h"
#include "flow/ui/flow_panels.h"
#include "palette/ui/color_panel.h"
#include "parts/ui/displace.h"
#include "parts/part_record.h"
#include "parts/read.h"
#include "query/ui/query_panels.h"
#include "ui/balloon_help.h"
#include "ui/detail_editor.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/main_intf.h"
#include "ui/main_window.h"
#include "ui/part_list.h"
#include "ui/screen_query.h"
#include "ui/textc_windep.h"
#include "variables/variables_dlog.h"
#include "variables/ui/variables_windep.h"

#define ROW(id, tag, label, order, icon, builder) \
  {tag, label, order, 1, main_featureCB, nullptr, nullptr, icon, id, id < 12 ? 1 : 0, builder}
Feature_rec Feature_tbl[FEATURE_ROWS] = {
    ROW(0, "FEAT_COLOR", "Color", 1, "colorpal.xpm", intrclr_geninit_sect),
    ROW(1, "FEAT_CNTRS", "Contours", 2, "contour.xpm", intrcntr_geninit_sect),
    ROW(2, "FEAT_ISOSR", "Isosurfaces", 3, "iso.xpm", intriso_geninit_sect),
    ROW(3, "FEAT_TRACE", "Particle\nTraces", 4, "trace.xpm", intrtrace_geninit_sect),
    ROW(4, "FEAT_CLIPS", "Clips", 5, "clip.xpm", intrclip_geninit_sect),
    ROW(5, "FEAT_ARROW", "Vector\nArrows", 6, "arrow.xpm", intrvctarrow_geninit_sect),
    ROW(6, "FEAT_TENSOR", "Tensor\nGlyphs", 18, "tensor.xpm", intrtensor_geninit_sect),
    ROW(7, "FEAT_ELSRF", "Elevated\nSurfaces", 7, "elevsrf.xpm", intrelevsrf_geninit_sect),
    ROW(8, "FEAT_PROFI", "Profiles", 16, "profile.xpm", intrprofile_geninit_sect),
    ROW(9, "FEAT_DVSRF", "Developed\nSurfaces", 17, "devsrf.xpm", intrdevsrf_geninit_sect),
    ROW(10, "FEAT_SUBST", "Subset\nParts", 8, "subset.xpm", intrsubset_geninit_sect),
    ROW(11, "FEAT_DISPL", "Displace", 9, "displacement.xpm", intrdisplace_geninit_sect),
    ROW(12, "FEAT_QUERY", "Query", 10, "query.xpm", intrquery_geninit_sect),
    ROW(13, "FEAT_PROBE", "Interactive\nProbe Query", 11, "probequery.xpm",
        intrprobeq_geninit_sect),
    ROW(14, "FEAT_STIME", "Solution\nTime", 12, "time.xpm", intrsoltim_geninit_sect),
    ROW(15, "FEAT_FLIPB", "Flipbook\nAnimation", 13, "flipbook.xpm", intrflipb_geninit_sect),
    ROW(16, "FEAT_KANIM", "Keyframe\nAnimation", 14, "keyframe.xpm", intrkeyf_geninit_sect),
    ROW(17, "FEAT_CALC", "Calculator", 15, "calc.xpm", nullptr),
};
#undef ROW

int Interact_area_current = -1;

// Detail-editor section a double click opens, by feature id; -1 none.
static const int Detail_section[FEATURE_ROWS] = {0, 3, 4, 5, 6, 7, 12, 8, 10, 11,
                                                 9, 2, -1, -1, -1, -1, -1, 1};
// Message-window lines of a double click on a feature without a section.
static const char *const No_editor_lines[FEATURE_ROWS][2] = {
    {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {},
    {"No detailed editor for query. Double click ignored", nullptr},
    {"No detailed editor for interactive probe", "query.  Double click ignored."},
    {"No detailed editor for solution", "time.  Double click ignored."},
    {"No detailed editor for flipbook", "animation.  Double click ignored."},
    {"No detailed editor for keyframe", "animation.  Double click ignored."},
    {},
};

static Widget Strip_vbar = nullptr;  // the strip's vertical scroll bar (hidden)
static Widget Strip_hbar = nullptr;  // its horizontal scroll bar (hidden)

void feature_strip_scrollbars(Widget vertical, Widget horizontal) {
  Strip_vbar = vertical;
  Strip_hbar = horizontal;
}

static void make_icon(Feature_rec &r) {
  char name[16];
  snprintf(name, sizeof name, "feature%d", r.feature_id);
  Arg a[7];
  Cardinal n = 0;
  XmString text = qvn_xmstring(r.label);
  XtSetArg(a[n], XmNlabelString, text); n++;
  XtSetArg(a[n], XmNmultiClick, XmMULTICLICK_KEEP); n++;
  Pixmap pix = 0;
  if (!Noicons) {
    if (read_icon_picture(Main_featureicon_rowcol, r.icon_file, &pix) == 1) {
      XtSetArg(a[n], XmNlabelType, XmPIXMAP); n++;
      XtSetArg(a[n], XmNlabelPixmap, pix); n++;
    } else {
      fprintf(stderr, "Could not set up feature pixmaps.\n");
    }
  }
  if (Fixedfont && Menufont) {
    XtSetArg(a[n], XmNfontList, Menufont); n++;
  }
  r.button = XmCreatePushButton(Main_featureicon_rowcol, name, a, n);
  XmStringFree(text);
  XtAddCallback(r.button, XmNactivateCallback, r.callback, (XtPointer)(long)r.feature_id);
  add_balloon_handlers(r.button, r.feature_id);
  if (r.visible) XtManageChild(r.button);
}

int display_main_feature_icons() {
  if (!Main_featureicon_rowcol) return 1;
  for (int pos = 1; pos <= FEATURE_ROWS; pos++)
    for (Feature_rec &r : Feature_tbl)
      if (r.order == pos && !r.button) {
        make_icon(r);
        break;
      }
  return 1;
}

void main_featureCB(Widget, XtPointer id, XtPointer call) {
  const int feature = (int)(long)id;
  auto *cbs = static_cast<XmPushButtonCallbackStruct *>(call);
  int clicks = cbs ? cbs->click_count : 1;
  if (feature == FEATURE_CALCULATOR) {
    detedit_manage(2, Detail_section[FEATURE_CALCULATOR]);
    var_transphasesect_init(0, 1);
    clicks = 1;
  }
  main_feature_manage(feature, clicks);
}

// Shows the panel of id filled from the defaults (count 1, part -1).
static int manage_with_defaults(int id) {
  int internal = -1, number = -1;
  return main_interact_managethis(id, 1, &internal, &number);
}

int main_feature_manage(int id, int clicks) {
  if (id < 0 || id >= FEATURE_ROWS) return -1;
  if (clicks >= 2) {
    if (Detail_section[id] < 0) {
      for (const char *line : No_editor_lines[id])
        if (line) caddtxt(line);
      return 1;
    }
    detedit_manage(2, Detail_section[id]);
    if (id == FEATURE_CALCULATOR) {
      if (Var_sumpalinfo_frame) XtUnmanageChild(Var_sumpalinfo_frame);
      if (Var_transresp_frame) XtUnmanageChild(Var_transresp_frame);
      if (Var_create_frame) XtManageChild(Var_create_frame);
    }
    return manage_with_defaults(id);
  }
  if (!Feature_tbl[id].part_feature) return main_interact_managethis(id, 0, nullptr, nullptr);
  int count = 0, *internal = nullptr, *numbers = nullptr;
  if (mainprt_selection_or_defaults(&count, &internal, &numbers, "main_featureCB:") < 0)
    return -1;
  main_interact_managethis(id, count, internal, numbers);
  free(internal);
  free(numbers);
  return 1;
}

void main_feature_modhighlight_windep(int old_id, int new_id) {
  if (new_id < 0 || new_id >= FEATURE_ROWS) return;
  Widget now = Feature_tbl[new_id].button;
  if (old_id != new_id && old_id >= 0 && old_id < FEATURE_ROWS && Feature_tbl[old_id].button &&
      now) {
    Pixel normal = 0;
    XtVaGetValues(now, XmNbackground, &normal, nullptr);
    // With its shadows and label colour, so that no green edge stays.
    XmChangeColor(Feature_tbl[old_id].button, normal);
  }
  if (now) XmChangeColor(now, Green.pixel);
}

int main_interact_managethis(int id, int count, int *internal, int *numbers) {
  if (id < 0 || id >= FEATURE_ROWS) return -1;
  main_feature_modhighlight_windep(Interact_area_current, id);
  Interact_area_current = id;
  if (Feature_tbl[id].builder) Feature_tbl[id].builder(Main_interact_rowcol, count, internal, numbers);
  for (int r = 0; r < FEATURE_ROWS; r++) {
    Widget panel = Feature_tbl[r].panel;
    if (!panel) continue;
    if (r == id && !XtIsManaged(panel))
      XtManageChild(panel);
    else if (r != id && XtIsManaged(panel))
      XtUnmanageChild(panel);
  }
  return 1;
}

void main_featureinteract_refresh() {
  if (Interact_area_current >= 0) main_feature_manage(Interact_area_current, 1);
}

// Feature whose panel shows a part of the given type; -1 for frames,
// isovolumes and unknown types (the shown panel stays).
static int feature_of_part_type(int type) {
  static const int by_type[PART_TYPES] = {0, 4, 1, 0, -1, 2, 3, 8, 5, 7, 9, 0, 0, 0, -1, 10, 6, -1};
  return type >= 0 && type < PART_TYPES ? by_type[type] : -1;
}

int main_partlist_manageinteract() {
  int count = 0, *internal = nullptr, *numbers = nullptr;
  int shown = 0;
  if (selected_parts(PLIST_MAIN, &count, &internal, &numbers) == 1) {
    int feature = feature_of_part_type(get_part_type(numbers[0]));
    if (feature >= 0) {
      main_interact_managethis(feature, count, internal, numbers);
      part_rec_selparts(9, count, numbers, -1);
      shown = 1;
    }
  }
  free(internal);
  free(numbers);
  return shown;
}

void main_featurescroll_chngCB(Widget, XtPointer direction, XtPointer) {
  if (!Strip_vbar) return;
  const int step = (int)(Feature_icon_height * Feature_icon_scrollheightfrac);
  int value = 0, slider = 0, inc = 0, page = 0, min = 0, max = 0;
  XtVaGetValues(Strip_vbar, XmNvalue, &value, XmNsliderSize, &slider, XmNincrement, &inc,
                XmNpageIncrement, &page, XmNminimum, &min, XmNmaximum, &max, nullptr);
  if ((long)direction == 1) {
    value += step;
    slider = step;
    if (max < value + step) value = max - step;
    fprintf(stderr, "Up-Slider new value is %d.\n", value);
  } else {
    value -= step;
    if (value < min + slider) value -= slider;
    if (value < 0) value = 0;
    fprintf(stderr, "Down-Slider new value is %d.\n", value);
  }
  XmScrollBarSetValues(Strip_vbar, value, slider, inc, page, True);
}

static void show_widget(Widget w, bool shown) {
  if (!w) return;
  if (shown && !XtIsManaged(w)) XtManageChild(w);
  if (!shown && XtIsManaged(w)) XtUnmanageChild(w);
}

// Width one icon takes in the strip's row: its button and the row's spacing
// (an estimate of 44 + 12 pixels before any button exists).
static int icon_step() {
  Dimension spacing = 0;
  XtVaGetValues(Main_featureicon_rowcol, XmNspacing, &spacing, nullptr);
  for (const Feature_rec &r : Feature_tbl) {
    if (!r.button || !XtIsManaged(r.button)) continue;
    Dimension w = 0, b = 0;
    XtVaGetValues(r.button, XmNwidth, &w, XmNborderWidth, &b, nullptr);
    if (w > 0) return w + 2 * b + spacing;
  }
  return Feature_icon_width + 12;
}

void main_featureicon_resize(int width, int, XEvent *) {
  if (!Main_featureicon_scrollwin || !Main_featureicon_rowcol) return;
  // At every width, growing or shrinking (and at start): the arrows show
  // whenever some visible icons are on a row the strip does not show.
  if (width <= 0) return;
  int row_width = width - Feature_icon_width;
  if (row_width < 1) row_width = 1;
  XtVaSetValues(Main_featureicon_rowcol, XmNwidth, (Dimension)row_width, nullptr);
  int visible = 0;
  for (const Feature_rec &r : Feature_tbl) visible += r.visible ? 1 : 0;
  // A window narrower than one whole icon still holds one icon per row.
  int per_row = row_width / icon_step();
  if (per_row < 1) per_row = 1;
  int rows = visible / per_row + (visible % per_row ? 1 : 0);
  show_widget(Main_featscroll_up, rows >= 2);
  show_widget(Main_featscroll_down, rows >= 2);
  float row_height = Feature_icon_height * Feature_icon_scrollheightfrac;
  if (!Strip_vbar) return;
  int max = (int)(rows * row_height);
  int value = 0, slider = 0, min = 0;
  XtVaGetValues(Strip_vbar, XmNvalue, &value, XmNsliderSize, &slider, XmNminimum, &min, nullptr);
  if (max < min + 1) max = min + 1;
  if (slider > max - min) slider = max - min;
  // A row that no longer exists is not left shown: back to the first row.
  if (rows < 2 || value + slider > max) value = min;
  XtVaSetValues(Strip_vbar, XmNmaximum, max, XmNsliderSize, slider, nullptr);
  XmScrollBarSetValues(Strip_vbar, value, slider, 0, 0, True);
}

void main_feat_panel_reconfig(int count, Feature_rec *tbl) {
  for (int i = 0; i < count; i++)
    if (tbl[i].button) show_widget(tbl[i].button, tbl[i].visible == 1);
}
