// The data section's formats, the loader dispatch and the simple loaders'
// texts (see data_section.h). Owns Data_loader_windep and Data_estvb_closed;
// reads the reader preferences table and the case's reader tables.
#include "data/data_section.h"

#include <strings.h>

#include <cstdio>
#include <cstring>

#include "client/cases.h"
#include "client/conect.h"
#include "client/screen.h"
#include "data/data_dlog.h"
#include "data/data_read.h"
#include "data/estet_loader.h"
#include "data/n3s_loader.h"
#include "data/partbuild.h"
#include "data/plot3d_loader.h"
#include "data/reader_prefs.h"

Data_loader_windep_rec Data_loader_windep = {};
int Data_estvb_closed = 0;

static bool userd_code(int code) { return code >= DATA_USERDEF_FIRST && code <= DATA_USERDEF_LAST; }

// The row of a name among the fixed labels, then among the reader names;
// -1 when it names none.
static int row_named(const Data_section_rec &s, int readers, const char *name) {
  for (int r = 0; r < DATA_FIXED_ROWS; r++)
    if (strcasecmp(s.labels[r], name) == 0) return r;
  for (int k = 0; k < readers; k++)
    if (strcasecmp(s.labels[DATA_FIXED_ROWS + k], name) == 0) return DATA_FIXED_ROWS + k;
  return -1;
}

static int row_of_code(int code) {
  for (int r = 0; r < DATA_FORMAT_ROWS; r++)
    if (Data_format_rows[r].code == code) return r;
  return -1;
}

int data_section_formats(Data_section_rec *s) {
  int c = Case_num;
  data_get_reader_prefs();
  for (int r = 0; r < DATA_FORMAT_ROWS; r++) {
    s->offered[r] = 1;
    snprintf(s->labels[r], USERD_NAME_LEN, "%s", Data_format_rows[r].label);
  }
  // The server's readers: none when it has none or cannot be asked.
  char name[USERD_NAME_LEN] = "No_Custom";
  int two = 0;
  if (Online[c + 1] != 1 || get_userd_reader_name(name, &two) < 0)
    snprintf(name, sizeof name, "%s", "No_Custom");
  int readers = 0;
  if (strcasecmp(name, "no_custom") != 0 && Userdef_readers[c]) readers = Userdef_readercnt[c];
  for (int k = 0; k < DATA_USERDEF_MAX; k++) {
    int r = DATA_FIXED_ROWS + k;
    if (k < readers)
      snprintf(s->labels[r], USERD_NAME_LEN, "%s", Userdef_readers[c][k]);
    else
      s->offered[r] = 0;
  }
  for (int k = 0; k < Data_readerpref_removed_cnt && Data_readerpref_removed; k++) {
    int r = row_named(*s, readers, Data_readerpref_removed[k]);
    if (r >= 0) s->offered[r] = 0;
  }
  int format = Data_format[c];
  if (!Data_readerpref_default_set) {
    if (Data_readerpref_default[0]) {
      int r = row_named(*s, readers, Data_readerpref_default);
      if (r >= 0 && s->offered[r])
        format = Data_format_rows[r].code;
      else if (r >= 0)
        fprintf(stderr, "User specified default reader was also specified to be removed. Default ignored.\n");
    }
    Data_readerpref_default_set = 1;
  }
  int row = row_of_code(format);
  if (row < 0) row = 0;
  if (Gexist[c]) {
    s->offered[row] = 1;
  } else if (!s->offered[row]) {
    int next = -1;
    for (int k = 1; k <= DATA_FORMAT_ROWS && next < 0; k++)
      if (s->offered[(row + k) % DATA_FORMAT_ROWS]) next = (row + k) % DATA_FORMAT_ROWS;
    if (next < 0) {
      disperr("No data formats available. Please look at your .quivane7/quivane_reader_prefs.def "
              "file found in your home directory.  All formats must have been mistakenly removed.");
      return -1;
    }
    row = next;
  }
  Data_format[c] = Data_format_rows[row].code;
  s->row = row;
  return 1;
}

int data_simple_loader_text(int format, const char **title, const char **topic) {
  static const struct {
    int format;
    const char *title, *topic;
  } texts[] = {
      {6, "Data Part Loader (Movie.BYU)", "HT-Read-MOVIE"},
      {5, "Data Part Loader (TARV 4)", "HT-Read-TARV"},
      {7, "Data Part Loader (ANSYS)", "HT-Read-ANSYS"},
      {9, "Data Part Loader (FAST)", "HT-Read-FAST"},
      {2, "Data Part Loader (FIDAP)", "HT-Read-FIDAP"},
  };
  for (const auto &t : texts)
    if (t.format == format) {
      *title = t.title;
      *topic = t.topic;
      return 1;
    }
  return -1;
}

