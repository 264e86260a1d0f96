// Labelling attributes: the one update through which the "annot_entlbl:"
// commands and the Node/Element Labeling Attributes dialog change the
// label colours and the node and element id filters that labels.h keeps.
// This module keeps no values of its own.  An update checks the values,
// hands all three colours and both filters to labels.h, refreshes the
// dialog and, for a dialog change that was accepted, records the
// equivalent command lines.
#pragma once

#include "client/cmd_tables.h"

// Update kinds: the first argument of entlbl_attr_updt and the client data
// of the dialog's fields.
enum Entlbl_kind {
  ENTLBL_NODE_RGB = 0,      // 3 values: red, green, blue of node labels
  ENTLBL_ELEM_RGB = 1,      // 3 values: element labels
  ENTLBL_PART_RGB = 2,      // 3 values: part labels (commands only; no dialog field)
  ENTLBL_NODE_BOUNDS = 3,   // 2 values: node filter low, high
  ENTLBL_NODE_THRESH = 4,   // 1 value: node filter threshold code
  ENTLBL_ELEM_BOUNDS = 5,   // 2 values: element filter low, high
  ENTLBL_ELEM_THRESH = 6,   // 1 value: element filter threshold code
};

// Command ids of Cmds_entlbl, equal to its rows.
enum Entlbl_cmd_id {
  ENTLBL_CMD_NODE_RGB = 0,
  ENTLBL_CMD_ELEMENT_RGB = 1,
  ENTLBL_CMD_PART_RGB = 2,
  ENTLBL_CMD_NODE_THRESHOLDS = 3,
  ENTLBL_CMD_NODE_THRESHOLD_LOW = 4,
  ENTLBL_CMD_NODE_THRESHOLD_HIGH = 5,
  ENTLBL_CMD_ELEMENT_THRESHOLDS = 6,
  ENTLBL_CMD_ELEMENT_THRESHOLD_LOW = 7,
  ENTLBL_CMD_ELEMENT_THRESHOLD_HIGH = 8,
};

// Threshold option keywords "none", "low", "band", "high", "low_high" with
// their Label_threshold_code values; shared with the vector-arrow commands.
extern const Cmd_option_rec vctarrowthresholds[];

// 1 when the values of the kind are acceptable, else 0 after the error box:
// colour components in [0, 1]; a high bound not below the low one.
int entlbl_checkvalues(int kind, const float values[]);
// Applies one update (values as the kind lists them; bounds and codes are
// truncated to ints).  A dialog change (from_command 0) that is accepted is
// recorded while recording is on.  1, or -1 when the check refused it and
// nothing changed; the dialog is refreshed either way.
int entlbl_attr_updt(int kind, const float values[], int from_command);

// Refreshes the labelling dialog from the current values when it exists
// and is shown (through Entlbl_dialog_windep).
void entlbl_dialog_init();
// Set by the Motif layer: fills the dialog's fields, nothing when it is not
// built or not shown.  Null without a screen.
extern void (*Entlbl_dialog_windep)();
