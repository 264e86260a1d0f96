// Text utilities: the part-name matcher, format and number checks, reserved
// characters, trimming, tilde expansion and the slot sort.
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "client/textutil.h"

namespace {

struct MatchCase {
  const char *name, *pattern;
  int whole, cased, wild, expected;
};

TEST(TextUtil, MatcherTable) {
  const MatchCase cases[] = {
      // negation and malformed patterns
      {"xabcx", "~abc", 0, 0, 1, 0},
      {"def", "~abc", 0, 0, 1, 1},
      {"def", "~", 0, 0, 1, -1},
      {"~abc", "~abc", 0, 0, 0, 1},  // without wildcards "~" is an ordinary character
      // alternatives
      {"front tire", "wheel|tire", 0, 0, 0, 1},
      {"wheel hub", "wheel|tire", 0, 0, 0, 1},
      {"hub", "wheel|tire", 0, 0, 0, 0},
      {"front tire", "wheel||tire", 0, 0, 0, 0},
      {"tire", "|tire", 0, 0, 0, 0},
      {"", "", 0, 0, 0, 0},
      {"abc", "abc|~", 0, 0, 1, 1},  // decided before the malformed alternative
      // plain comparison
      {"Hub", "Hub", 1, 1, 0, 1},
      {"hub", "Hub", 1, 1, 0, 0},
      {"Hubcap", "Hub", 1, 1, 0, 0},
      {"hub", "Hub", 1, 0, 0, 1},
      {"Big HUB", "hub", 0, 0, 0, 1},
      {"Big HUB", "hub", 0, 1, 0, 0},
      {"a.c", "a.c", 1, 1, 0, 1},  // wildcards off: "." is literal
      {"abc", "a.c", 0, 1, 0, 0},
      // wildcards
      {"abc", "a.c", 0, 0, 1, 1},
      {"abxc", "a.c", 0, 0, 1, 1},
      {"abc", "a.c", 1, 0, 1, 1},
      {"abxc", "a.c", 1, 0, 1, 0},
      {"abc", "A.C", 0, 0, 1, 1},
      {"abc", "A.C", 0, 1, 1, 0},
      {"anything", "*", 0, 0, 1, 1},
      {"", "*", 1, 1, 1, 1},
      {"xxabyy", "ab*", 0, 0, 1, 1},
      {"xxa", "ab*", 0, 0, 1, 0},
      {"abc", "*b.", 0, 0, 1, 1},   // a trailing "." needs one more character
      {"ab", "*b.", 0, 0, 1, 0},
      {"ab", "a.zzz", 0, 0, 1, 1},  // "." on the last character accepts
      {"aXbaY", "*a.Y", 1, 1, 1, 1},  // after "*" the last occurrence is taken
      {"aaa", "*aa.", 0, 0, 1, 1},    // ... found by a non-overlapping scan
      {"wheel_7", "~*tire*|wheel", 0, 0, 1, 1},
      {"tire_7", "~*tire*|wheel", 0, 0, 1, 0},
  };
  for (const MatchCase &c : cases)
    EXPECT_EQ(is_string_a_match(c.name, c.pattern, c.whole, c.cased, c.wild), c.expected)
        << "name \"" << c.name << "\" pattern \"" << c.pattern << "\" whole " << c.whole
        << " case " << c.cased << " wild " << c.wild;
}

TEST(TextUtil, MatcherTakesInputOfAnyLength) {
  const std::string name = std::string(2000, 'x') + "needle" + std::string(500, 'y');
  const std::string long_miss(300, 'q');
  EXPECT_EQ(is_string_a_match(name.c_str(), "needle", 0, 1, 0), 1);
  EXPECT_EQ(is_string_a_match(name.c_str(), (long_miss + "|needle").c_str(), 0, 1, 0), 1);
  EXPECT_EQ(is_string_a_match(name.c_str(), (std::string(100, 'x') + "*needle*").c_str(), 1, 1, 1),
            1);
  EXPECT_EQ(is_string_a_match(name.c_str(), ("*" + long_miss + "*").c_str(), 0, 1, 1), 0);
  EXPECT_EQ(is_string_a_match(name.c_str(), ("~" + long_miss).c_str(), 0, 1, 1), 1);
}

TEST(TextUtil, ValidFormatTable) {
  struct {
    const char *format;
    int expected, type, size, result;
  } cases[] = {
      {"%12.5f", 1, 1, 13, 1}, {"%14f", 1, 1, 13, -2},   {"%d", 1, 1, 13, -1},
      {"%f %f", 1, 1, 13, -3}, {"", 0, 1, 13, 1},        {"", 1, 1, 13, -3},
      {"%-5f", 1, 1, 13, -1},  {"%.5f", 1, 1, 13, 1},    {".20f", 0, 1, 13, 1},
      {"%.20f", 1, 1, 13, -2}, {"%0f", 1, 1, 13, -2},    {"%e", 1, 3, 13, 1},
      {"%5x", 1, 2, 13, 1},    {"%5f", 1, 2, 13, -1},    {"%q", 1, 5, 13, 1},
      {"x=%g y=%4e", 2, 1, 13, 1}, {"%g %4d", 2, 1, 13, -1}, {"%", 1, 1, 13, -1},
  };
  for (const auto &c : cases)
    EXPECT_EQ(valid_format(c.format, c.expected, c.type, c.size), c.result) << c.format;
}

TEST(TextUtil, NumberCharacterChecks) {
  struct {
    const char *text;
    int result;
  } cases[] = {{"1.5e3", 1}, {"-2E+7", 1}, {"", 1}, {"12a", -1}, {" 1", -1}, {"1,5", -1}};
  for (const auto &c : cases) {
    EXPECT_EQ(check_float(c.text), c.result) << c.text;
    EXPECT_EQ(check_int(c.text), c.result) << c.text;
  }
}

TEST(TextUtil, ReservedCharacters) {
  for (char ch : std::string(" !#$()*+-/@[]^")) {
    std::string name = std::string("ab") + ch + "c";
    EXPECT_EQ(check_for_reserve_chars(name.c_str()), 1) << name;
  }
  EXPECT_EQ(check_for_reserve_chars("velocity_2.x"), 0);
  EXPECT_EQ(check_for_reserve_chars(""), 0);

  testing::internal::CaptureStderr();
  reserve_char_error();
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "ERROR: Variable names must not contain any of the following reserved "
            "characters:\n\n  !    (    *      ^  \n  @    )    /    space\n  #    [    -  "
            "       \n  $    ]    +         \n");
}

