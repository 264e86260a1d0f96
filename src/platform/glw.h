// The one way into the GL drawing-area widget's header.  Its class variable
// is declared with GLAPI, which carries no "extern" in Mesa's headers; in C++
// that declaration would define a second, null class variable that shadows
// the library's.  Forcing GLAPI to extern for this one include keeps the
// library's definition.
#pragma once

#include <GL/gl.h>
#include <GL/glx.h>
#pragma push_macro("GLAPI")
#undef GLAPI
#define GLAPI extern
#include <GL/GLwMDrawA.h>
#pragma pop_macro("GLAPI")
