// Quick-edit column (see qedit_icons.h).  Owns the column's widgets, the
// selector table and the six icon tables (their rows' widgets are written
// once when the panels are built; their visible flags by the icon-bar
// preferences), the saved scroll position of each mode and the
// transformation mode saved while frame mode is current.
#include "ui/qedit_icons.h"

#include <Xm/ArrowB.h>
#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/LabelG.h>
#include <Xm/PushB.h>
#include <Xm/RowColumn.h>
#include <Xm/ScrollBar.h>
#include <Xm/ScrolledW.h>
#include <Xm/ToggleB.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "client/cases.h"
#include "client/command_dlog.h"
#include "data/data_dlog.h"
#include "data/ui/data_windep.h"
#include "interact/movmnt.h"
#include "palette/annotate.h"
#include "palette/ui/annot_panel.h"
#include "parts/ui/qedit_part.h"
#include "query/plotter.h"
#include "query/ui/plot_panel.h"
#include "render/disobj.h"
#include "render/display.h"
#include "render/entlbl.h"
#include "render/ui/entlbl_dialog.h"
#include "render/ui/view_menu.h"
#include "render/view_toggles.h"
#include "ui/balloon_help.h"
#include "ui/general_windep.h"
#include "ui/interf_init.h"
#include "ui/main_toggles.h"
#include "ui/main_window.h"
#include "ui/menus.h"
#include "ui/part_list.h"
#include "ui/textc_windep.h"
#include "ui/transf_buttons.h"
#include "ui/widget_helpers.h"
#include "view/frames.h"
#include "view/ui/frame_panel.h"
#include "view/observer.h"
#include "view/transf_editor.h"
#include "view/ui/transf_dialog.h"
#include "view/viewports.h"
#include "view/ui/viewport_panel.h"

#define BUTTON(tag, label, order, icon, cb) \
  {tag, label, 1, order, 1, 1, cb, nullptr, nullptr, icon, nullptr, 0}
#define CHOICES(tag, label, order, icon, menu) \
  {tag, label, 13, order, 1, 1, okcallback, nullptr, nullptr, icon, menu, \
   (int)(sizeof menu / sizeof menu[0])}

