// The buffered data file of the readers. One 64 KB buffer serves tokens and
// lines; a bulk read larger than half of it goes straight from the
// descriptor into the caller's array. Conversions go through a chunk of raw
// values, never value by value from the descriptor.
#include "readers/file_in.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <type_traits>

static const size_t BUFFER_SIZE = 1 << 16;

int num_size(Num_type t) {
  static const int sizes[] = {1, 1, 2, 2, 4, 4, 8, 8, 4, 8};
  return sizes[t];
}

bool host_little_endian() {
  const uint16_t one = 1;
  unsigned char first;
  memcpy(&first, &one, 1);
  return first == 1;
}

void swap_bytes(void *data, size_t count, int size) {
  unsigned char *p = static_cast<unsigned char *>(data);
  if (size == 4) {
    for (size_t i = 0; i < count; i++, p += 4) {
      uint32_t v;
      memcpy(&v, p, 4);
      v = __builtin_bswap32(v);
      memcpy(p, &v, 4);
    }
  } else if (size == 8) {
    for (size_t i = 0; i < count; i++, p += 8) {
      uint64_t v;
      memcpy(&v, p, 8);
      v = __builtin_bswap64(v);
      memcpy(p, &v, 8);
    }
  } else if (size == 2) {
    for (size_t i = 0; i < count; i++, p += 2) std::swap(p[0], p[1]);
  }
}

File_in::~File_in() {
  if (fd_ >= 0) close(fd_);
}

int File_in::open(const std::string &path, std::string *err) {
  path_ = path;
  err_ = err;
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return fail("cannot open: %s", strerror(errno));
  struct stat st;
  if (fstat(fd_, &st) != 0) return fail("cannot read: %s", strerror(errno));
  if (S_ISDIR(st.st_mode)) return fail("is a directory, not a data file");
  size_ = st.st_size;
  buf_.resize(BUFFER_SIZE);
  return 0;
}

static void report(std::string *err, const std::string &path, int line, const char *fmt,
                   va_list ap) {
  if (!err || !err->empty()) return;  // the first failure is the one that explains
  char what[512];
  vsnprintf(what, sizeof what, fmt, ap);
  *err = path + ": ";
  if (line > 0) *err += "line " + std::to_string(line) + ": ";
  *err += what;
}

int File_in::fail(const char *fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  report(err_, path_, 0, fmt, ap);
  va_end(ap);
  return -1;
}

int File_in::fail_at_line(const char *fmt, ...) {
  va_list ap;
  va_start(ap, fmt);
  report(err_, path_, line_, fmt, ap);
  va_end(ap);
  return -1;
}

int File_in::check_fits(int64_t count, int64_t min_bytes, const char *what) {
  if (count < 0) return fail("%s: negative count %lld", what, (long long)count);
  int64_t room = min_bytes > 1 ? (left() + 1) / min_bytes : left();
  if (count > room)
    return fail("%s: %lld values cannot fit in the %lld bytes left of the file", what,
                (long long)count, (long long)left());
  return 0;
}

bool File_in::fill() {
  if (pos_ > 0) {
    memmove(buf_.data(), buf_.data() + pos_, len_ - pos_);
    len_ -= pos_;
    pos_ = 0;
  }
  if (len_ == buf_.size()) return false;
  ssize_t got;
  do got = ::read(fd_, buf_.data() + len_, buf_.size() - len_);
  while (got < 0 && errno == EINTR);
  if (got <= 0) return false;
  len_ += got;
  file_pos_ += got;
  return true;
}

int File_in::seek(int64_t offset) {
  if (offset == 0) line_ = 1;
  int64_t buf_start = file_pos_ - (int64_t)len_;
  if (offset >= buf_start && offset <= file_pos_) {
    pos_ = offset - buf_start;
    return 0;
  }
  if (lseek(fd_, offset, SEEK_SET) < 0) return fail("cannot seek: %s", strerror(errno));
  pos_ = len_ = 0;
  file_pos_ = offset;
  return 0;
}

bool File_in::probe(int64_t offset, void *dst, size_t n) const {
  if (offset < 0 || offset > size_ || (int64_t)n > size_ - offset) return false;
  char *out = static_cast<char *>(dst);
  while (n > 0) {
    ssize_t got = pread(fd_, out, n, offset);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    out += got;
    offset += got;
    n -= got;
  }
  return true;
}

