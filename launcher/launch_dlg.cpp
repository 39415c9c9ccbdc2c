#include "launcher/launch_dlg.h"

#include <cstdlib>

#include "common/disk_files.h"
#include "common/message_box.h"
#include "common/programs.h"
#include "common/suite.h"
#include "launcher/uninstall.h"
#include "resources/launcher_ids.h"

namespace lunetar {
namespace {
constexpr const char* kUninstallTitle = "Uninstall";
}  // namespace

CLaunchDlg::CLaunchDlg() : CMainDialog(IDD_LAUNCHER, IDI_LAUNCHER) {}

bool CLaunchDlg::OnHelpRequest() {
  ShowMessage("Korvadex and Sarnovo " LUNETAR_VERSION "   " LUNETAR_COPYRIGHT, "Korvadex", MB_OK);
  return true;
}

void CLaunchDlg::OnOK() { Uninstall(); }

bool CLaunchDlg::OnCommand(int id, int notifyCode) {
  if (notifyCode != BN_CLICKED) return false;
  switch (id) {
    case IDC_START_READER:
      OnStartReader();
      return true;
    case IDC_START_CATALOG:
      OnStartCatalog();
      return true;
  }
  return false;
}

// Both programs are named by bare file name, so they start only from the program folder; when
// one cannot start, the launcher simply stays.
void CLaunchDlg::OnStartReader() { HandOver(LUNETAR_READER_PROGRAM); }

void CLaunchDlg::OnStartCatalog() { HandOver(LUNETAR_CATALOG_PROGRAM); }

void CLaunchDlg::Uninstall() {
  if (ShowMessage("Are you sure you want to uninstall Korvadex and Sarnovo?  ", kUninstallTitle,
                  MB_ICONQUESTION | MB_YESNO) != IDYES) {
    return;
  }
  DiskFiles files;
  if (RemoveSuiteFiles(files) != kUninstallCount) {
    ShowMessage(
        "Some files are still in use. Please close all the programs first and then try again.    ",
        kUninstallTitle, MB_ICONERROR | MB_OK);
    std::exit(EXIT_FAILURE);
  }
  ShowMessage(
      "Uninstall was completed successfully.\nTo finish please remove " LUNETAR_PROGRAM_FOLDER
      " and " LUNETAR_CATALOG_FOLDER " folders.    ",
      kUninstallTitle, MB_ICONINFORMATION | MB_OK);
  OnCancel();
}

}  // namespace lunetar
