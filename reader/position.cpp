#include "reader/position.h"

#include <cstdio>

#include "common/line_file.h"

namespace lunetar {
namespace {
constexpr std::size_t kPositionLineChars = 98;
}

bool ReadPositionFile(const std::string& path, ReaderPosition& position) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  std::string text;
  if (ReadLinePiece(file, kPositionLineChars, text)) position.chapter = text;
  if (ReadLinePiece(file, kPositionLineChars, text)) position.keyword = text;
  std::fclose(file);
  return true;
}

bool WritePositionFile(const std::string& path, const ReaderPosition& position) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fprintf(file, "%s\r\n%s", position.chapter.c_str(),
                         position.keyword.c_str()) >= 0;
  return std::fclose(file) == 0 && ok;
}

}  // namespace lunetar
