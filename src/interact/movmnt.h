// Interaction state of the graphics windows: the edit mode and the optional
// input devices. The interaction loop arrives with the interaction subsystem.
#pragma once

extern int Current_mode;                  // 0 view, 1 parts, 2 frames, 3 annotation, 4 plotters, 5 viewports
extern int Last_current_mode;             // mode whose screen was drawn last; -1 forces a redraw
extern int Hum_option_available;          // 1 = heads-up macro panel may be used
extern int User_defined_input_available;  // 1 = user-defined 6-D input device may be used

// Modal interaction loop of the main graphics window for the current drag
// action and transformation mode; returns when its loop ends.  With nothing
// loaded there is nothing to move and it returns at once.  0.
int movmnt(int vewglb, int what_trans);
