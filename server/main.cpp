// Stand-in case server: for now it only knows how it is to be started.
#include <cstdio>
#include <cstring>

static void server_usage() {
  fprintf(stderr,
          "USAGE: quivane7.server [-c host [-ports N]] [-pipe p1 p2] [-security N]\n"
          "                       [-readerdbg] [-log FILE]\n");
}

int main(int argc, char **argv) {
  for (int i = 1; i < argc; i++)
    if (!strcmp(argv[i], "-help") || !strcmp(argv[i], "-h")) {
      server_usage();
      return 1;
    }
  server_usage();
  return 1;
}
