// The catalog's fixture: the catalog installed with a recording stand-in for the launcher, an
// empty collection folder and no disk in drive A:.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "driver.h"
#include "suite.h"

namespace e2e {

class CatalogFixture : public SuiteTest {
 protected:
  void SetUp() override;

  // Starts the catalog as the window the helpers below drive.
  HWND Open() { return catalog_ = Start("sarnovo.exe", "#32770", "Sarnovo"); }
  Lines Addresses() const;
  Lines Descriptions() const;
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
  // Presses Backup or Restore, answers the request for the disk, checks the outcome's message and
  // that no other follows.
  void RunWithDisk(int command, const std::string& outcome);
  // row in both lists (LB_ERR: none) and destination as the destination.
  void ExpectSelection(int row, const std::string& destination);

  HWND catalog_ = nullptr;
  // The built-in site and one other, as many tests begin.
  const Lines addresses_ = {kBuiltInAddress, "https://a.example/"};
  const Lines descriptions_ = {kBuiltInDescription, "Alpha"};

 public:
  static constexpr const char* kTitle = "SARNOVO";
  static const char* const kBuiltInAddress;
  static const char* const kBuiltInDescription;

  using Pair = std::pair<std::string, std::string>;

  static std::string InstalledFile(const char* name) { return kCatalogFolder + std::string(name); }
  // The names of the files in the collection folder, sorted.
  static Lines CatalogFiles() { return FolderFiles(kCatalogFolder); }
  // Lines as a collection file holds them: each followed by CR LF (or end, as another editor may
  // write them); and a pair of such files.
  static std::string FileOf(const Lines& lines, const char* end = "\r\n");
  static Pair PairOf(const Lines& addresses, const Lines& descriptions) {
    return {FileOf(addresses), FileOf(descriptions)};
  }
  // The bytes of data.ini and desc.ini in folder (ending in "\\"), the installed pair by default.
  static Pair PairIn(const std::string& folder = kCatalogFolder) {
    return {FileBytes(folder + "data.ini"), FileBytes(folder + "desc.ini")};
  }
  // Writes data.ini and desc.ini in folder, the installed pair by default.
  static void WriteCollection(const Lines& addresses, const Lines& descriptions,
                              const std::string& folder = kCatalogFolder, const char* end = "\r\n");
  // The installed pair with LF line ends, as another editor writes them: a save by the catalog
  // shows as CR LF.
  static void WriteCollectionWithLf(const Lines& addresses, const Lines& descriptions) {
    WriteCollection(addresses, descriptions, kCatalogFolder, "\n");
  }
};

}  // namespace e2e
