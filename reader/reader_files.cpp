#include "reader/reader_files.h"

#include <windows.h>
#include <shlobj.h>

namespace lunetar {

std::string PositionFolderParent() {
  char appData[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
  return std::string(appData) + "\\Lunetar";
}

std::string PositionFolder() { return PositionFolderParent() + "\\Korvadex"; }

std::string PositionFilePath() { return PositionFolder() + "\\position.txt"; }

}  // namespace lunetar
