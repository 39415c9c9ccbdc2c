// Where the reader keeps its files.
#pragma once

#include <string>

namespace lunetar {

// The suite's program folder: the documents and the user entries file live here.
constexpr const char* kProgramFolder = "C:\\Program Files\\Lunetar\\";
constexpr const char* kUserChapterPath = "C:\\Program Files\\Lunetar\\user.ini";
// The maker's product page, opened by Updates.
constexpr const char* kProductPage = "https://lunetar.example/korvadex/";

// The position state file lives in the user's own application data, where a standard user can
// always write: <AppData>\Lunetar\Korvadex\position.txt.
std::string PositionFolderParent();
std::string PositionFolder();
std::string PositionFilePath();

}  // namespace lunetar
