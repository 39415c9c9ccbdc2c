#include "launcher/uninstall.h"

namespace lunetar {

const char* const kUninstallList[kUninstallCount] = {
    "guide.exe",
    "sarnovo.exe",
    "user.ini",
    "Order.txt",
    "Readme.txt",
    "Readme.html",
    "License.txt",
    "C:\\Program Files\\Sarnovo\\report.txt",
    "C:\\Program Files\\Sarnovo\\data.ini",
    "C:\\Program Files\\Sarnovo\\desc.ini",
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
