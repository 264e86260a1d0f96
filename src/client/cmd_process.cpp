// The line processor: every command line, whatever its source, is executed
// by cmd_process. It owns the selection block state (select_begin ..
// select_end with the ids collected in between) and Cmd_passcat, the category
// that lines without a category word continue.
#include <strings.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "client/command_dlog.h"
#include "client/extdriver.h"
#include "client/screen.h"

char Cmd_passcat[CMD_MAXCATWORD + 2] = "";

static int Call_processor = 1;        // 1 when the current line is to reach a processor
static int Selection_on = 0;          // 1 between select_begin and select_end
static std::vector<int> Selection_ids;  // ids collected inside the block

static void show_error(const char *fmt, const char *a, const char *b) {
  char msg[512];
  snprintf(msg, sizeof msg, fmt, a, b);
  disperr(msg);
}

static const Cmd_keyword_rec *keyword_row(int cat_index, int kw_row) {
  if (cat_index < 0 || cat_index >= CMD_NCATEGORIES || kw_row < 0) return nullptr;
  const Cmd_keyword_rec *table = Cmds_cat[cat_index].keywords;
  if (kw_row >= cmd_keyword_count(table)) return nullptr;
  return &table[kw_row];
}

// Reads the ids of an id line: blanks and tabs are skipped before each
// number, and reading goes on after the next blank. 1, or -1 when the list
// cannot grow.
static int read_id_line(const char *line) {
  const char *q = line;
  for (;;) {
    while (*q == ' ' || *q == '\t') q++;
    char *end = nullptr;
    errno = 0;
    long v = strtol(q, &end, 10);
    if (end == q || errno == ERANGE || v < INT_MIN || v > INT_MAX) return 1;
    try {
      Selection_ids.push_back((int)v);
    } catch (const std::bad_alloc &) {
      fprintf(stderr, "Memory allocation failed.\n");
      fprintf(stderr, "Error allocating selection array.\n");
      return -1;
    }
    q = strchr(end, ' ');
    if (!q) return 1;
  }
}

int cmd_select_reset() {
  if (!Selection_on && Selection_ids.empty()) return 0;
  char msg[160];
  snprintf(msg, sizeof msg,
           "A selection was begun (select_begin) but never ended (select_end); "
           "its %d id(s) were dropped.",
           (int)Selection_ids.size());
  disperr(msg);
  Selection_on = 0;
  Call_processor = 1;
  Selection_ids.clear();
  return 1;
}

int cmd_process(const char *line) {
  if (!line) return -1;

  if (Cmd_drive_extapp == 1 && connect_sendmesgto_client(line) < 0)
    disperr("Command failed that was sent to external command driven application.");

  if (line[0] == '#') return Check_context_state == 1 ? cmd_context_header_line(line) : -100;

  // Category word: at most CMD_MAXCATWORD characters before the colon.
  size_t n = 0;
  while (n < CMD_MAXCATWORD && line[n] && line[n] != ':') n++;
  int cat = 0;
  const char *catword = "";
  const char *p = line;
  bool continuation = false;
  char word[CMD_MAXCATWORD + 2];
  if (line[n] == ':') {
    memcpy(word, line, n + 1);
    word[n + 1] = '\0';
    int found = cmd_find_category(word);
    if (found >= 0) {
      snprintf(Cmd_passcat, sizeof Cmd_passcat, "%s", word);
      cat = found;
      catword = Cmd_passcat;
      p = line + n + 1;
    } else if (Selection_on) {
      catword = word;
      p = line + n + 1;
    } else if (strcasecmp(word, "interrupt:") == 0) {
      cmd_delay_refresh(0, 1);
      return -1;
    } else {
      continuation = true;
    }
  } else if (Selection_on) {
    p = line + n;
  } else {
    continuation = true;
  }

  std::string keyword;
  std::string params;
  int kw_row = CMD_NOT_FOUND, cmd_id = CMD_NOT_FOUND, slot = 0;
  if (continuation) {
    int c = cmd_find_category(Cmd_passcat);
    cat = c >= 0 ? c : 0;
    catword = Cmd_passcat;
    if (strlen(line) > CMD_MAXCONTINUE) {
      disperr("The length of this command is > the maximum command string allowed.");
      return -1;
    }
    keyword = line;
  } else {
    while (*p == ' ') p++;
    size_t len = strcspn(p, " ");
    if (len > CMD_MAXKEYWORD) {
      if (!Selection_on) {
        disperr("The length of this command is > the maximum command string allowed.");
        return -1;
      }
    } else {
      keyword.assign(p, len);
    }
    p += len;
    const Cmd_keyword_rec *table = Cmds_cat[cat].keywords;
    for (int i = 0; !keyword.empty() && table && table[i].keyword[0]; i++) {
      if (strcasecmp(table[i].keyword, keyword.c_str()) == 0) {
        kw_row = i;
        cmd_id = table[i].cmd_id;
        slot = (table[i].type == 'm' || table[i].type == 'u') ? 0 : table[i].slot;
        break;
      }
    }
    char type = kw_row >= 0 ? table[kw_row].type : '\0';
    if (type == 'b' || strcasecmp(keyword.c_str(), "select_begin") == 0) {
      Call_processor = 0;
      Selection_on = 1;
      Command_proc_err = 0;
    } else if (type == 'e' || strcasecmp(keyword.c_str(), "select_end") == 0) {
      Call_processor = 1;
      Selection_on = 0;
    } else if (Selection_on) {
      if (read_id_line(line) < 0) return -1;
    } else {
      while (*p == ' ') p++;
      if (strlen(p) > CMD_MAXPARAMS) {
        disperr("Parameter list is greater than the maximum possible.");
        return -1;
      }
      params = p;
      Call_processor = 1;
    }
  }

  int result = cat;
  if (Call_processor == 1) {
    Cmd_proc_fn proc = slot == 1 ? Cmds_cat[cat].alt_proc : Cmds_cat[cat].proc;
    int nids = (int)Selection_ids.size();
    int r = proc ? proc(line, catword, keyword.c_str(), params.c_str(), cat, kw_row, cmd_id,
                        nids ? Selection_ids.data() : nullptr, nids)
                 : -1;
    Selection_ids.clear();
    if (r == -1) result = -1;
  }
  return result;
}

