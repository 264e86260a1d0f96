// The stand-in server driven through the real channel module: TCP
// connect-back and the FIFO start, the application handshake from the
// client's side, the channel module's requests, the file listing, "Exit",
// the security refusal and an unknown request.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "client/ccp.h"
#include "client/npipe.h"
#include "harness.h"

// The server run in the background with its output captured.
struct ServerRun {
  std::thread thread;
  qtest::RunResult result;
  void start(const std::vector<std::string> &args, const std::string &cwd) {
    thread = std::thread([this, args, cwd] {
      qtest::RunOptions o;
      o.cwd = cwd;
      result = qtest::run_program(args, o);
    });
  }
  qtest::RunResult &finish() {
    if (thread.joinable()) thread.join();
    return result;
  }
  ~ServerRun() { finish(); }
};

static std::string real(const std::string &p) {
  char buf[PATH_MAX];
  return realpath(p.c_str(), buf) ? buf : "";
}

// The client's half of the application handshake, with token as the client's
// security number (-1 none). 1 accepted, 0 refused, -1 link failure.
static int client_handshake(int ch, int token) {
  char version[88];
  int len = 0;
  if (ccrstr(ch, 1, version, sizeof version, &len) != 0) return -1;
  EXPECT_EQ(std::string(version, len), std::string("7.1.0", 6));
  int flag, number = -1;
  if (ccsint(ch, 1) != 0 || ccsint(ch, 2) != 0 || ccrint(ch, 1, &flag) != 0) return -1;
  if (flag && ccrint(ch, 1, &number) != 0) return -1;
  int accept = flag ? (token != -1 && number == token) : token == -1;
  if (ccsint(ch, accept) != 0) return -1;
  if (!accept) return 0;
  int threads = 0;
  if (ccrint(ch, 1, &threads) != 0) return -1;
  EXPECT_GE(threads, 1);
  return 1;
}

// Listens on a free port and starts the server to connect back to it; the
// accepted channel, or -1.
static int tcp_server(ServerRun *run, const std::string &cwd, std::vector<std::string> extra) {
  int port = qtest::free_tcp_port();
  int lch = -1, ch = -1;
  if (ccstrt(0, nullptr, port, &lch, 0, nullptr, nullptr) != 0) return -1;
  std::vector<std::string> args = {qtest::server_bin(), "-c", "127.0.0.1", "-ports",
                                   std::to_string(port)};
  args.insert(args.end(), extra.begin(), extra.end());
  run->start(args, cwd);
  if (ccacpt(lch, 1, &ch) != 0) return -1;
  return ch;
}

struct Listing {
  int status = -1;  // 0 read, -1 server could not list (-1 path length), -2 link failure
  std::string path, dirs, files;
  int ndirs = -1, nfiles = -1;
};

static int recv_block(int ch, int *count, std::string *block) {
  int n = 0, len = 0;
  char buf[4096];
  if (ccrint(ch, 1, count) != 0 || ccrint(ch, 1, &n) != 0) return -1;
  if (ccrstr(ch, 1, buf, sizeof buf, &len) != 0 || len != n) return -1;
  block->assign(buf, len);
  return 0;
}

static Listing get_listing(int ch, const std::string &filter) {
  Listing l;
  if (ccsstr(ch, "get file listing", 16) != 0 || ccsstr(ch, filter.c_str(), 0) != 0) return l;
  int n = 0, len = 0;
  char buf[4096];
  l.status = -2;
  if (ccrint(ch, 1, &n) != 0) return l;
  if (n == -1) {
    l.status = -1;
    return l;
  }
  if (ccrstr(ch, 1, buf, sizeof buf, &len) != 0 || len != n) return l;
  l.path.assign(buf, len);
  if (recv_block(ch, &l.ndirs, &l.dirs) != 0 || recv_block(ch, &l.nfiles, &l.files) != 0) return l;
  l.status = 0;
  return l;
}

