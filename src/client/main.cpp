// Entry point of the client. The start-up sequence proper arrives with the
// start-up module; for now the program announces itself and stops.
#include <cstdio>

int main(int, char **) {
  fprintf(stderr, "\nThis is Quivane %s %s%s\n", "Client", "7.1.0", "(a)");
  fprintf(stderr, "---- -- ------- ======\n");
  fprintf(stderr, "\n<Ready>\n");
  return 0;
}
