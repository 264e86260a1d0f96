// The Feature Detail Editor shell.  It arrives with the detail editor; until
// then asking for a section opens nothing.
#pragma once

// Mode 2 shows the editor at section (0 Variables and Their Legends ..
// 12 Tensor Glyph).  0 while the editor does not exist.
int detedit_manage(int mode, int section);
