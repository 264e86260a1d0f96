// Plot panel (see plot_panel.h).
#include "query/ui/plot_panel.h"

#include "ui/qedit_icons.h"
#include "view/viewport_redraw.h"
#include "view/viewports.h"
#include "view/ui/viewport_panel.h"

// No plotter exists: the mode's screen is the ordinary one.
void display_plotter_mode() { display_viewport_all(1, 1); }

void plot_icons_refresh() {}

QEDIT_UNBUILT_CB(plot_vis_chngCB)
QEDIT_UNBUILT_CB(plot_plotattr_manageCB)
QEDIT_UNBUILT_CB(plot_axisattr_manageCB)
QEDIT_UNBUILT_CB(plot_curveattr_manageCB)
QEDIT_UNBUILT_CB(plot_selectall_manageCB)
QEDIT_UNBUILT_CB(plot_deleteCB)
