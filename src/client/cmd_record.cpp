// The recorder: whatever the user does through a dialog is written down as
// the command lines that do the same. cmdrec hands each line to a driven
// client, to a context file being written, or to the Command dialog's history
// and the record files: the session record (a fresh mkstemp file per run,
// unless switched off) and the user record file. A recorded line is never
// executed. The helpers build the common line forms from the keyword tables,
// so that every recorded line reads back through the row that processes it.
#include <strings.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/command_dlog.h"
#include "client/extdriver.h"
#include "client/textutil.h"
#include "palette/palette_cmdproc.h"
#include "client/screen.h"
#include "variables/variables_cmdproc.h"
#include "view/view_cmdproc.h"

#define CMD_RECORD_VERSION 7.1    // written "%.2f" after "VERSION"
#define PART_GENERAL_SLOTS 45     // general part attribute slots ahead of a feature's own
#define PART_VPVIS_SLOT 2         // per-viewport visibility bit mask

static const char *const Write_error = "Error writing command to file, please check disk space.";
static const char *const Version_error =
    "Error writing command version to file. Please check disk space.";

// Writes one line and a line feed and flushes; -1 (after the message) on error.
static int write_line(FILE *fp, const char *line, const char *errmsg) {
  if (fprintf(fp, "%s\n", line) < 0 || fflush(fp) != 0) {
    disperr(errmsg);
    return -1;
  }
  return 1;
}

static int write_version(FILE *fp) {
  if (fprintf(fp, "%s %.2f\n", "VERSION", CMD_RECORD_VERSION) < 0 || fflush(fp) != 0) {
    disperr(Version_error);
    return -1;
  }
  return 1;
}

// Creates the session record file with a name nobody can predict.
static FILE *open_session_record() {
  const char *dir = getenv("TMPDIR");
  if (!dir || !*dir) dir = P_tmpdir;
  std::string path = std::string(dir) + "/quivane_XXXXXX";
  char *name = strdup(path.c_str());
  if (!name) return nullptr;
  int fd = mkstemp(name);
  FILE *fp = fd >= 0 ? fdopen(fd, "w") : nullptr;
  if (!fp) {
    if (fd >= 0) {
      close(fd);
      unlink(name);
    }
    free(name);
    return nullptr;
  }
  free(Cmd_backupfilename);
  Cmd_backupfilename = name;
  return fp;
}

int cmd_record_to_file(const char *line) {
  if (Context_restore) return 1;
  if (Context_file)
    return write_line(Context_file, line,
                      "Error writing command to context file, please check disk space.");
  if (Recrdr_backup == 1) {
    int ok = 1;
    if (!Cmd_backupfile) {
      Cmd_backupfile = open_session_record();
      if (!Cmd_backupfile) {
        fprintf(stderr, "cmd_record_to_file: Could not open the backup record file.\n");
        Recrdr_backup = 0;
        if (Recrdr_user != 1) Recrdr = 0;
        ok = 0;
      } else {
        fprintf(stderr, "\nBackup file for this run of Quivane is %s.\n", Cmd_backupfilename);
        if (write_version(Cmd_backupfile) < 0) return -1;
      }
    }
    if (ok && write_line(Cmd_backupfile, line, Write_error) < 0) return -1;
  }
  if (Recrdr_user == 1 && Cmd_recfile && write_line(Cmd_recfile, line, Write_error) < 0)
    return -1;
  return 1;
}

int cmdrec(const char *line) {
  if (!line) return -1;
  if (Cmd_drive_extapp == 1 && connect_sendmesgto_client(line) < 0)
    disperr("Command failed that was sent to external command driven application.");
  if (Context_file) return cmd_record_to_file(line);
  if (Recrdr == 1) return cmdrec_windep(line);
  return 0;
}

static void rec2(const char *cat, const char *kw) {
  std::string line = std::string(cat) + " " + kw;
  cmdrec(line.c_str());
}

static void rec3(const char *cat, const char *kw, const char *value) {
  std::string line = std::string(cat) + " " + kw + " " + value;
  cmdrec(line.c_str());
}

void cmd_rec_selbynum(int cat_index, int count, const int *ids) {
  if (cat_index < 0 || cat_index >= CMD_NCATEGORIES) return;
  const char *cat = Cmds_cat[cat_index].name;
  if (count <= 0 || !ids || ids[0] == -1) {
    rec2(cat, "select_default");
    return;
  }
  rec2(cat, "select_begin");
  std::string line;
  for (int i = 0; i < count; i++) {
    line += " " + std::to_string(ids[i]);
    if ((i + 1) % 10 == 0 || i == count - 1) {
      cmdrec(line.c_str());
      line.clear();
    }
  }
  rec2(cat, "select_end");
}

