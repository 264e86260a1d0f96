// Our own layer over what the X server's GLX offers, for the three things the
// graphics windows expect from a workstation's vendor extensions:
//   - selecting the left or right buffer of a stereo window,
//   - off-screen pixel buffers (here through GLX 1.3 frame-buffer configs),
//   - multisample visuals (through the ARB extension where it is offered).
// Nothing here keeps state.
#pragma once

#include <GL/glx.h>
#include <X11/Xlib.h>

// Buffer numbers of the stereo buffer call.
#define QVN_STEREO_BUFFER_LEFT 1
#define QVN_STEREO_BUFFER_RIGHT 2

// Number of samples asked for by the multisample attribute lists; the value
// equals the vendor extension's GLX_SAMPLES_SGIS token.
#define QVN_GLX_SAMPLES 100001

// Selects the left or right back buffer for drawing into win when the
// context current on it has a stereo visual; otherwise does nothing.  0.
int qvn_set_stereo_buffer(Display *dpy, Window win, int buffer);

// Chooses a visual from a glXChooseVisual attribute list in which the
// multisample request QVN_GLX_SAMPLES n is translated for the server (ARB
// sample buffers and samples).  Null when none matches.
XVisualInfo *qvn_choose_visual(Display *dpy, int screen, const int *attrs);

// Frame-buffer configurations for a pixel buffer: RGBA, at least one bit of
// red, green, blue, depth and stencil.  The list (free with XFree) and its
// length; null when the server offers none or lacks GLX 1.3.
GLXFBConfig *qvn_pbuffer_configs(Display *dpy, int screen, int *count);
// A pixel buffer of width x height with preserved contents; 0 on failure.
GLXPbuffer qvn_create_pbuffer(Display *dpy, GLXFBConfig config, int width, int height);
// An RGBA context for config sharing display lists with share (may be null).
GLXContext qvn_create_config_context(Display *dpy, GLXFBConfig config, GLXContext share);
void qvn_destroy_pbuffer(Display *dpy, GLXPbuffer pbuf);
