// Where the reader keeps its files.
#pragma once

#include <string>

#include "common/suite.h"

namespace lunetar {

// The user entries file lives in the program folder, beside the documents.
constexpr const char* kUserChapterPath = LUNETAR_PROGRAM_FOLDER LUNETAR_USER_CHAPTER_FILE;

// The position state file lives in the user's own application data, where a standard user can
// always write: <AppData>\Lunetar\Korvadex\position.txt.
std::string PositionFolderParent();
std::string PositionFolder();
std::string PositionFilePath();

}  // namespace lunetar
