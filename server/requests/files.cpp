// Requests about the server's file system.
//   "get file listing" <- string filter "dir/pattern" (no NUL; "./*" when
//   the client had none); -> int path length, or -1 when the directory cannot
//   be read (nothing follows); string path; int directory count; int block
//   length; string block of directory names; int file count; int block
//   length; string block of file names. Each block holds its names one
//   after another, every name followed by a newline.
// Directories are listed whatever the pattern (".." included, other hidden
// ones not); files only when they match the pattern.
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "client/ccp.h"
#include "requests/requests.h"
#include "server.h"

// Splits a filter into its directory ("." when it has none) and pattern.
static void split_filter(const std::string &filter, std::string *dir, std::string *pattern) {
  size_t slash = filter.rfind('/');
  if (slash == std::string::npos) {
    *dir = ".";
    *pattern = filter;
  } else {
    *dir = slash == 0 ? "/" : filter.substr(0, slash);
    *pattern = filter.substr(slash + 1);
  }
  if (pattern->empty()) *pattern = "*";
}

// Reads the directory: its names sorted into subdirectories and matching
// files. 0, or -1 when it cannot be read.
static int list_directory(const std::string &dir, const std::string &pattern,
                          std::vector<std::string> *dirs, std::vector<std::string> *files) {
  DIR *d = opendir(dir.c_str());
  if (!d) return -1;
  while (struct dirent *e = readdir(d)) {
    std::string name = e->d_name;
    if (name == "." || name.find('\n') != std::string::npos) continue;
    struct stat st;
    bool is_dir = stat((dir + "/" + name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    if (is_dir) {
      if (name[0] != '.' || name == "..") dirs->push_back(name);
    } else if (fnmatch(pattern.c_str(), name.c_str(), FNM_PERIOD) == 0) {
      files->push_back(name);
    }
  }
  closedir(d);
  std::sort(dirs->begin(), dirs->end());
  std::sort(files->begin(), files->end());
  return 0;
}

// int count, int block length, string block.
static int send_names(int ch, const std::vector<std::string> &names) {
  std::string block;
  for (const auto &n : names) block += n + "\n";
  if (ccsint(ch, (int)names.size()) != 0 || ccsint(ch, (int)block.size()) != 0) return -1;
  return ccsstr(ch, block.c_str(), (int)block.size());
}

int srv_get_file_listing(int ch) {
  char filter[1024];
  int len = 0;
  if (ccrstr(ch, 1, filter, sizeof filter - 1, &len) != 0) return -1;
  if (len > 0 && filter[len - 1] == '\0') len--;
  filter[len] = '\0';
  std::string dir, pattern;
  split_filter(filter, &dir, &pattern);
  char full[PATH_MAX];
  std::vector<std::string> dirs, files;
  if (!realpath(dir.c_str(), full) || list_directory(full, pattern, &dirs, &files) < 0) {
    srv_log("get file listing %s -> -1", filter);
    return ccsint(ch, -1) == 0 ? 0 : -1;
  }
  srv_log("get file listing %s -> %s %zu dirs %zu files", filter, full, dirs.size(),
          files.size());
  int n = (int)strlen(full);
  if (ccsint(ch, n) != 0 || ccsstr(ch, full, n) != 0) return -1;
  if (send_names(ch, dirs) != 0 || send_names(ch, files) != 0) return -1;
  return 0;
}