Qedit_icon_rec Qedit_scene_tbl[QEDIT_SCENE_ROWS] = {
    BUTTON("SCEN_HIDSRF", "Hidden\nSurface", 1, "hsurf.xpm", qedit_hsurf_chngCB),
    BUTTON("SCEN_HIDLIN", "Hidden\nLine", 2, "hline.xpm", qedit_hline_chngCB),
    BUTTON("SCEN_ELMLBL", "Element\nLabeling", 3, "elemlblvis.xpm", qedit_elmlbl_chngCB),
    BUTTON("SCEN_NODLBL", "Node\nLabeling", 4, "nodelblvis.xpm", qedit_nodlbl_chngCB),
    BUTTON("SCEN_LBLATT", "Labeling\nAttrs", 5, "labelattrs.xpm", entlbl_manageCB),
    BUTTON("SCEN_AUXCLP", "Auxiliary\nClipping", 6, "auxclip.xpm", qedit_auxclip_chngCB),
    BUTTON("SCEN_GLVIS", "Global Axis\nTriad Visi.", 7, "axisglobal.xpm", frame_globalvis_chngCB),
};
Qedit_icon_rec Qedit_part_tbl[QEDIT_PART_ROWS] = {
    CHOICES("PART_PICKOB", "Pick\nObject", 1, "partpick.xpm", Qedit_picktype_menu),
    BUTTON("PART_VISIBL", "Visibility", 2, "genvisible.xpm", qedit_partvis_chngCB),
    BUTTON("PART_VEWVIS", "Per Viewport\nVisi.", 3, "viewportvis.xpm",
           qedit_partviewpvis_manageCB),
    CHOICES("PART_LINWID", "Line\nWidth", 4, "linewidth.xpm", Qedit_partlinew_menu),
    BUTTON("PART_OPACIT", "Transparency", 5, "transparency.xpm", qedit_parttransp_manageCB),
    CHOICES("PART_ELMREP", "Element\nRepresent", 6, "surfacerep.xpm", Qedit_partrep_menu),
    CHOICES("PART_SYMMET", "Symmetry", 7, "symmetry.xpm", Qedit_partsymm_menu),
    BUTTON("PART_HIDSRF", "Hidden\nSurface", 8, "hsurf.xpm", qedit_parthsurf_chngCB),
    BUTTON("PART_HIDLIN", "Hidden\nLine", 9, "hline.xpm", qedit_parthline_chngCB),
    CHOICES("PART_SHADNG", "Shading\nType", 10, "shadetype.xpm", Qedit_partshadtyp_menu),
    BUTTON("PART_ELMLBL", "Element\nLabeling", 11, "elemlblvis.xpm", qedit_partelemlbl_chngCB),
    BUTTON("PART_NODLBL", "Node\nLabeling", 12, "nodelblvis.xpm", qedit_partnodelbl_chngCB),
    BUTTON("PART_AUXCLP", "Auxiliary\nClipping", 13, "auxclip.xpm", qedit_partauxclip_chngCB),
    BUTTON("PART_NODREP", "Node\nRepresent", 14, "noderep.xpm", qedit_partnoderep_manageCB),
    CHOICES("PART_BNDREP", "Fast\nRep.", 15, "boundbox.xpm", Qedit_partboundrep_menu),
    BUTTON("PART_SELALL", "Select\nAll...", 16, "selectall.xpm", mainedit_part_selectallCB),
    BUTTON("PART_DELETE", "Delete...", 17, "delete.xpm", mainedit_part_deleteCB),
};
Qedit_icon_rec Qedit_annot_tbl[QEDIT_ANNOT_ROWS] = {
    BUTTON("ANNO_TXTNEW", "New\nText...", 1, "newtext.xpm", annot_text_managenewCB),
    BUTTON("ANNO_LINNEW", "New\nLine", 2, "newline.xpm", annot_line_newCB),
    BUTTON("ANNO_LOGNEW", "New\nLogo...", 3, "newlogo.xpm", annot_logo_newCB),
    BUTTON("ANNO_OVISIB", "Visibility", 4, "genvisible.xpm", annot_vis_chngCB),
    BUTTON("ANNO_OCOLOR", "Color...", 5, "smallcolor.xpm", annot_rgb_manageselectCB),
    BUTTON("ANNO_OLOCAT", "Location...", 6, "objectloca.xpm", annot_loca_manageCB),
    CHOICES("ANNO_TXTJST", "Text\nJustify", 8, "textjust.xpm", Annottext_just_menu),
    BUTTON("ANNO_TXTSIZ", "Text\nSize...", 7, "textsize.xpm", annot_textsizrot_manageCB),
    BUTTON("ANNO_TXTROT", "Text\nRotation...", 9, "textrotate.xpm", annot_textsizrot_manageCB),
    CHOICES("ANNO_LINARO", "Line\nArrowheads", 10, "linearrows.xpm", Annotline_arrow_menu),
    CHOICES("ANNO_LINWID", "Line\nWidth", 11, "linewidth.xpm", Annotline_width_menu),
    BUTTON("ANNO_LOGSIZ", "Logo\nSize...", 12, "logosize.xpm", annot_logoscale_manageCB),
    CHOICES("ANNO_LGNTYP", "Legend\nType", 13, "legendtype.xpm", Annolgnd_type_menu),
    CHOICES("ANNO_LGNTTL", "Legend\nTitle Loc.", 14, "legendtitlepos.xpm", Annolgnd_title_menu),
    CHOICES("ANNO_LGNTLO", "Legend\nText Disp.", 15, "legendtextpos.xpm", Annolgnd_textpos_menu),
    BUTTON("ANNO_LGNTSZ", "Legend\nText Size...", 16, "legendtextsize.xpm",
           annot_lgndtsize_manageCB),
    BUTTON("ANNO_LGNTFM", "Legend\nText Format...", 17, "legendtextformat.xpm",
           annot_lgndtformat_manageCB),
    BUTTON("ANNO_LGNORI", "Legend\nOrientation", 18, "legendorient.xpm", annot_lgndorient_chngCB),
    BUTTON("ANNO_SELALL", "Select\nAll...", 19, "selectall2.xpm", annot_selectall_manageCB),
    BUTTON("ANNO_ODELET", "Delete", 20, "delete.xpm", annot_deleteCB),
    BUTTON("ANNO_SHOWDF", "Annot\nDefaults", 21, "annotdefaults.xpm", annot_showalldefaults_chng),
};
Qedit_icon_rec Qedit_graph_tbl[QEDIT_GRAPH_ROWS] = {
    BUTTON("PLOT_VISBLE", "Visibility", 1, "genvisible.xpm", plot_vis_chngCB),
    BUTTON("PLOT_PLATTR", "Plot\nAttrs...", 2, "graphattr.xpm", plot_plotattr_manageCB),
    BUTTON("PLOT_AXATTR", "Axis\nAttrs...", 3, "graphaxisattr.xpm", plot_axisattr_manageCB),
    BUTTON("PLOT_CVATTR", "Curve\nAttrs...", 4, "curveattr.xpm", plot_curveattr_manageCB),
    BUTTON("PLOT_SELALL", "Select\nAll...", 5, "selectall2.xpm", plot_selectall_manageCB),
    BUTTON("PLOT_DELETE", "Delete\nPlotter", 6, "delete.xpm", plot_deleteCB),
};
Qedit_icon_rec Qedit_viewport_tbl[QEDIT_VIEWPORT_ROWS] = {
    CHOICES("VPRT_LAYOT", "Viewport\nLayouts", 1, "viewportlayout.xpm", Viewp_layout_menu),
    BUTTON("VPRT_VPNEW", "New\nViewport", 2, "newviewport.xpm", viewp_newCB),
    BUTTON("VPRT_VISIB", "Visibility", 3, "genvisible.xpm", viewp_vis_chngCB),
    BUTTON("VPRT_RAISE", "Bring\nForward", 4, "viewportraise.xpm", viewp_pushpopCB),
    BUTTON("VPRT_LOWER", "Move\nBack", 5, "viewportlower.xpm", viewp_pushpopCB),
    BUTTON("VPRT_COLOR", "Color...", 6, "smallcolor.xpm", viewp_colorattr_manageCB),
    BUTTON("VPRT_BORDR", "Border...", 7, "viewportborder.xpm", viewp_borderattr_manageCB),
    BUTTON("VPRT_LOCAT", "Location...", 8, "genericloca.xpm", viewp_locaattr_manageCB),
    BUTTON("VPRT_VWSET", "Special\nAttrs...", 9, "viewportviewset.xpm", viewp_specialattr_manageCB),
    BUTTON("VPRT_SELAL", "Select\nAll...", 10, "selectall.xpm", viewp_selectallCB),
    BUTTON("VPRT_DELET", "Delete", 11, "delete.xpm", viewp_deleteCB),
};
Qedit_icon_rec Qedit_frame_tbl[QEDIT_FRAME_ROWS] = {
    BUTTON("FRAM_FRNEW", "New\nFrame", 1, "framenew.xpm", frame_newCB),
    BUTTON("FRAM_ASIGN", "Assign\nParts", 2, "frameassign.xpm", frame_assignpartsCB),
    CHOICES("FRAM_AXPRT", "Transform\nor Define", 11, "frametransf.xpm", Frame_transf_menu),
    BUTTON("FRAM_VISIB", "Visibility", 3, "genvisible.xpm", frame_vis_chngCB),
    BUTTON("FRAM_COLOR", "Color...", 4, "smallcolor.xpm", frame_rgb_manageselectCB),
    CHOICES("FRAM_LINWI", "Line\nWidth", 5, "linewidth.xpm", Frame_linew_menu),
    BUTTON("FRAM_AXATT", "Axis...", 6, "frameaxisattr.xpm", frame_axisattr_manageCB),
    BUTTON("FRAM_COSYM", "Computa.\nSymmetry...", 7, "framecsym.xpm", frame_csymattr_manageCB),
    CHOICES("FRAM_FRTYP", "Coordinate\nSystem", 8, "frametype.xpm", Frame_type_menu),
    BUTTON("FRAM_LOCAT", "Location...", 9, "genericloca.xpm", frame_locattr_manageCB),
    BUTTON("FRAM_LOVIS", "All Triad\nVisibility", 10, "axislocal.xpm", frame_localvis_chngCB),
    BUTTON("FRAM_SELAL", "Select\nAll...", 12, "selectall.xpm", frame_selectallCB),
    BUTTON("FRAM_DELET", "Delete", 13, "delete.xpm", frame_deleteCB),
};
#undef BUTTON
#undef CHOICES

