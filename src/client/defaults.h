// Start values of the globals, kept where each global is defined.  A module
// registers its globals next to their definitions:
//   int Solidt = 0;
//   int Labnod = 1;
//   static const Global_defaults Defaults(DEFAULTS_AT_RESET, Solidt, Labnod);
// The registry copies the values the globals were defined with before any
// code runs, and globals_init puts them back: the DEFAULTS_AT_START ones in
// a fresh run (mode 1) only, the DEFAULTS_AT_RESET ones also at every archive
// reset (mode 0).  No other file repeats a start value.
#pragma once

#include <cstddef>
#include <type_traits>

enum Defaults_when {
  DEFAULTS_AT_START,  // a fresh run only: connections, cases, per-case data
  DEFAULTS_AT_RESET,  // a fresh run and every archive reset: view and toggle settings
};

class Global_defaults {
 public:
  template <typename... T>
  explicit Global_defaults(Defaults_when when, T &...globals) {
    static_assert((std::is_trivially_copyable_v<T> && ...), "start values are copied as bytes");
    (keep(when, &globals, sizeof(T)), ...);
  }

 private:
  static void keep(Defaults_when when, void *global, size_t size);
};

// Puts the registered start values back: mode 1 all of them, any other mode
// the DEFAULTS_AT_RESET ones.
void global_defaults_restore(int mode);
