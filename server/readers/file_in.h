// Reading a data file: a buffered descriptor that serves text tokens and
// lines as well as bulk binary reads straight into the model's arrays, with
// byte swapping in place and conversion from the file's number types. Every
// failure is reported once, as "<file>: <what is wrong>", into the error
// string the file was opened with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Number types of values stored in files.
enum Num_type { NUM_I8, NUM_U8, NUM_I16, NUM_U16, NUM_I32, NUM_U32, NUM_I64, NUM_U64, NUM_F32, NUM_F64 };
int num_size(Num_type t);

// How a run of values is stored: as text, or binary of a type and byte order.
struct Value_form {
  bool text;      // whitespace-separated numbers
  Num_type type;  // binary: the stored type
  bool swap;      // binary: the file's byte order is not the host's
};

// True when the host stores numbers least significant byte first.
bool host_little_endian();
void swap_bytes(void *data, size_t count, int size);

class File_in {
 public:
  File_in() = default;
  ~File_in();
  File_in(const File_in &) = delete;
  File_in &operator=(const File_in &) = delete;

  // Opens the file; err receives every later failure. 0 or -1.
  int open(const std::string &path, std::string *err);
  const std::string &path() const { return path_; }
  int64_t size() const { return size_; }
  int64_t tell() const { return file_pos_ - (int64_t)(len_ - pos_); }
  int64_t left() const { return size_ - tell(); }
  int seek(int64_t offset);
  // Exactly n bytes, or -1 with "truncated" reported.
  int read(void *dst, size_t n);
  // n bytes at an offset, leaving the read position alone and reporting
  // nothing: for probing a layout. False when the file has fewer.
  bool probe(int64_t offset, void *dst, size_t n) const;

  // The next whitespace-separated token (valid until the next call), false
  // at the end of the file. peek_token does not consume it.
  bool next_token(std::string_view *tok);
  bool peek_token(std::string_view *tok);
  // The rest of the current line, without its newline; false at the end.
  bool read_line(std::string *line);
  // Consumes blanks up to and including the end of the current line: where
  // binary values start after a keyword line.
  void skip_line_end();
  int line() const { return line_; }

  // Reports "<file>: line N: <what>" (text) or "<file>: <what>"; returns -1.
  int fail(const char *fmt, ...) __attribute__((format(printf, 2, 3)));
  int fail_at_line(const char *fmt, ...) __attribute__((format(printf, 2, 3)));
  // Fails unless count values of at least min_bytes each fit in what is left.
  int check_fits(int64_t count, int64_t min_bytes, const char *what);

  // count values of the form into dst, converted to float or int; a run of
  // 4-byte values of the destination's type is read in one piece.
  int read_floats(const Value_form &f, size_t count, float *dst);
  int read_ints(const Value_form &f, size_t count, int *dst);
  // count tuples of comps values, each component into its own array.
  int read_tuples(const Value_form &f, size_t count, int comps, float *const *dst);

 private:
  bool fill();         // more bytes into the buffer; false at the end
  bool skip_blanks();  // false at the end of the file
  template <class T>
  int read_converted(const Value_form &f, size_t count, int comps, T *const *dst);

  int fd_ = -1;
  std::string path_;
  std::string *err_ = nullptr;
  int64_t size_ = 0;
  std::vector<char> buf_;
  size_t pos_ = 0, len_ = 0;  // unread bytes are buf_[pos_ .. len_)
  int64_t file_pos_ = 0;      // file offset of buf_[len_]
  int line_ = 1;              // line of the next unread text byte
};

// Parses a whole token as a number; false when it is not one.
bool parse_number(std::string_view tok, double *out);
bool parse_int(std::string_view tok, int64_t *out);