static void scene_refresh() { qedit_scene_refresh(); }

Qedit_selector_rec Qedit_selectbut_tbl[QEDIT_PANELS] = {
    {"MODE_PART", "P\na\nr\nt", nullptr, 1, qedit_part_refresh},
    {"MODE_ANNO", "A\nn\nn\no\nt", nullptr, 3, annot_icons_refresh},
    {"MODE_PLOT", "P\nl\no\nt", nullptr, 4, plot_icons_refresh},
    {"MODE_VPRT", "V\np\no\nr\nt", nullptr, 5, viewp_icons_refresh},
    {"MODE_FRAM", "F\nr\na\nm\ne", nullptr, 2, frame_icons_refresh},
    {"MODE_SCEN", "V\ni\ne\nw", nullptr, 0, scene_refresh},
};

Widget Qedit_iconform = nullptr;
Widget Qedit_select_rowcol = nullptr;
Widget Qedit_icon_scrollwin = nullptr;
Widget Qedit_icon_scrollhoriz = nullptr;
Widget Qedit_icon_scrollvert = nullptr;
Widget Qedit_iconpanel_rowcol = nullptr;
Widget Qedit_icon_rowcol[QEDIT_PANELS] = {};
Widget Qedit_iconuparrow_but = nullptr;
Widget Qedit_icondownarrow_but = nullptr;
Widget Qedit_partviewpvis_dialog = nullptr;
int Show_icon_labels = 0;
int Frame_mode_allowed = 1;
int View_mode_allowed = 1;

static int Saved_scroll[QEDIT_PANELS];   // vertical scroll position per mode, 0 at start
static int Saved_what_trans = -99;       // What_trans saved on entering frame mode, -99 none

#define SCROLL_STEP (4 * Feature_icon_height)  // 124 px per arrow press

static std::string replace_newlines(const char *text, char with) {
  std::string s(text);
  for (char &c : s)
    if (c == '\n') c = with;
  return s;
}

static void show_widget(Widget w, bool shown) {
  if (!w) return;
  if (shown && !XtIsManaged(w)) XtManageChild(w);
  if (!shown && XtIsManaged(w)) XtUnmanageChild(w);
}

// ---- building ------------------------------------------------------------------