// Where one attribute slot is described: its keyword table, the row offset
// of the slot in that table, and the category the line is written with.
struct Slot_table {
  const Cmd_keyword_rec *table;
  int nrows;
  int first_slot;  // vector slot of row 0
  int cat_index;   // category whose name and special recorder serve these rows
};

static int option_keyword(const Cmd_keyword_rec &row, int value, const char *fn, int slot,
                          std::string *out) {
  if (!row.options) {
    fprintf(stderr, "%s: ignoring command for string attribute %d.\n", fn, slot);
    return -1;
  }
  for (int i = 0; row.options[i].keyword[0]; i++) {
    if (row.options[i].value == value) {
      *out = row.options[i].keyword;
      return 1;
    }
  }
  fprintf(stderr, "%s: Could not find string param for command, ignored.\n", fn);
  return -1;
}

static std::string format_value(char type, float v) {
  char buf[64];
  if (type == 'd')
    snprintf(buf, sizeof buf, "%d", (int)v);
  else
    snprintf(buf, sizeof buf, "%.4e", v);
  return buf;
}

// Records slot s by its row's type letter (d f n o s m u); the saved value of
// s is already the new one. Returns the next slot to visit, or -1 when a
// special recorder stopped the recording.
static int record_typed_slot(const Slot_table &st, int s, float *saved, float *newv, int count,
                             int mode, const char *text, int *flags, const char *fn) {
  int r = s - st.first_slot;
  if (r < 0 || r >= st.nrows) return s + 1;
  const Cmd_keyword_rec &row = st.table[r];
  const char *cat = Cmds_cat[st.cat_index].name;
  switch (row.type) {
    case 'd':
    case 'f': {
      int back = row.keyword[0] == '1' ? 1 : row.keyword[0] == '2' ? 2 : 0;
      int first = r - back;
      if (first < 0) return s + 1;
      const Cmd_keyword_rec &head = st.table[first];
      int n = head.nvalues;
      int start = s - back;
      if (n < 1 || n > 3 || start + n > count) return s + 1;
      std::string line = std::string(cat) + " " + head.keyword;
      for (int k = 0; k < n; k++) {
        saved[start + k] = newv[start + k];
        line += " " + format_value(row.type, newv[start + k]);
      }
      cmdrec(line.c_str());
      return start + n;
    }
    case 'n':
      rec3(cat, row.keyword, newv[s] == 1.0f ? On : Off);
      return s + 1;
    case 'o':
      if (newv[s] == 1.0f) rec2(cat, row.keyword);
      return s + 1;
    case 's': {
      std::string word;
      if (option_keyword(row, (int)newv[s], fn, s, &word) > 0) rec3(cat, row.keyword, word.c_str());
      return s + 1;
    }
    case 'm':
    case 'u': {
      Cmd_rec_fn special = Cmds_cat[st.cat_index].special_rec;
      int used = special ? special(mode, row.cmd_id, cat, s, saved, newv, text, flags) : 0;
      if (used == -1) return -1;
      return s + 1 + (used > 0 ? used : 0);
    }
    default:
      return s + 1;
  }
}

static Slot_table category_table(int cat_index, int first_slot) {
  const Cmd_keyword_rec *t = Cmds_cat[cat_index].keywords;
  return Slot_table{t, cmd_keyword_count(t), first_slot, cat_index};
}

void cmd_setrec_at(float *saved, float *newv, int count, int cat_index, int *flags,
                   int use_flags) {
  if (!saved || !newv || cat_index < 0 || cat_index >= CMD_NCATEGORIES) return;
  if (use_flags && !flags) return;
  Slot_table st = category_table(cat_index, 0);
  for (int s = 0; s < count;) {
    bool taken = use_flags ? flags[s] == 1 : newv[s] != saved[s];
    if (!taken) {
      s++;
      continue;
    }
    saved[s] = newv[s];
    if (Recrdr != 1) {
      s++;
      continue;
    }
    s = record_typed_slot(st, s, saved, newv, count, 0, nullptr, flags, "cmd_setrec_at");
    if (s < 0) return;
  }
}

