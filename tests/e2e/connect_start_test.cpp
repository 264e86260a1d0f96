// Server start and connection with the real stand-in server: manual start
// over TCP, local start over FIFOs, remote start through the stand-in remote
// shell, refusals, a version mismatch, the file listing and the interrupt.
// The client's connection code runs in a forked child (its own globals and
// signal handlers); this process starts servers and checks what they logged.
// The manual start with the main window up runs in this process, on a real
// shell.
#include <gtest/gtest.h>
// After gtest: X defines None.
#include <Xm/Form.h>
#include <Xm/MessageB.h>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "client/cases.h"
#include "client/ccp.h"
#include "client/conect.h"
#include "client/file_select_comm.h"
#include "client/startup.h"
#include "client/testcmd.h"
#include "client_proc.h"
#include "forked.h"
#include "harness.h"
#include "ui/general_windep.h"
#include "ui/message_window.h"
#include "xt_shell.h"

namespace {

std::string real(const std::string &p) {
  char buf[PATH_MAX];
  return realpath(p.c_str(), buf) ? buf : "";
}

// Settings every client child starts from: FIFOs under dir, a short wait.
void client_setup(const std::string &dir) {
  setenv("TMPDIR", dir.c_str(), 1);
  Connect_timeout = 20;
  Case_num = 0;
  Con_prog = 1;
}

// 1 when no child of this process is left (every started server reaped).
int no_children() { return waitpid(-1, nullptr, WNOHANG) < 0 && errno == ECHILD; }

// Slot s starts the stand-in locally with the extra words given.
void local_slot(int s, const std::string &extra) {
  Con_mode[s] = 0;
  snprintf(Con_mach[s], CON_TEXT, "localhost");
  snprintf(Con_exec[s], CON_TEXT, "%s %s", qtest::server_bin().c_str(), extra.c_str());
}

// Connects case 0 (server logging to log1), then case 1 through
// connect_case from slot 0 (the stand-in with the words extra2). 10 when
// case 0 failed, else connect_case's result.
int connect_two_cases(const std::string &log1, const std::string &extra2) {
  local_slot(1, "-log " + log1);
  if (conrout(1) != 1) return 10;
  Online[1] = 1;
  Case_num = 1;
  Con_prog = 2;
  local_slot(0, extra2);
  return connect_case();
}

bool port_free(int port) {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  int one = 1;
  setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  struct sockaddr_in a;
  memset(&a, 0, sizeof a);
  a.sin_family = AF_INET;
  a.sin_port = htons((uint16_t)port);
  bool ok = bind(fd, (struct sockaddr *)&a, sizeof a) == 0;
  close(fd);
  return ok;
}

}  // namespace

TEST(ConnectManual, InsecureServerIsRefusedAndTheRightOneAccepted) {
  qtest::TempDir t("conman");
  int port = qtest::free_tcp_port();
  qtest::ForkedChild client([&] {
    client_setup(t.path());
    Con_mode[1] = 1;
    Server_port = port;
    Security_token = 42;
    int first = conrout(1);
    printf("first=%d closed=%d status=%s\n", first, Sockt_tbl[Isockt[0]].closed, Conn_status_text);
    int second = conrout(1);
    printf("second=%d threads=%d\n", second, Server_threads[0]);
    connect_stop_server(0, 1);
    return 0;
  });
  std::string server = qtest::server_bin(), p = std::to_string(port);
  ASSERT_TRUE(qtest::wait_listening(port, 10000));
  auto refused = qtest::run_program({server, "-c", "localhost", "-ports", p, "-log", t.file("1.log")});
  EXPECT_EQ(refused.status, 1) << refused.err;
  EXPECT_EQ(qtest::read_file(t.file("1.log")), "handshake 1 0 security 0 accept 0 readerdbg 0\n");
  ASSERT_TRUE(qtest::wait_listening(port, 10000));
  auto ok = qtest::run_program(
      {server, "-c", "localhost", "-ports", p, "-security", "42", "-log", t.file("2.log")});
  EXPECT_EQ(ok.status, 0) << ok.err;
  EXPECT_EQ(qtest::read_file(t.file("2.log")),
            "handshake 1 0 security 1 accept 1 readerdbg 0\nExit\n");
  ASSERT_EQ(client.wait(), 0) << client.err();
  EXPECT_NE(client.out().find("first=-2 closed=1 status=**No Connection**\n"), std::string::npos)
      << client.out();
  EXPECT_NE(client.out().find("second=1 threads=1\n"), std::string::npos) << client.out();
  EXPECT_NE(client.err().find("Please start a server manually to connect to the client.\n"
                              "You must specify '-security 42' on the command line also.\n"),
            std::string::npos);
  EXPECT_NE(client.err().find("Client expected a security number from the server.\n"),
            std::string::npos)
      << client.err();
}