// The choices of a kind-13 row: a menu bar holding the pulldown, its cascade
// showing the picture.
static Widget choice_icon(Widget parent, const std::string &name, Qedit_icon_rec &r, Pixmap pix,
                          long balloon) {
  Arg a[4];
  Cardinal n = 0;
  XtSetArg(a[n], XmNmarginWidth, 0); n++;
  XtSetArg(a[n], XmNmarginHeight, 0); n++;
  Widget bar = XmCreateMenuBar(parent, const_cast<char *>(name.c_str()), a, n);
  add_balloon_handlers(bar, balloon);
  Widget cascade = XtarvCreatePulldownMenu(bar, r.label, ' ', nullptr, 0, r.options,
                                           r.option_count, 0);
  if (pix && cascade)
    XtVaSetValues(cascade, XmNlabelType, XmPIXMAP, XmNlabelPixmap, pix, XmNmarginWidth, 1,
                  XmNmarginHeight, 0, XmNmarginTop, 0, XmNmarginBottom, 0, XmNmarginLeft, 0,
                  XmNmarginRight, 0, nullptr);
  if (r.visible) XtManageChild(bar);
  return bar;
}

void gen_qedit_panel(int panel, const char *prefix, Qedit_icon_rec *tbl, int rows, int balloon) {
  Widget parent = Qedit_icon_rowcol[panel];
  for (int pos = 1; pos <= rows; pos++) {
    int j = 0;
    while (j < rows && tbl[j].order != pos) j++;
    if (j == rows) continue;
    Qedit_icon_rec &r = tbl[j];
    Pixmap pix = 0;
    read_icon_picture(parent, r.icon_file, &pix);
    std::string name = std::string(prefix) + replace_newlines(r.label, '_');
    if (r.kind == 13) {
      r.button = choice_icon(parent, name, r, pix, balloon + j);
    } else if (r.kind == 14) {
      r.button = XtarvCreateOptionMenu(parent, name.c_str(), "", nullptr, 0, r.options,
                                       r.option_count, 0);
      show_widget(r.button, r.visible == 1);
    } else {
      Arg a[6];
      Cardinal n = 0;
      XtSetArg(a[n], XmNmultiClick, XmMULTICLICK_KEEP); n++;
      XtSetArg(a[n], XmNalignment, XmALIGNMENT_CENTER); n++;
      if (pix) {
        XtSetArg(a[n], XmNlabelType, XmPIXMAP); n++;
        XtSetArg(a[n], XmNlabelPixmap, pix); n++;
      }
      r.button = XtarvCreateButton(parent, name.c_str(), r.label, r.kind, ' ', r.callback,
                                   nullptr, a, n);
      if (!r.visible) XtUnmanageChild(r.button);
      add_balloon_handlers(r.button, balloon + j);
    }
    std::string caption = replace_newlines(r.label, ' ');
    XmString cs = qvn_xmstring(caption.c_str());
    Arg a[2];
    Cardinal n = 0;
    XtSetArg(a[n], XmNlabelString, cs); n++;
    if (Lmenufont) {
      XtSetArg(a[n], XmNfontList, Lmenufont); n++;
    }
    r.caption = XmCreateLabelGadget(parent, const_cast<char *>("HelpLabel"), a, n);
    XmStringFree(cs);
    if (r.visible && Show_icon_labels) XtManageChild(r.caption);
  }
}

void qedit_setup_viewportmenuicons() {
  static const char *const pictures[6] = {"viewport1.xpm",  "viewport2v.xpm",  "viewport2h.xpm",
                                          "viewport4q.xpm", "viewport43v.xpm", "viewport43h.xpm"};
  for (int i = 0; i < 6; i++) {
    Widget w = Viewp_layout_menu[i].widget;
    Pixmap pix = 0;
    if (w && read_icon_picture(w, pictures[i], &pix) == 1)
      XtVaSetValues(w, XmNlabelType, XmPIXMAP, XmNlabelPixmap, pix, nullptr);
  }
}

static void paint_selector(Widget button, Pixel bg);

static void build_selectors() {
  Arg a[8];
  Cardinal n = 0;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNtopOffset, 0); n++;
  XtSetArg(a[n], XmNorientation, XmHORIZONTAL); n++;
  XtSetArg(a[n], XmNpacking, XmPACK_COLUMN); n++;
  XtSetArg(a[n], XmNnumColumns, QEDIT_PANELS); n++;
  XtSetArg(a[n], XmNmarginWidth, 0); n++;
  XtSetArg(a[n], XmNmarginHeight, 0); n++;
  Qedit_select_rowcol =
      XmCreateRowColumn(Qedit_iconform, const_cast<char *>("qeditselectRowCol"), a, n);
  bool part_done = false;
  for (int r = 0; r < QEDIT_PANELS; r++) {
    Qedit_selector_rec &s = Qedit_selectbut_tbl[r];
    char name[32];
    snprintf(name, sizeof name, "qeditselect%d", r);
    XmString text = qvn_xmstring(s.label);
    n = 0;
    XtSetArg(a[n], XmNlabelString, text); n++;
    s.button = XmCreatePushButton(Qedit_select_rowcol, name, a, n);
    if (s.mode == 1 && !part_done) {
      paint_selector(s.button, Green.pixel);
      part_done = true;
    }
    XmStringFree(text);
    XtAddCallback(s.button, XmNactivateCallback, qedit_switch_iconsCB, (XtPointer)(long)s.mode);
    add_balloon_handlers(s.button, 50 + r);
    XtManageChild(s.button);
  }
  if (!View_mode_allowed) XtUnmanageChild(Qedit_selectbut_tbl[5].button);
  if (!Frame_mode_allowed) XtUnmanageChild(Qedit_selectbut_tbl[4].button);
  XtManageChild(Qedit_select_rowcol);
}

