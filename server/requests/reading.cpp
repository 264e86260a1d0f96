// Requests with which the client has the server read a case's files,
// answered from the dataset model. The legacy VTK reader serves the Case
// format (10) and the one user-defined reader (11); PLOT3D is format 1;
// every other format is answered with the file-open failure (2) in the
// layout the client expects for it.
//
//   "set file path"       <- string path                       (no reply)
//   "set data type"       <- int format [, int reader when 11]  (no reply)
//   "use part numbers"    <- int array of part-table indices    (no reply)
//   "read casefile"       <- string name; -> int 0, string geometry name,
//                            string measured name; or int -1
//   "send userd files"    <- int len [string] twice; -> int 0 or -1
//   "read geom"           <- string name, int; -> int 0 (ignored), then by
//                            format (see the client's data_read.cpp)
//   "read result"         <- int len [string]; -> int Geom_change, int 0 / -1
//   "get free mach number" -> float
//   "read meas"           <- string; -> int 0, int 2
//   "build measured part" <- int part; -> int 5
//   "get userd reader"    -> int 1, int 1, string name, int 0
//   "get bnd list"        -> int n, n strings
//   "refresh pbuild"      -> int unstructured, int structured [, block]
//   "plot3d_test"         <- string geometry, string path; -> int array of 4
//   "swapbytes"           <- int swap flag                      (no reply)
//   "painfull n3s"        <- int mode                           (no reply)
#include <unistd.h>

#include <set>
#include <string>
#include <vector>

#include "client/ccp.h"
#include "readers/readers.h"
#include "requests/requests.h"
#include "server.h"

