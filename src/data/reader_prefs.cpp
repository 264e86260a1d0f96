// Reader preferences (see reader_prefs.h). Owns the default reader, the
// removal list and the dialog's rows with their marks. The files are read
// once per run: afterwards the removal list never changes and the default
// changes only through a save. The rows are built at the first refresh of
// the dialog and again after every save; a toggle changes only their marks.
#include "data/reader_prefs.h"

#include <strings.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "client/cases.h"
#include "client/conect.h"
#include "client/file_select_comm.h"
#include "client/screen.h"
#include "client/startup.h"
#include "data/data_format.h"
#include "data/pbuild.h"

char Data_readerpref_default[READER_PREF_NAME_MAX];
char (*Data_readerpref_removed)[READER_PREF_NAME_MAX];
int Data_readerpref_removed_cnt;
char Data_readerpref_rows[READER_PREF_ROWS_MAX][READER_PREF_NAME_MAX];
int Data_readerpref_shown[READER_PREF_ROWS_MAX];
int Data_readerpref_rowcnt;
int Data_readerpref_loaded;
int Data_readerpref_default_set;
Datareadpref_windep_rec Datareadpref_windep;

#define READER_PREF_VERSION 7.1
#define READER_PREF_BUILTIN_ROWS 11  // the fixed formats at the head of the format menu
#define PATH_TEXT 600

static void site_path(char *path, size_t size) {
  if (!Quivane_home_directory[0]) {
    path[0] = '\0';
    return;
  }
  snprintf(path, size, "%s/site_preferences/%s", Quivane_home_directory, READER_PREF_FILE);
}

static void user_path(char *path, size_t size) {
  snprintf(path, size, "%s/%s/%s", User_home_directory, Quivane_resource_directory,
           READER_PREF_FILE);
}

// The name after a six-letter keyword, its leading blanks skipped.
static const char *keyword_value(const char *line) {
  const char *p = line + 6;
  while (*p == ' ' || *p == '\t') p++;
  return p;
}

// What happens after one file: the next file is read, or the reading ends.
enum Pref_file_end { PREF_NEXT_FILE, PREF_STOP };

static Pref_file_end add_removed(const char *name) {
  const size_t len = strlen(name);
  if (len == 0 || len >= READER_PREF_NAME_MAX) {
    fprintf(stderr, "Reader removal line too long. Must be < %d.\n", READER_PREF_NAME_MAX);
    return PREF_STOP;
  }
  if (!Data_readerpref_removed) {
    Data_readerpref_removed = static_cast<char(*)[READER_PREF_NAME_MAX]>(
        calloc(READER_PREF_REMOVED_MAX, READER_PREF_NAME_MAX));
    if (!Data_readerpref_removed) {
      perror("D2CALLOC(rows): Memory allocation failed:");
      fprintf(stderr, "E> At Line %d in File %s\n", __LINE__, "data_dlog");
      fprintf(stderr, "%s: Memory(d2calloc) allocation failed.\n", "data_get_reader_prefs()");
      fprintf(stderr, "Reader preference allocation failed. File ignored.\n");
      return PREF_STOP;
    }
  }
  // The table holds READER_PREF_REMOVED_MAX names; later ones are dropped.
  if (Data_readerpref_removed_cnt >= READER_PREF_REMOVED_MAX) {
    fprintf(stderr, "N> Only %d reader removals are kept. Ignoring 'remove %s'.\n",
            READER_PREF_REMOVED_MAX, name);
    return PREF_NEXT_FILE;
  }
  memcpy(Data_readerpref_removed[Data_readerpref_removed_cnt++], name, len + 1);
  return PREF_NEXT_FILE;
}

static void set_default(const char *name) {
  if (strlen(name) >= READER_PREF_NAME_MAX) {
    fprintf(stderr, "N> Default reader name longer than %d characters. Ignoring 'select %s'.\n",
            READER_PREF_NAME_MAX - 1, name);
    return;
  }
  snprintf(Data_readerpref_default, sizeof Data_readerpref_default, "%s", name);
}