// The palette rows of the part attributes: "colorby_palette" names the
// palette; a following component row carries it with the component letter.
static void record_palette_slot(const Slot_table &st, int s, float *saved, float *newv,
                                int count, int *flags) {
  int r = s - st.first_slot;
  const Cmd_keyword_rec &row = st.table[r];
  const char *cat = Cmds_cat[st.cat_index].name;
  char name[256] = "none";
  int type = 0;
  if (strcasecmp(row.keyword, "colorby_palette") == 0) {
    if (s + 1 < count && flags[s + 1] == 1) return;
    getpaltype((int)newv[s], 0, name, &type);
    rec3(cat, row.keyword, name);
    return;
  }
  if (r < 1) return;
  float palette = flags[s - 1] == 1 ? newv[s - 1] : saved[s - 1];
  int comp = (int)newv[s];
  getpaltype((int)palette, comp, name, &type);
  std::string value = name;
  if (comp >= 1 && comp <= 3) value += std::string(" ") + "xyz"[comp - 1];
  rec3(cat, st.table[r - 1].keyword, value.c_str());
}

void cmd_setrec_partatt(int mode, float *saved, float *newv, const char *curname,
                        const char *newname, int count, int cat_index, const char *text,
                        int *flags, int, int suppress, int modify) {
  if (!saved || !newv || !flags || cat_index < 0 || cat_index >= CMD_NCATEGORIES) return;
  const bool frame = cat_index == CMD_CAT_FRAME;
  const char *owner = frame ? "frame:" : "part:";
  const char *cat = Cmds_cat[cat_index].name;
  const bool record = Recrdr == 1 && !suppress;
  const Slot_table general = category_table(frame ? CMD_CAT_FRAME : CMD_CAT_PART, 0);
  const Slot_table own =
      (frame || cat_index == CMD_CAT_PART) ? general : category_table(cat_index, PART_GENERAL_SLOTS);

  if (record) rec2(modify ? owner : cat, modify ? "modify_begin" : "begin");
  if (record && newname && newname[0] && strcmp(newname, Stars) != 0 &&
      (!curname || strcmp(newname, curname) != 0))
    rec3(owner, "description", newname);

  for (int s = 0; s < count;) {
    if (flags[s] != 1) {
      s++;
      continue;
    }
    const Slot_table &st = (frame || s < PART_GENERAL_SLOTS) ? general : own;
    if (!frame && s == PART_VPVIS_SLOT) {
      int changed = 0;
      viewport_vis_part_changed_pattern(&changed, 0);
      int m = changed & viewp_inuse_mask();
      int merged = ((int)saved[s] & ~m) | ((int)newv[s] & m);
      newv[s] = (float)merged;
    }
    saved[s] = newv[s];
    if (!record) {
      s++;
      continue;
    }
    int r = s - st.first_slot;
    char type = (r >= 0 && r < st.nrows) ? st.table[r].type : 'z';
    if (type == 'v') {
      char name[256] = "none";
      int id = (int)newv[s];
      if (id == -1 || var_recname_from_id(id, name, (int)sizeof name) > 0)
        rec3(Cmds_cat[st.cat_index].name, st.table[r].keyword, name);
      else
        fprintf(stderr, "cmd_setrec_partatt: ignoring command for variable.\n");
      s++;
    } else if (type == 'p') {
      record_palette_slot(st, s, saved, newv, count, flags);
      s++;
    } else {
      s = record_typed_slot(st, s, saved, newv, count, mode, text, flags, "cmd_setrec_partatt");
      if (s < 0) break;
    }
  }

  if (record) rec2(modify ? owner : cat, modify ? "modify_end" : "end");
}

int cmd_recordto(const char *name) {
  if (!name || !name[0]) return 0;
  char expanded[255];
  int nchars = (int)strlen(name), capacity = (int)sizeof expanded;
  int r = expfnam(name, &nchars, expanded, &capacity);
  if (r == -2) {
    disperr("Comamnd file and path name too long when expanding '~'.");
    return -1;
  }
  if (r < 0) {
    disperr("Could not expand '~' in command file, try full name.");
    return -1;
  }
  if (access(expanded, F_OK) == 0 && !warn("Record file already exists.  Okaying will overwrite it.")) {
    cmdrec_toggle_windep(0, 0);
    return -1;
  }
  cmd_record_off();
  FILE *fp = fopen(expanded, "w");
  if (!fp) {
    disperr("Could not open the command file to record.");
    cmdrec_toggle_windep(0, 0);
    return -1;
  }
  Cmd_recfile = fp;
  if (write_version(fp) < 0) return -1;
  Recrdr_user = 1;
  Recrdr = 1;
  snprintf(Cmd_recordfilename, sizeof Cmd_recordfilename, "%s", expanded);
  return 1;
}

void cmd_record_off() {
  Recrdr_user = 0;
  if (Recrdr_backup != 1) Recrdr = 0;
  if (Cmd_recfile) fclose(Cmd_recfile);
  Cmd_recfile = nullptr;
}
