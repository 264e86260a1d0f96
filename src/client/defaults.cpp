// The registry of start values (see defaults.h).  Owns the copies; the
// globals stay with their modules.
#include "client/defaults.h"

#include <cstring>
#include <vector>

namespace {

struct Kept {
  Defaults_when when;
  void *global;
  std::vector<unsigned char> start;  // the bytes the global was defined with
};

// Built on first use, so that registrations from any translation unit's
// static initialisation find it ready.
std::vector<Kept> &registry() {
  static std::vector<Kept> kept;
  return kept;
}

}  // namespace

void Global_defaults::keep(Defaults_when when, void *global, size_t size) {
  const auto *bytes = static_cast<const unsigned char *>(global);
  registry().push_back(Kept{when, global, std::vector<unsigned char>(bytes, bytes + size)});
}

void global_defaults_restore(int mode) {
  for (const Kept &k : registry())
    if (mode == 1 || k.when == DEFAULTS_AT_RESET) memcpy(k.global, k.start.data(), k.start.size());
}
