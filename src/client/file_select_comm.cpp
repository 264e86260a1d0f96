// File checks (see file_select_comm.h). Without a main window the overwrite
// warning is answered Okay on the console, as the message boxes do before the
// window exists.
#include "client/file_select_comm.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "ui/general_windep.h"

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
  if (rep == 1)
    fprintf(stderr,
            "Command processor automatically indicated OKAY for the following warning:\n"
            "File '%s' already exists.\nOkaying will overwrite it.\n",
            path);
  return 1;
}
