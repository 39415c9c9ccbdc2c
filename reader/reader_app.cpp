#include "reader/reader_app.h"

#include "common/suite.h"
#include "reader/reader_dlg.h"
#include "reader/reader_files.h"
#include "reader/tip_dlg.h"
#include "resources/reader_ids.h"

namespace lunetar {

CReaderApp theApp;

CReaderApp::CReaderApp() : CApp(LUNETAR_COMPANY) {}

bool CReaderApp::InitInstance() {
  CreateFolders();
  ShowStartupTip();
  CReaderDlg dlg;
  RunMainDialog(dlg);
  return false;
}

bool CReaderApp::OnCommand(int id) {
  if (id != ID_SHOW_TIP_OF_THE_DAY) return false;
  ShowTipOnDemand();
  return true;
}

// One level at a time, parent first; a folder that exists already or cannot be made is no
// reason not to start.
void CReaderApp::CreateFolders() {
  CreateDirectoryA(PositionFolderParent().c_str(), nullptr);
  CreateDirectoryA(PositionFolder().c_str(), nullptr);
  CreateDirectoryA(LUNETAR_PROGRAM_FOLDER, nullptr);
}

}  // namespace lunetar