// The read of the section, then the loader of code when it succeeded.
static int read_then_load(int code) {
  int r = data_setup_apply(0);
  if (r == 1) data_pbuild_manageinit(code);
  return r;
}

int data_read_byformat() {
  int c = Case_num;
  Data_fileselect_rec f{};
  if (!Data_fileselect_get || Data_fileselect_get(&f) < 0) return -1;
  int code = f.format;
  if (Gexist[c] && code != Data_format[c]) {
    disperr("The format for this case cannot be changed unless you replace the case.");
    return -1;
  }
  const char *title = nullptr, *topic = nullptr;
  switch (code) {
    case 1:
      if (!f.geom[0] && !f.result[0]) {
        disperr("Must enter a geometry or a results file name.\n");
        return -1;
      }
      // The PLOT3D loader shows the server's judgement of the grid; its
      // "Read Specified File" then reads with the settings it shows.
      if (Data_loader_windep.plot3d_show) Data_loader_windep.plot3d_show();
      data_plot3dread_init();
      if (Gexist[c]) data_plot3dpartc_init(0);
      return 1;
    case 2: case 5: case 6: case 7: case 9:
      data_simple_loader_text(code, &title, &topic);
      if (Data_loader_windep.simple_show) Data_loader_windep.simple_show(title, topic);
      return 1;
    case 3:
      if (!f.geom[0] || !f.result[0]) {
        disperr("Must enter a both the geometry and results file name.\n");
        return -1;
      }
      return read_then_load(3);
    case 4: {
      if (!f.geom[0]) {
        disperr("Must enter the geometry file name.\n");
        return -1;
      }
      int r = data_setup_apply(0);
      if (r == 1 && Data_estvb_closed) data_pbuild_manageinit(4);
      return r;
    }
    case 8:
      if (Data_loader_windep.abaqus_show) Data_loader_windep.abaqus_show();
      return 1;
    default: {
      int r = read_then_load(code);
      if (r == 1 && Data_loader_windep.generic_help) Data_loader_windep.generic_help(code);
      return r;
    }
  }
}

void data_pbuild_manageinit(int format) {
  if (format == 0 || format == DATA_FORMAT_CASEFILE || userd_code(format)) {
    if (Data_loader_windep.generic_show) Data_loader_windep.generic_show();
    data_genericpartc_init(0);
    char title[64];
    int click = 1, sensitive = 1;
    if (format == 0) {
      snprintf(title, sizeof title, "%s", "Data Part Loader (Quivane 5)");
      sensitive = 0;
    } else if (format == DATA_FORMAT_CASEFILE) {
      snprintf(title, sizeof title, "%s", "Data Part Loader (Case)");
      click = 0;
    } else {
      // The server is asked again; the title names the reader of this
      // format, not merely the last one the server listed.
      char name[USERD_NAME_LEN] = "";
      int two = 0, c = Case_num, i = format - DATA_USERDEF_FIRST;
      get_userd_reader_name(name, &two);
      const char *reader = Userdef_readers[c] && i < Userdef_readercnt[c] ? Userdef_readers[c][i] : name;
      snprintf(title, sizeof title, "Data Part Loader (%s)", reader);
    }
    if (Data_loader_windep.generic_mode) Data_loader_windep.generic_mode(title, click, sensitive);
    return;
  }
  if (format == 1) {
    if (Data_loader_windep.plot3d_show) Data_loader_windep.plot3d_show();
    data_plot3dpartc_init(0);
    return;
  }
  if (format == 3) {
    if (N3s_loader_windep.show) N3s_loader_windep.show();
    if (Gexist[Case_num] && Rexist[Case_num]) data_n3spartc_init(0);
    return;
  }
  if (format == 4) {
    if (Estet_loader_extras.show) Estet_loader_extras.show();
    if (Gexist[Case_num] == 1) data_estetpartc_init(0);
    return;
  }
  disperr("The data format in use does not allow reentry for part building.");
}

void data_pbuild_manageinit_menu() {
  if (!Gexist[Case_num]) {
    disperr("Must have data read in before bring up the part builder.");
    return;
  }
  data_pbuild_manageinit(Data_format[Case_num]);
}
