// Feature Detail Editor shell (see detail_editor.h).  Owns the editor's
// feature table, its menu tables, the dialog and icon widgets, the two
// section-form holders and the immediate-modification flag.  The section
// forms are built by their subsystems' builders on first need and kept;
// only one is managed at a time.  The dialog is built on the first open and
// afterwards only managed and unmanaged.
#include "ui/detail_editor.h"

#include <Xm/CascadeBG.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/List.h>
#include <Xm/Protocols.h>
#include <Xm/RowColumn.h>
#include <Xm/ScrolledW.h>
#include <Xm/ToggleBG.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include "client/cases.h"
#include "palette/function.h"
#include "palette/ui/function_windep.h"
#include "parts/part_deteditor.h"
#include "parts/ui/part_detedit_windep.h"
#include "parts/ui/part_show.h"
#include "ui/balloon_help.h"
#include "ui/feature_icons.h"
#include "ui/dialog_frame.h"
#include "ui/general_windep.h"
#include "ui/help_menu.h"
#include "ui/interf_init.h"
#include "ui/main_intf.h"
#include "ui/main_window.h"
#include "ui/mainwin_state.h"
#include "ui/menus.h"
#include "ui/part_list.h"
#include "ui/textc_windep.h"
#include "ui/widget_helpers.h"
#include "ui/widgen.h"
#include "variables/variables.h"
#include "variables/variables_dlog.h"
#include "variables/ui/variables_windep.h"

static void deted_part_refresh();

#define VAR_ROW(label, id, icon)                                                        \
  {label, nullptr, var_gen_deteditor, var_dialog_init, var_dialog_varlistinit, fncedt_apply, \
   id, icon}
#define PART_ROW(label, id, icon)                                                         \
  {label, nullptr, part_gen_deteditor, deted_part_refresh, part_list_refresh,             \
   part_detedit_apply, id, icon}
Feature_edit_rec Feature_edtbl[DETEDIT_FEATURES + 1] = {
    VAR_ROW("Variables", 0, "colorpal.xpm"),
    VAR_ROW("Calculator", 1, "calc.xpm"),
    PART_ROW("Model", 2, "model.xpm"),
    PART_ROW("Contours", 3, "contour.xpm"),
    PART_ROW("Isosurfaces", 4, "iso.xpm"),
    PART_ROW("Traces", 5, "trace.xpm"),
    PART_ROW("Clips", 6, "clip.xpm"),
    PART_ROW("Vector\nArrows", 7, "arrow.xpm"),
    PART_ROW("Elevated\nSurfaces", 8, "elevsrf.xpm"),
    PART_ROW("Subset\nParts", 9, "subset.xpm"),
    PART_ROW("Profiles", 10, "profile.xpm"),
    PART_ROW("Developed\nSurfaces", 11, "devsrf.xpm"),
    PART_ROW("Tensor\nGlyphs", 12, "tensor.xpm"),
    {"", nullptr, nullptr, nullptr, nullptr, nullptr, -1, ""},
};
#undef VAR_ROW
#undef PART_ROW

// Part type each feature's section shows (-1 for the variables features).
static const int Feature_part_type[DETEDIT_FEATURES] = {-1, -1, 0, 2, 5, 6, 1, 8, 9, 15, 7, 10, 16};

enum { SECT_VARIABLES = 0, SECT_PARTS = 1 };
enum { SHOWN_PARTS = 1, SHOWN_VARIABLES = 2 };  // bits of Deted_shown_kinds

Widget Deted_geninfo_table[2] = {nullptr, nullptr};
int Deted_cur_feature = -1;
int Feature_edit_current = -1;
int Detedit_immed_mode = 1;
Widget Detaileditor_dialog = nullptr;
Widget Detedit_icon_scrollwin = nullptr;
Widget Detedit_icon_rowcol = nullptr;
static int Deted_shown_kinds = 0;  // SHOWN_* bits of the section kinds shown so far; only grows

