// Tensor glyph parts.  They arrive with their subsystem; until then none
// exists.
#pragma once

// Recomputes the tensor-glyph part at table index i on its server and
// rebuilds it.  Placeholder: nothing.
void modify_tensor_glyph(int i);
