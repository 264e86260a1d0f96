// The saved picture of the graphics window that modes drawing feedback over
// an unchanged scene (6-D cursor, viewport moves, viewport-editing mode)
// paint back instead of redrawing every viewport.  Each buffer is allocated
// once, zero-filled, at the screen's size, so that any window fits.
#pragma once

extern unsigned char *Parray;         // RGBA bytes, bottom row first; left eye in windowed stereo
extern unsigned char *Parray_stereo;  // the right eye's, only in windowed stereo
extern long Parray_size;              // bytes of Parray, 0 until allocated
extern long Parray_stereo_size;       // bytes of Parray_stereo, 0 until allocated

// Allocates Parray on first use, and Parray_stereo on first use in windowed
// stereo.  A failed allocation is reported once and leaves the buffer null.
void check_size_parray();
// Reads the window into the buffers: back 1 the back buffer(s), holding a
// frame drawn and not yet shown; back 0 the front buffer(s), the frame shown.
void read_window_image(int back);
// Reads the shown window (front buffers) into the buffers.
void read_6dinput_window_image();
// Paints the saved picture into the back buffer(s); while a buffer is
// missing the scene is redrawn there instead.
void write_6dinput_window_image();
// Repaints the picture saved for viewport-editing mode; with two displays
// the scene is redrawn with the saved viewport locations.
void restore_viewport_mode_image();