Menu_item_rec Detled_file_menu[DETEDIT_FILE_ROWS] = {
    {"Save Selected Palette(s)", 'S', detedit_save_selpalettesCB, nullptr, XtarvPUSHBUTTON, 0, nullptr},
    {"Save All Palettes", 'A', detedit_save_allpalettesCB, nullptr, XtarvPUSHBUTTON, 0, nullptr},
    {"Restore Palette(s)", 'R', detedit_restore_paletteCB, nullptr, XtarvPUSHBUTTON, 0, nullptr},
    {"Save Selected Constant(s)", 'C', detedit_save_selconstantsCB, nullptr, XtarvPUSHBUTTON, 0, nullptr},
    {"Save All Constants", 'o', detedit_save_allconstantsCB, nullptr, XtarvPUSHBUTTON, 0, nullptr},
};
Menu_item_rec Detled_edit_menu[DETEDIT_EDIT_ROWS] = {
    {"Select All", 'S', detedit_list_selectallCB, nullptr, XtarvPUSHBUTTON, 0, nullptr},
    {"Copy", 'C', detedit_part_copyCB, nullptr, XtarvPUSHBUTTON, 0, nullptr},
    {"Sep", ' ', nullptr, nullptr, XtarvSEPARATOR, 0, nullptr},
    {"Delete", 'D', detedit_part_deleteCB, nullptr, XtarvPUSHBUTTON, 0, nullptr},
    {"Sep", ' ', nullptr, nullptr, XtarvSEPARATOR, 0, nullptr},
    {"Group...", 'G', detedit_part_groupCB, nullptr, XtarvPUSHBUTTON, 0, nullptr},
    {"Ungroup", 'U', detedit_part_ungroupCB, nullptr, XtarvPUSHBUTTON, 0, nullptr},
    {"Immediate Modification", 'I', detedit_immedmode_changeCB, nullptr, XtarvTOGGLEBUTTON, 0, nullptr},
};
Menu_item_rec Detled_view_menu[DETEDIT_VIEW_ROWS] = {
    {"Show Selected Part(s)...", 'S', part_show_selectedCB, nullptr, XtarvTOGGLEBUTTON, 0, nullptr},
};
Menu_item_rec Detled_help_menu[DETEDIT_HELP_ROWS] = {
    {"Detail Editor...", 'D', info_manCB, const_cast<char *>("HT-Misc-FDE"), XtarvPUSHBUTTON, 0, nullptr},
    {"Entity Selected...", 'E', detedit_infomanCB, nullptr, XtarvPUSHBUTTON, 0, nullptr},
};

static const char *const Feature_help_topic[DETEDIT_FEATURES] = {
    "HT-Var-Activate",   "HT-Var-Activate", "HT-Viz-Part",        "HT-Viz-Contour",
    "HT-Viz-Isosurface", "HT-Viz-Traces",   "HT-Viz-Clip",        "HT-Viz-Arrows",
    "HT-Viz-ElevSurf",   "HT-Viz-SubsetParts", "HT-Viz-Profile",  "HT-Viz-Developed",
    "HT-Viz-Tensor"};

const char *detedit_help_topic(int feature) {
  return feature >= 0 && feature < DETEDIT_FEATURES ? Feature_help_topic[feature] : nullptr;
}

static int section_kind(int feature) { return feature < 2 ? SECT_VARIABLES : SECT_PARTS; }

// ---- building ---------------------------------------------------------------------

int display_feature_edit_icons(Widget rowcol) {
  set_working_cursor("**Initializing Icons**");
  for (int i = 0; Feature_edtbl[i].label[0]; i++) {
    Feature_edit_rec &r = Feature_edtbl[i];
    char name[24];
    snprintf(name, sizeof name, "FeatureEd%d", i);
    Arg a[2];
    Cardinal n = 0;
    Pixmap pix = 0;
    if (!Noicons) {
      if (read_icon_picture(rowcol, r.icon_file, &pix) == 1) {
        XtSetArg(a[n], XmNlabelType, XmPIXMAP); n++;
        XtSetArg(a[n], XmNlabelPixmap, pix); n++;
      } else {
        fprintf(stderr, "Could not set up feature edit pixmaps.\n");
      }
    }
    r.button = XtarvCreateButton(rowcol, name, r.label, XtarvPUSHBUTTON, ' ',
                                 detedit_feat_selectCB, (XtPointer)(long)r.feature, a, n);
    add_balloon_handlers(r.button, 550 + i);
  }
  unset_working_cursor();
  return 1;
}

