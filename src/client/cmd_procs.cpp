// The processors this module owns: "command:" (playback settings and the
// listing of the command language), "shell:" (runs a shell command), and the
// placeholder processor and recorder that serve "test:" and the categories
// without a processor of their own.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "client/command_dlog.h"
#include "client/screen.h"

static const char *const Stars62 =
    "**************************************************************\n";
static const char *const Stars40 = "****************************************\n";

int cmd_cmdproc(const char *, const char *, const char *, const char *params, int cat_index,
                int kw_row, int cmd_id, const int *, int) {
  float value[1] = {0.0f};
  if (kw_row == CMD_NOT_FOUND) {
    disperr("command: The command does not exist.");
    return -1;
  }
  switch (cmd_id) {
    case COMMAND_DELAY:
      if (cmd_process_params(cat_index, kw_row, params, value) < 0) {
        disperr("command:  incorrect delay value");
        return -1;
      }
      cmd_play_delay((int)value[0], 1);
      return 1;
    case COMMAND_DELAY_REFRESH:
      if (cmd_process_params(cat_index, kw_row, params, value) < 0) {
        disperr("command:  incorrect refresh delay parameter");
        return -1;
      }
      cmd_delay_refresh((int)value[0], 1);
      return 1;
    case COMMAND_PART_SELECTION_BY: {
      int by = cmd_process_strparams(params, cat_index, kw_row);
      if (by < 0) {
        disperr("command: Bad parameter");
        return -1;
      }
      Cmd_record_parts_by_number = by;
      return 1;
    }
    default:  // COMMAND_MACRO_PATH: accepted, the macro directory is not settled
      return 1;
  }
}

int cmd_showcmds(const char *, const char *, const char *, const char *, int, int, int,
                 const int *, int) {
  cmd_report_cmds(-1, -1);
  return 0;
}

static void report_row(const Cmd_keyword_rec &row) {
  fprintf(stderr, "\t%20s ", row.keyword);
  switch (row.type) {
    case 's':
      if (row.options) {
        for (int i = 0; row.options[i].keyword[0]; i++)
          fprintf(stderr, "\n                     \t\t<%s>", row.options[i].keyword);
        fprintf(stderr, "\n");
        return;
      }
      fprintf(stderr, "\t\t");
      for (int i = 0; i < row.nvalues; i++) fprintf(stderr, "<string value> ");
      fprintf(stderr, "\n");
      return;
    case 'd':
    case 'f':
      fprintf(stderr, "\t\t");
      for (int i = 0; i < row.nvalues; i++)
        fprintf(stderr, row.type == 'd' ? "<integer#> " : "<float#> ");
      fprintf(stderr, "\n");
      return;
    case 'n':
      fprintf(stderr, "\t\t<ON/OFF>\n");
      return;
    case 'i':
      fprintf(stderr, "\t\t**IGNORED COMMAND**\n");
      return;
    default:
      fprintf(stderr, "\n");
  }
}

int cmd_report_cmds(int cat_index, int kw_row) {
  int listed = 0;
  for (int c = 0; Cmds_cat[c].name[0]; c++) {
    if (cat_index >= 0 && c != cat_index) continue;
    if (cat_index < 0 && Cmds_cat[c].proc == cmd_test_proc) continue;
    const Cmd_keyword_rec *table = Cmds_cat[c].keywords;
    int n = cmd_keyword_count(table);
    if (kw_row >= n) continue;
    fprintf(stderr, "%s", Stars62);
    fprintf(stderr, "%s\n", Cmds_cat[c].name);
    for (int r = 0; r < n; r++)
      if (kw_row < 0 || r == kw_row) report_row(table[r]);
    listed = 1;
  }
  if (!listed) return -1;
  fprintf(stderr, "%s", Stars62);
  return 1;
}

// The category exists to run its text through the shell, so this is the one
// place where a command line reaches system().
int cmd_shell_proc(const char *, const char *, const char *keyword, const char *params, int, int,
                   int, const int *, int) {
  std::string command;
  try {
    command = std::string(keyword ? keyword : "") + " " + (params ? params : "");
  } catch (...) {
    disperr("Error executing 'shell:' command.");
    return -1;
  }
  fflush(stdout);
  fflush(stderr);
  int ignored = system(command.c_str());
  (void)ignored;
  return 1;
}

int cmd_test_proc(const char *line, const char *category, const char *keyword, const char *params,
                  int, int kw_row, int cmd_id, const int *ids, int nids) {
  fprintf(stderr, "%s", Stars40);
  fprintf(stderr, "*******NOT IMPLMENTED YET*************\n");
  fprintf(stderr, "Command: %s\n", line ? line : "");
  fprintf(stderr, "categor: %s\n", category ? category : "");
  fprintf(stderr, "cmdonly: %s\n", keyword ? keyword : "");
  fprintf(stderr, "params : %s\n", params ? params : "");
  fprintf(stderr, "cmdindx: %d\n", kw_row);
  fprintf(stderr, "cmddata: %d\n", cmd_id);
  if (ids && nids > 0) {
    fprintf(stderr, "Selection Array:\n");
    for (int i = 0; i < nids; i++) {
      fprintf(stderr, "%d ", ids[i]);
      if ((i + 1) % 10 == 0) fprintf(stderr, "\n");
    }
    if (nids % 10) fprintf(stderr, "\n");
  }
  fprintf(stderr, "%s", Stars40);
  placom(line);
  return 1;
}

int cmd_test_rec(int, int, const char *category, int, float *, float *, const char *, int *) {
  fprintf(stderr, "%s", Stars40);
  fprintf(stderr, "*******SPECIAL RECORD NOT IMPLMENTED YET*************\n");
  fprintf(stderr, "categor: %s\n", category ? category : "");
  fprintf(stderr, "%s", Stars40);
  return 1;
}
