// Entry point of the client: the start-up sequence. The user interface is
// started here; until its event loop exists the program ends after the ready
// line.
#include <cstdio>
#include <cstdlib>

#include "client/conect.h"
#include "client/startup.h"
#include "client/version.h"
#include "ui/interf_init.h"

int main(int argc, char **argv) {
  setup_signal_processing();
  fprintf(stderr, "\nThis is Quivane %s %s%s\n", "Client", QUIVANE_VERSION_STRING, "(a)");
  fprintf(stderr, "---- -- ------- ======\n");
  main_set_installation_directory(getenv("QUIVANE7_HOME"));
  general_globals_init();
  main_make_resource_directory();
  connect_prescan_args(argc, argv);
  main_set_connection_defaults();
  if (interf_init(argc, argv) == -1) fprintf(stderr, "Error initializing the user interface.\n");
  fprintf(stderr, "\n<Ready>\n");
  return 0;
}
