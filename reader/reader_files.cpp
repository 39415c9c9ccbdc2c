#include "reader/reader_files.h"

#include <windows.h>
#include <shlobj.h>

#include "common/system_library.h"

namespace lunetar {

std::string PositionFolderParent() {
  // Asked once: the answer does not change while the reader runs.
  static const std::string parent = [] {
    // The system gives every user's programs the folder in their environment; only without it
    // is the shell's library loaded at start-up to ask for it.
    char appData[MAX_PATH] = "";
    const DWORD length = GetEnvironmentVariableA("APPDATA", appData, MAX_PATH);
    const DWORD attributes = length > 0 && length < MAX_PATH ? GetFileAttributesA(appData)
                                                             : INVALID_FILE_ATTRIBUTES;
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      appData[0] = '\0';
      const auto getFolderPath =
          SystemFunction<decltype(&SHGetFolderPathA)>("shell32.dll", "SHGetFolderPathA");
      if (getFolderPath) {
        getFolderPath(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
      }
    }
    return std::string(appData) + "\\" LUNETAR_COMPANY;
  }();
  return parent;
}

std::string PositionFolder() { return PositionFolderParent() + "\\Korvadex"; }

std::string PositionFilePath() { return PositionFolder() + "\\position.txt"; }

}  // namespace lunetar
