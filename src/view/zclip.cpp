// Z-clip planes (see zclip.h).  Placeholders until the planes can be set:
// every value is refused.
#include "view/zclip.h"

int zclip_attr_updt(int, float *, int) { return -1; }
int zclip_minattr_updt(float, int) { return -1; }
int zclip_tgglattr_updt(int, float *, int) { return -1; }
