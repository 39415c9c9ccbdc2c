#include "common/file_replace.h"

#include <windows.h>

namespace lunetar {

namespace {
bool IsReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}
}  // namespace

bool MoveFileOver(const std::string& from, const std::string& to) {
  // Windows refuses to replace a read-only file, Wine's MoveFileEx does not: the test is made
  // here, so that a read-only file stays as it is on both. A read-only file is not moved away
  // either: moved aside while its replacement goes in, it could not be removed after.
  if (IsReadOnly(to) || IsReadOnly(from)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  // Written through: the call returns only once the move is on the disk, also where the system
  // makes it as a copy and a delete.
  return MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace lunetar
