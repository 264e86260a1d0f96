// Damaged and hostile data files: each is refused with one message that
// names the file and what is wrong, and the case read before stays as it
// was. The files are the checked-in datasets spoiled on purpose in a
// temporary copy, or a few lines written here.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include "harness.h"
#include "readers/readers.h"

namespace {

using Bytes = std::string;

void replace_text(Bytes &b, const std::string &from, const std::string &to) {
  size_t at = b.find(from);
  ASSERT_NE(at, std::string::npos) << "fixture text not found: " << from;
  b.replace(at, from.size(), to);
}

void put_i32(Bytes &b, size_t offset, int32_t v, bool big_endian) {
  ASSERT_LE(offset + 4, b.size());
  for (int i = 0; i < 4; i++) b[offset + i] = (char)((uint32_t)v >> (big_endian ? 24 - 8 * i : 8 * i));
}

struct Bad {
  const char *what;
  const char *file;    // dataset under tests/data, copied and spoiled; or a name for text
  const char *text;    // the whole file when not null
  std::function<void(Bytes &)> spoil;
  const char *result;  // solution file under tests/data ("" none); "missing.q" does not exist
  bool q_is_bad;       // the spoiled file is the solution, not the grid
  P3d_settings settings;
  std::vector<std::string> says;  // phrases of the message after "<file>: "
};

const P3d_settings AUTO = P3d_auto;
const P3d_settings MULTI = {-1, 1, -1, -1};

// Offsets in the 3-zone Fortran little-endian grid: a 12-byte zone-count
// record, a 44-byte dimensions record, zone 1's record (60 nodes x 16 bytes
// with its two markers), then zone 2's record of 64 x 16 bytes.
const size_t FLE_ZONE2_END_MARKER = 12 + 44 + (4 + 960 + 4) + 4 + 1024;

const Bad Cases[] = {
    {"ASCII VTK cut in its points", "vtk/mixed.vtk", nullptr,
     [](Bytes &b) { b.resize(b.find("CELLS") - 40); }, "", false, AUTO, {"POINTS: 135 values cannot fit"}},
    {"binary VTK cut short", "vtk/mixed_bin.vtk", nullptr, [](Bytes &b) { b.resize(b.size() / 2); }, "", false, AUTO,
     {"cannot fit in the"}},
    {"ASCII VTK cut in its last values", "vtk/mixed.vtk", nullptr,
     [](Bytes &b) { b.resize(b.find("harmonic_im") - 30); }, "", false, AUTO, {"line", "the file ends"}},
    {"VTK count larger than the file", "vtk/mixed.vtk", nullptr,
     [](Bytes &b) { replace_text(b, "POINTS 45 float", "POINTS 4500000 float"); }, "", false, AUTO,
     {"POINTS", "cannot fit"}},
    {"VTK negative count", "vtk/mixed.vtk", nullptr, [](Bytes &b) { replace_text(b, "CELLS 23", "CELLS -23"); }, "",
     false, AUTO, {"negative"}},
    {"VTK unknown keyword", "vtk/mixed.vtk", nullptr,
     [](Bytes &b) { replace_text(b, "VECTORS velocity", "VELOCITIES velocity"); }, "", false, AUTO,
     {"unknown keyword \"VELOCITIES\""}},
    {"VTK cell type the model does not have", "vtk/mixed.vtk", nullptr,
     [](Bytes &b) { replace_text(b, "CELL_TYPES 23\n12\n", "CELL_TYPES 23\n42\n"); }, "", false, AUTO,
     {"cell 0 has type 42, which the model does not have"}},
    {"VTK cell with a point the file lacks", "vtk/mixed.vtk", nullptr,
     [](Bytes &b) { replace_text(b, "\n8 0 1 4 3 ", "\n8 0 1 4 999 "); }, "", false, AUTO, {"refers to point 999"}},
    {"VTK cell with the wrong number of points", "vtk/mixed.vtk", nullptr,
     [](Bytes &b) { replace_text(b, "CELL_TYPES 23\n12\n", "CELL_TYPES 23\n10\n"); }, "", false, AUTO,
     {"cell 0 of type 10 has 8 points, not 4"}},
    {"VTK absurd dimensions", "huge.vtk",
     "# vtk DataFile Version 3.0\nx\nASCII\nDATASET STRUCTURED_POINTS\nDIMENSIONS 100000 100000 100000\n", nullptr, "",
     false, AUTO, {"too many points"}},
    {"VTK negative dimension", "negative.vtk",
     "# vtk DataFile Version 3.0\nx\nASCII\nDATASET STRUCTURED_POINTS\nDIMENSIONS -3 2 2\n", nullptr, "", false, AUTO,
     {"line 5", "DIMENSIONS -3 is out of range"}},
    {"not a VTK file", "vtk/mixed.vtk", nullptr, [](Bytes &b) { b[2] = 'V'; }, "", false, AUTO,
     {"not a legacy VTK file"}},
    {"VTK string array cut short", "vtk/mixed.vtk", nullptr, [](Bytes &b) { b.resize(b.find("Shell")); }, "", false,
     AUTO, {"the file ends in the strings of part_names"}},
    {"C binary grid cut short", "plot3d/zones3_c.xyz", nullptr, [](Bytes &b) { b.resize(b.size() - 100); }, "", false,
     AUTO, {"truncated"}},
    {"Fortran record marker that disagrees", "plot3d/zones3_fle.xyz", nullptr,
     [](Bytes &b) { put_i32(b, FLE_ZONE2_END_MARKER, 1020, false); }, "", false, AUTO,
     {"Fortran record marker mismatch", "zone 2 coordinates", "ends with 1020"}},
    {"negative zone dimension", "plot3d/zones3_c.xyz", nullptr, [](Bytes &b) { put_i32(b, 4, -5, false); }, "", false,
     MULTI, {"zone 1 has dimension -5, below 1"}},
    {"absurd zone dimension", "plot3d/zones3_c.xyz", nullptr, [](Bytes &b) { put_i32(b, 4, 100000000, false); }, "",
     false, MULTI, {"zone 1 dimensions call for more values than the file holds"}},
    {"absurd zone count", "plot3d/zones3_c.xyz", nullptr, [](Bytes &b) { put_i32(b, 0, 1000000, false); }, "", false,
     MULTI, {"zone count 1000000 is out of range"}},
    {"ASCII grid with a word among its numbers", "plot3d/zones3_ascii.xyz", nullptr,
     [](Bytes &b) { replace_text(b, "0 0.5 1 1.5", "0 0.5 one 1.5"); }, "", false, AUTO,
     {"\"one\" is not a number"}},
    {"missing solution file", "plot3d/zones3_c.xyz", nullptr, nullptr, "missing.q", true, AUTO,
     {"cannot open: No such file or directory"}},
    {"solution of other zones", "plot3d/zones3_c.q", nullptr, [](Bytes &b) { put_i32(b, 16, 5, false); },
     "plot3d/zones3_c.xyz", true, AUTO, {"zone 2 dimensions differ from the grid's"}},
    {"solution cut short", "plot3d/zones3_fbe.q", nullptr, [](Bytes &b) { b.resize(b.size() - 8); },
     "plot3d/zones3_fbe.xyz", true, AUTO, {"truncated"}},
};

TEST(ServerBadInput, EachIsRefusedWithTheFileAndWhatIsWrong) {
  qtest::TempDir dir("badinput");
  for (const Bad &c : Cases) {
    SCOPED_TRACE(c.what);
    std::string base = strrchr(c.file, '/') ? strrchr(c.file, '/') + 1 : c.file;
    std::string spoiled = dir.file(base);
    if (c.text) {
      qtest::write_file(spoiled, c.text);
    } else {
      Bytes b = qtest::read_file(qtest::test_data() + "/" + c.file);
      ASSERT_FALSE(b.empty());
      if (c.spoil) c.spoil(b);
      qtest::write_file(spoiled, b);
    }
    // The grid and solution as read: the spoiled one, and the good other.
    std::string grid = spoiled, result;
    if (*c.result) result = strcmp(c.result, "missing.q") ? qtest::test_data() + "/" + c.result : dir.file(c.result);
    if (c.q_is_bad && *c.result && strcmp(c.result, "missing.q")) std::swap(grid, result);
    if (c.q_is_bad && !strcmp(c.result, "missing.q")) grid = qtest::test_data() + "/" + c.file;
    std::string blamed = c.q_is_bad ? result : grid;

    Ds_case_rec before;
    before.source = "the case read before";
    std::string err;
    int rc = grid.find("/plot3d/") != std::string::npos || base.find(".x") != std::string::npos ||
                     base.find(".q") != std::string::npos
                 ? p3d_read_case(&before, grid, result, c.settings, &err)
                 : read_dataset(&before, grid, result, &err);
    EXPECT_EQ(rc, -1);
    EXPECT_EQ(err.find(blamed + ": "), 0u) << err;
    for (const std::string &phrase : c.says) EXPECT_NE(err.find(phrase), std::string::npos) << err;
    EXPECT_EQ(before.source, "the case read before");
    EXPECT_TRUE(before.parts.empty());
  }
}

TEST(ServerBadInput, ADirectoryOrANameWithoutFiles) {
  qtest::TempDir dir("badnames");
  Ds_case_rec c;
  std::string err;
  EXPECT_EQ(read_dataset(&c, dir.path(), "", &err), -1);
  EXPECT_EQ(err, dir.path() + ": is a directory, not a data file");
  EXPECT_EQ(read_dataset(&c, dir.file("flow_*.vtk"), "", &err), -1);
  EXPECT_EQ(err, dir.file("flow_*.vtk") + ": no file of the series exists");
}

}  // namespace
