// Writes the start-screen picture of the installation directory:
// big-endian int width and height, then the pixels bottom row first, each
// as the bytes A, B, G, R.  The picture is a dark blue field brightening
// upward with a band of lighter stripes across its middle.
#include <cstdio>
#include <string>

int main(int argc, char **argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
    return 2;
  }
  const int w = 256, h = 64;
  std::string out;
  for (int v : {w, h})
    for (int s = 24; s >= 0; s -= 8) out += (char)((unsigned)v >> s & 0xff);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      int r = 10 + y, g = 20 + 2 * y, b = 60 + 2 * y;
      if (y >= 28 && y < 36 && (x / 8) % 2 == 0) r = g = b = 200;
      out += (char)255;
      out += (char)b;
      out += (char)g;
      out += (char)r;
    }
  FILE *f = fopen(argv[1], "wb");
  if (!f || fwrite(out.data(), 1, out.size(), f) != out.size() || fclose(f) != 0) {
    perror(argv[1]);
    return 1;
  }
  return 0;
}
