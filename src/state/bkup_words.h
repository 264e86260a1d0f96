// The 4-byte words of the binary archive sections: written and read one at a
// time in big-endian order, whatever the machine's own order.
#pragma once

#include <cstdint>
#include <cstdio>

// Writes v as four big-endian bytes; false when the write failed.
bool bkup_put_word(FILE *fp, uint32_t v);
// Reads four big-endian bytes into *v; false at the end of the file or on error.
bool bkup_get_word(FILE *fp, uint32_t *v);
