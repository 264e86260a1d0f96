// Placeholder "connect:" processor and refresh: the connection commands are
// not available yet, so every keyword is refused.
#include "client/cmd_tables.h"

int connect_cmdproc(const char *, const char *, const char *keyword, const char *, int cat_index,
                    int, int, const int *, int) {
  return cmd_refuse_unbuilt(cat_index, keyword);
}

void connect_ref(int cat_index) { cmd_clear_refresh(cat_index); }
