// Entry point of the client: the start-up sequence, then the event loop,
// which never returns; the run ends through quit_rout or a fatal signal.
#include <cstdio>
#include <cstdlib>

#include "client/conect.h"
#include "client/startup.h"
#include "client/version.h"
#include "ui/event_loop.h"
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
  interf_init(argc, argv);  // ends the program itself when the interface cannot start
  fprintf(stderr, "\n<Ready>\n");
  main_event_loop();
}
