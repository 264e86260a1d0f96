// The "frame:" command category: its keyword table Cmds_frame (row = id =
// attribute slot for the attribute keywords), the processor, the special
// recorder of the match file name, the refresh after frame lines and the
// recorder of frame selections.
#pragma once

#include "client/cmd_tables.h"

extern const Cmd_keyword_rec Cmds_frame[];

// Rows of Cmds_frame that are not attribute slots.
enum Frame_cmd_row {
  FRAME_ROW_SYMMETRY_FILE = 38,
  FRAME_ROW_DESCRIPTION = 43,
  FRAME_ROW_CREATE = 44,
  FRAME_ROW_ASSIGN = 45,
  FRAME_ROW_COPY = 46,
  FRAME_ROW_DELETE = 47,
  FRAME_ROW_MODIFY_BEGIN = 48,
  FRAME_ROW_MODIFY_END = 49,
  FRAME_ROW_SELECT_BEGIN = 50,
  FRAME_ROW_SELECT_END = 51,
  FRAME_ROW_SELECT_DEFAULT = 52,
  FRAME_ROW_BEGIN = 53,
  FRAME_ROW_END = 54,
  FRAME_ROW_SELECT_ALL = 55,
  FRAME_ROW_SYMMETRY_INSTANCES = 56,
  FRAME_CMD_ROWS = 57,
};

int frame_cmdproc(CMD_PROC_PARAMS);
int frame_cmdrec(CMD_REC_PARAMS);
void frame_ref(int cat_index);
// Records a selection of count frames for category row cat_index: the
// keyword of begin_row, the numbers ten a line (a blank before each), the
// keyword of end_row; "select_default" alone for none.
void frame_rec_selitems(int cat_index, int begin_row, int end_row, int count, const int *list);
