// A scripted case server: a thread that plays the server's side of a link
// from a list of steps. Each step names the exact bytes the client must send
// next and the canned reply; the first byte that differs (or does not come)
// ends the script, closes the link, so that the client is released, and is
// reported by finish(). A client still waiting 5 s after the last reply
// (finish() not yet called) is released the same way and reported.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "peer.h"

namespace qtest {

struct CaseStep {
  CaseStep(Bytes e, Bytes r = {}) : expect(std::move(e)), reply(std::move(r)) {}
  Bytes expect;                     // bytes the client must send next (may be empty)
  Bytes reply;                      // sent once they came
  std::function<void()> on_match;   // run after the bytes came, before the reply; may be empty
  bool close_after = false;         // close the link after the reply
};

class ScriptedCase {
 public:
  ScriptedCase(Peer *peer, std::vector<CaseStep> steps);
  ~ScriptedCase();
  ScriptedCase(const ScriptedCase &) = delete;
  ScriptedCase &operator=(const ScriptedCase &) = delete;
  // Waits for the script to end: "" when every step matched, else where
  // and how the client's bytes first differed.
  std::string finish();

 private:
  void run();
  Peer *peer_;
  std::vector<CaseStep> steps_;
  std::string failure_;
  std::mutex mu_;
  std::condition_variable cv_;
  bool finishing_ = false;
  std::thread thread_;
};

}  // namespace qtest
