// Message, error, warning and working boxes. Until the main window exists
// every message goes to the console.
#pragma once

// Shows an error; the text is prefixed "ERROR: ". Never waits.
void disperr(const char *text);

// Shows the busy pointer with a status text; removes it again. The busy
// indication does not nest.
void set_working_cursor(const char *text);
void unset_working_cursor();