TEST(ConnectLocal, FifoStartChangesDirectoryAndLeavesNoFifos) {
  struct Case {
    const char *name;
    std::string work;
    bool set_cwd;
  } cases[] = {{"own directory", "", true}, {"./", "./", false}, {"empty", "", false}};
  for (auto &c : cases) {
    qtest::TempDir t("conloc");
    std::string work = c.set_cwd ? t.path() : c.work;
    std::string log = t.file("server.log");
    qtest::ForkedChild client([&] {
      client_setup(t.path());
      local_slot(1, "-log " + log);
      snprintf(Con_work[1], CON_TEXT, "%s", work.c_str());
      int r = conrout(1);
      if (r != 1) return 10;
      int ch = Isockt[0];
      std::string p1 = Sockt_tbl[ch].path1, p2 = Sockt_tbl[ch].path2;
      int kind = Sockt_tbl[ch].kind;
      connect_stop_server(0, 1);
      struct stat st;
      int left = (lstat(p1.c_str(), &st) == 0) + (lstat(p2.c_str(), &st) == 0);
      printf("kind=%d fifos_left=%d reaped=%d\n", kind, left, no_children());
      return 0;
    });
    ASSERT_EQ(client.wait(), 0) << c.name << ": " << client.err();
    EXPECT_NE(client.out().find("kind=1 fifos_left=0 reaped=1\n"), std::string::npos)
        << c.name << ": " << client.out();
    EXPECT_NE(client.out().find("Starting listening socket.\nConnection accepted.\n"),
              std::string::npos);
    std::string set_cwd = c.set_cwd ? "ccp_set_cwd " + work + " -> " + real(work) + "\n" : "";
    EXPECT_EQ(qtest::read_file(log),
              "handshake 1 0 security 0 accept 1 readerdbg 0\n" + set_cwd + "Exit\n")
        << c.name;
  }
}

// A server refused for its security number ends and is reaped each time; an
// automatic start gives up after three refusals.
TEST(ConnectLocal, RefusedServerIsStoppedAndTheRetriesAreBounded) {
  qtest::TempDir t("conref");
  std::string starts = t.file("starts");
  std::string wrapper = t.file("wrong_security");
  qtest::write_file(wrapper, "#!/bin/sh\necho started >>" + starts + "\nexec " +
                                 qtest::server_bin() + " \"$@\" -security 7\n");
  chmod(wrapper.c_str(), 0700);
  qtest::ForkedChild client([&] {
    client_setup(t.path());
    Security_token = 42;
    Con_mode[1] = 0;
    snprintf(Con_mach[1], CON_TEXT, "localhost");
    snprintf(Con_exec[1], CON_TEXT, "%s", wrapper.c_str());
    int calls = 0, r;
    do {
      r = conrout(1);
      calls++;
      if (r == -2 && !no_children()) return 11;  // the refused server must be gone
    } while (r == -2 && calls < 10);
    printf("calls=%d result=%d reaped=%d\n", calls, r, no_children());
    return 0;
  });
  ASSERT_EQ(client.wait(60000), 0) << client.err();
  EXPECT_NE(client.out().find("calls=3 result=-1 reaped=1\n"), std::string::npos) << client.out();
  EXPECT_EQ(qtest::read_file(starts), "started\nstarted\nstarted\n");
  EXPECT_EQ(qtest::count_of(client.err(), "Incorrect security number from the server.\n"), 3);
  EXPECT_NE(client.err().find("The server was refused 3 times in a row; it is not started again."),
            std::string::npos)
      << client.err();
}

// A server of another version is refused alone: the client goes on and the
// case already connected keeps its server.
TEST(ConnectLocal, VersionMismatchRefusesOnlyThatServer) {
  qtest::TempDir t("conver");
  std::string log1 = t.file("1.log"), log2 = t.file("2.log");
  qtest::ForkedChild client([&] {
    client_setup(t.path());
    int r = connect_two_cases(log1, "-version 7.0.0 -log " + log2);
    if (r == 10) return 10;
    Case_num = 0;
    char cwd[200];
    int alive = ccrcwd(Isockt[0], cwd, sizeof cwd) == 0;
    printf("second=%d online2=%d first_alive=%d\n", r, Online[2], alive);
    connect_stop_server(0, 1);
    printf("reaped=%d\n", no_children());
    return 0;
  });
  ASSERT_EQ(client.wait(), 0) << client.err();
  EXPECT_NE(client.out().find("second=-1 online2=0 first_alive=1\nreaped=1\n"), std::string::npos)
      << client.out();
  EXPECT_NE(client.err().find("ERROR: ***********************************************************\n"
                              "Incompatible version between client and server!\n"
                              "Please contact your Quivane administrator.\n"
                              "***********************************************************\n"),
            std::string::npos)
      << client.err();
  EXPECT_NE(client.err().find("\nERROR: Error starting up the Quivane server.\n"),
            std::string::npos)
      << client.err();
  EXPECT_EQ(qtest::read_file(log1), "handshake 1 0 security 0 accept 1 readerdbg 0\nccp_get_cwd\nExit\n");
  EXPECT_EQ(qtest::read_file(log2), "");  // it never got past the version
}

