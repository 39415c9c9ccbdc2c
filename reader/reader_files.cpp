#include "reader/reader_files.h"

#include <windows.h>
#include <shlobj.h>

#include "common/system_library.h"

namespace lunetar {

std::string PositionFolderParent() {
  // Asked once: the answer does not change while the reader runs.
  static const std::string parent = [] {
    char appData[MAX_PATH] = "";
    const auto getFolderPath =
        SystemFunction<decltype(&SHGetFolderPathA)>("shell32.dll", "SHGetFolderPathA");
    if (getFolderPath) getFolderPath(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    return std::string(appData) + "\\" LUNETAR_COMPANY;
  }();
  return parent;
}

std::string PositionFolder() { return PositionFolderParent() + "\\Korvadex"; }

std::string PositionFilePath() { return PositionFolder() + "\\position.txt"; }

}  // namespace lunetar
