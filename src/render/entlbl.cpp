// Labelling attributes (see entlbl.h).  Owns the keyword table of
// "annot_entlbl:" and its processor and refresh function; the colours and
// filters themselves stay in labels.cpp.
#include "render/entlbl.h"

#include <cstdarg>
#include <climits>
#include <cstdio>

#include "client/command_dlog.h"
#include "client/screen.h"
#include "render/labels.h"
#include "render/render_cmdproc.h"

void (*Entlbl_dialog_windep)() = nullptr;

static const char *const Entlbl_category = "annot_entlbl:";

const Cmd_option_rec vctarrowthresholds[] = {
    {"none", LABEL_THRESHOLD_NONE}, {"low", LABEL_THRESHOLD_LOW},
    {"band", LABEL_THRESHOLD_BAND}, {"high", LABEL_THRESHOLD_HIGH},
    {"low_high", LABEL_THRESHOLD_LOW_HIGH}, {"", -99}};

const Cmd_keyword_rec Cmds_entlbl[] = {
    {"node_rgb", 3, 'f', 0, ENTLBL_CMD_NODE_RGB, nullptr},
    {"element_rgb", 3, 'f', 0, ENTLBL_CMD_ELEMENT_RGB, nullptr},
    {"part_rgb", 3, 'f', 0, ENTLBL_CMD_PART_RGB, nullptr},
    {"node_thresholds", 1, 's', 0, ENTLBL_CMD_NODE_THRESHOLDS, vctarrowthresholds},
    {"node_threshold_low", 1, 'f', 0, ENTLBL_CMD_NODE_THRESHOLD_LOW, nullptr},
    {"node_threshold_high", 1, 'f', 0, ENTLBL_CMD_NODE_THRESHOLD_HIGH, nullptr},
    {"element_thresholds", 1, 's', 0, ENTLBL_CMD_ELEMENT_THRESHOLDS, vctarrowthresholds},
    {"element_threshold_low", 1, 'f', 0, ENTLBL_CMD_ELEMENT_THRESHOLD_LOW, nullptr},
    {"element_threshold_high", 1, 'f', 0, ENTLBL_CMD_ELEMENT_THRESHOLD_HIGH, nullptr},
    CMD_KEYWORD_END,
};

// The colours and filters of labels.cpp, read and written as one set.
struct Entlbl_values {
  float rgb[3][3];          // node, element, part
  Label_filter_rec filt[2]; // node, element
};

static Entlbl_values current_values() {
  Entlbl_values v;
  getlabel_color(v.rgb[0], v.rgb[1], v.rgb[2]);
  node_label_filters(&v.filt[0].low, &v.filt[0].high, &v.filt[0].type, 0);
  elem_label_filters(&v.filt[1].low, &v.filt[1].high, &v.filt[1].type, 0);
  return v;
}

// Bounds and codes travel as floats; they are truncated toward zero, and
// values beyond an int (or not a number) are held at its limits (0).
static int truncated(float v) {
  if (v != v) return 0;
  if (v >= 2147483520.0f) return INT_MAX;
  if (v <= -2147483648.0f) return INT_MIN;
  return (int)v;
}

static bool colour_kind(int kind) {
  return kind == ENTLBL_NODE_RGB || kind == ENTLBL_ELEM_RGB || kind == ENTLBL_PART_RGB;
}
// 0 node, 1 element filter, for the bounds and threshold kinds.
static int filter_of(int kind) {
  return kind == ENTLBL_ELEM_BOUNDS || kind == ENTLBL_ELEM_THRESH ? 1 : 0;
}

int entlbl_checkvalues(int kind, const float values[]) {
  if (colour_kind(kind)) {
    for (int i = 0; i < 3; i++)
      if (!(values[i] >= 0.0f && values[i] <= 1.0f)) {
        disperr("RGB values must be in range [0.0 - 1.0].");
        return 0;
      }
  } else if (kind == ENTLBL_NODE_BOUNDS || kind == ENTLBL_ELEM_BOUNDS) {
    if (truncated(values[1]) < truncated(values[0])) {
      disperr("High value must not be less than Low value.");
      return 0;
    }
  }
  return 1;
}

// The option keyword of a threshold code, "none" for an unknown one.
static const char *threshold_keyword(int code) {
  for (int i = 0; vctarrowthresholds[i].keyword[0]; i++)
    if (vctarrowthresholds[i].value == code) return vctarrowthresholds[i].keyword;
  return vctarrowthresholds[0].keyword;
}

// Records "annot_entlbl: <keyword of cmd_id> <values>".
__attribute__((format(printf, 2, 3))) static void record_line(int cmd_id, const char *fmt_tail, ...) {
  char values[200];
  va_list ap;
  va_start(ap, fmt_tail);
  vsnprintf(values, sizeof values, fmt_tail, ap);
  va_end(ap);
  char line[300];
  snprintf(line, sizeof line, "%s %s %s", Entlbl_category, Cmds_entlbl[cmd_id].keyword, values);
  cmdrec(line);
}