int File_in::read(void *dst, size_t n) {
  char *out = static_cast<char *>(dst);
  size_t take = std::min(n, len_ - pos_);
  memcpy(out, buf_.data() + pos_, take);
  pos_ += take;
  out += take;
  n -= take;
  while (n > 0) {
    if (n < buf_.size() / 2) {
      if (!fill()) break;
      take = std::min(n, len_ - pos_);
      memcpy(out, buf_.data() + pos_, take);
      pos_ += take;
    } else {
      ssize_t got = ::read(fd_, out, n);
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) break;
      file_pos_ += got;
      take = got;
    }
    out += take;
    n -= take;
  }
  if (n > 0)
    return fail("truncated: the file ends %zu bytes short of what its header calls for", n);
  return 0;
}

static inline bool is_blank(char c) {
  return c == ' ' || c == '\n' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

bool File_in::skip_blanks() {
  for (;;) {
    while (pos_ < len_) {
      char c = buf_[pos_];
      if (!is_blank(c)) return true;
      if (c == '\n') line_++;
      pos_++;
    }
    if (!fill()) return false;
  }
}

bool File_in::next_token(std::string_view *tok) {
  if (!skip_blanks()) return false;
  size_t k = 0;  // token bytes found so far, from pos_
  for (;;) {
    while (pos_ + k < len_ && !is_blank(buf_[pos_ + k])) k++;
    if (pos_ + k < len_ || !fill()) break;  // ended by a blank, the file's end or a full buffer
  }
  *tok = std::string_view(buf_.data() + pos_, k);
  pos_ += k;
  return true;
}

bool File_in::peek_token(std::string_view *tok) {
  int64_t at = tell();
  int line = line_;
  bool got = next_token(tok);
  std::string_view kept = *tok;
  // The token's bytes stay in the buffer: seeking back inside the buffer
  // moves no data.
  seek(at);
  line_ = line;
  *tok = kept;
  return got;
}

bool File_in::read_line(std::string *line) {
  line->clear();
  bool any = false;
  for (;;) {
    if (pos_ == len_ && !fill()) return any;
    any = true;
    char *start = buf_.data() + pos_;
    char *nl = static_cast<char *>(memchr(start, '\n', len_ - pos_));
    size_t n = nl ? (size_t)(nl - start) : len_ - pos_;
    line->append(start, n);
    pos_ += n;
    if (nl) {
      pos_++;
      line_++;
      if (!line->empty() && line->back() == '\r') line->pop_back();
      return true;
    }
  }
}

void File_in::skip_line_end() {
  for (;;) {
    while (pos_ < len_) {
      char c = buf_[pos_];
      if (c == '\n') {
        pos_++;
        line_++;
        return;
      }
      if (!is_blank(c)) return;
      pos_++;
    }
    if (!fill()) return;
  }
}

// Numbers written with a Fortran exponent letter (1.5D+00) are read too.
static bool with_e_exponent(std::string_view tok, char *buf, size_t size, std::string_view *out) {
  if (tok.size() >= size) return false;
  bool changed = false;
  for (size_t i = 0; i < tok.size(); i++) {
    char c = tok[i];
    if (c == 'D' || c == 'd') c = 'e', changed = true;
    buf[i] = c;
  }
  *out = std::string_view(buf, tok.size());
  return changed;
}

template <class T>
static bool parse_as(std::string_view tok, T *out) {
  if (!tok.empty() && tok[0] == '+') tok.remove_prefix(1);
  const char *end = tok.data() + tok.size();
  auto r = std::from_chars(tok.data(), end, *out);
  if (r.ec == std::errc() && r.ptr == end) return true;
  if constexpr (std::is_floating_point_v<T>) {
    char buf[64];
    std::string_view fixed;
    if (with_e_exponent(tok, buf, sizeof buf, &fixed)) {
      r = std::from_chars(fixed.data(), fixed.data() + fixed.size(), *out);
      return r.ec == std::errc() && r.ptr == fixed.data() + fixed.size();
    }
  }
  return false;
}

bool parse_number(std::string_view tok, double *out) { return parse_as(tok, out); }

bool parse_int(std::string_view tok, int64_t *out) {
  long long v;
  if (!parse_as(tok, &v)) return false;
  *out = v;
  return true;
}

// A value converted to the destination type; false when an int cannot hold it.
template <class T, class S>
static inline bool store(S v, T *dst) {
  if constexpr (std::is_integral_v<T>) {
    if constexpr (std::is_floating_point_v<S>) {
      if (!(v >= (S)INT_MIN && v <= (S)INT_MAX) || v != std::trunc(v)) return false;
    } else if constexpr (std::is_signed_v<S>) {
      if (v < INT_MIN || v > INT_MAX) return false;
    } else {
      if (v > (S)INT_MAX) return false;
    }
  }
  *dst = (T)v;
  return true;
}

// Converts n tuples of raw values of type S into the destination arrays from
// tuple first on; false at the first value an int cannot hold.
template <class S, class T>
static bool convert(const unsigned char *raw, size_t n, int comps, T *const *dst, size_t first) {
  for (size_t t = 0; t < n; t++)
    for (int c = 0; c < comps; c++) {
      S v;
      memcpy(&v, raw + (t * comps + c) * sizeof(S), sizeof(S));
      if (!store(v, &dst[c][first + t])) return false;
    }
  return true;
}

template <class T>
int File_in::read_converted(const Value_form &f, size_t count, int comps, T *const *dst) {
  if (f.text) {
    for (size_t t = 0; t < count; t++)
      for (int c = 0; c < comps; c++) {
        std::string_view tok;
        if (!next_token(&tok))
          return fail_at_line("the file ends %zu values short of the %zu announced",
                              (count - t) * comps - c, count * comps);
        bool ok;
        if constexpr (std::is_integral_v<T>) {
          int64_t v;
          ok = parse_int(tok, &v) && store(v, &dst[c][t]);
        } else {
          ok = parse_as(tok, &dst[c][t]);
        }
        if (!ok)
          return fail_at_line("\"%.*s\" is not %s", (int)std::min<size_t>(tok.size(), 40), tok.data(),
                              std::is_integral_v<T> ? "an integer in range" : "a number");
      }
    return 0;
  }
  int size = num_size(f.type);
  size_t chunk = std::max<size_t>(1, (BUFFER_SIZE / 2) / (size * comps));
  std::vector<unsigned char> raw(chunk * size * comps);
  for (size_t first = 0; first < count; first += chunk) {
    size_t n = std::min(chunk, count - first);
    int64_t at = tell();
    if (read(raw.data(), n * size * comps) != 0) return -1;
    if (f.swap) swap_bytes(raw.data(), n * comps, size);
    bool ok = false;
    switch (f.type) {
      case NUM_I8: ok = convert<int8_t>(raw.data(), n, comps, dst, first); break;
      case NUM_U8: ok = convert<uint8_t>(raw.data(), n, comps, dst, first); break;
      case NUM_I16: ok = convert<int16_t>(raw.data(), n, comps, dst, first); break;
      case NUM_U16: ok = convert<uint16_t>(raw.data(), n, comps, dst, first); break;
      case NUM_I32: ok = convert<int32_t>(raw.data(), n, comps, dst, first); break;
      case NUM_U32: ok = convert<uint32_t>(raw.data(), n, comps, dst, first); break;
      case NUM_I64: ok = convert<int64_t>(raw.data(), n, comps, dst, first); break;
      case NUM_U64: ok = convert<uint64_t>(raw.data(), n, comps, dst, first); break;
      case NUM_F32: ok = convert<float>(raw.data(), n, comps, dst, first); break;
      case NUM_F64: ok = convert<double>(raw.data(), n, comps, dst, first); break;
    }
    if (!ok) return fail("a value between bytes %lld and %lld is out of range", (long long)at, (long long)tell());
  }
  return 0;
}

int File_in::read_floats(const Value_form &f, size_t count, float *dst) {
  if (!f.text && f.type == NUM_F32) {
    if (read(dst, count * 4) != 0) return -1;
    if (f.swap) swap_bytes(dst, count, 4);
    return 0;
  }
  return read_converted(f, count, 1, &dst);
}

int File_in::read_ints(const Value_form &f, size_t count, int *dst) {
  if (!f.text && f.type == NUM_I32) {
    if (read(dst, count * 4) != 0) return -1;
    if (f.swap) swap_bytes(dst, count, 4);
    return 0;
  }
  return read_converted(f, count, 1, &dst);
}

int File_in::read_tuples(const Value_form &f, size_t count, int comps, float *const *dst) {
  if (comps == 1) return read_floats(f, count, dst[0]);
  return read_converted(f, count, comps, dst);
}
