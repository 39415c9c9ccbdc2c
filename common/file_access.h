// What the core asks of the file system about whole files, as an interface, so that sequences
// over files (the uninstaller's removals, a test for a sample document) run natively on a
// folder in memory in the tests, and on the disk in the programs (DiskFiles).
#pragma once

#include <string>

namespace lunetar {

class FileAccess {
 public:
  virtual ~FileAccess() = default;
  // Whether the file exists and can be opened for reading.
  virtual bool CanOpen(const std::string& path) = 0;
  // Deletes the file; false when it cannot be deleted (in use, protected, missing).
  virtual bool Remove(const std::string& path) = 0;
};

}  // namespace lunetar