// The command lines equivalent to an accepted update of the kind.
static void record_update(int kind, const Entlbl_values &v) {
  switch (kind) {
    case ENTLBL_NODE_RGB:
    case ENTLBL_ELEM_RGB:
    case ENTLBL_PART_RGB: {
      const float *c = v.rgb[kind];
      record_line(kind == ENTLBL_NODE_RGB   ? ENTLBL_CMD_NODE_RGB
                  : kind == ENTLBL_ELEM_RGB ? ENTLBL_CMD_ELEMENT_RGB
                                            : ENTLBL_CMD_PART_RGB,
                  "%f %f %f", c[0], c[1], c[2]);
      break;
    }
    case ENTLBL_NODE_BOUNDS:
    case ENTLBL_ELEM_BOUNDS: {
      const Label_filter_rec &f = v.filt[filter_of(kind)];
      const bool node = kind == ENTLBL_NODE_BOUNDS;
      record_line(node ? ENTLBL_CMD_NODE_THRESHOLD_LOW : ENTLBL_CMD_ELEMENT_THRESHOLD_LOW, "%d",
                  f.low);
      record_line(node ? ENTLBL_CMD_NODE_THRESHOLD_HIGH : ENTLBL_CMD_ELEMENT_THRESHOLD_HIGH, "%d",
                  f.high);
      break;
    }
    case ENTLBL_NODE_THRESH:
    case ENTLBL_ELEM_THRESH:
      record_line(kind == ENTLBL_NODE_THRESH ? ENTLBL_CMD_NODE_THRESHOLDS
                                             : ENTLBL_CMD_ELEMENT_THRESHOLDS,
                  "%s", threshold_keyword(v.filt[filter_of(kind)].type));
      break;
    default:
      break;
  }
}

int entlbl_attr_updt(int kind, const float values[], int from_command) {
  Entlbl_values v = current_values();
  if (colour_kind(kind)) {
    for (int i = 0; i < 3; i++) v.rgb[kind][i] = values[i];
  } else if (kind == ENTLBL_NODE_BOUNDS || kind == ENTLBL_ELEM_BOUNDS) {
    v.filt[filter_of(kind)].low = truncated(values[0]);
    v.filt[filter_of(kind)].high = truncated(values[1]);
  } else if (kind == ENTLBL_NODE_THRESH || kind == ENTLBL_ELEM_THRESH) {
    v.filt[filter_of(kind)].type = truncated(values[0]);
  } else {
    return -1;
  }
  if (!entlbl_checkvalues(kind, values)) {
    // The fields show the values in force again.
    entlbl_dialog_init();
    return -1;
  }
  setlabel_color(v.rgb[0], v.rgb[1], v.rgb[2]);
  node_label_filters(&v.filt[0].low, &v.filt[0].high, &v.filt[0].type, 1);
  elem_label_filters(&v.filt[1].low, &v.filt[1].high, &v.filt[1].type, 1);
  entlbl_dialog_init();
  if (!from_command && Recrdr == 1) record_update(kind, v);
  return 1;
}

void entlbl_dialog_init() {
  if (Entlbl_dialog_windep) Entlbl_dialog_windep();
}

// A refused line: the message, the failure flag, -1.
static int refuse(const char *text) {
  disperr(text);
  Command_proc_err = 1;
  return -1;
}

int entlbl_cmdproc(const char *, const char *, const char *, const char *params, int cat_index,
                   int kw_row, int cmd_id, const int *, int) {
  if (kw_row == CMD_NOT_FOUND || cmd_id < 0 || cmd_id > ENTLBL_CMD_ELEMENT_THRESHOLD_HIGH)
    return refuse("annot_entlbl: The command does not exist.");
  if (!params) params = "";
  float values[3] = {0, 0, 0};
  if (cmd_id == ENTLBL_CMD_NODE_THRESHOLDS || cmd_id == ENTLBL_CMD_ELEMENT_THRESHOLDS) {
    int code = cmd_process_strparams(params, cat_index, kw_row);
    if (code < 0) return refuse("annot_entlbl: Incorrect parameter.");
    values[0] = (float)code;
  } else if (cmd_process_params(cat_index, kw_row, params, values) < 0) {
    return refuse("annot_entlbl: Parameters of the command were incorrect.");
  }

  int kind = ENTLBL_NODE_RGB;
  Entlbl_values v = current_values();
  switch (cmd_id) {
    case ENTLBL_CMD_NODE_RGB: kind = ENTLBL_NODE_RGB; break;
    case ENTLBL_CMD_ELEMENT_RGB: kind = ENTLBL_ELEM_RGB; break;
    case ENTLBL_CMD_PART_RGB: kind = ENTLBL_PART_RGB; break;
    case ENTLBL_CMD_NODE_THRESHOLDS: kind = ENTLBL_NODE_THRESH; break;
    case ENTLBL_CMD_ELEMENT_THRESHOLDS: kind = ENTLBL_ELEM_THRESH; break;
    // A single bound travels with the other bound's value in force.
    case ENTLBL_CMD_NODE_THRESHOLD_LOW:
    case ENTLBL_CMD_ELEMENT_THRESHOLD_LOW:
      kind = cmd_id == ENTLBL_CMD_NODE_THRESHOLD_LOW ? ENTLBL_NODE_BOUNDS : ENTLBL_ELEM_BOUNDS;
      values[1] = (float)v.filt[filter_of(kind)].high;
      break;
    case ENTLBL_CMD_NODE_THRESHOLD_HIGH:
    case ENTLBL_CMD_ELEMENT_THRESHOLD_HIGH:
      kind = cmd_id == ENTLBL_CMD_NODE_THRESHOLD_HIGH ? ENTLBL_NODE_BOUNDS : ENTLBL_ELEM_BOUNDS;
      values[1] = values[0];
      values[0] = (float)v.filt[filter_of(kind)].low;
      break;
  }
  if (entlbl_attr_updt(kind, values, 1) < 0) {
    Command_proc_err = 1;
    return -1;
  }
  return 1;
}

void entlbl_ref(int cat_index) {
  entlbl_dialog_init();
  cmd_clear_refresh(cat_index);
}
