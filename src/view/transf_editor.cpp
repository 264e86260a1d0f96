// Transformation mode recording (see transf_editor.h).
#include "view/transf_editor.h"

#include <cstdio>

#include "client/command_dlog.h"

// The mode words of "view_transf: function", by What_trans code.
static const struct {
  int code;
  const char *word;
} Mode_words[] = {{0, "global"}, {1, "local"},    {2, "cursor"}, {3, "line"},
                  {4, "plane"},  {6, "cylinder"}, {7, "sphere"}, {8, "cone"},
                  {9, "revolution"}, {10, "frame"}};

int transf_record_whattrans(int mode) {
  for (const auto &m : Mode_words)
    if (m.code == mode) {
      char line[64];
      snprintf(line, sizeof line, "%s %s %s", "view_transf:", "function", m.word);
      cmdrec(line);
      return 1;
    }
  return -1;
}

void transf_dialog_init() {}

#include "ui/mainwin_state.h"
#include "ui/widgen.h"

void transf_dialog_manageinitCB(Widget w, XtPointer, XtPointer call) {
  manage_rout(w, reinterpret_cast<XtPointer>(&Transformation_dialog), call);
  transf_dialog_init();
}
