// Reader formats and the look of the data section per format (see
// data_format.h). Owns the menu rows, the per-case PLOT3D read settings and
// the Motif hook; Data_meshtype lives with the per-case reader set-up.
#include "data/data_format.h"

#include <cstdio>

#include "client/cases.h"
#include "data/data_dlog.h"
#include "data/pbuild.h"

const Data_format_row_rec Data_format_rows[DATA_FORMAT_ROWS] = {
    {"Case", 10},           {"Quivane 5", 0},         {"ABAQUS", 8},
    {"ANSYS RESULTS", 7},   {"ESTET", 4},             {"FAST UNSTRUCTURED", 9},
    {"FIDAP NEUTRAL", 2},   {"Movie", 6},             {"TARV 4.1", 5},
    {"N3S", 3},             {"PLOT3D", 1},            {"USER-DEFINED1", 11},
    {"USER-DEFINED2", 12},  {"USER-DEFINED3", 13},    {"USER-DEFINED4", 14},
    {"USER-DEFINED5", 15},  {"USER-DEFINED6", 16},    {"USER-DEFINED7", 17},
    {"USER-DEFINED8", 18},  {"USER-DEFINED9", 19},    {"USER-DEFINED10", 20},
    {"USER-DEFINED11", 21}, {"USER-DEFINED12", 22},   {"USER-DEFINED13", 23},
    {"USER-DEFINED14", 24}, {"USER-DEFINED15", 25},   {"USER-DEFINED16", 26},
    {"USER-DEFINED17", 27}, {"USER-DEFINED18", 28},   {"USER-DEFINED19", 29},
    {"USER-DEFINED20", 30},
};

int Data_plot3d_rflags[MAX_CASES][4];
void (*Data_setup_format_windep)(const Data_format_setup_rec *setup) = nullptr;

static const char *const Desc_native =
    "Geometry(*.geo Required), Results(*.res Optional),\nQuivane Measured(*.mres Optional)";
static const char *const Desc_plot3d =
    "Grid(Required), Standard Solution(Q) or Quivane Result \nFile(*.res) (Optional), Quivane "
    "Measured(*.mres Optional)\nNonStandard Solution, Function file, and Transient\ndata must be "
    "defined using a result file(See Doc.)";
static const char *const Desc_fast =
    "Grid(Required), Standard Solution(Q) or Quivane Result\nFile(*.res) (Optional), Quivane "
    "Measured(*.mres Optional)\nNonStandard Solution, Function file, and Transient\ndata must be "
    "defined using a result file(See Doc.)";
static const char *const Desc_userdef =
    "Use QUIVANE7_READER to specify a user defined reader\nbefore starting Quivane. Specify the "
    "files to read as\ndefined in the header of libuserd found in the appropriate\ndirectory in "
    "$QUIVANE7_HOME/user_defined_src/readers";

struct Format_look {
  const char *description;
  const char *geom_label;
  int padded;     // 1 = label filled with blanks to DATA_GEOM_LABEL_PAD
  int result_on;  // -1 = as the user-defined reader's two-files flag
  int meas_on;
  int meshtype;
};

// Indexed by format code 0..11 (11 stands for every user-defined reader).
static const Format_look Looks[12] = {
    {Desc_native, "(Set) Geometry", 0, 1, 1, 0},
    {Desc_plot3d, "(Set) Grid", 1, 1, 1, 1},
    {"Neutral File(Required), Quivane Measured(*.mres Optional)", "(Set) Geom/Neutral", 0, 0, 1, 0},
    {"Geometry(Required), Results(Required),\nQuivane Measured(*.mres Optional)", "(Set) Geometry",
     0, 1, 1, 0},
    {"ESTET Results File(Required),\nQuivane Measured(*.mres Optional)", "(Set) Geom/Results", 0, 0,
     1, 1},
    {Desc_native, "(Set) Geometry", 0, 1, 1, 0},
    {Desc_native, "(Set) Geometry", 0, 1, 1, 0},
    {"Ansys Results(*.rst, *.rfl, *.rmq, or *.rth - Required),\nQuivane Measured(*.mres Optional)",
     "(Set) Geom/Results", 0, 0, 1, 0},
    {"ABAQUS Results File(*.fil Required),\nQuivane Measured(*.mres Optional)", "(Set) Geom/Results",
     0, 0, 1, 0},
    {Desc_fast, "(Set) Grid", 1, 1, 1, 0},
    {"Quivane Case File(*.case Required)", "(Set) Case", 1, 0, 0, 0},
    {Desc_userdef, "(Set) Geometry", 0, -1, 1, 0},
};

int data_format_setup(int code, Data_format_setup_rec *out) {
  if (code < 0 || code > DATA_USERDEF_LAST) return -1;
  const Format_look &l = Looks[code < DATA_USERDEF_FIRST ? code : DATA_USERDEF_FIRST];
  out->description = l.description;
  snprintf(out->geom_label, sizeof out->geom_label, "%-*s", l.padded ? DATA_GEOM_LABEL_PAD : 0,
           l.geom_label);
  out->result_on = l.result_on;
  if (l.result_on < 0) {
    int reader = code - DATA_USERDEF_FIRST;
    out->result_on = reader < Userdef_readercnt[Case_num] && Userdef_readertwofields[Case_num] &&
                             Userdef_readertwofields[Case_num][reader]
                         ? 1
                         : 0;
  }
  out->meas_on = l.meas_on;
  out->meshtype = l.meshtype;
  return 0;
}

void data_setup_format(int code, int) {
  Data_format_setup_rec setup;
  if (data_format_setup(code, &setup) < 0) return;
  Data_meshtype[Case_num] = setup.meshtype;
  if (Data_setup_format_windep) Data_setup_format_windep(&setup);
}

void data_plot3d_read_init() {
  for (auto &f : Data_plot3d_rflags) {
    f[0] = 0;
    f[1] = 0;
    f[2] = 1;
    f[3] = 2;
  }
}
