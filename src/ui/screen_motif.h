// Installs the Motif screen (see client/screen.h) and the dialog refreshers
// of the logic modules.  Called once at the start of interf_init.
#pragma once

void screen_motif_install();
