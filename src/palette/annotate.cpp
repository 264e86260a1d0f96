// Annotation settings (see annotate.h).
#include "palette/annotate.h"

int Txttog = 1;
int Txtdyn = 1;

void annotate_read_window_image() {}
void display_annotation_mode() {}
void annotation_move_manage(int) {}