TEST(ConnectRemote, ServerStartedThroughTheRemoteShellConnectsBack) {
  qtest::TempDir t("conrem");
  int port = port_free(2000) ? 2000 : qtest::free_tcp_port();
  std::string odd = t.file("it's here");
  ASSERT_EQ(mkdir(odd.c_str(), 0700), 0);
  std::string log = t.file("server.log"), rshlog = t.file("rsh.log");
  std::string wrapper = t.file("server with log");
  qtest::write_file(wrapper,
                    "#!/bin/sh\nexec " + qtest::server_bin() + " -log '" + log + "' \"$@\"\n");
  chmod(wrapper.c_str(), 0700);
  char host[256];
  gethostname(host, sizeof host);
  qtest::ForkedChild client([&] {
    client_setup(t.path());
    setenv("QRSH_LOG", rshlog.c_str(), 1);
    std::string rsh = qtest::source_home() + "/bin/qrsh-local";
    change_rsh(const_cast<char *>(rsh.c_str()), 1);
    Server_port = port;
    Con_mode[1] = 0;
    snprintf(Con_mach[1], CON_TEXT, "socket");
    snprintf(Con_exec[1], CON_TEXT, "%s", wrapper.c_str());
    snprintf(Con_work[1], CON_TEXT, "%s", odd.c_str());
    snprintf(Con_loginid[1], CON_TEXT, "tester");
    int r = conrout(1);
    if (r != 1) return 10;
    char cwd[200] = "";
    ccrcwd(Isockt[0], cwd, sizeof cwd);
    printf("machine=%s kind=%d cwd=%s\n", Con_mach[1], Sockt_tbl[Isockt[0]].kind, cwd);
    connect_stop_server(0, 1);
    printf("reaped=%d\n", no_children());
    return 0;
  });
  ASSERT_EQ(client.wait(), 0) << client.err();
  EXPECT_NE(client.out().find(std::string("machine=") + host + " kind=0 cwd=" + real(odd) +
                              "\nreaped=1\n"),
            std::string::npos)
      << client.out();
  std::string words = qtest::read_file(rshlog);
  EXPECT_EQ(words.rfind(std::string(host) + "\n-l\ntester\n", 0), 0u) << words;
  EXPECT_NE(words.find(" -c '" + std::string(host) + "' -ports " + std::to_string(port)),
            std::string::npos)
      << words;
  EXPECT_EQ(qtest::read_file(log), "handshake 1 0 security 0 accept 1 readerdbg 0\nccp_get_cwd\nExit\n");
}

// A remote start whose shell ends before a server connects fails at once
// instead of waiting out the time-out.
TEST(ConnectRemote, StartThatDiesIsNoticed) {
  qtest::TempDir t("condie");
  qtest::ForkedChild client([&] {
    client_setup(t.path());
    Connect_timeout = 60;
    std::string rsh = qtest::source_home() + "/bin/qrsh-local";
    change_rsh(const_cast<char *>(rsh.c_str()), 1);
    Server_port = qtest::free_tcp_port();
    Con_mode[1] = 0;
    snprintf(Con_mach[1], CON_TEXT, "socket");
    snprintf(Con_exec[1], CON_TEXT, "/nonexistent/quivane7.server");
    time_t start = time(nullptr);
    int r = conrout(1);
    printf("result=%d quick=%d reaped=%d\n", r, time(nullptr) - start < 10, no_children());
    return 0;
  });
  ASSERT_EQ(client.wait(), 0) << client.err();
  EXPECT_NE(client.out().find("result=-1 quick=1 reaped=1\n"), std::string::npos) << client.out();
  EXPECT_NE(client.err().find("ccacpt: The started server ended before it connected.\n"),
            std::string::npos)
      << client.err();
}

