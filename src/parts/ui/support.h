// Part helpers that translate between the part table and the main part
// list's rows.
#pragma once

// Replaces count 0-based internal numbers in place by the 1-based row
// positions of the main part list in its listing mode (all parts: internal +
// 1; by case or frame: the row whose Listbytype_to_main entry holds it),
// dropping parts without a row.  The number of positions; 0 for count 0;
// -1 when the work array cannot be allocated.
int modinternal_to_match_pfrmlist(int count, int *list);
