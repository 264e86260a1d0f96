// The case this server holds, and its loading from a dataset named at
// start-up (-data) or, later, by the client's read requests.
#include <cstdio>
#include <string>

#include "readers/readers.h"
#include "server.h"

Ds_case_rec Srv_case;

int srv_load_data(const char *name, const char *result) {
  std::string err;
  if (read_dataset(&Srv_case, name, result ? result : "", &err) < 0) {
    fprintf(stderr, "quivane7.server: %s\n", err.c_str());
    srv_log("load %s -> %s", name, err.c_str());
    return -1;
  }
  srv_log("load %s -> %zu parts %zu variables %zu steps", name, Srv_case.parts.size(),
          Srv_case.vars.size(), Srv_case.times.size());
  return 0;
}