// The version line: the file is taken when its number, plus 0.0001 and cut
// to an integer, is at least 7.
static Pref_file_end check_version(const char *line, const char *path) {
  if (strncasecmp(line, "VERSION", 7) != 0) {
    fprintf(stderr, "Error in preference file '%s' : file ignored.\n", path);
    return PREF_STOP;
  }
  if ((int)(strtod(line + 7, nullptr) + 0.0001) < 7) {
    fprintf(stderr,
            "*****NOTE*****\nDue to the major GUI enhancements of Quivane 7.0,\n"
            "quivane_reader_prefs.def files older than version 7.0 are not supported.\n"
            "Please save off the preferences again for Quivane 7.0. This file\n"
            "is found in your home directory under the .quivane7 directory.\n"
            "**************\n");
    return PREF_STOP;
  }
  return PREF_NEXT_FILE;
}

// Reads one preference file. Only a readable file is opened: a file that is
// missing or that the user may not read is passed over, and a read-only
// file (the usual site copy) is read.
static Pref_file_end read_pref_file(const char *path) {
  if (!path[0]) return PREF_NEXT_FILE;
  int mode = 0, report = 0;
  if (!chkfil(path, &mode, &report)) return PREF_NEXT_FILE;
  std::unique_ptr<FILE, int (*)(FILE *)> fp(fopen(path, "r"), fclose);
  if (!fp) return PREF_NEXT_FILE;
  char line[READER_PREF_LINE_MAX + 1];
  for (int n = 0;; n++) {
    const int got = get_aline(fp.get(), READER_PREF_LINE_MAX, line);
    if (got == GET_ALINE_EOF && n > 0) return PREF_NEXT_FILE;
    if (got == GET_ALINE_LONG) {
      fprintf(stderr,
              n < 2 ? "General preference line > %d maximum characters in '%s'. Ignoring rest of file.\n"
                    : "Reader preference line > %d maximum characters in '%s'. Ignoring rest of file.\n",
              READER_PREF_LINE_MAX, path);
      return n < 2 ? PREF_STOP : PREF_NEXT_FILE;
    }
    if (got == GET_ALINE_EOF || got == GET_ALINE_EMPTY) line[0] = '\0';
    if (n == 0) {
      if (check_version(line, path) == PREF_STOP) return PREF_STOP;
      continue;
    }
    if (!line[0] || line[0] == '#') continue;
    if (strncasecmp(line, "select", 6) == 0) {
      set_default(keyword_value(line));
    } else if (strncasecmp(line, "remove", 6) == 0) {
      if (add_removed(keyword_value(line)) == PREF_STOP) return PREF_STOP;
    }
  }
}

void data_get_reader_prefs() {
  if (Data_readerpref_loaded) return;
  Data_readerpref_loaded = 1;
  char path[PATH_TEXT];
  site_path(path, sizeof path);
  if (read_pref_file(path) == PREF_STOP) return;
  if (!User_home_directory[0]) return;
  user_path(path, sizeof path);
  read_pref_file(path);
}

int data_reader_removed(const char *name) {
  for (int i = 0; i < Data_readerpref_removed_cnt; i++)
    if (strcasecmp(Data_readerpref_removed[i], name) == 0) return 1;
  return 0;
}

// ---- the dialog's rows -------------------------------------------------------------

static int dialog_shown() { return Datareadpref_windep.shown && Datareadpref_windep.shown(); }

