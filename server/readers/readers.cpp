// Picks the reader for a dataset named without a format: legacy VTK by its
// first line or its ".vtk" ending (series patterns included), PLOT3D for
// everything else.
#include <fcntl.h>
#include <unistd.h>

#include <cstring>

#include "readers/readers.h"

static bool ends_with(const std::string &s, const char *tail) {
  size_t n = strlen(tail);
  return s.size() >= n && strcasecmp(s.c_str() + s.size() - n, tail) == 0;
}

static bool starts_as_vtk(const std::string &name) {
  static const char magic[] = "# vtk DataFile";
  char head[sizeof magic - 1];
  int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  bool vtk = read(fd, head, sizeof head) == (ssize_t)sizeof head && !memcmp(head, magic, sizeof head);
  close(fd);
  return vtk;
}

int read_dataset(Ds_case_rec *out, const std::string &name, const std::string &result,
                 std::string *err) {
  if (ends_with(name, ".vtk") || starts_as_vtk(name)) return vtk_read_case(out, name, err);
  return p3d_read_case(out, name, result, P3d_auto, err);
}
