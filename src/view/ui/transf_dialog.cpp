// Transformation Editor dialog (see transf_dialog.h).
#include "view/ui/transf_dialog.h"

#include "ui/widgen.h"
#include "view/transf_editor.h"

Widget Transformation_dialog = nullptr;

void transf_dialog_manageinitCB(Widget w, XtPointer, XtPointer call) {
  manage_rout(w, reinterpret_cast<XtPointer>(&Transformation_dialog), call);
  transf_dialog_init();
}
