// Reader preferences: the site and user files, read once, with their
// limits and messages; the dialog's rows and marks as the logic keeps them
// (the dialog itself is played by fake functions); and the user's file as a
// save writes it.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/time.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "client/startup.h"
#include "data/reader_prefs.h"
#include "harness.h"
#include "standin_fixture.h"

using namespace qtest;

namespace {

// What the fake dialog shows and holds.
struct FakeDialog {
  bool shown = true;
  std::vector<std::string> list;
  std::string default_field;
  int fills = 0;
};
FakeDialog *Fake = nullptr;

const std::vector<std::string> Builtin = {"Case",          "Quivane 5", "ABAQUS",           "ANSYS RESULTS",
                                          "ESTET",         "FAST UNSTRUCTURED", "FIDAP NEUTRAL", "Movie",
                                          "TARV 4.1",      "N3S",       "PLOT3D"};

// Temporary installation and home directories, the preference state as at
// start and the fake dialog, all put back afterwards.
class PrefsEnv {
 public:
  PrefsEnv() {
    mkdir(install_.file("site_preferences").c_str(), 0755);
    mkdir(home_.file(".quivane7").c_str(), 0755);
    memcpy(saved_install_, Quivane_home_directory, sizeof saved_install_);
    memcpy(saved_home_, User_home_directory, sizeof saved_home_);
    snprintf(Quivane_home_directory, HOME_DIR_TEXT, "%s", install_.path().c_str());
    snprintf(User_home_directory, HOME_DIR_TEXT, "%s", home_.path().c_str());
    forget();
    Fake = &fake;
    Datareadpref_windep = {[]() { return Fake->shown ? 1 : 0; },
                           [](int n, const char *const items[]) {
                             Fake->list.assign(items, items + n);
                             Fake->fills++;
                           },
                           [](const char *name) { Fake->default_field = name; },
                           [](char *buf, int size) {
                             snprintf(buf, (size_t)size, "%s", Fake->default_field.c_str());
                           }};
  }
  ~PrefsEnv() {
    forget();
    Datareadpref_windep = {};
    Fake = nullptr;
    memcpy(Quivane_home_directory, saved_install_, sizeof saved_install_);
    memcpy(User_home_directory, saved_home_, sizeof saved_home_);
  }
  static void forget() {
    free(Data_readerpref_removed);
    Data_readerpref_removed = nullptr;
    Data_readerpref_removed_cnt = 0;
    Data_readerpref_default[0] = '\0';
    Data_readerpref_rowcnt = 0;
    Data_readerpref_loaded = 0;
  }
  std::string site() const { return install_.file("site_preferences/quivane_reader_prefs.def"); }
  std::string user() const { return home_.file(".quivane7/quivane_reader_prefs.def"); }
  std::string user_dir() const { return home_.file(".quivane7"); }
  // Writes the files given (null: none) and reads the preferences; what
  // the reading printed on standard error.
  std::string read(const char *site_text, const char *user_text) {
    if (site_text) write_file(site(), site_text);
    if (user_text) write_file(user(), user_text);
    testing::internal::CaptureStderr();
    data_get_reader_prefs();
    return testing::internal::GetCapturedStderr();
  }
  std::vector<std::string> removed() const {
    return std::vector<std::string>(Data_readerpref_removed,
                                    Data_readerpref_removed + Data_readerpref_removed_cnt);
  }
  FakeDialog fake;

 private:
  TempDir install_{"qprefsite"}, home_{"qprefhome"};
  char saved_install_[HOME_DIR_TEXT], saved_home_[HOME_DIR_TEXT];
};

std::vector<std::string> marks() {
  std::vector<std::string> out;
  for (int r = 0; r < Data_readerpref_rowcnt; r++)
    out.push_back(std::string(Data_readerpref_shown[r] ? "*" : " ") + Data_readerpref_rows[r]);
  return out;
}

std::string line_of(size_t n, const std::string &head) {
  return head + std::string(n - head.size() - 1, ' ') + "X";
}

}  // namespace

class ReaderPrefs : public testing::Test {
 protected:
  PrefsEnv env;
};

TEST_F(ReaderPrefs, UserFileOverridesTheSiteDefaultAndRemovalsMatchAnyCase) {
  std::string err = env.read("VERSION 7.1\nselect PLOT3D\nremove Movie\n",
                             "Version 7.0\n# mine\n\nselect    Case\nremove plot3d\nbogus line\n");
  EXPECT_EQ(err, "");
  EXPECT_STREQ(Data_readerpref_default, "Case");
  EXPECT_EQ(env.removed(), (std::vector<std::string>{"Movie", "plot3d"}));
  EXPECT_EQ(data_reader_removed("PLOT3D"), 1);
  EXPECT_EQ(data_reader_removed("Case"), 0);

  datareadpref_init_dialog();
  ASSERT_EQ(Data_readerpref_rowcnt, 11);
  for (int r = 0; r < 11; r++) EXPECT_EQ(Data_readerpref_rows[r], Builtin[r]);
  EXPECT_EQ(env.fake.list[7], "( ) Movie");
  EXPECT_EQ(env.fake.list[10], "( ) PLOT3D");
  EXPECT_EQ(env.fake.list[0], "(*) Case");
  EXPECT_EQ(env.fake.default_field, "Case");

  // Read once per run: a changed file is not read again.
  write_file(env.user(), "VERSION 7.1\nselect N3S\n");
  data_get_reader_prefs();
  EXPECT_STREQ(Data_readerpref_default, "Case");
}

