// Dialog registry.  Owns Widgen_tbl (defaults for a 1280 x 1024 screen);
// the window-position module and the start-up change its geometry, the
// builders read it.
#include "ui/widgen.h"

#include <Xm/PushB.h>

#include "data/data_dlog.h"
#include "data/ui/data_windep.h"
#include "query/ui/queryfile.h"
#include "ui/command_dialog.h"
#include "ui/general_windep.h"
#include "ui/mainwin_state.h"
#include "ui/window_codes.h"
#include "view/transf_editor.h"
#include "view/ui/transf_dialog.h"

Widgen_rec Widgen_tbl[WIDGEN_ROWS] = {
    {&Main_win[0], nullptr, "Quivane", 910, 1023, 366, 0},
    {&Transformation_dialog, transf_gen_dialog, "Transformation Editor", -1, 430, 0, 800},
    {&Command_dialog, cmd_gen_interf, "Command", -1, -1, 0, 682},
    {&Connect_dialog, gen_conn_dialog, "Connect Server", -1, -1, 137, 0},
    {&Query_file_dialog, gen_query_file, "Query Dataset", -1, -1, 0, 0},
    {&File_genericdata_dialog, gen_genericread_dialog, "Data Reader", -1, -1, 0, 0},
    {&File_tarvdata_dialog, gen_tarv5read_dialog, "Data Reader (MULTI)", -1, -1, 0, 0},
    {&File_n3sdata_dialog, gen_n3sread_dialog, "Data Reader (N3S)", -1, -1, 0, 0},
    {&File_estetdata_dialog, gen_estetread_dialog, "Data Reader (ESTET)", -1, -1, 0, 0},
    {&File_estetvctbld_dialog, gen_estetvctbld_dialog, "ESTET Vector Builder", -1, -1, 0, 0},
    {&File_plot3ddata_dialog, gen_plot3dread_dialog, "Data Reader (PLOT3D)", -1, -1, 0, 0},
    {&Detaileditor_dialog, gen_detailed_dialog, "Feature Detail Editor", -1, 871, 0, 0},
    {&Graphics_show_dialog, nullptr, "Selected Part(s) Window", 300, 240, 0, 776},
    {&Fileselect_dialog, gen_filesel_dialog, "File Selection", -1, -1, 0, 0},
    {&Main_win[1], nullptr, "Quivane Display", 794, 659, 0, 0},
    {&Main_large_partlist_dialog, nullptr, "Main Parts List", 200, 990, 150, 0},
    {&Main_showlgndcmpnts_dialog, nullptr, "Legend Visibility", -1, -1, -1, -1},
};

void manage_rout(Widget, XtPointer client, XtPointer) {
  Widget *holder = static_cast<Widget *>(client);
  set_working_cursor("**Working...**");
  if (holder && *holder) {
    XtManageChild(*holder);
  } else {
    int row = -1;
    for (int i = 0; i < WIDGEN_ROWS && row < 0; i++)
      if (holder && Widgen_tbl[i].widget == holder) row = i;
    if (row < 0) {
      disperr("Failed to create dialog. Please contact your support person.");
    } else {
      if (Widgen_tbl[row].builder) Widgen_tbl[row].builder();
      if (*holder) XtManageChild(*holder);
    }
  }
  unset_working_cursor();
}

void unmanage_rout(Widget, XtPointer client, XtPointer) {
  Widget *holder = static_cast<Widget *>(client);
  if (holder && *holder) XtUnmanageChild(*holder);
}

Widget add_button(Widget parent, const char *name, XtCallbackProc cb, XtPointer client,
                  ArgList args, Cardinal nargs) {
  Widget b = XtCreateManagedWidget(name, xmPushButtonWidgetClass, parent, args, nargs);
  if (cb) XtAddCallback(b, XmNactivateCallback, cb, client);
  return b;
}

Cardinal widgen_apply_args(int row, ArgList args, Cardinal n, XmString *title) {
  const Widgen_rec &r = Widgen_tbl[row];
  if (r.x != -1) {
    XtSetArg(args[n], XmNx, r.x); n++;
    XtSetArg(args[n], XmNy, r.y); n++;
    XtSetArg(args[n], XmNdefaultPosition, False); n++;
  }
  if (r.width != -1) {
    XtSetArg(args[n], XmNwidth, r.width); n++;
    XtSetArg(args[n], XmNheight, r.height); n++;
  }
  *title = qvn_xmstring(r.title);
  XtSetArg(args[n], XmNdialogTitle, *title); n++;
  return n;
}
