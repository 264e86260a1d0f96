// Stored views: ten view slots per viewport.
#pragma once

// Recalls (control 0) or stores (control 1) view slot 0..9 of the current
// viewport, then redraws; record 1 records the command line.  Placeholder
// until the slots exist: -1 for a slot outside 3..9, else 1 after the redraw.
int switch_views_process_command(int control, int slot, int record);
