// Text and file-name utilities. They keep no state: every working copy is a
// local std::string, so names, patterns and file names of any length are safe.
#include "client/textutil.h"

#include <pwd.h>
#include <strings.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/screen.h"

static std::string lowered(std::string s) {
  for (char &c : s) c = (char)tolower((unsigned char)c);
  return s;
}

// Plain comparison of one key: the whole name, or a substring of it.
static int plain_match(const std::string &name, const std::string &key, int whole_word,
                       int case_sensitive) {
  if (whole_word)
    return (case_sensitive ? strcmp(name.c_str(), key.c_str())
                           : strcasecmp(name.c_str(), key.c_str())) == 0;
  if (case_sensitive) return name.find(key) != std::string::npos;
  return lowered(name).find(lowered(key)) != std::string::npos;
}

// Last occurrence of run at or after pos, found by a left-to-right scan that
// resumes just past each occurrence (so occurrences never overlap).
static size_t last_occurrence(const std::string &name, const std::string &run, size_t pos) {
  size_t last = std::string::npos;
  for (size_t at = name.find(run, pos); at != std::string::npos;
       at = name.find(run, at + run.size()))
    last = at;
  return last;
}

// Wildcard comparison of one key holding "." (one character) or "*" (any run).
static int wildcard_match(std::string name, std::string key, int whole_word, int case_sensitive) {
  if (!case_sensitive) {
    name = lowered(name);
    key = lowered(key);
  }
  size_t pos = 0;        // position in the name
  bool floating = false;  // a "*" precedes the current token
  int result = 0;
  size_t k = 0;
  while (k < key.size()) {
    if (key[k] == '.') {
      floating = false;
      size_t left = name.size() - pos;
      if (left == 1) return 1;
      if (left == 0) return 0;
      pos++;
      k++;
    } else if (key[k] == '*') {
      floating = true;
      if (k + 1 == key.size()) return 1;
      k++;
    } else {
      size_t end = key.find_first_of(".*", k);
      if (end == std::string::npos) end = key.size();
      std::string run = key.substr(k, end - k);
      size_t at;
      if (floating)
        at = last_occurrence(name, run, pos);
      else if (whole_word)
        at = name.compare(pos, run.size(), run) == 0 ? pos : std::string::npos;
      else
        at = name.find(run, pos);
      floating = false;
      if (at == std::string::npos) return 0;
      result = 1;
      pos = at + run.size();
      k = end;
      if (pos >= name.size() && k >= key.size()) break;
    }
  }
  return result;
}

int is_string_a_match(const char *name, const char *pattern, int whole_word, int case_sensitive,
                      int wildcards) {
  if (!name || !pattern) return 0;
  const std::string nm(name), pat(pattern);
  size_t start = 0;
  while (start <= pat.size()) {
    size_t bar = pat.find('|', start);
    if (bar == std::string::npos) bar = pat.size();
    std::string key = pat.substr(start, bar - start);
    if (key.empty()) return 0;
    bool negated = false;
    if (wildcards && key[0] == '~') {
      negated = true;
      key.erase(0, 1);
      if (key.empty()) return -1;
    }
    int hit = (wildcards && key.find_first_of(".*") != std::string::npos)
                  ? wildcard_match(nm, key, whole_word, case_sensitive)
                  : plain_match(nm, key, whole_word, case_sensitive);
    if (hit != (int)negated) return 1;
    start = bar + 1;
  }
  return 0;
}

int valid_format(const char *format, int expected, int type, int largest_size) {
  if (!format) return expected == 0 ? 1 : -3;
  int count = 0;
  for (const char *c = format; *c; c++)
    if (*c == '%') count++;
  if (count != expected) return -3;

  for (const char *c = strchr(format, '%'); c; c = strchr(c, '%')) {
    c++;
    size_t n = strspn(c, "0123456789.");
    if (n > 0) {
      std::string run(c, n);
      double size = atof(run.c_str());
      if (size <= 0.0 || size > largest_size) return -2;
      if (size < 1.0 && run[0] == '.' && atoi(run.c_str() + 1) > largest_size) return -2;
    }
    c += n;
    const char *allowed = (type == 1 || type == 3) ? "efg" : type == 2 ? "dox" : nullptr;
    if (allowed && (*c == '\0' || !strchr(allowed, *c))) return -1;
  }
  return 1;
}

