// Transformation mode recording (see transf_editor.h).
#include "view/transf_editor.h"

#include <cstdio>

#include "client/command_dlog.h"
#include "view/observer.h"
#include "view/viewports.h"

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

void transf_gen_dialog() {}
void transf_dialog_init() {}

// "view_transf: action" words by Vewglb value.
static const struct {
  int vewglb;
  const char *word;
} Action_words[] = {{0, "rotate"}, {1, "translate"}, {2, "scale"}, {4, "zoom"}, {5, "band_zoom"}};

const char *transf_action_word(int vewglb) {
  for (const auto &a : Action_words)
    if (a.vewglb == vewglb) return a.word;
  return nullptr;
}

int transf_action_reset_chng(int item, int record) {
  static const int item_vewglb[5] = {0, 1, 4, 5, 2};  // rotate translate zoom band_zoom scale
  if (item >= 0 && item <= 4) {
    Vewglb = item_vewglb[item];
    if (record) {
      char line[64];
      snprintf(line, sizeof line, "%s %s %s", "view_transf:", "action", transf_action_word(Vewglb));
      cmdrec(line);
    }
    return 1;
  }
  return (item >= 5 && item <= 7) ? 1 : -1;
}

