// Archive section "command interface": the names of the record files and of
// the macro directory, the playback delay and a full copy of this run's
// session record, so that a restored archive also brings back the commands
// that led to it (written out as "<session record>.restore").
//
// Section body, every field big-endian:
//   float  version 7.0
//   254    user record file name, zero-filled (no NUL when 254 long)
//   255    session record file name, NUL-terminated, zero-filled
//   256    macro directory, NUL-terminated, zero-filled
//   int    playback delay in seconds
//   int    record length n (0 when there is no session record)
//   n      the session record's bytes
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/command_dlog.h"
#include "state/bkup_section.h"
#include "client/screen.h"

#define BKUP_USERNAME_LEN 254
#define BKUP_SESSNAME_LEN 255
#define BKUP_MACRO_LEN 256
#define BKUP_NAMES_LEN (BKUP_USERNAME_LEN + BKUP_SESSNAME_LEN + BKUP_MACRO_LEN)  // 765
#define BKUP_RECORD_GUESS 1000000  // bytes assumed when the record's size is unknown

static int put_u32(FILE *fp, uint32_t v) {
  unsigned char b[4] = {(unsigned char)(v >> 24), (unsigned char)(v >> 16),
                        (unsigned char)(v >> 8), (unsigned char)v};
  return fwrite(b, 1, 4, fp) == 4 ? 1 : -1;
}

static int get_u32(FILE *fp, uint32_t *v) {
  unsigned char b[4];
  if (fread(b, 1, 4, fp) != 4) return -1;
  *v = (uint32_t)b[0] << 24 | (uint32_t)b[1] << 16 | (uint32_t)b[2] << 8 | b[3];
  return 1;
}

static int put_float(FILE *fp, float f) {
  uint32_t v;
  memcpy(&v, &f, 4);
  return put_u32(fp, v);
}

static int fail(const char *what) {
  perror(what);
  return -1;
}

// Reads the whole session record as it stands; empty when there is none.
static std::string session_record_copy() {
  std::string bytes;
  if (Recrdr_backup != 1 || !Cmd_backupfile || !Cmd_backupfilename) return bytes;
  fflush(Cmd_backupfile);
  struct stat st;
  long size = stat(Cmd_backupfilename, &st) == 0 ? (long)st.st_size : BKUP_RECORD_GUESS;
  FILE *in = fopen(Cmd_backupfilename, "rb");
  if (!in) {
    fprintf(stderr, "Could not archive the backup record file.\n");
    return bytes;
  }
  bytes.resize((size_t)size);
  bytes.resize(fread(&bytes[0], 1, bytes.size(), in));
  if (fclose(in) != 0) disperr("Unable to close the command backup file.");
  return bytes;
}

// Copies at most max bytes of a name into a zero-filled field.
static void copy_name(char *field, const char *name, size_t max) {
  if (name) memcpy(field, name, strnlen(name, max));
}

static int save_section(FILE *fp) {
  char names[BKUP_NAMES_LEN] = {0};
  copy_name(names, Cmd_recordfilename, BKUP_USERNAME_LEN);
  copy_name(names + BKUP_USERNAME_LEN, Cmd_backupfilename, BKUP_SESSNAME_LEN - 1);
  copy_name(names + BKUP_USERNAME_LEN + BKUP_SESSNAME_LEN, Cmd_macropath, BKUP_MACRO_LEN - 1);
  if (put_float(fp, 7.0f) < 0 || fwrite(names, 1, sizeof names, fp) != sizeof names ||
      put_u32(fp, (uint32_t)Cmd_play_delay_time) < 0)
    return fail("command_bkup");
  std::string record = session_record_copy();
  if (put_u32(fp, (uint32_t)record.size()) < 0) return fail("command_bkup");
  if (!record.empty() && fwrite(record.data(), 1, record.size(), fp) != record.size())
    return fail("command_bkup");
  return 1;
}

// Creates the restore file without following a link planted at its name.
static FILE *open_restore_file(const std::string &name) {
  int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, 0600);
  if (fd < 0) return nullptr;
  FILE *fp = fdopen(fd, "wb");
  if (!fp) close(fd);
  return fp;
}

// The fallback when the archived name cannot be written: a fresh file in the
// temporary directory, named after the process but not predictable.
static FILE *open_fallback_restore_file(std::string *name) {
  char path[128];
  snprintf(path, sizeof path, "/tmp/quivanecommands%d_XXXXXX.restore", (int)getpid());
  int fd = mkstemps(path, 8);
  if (fd < 0) return nullptr;
  FILE *fp = fdopen(fd, "wb");
  if (!fp) {
    close(fd);
    unlink(path);
    return nullptr;
  }
  *name = path;
  return fp;
}

static int restore_section(FILE *fp) {
  uint32_t version, delay, length;
  char names[BKUP_NAMES_LEN];
  if (get_u32(fp, &version) < 0 || fread(names, 1, sizeof names, fp) != sizeof names)
    return fail("command_bkup");
  std::string user(names, strnlen(names, BKUP_USERNAME_LEN));
  std::string session(names + BKUP_USERNAME_LEN,
                      strnlen(names + BKUP_USERNAME_LEN, BKUP_SESSNAME_LEN));
  if (!session.empty()) {
    fprintf(stderr, "\nThe backup command file in use when you saved\n");
    fprintf(stderr, "this full backup archive was: %s\n", session.c_str());
    fprintf(stderr, "This file will be restored to:%s.restore\n", session.c_str());
  }
  if (!user.empty()) fprintf(stderr, "A recording was being saved to %s.\n", user.c_str());

  if (get_u32(fp, &delay) < 0) return fail("command_bkup");
  Cmd_play_delay_time = (int)delay;
  if (get_u32(fp, &length) < 0) return fail("command_bkup");
  if ((int32_t)length <= 0) return 1;

  std::string restore_name = session + ".restore";
  FILE *out = session.empty() ? nullptr : open_restore_file(restore_name);
  if (!out) {
    fprintf(stderr, "Could not open '%s' to restore the archived backup record file.\n",
            restore_name.c_str());
    out = open_fallback_restore_file(&restore_name);
    if (out) fprintf(stderr, "Restoring to %s instead.\n", restore_name.c_str());
  }

  // Copied in pieces, so a damaged length cannot make us allocate it at once.
  std::string bytes;
  char chunk[65536];
  for (uint32_t left = length; left > 0;) {
    size_t want = left < sizeof chunk ? left : sizeof chunk;
    size_t got = fread(chunk, 1, want, fp);
    bytes.append(chunk, got);
    if (got != want) {
      if (out) fclose(out);
      return fail("command_bkup");
    }
    left -= (uint32_t)got;
  }
  if (out) {
    if (fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) {
      fprintf(stderr,
              "Could not write all of the archived command data out to the restore file.\n");
    } else {
      caddtxt("Command Backup file restored to:");
      caddtxt(restore_name.c_str());
    }
    fclose(out);
  }
  return 1;
}

int command_bkup(FILE *fp, int mode) {
  if (mode == BKUP_SAVE) return fp ? save_section(fp) : -1;
  if (mode == BKUP_RESTORE) return fp ? restore_section(fp) : -1;
  return 1;
}
