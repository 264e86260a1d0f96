// Recording of part selections: the next action that records a selection
// writes it again unless the same origin was recorded last.
#pragma once

// Origin -1 only forgets the last recorded selection; another origin records
// the selection (count part numbers of category cat_index) as command lines
// unless that origin was the last one recorded.
void part_rec_selparts(int cat_index, int count, const int *numbers, int origin);
