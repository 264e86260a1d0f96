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

Pixels settled_graphics(DrivenClient &c, const std::string &path,
                        std::set<unsigned long> *colours,
                        const std::function<bool(const std::set<unsigned long> &)> &accept) {
  std::string previous;
  std::set<unsigned long> seen;
  int w = 0, h = 0;
  for (int tries = 0; tries < 60; tries++) {
    seen.clear();
    if (!graphics_window_ppm(c.xvfb.display(), path, &seen, &w, &h)) break;
    std::string now = read_file(path);
    if (!now.empty() && now == previous && (!accept || accept(seen))) break;
    previous = now;
    c.driver.send("command: delay 0", 30000);
    usleep(200000);
  }
  if (colours) *colours = seen;
  return read_pixels(path);
}

Pixels ModelClientTest::shot(const std::string &name) {
  return settled_graphics(*c_, files_->file(name + ".ppm"));
}

}  // namespace qtest
