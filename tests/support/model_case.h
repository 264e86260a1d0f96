// A dataset read as the current case (slot 0) by the real stand-in server,
// in this process: the connection code starts the server (through the
// logging wrapper of CaseServers) with the dataset loaded, and the case's
// parts are discovered and their geometry loaded as a read does.  The
// destructor quits the server and empties the part table.
#pragma once

#include <memory>
#include <string>

#include "case_servers.h"

namespace qtest {

class ModelCase {
 public:
  explicit ModelCase(const std::string &data_file);
  ~ModelCase();
  ModelCase(const ModelCase &) = delete;
  ModelCase &operator=(const ModelCase &) = delete;
  // True once the server is connected and the parts are loaded.
  bool ok() const { return ok_; }
  const CaseServers &servers() const { return servers_; }
  // Index into parts of the part with the most elements, -1 when none.
  int largest_part() const;

 private:
  CaseServers servers_;
  bool ok_ = false;
};

}  // namespace qtest
