// The saved-view file: the frame table and the viewing state of all sixteen
// viewports in one binary file, written by savvew and read back by rstvew.
//
// Every value is a 4-byte big-endian word (ints signed, floats IEEE single):
//   int   version 65 (files whose first int is below 55 have none)
//   int   has_frames: 1 when frames exist
//   int   n, then n frame numbers in creation order (only with has_frames)
//   n frame records of 4540 bytes (FRAME_REC_BYTES), in the order of the list
//   16 viewport blocks, viewport 0 first: scale, rotation, translation
//         matrices; perspective angle; front and back z-clip distances;
//         look-at, look-from, distance, viewing matrix; int 2-D flag; with
//         the flag 1 the plane (4 floats) and the 2-D matrix (16 floats).
//         300 bytes, 380 for a 2-D viewport; version 55 and the old form
//         end the block before the flag (296 bytes).
#pragma once

#include <cstdio>

#include "view/frames.h"

#define SAVED_VIEW_VERSION 65
#define FRAME_REC_BYTES 4540

// Writes and reads one frame record field by field: name (80 bytes), 58
// slots, the four per-viewport matrix sets, frame-to-global, global-to-frame
// and the selected flag.  false when the write or read fell short (a short
// read leaves *f unchanged); the name read is always NUL-terminated.
bool frame_rec_write(FILE *fp, const Frame_rec &f);
bool frame_rec_read(FILE *fp, Frame_rec *f);

// Writes the file: 1, or -1 when it cannot be opened (silently) or a write
// falls short ("savvew:" and the system's error text on standard error).
int savvew(const char *path);
// Reads and applies the file, then redraws: 1, or -1 when it cannot be
// opened (silently, nothing changed), when its frame list is not a list of
// distinct frame numbers 0..4999 (nothing changed), or when a read falls
// short ("rstvew:" and the system's error; what was read stays applied,
// nothing is redrawn).  Viewport 0 stays three-dimensional.
int rstvew(const char *path);