// 1 when every character is a digit or one of the number characters.
static int only_number_chars(const char *text) {
  if (!text) return 1;
  return text[strspn(text, "0123456789+-.eE")] == '\0' ? 1 : -1;
}

int check_float(const char *text) { return only_number_chars(text); }

int check_int(const char *text) { return only_number_chars(text); }

int check_for_reserve_chars(const char *text) {
  if (!text) return 0;
  return strpbrk(text, " !#$()*+-/@[]^") ? 1 : 0;
}

void reserve_char_error() {
  disperr(
      "Variable names must not contain any of the following reserved characters:\n\n"
      "  !    (    *      ^  \n"
      "  @    )    /    space\n"
      "  #    [    -         \n"
      "  $    ]    +         ");
}

void strip_pre_post_chars(const char *source, char *dest, char ch) {
  if (!dest) return;
  if (!source) {
    dest[0] = '\0';
    return;
  }
  size_t len = strlen(source), first = 0;
  while (first < len && source[first] == ch) first++;
  while (len > first && source[len - 1] == ch) len--;
  memmove(dest, source + first, len - first);
  dest[len - first] = '\0';
}

int expfnam(const char *name, int *nchars, char *dest, int *capacity) {
  if (!name || !nchars || !dest || !capacity) return -1;
  std::string in(name, strnlen(name, *nchars > 0 ? (size_t)*nchars : 0));
  if (in.empty()) return -1;

  std::string out;
  if (in[0] == '~') {
    size_t slash = in.find('/');
    std::string user = in.substr(1, slash == std::string::npos ? std::string::npos : slash - 1);
    // The current user's "~" follows HOME when it is set, as a shell does, so
    // that a redirected HOME is honoured; otherwise the password database.
    const char *home = user.empty() ? getenv("HOME") : nullptr;
    if (home && *home) {
      out = home;
    } else {
      struct passwd *pw = user.empty() ? getpwuid(getuid()) : getpwnam(user.c_str());
      if (!pw || !pw->pw_dir) return -1;
      out = pw->pw_dir;
    }
    if (slash != std::string::npos) out += in.substr(slash);
  } else {
    out = in;
  }
  if ((long)out.size() >= (long)*capacity) return -2;
  memcpy(dest, out.c_str(), out.size() + 1);
  return (int)out.size();
}

// Copies a string into a slot of slot_size bytes, always terminated.
static void copy_slot(char *to, const char *from, size_t slot_size) {
  size_t n = strnlen(from, slot_size - 1);
  memmove(to, from, n);
  to[n] = '\0';
}

int string_hsort(int count, int slot_size, char **slots) {
  if (count < 2) return 1;
  if (!slots || slot_size < 1) return -1;
  char *key = (char *)calloc((size_t)slot_size, 1);
  if (!key) {
    fprintf(stderr, "string_hsort: Allocation for temporary key failed.\n");
    return -1;
  }
  const size_t sz = (size_t)slot_size;
  // Heap sort: first build a heap with the largest string on top, then move
  // the top to the end of the unsorted range and sift the displaced one down.
  int top = count / 2, last = count - 1;
  for (;;) {
    if (top > 0) {
      top--;
      copy_slot(key, slots[top], sz);
    } else {
      copy_slot(key, slots[last], sz);
      copy_slot(slots[last], slots[0], sz);
      if (--last == 0) {
        copy_slot(slots[0], key, sz);
        break;
      }
    }
    int i = top, j = 2 * top + 1;
    while (j <= last) {
      if (j < last && strcmp(slots[j], slots[j + 1]) < 0) j++;
      if (strcmp(key, slots[j]) >= 0) break;
      copy_slot(slots[i], slots[j], sz);
      i = j;
      j = 2 * j + 1;
    }
    copy_slot(slots[i], key, sz);
  }
  free(key);
  return 1;
}
