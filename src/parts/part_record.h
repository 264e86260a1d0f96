// Recording of part selections and part attributes as "part:" lines.  The
// selection recorder remembers the source (list) whose selection it wrote
// last and writes a selection again only when another source asks.
#pragma once

#define PART_REC_LINE_MAX 324  // a by-name selection line never grows past this
#define PART_REC_LINE_FLUSH 50 // a by-name line longer than this is written

extern int Recorded_selection_source;  // -1 none, 0 main part list, 2 editor list

// Source -1 only forgets the last recorded source; another source records
// the selection (count part numbers; category row cat_index for the
// defaults form) unless that source was the last one recorded.
void part_rec_selparts(int cat_index, int count, const int *numbers, int source);

// Records every marked slot of a part (or of defaults, part -1) of the
// given type.  begin_form 1 writes "part: modify_begin"/"part: modify_end",
// 0 the type's category with "begin"/"end"; kind 0 general and creation
// slots, 2 general only, 1 creation only.
void part_rec_partattrs(int type, int part, float *values, const char *desc,
                        const char *creation, int begin_form, int kind);

// Records the main list's selection (source 0) when recording is on.
void part_record_currentselection();