// The icon strip as high as its icons: one row of buttons and the
// horizontal scroll bar under it, and no vertical scroll bar (a fixed 66
// pixels cut the icons' lower quarter and squeezed one in).
static void fit_icon_strip() {
  Dimension tallest = 0;
  WidgetList kids = nullptr;
  Cardinal n = 0;
  XtVaGetValues(Detedit_icon_rowcol, XmNchildren, &kids, XmNnumChildren, &n, nullptr);
  for (Cardinal i = 0; i < n; i++) {
    Dimension h = 0, b = 0;
    XtVaGetValues(kids[i], XmNheight, &h, XmNborderWidth, &b, nullptr);
    tallest = std::max<Dimension>(tallest, h + 2 * b);
  }
  Dimension margin = 0, rc_shadow = 0;
  XtVaGetValues(Detedit_icon_rowcol, XmNmarginHeight, &margin, XmNshadowThickness, &rc_shadow,
                nullptr);
  Widget hbar = nullptr, vbar = nullptr;
  Dimension spacing = 0, shadow = 0, sw_margin = 0;
  XtVaGetValues(Detedit_icon_scrollwin, XmNhorizontalScrollBar, &hbar, XmNverticalScrollBar,
                &vbar, XmNspacing, &spacing, XmNshadowThickness, &shadow,
                XmNscrolledWindowMarginHeight, &sw_margin, nullptr);
  Dimension bar = 0;
  if (hbar) XtVaGetValues(hbar, XmNheight, &bar, nullptr);
  if (vbar) XtUnmanageChild(vbar);
  int height = tallest + 2 * (margin + rc_shadow) + 2 * (shadow + sw_margin) + spacing + bar;
  int part = static_cast<int>(Feature_icon_height * Feature_icon_createheightfrac) + 18;
  if (height > part) XtVaSetValues(Detedit_icon_scrollwin, XmNheight, height, nullptr);
}

// After the first showing, when the toolkit's own spacing left the strip's
// view lower than its row of icons, the strip grows by the difference.
static void refit_icon_strip() {
  static bool done = false;
  Widget clip = nullptr;
  XtVaGetValues(Detedit_icon_scrollwin, XmNclipWindow, &clip, nullptr);
  if (done || !clip || !XtIsRealized(clip)) return;
  done = true;
  Dimension view = 0, row = 0, strip = 0;
  XtVaGetValues(clip, XmNheight, &view, nullptr);
  XtVaGetValues(Detedit_icon_rowcol, XmNheight, &row, nullptr);
  XtVaGetValues(Detedit_icon_scrollwin, XmNheight, &strip, nullptr);
  if (view < row) XtVaSetValues(Detedit_icon_scrollwin, XmNheight, strip + (row - view), nullptr);
}

