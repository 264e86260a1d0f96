#include "data/readcmds.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "client/screen.h"

char *Data_readcmds[MAX_CASES] = {};
int Data_readcmds_len[MAX_CASES] = {};
char *Data_pbuildcmds = nullptr;
int Data_pbuildcmds_len = 0;

static const char *const NO_SPACE = "Error allocating space for part build commands.";

int data_append_cmdline(char **text, int *len, const char *line, const char *who) {
  if (!*text) {
    *text = (char *)calloc(READCMDS_FIRST_BLOCK, 1);
    if (!*text) {
      fprintf(stderr, "%s Error allocating %d bytes\n", who, READCMDS_FIRST_BLOCK);
      disperr(NO_SPACE);
      return -1;
    }
    *len = READCMDS_FIRST_BLOCK;
  }
  size_t used = strlen(*text), add = strlen(line);
  size_t need = used + add + 4;  // "\n# " and the NUL
  size_t cap = (size_t)*len;
  while (cap < need) cap += READCMDS_GROWTH;
  if (cap != (size_t)*len) {
    // The old block keeps its text when the larger one cannot be had.
    char *grown = cap > 0x7fffffffu ? nullptr : (char *)realloc(*text, cap);
    if (!grown) {
      fprintf(stderr, "%s Error reallocating %zu bytes\n", who, cap);
      disperr(NO_SPACE);
      return -1;
    }
    *text = grown;
    *len = (int)cap;
  }
  snprintf(*text + used, cap - used, used == 0 ? "# %s" : "\n# %s", line);
  return 0;
}

int data_PART_BLDCMDS(const char *line) {
  return data_append_cmdline(&Data_readcmds[Case_num], &Data_readcmds_len[Case_num], line,
                             "data_PART_BLDCMDS:");
}
