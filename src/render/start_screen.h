// The start screen shown until the first geometry is read (a picture from
// the installation directory scaled to the window, or two title lines),
// and the two pseudo-variables "Coordinates" and "Time" of the variable
// table.  initial_screen is declared in display.h, clear_initial_screen in
// disobj.h.
#pragma once

#include <cstdint>

#define START_SCREEN_FILE "Quivane.start.screen"
#define START_SCREEN_MAX_SIDE 8192  // larger pictures are not read

extern uint32_t *Start_screen_pixels;  // width x height words, bytes R, G, B, A; null when none
extern int Start_screen_width;
extern int Start_screen_height;
extern int Start_screen_loaded;       // the picture has been read (it is read once)
extern int Start_screen_held;         // the picture's memory must be freed
extern int Start_screen_image_ready;  // a picture was available at the last start-screen draw

// Reads a picture file: big-endian int width and height, then width x
// height pixels of bytes A, B, G, R, bottom row first.  Sizes must be
// positive and at most START_SCREEN_MAX_SIDE, and every pixel present;
// then the picture becomes the start screen's (bytes R, G, B, A) and 1 is
// returned.  Otherwise -1 and nothing changes.
int start_screen_read(const char *path);

// Makes the pseudo-variable rows "Coordinates" (type 2, palette key 1) and
// "Time" (type 3, key 2) as the whole variable table, with their palettes;
// every active case slot gets 2 available variables.  0 when either exists
// already (nothing done), -1 when the rows cannot be allocated (reported;
// the table and its counts unchanged), else 1.
extern int Initialize_coord_palette;  // the coordinate palette still has to be made
int create_coord_and_time_palette();
