// The remote file listing against a scripted server, the line reader of the
// configuration files and the host name.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/conect.h"
#include "client/file_select_comm.h"
#include "harness.h"
#include "peer.h"

namespace {

using qtest::Bytes;
using qtest::Peer;
using qtest::operator+;

struct Listing {
  int rc = 0;
  std::string path;
  std::vector<std::string> dirs, files;
  bool dirs_null = false;
  std::string err;
};

// A listing reply: path (or -1), then each block as count, bare length and
// string; a bare length of -1 means "the string's own length".
struct Reply {
  std::string path;
  int dcount;
  int dlen;
  std::string dblock;
  int fcount;
  int flen;
  std::string fblock;
};

Bytes reply_bytes(const Reply &r, bool path_fails = false) {
  Bytes b;
  auto str = [&b](const std::string &s) {
    b = b + qtest::be32((uint32_t)s.size());
    b.insert(b.end(), s.begin(), s.end());
  };
  if (path_fails) return qtest::be32((uint32_t)-1);
  b = qtest::be32((uint32_t)r.path.size());
  str(r.path);
  b = b + qtest::be32((uint32_t)r.dcount) +
      qtest::be32((uint32_t)(r.dlen < 0 ? (int)r.dblock.size() : r.dlen));
  str(r.dblock);
  b = b + qtest::be32((uint32_t)r.fcount) +
      qtest::be32((uint32_t)(r.flen < 0 ? (int)r.fblock.size() : r.flen));
  str(r.fblock);
  return b;
}

class FileListing : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_case_ = Case_num;
    saved_channel_ = Isockt[0];
    Case_num = 0;
    ch_ = qtest::ccp_socket_link(&peer_, qtest::handshake_bytes());
    ASSERT_GE(ch_, 0);
    Isockt[0] = ch_;
  }
  void TearDown() override {
    ccend(ch_);
    Isockt[0] = saved_channel_;
    Case_num = saved_case_;
  }
  // Sends the reply and a sentinel int 77 ahead, then lists.
  Listing list(const std::string &filter, const Bytes &reply) {
    EXPECT_TRUE(peer_.send(reply + qtest::be32(77)));
    Listing l;
    char *path = nullptr, **dirs = nullptr, **files = nullptr;
    int nd = -5, nf = -5;
    testing::internal::CaptureStderr();
    l.rc = remotefilelist(filter.c_str(), &path, &nd, &dirs, &nf, &files);
    l.err = testing::internal::GetCapturedStderr();
    if (l.rc == 1) {
      l.path = path;
      for (int i = 0; i < nd; i++) l.dirs.push_back(dirs[i]);
      for (int i = 0; i < nf; i++) l.files.push_back(files[i]);
      l.dirs_null = dirs == nullptr;
      free(path);
      remotefilelist_free(dirs);
      remotefilelist_free(files);
    } else {
      EXPECT_EQ(path, nullptr);
      EXPECT_EQ(dirs, nullptr);
      EXPECT_EQ(files, nullptr);
    }
    // The request on the wire: keyword without NUL, then the filter.
    EXPECT_EQ(peer_.recv_str(), "get file listing");
    sent_filter_ = peer_.recv_str();
    // The channel is still in step with the server: the sentinel comes next.
    int v = 0;
    EXPECT_EQ(ccrint(ch_, 1, &v), 0);
    EXPECT_EQ(v, 77);
    return l;
  }
  Peer peer_;
  int ch_ = -1;
  std::string sent_filter_;
  int saved_case_ = 0, saved_channel_ = -1;
};

}  // namespace

TEST_F(FileListing, NamesArriveSortedCutAndWithForwardSlashes) {
  std::string longname(300, 'z');
  Listing l = list("/data/run3/*.geo",
                   reply_bytes({"C:\\data\\run", 2, -1, "sub\n..\n", 3, -1,
                                "b.geo\n" + longname + "\na.geo\n"}));
  ASSERT_EQ(l.rc, 1) << l.err;
  EXPECT_EQ(sent_filter_, "/data/run3/*.geo");
  EXPECT_EQ(l.path, "C:/data/run");
  EXPECT_EQ(l.dirs, (std::vector<std::string>{"..", "sub"}));
  EXPECT_EQ(l.files, (std::vector<std::string>{"a.geo", "b.geo", std::string(254, 'z')}));
  EXPECT_EQ(l.err, "");
}

