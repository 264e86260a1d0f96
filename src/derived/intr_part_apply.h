// The common apply of the quick-interaction panels: one pending change of
// the command side (Part_mod_attr and its flags) applied to the parts
// selected in the main part list, or to a part type's defaults.
#pragma once

// Checks the pending change with the type's check routine, then applies it
// through part_apply (source 2) to the main list's selection, or to the
// defaults of the type (-1) when nothing is selected.  The flags are
// cleared either way.  1, or -1 when the check refused it.
int intrgenpart_attr_apply(int type);