namespace {

const int NAME_MAX_BYTES = 4096;  // longest file name taken from the client
const int DESC_BYTES = 79;        // a part description's bytes on the wire
const int BND_BYTES = 16;         // a boundary name's bytes on the wire
const int PART_LIMIT = 4999;      // parts the client can number
const int OPEN_FAILED = 2;
const int READ_FAILED = 3;

struct Reading_state {
  std::string path;              // "set file path"
  int format = 10;               // "set data type"
  int reader = 0;                // user-defined reader index
  std::vector<int> part_numbers; // "use part numbers"
  std::string geometry;          // file of the last read geometry, path applied
  P3d_settings p3d = {0, 0, 1, 3};
};
Reading_state St;

std::string with_path(const std::string &name) {
  if (name.empty() || name[0] == '/' || St.path.empty()) return name;
  return St.path.back() == '/' ? St.path + name : St.path + "/" + name;
}

bool readable(const std::string &file) { return access(file.c_str(), R_OK) == 0; }

int recv_string(int ch, std::string *out) {
  std::vector<char> buf(NAME_MAX_BYTES);
  int len = 0;
  if (ccrstr_keep(ch, 1, buf.data(), NAME_MAX_BYTES, &len) != 0) return -1;
  out->assign(buf.data(), len < NAME_MAX_BYTES ? len : NAME_MAX_BYTES);
  return 0;
}

// An int length and, when positive, the string.
int recv_name_block(int ch, std::string *out) {
  int len = 0;
  out->clear();
  if (ccrint(ch, 1, &len) != 0) return -1;
  return len > 0 ? recv_string(ch, out) : 0;
}

int send_str(int ch, const std::string &s) { return ccsstr(ch, s.data(), (int)s.size()); }

int send_flags(int ch, int geom_change, int code) {
  for (int v : {geom_change, 0, 0, code})
    if (ccsint(ch, v) != 0) return -1;
  return 0;
}

// 1 when no node of the block is blanked, 0 when all are, 2 when some are.
int iblank_option(const Ds_part_rec &p) {
  if (p.iblank.empty()) return 1;
  size_t zeros = 0;
  for (int v : p.iblank) zeros += v == 0;
  return zeros == 0 ? 1 : zeros == p.iblank.size() ? 0 : 2;
}

int part_kind(const Ds_part_rec &p) { return !p.structured ? 0 : p.iblank.empty() ? 1 : 2; }

int send_counts_and_block(int ch) {
  int nu = 0, ns = 0;
  for (const Ds_part_rec &p : Srv_case.parts) (p.structured ? ns : nu)++;
  if (ccsint(ch, nu) != 0 || ccsint(ch, ns) != 0) return -1;
  int n = nu + ns;
  if (n == 0) return 0;
  std::vector<int> map(n + 1);
  for (int i = 0; i <= n; i++) map[i] = i;
  if (ccsint(ch, n + 1) != 0 || ccsinn(ch, map.data(), n + 1) != 0) return -1;
  int id = 1;
  for (const Ds_part_rec &p : Srv_case.parts) {
    std::string desc = p.name.substr(0, DESC_BYTES);
    int dims[3] = {p.structured ? p.ijk[0] : 0, p.structured ? p.ijk[1] : 0,
                   p.structured ? p.ijk[2] : 0};
    if (ccsint(ch, id++) != 0 || send_str(ch, desc) != 0 || ccsint(ch, part_kind(p)) != 0 ||
        ccsinn(ch, dims, 3) != 0 || ccsint(ch, iblank_option(p)) != 0)
      return -1;
  }
  return 0;
}

int send_limit(int ch) {
  int n = (int)Srv_case.parts.size();
  if (n <= PART_LIMIT) return ccsint(ch, 0);
  return ccsint(ch, 1) == 0 && ccsint(ch, n) == 0 ? 0 : -1;
}

// "read geom" of the Case format and the user-defined reader.
int geom_vtk(int ch, bool case_format) {
  std::string err;
  Ds_case_rec c;
  if (read_format(&c, case_format ? READ_CASE : READ_USER_DEFINED, St.geometry, "", P3d_auto, &err) <
      0) {
    srv_log("read geom %s -> %s", St.geometry.c_str(), err.c_str());
    if (ccsint(ch, READ_FAILED) != 0 || (case_format && ccsint(ch, 0) != 0)) return -1;
    return send_flags(ch, 0, READ_FAILED);
  }
  Srv_case = std::move(c);
  srv_log("read geom %s -> %zu parts", St.geometry.c_str(), Srv_case.parts.size());
  if (ccsint(ch, 0) != 0 || send_limit(ch) != 0 || send_counts_and_block(ch) != 0) return -1;
  if (case_format && ccsint(ch, 0) != 0) return -1;
  return send_flags(ch, 0, 0);
}

int geom_plot3d(int ch) {
  int s[4] = {0, 0, 1, 2}, got = 0;
  if (ccrinn_keep(ch, 1, s, 4, &got) != 0) return -1;
  St.p3d = {s[0], s[1], s[2], s[3] + 1};
  std::string err;
  Ds_case_rec c;
  if (p3d_read_case(&c, St.geometry, "", St.p3d, &err) < 0) {
    int code = readable(St.geometry) ? READ_FAILED : OPEN_FAILED;
    srv_log("read geom %s settings %d %d %d %d -> %s", St.geometry.c_str(), s[0], s[1], s[2], s[3],
            err.c_str());
    return ccsint(ch, code) == 0 ? send_flags(ch, 0, code) : -1;
  }
  Srv_case = std::move(c);
  srv_log("read geom %s settings %d %d %d %d -> %zu zones", St.geometry.c_str(), s[0], s[1], s[2],
          s[3], Srv_case.parts.size());
  if (ccsint(ch, 0) != 0 || ccsint(ch, (int)Srv_case.parts.size()) != 0) return -1;
  for (const Ds_part_rec &p : Srv_case.parts)
    for (int v : {p.ijk[0] > 0 ? p.ijk[0] : 1, p.ijk[1] > 0 ? p.ijk[1] : 1,
                  p.ijk[2] > 0 ? p.ijk[2] : 1, iblank_option(p)})
      if (ccsint(ch, v) != 0) return -1;
  return send_flags(ch, 0, 0);
}

// A format this server does not read: what the client sends is consumed and
// the read fails with the file-open code in the format's layout.
int geom_unread(int ch, int format) {
  std::string second;
  srv_log("read geom %s format %d -> not read by this server", St.geometry.c_str(), format);
  switch (format) {
    case 0:
      if (recv_name_block(ch, &second) != 0 || ccsint(ch, OPEN_FAILED) != 0) return -1;
      return send_flags(ch, 0, OPEN_FAILED);
    case 3:
      if (recv_string(ch, &second) != 0 || ccsint(ch, OPEN_FAILED) != 0 || ccsint(ch, 0) != 0)
        return -1;
      return send_flags(ch, 0, OPEN_FAILED);
    case 4:
      if (ccsint(ch, OPEN_FAILED) != 0) return -1;
      return send_flags(ch, 0, OPEN_FAILED);
    case 5:
    case 9:
      if (recv_name_block(ch, &second) != 0) return -1;
      return send_flags(ch, 0, OPEN_FAILED);
    default:
      return send_flags(ch, 0, OPEN_FAILED);
  }
}

}  // namespace

int srv_set_file_path(int ch) {
  if (recv_string(ch, &St.path) != 0) return -1;
  srv_log("set file path %s", St.path.c_str());
  return 0;
}

int srv_swapbytes(int ch) {
  int swap = 0;
  if (ccrint(ch, 1, &swap) != 0) return -1;
  P3d_swap_first = swap == 1;
  srv_log("swapbytes %d", swap);
  return 0;
}

int srv_set_data_type(int ch) {
  if (ccrint(ch, 1, &St.format) != 0) return -1;
  St.reader = 0;
  if (St.format == READ_USER_DEFINED && ccrint(ch, 1, &St.reader) != 0) return -1;
  srv_log("set data type %d reader %d", St.format, St.reader);
  return 0;
}

int srv_use_part_numbers(int ch) {
  St.part_numbers.assign(5000, -1);
  int n = 0;
  if (ccrinn_keep(ch, 1, St.part_numbers.data(), 5000, &n) != 0) return -1;
  int used = 0;
  for (int v : St.part_numbers) used += v != -1;
  srv_log("use part numbers %d entries %d in use", n, used);
  return 0;
}

