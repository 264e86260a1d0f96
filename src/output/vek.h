// The vector-print library: OpenGL drawing captured in feedback mode and
// written as a PostScript or EPS page.  The library itself is not built
// yet; these entries stand in for it with its whole interface.  They write
// nothing: every page ends with the error "vector print library not
// available" (so a print fails openly instead of leaving an empty page),
// and every call is recorded so that the printing code can be checked.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Error codes of vekGetError.
#define VEK_NO_ERROR 0
#define VEK_PARAMETER_ERROR 1
#define VEK_RESOURCE_ERROR 2
#define VEK_STATE_ERROR 3
#define VEK_IO_ERROR 4
#define VEK_GL_ERROR 5

// Opens a page: device 16 PostScript, 17 EPS; a title and two comments;
// the library writes the file and closes it at vekEndPage.
void vekBeginPage(int device, const char *title, const char *comment1, const char *comment2,
                  FILE *file);
// Page size in inches, orientation 74 portrait or 75 landscape, copies, margins.
void vekSetPage(float width, float height, int orientation, int copies, float left, float right,
                float bottom, float top);
// Colour model 66 grey, 67 RGB, and a device value.
void vekSetDevice(int model, int value);
// Font of the page's text items.
void vekSetFont(int family, int style, float size);
// Switches an output option on (112, 114 culling, 123 preview).
void vekEnable(int option);
// A viewport item from the current GL viewport: 160 plain, 162 with a
// background of colour bg, 163 with a border of colour border and a
// background of colour bg; null for a colour the code does not use.
void vekSetViewport(int code, const float *border, const float *bg);
// Starts a capture of type ('!' or '#') with room for size values.
void vekBegin(int type, int size);
// Ends the capture.
void vekEnd();
// Style of the next captured primitives: three flags, a line-width scale and
// whether the lines are stippled.
void vekSetStyle(int a, int b, int c, float width_scale, int stippled);
// A window rectangle as an image item.
void vekImage(int x, int y, int width, int height);
// A text item at the current raster position (option 0: as drawn).
void vekText(const char *text, int option);
// A group of primitives of one kind (80: a hidden-line face) in the
// current colour, inside a capture.
void vekBeginGroup(int kind);
void vekEndGroup();
// Writes the page and closes its file.
void vekEndPage();
// The pending error code, cleared by the call; the text of a code.
int vekGetError();
const char *vekGetErrorMsg(int code);
// Prepares the library; 0.
int vekInit();

// ---- the stand-in's own state, for the tests ---------------------------------------
struct Vek_stub_rec {
  const char *fail_call = nullptr;  // the next call of this name raises fail_code
  int fail_code = VEK_GL_ERROR;
  int available = 0;                // 1: pages end without the "not available" error
  FILE *page_file = nullptr;        // the file of the page begun, null once closed
};
extern Vek_stub_rec Vek_stub;
// The calls since vek_stub_reset, one line each, as "vekSetFont(98, 106, 10)":
// ints and floats as "%d" and "%g", strings quoted, colours "(r, g, b)" or
// "none", the page file "file".  At most VEK_STUB_CALLS lines are kept.
#define VEK_STUB_CALLS 10000
extern std::vector<std::string> Vek_stub_calls;
// Empties the call list and the pending error and sets Vek_stub back (a
// page file still open is closed).
void vek_stub_reset();
