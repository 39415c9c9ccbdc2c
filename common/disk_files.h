// The file access of the programs: the real files, through the C run-time and Win32.
#pragma once

#include "common/file_access.h"

namespace lunetar {

class DiskFiles : public FileAccess {
 public:
  bool CanOpen(const std::string& path) override;
  bool Remove(const std::string& path) override;
};

}  // namespace lunetar
