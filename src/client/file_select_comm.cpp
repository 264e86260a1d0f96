// File checks, the configuration-file line reader, host names and the
// remote file listing (see file_select_comm.h). The overwrite warning is the
// user's to answer; without a main window it is answered Okay on the console.
//
// "get file listing" on the current case's channel:
//   -> string "get file listing" (16 bytes, no NUL); string filter (no NUL)
//   <- int path length, or -1 when the directory cannot be read (no more)
//   <- string path; int directory count; int block length; string block;
//      int file count; int block length; string block
// Each block holds its names one after another, every name followed by a
// newline. A block's bare length and its string's own length must agree.
#include "client/file_select_comm.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/conect.h"
#include "client/textutil.h"
#include "client/screen.h"

static const int LIST_BLOCK_MAX = 64 << 20;  // longest path or name block taken from a server

static void report_error(const char *format, const char *path, int report) {
  if (report != 1) return;
  char text[600];
  snprintf(text, sizeof text, format, path);
  disperr(text);
}

int chkfil(const char *path, int *mode, int *report) {
  if (!path || !mode) return 0;
  const int rep = report ? *report : 0;
  if (*mode == 0) {
    if (access(path, R_OK) == 0) return 1;
    report_error("File '%s' cannot be read.", path, rep);
    return 0;
  }
  if (access(path, F_OK) != 0) {
    int fd = open(path, O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd >= 0) {
      close(fd);
      unlink(path);
      return 1;
    }
    report_error("File '%s' cannot be created. Permission denied.", path, rep);
    return 0;
  }
  if (access(path, W_OK) != 0) {
    report_error("File '%s' cannot be created. Permission denied.", path, rep);
    return 0;
  }
  if (rep != 1) return 1;
  char text[600];
  snprintf(text, sizeof text, "File '%s' already exists.\nOkaying will overwrite it.", path);
  return warn(text);
}

int get_aline(FILE *fp, int max, char *buf) {
  int n = 0, c;
  while ((c = getc(fp)) != EOF && c != '\n') {
    if (n >= max) {
      ungetc(c, fp);
      return GET_ALINE_LONG;
    }
    buf[n++] = (char)c;
  }
  if (c == EOF && n == 0) return GET_ALINE_EOF;
  buf[n] = '\0';
  return n == 0 ? GET_ALINE_EMPTY : n - 1;
}

int our_gethostname(int ch, char *buf, int size) {
  if (!buf || size <= 0) return -1;
  if (ch >= 0) return ccrhst(ch, buf, size);
  if (gethostname(buf, (size_t)size) != 0) {
    buf[0] = '\0';
    return -1;
  }
  buf[size - 1] = '\0';
  return 1;
}

void remotefilelist_free(char **names) {
  if (!names) return;
  free(names[0]);
  free(names);
}

// Reads and drops the next string. 0 (the link stays in step) or -2.
static int drain_string(int ch) {
  char sink[1];
  int got = 0;
  int r = ccrstr(ch, 1, sink, 0, &got);  // a longer string is read and dropped
  return r == 0 || got > 0 ? 0 : -2;
}

// Receives a string announced as len bytes into a heap buffer of len + 1
// bytes (terminated); *out is null unless the result is 0. The string's own
// length must equal len: 0 agreed; -1 it did not, or it is too long for a
// listing (drained: the link stays in step); -3 no memory (drained); -2 the
// link failed.
static int recv_block(int ch, int len, char **out) {
  *out = nullptr;
  if (len < 0 || len > LIST_BLOCK_MAX) return drain_string(ch) == 0 ? -1 : -2;
  char *b = (char *)malloc((size_t)len + 1);
  if (!b) return drain_string(ch) == 0 ? -3 : -2;
  int got = 0;
  int r = ccrstr(ch, 1, b, len, &got);
  if (r != 0 || got != len) {
    free(b);
    return r == 0 || got > len ? -1 : -2;
  }
  b[len] = '\0';
  *out = b;
  return 0;
}

// Builds the slot list of count names from a block; null with count 0.
// 1, or -1 when the block holds fewer newline-terminated names than count or
// the memory is missing.
static int build_list(const char *block, int len, int count, const char *what, char ***names) {
  *names = nullptr;
  if (count == 0) return 1;
  if (count < 0 || count > len) {
    fprintf(stderr, "remotefilelist(client): The server announced %d %s in %d bytes.\n", count,
            what, len);
    return -1;
  }
  char *slots = (char *)calloc((size_t)count, FSEL_NAME_LEN);
  char **list = (char **)malloc(sizeof(char *) * (size_t)count);
  if (!slots || !list) {
    fprintf(stderr, "Error: remotefilelist: Memory allocation failed.\n");
    free(slots);
    free(list);
    return -1;
  }
  const char *p = block, *end = block + len;
  for (int i = 0; i < count; i++) {
    const char *nl = (const char *)memchr(p, '\n', (size_t)(end - p));
    if (!nl) {
      fprintf(stderr, "remotefilelist(client): The server sent fewer %s than announced.\n", what);
      free(slots);
      free(list);
      return -1;
    }
    list[i] = slots + (size_t)i * FSEL_NAME_LEN;
    size_t n = (size_t)(nl - p);
    if (n > FSEL_NAME_LEN - 1) n = FSEL_NAME_LEN - 1;
    memcpy(list[i], p, n);
    p = nl + 1;
  }
  *names = list;
  return 1;
}