int cmd_process_and_refresh(const char *line) {
  int r = cmd_process(line);
  if (r == -1) {
    cmd_playinterrupt();
    snprintf(Cmd_lastcat, sizeof Cmd_lastcat, "%s", "nomatch");
    cmd_refresh();
    unset_working_cursor();
    return -1;
  }
  if (r == -100) return -100;
  cmd_anirefresh(line);
  return r;
}

char *cmd_process_question(const char *params) {
  std::string prompt;
  for (const char *q = params + 2; *q; q++) {
    if (q[0] == '\\' && q[1] == 'n') {
      prompt += " \n";
      q++;
    } else {
      prompt += *q;
    }
  }
  char answer[327] = "";
  screen_prompt(prompt.c_str(), "Interactive Command Prompt", answer, (int)sizeof answer, 0);
  if (!answer[0]) return nullptr;
  char *copy = strdup(answer);
  if (!copy) disperr("Error allocating memory for command value.");
  return copy;
}

const char *const Cmd_no_value_entered = "No value entered.  Error processing commands.";

int cmd_param_asked(const char **params, char **answer, const char *unanswered) {
  *answer = nullptr;
  if ((*params)[0] != '?' || (*params)[1] != '?') return 1;
  *answer = cmd_process_question(*params);
  if (*answer) {
    *params = *answer;
    return 1;
  }
  if (unanswered) {
    disperr(unanswered);
    return -1;
  }
  *params = "";
  return 1;
}

int cmd_process_params(int cat_index, int kw_row, const char *params, float *values) {
  const Cmd_keyword_rec *row = keyword_row(cat_index, kw_row);
  if (!row || !params || !values) {
    fprintf(stderr, "Internal Quivane error: bad partype value for this command: %s.\n", "");
    return -1;
  }
  char *answer = nullptr;
  if (cmd_param_asked(&params, &answer, Cmd_no_value_entered) < 0) return -1;
  int result = 1;
  const char *p = params;
  switch (row->type) {
    case 'd':
    case 'f':
      for (int i = 0; i < row->nvalues && result == 1; i++) {
        while (*p == ' ') p++;
        char *end = nullptr;
        errno = 0;
        if (row->type == 'd') {
          long v = strtol(p, &end, 10);
          if (end == p || errno == ERANGE || v < INT_MIN || v > INT_MAX) {
            show_error("%s: %s -> Bad parameter", Cmds_cat[cat_index].name, row->keyword);
            result = -1;
          } else {
            values[i] = (float)v;
          }
        } else {
          float v = strtof(p, &end);
          if (end == p) result = -1;
          else values[i] = v;
        }
        const char *blank = strchr(p, ' ');
        p = blank ? blank : p + strlen(p);
      }
      break;
    case 'n':
      values[0] = strcasecmp(params, On) == 0 ? 1.0f : 0.0f;
      break;
    case 'o':
      values[0] = 1.0f;
      fprintf(stderr,
              "Internal Quivane error, cmd_process_params: Need to implement one of many commands.\n");
      break;
    case 'i':
      break;
    default:
      fprintf(stderr, "Internal Quivane error: bad partype value for this command: %s.\n",
              row->keyword);
      result = -1;
      break;
  }
  free(answer);
  return result;
}

int cmd_process_strparams(const char *params, int cat_index, int kw_row) {
  const Cmd_keyword_rec *row = keyword_row(cat_index, kw_row);
  if (!row || !params) {
    fprintf(stderr, "cmd_process_strparam: Internal Quivane command process error.\n");
    return -1;
  }
  char *answer = nullptr;
  if (cmd_param_asked(&params, &answer, Cmd_no_value_entered) < 0) return -1;
  int result = -1;
  if (!row->options) {
    fprintf(stderr, "cmd_process_strparam: Internal Quivane command process error.\n");
  } else {
    int i = 0;
    for (; row->options[i].keyword[0]; i++)
      if (strcasecmp(row->options[i].keyword, params) == 0) break;
    if (row->options[i].keyword[0])
      result = row->options[i].value;
    else
      show_error("%s %s -> Incorrect parameter.", Cmds_cat[cat_index].name, row->keyword);
  }
  free(answer);
  return result;
}
