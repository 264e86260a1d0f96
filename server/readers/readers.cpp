// Picks the reader for a dataset: by the client's format code, or, for a
// dataset named without a format, legacy VTK by its first line or its
// ".vtk" ending (series patterns included) and PLOT3D for everything else.
#include <fcntl.h>
#include <unistd.h>

#include <cstring>

#include "readers/readers.h"

const char *const Vtk_reader_name = "Legacy VTK";

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

int read_format(Ds_case_rec *out, int format, const std::string &geometry, const std::string &result,
                const P3d_settings &settings, std::string *err) {
  switch (format) {
    case READ_PLOT3D: return p3d_read_case(out, geometry, result, settings, err);
    case READ_CASE:
    case READ_USER_DEFINED: return vtk_read_case(out, geometry, err);
    default: *err = geometry + ": format " + std::to_string(format) + " is not read by this server"; return -1;
  }
}
