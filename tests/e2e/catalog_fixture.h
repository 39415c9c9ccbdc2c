// The catalog's fixture: the catalog installed with a recording stand-in for the launcher, an
// empty collection folder and no disk in drive A:.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "driver.h"
#include "suite.h"

namespace e2e {

class CatalogFixture : public SuiteTest {
 protected:
  void SetUp() override;

  HWND StartCatalog() { return Start("sarnovo.exe", "#32770", "Sarnovo"); }
  // Starts the catalog as the window the helpers below drive.
  HWND Open() { return catalog_ = StartCatalog(); }
  std::vector<std::string> Addresses() const;
  std::vector<std::string> Descriptions() const;
  std::string Destination() const;
  static std::string Installed(const char* name) { return FileBytes(InstalledFile(name)); }

  // Opens Add Web Site, types both texts and presses Add Site, which the dialog accepts.
  void AddSite(const std::string& address, const std::string& description);
  // Waits for the catalog's next message, checks its text and answers it.
  void Expect(const std::string& text, int answer = IDOK);
  // Clicks a button whose handler shows a message, then checks and answers it.
  void PressExpecting(HWND window, int id, const std::string& text, int answer = IDOK);
  // Once the running command has ended, no message of the catalog is left.
  void ExpectNoMoreMessages();
  // row in both lists (LB_ERR: none) and destination as the destination.
  void ExpectSelection(int row, const std::string& destination);

  HWND catalog_ = nullptr;

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