TEST(TextUtil, StripLeadingAndTrailing) {
  struct {
    const char *source;
    char ch;
    const char *result;
  } cases[] = {{"  part 1  ", ' ', "part 1"}, {"", ' ', ""},        {"    ", ' ', ""},
               {"xxa xx", 'x', "a "},         {"nothing", ' ', "nothing"}};
  for (const auto &c : cases) {
    char dest[32];
    memset(dest, '#', sizeof dest);
    strip_pre_post_chars(c.source, dest, c.ch);
    EXPECT_STREQ(dest, c.result) << "\"" << c.source << "\"";
  }
  char same[] = "  in place ";
  strip_pre_post_chars(same, same, ' ');
  EXPECT_STREQ(same, "in place");
}

// Sets HOME for one test and puts the old value back.
class HomeGuard {
 public:
  explicit HomeGuard(const char *value) {
    const char *old = getenv("HOME");
    had_ = old != nullptr;
    if (had_) old_ = old;
    if (value)
      setenv("HOME", value, 1);
    else
      unsetenv("HOME");
  }
  ~HomeGuard() {
    if (had_)
      setenv("HOME", old_.c_str(), 1);
    else
      unsetenv("HOME");
  }

 private:
  bool had_;
  std::string old_;
};

// expfnam on the whole of name with a destination of the given capacity.
static int expand(const std::string &name, std::string *out, int capacity = 512) {
  std::vector<char> dest(capacity + 1, '\0');
  int n = (int)name.size();
  int r = expfnam(name.c_str(), &n, dest.data(), &capacity);
  *out = dest.data();
  return r;
}

