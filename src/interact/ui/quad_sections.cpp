// The quadric feedback sections (see quad_sections.h): nothing is built yet.
#include "interact/ui/quad_sections.h"

Widget quad_gen_cylconsph_sect(Widget, int) { return nullptr; }
Widget quad_gen_fdbk_revo_sect(Widget) { return nullptr; }
