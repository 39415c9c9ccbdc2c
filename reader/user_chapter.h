// The user-defined chapter: the user's own commands and tips, kept in the user entries file as an
// image of the text list while the chapter is shown.
#pragma once

#include <string>
#include <vector>

namespace lunetar {

constexpr const char* kUserChapterHeading = "User Defined Commands and Tips";

// The chapter's lines, each file line cut into pieces of at most 98 characters. A file that does
// not exist yet gives the heading and an empty line.
std::vector<std::string> ReadUserChapter(const std::string& path);

}  // namespace lunetar
