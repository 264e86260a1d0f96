// Text and file-name utilities shared by the whole client: the part-name
// pattern matcher, number-format and numeric-input checks, reserved
// characters of new names, trimming, tilde expansion and a string sort.
#pragma once

// 1 match, 0 no match, -1 malformed pattern.
int is_string_a_match(const char *name, const char *pattern, int whole_word, int case_sensitive,
                      int wildcards);
// 1 valid, -1 wrong conversion, -2 field size out of range, -3 wrong number of "%".
int valid_format(const char *format, int expected, int type, int largest_size);
int check_float(const char *text);             // 1 or -1
int check_int(const char *text);               // 1 or -1
int check_for_reserve_chars(const char *text);  // 1 when a reserved character occurs, else 0
void reserve_char_error();
void strip_pre_post_chars(const char *source, char *dest, char ch);
// Expands a leading "~" or "~user" of the first *nchars characters of name into
// dest (capacity *capacity). Length of the result, -1 for an empty name or an
// unknown user, -2 when the result does not fit (dest is then unchanged).
int expfnam(const char *name, int *nchars, char *dest, int *capacity);
// Sorts count fixed-size string slots in place; 1, or -1 when out of memory.
int string_hsort(int count, int slot_size, char **slots);
