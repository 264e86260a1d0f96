// The icon pictures under home/icons: every picture the client reads exists,
// libXpm parses it with the size its control needs, its colours can be
// allocated on any X server, the state marks the client draws fall on lines
// the picture keeps for them, and no two controls share one picture.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "harness.h"

// After the test framework: the X headers define macros (None, Bool) that
// collide with its identifiers.
#include <X11/xpm.h>

namespace {

enum Kind {
  kFeature,     // feature strip and Feature Detail Editor: 44 x 31
  kQedit,       // quick-edit panel icon: 50 x 28
  kTwoState,    // quick-edit icon with an off and an on half: 50 x 28
  kIndicator,   // quick-edit icon with a green on/off square: 50 x 28
  kLayout,      // viewport-layout choice: 40 x 30
  kTransf,      // transformation button and its insensitive twin: 33 x 19
};

struct IconCase {
  const char *name;
  Kind kind;
};

// Every picture file name the client reads from the icons directory.
const IconCase kIcons[] = {
    // feature strip (and Feature Detail Editor)
    {"colorpal", kFeature}, {"contour", kFeature}, {"iso", kFeature},
    {"trace", kFeature}, {"clip", kFeature}, {"arrow", kFeature},
    {"tensor", kFeature}, {"elevsrf", kFeature}, {"profile", kFeature},
    {"devsrf", kFeature}, {"subset", kFeature}, {"displacement", kFeature},
    {"query", kFeature}, {"probequery", kFeature}, {"time", kFeature},
    {"flipbook", kFeature}, {"keyframe", kFeature}, {"calc", kFeature},
    {"model", kFeature},
    // the file whose presence tells that the icons are installed
    {"color", kFeature},
    // view-mode and part-mode panels
    {"hsurf", kTwoState}, {"hline", kTwoState}, {"elemlblvis", kTwoState},
    {"nodelblvis", kTwoState}, {"auxclip", kTwoState},
    {"labelattrs", kQedit}, {"axisglobal", kIndicator},
    {"partpick", kQedit}, {"genvisible", kIndicator}, {"viewportvis", kQedit},
    {"linewidth", kQedit}, {"transparency", kQedit}, {"surfacerep", kQedit},
    {"symmetry", kQedit}, {"shadetype", kQedit}, {"noderep", kQedit},
    {"boundbox", kQedit}, {"selectall", kQedit}, {"delete", kQedit},
    // annotation panel
    {"newtext", kQedit}, {"newline", kQedit}, {"newlogo", kQedit},
    {"smallcolor", kQedit}, {"objectloca", kQedit}, {"textjust", kQedit},
    {"textsize", kQedit}, {"textrotate", kQedit}, {"linearrows", kQedit},
    {"logosize", kQedit}, {"legendtype", kQedit}, {"legendtitlepos", kQedit},
    {"legendtextpos", kQedit}, {"legendtextsize", kQedit},
    {"legendtextformat", kQedit}, {"legendorient", kQedit},
    {"selectall2", kQedit}, {"annotdefaults", kIndicator},
    // plot panel
    {"graphattr", kQedit}, {"graphaxisattr", kQedit}, {"curveattr", kQedit},
    // viewport panel and its layout choices
    {"viewportlayout", kQedit}, {"newviewport", kQedit},
    {"viewportraise", kQedit}, {"viewportlower", kQedit},
    {"viewportborder", kQedit}, {"genericloca", kQedit},
    {"viewportviewset", kQedit},
    {"viewport1", kLayout}, {"viewport2v", kLayout}, {"viewport2h", kLayout},
    {"viewport4q", kLayout}, {"viewport43v", kLayout}, {"viewport43h", kLayout},
    // frame panel
    {"framenew", kQedit}, {"frameassign", kQedit}, {"frametransf", kQedit},
    {"frameaxisattr", kQedit}, {"framecsym", kQedit}, {"frametype", kQedit},
    {"axislocal", kIndicator},
    // transformation buttons and the pictures shown while insensitive
    {"rotate", kTransf}, {"translate", kTransf}, {"zoom", kTransf},
    {"zoomband", kTransf}, {"scale", kTransf},
    {"drotate", kTransf}, {"dtranslate", kTransf}, {"dzoom", kTransf},
    {"dzoomband", kTransf}, {"dscale", kTransf},
};

void expected_size(Kind kind, int *w, int *h) {
  switch (kind) {
    case kFeature: *w = 44; *h = 31; return;
    case kQedit:
    case kTwoState:
    case kIndicator: *w = 50; *h = 28; return;
    case kLayout: *w = 40; *h = 30; return;
    case kTransf: *w = 33; *h = 19; return;
  }
}

std::string icon_path(const char *name) {
  return qtest::source_home() + "/icons/" + name + ".xpm";
}

// A picture read with libXpm: size and the colour of every pixel.
struct Picture {
  int status = XpmFileInvalid;
  int width = 0, height = 0;
  std::vector<std::string> colours;  // per colour-table entry, its "c" colour
  std::vector<std::string> pixels;   // row-major colour of each pixel

