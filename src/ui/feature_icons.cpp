// Feature icons (see feature_icons.h).  Owns Feature_tbl and the strip's
// private scroll bars.
#include "ui/feature_icons.h"

#include <Xm/PushB.h>
#include <Xm/Xm.h>

#include <string>

#include "ui/balloon_help.h"
#include "ui/general_windep.h"
#include "ui/main_intf.h"
#include "ui/main_window.h"
#include "ui/textc_windep.h"

#define ROW(id, tag, label, order, icon) \
  {tag, label, order, 1, main_featureCB, nullptr, nullptr, icon, id, id < 12 ? 1 : 0}
Feature_rec Feature_tbl[FEATURE_ROWS] = {
    ROW(0, "FEAT_COLOR", "Color", 1, "colorpal.xpm"),
    ROW(1, "FEAT_CNTRS", "Contours", 2, "contour.xpm"),
    ROW(2, "FEAT_ISOSR", "Isosurfaces", 3, "iso.xpm"),
    ROW(3, "FEAT_TRACE", "Particle\nTraces", 4, "trace.xpm"),
    ROW(4, "FEAT_CLIPS", "Clips", 5, "clip.xpm"),
    ROW(5, "FEAT_ARROW", "Vector\nArrows", 6, "arrow.xpm"),
    ROW(6, "FEAT_TENSOR", "Tensor\nGlyphs", 18, "tensor.xpm"),
    ROW(7, "FEAT_ELSRF", "Elevated\nSurfaces", 7, "elevsrf.xpm"),
    ROW(8, "FEAT_PROFI", "Profiles", 16, "profile.xpm"),
    ROW(9, "FEAT_DVSRF", "Developed\nSurfaces", 17, "devsrf.xpm"),
    ROW(10, "FEAT_SUBST", "Subset\nParts", 8, "subset.xpm"),
    ROW(11, "FEAT_DISPL", "Displace", 9, "displacement.xpm"),
    ROW(12, "FEAT_QUERY", "Query", 10, "query.xpm"),
    ROW(13, "FEAT_PROBE", "Interactive\nProbe Query", 11, "probequery.xpm"),
    ROW(14, "FEAT_STIME", "Solution\nTime", 12, "time.xpm"),
    ROW(15, "FEAT_FLIPB", "Flipbook\nAnimation", 13, "flipbook.xpm"),
    ROW(16, "FEAT_KANIM", "Keyframe\nAnimation", 14, "keyframe.xpm"),
    ROW(17, "FEAT_CALC", "Calculator", 15, "calc.xpm"),
};
#undef ROW

int Interact_area_current = -1;

static Widget Strip_vbar = nullptr;  // the strip's vertical scroll bar (hidden)
static Widget Strip_hbar = nullptr;  // its horizontal scroll bar (hidden)

void feature_strip_scrollbars(Widget vertical, Widget horizontal) {
  Strip_vbar = vertical;
  Strip_hbar = horizontal;
}

static void make_icon(Feature_rec &r) {
  std::string name = std::string("mainfeat") + r.tag;
  Arg a[6];
  Cardinal n = 0;
  XmString text = qvn_xmstring(r.label);
  XtSetArg(a[n], XmNlabelString, text); n++;
  Pixmap pix = 0;
  if (!Noicons && read_icon_picture(Main_featureicon_rowcol, r.icon_file, &pix) == 1) {
    XtSetArg(a[n], XmNlabelType, XmPIXMAP); n++;
    XtSetArg(a[n], XmNlabelPixmap, pix); n++;
  }
  if (Fixedfont && Menufont) {
    XtSetArg(a[n], XmNfontList, Menufont); n++;
  }
  r.button = XmCreatePushButton(Main_featureicon_rowcol, const_cast<char *>(name.c_str()), a, n);
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

void main_featurescroll_chngCB(Widget, XtPointer, XtPointer) {}

void main_featureicon_resize(int, int, XEvent *) {}

void main_featureCB(Widget, XtPointer, XtPointer) {}