TEST(TextUtil, ExpandTilde) {
  HomeGuard home("/tmp/qv7home");
  std::string out;
  EXPECT_EQ(expand("~/data/x.case", &out), 24);
  EXPECT_EQ(out, "/tmp/qv7home/data/x.case");
  EXPECT_EQ(expand("~", &out), 12);
  EXPECT_EQ(out, "/tmp/qv7home");
  EXPECT_EQ(expand("plain/name.case", &out), 15);
  EXPECT_EQ(out, "plain/name.case");
  EXPECT_EQ(expand("~no_such_user_qv7/x", &out), -1);
  EXPECT_EQ(expand("", &out), -1);

  struct passwd *me = getpwuid(getuid());
  ASSERT_NE(me, nullptr);
  EXPECT_EQ(expand(std::string("~") + me->pw_name + "/f", &out), (int)strlen(me->pw_dir) + 2);
  EXPECT_EQ(out, std::string(me->pw_dir) + "/f");

  // Only the first n characters count.
  char dest[64];
  int n = 3, cap = 64;
  EXPECT_EQ(expfnam("abc/def", &n, dest, &cap), 3);
  EXPECT_STREQ(dest, "abc");
}

TEST(TextUtil, ExpandWithoutHomeUsesPasswordDatabase) {
  HomeGuard home(nullptr);
  struct passwd *me = getpwuid(getuid());
  ASSERT_NE(me, nullptr);
  std::string out;
  EXPECT_GT(expand("~/a", &out), 0);
  EXPECT_EQ(out, std::string(me->pw_dir) + "/a");
}

TEST(TextUtil, ExpandRefusesWhatDoesNotFit) {
  HomeGuard home("/tmp/qv7home");
  const char *name = "~/abc";  // expands to 16 characters
  char dest[32];
  strcpy(dest, "unchanged");
  int n = (int)strlen(name), cap = 16;
  EXPECT_EQ(expfnam(name, &n, dest, &cap), -2);
  EXPECT_STREQ(dest, "unchanged");
  cap = 17;
  EXPECT_EQ(expfnam(name, &n, dest, &cap), 16);
  EXPECT_STREQ(dest, "/tmp/qv7home/abc");

  const std::string long_name = "/data/" + std::string(900, 'z');
  std::string out;
  EXPECT_EQ(expand(long_name, &out, 2048), (int)long_name.size());
  EXPECT_EQ(out, long_name);
}

TEST(TextUtil, SlotSortMatchesStdSort) {
  const int slot = 12;
  std::mt19937 gen(7);
  for (int count : {0, 1, 2, 3, 4, 5, 8, 17, 64, 257}) {
    std::vector<char> buffer((size_t)count * slot, '\0');
    std::vector<char *> slots;
    std::vector<std::string> expected;
    for (int i = 0; i < count; i++) {
      std::string s;
      int len = (int)(gen() % slot);  // up to slot - 1 characters, some empty
      for (int k = 0; k < len; k++) s += (char)('a' + gen() % 3);  // many duplicates
      strcpy(&buffer[(size_t)i * slot], s.c_str());
      slots.push_back(&buffer[(size_t)i * slot]);
      expected.push_back(s);
    }
    std::vector<char *> before = slots;
    EXPECT_EQ(string_hsort(count, slot, slots.data()), 1);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(slots, before) << "the pointers stay, the text moves";
    for (int i = 0; i < count; i++) EXPECT_EQ(std::string(slots[i]), expected[i]) << count;
  }
}

}  // namespace
