#include "reader/user_chapter.h"

#include "common/line_file.h"

namespace lunetar {
namespace {
constexpr std::size_t kUserChapterLineChars = 98;
}

std::vector<std::string> ReadUserChapter(const std::string& path) {
  std::vector<std::string> lines;
  if (!ReadLineFile(path, kUserChapterLineChars, lines)) return {kUserChapterHeading, ""};
  return lines;
}

}  // namespace lunetar