static void build_panel_area() {
  Arg a[10];
  Cardinal n = 0;
  XtSetArg(a[n], XmNtopAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNrightAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNbottomAttachment, XmATTACH_FORM); n++;
  XtSetArg(a[n], XmNleftAttachment, XmATTACH_WIDGET); n++;
  XtSetArg(a[n], XmNleftWidget, Qedit_select_rowcol); n++;
  XtSetArg(a[n], XmNwidth, (int)(Mode_icon_width * Feature_icon_createheightfrac)); n++;
  XtSetArg(a[n], XmNscrollingPolicy, XmAUTOMATIC); n++;
  Qedit_icon_scrollwin =
      XmCreateScrolledWindow(Qedit_iconform, const_cast<char *>("qediticonScrollWin"), a, n);
  XtVaGetValues(Qedit_icon_scrollwin, XmNverticalScrollBar, &Qedit_icon_scrollvert,
                XmNhorizontalScrollBar, &Qedit_icon_scrollhoriz, nullptr);
  if (Qedit_icon_scrollvert) XtUnmanageChild(Qedit_icon_scrollvert);
  if (Qedit_icon_scrollhoriz) XtUnmanageChild(Qedit_icon_scrollhoriz);

  n = 0;
  XtSetArg(a[n], XmNborderWidth, 1); n++;
  Widget frame = XmCreateFrame(Qedit_icon_scrollwin, const_cast<char *>("qediticonFrame"), a, n);
  n = 0;
  XtSetArg(a[n], XmNorientation, XmHORIZONTAL); n++;
  XtSetArg(a[n], XmNpacking, XmPACK_COLUMN); n++;
  XtSetArg(a[n], XmNnumColumns, 1); n++;
  XtSetArg(a[n], XmNmarginWidth, 0); n++;
  XtSetArg(a[n], XmNmarginHeight, 0); n++;
  Qedit_iconpanel_rowcol = XmCreateRowColumn(frame, const_cast<char *>("qediticonpanelRowCol"), a, n);
  XtAddEventHandler(Qedit_iconpanel_rowcol, StructureNotifyMask, False,
                    main_moderowcol_reconfigureECB, nullptr);
  for (int p = 0; p < QEDIT_PANELS; p++) {
    char name[32];
    snprintf(name, sizeof name, "qediticon%dRowCol", p);
    n = 0;
    XtSetArg(a[n], XmNorientation, XmVERTICAL); n++;
    XtSetArg(a[n], XmNpacking, XmPACK_TIGHT); n++;
    XtSetArg(a[n], XmNnumColumns, 1); n++;
    XtSetArg(a[n], XmNmarginWidth, 0); n++;
    XtSetArg(a[n], XmNmarginHeight, 0); n++;
    Qedit_icon_rowcol[p] = XmCreateRowColumn(Qedit_iconpanel_rowcol, name, a, n);
    if (p == 0) XtManageChild(Qedit_icon_rowcol[p]);
  }
  gen_qedit_panel(5, "QedScene", Qedit_scene_tbl, QEDIT_SCENE_ROWS, 100);
  gen_qedit_panel(0, "QedLocal", Qedit_part_tbl, QEDIT_PART_ROWS, 150);
  gen_qedit_panel(1, "QedTexta", Qedit_annot_tbl, QEDIT_ANNOT_ROWS, 200);
  gen_qedit_panel(2, "QedGraph", Qedit_graph_tbl, QEDIT_GRAPH_ROWS, 250);
  gen_qedit_panel(3, "QedViewp", Qedit_viewport_tbl, QEDIT_VIEWPORT_ROWS, 300);
  qedit_setup_viewportmenuicons();
  gen_qedit_panel(4, "QedFrame", Qedit_frame_tbl, QEDIT_FRAME_ROWS, 350);
  XtManageChild(Qedit_iconpanel_rowcol);
  XtManageChild(frame);
  XtVaSetValues(Qedit_icon_scrollwin, XmNworkWindow, frame, nullptr);
  XtManageChild(Qedit_icon_scrollwin);
}

