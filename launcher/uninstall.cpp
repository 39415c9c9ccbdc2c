#include "launcher/uninstall.h"

#include "common/suite.h"

namespace lunetar {

const char* const kUninstallList[kUninstallCount] = {
    "guide.exe",
    "sarnovo.exe",
    "user.ini",
    "Order.txt",
    "Readme.txt",
    "Readme.html",
    "License.txt",
    LUNETAR_CATALOG_FOLDER "report.txt",
    LUNETAR_CATALOG_FOLDER "data.ini",
    LUNETAR_CATALOG_FOLDER "desc.ini",
    "gtips.txt",
};

std::size_t RemoveSuiteFiles(FileAccess& files) {
  for (std::size_t i = 0; i < kUninstallCount; ++i) {
    if (!files.CanOpen(kUninstallList[i])) continue;
    if (!files.Remove(kUninstallList[i])) return i;
  }
  return kUninstallCount;
}

}  // namespace lunetar
