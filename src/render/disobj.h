// Display settings read by the display-object builders and the display
// driver. The builders and the drawing arrive with rendering.
#pragma once

extern int Initial_screen;           // 1 while the start screen is shown
extern int Gwmain;                   // 1 once the main graphics window is initialised
extern int Dont_use_start_screen;    // 1 = no start-screen image (-no_start_screen)
extern int Plane_clipp_avail;        // number of OpenGL clip planes available
extern int Solidt;                   // 1 = shaded display
extern int Hlinet;                   // 1 = hidden line
extern int Labnod;                   // 1 = node labels
extern int Labele;                   // 1 = element labels
extern int Labprt;                   // 1 = part labels
extern int Doubuf;                   // 1 = double-buffered drawing
extern int Resort_transparent;       // 1 = transparent elements must be re-sorted
extern int Box_mode;                 // fast display as bounding boxes
extern int Box_mode_always;
extern int Box_mode_always_toggle;
extern int Box_mode_toggle;
extern int Software_light;           // 1 = static lighting
extern int Plane_clipp_toggle;       // 1 = user clip plane in use
extern int Plane2_clipp_toggle;      // 1 = second user clip plane in use
extern int How_many_pipes;           // graphics pipes each recorded list is replayed into, 1..8
extern int Wireframe_lines;          // 1 = part edges built as wireframe lines (-gl clears)
extern int Use_stencil_buffer;       // 1 = overlapping viewports masked by the stencil buffer
extern int Quivane_display_list;     // 1 = own recorded display lists, 0 = OpenGL lists

// ---- part visibility per viewport, by case -----------------------------------
// Viewport mask of a case (bit v = visible in viewport v; every mask is
// 0xffff on first use after start or reset): mode 0 reads it into *mask;
// mode 1 stores the bits of *mask for the viewports in use (the others keep
// their old bit), writes it into the viewport attribute of every part of the
// case and redraws when a part changed.  Other modes do nothing.
extern int Case_viewport_visibility[16];  // per case slot
extern int Case_viewport_visibility_set;  // 0 = masks set to 0xffff at next use
void parts_visible_by_case(int case_index, int *mask, int mode);

// Ends the start screen before the first geometry read: frees the picture,
// brings the View menu up to date and sets Start_screen_dismissed so that
// no later display set-up shows it (start_screen.cpp).
void clear_initial_screen();

// ---- the part passes -------------------------------------------------------------
extern int morvel2_array[];  // per part index: non-zero = clipped by GL clip plane 1 (5000)

// Draws the active parts of the current viewport.  type 1 the opaque pass;
// 3 the transparent pass (labels, then the depth-sorted elements of the
// transparent parts); 4 the opaque pass followed by the sorted elements; 0
// the flipbook pass (opaque, then transparent whole objects blended,
// without sorting).  The second argument is not used.
void disobj(int type, int unused);
// The vector-print form for the current viewport: one capture per part, no
// transparency, node and element labels as print text, no part labels.
void disobj_print();
// Draws part number n alone into the current GL window (the part-show
// window): no viewport test, mirrors, labels, culling or transparency.
void display_a_part(int n);
