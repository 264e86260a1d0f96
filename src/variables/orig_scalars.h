// The names of the scalars a case's data files provide, as its server lists them.
#pragma once

#define ORIG_SCALAR_LEN 80  // name buffer bytes: 79 characters and the NUL

// "orig avail scalars" on the current case's channel: *count names into a
// new table *names (free with free). 1, or -1 when the server reports an
// error, a list cannot be stored (its names are drained) or the channel fails.
int orig_avail_scalars(int *count, char (**names)[ORIG_SCALAR_LEN]);