  const std::string &at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

Picture read_picture(const std::string &path) {
  Picture p;
  XpmImage image;
  std::memset(&image, 0, sizeof image);
  std::vector<char> file(path.begin(), path.end());
  file.push_back('\0');
  p.status = XpmReadFileToXpmImage(file.data(), &image, nullptr);
  if (p.status != XpmSuccess) return p;
  p.width = int(image.width);
  p.height = int(image.height);
  for (unsigned i = 0; i < image.ncolors; i++) {
    const char *c = image.colorTable[i].c_color;
    p.colours.push_back(c ? c : "");
  }
  for (unsigned i = 0; i < image.width * image.height; i++) {
    unsigned idx = image.data[i];
    p.pixels.push_back(idx < p.colours.size() ? p.colours[idx] : std::string("?"));
  }
  XpmFreeXpmImage(&image);
  return p;
}

bool is_hex_colour(const std::string &s) {
  if (s.size() != 7 || s[0] != '#') return false;
  for (size_t i = 1; i < s.size(); i++)
    if (!std::isxdigit(static_cast<unsigned char>(s[i]))) return false;
  return true;
}

// Outline of the X rectangle (x, y, w, h) as XDrawRectangle draws it.
std::vector<std::pair<int, int>> outline(int x, int y, int w, int h) {
  std::vector<std::pair<int, int>> pts;
  for (int i = x; i <= x + w; i++) {
    pts.push_back({i, y});
    pts.push_back({i, y + h});
  }
  for (int j = y; j <= y + h; j++) {
    pts.push_back({x, j});
    pts.push_back({x + w, j});
  }
  return pts;
}

TEST(Icons, EveryPictureParsesWithTheSizeOfItsControl) {
  for (const IconCase &ic : kIcons) {
    SCOPED_TRACE(ic.name);
    Picture p = read_picture(icon_path(ic.name));
    ASSERT_EQ(p.status, XpmSuccess) << icon_path(ic.name);
    int w = 0, h = 0;
    expected_size(ic.kind, &w, &h);
    EXPECT_EQ(p.width, w);
    EXPECT_EQ(p.height, h);
    // Colours given as #RRGGBB are allocated on any server, with or without
    // a colour-name database; a misspelt name would lose the picture.
    for (const std::string &c : p.colours) EXPECT_TRUE(is_hex_colour(c)) << c;
  }
}

TEST(Icons, StateMarksFallOnLinesThePictureKeepsForThem) {
  for (const IconCase &ic : kIcons) {
    SCOPED_TRACE(ic.name);
    Picture p = read_picture(icon_path(ic.name));
    ASSERT_EQ(p.status, XpmSuccess);
    std::vector<std::pair<int, int>> marks;
    if (ic.kind == kTwoState) {
      // the off and on halves are each framed twice, in black or green
      for (auto r : {outline(0, 0, 25, 27), outline(1, 1, 23, 25), outline(24, 0, 25, 27),
                     outline(25, 1, 23, 25)})
        marks.insert(marks.end(), r.begin(), r.end());
    } else if (ic.kind == kTransf && ic.name[0] != 'd') {
      // the green frame of the current drag action
      for (auto r : {outline(0, 0, 32, 18), outline(1, 1, 30, 16)})
        marks.insert(marks.end(), r.begin(), r.end());
    } else if (ic.kind == kIndicator) {
      // the indicator square is filled with green or the background: the
      // picture keeps it plain so that "off" shows as an empty square
      const std::string &bg = p.at(4, 10);
      for (int y = 10; y < 18; y++)
        for (int x = 4; x < 12; x++) EXPECT_EQ(p.at(x, y), bg) << x << "," << y;
      continue;
    } else {
      continue;
    }
    for (auto [x, y] : marks) {
      ASSERT_LT(x, p.width);
      ASSERT_LT(y, p.height);
      EXPECT_EQ(p.at(x, y), "#000000") << x << "," << y;
    }
  }
}

TEST(Icons, NoTwoControlsShareOnePicture) {
  std::map<std::vector<std::string>, std::string> seen;
  for (const IconCase &ic : kIcons) {
    Picture p = read_picture(icon_path(ic.name));
    ASSERT_EQ(p.status, XpmSuccess) << ic.name;
    std::vector<std::string> key = p.pixels;
    key.push_back(std::to_string(p.width) + "x" + std::to_string(p.height));
    auto [it, fresh] = seen.emplace(key, ic.name);
    EXPECT_TRUE(fresh) << ic.name << " has the same picture as " << it->second;
  }
}

}  // namespace
