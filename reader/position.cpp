#include "reader/position.h"

#include <cstdio>

#include "common/file_ptr.h"
#include "common/line_file.h"

namespace lunetar {
namespace {
constexpr std::size_t kPositionLineChars = 98;
}

bool ReadPositionFile(const std::string& path, ReaderPosition& position) {
  FilePtr file = OpenFile(path, "rb");
  if (!file) return false;
  std::string text;
  if (ReadLinePiece(file.get(), kPositionLineChars, text)) position.chapter = text;
  if (ReadLinePiece(file.get(), kPositionLineChars, text)) position.keyword = text;
  return true;
}

bool WritePositionFile(const std::string& path, const ReaderPosition& position,
                       ReplaceFileFunction replace) {
  return SaveFileBytes(path, position.chapter + "\r\n" + position.keyword, replace);
}

}  // namespace lunetar
