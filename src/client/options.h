// Command-line options of the client.
#pragma once

// Reads the client's own options from argv[1] on into their globals; words it
// does not know are left for the X toolkit. Ends the program with status 1 on
// a fatal option error.
void process_args(int argc, char **argv);
// Prints the usage text on standard error and exits with status 1.
[[noreturn]] void usage();
