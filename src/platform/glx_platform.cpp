// GLX layer (see glx_platform.h).
#include "platform/glx_platform.h"

#include <GL/gl.h>

#include <vector>

#ifndef GLX_SAMPLE_BUFFERS_ARB
#define GLX_SAMPLE_BUFFERS_ARB 100000
#define GLX_SAMPLES_ARB 100001
#endif

int qvn_set_stereo_buffer(Display *, Window, int buffer) {
  if (!glXGetCurrentContext()) return 0;
  GLboolean stereo = GL_FALSE;
  glGetBooleanv(GL_STEREO, &stereo);
  if (!stereo) return 0;
  glDrawBuffer(buffer == QVN_STEREO_BUFFER_RIGHT ? GL_BACK_RIGHT : GL_BACK_LEFT);
  return 0;
}

XVisualInfo *qvn_choose_visual(Display *dpy, int screen, const int *attrs) {
  std::vector<int> list;
  for (int i = 0; attrs[i] != None; i++) {
    if (attrs[i] == QVN_GLX_SAMPLES) {
      list.push_back(GLX_SAMPLE_BUFFERS_ARB);
      list.push_back(1);
      list.push_back(GLX_SAMPLES_ARB);
      list.push_back(attrs[++i]);
      continue;
    }
    list.push_back(attrs[i]);
    // Boolean attributes carry no value; the sizes do.
    if (attrs[i] != GLX_RGBA && attrs[i] != GLX_DOUBLEBUFFER && attrs[i] != GLX_STEREO)
      list.push_back(attrs[++i]);
  }
  list.push_back(None);
  return glXChooseVisual(dpy, screen, list.data());
}

static int glx13(Display *dpy) {
  int major = 0, minor = 0;
  if (!glXQueryVersion(dpy, &major, &minor)) return 0;
  return major > 1 || (major == 1 && minor >= 3);
}

GLXFBConfig *qvn_pbuffer_configs(Display *dpy, int screen, int *count) {
  *count = 0;
  if (!glx13(dpy)) return nullptr;
  static const int attrs[] = {GLX_RENDER_TYPE, GLX_RGBA_BIT, GLX_DRAWABLE_TYPE, GLX_PBUFFER_BIT,
                              GLX_RED_SIZE, 1, GLX_GREEN_SIZE, 1, GLX_BLUE_SIZE, 1,
                              GLX_DEPTH_SIZE, 1, GLX_STENCIL_SIZE, 1, None};
  GLXFBConfig *list = glXChooseFBConfig(dpy, screen, attrs, count);
  if (list && *count <= 0) {
    XFree(list);
    list = nullptr;
  }
  if (!list) *count = 0;
  return list;
}

GLXPbuffer qvn_create_pbuffer(Display *dpy, GLXFBConfig config, int width, int height) {
  const int attrs[] = {GLX_PBUFFER_WIDTH, width, GLX_PBUFFER_HEIGHT, height,
                       GLX_PRESERVED_CONTENTS, True, None};
  GLXPbuffer pbuf = glXCreatePbuffer(dpy, config, attrs);
  XSync(dpy, False);  // a refused buffer shows as an X error here
  return pbuf;
}

GLXContext qvn_create_config_context(Display *dpy, GLXFBConfig config, GLXContext share) {
  return glXCreateNewContext(dpy, config, GLX_RGBA_TYPE, share, True);
}

void qvn_destroy_pbuffer(Display *dpy, GLXPbuffer pbuf) {
  if (pbuf) glXDestroyPbuffer(dpy, pbuf);
}