// The arrows sit at the top and the bottom of the icon panel's column, so
// that showing them moves only the panel and never the selector column.
static void build_arrows() {
  for (int down = 0; down < 2; down++) {
    Arg a[9];
    Cardinal n = 0;
    XtSetArg(a[n], down ? XmNbottomAttachment : XmNtopAttachment, XmATTACH_FORM); n++;
    XtSetArg(a[n], XmNleftAttachment, XmATTACH_WIDGET); n++;
    XtSetArg(a[n], XmNleftWidget, Qedit_select_rowcol); n++;
    XtSetArg(a[n], XmNrightAttachment, XmATTACH_FORM); n++;
    XtSetArg(a[n], XmNheight, 3 * Menu_font_size); n++;
    XtSetArg(a[n], XmNhighlightThickness, 1); n++;
    XtSetArg(a[n], XmNarrowDirection, down ? XmARROW_DOWN : XmARROW_UP); n++;
    Widget b = XmCreateArrowButton(
        Qedit_iconform, const_cast<char *>(down ? "ModeScrollDnButton" : "ModeScrollUpButton"), a, n);
    XtAddCallback(b, XmNactivateCallback, main_qeditscroll_chngCB, (XtPointer)(long)down);
    (down ? Qedit_icondownarrow_but : Qedit_iconuparrow_but) = b;
  }
}

Widget gen_qedit_iconsection(Widget parent, ArgList args, Cardinal nargs) {
  Qedit_iconform = XmCreateForm(parent, const_cast<char *>("qediticonDialog"), args, nargs);
  build_selectors();
  build_panel_area();
  build_arrows();
  qedit_part_refresh();
  return Qedit_iconform;
}

// ---- switching modes -----------------------------------------------------------

static int scroll_value() {
  int value = 0;
  if (Qedit_icon_scrollvert) XtVaGetValues(Qedit_icon_scrollvert, XmNvalue, &value, nullptr);
  return value;
}

void qedit_switch_iconsCB(Widget, XtPointer mode, XtPointer) {
  if (Current_mode >= 0 && Current_mode < QEDIT_PANELS) Saved_scroll[Current_mode] = scroll_value();
  const int m = (int)(long)mode;
  if (qedit_switch_iconpanel_windep(m, 1) < 0 || !Qedit_icon_scrollvert) return;
  int value = 0, slider = 0, inc = 0, page = 0;
  XmScrollBarGetValues(Qedit_icon_scrollvert, &value, &slider, &inc, &page);
  XmScrollBarSetValues(Qedit_icon_scrollvert, Saved_scroll[m], slider, inc, page, True);
}

// The normal button background: that of the "Transf. Edit..." button.
static Pixel normal_background() {
  Pixel bg = 0;
  for (const Transf_button_rec &r : Qedit_transfbut_tbl)
    if (r.button && strcmp(r.label, "Transf. Edit...") == 0) {
      XtVaGetValues(r.button, XmNbackground, &bg, nullptr);
      return bg;
    }
  // Without the bottom row the selectors' own column has the normal colour.
  if (Qedit_select_rowcol) XtVaGetValues(Qedit_select_rowcol, XmNbackground, &bg, nullptr);
  return bg;
}

// Gives a selector the background bg with the shadows that go with it (so
// that a selector losing the highlight keeps no green edge) and the label
// colour of the column's other selectors.
static void paint_selector(Widget button, Pixel bg) {
  Pixel fg = 0;
  XtVaGetValues(button, XmNforeground, &fg, nullptr);
  XmChangeColor(button, bg);
  XtVaSetValues(button, XmNforeground, fg, nullptr);
}

static void draw_mode_screen(int mode) {
  switch (mode) {
    case 5: display_viewport_mode(); break;
    case 4: display_plotter_mode(); break;
    case 3: display_annotation_mode(); break;
    case 2:
      viewports_display_all();
      frame_notification_mesg_windep();
      break;
    default: viewports_display_all(); break;
  }
}

static void set_what_trans(int value) {
  What_trans = value;
  if (Recrdr == 1) transf_record_whattrans(What_trans);
  transf_dialog_init();
}

// 1 when the frame panel's "Transform" choice is set.
static bool transform_chosen() {
  Widget w = Frame_transf_menu[0].widget;
  if (w) return XmToggleButtonGetState(w) == True;
  return Frame_current_transmode == 1;
}

int qedit_switch_iconpanel_windep(int mode, int follow_transf) {
  int row = -1;
  for (int r = 0; r < QEDIT_PANELS && row < 0; r++)
    if (Qedit_selectbut_tbl[r].mode == mode) row = r;
  if (row < 0) {
    fprintf(stderr, "Bad QuickEdit panel.\n");
    return -1;
  }
  if (Qedit_selectbut_tbl[row].button) paint_selector(Qedit_selectbut_tbl[row].button, Green.pixel);
  const Pixel normal = normal_background();
  for (int r = 0; r < QEDIT_PANELS; r++) {
    Widget panel = Qedit_icon_rowcol[r];
    if (!panel) continue;
    if (r == row) {
      show_widget(panel, true);
    } else if (XtIsManaged(panel)) {
      XtUnmanageChild(panel);
      if (Qedit_selectbut_tbl[r].button) paint_selector(Qedit_selectbut_tbl[r].button, normal);
    }
  }
  Current_mode = mode;
  if (Current_mode != Last_current_mode) draw_mode_screen(Current_mode);
  Last_current_mode = Current_mode;
  if (Qedit_selectbut_tbl[row].refresh) Qedit_selectbut_tbl[row].refresh();
  if (follow_transf) {
    if (mode == 2) {
      Saved_what_trans = What_trans;
      set_what_trans(transform_chosen() ? 1 : 10);
    } else {
      int restored = Saved_what_trans == -99 ? 0 : Saved_what_trans;
      if (restored == 1 || restored == 10) restored = 0;
      Saved_what_trans = -99;
      set_what_trans(restored);
    }
  }
  return 1;
}

