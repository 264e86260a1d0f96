// Global defaults of a fresh run, and the reset to defaults of an archive.
#pragma once

extern float Tarv_version;  // program and archive version, 7.1

// Mode 1 (full, once at start before the options): every default. Mode 0
// (archive reset): the view, display and toggle settings only; connections,
// servers, cases and per-case data flags are kept. Returns the result of
// initialize_connection_map.
int globals_init(int mode);
