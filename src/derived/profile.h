// Profile parts.  They arrive with the derived-surface subsystem; until
// then none exists.
#pragma once

// Recomputes the profile part at table index i on its server from its
// stored attributes.  Placeholder: nothing.
void modify_profile(int i);