int srv_read_casefile(int ch) {
  std::string name;
  if (recv_string(ch, &name) != 0) return -1;
  std::string file = with_path(name);
  bool ok = readable(file);
  srv_log("read casefile %s -> %s", file.c_str(), ok ? "0" : "-1");
  if (!ok) return ccsint(ch, -1);
  return ccsint(ch, 0) == 0 && send_str(ch, name) == 0 && send_str(ch, "") == 0 ? 0 : -1;
}

int srv_send_userd_files(int ch) {
  std::string geometry, second;
  if (recv_name_block(ch, &geometry) != 0 || recv_name_block(ch, &second) != 0) return -1;
  bool ok = readable(with_path(geometry));
  srv_log("send userd files %s %s -> %s", geometry.c_str(), second.c_str(), ok ? "0" : "-1");
  return ccsint(ch, ok ? 0 : -1);
}

const std::vector<int> &srv_client_part_map() { return St.part_numbers; }

int srv_read_geom(int ch) {
  srv_made_parts_clear();
  std::string name;
  int unused = 0;
  if (recv_string(ch, &name) != 0 || ccrint(ch, 1, &unused) != 0 || ccsint(ch, 0) != 0) return -1;
  St.geometry = with_path(name);
  int f = St.format;
  if (f < 0 || f > 30) {
    srv_log("read geom %s format %d -> invalid", name.c_str(), f);
    return 0;
  }
  if (f == READ_CASE || f == READ_USER_DEFINED) return geom_vtk(ch, f == READ_CASE);
  if (f == READ_PLOT3D) return geom_plot3d(ch);
  return geom_unread(ch, f);
}

int srv_read_result(int ch) {
  std::string name;
  if (recv_name_block(ch, &name) != 0) return -1;
  int code = Srv_case.parts.empty() ? -1 : 0;
  if (code == 0 && St.format == READ_PLOT3D && !name.empty()) {
    std::string err;
    Ds_case_rec c;
    code = p3d_read_case(&c, St.geometry, with_path(name), St.p3d, &err) == 0 ? 0 : -1;
    if (code == 0) Srv_case = std::move(c);
  }
  srv_log("read result %s -> %d", name.c_str(), code);
  return ccsint(ch, 0) == 0 && ccsint(ch, code) == 0 ? 0 : -1;
}

int srv_get_free_mach_number(int ch) {
  int v = ds_find_var(Srv_case, "Mach");
  float mach = v >= 0 && !Srv_case.vars[v].constants.empty() ? Srv_case.vars[v].constants[0] : 0.0f;
  srv_log("get free mach number -> %g", mach);
  return ccsflt(ch, mach);
}

int srv_read_meas(int ch) {
  std::string name;
  if (recv_string(ch, &name) != 0) return -1;
  srv_log("read meas %s -> 2 (no measured reader)", name.c_str());
  return ccsint(ch, 0) == 0 && ccsint(ch, OPEN_FAILED) == 0 ? 0 : -1;
}

int srv_build_measured_part(int ch) {
  int number = 0;
  if (ccrint(ch, 1, &number) != 0) return -1;
  srv_log("build measured part %d -> 5", number);
  return ccsint(ch, 5);
}

int srv_get_userd_reader(int ch) {
  srv_log("get userd reader -> %s", Vtk_reader_name);
  return ccsint(ch, 1) == 0 && ccsint(ch, 1) == 0 && send_str(ch, Vtk_reader_name) == 0 &&
                 ccsint(ch, 0) == 0
             ? 0
             : -1;
}

int srv_get_bnd_list(int ch) {
  std::set<int> values;
  for (const Ds_part_rec &p : Srv_case.parts)
    for (int v : p.iblank) values.insert(v);
  srv_log("get bnd list -> %zu", values.size());
  if (ccsint(ch, (int)values.size()) != 0) return -1;
  for (int v : values) {
    std::string name = ("iblank " + std::to_string(v)).substr(0, BND_BYTES);
    if (send_str(ch, name) != 0) return -1;
  }
  return 0;
}

int srv_refresh_pbuild(int ch) {
  srv_log("refresh pbuild -> %zu parts", Srv_case.parts.size());
  return send_counts_and_block(ch);
}

int srv_plot3d_test(int ch) {
  std::string geometry, path;
  if (recv_string(ch, &geometry) != 0 || recv_string(ch, &path) != 0) return -1;
  std::string keep = St.path;
  St.path = path;
  std::string file = with_path(geometry);
  St.path = keep;
  int s[4] = {0, 0, 1, 2};
  P3d_settings judged;
  std::string err;
  if (p3d_judge(file, &judged, &err) == 0) {
    s[0] = judged.iblanked;
    s[1] = judged.multi;
    s[2] = judged.read_as;
    s[3] = judged.dims - 1;
  }
  srv_log("plot3d_test %s -> %d %d %d %d", file.c_str(), s[0], s[1], s[2], s[3]);
  return ccsinn(ch, s, 4);
}

int srv_painfull_n3s(int ch) {
  int mode = 0;
  if (ccrint(ch, 1, &mode) != 0) return -1;
  srv_log("painfull n3s %d", mode);
  return 0;
}
