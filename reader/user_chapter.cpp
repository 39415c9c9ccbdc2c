#include "reader/user_chapter.h"

namespace lunetar {
namespace {
constexpr std::size_t kUserChapterLineChars = 98;
}

FileRead ReadUserChapter(const std::string& path, std::vector<std::string>& lines) {
  lines.clear();
  const FileRead read = ReadLineFile(path, kUserChapterLineChars, lines);
  if (read != FileRead::Read) lines = {kUserChapterHeading, ""};
  return read;
}

UserEntryAdd AddUserEntry(const std::string& path, const std::string& entry,
                          ReplaceFileFunction replace) {
  std::vector<std::string> lines;
  if (ReadUserChapter(path, lines) == FileRead::Unreadable) return UserEntryAdd::Unreadable;
  lines.push_back(entry);
  lines.push_back("");
  return SaveFileBytes(path, JoinLines(lines), replace) ? UserEntryAdd::Added
                                                        : UserEntryAdd::NotSaved;
}

std::string UserEntryFailureMessage(UserEntryAdd outcome, const std::string& path) {
  switch (outcome) {
    case UserEntryAdd::Added:
      return "";
    case UserEntryAdd::Unreadable:
      return "Can not read " + path +
             ", so your command or tip was not added.\nPlease close the program that uses the "
             "file and try again.    ";
    case UserEntryAdd::NotSaved:
      return "Can not save your command or tip in " + path +
             ".\nPlease make sure that the disk is not full and that no other program uses the "
             "file.    ";
  }
  return "";
}

}  // namespace lunetar
