// The readers of the stand-in server: each reads a case's files into a
// Ds_case_rec and knows nothing of requests. A reader builds the case aside
// and replaces *out only when the whole read succeeded; on failure *out is
// left as it was and err holds one line naming the file and what is wrong.
#pragma once

#include <string>

#include "model/model.h"

// Legacy VTK files (ASCII or binary; unstructured grids, polygonal data,
// structured grids, rectilinear grids, structured points). name is one
// file, a file of a numbered series ("flow_0003.vtk" reads flow_*.vtk), or
// a pattern with one '*' standing for the step numbers. 0 or -1.
int vtk_read_case(Ds_case_rec *out, const std::string &name, std::string *err);

// How a PLOT3D grid is stored; -1 in a field: find it from the file.
struct P3d_settings {
  int iblanked;  // 0, 1
  int multi;     // 0 single zone, 1 a zone count first
  int read_as;   // 0 ASCII, 1 C binary, 2 Fortran unformatted
  int dims;      // 1, 2, 3 (the client's dimension code plus one)
};
extern const P3d_settings P3d_auto;  // every field -1
// The client's "swapbytes" flag: true tries the byte order opposite to the
// host's first when a C binary file fits both orders.
extern bool P3d_swap_first;

// A PLOT3D grid and, unless q is empty, its solution file. Byte order and
// precision always come from the files. 0 or -1.
int p3d_read_case(Ds_case_rec *out, const std::string &grid, const std::string &q,
                  const P3d_settings &settings, std::string *err);

// How a PLOT3D grid file is stored, as the reader finds it (fields as in
// P3d_settings, none -1). 0, or -1 when no layout fits the file.
int p3d_judge(const std::string &grid, P3d_settings *out, std::string *err);

// Reads a dataset in whichever of the formats above its name or first bytes
// show; result is the PLOT3D solution file (may be empty). 0 or -1.
int read_dataset(Ds_case_rec *out, const std::string &name, const std::string &result,
                 std::string *err);

// Reader format codes as the client names them.
enum { READ_PLOT3D = 1, READ_CASE = 10, READ_USER_DEFINED = 11 };
// The name under which the legacy VTK reader is offered as a user-defined reader.
extern const char *const Vtk_reader_name;

// Reads a case in a reader format: PLOT3D with its settings, or legacy VTK
// for the Case format and the user-defined reader. Any other format is
// refused with "<file>: format N is not read by this server". 0 or -1.
int read_format(Ds_case_rec *out, int format, const std::string &geometry, const std::string &result,
                const P3d_settings &settings, std::string *err);