void gen_detailed_dialog() {
  if (Detaileditor_dialog) return;
  const Widgen_rec &row = Widgen_tbl[11];
  Arg a[12];
  XmString title = nullptr;
  Cardinal n = widgen_apply_args(11, a, 0, &title);
  if (row.width == -1 && row.height != -1) {  // the height applies on its own here
    XtSetArg(a[n], XmNheight, row.height); n++;
  }
  XtSetArg(a[n], XmNdefaultPosition, False); n++;
  XtSetArg(a[n], XmNautoUnmanage, False); n++;
  XtSetArg(a[n], XmNdeleteResponse, XmDO_NOTHING); n++;
  Detaileditor_dialog = XmCreateFormDialog(Main_win[0], const_cast<char *>("DetailEdDialog"), a, n);
  XmStringFree(title);
  Widget shell = XtParent(Detaileditor_dialog);
  Atom del = XmInternAtom(XtDisplay(shell), const_cast<char *>("WM_DELETE_WINDOW"), False);
  XmAddWMProtocolCallback(shell, del, detedit_closeCB, nullptr);

  Widget bar = XmCreateMenuBar(Detaileditor_dialog, const_cast<char *>("DetailEdMenuBar"), nullptr, 0);
  XtVaSetValues(bar, XmNtopAttachment, XmATTACH_FORM, XmNleftAttachment, XmATTACH_FORM,
                XmNrightAttachment, XmATTACH_FORM, nullptr);
  XtarvCreatePulldownMenu(bar, "File", 'F', nullptr, 0, Detled_file_menu, DETEDIT_FILE_ROWS, 0);
  XtarvCreatePulldownMenu(bar, "Edit", 'E', nullptr, 0, Detled_edit_menu, DETEDIT_EDIT_ROWS, 0);
  XtarvCreatePulldownMenu(bar, "View", 'V', nullptr, 0, Detled_view_menu, DETEDIT_VIEW_ROWS, 0);
  Widget help = XtarvCreatePulldownMenu(bar, "Help", 'H', nullptr, 0, Detled_help_menu,
                                        DETEDIT_HELP_ROWS, 0);
  XtVaSetValues(bar, XmNmenuHelpWidget, help, nullptr);
  XtManageChild(bar);
  XmToggleButtonGadgetSetState(Detled_edit_menu[DETEDIT_IMMED_ROW].widget, True, False);

  Widget frame = XtVaCreateManagedWidget(
      "DetEdIconFrame", xmFrameWidgetClass, Detaileditor_dialog, XmNtopAttachment,
      XmATTACH_WIDGET, XmNtopWidget, bar, XmNleftAttachment, XmATTACH_FORM, XmNrightAttachment,
      XmATTACH_FORM, nullptr);
  const int char_width = Menu_font_width > 0 ? Menu_font_width : 8;
  Detedit_icon_scrollwin = XtVaCreateManagedWidget(
      "DetEdIconScrollWin", xmScrolledWindowWidgetClass, frame, XmNscrollingPolicy, XmAUTOMATIC,
      XmNwidth, 38 * char_width + 96, XmNheight,
      static_cast<int>(Feature_icon_height * Feature_icon_createheightfrac) + 18, nullptr);
  Detedit_icon_rowcol = XtVaCreateManagedWidget("DetEdRowColumn", xmRowColumnWidgetClass,
                                                Detedit_icon_scrollwin, XmNorientation,
                                                XmHORIZONTAL, nullptr);
  display_feature_edit_icons(Detedit_icon_rowcol);
  fit_icon_strip();

  // The window keeps its size when a section is exchanged for a smaller
  // one (the section forms may even be empty); it grows for a larger one.
  XtVaSetValues(Detaileditor_dialog, XmNresizePolicy, XmRESIZE_GROW, nullptr);
  // Beside the main window rather than over its menu bar, and on the screen.
  place_beside(Detaileditor_dialog, Main_win[0]);
}

Widget detedit_section_form(const char *name) {
  if (!Detaileditor_dialog) return nullptr;
  Widget above = XtParent(Detedit_icon_scrollwin);  // the icon frame
  return XtVaCreateWidget(name, xmFormWidgetClass, Detaileditor_dialog, XmNtopAttachment,
                          XmATTACH_WIDGET, XmNtopWidget, above, XmNleftAttachment, XmATTACH_FORM,
                          XmNrightAttachment, XmATTACH_FORM, XmNbottomAttachment, XmATTACH_FORM,
                          nullptr);
}

// ---- opening and switching ------------------------------------------------------

// Holds the dialog's size for a section exchange (1) or lets it grow
// again (0); it never shrinks by itself.
static void hold_size(int hold) {
  XtVaSetValues(Detaileditor_dialog, XmNresizePolicy, hold ? XmRESIZE_NONE : XmRESIZE_GROW, nullptr);
  XtVaSetValues(XtParent(Detaileditor_dialog), XmNallowShellResize, hold ? False : True, nullptr);
}

