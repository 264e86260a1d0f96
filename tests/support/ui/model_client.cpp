#include "model_client.h"

#include <unistd.h>

#include <chrono>
#include <vector>

#include "client_proc.h"

namespace qtest {

void ModelClientTest::SetUp() {
  const std::string D = test_data();
  files_ = std::make_unique<TempDir>("qmodelclient");
  write_file(files_->file("build.cmd"),
             "VERSION 7.1\ndata_partbuild: begin\ndata_partbuild: select_all\n"
             "data_partbuild: create\ndata_partbuild: end\n");
  c_ = std::make_unique<DrivenClient>(
      std::vector<std::string>{"-c", "-case", D + model_file(), "-p", files_->file("build.cmd")});
  ASSERT_TRUE(c_->xvfb.ok());
  ASSERT_TRUE(c_->driver.connect(c_->port, 30000)) << c_->client->err();
  ASSERT_EQ(c_->driver.greeting(), "Hello Command Driver");
  ASSERT_EQ(send("command: delay 0"), "ok") << c_->client->err();
}

void ModelClientTest::TearDown() {
  if (!c_ || !c_->driver.connected()) return;
  EXPECT_TRUE(c_->driver.send_only("quit"));
  EXPECT_EQ(c_->client->wait_exit(std::chrono::seconds(30)), 0) << c_->client->err();
}

std::string ModelClientTest::send(const std::string &line) { return c_->driver.send(line, 30000); }

Pixels ModelClientTest::shot(const std::string &name) {
  const std::string path = files_->file(name + ".ppm");
  std::string previous;
  int w = 0, h = 0;
  for (int tries = 0; tries < 40; tries++) {
    if (!graphics_window_ppm(c_->xvfb.display(), path, nullptr, &w, &h)) break;
    std::string now = read_file(path);
    if (now == previous) break;
    previous = now;
    send("command: delay 0");
    usleep(200000);
  }
  return read_pixels(path);
}

}  // namespace qtest