// Receives one "int count, int length, string block" part of the reply.
// 0 received and agreeing; -1 disagreeing (drained, the link in step); -2 the
// link failed.
static int recv_names(int ch, const char *count_msg, const char *len_msg, const char *alloc_msg,
                      const char *get_msg, int *count, char **block, int *len) {
  if (ccrint(ch, 1, count) != 0) {
    fputs(count_msg, stderr);
    return -2;
  }
  if (ccrint(ch, 1, len) != 0) {
    fputs(len_msg, stderr);
    return -2;
  }
  int r = recv_block(ch, *len, block);
  if (r != 0) fputs(r == -3 ? alloc_msg : get_msg, stderr);
  return r == -2 ? -2 : (r == 0 ? 0 : -1);
}

int remotefilelist(const char *filter, char **path, int *ndirs, char ***dirs, int *nfiles,
                   char ***files) {
  *path = nullptr;
  *dirs = *files = nullptr;
  *ndirs = *nfiles = 0;
  int ch = Isockt[Case_num];
  if (ccsstr(ch, "get file listing", 16) != 0) {
    fputs("remotefilelist: Send of remote file list command failed.\n", stderr);
    return -1;
  }
  if (!filter || !*filter) filter = "./*";
  if (ccsstr(ch, filter, (int)strlen(filter)) != 0) {
    fputs("remotefilelist: Send of directory filter failed.\n", stderr);
    return -1;
  }
  int plen = 0;
  if (ccrint(ch, 1, &plen) != 0) {
    fputs("remotefilelist(client): Receive of length of directory names failed.\n", stderr);
    return -1;
  }
  if (plen == -1) {
    fputs("remotefilelist(client): Couldn't get information for directory specified.\n", stderr);
    return -1;
  }
  char *full = nullptr;
  int rp = recv_block(ch, plen, &full);
  if (rp != 0) {
    fputs(rp == -3 ? "remotefilelist: Allocation for full path name failed.\n"
                   : "remotefilelist: Get of full pathname failed.\n",
          stderr);
    if (rp == -2) return -1;  // the link failed: the rest cannot be read
  }
  // The rest of the reply is read even after a disagreement, so that the
  // channel stays in step with the server.
  int dcount = 0, dlen = 0, fcount = 0, flen = 0;
  char *dblock = nullptr, *fblock = nullptr;
  int rd = recv_names(ch, "remotefilelist: Get of # of directories failed.\n",
                      "remotefilelist(client): Receive of length of directory names failed.\n",
                      "remotefilelist: Allocation for directory list failed.\n",
                      "remotefilelist: Get of directory list failed.\n", &dcount, &dblock, &dlen);
  int rf = rd == -2 ? -2
                    : recv_names(ch, "remotefilelist: Get of # of files failed.\n",
                                 "remotefilelist(client): Receive of length of file names failed.\n",
                                 "remotefilelist: Allocation for file list failed.\n",
                                 "remotefilelist: Get of file list failed.\n", &fcount, &fblock,
                                 &flen);
  int ok = rp == 0 && rd == 0 && rf == 0;
  char **dl = nullptr, **fl = nullptr;
  if (ok) ok = build_list(dblock, dlen, dcount, "directory names", &dl) == 1;
  if (ok) ok = build_list(fblock, flen, fcount, "file names", &fl) == 1;
  free(dblock);
  free(fblock);
  if (!ok) {
    free(full);
    remotefilelist_free(dl);
    remotefilelist_free(fl);
    return -1;
  }
  for (char *c = full; *c; c++)
    if (*c == '\\') *c = '/';
  if (dcount > 0 && string_hsort(dcount, FSEL_NAME_LEN, dl) < 0)
    fputs("Sort of directory names failed, continuing unsorted.\n", stderr);
  if (fcount > 0 && string_hsort(fcount, FSEL_NAME_LEN, fl) < 0)
    fputs("Sort of file names failed, continuing unsorted.\n", stderr);
  *path = full;
  *ndirs = dcount;
  *dirs = dl;
  *nfiles = fcount;
  *files = fl;
  return 1;
}
