// The stand-in of the vector-print library (see vek.h).  Owns the pending
// error, the file of the page begun and the list of recorded calls.
#include "output/vek.h"

#include <cstdarg>
#include <cstring>

#include "render/vector_print.h"

Vek_stub_rec Vek_stub;
std::vector<std::string> Vek_stub_calls;

static int Pending_error = VEK_NO_ERROR;
static int Raised_code = VEK_NO_ERROR;  // the last error raised and its text
static const char *Raised_text = "";

static void raise_error(int code, const char *text) {
  Pending_error = Raised_code = code;
  Raised_text = text;
}

// Records one call and raises the injected error when it is this call's.
static void record(const char *name, const char *format, ...) {
  if (Vek_stub_calls.size() < VEK_STUB_CALLS) {
    char args[256];
    va_list ap;
    va_start(ap, format);
    vsnprintf(args, sizeof args, format, ap);
    va_end(ap);
    Vek_stub_calls.push_back(std::string(name) + "(" + args + ")");
  }
  if (Vek_stub.fail_call && strcmp(Vek_stub.fail_call, name) == 0) {
    Vek_stub.fail_call = nullptr;
    raise_error(Vek_stub.fail_code, "error raised on request");
  }
}

static std::string colour(const float *c) {
  if (!c) return "none";
  char text[64];
  snprintf(text, sizeof text, "(%g, %g, %g)", c[0], c[1], c[2]);
  return text;
}

void vekBeginPage(int device, const char *title, const char *comment1, const char *comment2,
                  FILE *file) {
  record("vekBeginPage", "%d, \"%s\", \"%s\", \"%s\", %s", device, title ? title : "",
         comment1 ? comment1 : "", comment2 ? comment2 : "", file ? "file" : "null");
  // A page that fails to begin leaves its file to the caller.
  if (Pending_error == VEK_NO_ERROR) Vek_stub.page_file = file;
}

void vekSetPage(float width, float height, int orientation, int copies, float left, float right,
                float bottom, float top) {
  record("vekSetPage", "%g, %g, %d, %d, %g, %g, %g, %g", width, height, orientation, copies, left,
         right, bottom, top);
}

void vekSetDevice(int model, int value) { record("vekSetDevice", "%d, %d", model, value); }
void vekSetFont(int family, int style, float size) {
  record("vekSetFont", "%d, %d, %g", family, style, size);
}
void vekEnable(int option) { record("vekEnable", "%d", option); }

void vekSetViewport(int code, const float *border, const float *bg) {
  record("vekSetViewport", "%d, %s, %s", code, colour(border).c_str(), colour(bg).c_str());
}

void vekBegin(int type, int size) {
  record("vekBegin", "%d, %d", type, size);
  Vek_calls.begins++;
  Vek_calls.last_type = type;
  Vek_calls.last_size = size;
}

void vekEnd() {
  record("vekEnd", "");
  Vek_calls.ends++;
}

void vekSetStyle(int a, int b, int c, float width_scale, int stippled) {
  record("vekSetStyle", "%d, %d, %d, %g, %d", a, b, c, width_scale, stippled);
  Vek_calls.styles++;
  Vek_calls.last_stippled = stippled;
}

void vekImage(int x, int y, int width, int height) {
  record("vekImage", "%d, %d, %d, %d", x, y, width, height);
}

void vekText(const char *text, int option) {
  record("vekText", "\"%s\", %d", text ? text : "", option);
  Vek_calls.texts++;
}

void vekBeginGroup(int kind) { record("vekBeginGroup", "%d", kind); }
void vekEndGroup() { record("vekEndGroup", ""); }

void vekEndPage() {
  record("vekEndPage", "");
  if (!Vek_stub.available && Pending_error == VEK_NO_ERROR)
    raise_error(VEK_RESOURCE_ERROR, "vector print library not available");
  if (Vek_stub.page_file) fclose(Vek_stub.page_file);
  Vek_stub.page_file = nullptr;
}

int vekGetError() {
  int code = Pending_error;
  Pending_error = VEK_NO_ERROR;
  return code;
}

const char *vekGetErrorMsg(int code) {
  static const char *const texts[] = {"no error", "parameter", "resource", "state", "I/O", "GL"};
  if (code == Raised_code && code != VEK_NO_ERROR) return Raised_text;
  return code >= 0 && code <= VEK_GL_ERROR ? texts[code] : "unknown";
}

int vekInit() { return 0; }

void vek_stub_reset() {
  if (Vek_stub.page_file) fclose(Vek_stub.page_file);
  Vek_stub = Vek_stub_rec();
  Vek_stub_calls.clear();
  Pending_error = Raised_code = VEK_NO_ERROR;
  Raised_text = "";
}