TEST(ConnectLocal, FileListingFromTheServer) {
  qtest::TempDir t("conlst");
  std::string data = t.file("data");
  mkdir(data.c_str(), 0700);
  mkdir((data + "/sub").c_str(), 0700);
  for (const char *f : {"b.geo", "a.geo", "c.txt"}) qtest::write_file(data + "/" + f, "x");
  qtest::ForkedChild client([&] {
    client_setup(t.path());
    local_slot(1, "");
    snprintf(Con_work[1], CON_TEXT, "%s", data.c_str());
    if (conrout(1) != 1) return 10;
    for (const std::string &filter : {data + "/*.geo", std::string(), std::string("/nonexistent/*")}) {
      char *path = nullptr, **dirs = nullptr, **files = nullptr;
      int nd = 0, nf = 0;
      int r = remotefilelist(filter.c_str(), &path, &nd, &dirs, &nf, &files);
      printf("list=%d", r);
      if (r == 1) {
        printf(" path=%s dirs=", path);
        for (int i = 0; i < nd; i++) printf("%s,", dirs[i]);
        printf(" files=");
        for (int i = 0; i < nf; i++) printf("%s,", files[i]);
        free(path);
        remotefilelist_free(dirs);
        remotefilelist_free(files);
      }
      printf("\n");
    }
    connect_stop_server(0, 1);
    return 0;
  });
  ASSERT_EQ(client.wait(), 0) << client.err();
  std::string d = real(data);
  EXPECT_NE(client.out().find("list=1 path=" + d + " dirs=..,sub, files=a.geo,b.geo,\n"
                              "list=1 path=" + d + " dirs=..,sub, files=a.geo,b.geo,c.txt,\n"
                              "list=-1\n"),
            std::string::npos)
      << client.out();
}

TEST(ConnectLocal, InterruptTellsEveryServerToExit) {
  qtest::TempDir t("conint");
  std::string log1 = t.file("1.log"), log2 = t.file("2.log");
  qtest::ForkedChild client([&] {
    client_setup(t.path());
    setup_signal_processing();
    if (connect_two_cases(log1, "-log " + log2) != 1) return 11;
    printf("ready\n");
    fflush(stdout);
    for (;;) pause();
  });
  bool ready = false;
  for (int i = 0; i < 1000 && !ready; i++) {
    ready = client.out().find("ready\n") != std::string::npos;
    if (!ready) usleep(20000);
  }
  ASSERT_TRUE(ready) << client.err();
  kill(client.pid(), SIGINT);
  EXPECT_EQ(client.wait(), 1);
  EXPECT_NE(client.err().find("***Exiting because signal 2 was received."), std::string::npos);
  for (const std::string &log : {log1, log2}) {
    EXPECT_TRUE(qtest::wait_for_text(log, "Exit\n", 10000)) << log;
    EXPECT_EQ(qtest::read_file(log), "handshake " + std::string(log == log1 ? "1" : "2") +
                                         " 0 security 0 accept 1 readerdbg 0\nExit\n");
  }
}

// With the main window up, a manual start shows its request in the working
// box while it waits, and once the server is in, the box and the message
// window are taken down.
TEST(ConnectManual, WorkingBoxAsksForTheServerAndGoesAway) {
  ASSERT_TRUE(qtest::xt_shell().ok);
  qtest::TempDir t("conbox");
  int port = qtest::free_tcp_port();
  Widget message = XmCreateFormDialog(qtest::xt_shell().form, const_cast<char *>("msg"), nullptr, 0);
  Widget kept_message = Main_message_dialog;
  Main_message_dialog = message;
  XtManageChild(message);
  // The user's server: started again until the client listens.
  std::string line = "i=0; until [ $i -ge 200 ] || " + qtest::server_bin() +
                     " -c localhost -ports " + std::to_string(port) + " -log " +
                     t.file("server.log") + " 2>/dev/null; do i=$((i+1)); sleep 0.05; done";
  qtest::RunningProgram user({"/bin/sh", "-c", line}, qtest::RunOptions{});
  int kept_port = Server_port, kept_mode = Con_mode[1], kept_once = Connected_server_once;
  Case_num = 0;
  Con_mode[1] = 1;
  Server_port = port;
  int r = conrout(1);
  Server_port = kept_port;
  Con_mode[1] = kept_mode;
  Connected_server_once = kept_once;
  EXPECT_EQ(r, 1);
  ASSERT_NE(Work_dialog, nullptr);
  EXPECT_EQ(qtest::xt_label_text(XmMessageBoxGetChild(Work_dialog, XmDIALOG_MESSAGE_LABEL)),
            "Please start a server manually to connect to the client.");
  EXPECT_FALSE(XtIsManaged(Work_dialog));
  EXPECT_FALSE(XtIsManaged(message));
  if (r == 1) connect_stop_server(0, 1);
  EXPECT_EQ(user.wait_exit(std::chrono::seconds(10)), 0);
  Main_message_dialog = kept_message;
  XtDestroyWidget(message);
}
