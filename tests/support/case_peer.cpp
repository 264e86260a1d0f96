#include "case_peer.h"

#include <cstdio>

namespace qtest {

ScriptedCase::ScriptedCase(Peer *peer, std::vector<CaseStep> steps)
    : peer_(peer), steps_(std::move(steps)) {
  thread_ = std::thread([this] { run(); });
}

ScriptedCase::~ScriptedCase() { finish(); }

std::string ScriptedCase::finish() {
  {
    std::lock_guard<std::mutex> lock(mu_);
    finishing_ = true;
  }
  cv_.notify_all();
  if (thread_.joinable()) thread_.join();
  return failure_;
}

void ScriptedCase::run() {
  for (size_t s = 0; s < steps_.size(); s++) {
    const CaseStep &step = steps_[s];
    Bytes got = step.expect.empty() ? Bytes() : peer_->recv(step.expect.size());
    for (size_t i = 0; i < step.expect.size(); i++) {
      if (i < got.size() && got[i] == step.expect[i]) continue;
      char text[160];
      if (i >= got.size())
        snprintf(text, sizeof text, "step %zu byte %zu: expected %02x, nothing came", s, i,
                 step.expect[i]);
      else
        snprintf(text, sizeof text, "step %zu byte %zu: expected %02x, got %02x", s, i,
                 step.expect[i], got[i]);
      failure_ = text;
      peer_->close_all();
      return;
    }
    if (step.on_match) step.on_match();
    if (!step.reply.empty()) peer_->send(step.reply);
    if (step.close_after) {
      peer_->close_all();
      return;
    }
  }
  std::unique_lock<std::mutex> lock(mu_);
  if (!cv_.wait_for(lock, std::chrono::seconds(5), [this] { return finishing_; })) {
    failure_ = "the client was still waiting after the last step";
    peer_->close_all();
  }
}

}  // namespace qtest