TEST(ServerTcp, ConnectsBackAndAnswersUntilExit) {
  qtest::TempDir work("srvwork");
  for (const char *f : {"b.geo", "a.geo", "c.txt", ".hidden.geo"}) qtest::write_file(work.file(f), "x");
  mkdir(work.file("sub").c_str(), 0700);
  mkdir(work.file(".git").c_str(), 0700);
  std::string log = work.file("server.log");
  ServerRun run;
  int ch = tcp_server(&run, work.path(), {"-log", log});
  ASSERT_GE(ch, 0);
  EXPECT_EQ(Sockt_tbl[ch].floats_raw, 1);
  ASSERT_EQ(client_handshake(ch, -1), 1);

  char host[151], here[151];
  gethostname(here, sizeof here);
  ASSERT_EQ(ccrhst(ch, host, sizeof host), 0);
  EXPECT_STREQ(host, here);
  char cwd[151];
  ASSERT_EQ(ccrcwd(ch, cwd, sizeof cwd), 0);
  EXPECT_EQ(cwd, real(work.path()));
  EXPECT_EQ(ccssetcwd(ch, work.file("sub").c_str()), 0);
  ASSERT_EQ(ccrcwd(ch, cwd, sizeof cwd), 0);
  EXPECT_EQ(cwd, real(work.file("sub")));
  EXPECT_EQ(ccssetcwd(ch, "/nonexistent/dir"), -1);

  Listing l = get_listing(ch, work.path() + "/*.geo");
  ASSERT_EQ(l.status, 0);
  EXPECT_EQ(l.path, real(work.path()));
  EXPECT_EQ(l.ndirs, 2);
  EXPECT_EQ(l.dirs, "..\nsub\n");
  EXPECT_EQ(l.nfiles, 2);
  EXPECT_EQ(l.files, "a.geo\nb.geo\n");

  Listing here_list = get_listing(ch, "./*");  // the server's directory is now sub: empty
  ASSERT_EQ(here_list.status, 0);
  EXPECT_EQ(here_list.path, real(work.file("sub")));
  EXPECT_EQ(here_list.ndirs, 1);
  EXPECT_EQ(here_list.nfiles, 0);
  EXPECT_EQ(here_list.files, "");

  EXPECT_EQ(get_listing(ch, "/nonexistent/dir/*").status, -1);

  ASSERT_EQ(ccsstr(ch, "Exit", 4), 0);
  auto &r = run.finish();
  EXPECT_EQ(r.status, 0) << r.err;
  ccend(ch);
  std::string sub = work.file("sub"), realwork = real(work.path());
  EXPECT_EQ(qtest::read_file(log),
            "handshake 1 2 security 0 accept 1 readerdbg 0\n"
            "ccp_get_host\n"
            "ccp_get_cwd\n"
            "ccp_set_cwd " + sub + " -> " + real(sub) + "\n"
            "ccp_get_cwd\n"
            "ccp_set_cwd /nonexistent/dir -> " + real(sub) + "\n"
            "get file listing " + work.path() + "/*.geo -> " + realwork + " 2 dirs 2 files\n"
            "get file listing ./* -> " + real(sub) + " 1 dirs 0 files\n"
            "get file listing /nonexistent/dir/* -> -1\n"
            "Exit\n");
}

TEST(ServerTcp, SecurityOnOneSideOnlyIsRefused) {
  struct {
    const char *name;
    std::vector<std::string> server_args;
    int client_token;
    int accepted;
  } cases[] = {
      {"server only", {"-security", "7"}, -1, 0},
      {"client only", {}, 42, 0},
      {"different numbers", {"-security", "7"}, 8, 0},
      {"same number", {"-security", "7"}, 7, 1},
  };
  for (const auto &c : cases) {
    qtest::TempDir work("srvsec");
    ServerRun run;
    std::vector<std::string> extra = c.server_args;
    extra.push_back("-log");
    extra.push_back(work.file("log"));
    int ch = tcp_server(&run, work.path(), extra);
    ASSERT_GE(ch, 0) << c.name;
    ASSERT_EQ(client_handshake(ch, c.client_token), c.accepted) << c.name;
    if (c.accepted) {
      ASSERT_EQ(ccsstr(ch, "Exit", 4), 0);
    }
    auto &r = run.finish();
    ccend(ch);
    int flag = c.server_args.empty() ? 0 : 1;
    EXPECT_EQ(qtest::read_file(work.file("log")),
              "handshake 1 2 security " + std::to_string(flag) + " accept " +
                  std::to_string(c.accepted) + " readerdbg 0\n" + (c.accepted ? "Exit\n" : ""))
        << c.name;
    if (c.accepted) {
      EXPECT_EQ(r.status, 0) << c.name;
    } else {
      EXPECT_EQ(r.status, 1) << c.name;
      EXPECT_NE(r.err.find("quivane7.server: The client refused this server.\n"), std::string::npos)
          << c.name << ": " << r.err;
    }
  }
}

TEST(ServerTcp, UnknownRequestClosesTheLink) {
  qtest::TempDir work("srvunk");
  ServerRun run;
  int ch = tcp_server(&run, work.path(), {});
  ASSERT_GE(ch, 0);
  ASSERT_EQ(client_handshake(ch, -1), 1);
  ASSERT_EQ(ccsstr(ch, "no such request", 0), 0);
  int v;
  testing::internal::CaptureStderr();
  EXPECT_EQ(ccrint(ch, 1, &v), -1);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "ccp: Connection broken.\n");
  auto &r = run.finish();
  ccend(ch);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("quivane7.server: Unknown request \"no such request\"; closing the link.\n"),
            std::string::npos)
      << r.err;
}