void qedit_panel_refresh_windep() {
  if (What_trans == 1 || What_trans == 10) {
    Frame_current_transmode = What_trans;
    frame_icons_refresh();
    qedit_switch_iconpanel_windep(2, 0);
  } else {
    qedit_switch_iconpanel_windep(1, 0);
  }
}

// ---- drawing an icon's state --------------------------------------------------

// The picture shown by a button, 0 when it shows text.
static Pixmap button_picture(Widget button) {
  unsigned char type = XmSTRING;
  Pixmap pix = XmUNSPECIFIED_PIXMAP;
  XtVaGetValues(button, XmNlabelType, &type, XmNlabelPixmap, &pix, nullptr);
  if (type != XmPIXMAP || pix == XmUNSPECIFIED_PIXMAP) return 0;
  return pix;
}

// Has the button draw its picture again.  Only the button's own area is
// cleared and exposed: switching the label to text and back would resize the
// button twice and lay the whole column out again, leaving every icon of the
// column blank until the column had been exposed anew.
static void show_changed_picture(Widget button) {
  if (!XtIsRealized(button)) return;
  Display *dpy = XtDisplay(button);
  if (XtIsWidget(button)) {
    XClearArea(dpy, XtWindow(button), 0, 0, 0, 0, True);
  } else {
    Position x = 0, y = 0;
    Dimension w = 0, h = 0;
    XtVaGetValues(button, XmNx, &x, XmNy, &y, XmNwidth, &w, XmNheight, &h, nullptr);
    XClearArea(dpy, XtWindow(XtParent(button)), x, y, w, h, True);
  }
  XFlush(dpy);
}

// Draws into the button's picture with a copy-mode GC, then shows the
// changed picture.  A button without a
// picture shows the state as its text colour instead.
static void draw_state(Widget button, XtPointer state,
                       void (*draw)(Display *, Pixmap, GC, Widget, int on)) {
  if (!button) return;
  Pixmap pix = button_picture(button);
  if (!pix) {
    Pixel black = BlackPixelOfScreen(XtScreen(button));
    XtVaSetValues(button, XmNforeground, (long)state == 1 ? Green.pixel : black, nullptr);
    return;
  }
  Display *dpy = XtDisplay(button);
  XGCValues v;
  v.function = GXcopy;
  GC gc = XCreateGC(dpy, pix, GCFunction, &v);
  draw(dpy, pix, gc, button, (long)state == 1);
  XFreeGC(dpy, gc);
  show_changed_picture(button);
}

// Off half x 0..24, on half x 24..48: the other half is framed black first,
// then the chosen half green.
static void draw_two_state(Display *dpy, Pixmap pix, GC gc, Widget button, int on) {
  const int off_x = on ? 0 : 24, on_x = on ? 24 : 0;
  XSetForeground(dpy, gc, BlackPixelOfScreen(XtScreen(button)));
  XDrawRectangle(dpy, pix, gc, off_x, 0, 25, 27);
  XDrawRectangle(dpy, pix, gc, off_x + 1, 1, 23, 25);
  XSetForeground(dpy, gc, Green.pixel);
  XDrawRectangle(dpy, pix, gc, on_x, 0, 25, 27);
  XDrawRectangle(dpy, pix, gc, on_x + 1, 1, 23, 25);
}

static void draw_indicator(Display *dpy, Pixmap pix, GC gc, Widget, int on) {
  Pixel bg = 0;
  get_ui_colorpixelonly(&bg, nullptr, nullptr, nullptr);
  XSetForeground(dpy, gc, on ? Green.pixel : bg);
  XFillRectangle(dpy, pix, gc, 4, 10, 8, 8);
}

void qedit_flip_specialtgglCB(Widget button, XtPointer state, XtPointer) {
  draw_state(button, state, draw_two_state);
}

void qedit_flip_tgglCB(Widget button, XtPointer state, XtPointer) {
  draw_state(button, state, draw_indicator);
}

// ---- view-mode icons -------------------------------------------------------------

// Draws the state a view setting is about to take, flips it and refreshes
// the View menu (and the main toggles for the shading settings).  Refused
// with refused when the current case lacks the ids the setting shows.
static void flip_view_setting(Widget w, int setting, void (*flip)(), const int *available,
                              const char *refused, bool main_toggles) {
  if (available && !available[Case_num]) {
    disperr(refused);
    return;
  }
  qedit_flip_specialtgglCB(w, (XtPointer)(long)(setting ? 0 : 1), nullptr);
  flip();
  view_menu_init();
  if (main_toggles) main_viewtggls_init();
}

