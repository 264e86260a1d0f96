// Variables sections (see variables_dlog.h).
#include "variables/variables_dlog.h"

#include <Xm/Form.h>

#include "ui/mainwin_state.h"

Widget Var_sumpalinfo_frame = nullptr;
Widget Var_transresp_frame = nullptr;
Widget Var_create_frame = nullptr;
Widget Var_avail_list = nullptr;
int Main_var_liststype[VAR_PANEL_LISTS] = {};

void var_transphasesect_init(int, int) {}

Widget var_gen_deteditor() {
  if (!Detaileditor_dialog) return nullptr;
  Widget above = XtNameToWidget(Detaileditor_dialog, "DetEdIconFrame");
  return XtVaCreateWidget("varDetEdForm", xmFormWidgetClass, Detaileditor_dialog,
                          XmNtopAttachment, above ? XmATTACH_WIDGET : XmATTACH_FORM,
                          XmNtopWidget, above, XmNleftAttachment, XmATTACH_FORM,
                          XmNrightAttachment, XmATTACH_FORM, XmNbottomAttachment, XmATTACH_FORM,
                          XmNwidth, 10, XmNheight, 10, nullptr);
}

void var_dialog_init() {}
void var_dialog_varlistinit() {}
void var_immedmode_change() {}
void var_avail_select(int) {}

int var_index_from_list(int, int, int, int *, int **list, int *count) {
  if (list) *list = nullptr;
  if (count) *count = 0;
  return 0;
}

int var_select_in_list(int, int, int, int, int) { return 0; }
void var_getfile_saveselconstants() {}
void var_getfile_saveallconstants() {}
