#include "common/file_replace.h"

#include <windows.h>

namespace lunetar {

bool MoveFileOver(const std::string& from, const std::string& to) {
  // Windows refuses to replace a read-only file, Wine's MoveFileEx does not: the test is made
  // here, so that a read-only file stays as it is on both.
  const DWORD attributes = GetFileAttributesA(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

}  // namespace lunetar