TEST_F(ReaderPrefs, ReadOnlyFilesAreReadAndMissingOnesAreNotCreated) {
  write_file(env.site(), "VERSION 7.1\nselect ABAQUS\n");
  chmod(env.site().c_str(), 0444);
  // A file created and removed again would move the directory's times.
  struct timeval old_times[2] = {{1000000, 0}, {1000000, 0}};
  ASSERT_EQ(utimes(env.user_dir().c_str(), old_times), 0);
  EXPECT_EQ(env.read(nullptr, nullptr), "");
  EXPECT_STREQ(Data_readerpref_default, "ABAQUS");
  struct stat st;
  ASSERT_EQ(stat(env.user_dir().c_str(), &st), 0);
  EXPECT_EQ(st.st_mtime, 1000000) << "the missing user file was created while reading";
  EXPECT_NE(access(env.user().c_str(), F_OK), 0);
}

TEST_F(ReaderPrefs, VersionLengthAndRemovalLimits) {
  const std::string site = env.site();
  const std::string notice = "*****NOTE*****\nDue to the major GUI enhancements of Quivane 7.0,\n";
  struct Case {
    const char *what;
    std::string site_text, user_text;
    const char *want_default;
    std::vector<std::string> want_removed;
    std::string want_err;  // start of standard error ("" nothing printed)
  } cases[] = {
      {"old version in lower case ends both files", "version 6.9\nselect Movie\n",
       "VERSION 7.1\nselect N3S\n", "", {}, notice},
      {"6.99995 counts as 7", "VERSION 6.99995\nselect Movie\n", "", "Movie", {}, ""},
      {"no version line", "VERSIN 7.1\nselect Movie\n", "VERSION 7.1\nselect N3S\n", "", {},
       "Error in preference file '" + site + "' : file ignored.\n"},
      {"empty file", "", "VERSION 7.1\nselect N3S\n", "", {},
       "Error in preference file '" + site + "' : file ignored.\n"},
      {"80 characters pass", "VERSION 7.1\n" + line_of(80, "select ") + "\n", "", "X", {}, ""},
      {"81 characters end the file, the next is read",
       "VERSION 7.1\nremove ESTET\n" + line_of(81, "#") + "\nselect Movie\n",
       "VERSION 7.1\nremove N3S\n", "", {"ESTET", "N3S"},
       "Reader preference line > 80 maximum characters in '" + site + "'. Ignoring rest of file.\n"},
      {"a long second line ends both files", "VERSION 7.1\n" + line_of(81, "#") + "\n",
       "VERSION 7.1\nremove N3S\n", "", {},
       "General preference line > 80 maximum characters in '" + site + "'. Ignoring rest of file.\n"},
      {"a long first line ends both files", line_of(81, "VERSION 7.1") + "\n",
       "VERSION 7.1\nremove N3S\n", "", {},
       "General preference line > 80 maximum characters in '" + site + "'. Ignoring rest of file.\n"},
      {"a 20-character removal ends both files",
       "VERSION 7.1\nremove " + std::string(19, 'a') + "\nremove " + std::string(20, 'b') +
           "\nremove ESTET\n",
       "VERSION 7.1\nremove N3S\n", "", {std::string(19, 'a')},
       "Reader removal line too long. Must be < 20.\n"},
      {"an empty removal ends both files", "VERSION 7.1\nremove   \n",
       "VERSION 7.1\nremove N3S\n", "", {}, "Reader removal line too long. Must be < 20.\n"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    PrefsEnv::forget();
    unlink(env.user().c_str());
    std::string err = env.read(c.site_text.c_str(), c.user_text.empty() ? nullptr : c.user_text.c_str());
    EXPECT_STREQ(Data_readerpref_default, c.want_default);
    EXPECT_EQ(env.removed(), c.want_removed);
    if (c.want_err.empty())
      EXPECT_EQ(err, "");
    else
      EXPECT_EQ(err.substr(0, c.want_err.size()), c.want_err);
  }
}

TEST_F(ReaderPrefs, TablesKeepTheirSizeAndTellWhatTheyDrop) {
  std::string text = "VERSION 7.1\nselect Case\nselect " + std::string(20, 'd') + "\n";
  for (int k = 0; k < 32; k++) text += "remove r" + std::to_string(k) + "\n";
  std::string err = env.read(text.c_str(), nullptr);
  EXPECT_STREQ(Data_readerpref_default, "Case") << "an over-long default is ignored";
  ASSERT_EQ(Data_readerpref_removed_cnt, 31);
  EXPECT_STREQ(Data_readerpref_removed[30], "r30");
  EXPECT_NE(err.find("N> Default reader name longer than 19 characters. Ignoring 'select " +
                     std::string(20, 'd') + "'.\n"),
            std::string::npos)
      << err;
  EXPECT_NE(err.find("N> Only 31 reader removals are kept. Ignoring 'remove r31'.\n"),
            std::string::npos)
      << err;
}

TEST_F(ReaderPrefs, TogglesFlipTheMarksAndIgnoreOtherPositions) {
  env.read(nullptr, nullptr);
  datareadpref_init_dialog();
  const int case_row[] = {1};
  datareadpref_tggl_vis(1, case_row);
  EXPECT_EQ(env.fake.list[0], "( ) Case");
  datareadpref_tggl_vis(1, case_row);
  EXPECT_EQ(env.fake.list[0], "(*) Case");
  const int several[] = {0, 2, 11, 12, -3, 99};
  datareadpref_tggl_vis(6, several);
  EXPECT_EQ(marks()[1], " Quivane 5");
  EXPECT_EQ(marks()[10], " PLOT3D");
  EXPECT_EQ(std::count(env.fake.list.begin(), env.fake.list.end(), "(*) Case"), 1);
  EXPECT_EQ(Data_readerpref_rowcnt, 11);

  // The default field keeps what was typed when a mark flips.
  env.fake.default_field = "FAST UNSTRUCTURED";
  datareadpref_tggl_vis(1, case_row);
  EXPECT_EQ(env.fake.default_field, "FAST UNSTRUCTURED");

  // No dialog shown: nothing is built or filled.
  PrefsEnv::forget();
  env.fake.shown = false;
  const int fills = env.fake.fills;
  datareadpref_init_dialog();
  EXPECT_EQ(Data_readerpref_rowcnt, 0);
  EXPECT_EQ(env.fake.fills, fills);
}

TEST_F(ReaderPrefs, SaveWritesTheDefaultAndEveryOtherRemovedReader) {
  env.read("VERSION 7.1\nselect PLOT3D\n", nullptr);
  datareadpref_init_dialog();
  const int rows[] = {1, 11};  // Case and PLOT3D removed
  datareadpref_tggl_vis(2, rows);
  env.fake.default_field = "Case";
  datareadpref_save();
  EXPECT_EQ(read_file(env.user()), "VERSION 7.100000\nselect Case\nremove PLOT3D\n");
  EXPECT_STREQ(Data_readerpref_default, "Case");
  EXPECT_EQ(Data_readerpref_rowcnt, 0) << "the rows are built again at the next refresh";

  // An empty field writes no default and keeps the one in force.
  datareadpref_init_dialog();
  EXPECT_EQ(env.fake.default_field, "Case");
  datareadpref_tggl_vis(2, rows);
  env.fake.default_field = "";
  datareadpref_save();
  EXPECT_EQ(read_file(env.user()), "VERSION 7.100000\nremove Case\nremove PLOT3D\n");
  EXPECT_STREQ(Data_readerpref_default, "Case");
}

TEST_F(ReaderPrefs, AFileThatCannotBeWrittenIsAnErrorAndTheMarksStay) {
  env.read(nullptr, nullptr);
  datareadpref_init_dialog();
  const int rows[] = {3};
  datareadpref_tggl_vis(1, rows);
  ASSERT_EQ(rmdir(env.user_dir().c_str()), 0);
  testing::internal::CaptureStderr();
  datareadpref_save();
  std::string err = testing::internal::GetCapturedStderr();
  std::replace(err.begin(), err.end(), '\n', ' ');
  EXPECT_NE(err.find("ERROR: Could not write out preference file '" + env.user() +
                     "'. Please check permissions."),
            std::string::npos)
      << err;
  EXPECT_EQ(Data_readerpref_rowcnt, 11);
  EXPECT_EQ(marks()[2], " ABAQUS");
}

class ReaderPrefsServer : public StandinTest {
 protected:
  PrefsEnv env;
};

TEST_F(ReaderPrefsServer, RowsAreTheBuiltInFormatsThenTheServersReader) {
  env.read("VERSION 7.1\nremove LEGACY vtk\n", nullptr);
  datareadpref_init_dialog();
  std::vector<std::string> want = Builtin;
  want.push_back("Legacy VTK");
  EXPECT_EQ(std::vector<std::string>(Data_readerpref_rows, Data_readerpref_rows + Data_readerpref_rowcnt),
            want);
  ASSERT_EQ(env.fake.list.size(), 12u);
  EXPECT_EQ(env.fake.list[11], "( ) Legacy VTK");
  EXPECT_NE(server_log().find("get userd reader"), std::string::npos);
}