static void show_widget_if(Widget w, bool show) {
  if (!w) return;
  if (show)
    XtManageChild(w);
  else
    XtUnmanageChild(w);
}

int detedit_feat_change(int f) {
  if (f < 0 || f >= DETEDIT_FEATURES || !Detaileditor_dialog) return -1;
  set_working_cursor("**Working**");
  const int kind = section_kind(f);
  if (kind == SECT_PARTS) Part_dlog_current = Feature_part_type[f];
  Widget was_managed = nullptr;
  for (Widget form : Deted_geninfo_table)
    if (form && XtIsManaged(form)) was_managed = form;
  if (!Deted_geninfo_table[kind]) Deted_geninfo_table[kind] = Feature_edtbl[f].builder();

  if (!Detedit_immed_mode) {
    part_clear_changeindicators(Part_wrkingchng_flags, Part_wrkingchng_desc_flag);
    if (Part_dlog_current >= 0 && Part_dlog_current < PART_ROUT_ROWS &&
        Part_rout[Part_dlog_current].clear_changes)
      Part_rout[Part_dlog_current].clear_changes(Part_wrking_attr, Part_wrkingchng_flags);
    fncedt_clear_changeindicators();
  }
  if (kind == SECT_PARTS) part_manage_create_sect(f);

  char label[32], title[64];
  snprintf(label, sizeof label, "%s", Feature_edtbl[f].label);
  for (char *c = label; *c; c++)
    if (*c == '\n') *c = ' ';
  snprintf(title, sizeof title, "Feature Detail Editor (%s)", label);
  XmString t = qvn_xmstring(title);
  XtVaSetValues(Detaileditor_dialog, XmNdialogTitle, t, nullptr);
  XmStringFree(t);

  Widget needed = Deted_geninfo_table[kind];
  if (needed) XtManageChild(needed);
  if (was_managed && was_managed != needed) XtUnmanageChild(was_managed);
  if (!XtIsManaged(Detaileditor_dialog)) XtManageChild(Detaileditor_dialog);

  if (Feature_edtbl[f].list_refresh) Feature_edtbl[f].list_refresh();
  Deted_cur_feature = f;

  const Boolean vars = kind == SECT_VARIABLES ? True : False;
  for (Menu_item_rec &r : Detled_file_menu) XtSetSensitive(r.widget, vars);
  for (int row : {1, 3, 5, 6}) XtSetSensitive(Detled_edit_menu[row].widget, !vars);
  XtSetSensitive(Detled_view_menu[0].widget, !vars);
  unset_working_cursor();
  return 1;
}

int detedit_manage(int mode, int section) {
  if (mode != 0 && mode != 2) return -1;
  if (mode == 2 && (section < 0 || section >= DETEDIT_FEATURES)) return -1;
  if (!Detaileditor_dialog) gen_detailed_dialog();
  if (!Detaileditor_dialog) return -1;
  const bool held = (Deted_shown_kinds & (SHOWN_PARTS | SHOWN_VARIABLES)) ==
                    (SHOWN_PARTS | SHOWN_VARIABLES);
  if (held) hold_size(1);

  int nvars = 0, one_var = -1, *vars = nullptr;
  if (mode == 0) {
    section = 0;
    const int panel = Interact_area_current;
    if (panel >= 0 && panel < VAR_PANEL_LISTS)
      var_index_from_list(panel + 6, Main_var_liststype[panel], Var_listbycase, &one_var, &vars,
                          &nvars);
  }
  detedit_feat_change(section);
  if (section_kind(section) == SECT_PARTS) {
    if (Parts_listw) XmListDeselectAllItems(Parts_listw);
    Deted_shown_kinds |= SHOWN_PARTS;
  } else {
    show_widget_if(Var_sumpalinfo_frame, section == 0);
    show_widget_if(Var_transresp_frame, false);
    show_widget_if(Var_create_frame, section == 1);
    var_transphasesect_init(0, 1);
    Deted_shown_kinds |= SHOWN_VARIABLES;
  }

  if (!XtIsManaged(Detaileditor_dialog)) XtManageChild(Detaileditor_dialog);
  refit_icon_strip();
  if (Feature_edtbl[section].refresh) Feature_edtbl[section].refresh();
  Feature_edit_current = section;

  if (nvars == 1 || (nvars > 1 && vars))
    var_select_in_list(0, nvars == 1 ? one_var : vars[0], 5, Var_listbycase, 1);
  free(vars);
  if ((Deted_shown_kinds & (SHOWN_PARTS | SHOWN_VARIABLES)) == (SHOWN_PARTS | SHOWN_VARIABLES))
    hold_size(0);
  return 1;
}

