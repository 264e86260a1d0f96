// The build text each model part keeps: the "data_partbuild:" lines (each
// behind "# ") that made it, which a context file replays to rebuild it.
#pragma once

// Copies text (with its NUL) into the build text of part number, grown to
// fit. 1, or -1 when the number has no record or the text cannot be held.
int save_model_part_build_instructions(int number, const char *text);
