// The catalog's fixture: the catalog installed with a recording stand-in for the launcher, an
// empty collection folder and no disk in drive A:.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "suite.h"

namespace e2e {

class CatalogFixture : public SuiteTest {
 protected:
  void SetUp() override;

  HWND StartCatalog() { return Start("sarnovo.exe", "#32770", "Sarnovo"); }

 public:
  static constexpr const char* kTitle = "SARNOVO";
  static const char* const kBuiltInAddress;
  static const char* const kBuiltInDescription;

  static std::string InstalledFile(const char* name) { return kCatalogFolder + std::string(name); }
  // Lines as a collection file holds them: each followed by CR LF.
  static std::string FileOf(const std::vector<std::string>& lines);
  // The installed pair, data.ini and desc.ini.
  static void WriteCollection(const std::vector<std::string>& addresses,
                              const std::vector<std::string>& descriptions);
};

}  // namespace e2e
