#include "launcher/uninstall.h"

#include "common/suite.h"

namespace lunetar {

const char* const kUninstallList[kUninstallCount] = {
    LUNETAR_READER_PROGRAM,
    LUNETAR_CATALOG_PROGRAM,
    LUNETAR_USER_CHAPTER_FILE,
    LUNETAR_ORDER_FORM,
    LUNETAR_README_TEXT,
    LUNETAR_README_PAGE,
    LUNETAR_LICENSE,
    LUNETAR_CATALOG_FOLDER LUNETAR_REPORT_FILE,
    LUNETAR_CATALOG_FOLDER LUNETAR_ADDRESSES_FILE,
    LUNETAR_CATALOG_FOLDER LUNETAR_DESCRIPTIONS_FILE,
    LUNETAR_TIPS_FILE,
};

std::size_t RemoveSuiteFiles(FileAccess& files) {
  for (std::size_t i = 0; i < kUninstallCount; ++i) {
    if (!files.CanOpen(kUninstallList[i])) continue;
    if (!files.Remove(kUninstallList[i])) return i;
  }
  return kUninstallCount;
}

}  // namespace lunetar