TEST(ServerPipes, LocalStartGreetsAndServes) {
  qtest::TempDir work("srvpipe");
  char p1[1024], p2[1024];
  ASSERT_EQ(npmknames(p1, p2, sizeof p1), 0);
  std::string log = work.file("log");
  std::string line = qtest::server_bin() + "  -readerdbg -pipe " + p1 + " " + p2 + " -log " + log;
  int pid = npfork(line.c_str(), 0, 0, 0);
  ASSERT_GT(pid, 0);
  int ch = -1, out = -1;
  ASSERT_EQ(ccstrt(0, nullptr, pid, &ch, 1, p1, p2), 0);
  ASSERT_EQ(ccacpt(ch, 1, &out), 0);
  EXPECT_EQ(out, ch);
  EXPECT_EQ(ccpgfd(ch), Sockt_tbl[ch].rfd);
  ASSERT_EQ(client_handshake(ch, -1), 1);
  char cwd[151];
  ASSERT_EQ(ccrcwd(ch, cwd, sizeof cwd), 0);
  char mine[PATH_MAX];
  EXPECT_STREQ(cwd, getcwd(mine, sizeof mine));
  ASSERT_EQ(ccp_send_exit_sigsafe(ch), 0);
  int status = -1;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  ccend(ch);
  struct stat st;
  EXPECT_NE(lstat(p1, &st), 0);
  EXPECT_NE(lstat(p2, &st), 0);
  std::string dir(p1);
  EXPECT_NE(lstat(dir.substr(0, dir.rfind('/')).c_str(), &st), 0);
  EXPECT_EQ(qtest::read_file(log),
            "handshake 1 2 security 0 accept 1 readerdbg 1\nccp_get_cwd\nExit\n");
}

TEST(ServerData, LoadsAtStartUpAndPrintsItsSummaryWithoutALink) {
  std::string vtk = qtest::test_data() + "/vtk/mixed.vtk";
  std::string grid = qtest::test_data() + "/plot3d/zones3_fbe.xyz";
  struct {
    std::vector<std::string> args;
    int status;
    std::string out_has, err;
  } cases[] = {
      {{"-data", vtk, "-summary"}, 0,
       "part 1 \"Hex block\": unstructured, 24 nodes, 8 elements\n"
       "  6 Noded Pentahedron      4\n  8 Noded Hexahedron       4\n  extents x 0 2 y 0 2 z 0 2\n",
       ""},
      {{"-data", grid, "-result", qtest::test_data() + "/plot3d/zones3_fbe.q", "-summary"}, 0,
       "part 2 \"Zone 2\": structured 4x4x4, 64 nodes, 27 cells, iblanked (8 nodes blanked)\n", ""},
      {{"-data", vtk}, 0, "", ""},
      {{"-data", "missing.vtk", "-summary"}, 1, "",
       "quivane7.server: missing.vtk: cannot open: No such file or directory\n"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(c.args[1]);
    std::vector<std::string> argv = {qtest::server_bin()};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    qtest::RunResult r = qtest::run_program(argv);
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.err, c.err);
    if (c.out_has.empty()) {
      EXPECT_EQ(r.out, "");
    } else {
      EXPECT_NE(r.out.find(c.out_has), std::string::npos) << r.out;
    }
  }
}

TEST(ServerTcp, ADatasetThatCannotBeReadLeavesTheServerServing) {
  qtest::TempDir work("srvdata");
  std::string bad = work.file("cut.xyz");
  qtest::write_file(bad, qtest::read_file(qtest::test_data() + "/plot3d/zones3_fle.xyz").substr(0, 2000));
  ServerRun run;
  int ch = tcp_server(&run, work.path(), {"-data", bad, "-log", work.file("log")});
  ASSERT_GE(ch, 0);
  ASSERT_EQ(client_handshake(ch, -1), 1);
  char cwd[151];
  ASSERT_EQ(ccrcwd(ch, cwd, sizeof cwd), 0);
  ASSERT_EQ(ccsstr(ch, "Exit", 4), 0);
  auto &r = run.finish();
  ccend(ch);
  EXPECT_EQ(r.status, 0) << r.err;
  std::string why = bad +
                    ": truncated: the record of zone 2 coordinates at byte 1024 runs past the end of the file "
                    "(read as Fortran unformatted little-endian, multi-zone, 3-D, single precision, iblanked)";
  EXPECT_EQ(r.err.find("quivane7.server: " + why + "\n"), 0u) << r.err;
  EXPECT_EQ(qtest::read_file(work.file("log")),
            "load " + bad + " -> " + why + "\nhandshake 1 2 security 0 accept 1 readerdbg 0\nccp_get_cwd\nExit\n");
}
