// The PostScript or EPS page of the whole viewport layout, made through the
// vector-print library (output/vek.h): every viewport captured as vectors
// (move/draw page) or the window as one image, with the legends, annotation
// and plots on top as vectors.
#pragma once

// Prints the page into file (opened here, closed by the library at the end
// of the page, or here when the page cannot begin).  colour 1 RGB, 0 grey;
// move_draw 1 vectors, 0 the window's picture; cull and subdivide switch
// library options of the vector capture; landscape; encapsulated 1 EPS,
// 0 PostScript; preview adds a preview image.  Every library error is
// printed (">>>>\tVEK error ...") and kept for the page: 0 when the page
// came out without one, 1 when the file cannot be opened or any library
// call of the page failed.
int print_all_viewports(int colour, int move_draw, int cull, int subdivide, int landscape,
                        int encapsulated, int preview, const char *file);
