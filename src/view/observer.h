// Transformation state of the Transformation Editor: what a drag does, what it
// moves, the axes it acts on and the increment/limit pairs of each action.
#pragma once

extern int Vewglb;            // drag action: 0 rotate, 1 translate, 2 scale, 4 zoom, 5 rubber band
extern int What_trans;        // what moves: 0 global, 1 local, 2 cursor, ... 10 frame
extern int Vewaxis[3];        // 1 = the editor acts on that axis
extern float Vewvalues[14];   // seven (increment, limit) pairs indexed by Vewglb

// The start increments and limits of Vewvalues (a fresh run and every archive
// reset): every increment 1.0, then rotate limit 90, translate limit 2, scale
// 2 and 2, zoom 0.1 and 0.5; the limits of pairs 3, 5 and 6 are kept.
void observer_increments_default();
