// Animation panels (see anim_panels.h).
#include "anim/ui/anim_panels.h"

#include "ui/feature_icons.h"

FEATURE_UNBUILT_PANEL(intrsoltim_geninit_sect)
FEATURE_UNBUILT_PANEL(intrflipb_geninit_sect)
FEATURE_UNBUILT_PANEL(intrkeyf_geninit_sect)

// Feature ids of the three panels in Feature_tbl.
enum { FEATURE_SOLTIME = 14, FEATURE_FLIPBOOK = 15, FEATURE_KEYFRAME = 16 };

void intrsoltim_dialog_manageinitCB(Widget, XtPointer, XtPointer) {
  main_feature_manage(FEATURE_SOLTIME, 1);
}
void intrflipb_dialog_manageinitCB(Widget, XtPointer, XtPointer) {
  main_feature_manage(FEATURE_FLIPBOOK, 1);
}
void intrkeyf_dialog_manageinitCB(Widget, XtPointer, XtPointer) {
  main_feature_manage(FEATURE_KEYFRAME, 1);
}