TEST_F(FileListing, EmptyFilterAndNoDirectories) {
  Listing l = list("", reply_bytes({"/home/u", 0, -1, "", 1, -1, "only.case\n"}));
  ASSERT_EQ(l.rc, 1) << l.err;
  EXPECT_EQ(sent_filter_, "./*");
  EXPECT_TRUE(l.dirs_null);
  EXPECT_EQ(l.files, (std::vector<std::string>{"only.case"}));
}

// A bad reply fails the listing with its message and is read to its end, so
// that the next reply on the channel is read correctly.
TEST_F(FileListing, BadRepliesFailAndKeepTheChannelInStep) {
  struct Case {
    const char *name;
    Bytes reply;
    const char *message;
  } cases[] = {
      {"the server cannot read the directory", reply_bytes({}, true),
       "remotefilelist(client): Couldn't get information for directory specified.\n"},
      {"directory block shorter than announced",
       reply_bytes({"/d", 1, 10, "sub\n", 1, -1, "f\n"}),
       "remotefilelist: Get of directory list failed.\n"},
      {"file block longer than announced", reply_bytes({"/d", 1, -1, "sub\n", 1, 2, "file\n"}),
       "remotefilelist: Get of file list failed.\n"},
      {"path longer than announced",
       [] {
         Bytes b = reply_bytes({"/data", 0, -1, "", 0, -1, ""});
         b[3] = 2;  // announce 2 bytes for the 5-byte path
         return b;
       }(),
       "remotefilelist: Get of full pathname failed.\n"},
      {"fewer names than the count", reply_bytes({"/d", 3, -1, "a\nb\n", 0, -1, ""}),
       "remotefilelist(client): The server sent fewer directory names than announced.\n"},
      {"a count the block cannot hold", reply_bytes({"/d", 0, -1, "", 1000000, -1, "x\n"}),
       "remotefilelist(client): The server announced 1000000 file names in 2 bytes.\n"},
  };
  for (const Case &c : cases) {
    Listing l = list("*", c.reply);
    EXPECT_EQ(l.rc, -1) << c.name;
    EXPECT_NE(l.err.find(c.message), std::string::npos) << c.name << ": " << l.err;
  }
}

TEST(LineReader, LinesEmptyLinesLongLinesAndEndOfFile) {
  qtest::TempDir dir("aline");
  std::string path = dir.file("prefs");
  qtest::write_file(path, "abc\n\nx\n" + std::string(80, 'a') + "\n" + std::string(81, 'b') +
                              "\ncr\r\nlast");
  FILE *fp = fopen(path.c_str(), "r");
  ASSERT_NE(fp, nullptr);
  char buf[81];
  struct Step {
    int result;
    std::string text;  // what the buffer holds (terminated results only)
  } steps[] = {
      {2, "abc"},
      {GET_ALINE_EMPTY, ""},
      {0, "x"},
      {79, std::string(80, 'a')},
      {GET_ALINE_LONG, ""},
      {0, "b"},  // the rest of the long line
      {2, "cr\r"},
      {3, "last"},
      {GET_ALINE_EOF, ""},
      {GET_ALINE_EOF, ""},
  };
  for (const Step &s : steps) {
    int r = get_aline(fp, 80, buf);
    EXPECT_EQ(r, s.result) << s.text;
    if (r >= 0 || r == GET_ALINE_EMPTY) {
      EXPECT_EQ(std::string(buf), s.text);
    }
    if (r == GET_ALINE_LONG) {
      EXPECT_EQ(std::string(buf, 80), std::string(80, 'b'));
    }
  }
  fclose(fp);
}

TEST(HostName, LocalAndFromThePeer) {
  char here[256], got[256];
  ASSERT_EQ(gethostname(here, sizeof here), 0);
  EXPECT_EQ(our_gethostname(-1, got, sizeof got), 1);
  EXPECT_STREQ(got, here);

  Peer peer;
  int ch = qtest::ccp_socket_link(&peer, qtest::handshake_bytes());
  ASSERT_GE(ch, 0);
  std::string name("serverhost\0", 11);
  ASSERT_TRUE(peer.send_str(name));
  EXPECT_EQ(our_gethostname(ch, got, sizeof got), 0);
  EXPECT_STREQ(got, "serverhost");
  EXPECT_EQ(peer.recv_str(), std::string("ccp_get_host\0", 13));
  ccend(ch);
}
