// Modes with which the archive framework calls every section function.
#pragma once

#define BKUP_SAVE 0     // write the section
#define BKUP_RESTORE 2  // read the section back
#define BKUP_RESET 4    // reset the section's state to its defaults
