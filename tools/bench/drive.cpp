// quivane_drive: plays command lines into a running client over its external
// command driver link, for make demo and make bench.
//
//   quivane_drive PORT [TIMEOUT_S]   lines from standard input
//
// Each line is sent and must be answered "ok". Lines beginning with '!' are
// the tool's own:
//   !shot FILE       the main graphics area, as the screen shows it, into FILE
//                    (a binary PPM), from the display named by DISPLAY
//   !root FILE       the whole screen into FILE (PNG)
//   !mark NAME       prints "NAME <seconds since the first line>"
//   !repeat N LINE   sends LINE N times and prints "repeat N <seconds>"
//   !quit            sends "quit" without waiting for an answer
// The exit status is 0 when every line was answered "ok", else 1.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <set>
#include <string>

#include "driver_client.h"
#include "screenshot.h"

namespace {

double since(std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main(int argc, char **argv) {
  if (argc < 2) {
    fprintf(stderr, "USAGE: quivane_drive PORT [TIMEOUT_S] < lines\n");
    return 2;
  }
  const int port = atoi(argv[1]);
  const int timeout_ms = (argc > 2 ? atoi(argv[2]) : 60) * 1000;
  const char *dpy = getenv("DISPLAY");
  qtest::DriverClient driver;
  // The refused attempts before the client listens are not news: their
  // messages are dropped.
  int keep_err = dup(2), null_fd = open("/dev/null", O_WRONLY);
  if (null_fd >= 0) dup2(null_fd, 2);
  bool linked = driver.connect(port, timeout_ms);
  if (keep_err >= 0) dup2(keep_err, 2), close(keep_err);
  if (null_fd >= 0) close(null_fd);
  if (!linked || driver.greeting(timeout_ms) != "Hello Command Driver") {
    fprintf(stderr, "quivane_drive: no driver link on port %d\n", port);
    return 1;
  }
  auto t0 = std::chrono::steady_clock::now();
  int status = 0;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (line.empty()) continue;
    if (line[0] != '!') {
      std::string answer = driver.send(line, timeout_ms);
      if (answer != "ok") {
        fprintf(stderr, "quivane_drive: \"%s\" answered %s\n", line.c_str(), answer.c_str());
        status = 1;
      }
      continue;
    }
    size_t sp = line.find(' ');
    std::string word = line.substr(1, sp == std::string::npos ? std::string::npos : sp - 1);
    std::string rest = sp == std::string::npos ? "" : line.substr(sp + 1);
    if (word == "shot") {
      int w = 0, h = 0;
      if (!dpy || !qtest::graphics_window_ppm(dpy, rest, nullptr, &w, &h)) {
        fprintf(stderr, "quivane_drive: no graphics area to capture into %s\n", rest.c_str());
        status = 1;
      }
    } else if (word == "root") {
      if (!dpy || !qtest::capture_root(dpy, rest)) status = 1;
    } else if (word == "mark") {
      printf("%s %.6f\n", rest.c_str(), since(t0));
      fflush(stdout);
    } else if (word == "repeat") {
      size_t at = rest.find(' ');
      int n = atoi(rest.c_str());
      std::string cmd = at == std::string::npos ? "" : rest.substr(at + 1);
      auto r0 = std::chrono::steady_clock::now();
      for (int k = 0; k < n && status == 0; k++)
        if (driver.send(cmd, timeout_ms) != "ok") status = 1;
      printf("repeat %d %.6f\n", n, since(r0));
      fflush(stdout);
    } else if (word == "quit") {
      driver.send_only("quit");
    } else {
      fprintf(stderr, "quivane_drive: unknown %s\n", line.c_str());
      status = 1;
    }
  }
  return status;
}