// ---- callbacks ------------------------------------------------------------------------

void detedit_feat_selectCB(Widget, XtPointer feature, XtPointer) {
  detedit_manage(2, (int)(long)feature);
}

void detedit_immedmode_changeCB(Widget w, XtPointer, XtPointer) {
  Detedit_immed_mode = XmToggleButtonGadgetGetState(w) ? 1 : 0;
  if (Deted_cur_feature < 0) return;
  if (section_kind(Deted_cur_feature) == SECT_VARIABLES)
    var_immedmode_change();
  else
    part_immedmode_change();
}

void detedit_apply_changeCB(Widget, XtPointer client, XtPointer call) {
  if (Deted_cur_feature < 0) return;
  const Feature_edit_rec &r = Feature_edtbl[Deted_cur_feature];
  if (r.apply) r.apply(client, call);
  if (r.refresh) r.refresh();
}

void detedit_closeCB(Widget, XtPointer, XtPointer) {
  if (Detaileditor_dialog) XtUnmanageChild(Detaileditor_dialog);
}

// Reloads the parts section's working selection from the rows selected in
// the editor's part list.
static void deted_part_refresh() {
  int *rows = nullptr, count = 0;
  if (Parts_listw && !XmListGetSelectedPos(Parts_listw, &rows, &count)) count = 0;
  part_detedit_refresh(0, 0, rows, count);
  XtFree(reinterpret_cast<char *>(rows));
}

void detedit_list_selectallCB(Widget, XtPointer, XtPointer) {
  if (Deted_cur_feature < 0) return;
  if (section_kind(Deted_cur_feature) == SECT_PARTS) {
    if (Parts_listw) select_all_parts(Parts_listw);
    deted_part_refresh();
  } else {
    if (Var_avail_list) select_all_parts(Var_avail_list);
    var_avail_select(0);
  }
}

// The File rows ask for a local file, then run their routine on it.
static void ask_file(void (*okay)()) { fsel_select(9, nullptr, nullptr, nullptr, 0, okay, nullptr); }

void detedit_save_selpalettesCB(Widget, XtPointer, XtPointer) { ask_file(fncedt_getfile_saveselpalettes); }
void detedit_save_allpalettesCB(Widget, XtPointer, XtPointer) { ask_file(fncedt_getfile_saveallpalettes); }
void detedit_restore_paletteCB(Widget, XtPointer, XtPointer) { ask_file(fncedt_getfile_restorepalettes); }
void detedit_save_selconstantsCB(Widget, XtPointer, XtPointer) { ask_file(var_getfile_saveselconstants); }
void detedit_save_allconstantsCB(Widget, XtPointer, XtPointer) { ask_file(var_getfile_saveallconstants); }

void detedit_part_copyCB(Widget, XtPointer, XtPointer) { part_copy_from_list(0); }
void detedit_part_deleteCB(Widget, XtPointer, XtPointer) { part_delete_from_list(0); }
void detedit_part_groupCB(Widget, XtPointer, XtPointer) { part_group_from_list(0); }
void detedit_part_ungroupCB(Widget, XtPointer, XtPointer) { part_ungroup_from_list(0); }

void detedit_infomanCB(Widget w, XtPointer, XtPointer call) {
  const char *topic = detedit_help_topic(Feature_edit_current);
  if (topic) info_manCB(w, const_cast<char *>(topic), call);
}
