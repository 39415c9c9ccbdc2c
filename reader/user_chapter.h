// The user-defined chapter: the user's own commands and tips, kept in the user entries file as an
// image of the text list while the chapter is shown.
#pragma once

#include <string>
#include <vector>

#include "common/line_file.h"

namespace lunetar {

constexpr const char* kUserChapterHeading = "User Defined Commands and Tips";

// The chapter's lines, each file line cut into pieces of at most 98 characters. A file that does
// not exist yet, or cannot be read, gives the heading and an empty line.
FileRead ReadUserChapter(const std::string& path, std::vector<std::string>& lines);

enum class UserEntryAdd {
  Added,
  Unreadable,  // the file is there but could not be read: writing it would lose its entries
  NotSaved,    // the file could not be written; it is as it was
};

// Appends entry and an empty line to the chapter as the file holds it, and saves the chapter
// through a temporary file.
UserEntryAdd AddUserEntry(const std::string& path, const std::string& entry,
                          ReplaceFileFunction replace);

// What the user is told when an entry was not added; "" for Added.
std::string UserEntryFailureMessage(UserEntryAdd outcome, const std::string& path);

}  // namespace lunetar
