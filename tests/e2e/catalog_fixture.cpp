#include "catalog_fixture.h"

#include "driver.h"

namespace e2e {

// The catalog's own site, which it adds to every collection that lacks it.
const char* const CatalogFixture::kBuiltInAddress = "https://lunetar.example/sarnovo/";
const char* const CatalogFixture::kBuiltInDescription =
    "Lunetar - Sarnovo and Korvadex, updates and news";

void CatalogFixture::SetUp() {
  SuiteTest::SetUp();
  if (HasFatalFailure()) return;
  Install("sarnovo.exe", "sarnovo.exe");
  Install("recorder.exe", "launch.exe");
}

std::string CatalogFixture::FileOf(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

void CatalogFixture::WriteCollection(const std::vector<std::string>& addresses,
                                     const std::vector<std::string>& descriptions) {
  WriteFile(InstalledFile("data.ini"), FileOf(addresses));
  WriteFile(InstalledFile("desc.ini"), FileOf(descriptions));
}

}  // namespace e2e
