// Message, error, warning and working boxes. Until the main window exists
// every message goes to the console.
#pragma once

// Shows an error; the text is prefixed "ERROR: ". Never waits.
void disperr(const char *text);