void qedit_hsurf_chngCB(Widget w, XtPointer, XtPointer) {
  flip_view_setting(w, Solidt, tggl_hsrf, nullptr, nullptr, true);
}

void qedit_hline_chngCB(Widget w, XtPointer, XtPointer) {
  flip_view_setting(w, Hlinet, tggl_hlin, nullptr, nullptr, true);
}

void qedit_elmlbl_chngCB(Widget w, XtPointer, XtPointer) {
  flip_view_setting(w, Labele, tggl_elmlbl, Element_labels,
                    "Element labels not available for parts in this case.", false);
}

void qedit_nodlbl_chngCB(Widget w, XtPointer, XtPointer) {
  flip_view_setting(w, Labnod, tggl_nodlbl, Node_labels,
                    "Node labels not available for parts in this case.", false);
}

void qedit_auxclip_chngCB(Widget w, XtPointer, XtPointer) {
  flip_view_setting(w, Plane_clipp_toggle, tggl_auxclip, nullptr, nullptr, false);
}

int qedit_scene_refresh() {
  entlbl_dialog_init();
  if (Current_mode != 0) return 1;
  const int settings[6] = {Solidt, Hlinet, Labele, Labnod, -1, Plane_clipp_toggle};
  for (int r = 0; r < 6; r++)
    if (settings[r] >= 0)
      qedit_flip_specialtgglCB(Qedit_scene_tbl[r].button, (XtPointer)(long)settings[r], nullptr);
  qedit_flip_tgglCB(Qedit_scene_tbl[6].button, (XtPointer)(long)Axiso2, nullptr);
  Qedit_scene_tbl[6].state = Axiso2;
  return 1;
}

// ---- scrolling -------------------------------------------------------------------

void main_qeditscroll_chngCB(Widget, XtPointer direction, XtPointer) {
  if (!Qedit_icon_scrollvert) return;
  int value = 0, slider = 0, inc = 0, page = 0, min = 0, max = 0;
  XtVaGetValues(Qedit_icon_scrollvert, XmNvalue, &value, XmNsliderSize, &slider, XmNincrement,
                &inc, XmNpageIncrement, &page, XmNminimum, &min, XmNmaximum, &max, nullptr);
  if ((long)direction == 1) {
    value += SCROLL_STEP;
    if (value > max - slider) value = max - slider;
    fprintf(stderr, "Up-Slider new value is %d.\n", value);
  } else {
    value -= SCROLL_STEP;
    if (value < min + slider) value = min;
    fprintf(stderr, "Down-Slider new value is %d.\n", value);
  }
  XmScrollBarSetValues(Qedit_icon_scrollvert, value, slider, inc, page, True);
}

void main_modeicon_resize(int width, int height, XEvent *) {
  if (!Qedit_iconform || !Qedit_iconpanel_rowcol) return;
  if (width < 0) {
    Dimension h = 0;
    XtVaGetValues(Qedit_iconpanel_rowcol, XmNheight, &h, nullptr);
    height = h;
  }
  Dimension form_h = 0;
  XtVaGetValues(Qedit_iconform, XmNheight, &form_h, nullptr);
  const bool arrows = (int)form_h < height;
  if (arrows == (Qedit_iconuparrow_but && XtIsManaged(Qedit_iconuparrow_but))) return;
  // The panel makes room for the arrows between them; the selector column
  // keeps its place.  The panel hangs on the arrows only while they are
  // managed.
  if (!arrows)
    XtVaSetValues(Qedit_icon_scrollwin, XmNtopAttachment, XmATTACH_FORM, XmNbottomAttachment,
                  XmATTACH_FORM, nullptr);
  show_widget(Qedit_iconuparrow_but, arrows);
  show_widget(Qedit_icondownarrow_but, arrows);
  if (arrows)
    XtVaSetValues(Qedit_icon_scrollwin, XmNtopAttachment, XmATTACH_WIDGET, XmNtopWidget,
                  Qedit_iconuparrow_but, XmNbottomAttachment, XmATTACH_WIDGET, XmNbottomWidget,
                  Qedit_icondownarrow_but, nullptr);
}

void main_moderowcol_reconfigureECB(Widget, XtPointer, XEvent *ev, Boolean *) {
  if (ev && ev->type == ConfigureNotify)
    main_modeicon_resize(ev->xconfigure.width, ev->xconfigure.height, ev);
}

// ---- icon-bar preferences ------------------------------------------------------

int gen_manageqeditpanel_helptext(Qedit_icon_rec *tbl, int rows) {
  for (int i = 0; i < rows; i++) show_widget(tbl[i].caption, tbl[i].visible && Show_icon_labels);
  return 1;
}

void main_qedit_panel_reconfig(int rows, Qedit_icon_rec *tbl) {
  for (int i = 0; i < rows; i++) {
    if (!tbl[i].button) continue;
    show_widget(tbl[i].button, tbl[i].visible == 1);
    show_widget(tbl[i].caption, tbl[i].visible == 1);
  }
}