// Asks the current case's server for its user-defined readers; how many of
// them the rows can show (0 when the server has none or cannot be asked).
static int user_reader_count() {
  const int c = Case_num;
  if (c < 0 || c >= MAX_CASES || Online[c + 1] != 1) return 0;
  char name[USERD_NAME_LEN];
  int two_files = 0;
  if (get_userd_reader_name(name, &two_files) != 0 || strcasecmp(name, "no_custom") == 0) return 0;
  int n = Userdef_readercnt[c];
  if (!Userdef_readers[c] || n < 0) return 0;
  return n < READER_PREF_ROWS_MAX - READER_PREF_BUILTIN_ROWS ? n
                                                             : READER_PREF_ROWS_MAX - READER_PREF_BUILTIN_ROWS;
}

static void add_row(const char *name) {
  const int r = Data_readerpref_rowcnt++;
  snprintf(Data_readerpref_rows[r], READER_PREF_NAME_MAX, "%s", name);
  Data_readerpref_shown[r] = data_reader_removed(Data_readerpref_rows[r]) ? 0 : 1;
}

static void build_rows(int user_readers) {
  Data_readerpref_rowcnt = 0;
  for (int r = 0; r < READER_PREF_BUILTIN_ROWS; r++) add_row(Data_format_rows[r].label);
  for (int i = 0; i < user_readers; i++) add_row(Userdef_readers[Case_num][i]);
}

static void refill_list() {
  if (!dialog_shown() || !Datareadpref_windep.fill_list) return;
  char items[READER_PREF_ROWS_MAX][READER_PREF_NAME_MAX + 4];
  const char *texts[READER_PREF_ROWS_MAX];
  for (int r = 0; r < Data_readerpref_rowcnt; r++) {
    snprintf(items[r], sizeof items[r], "(%c) %s", Data_readerpref_shown[r] ? '*' : ' ',
             Data_readerpref_rows[r]);
    texts[r] = items[r];
  }
  Datareadpref_windep.fill_list(Data_readerpref_rowcnt, texts);
}

void datareadpref_init_dialog() {
  if (!dialog_shown()) return;
  data_get_reader_prefs();
  const int user_readers = user_reader_count();
  if (Data_readerpref_rowcnt == 0) build_rows(user_readers);
  refill_list();
  if (Datareadpref_windep.set_default) Datareadpref_windep.set_default(Data_readerpref_default);
}

// Only the marks and the list change: the default field keeps what the
// user typed into it until Save.
void datareadpref_tggl_vis(int count, const int positions[]) {
  for (int k = 0; k < count; k++) {
    const int p = positions[k];
    if (p < 1 || p > Data_readerpref_rowcnt) continue;
    Data_readerpref_shown[p - 1] = !Data_readerpref_shown[p - 1];
  }
  refill_list();
}

// ---- writing the user's file -------------------------------------------------------

void datareadpref_save() {
  char path[PATH_TEXT];
  user_path(path, sizeof path);
  char failed[PATH_TEXT + 80];
  snprintf(failed, sizeof failed,
           "Could not write out preference file '%s'. Please check permissions.", path);
  FILE *fp = fopen(path, "w");
  if (!fp) {
    disperr(failed);
    return;
  }
  char field[READER_PREF_NAME_MAX];
  snprintf(field, sizeof field, "%s", Data_readerpref_default);
  if (Datareadpref_windep.get_default) Datareadpref_windep.get_default(field, sizeof field);
  bool ok = fprintf(fp, "VERSION %f\n", READER_PREF_VERSION) > 0;
  if (field[0]) {
    memcpy(Data_readerpref_default, field, sizeof field);
    ok = fprintf(fp, "select %s\n", field) > 0 && ok;
  }
  // A removed reader that is also the default stays out of the removals.
  for (int r = 0; r < Data_readerpref_rowcnt; r++)
    if (!Data_readerpref_shown[r] && strcmp(Data_readerpref_rows[r], field) != 0)
      ok = fprintf(fp, "remove %s\n", Data_readerpref_rows[r]) > 0 && ok;
  Data_readerpref_rowcnt = 0;
  // A write that did not reach the file (a full disk) is an error too.
  if (fclose(fp) != 0) ok = false;
  if (!ok) disperr(failed);
}
