#include "reader/reader_app.h"

#include "reader/reader_dlg.h"
#include "reader/reader_files.h"

namespace lunetar {

CReaderApp theApp;

bool CReaderApp::InitInstance() {
  CreateFolders();
  CReaderDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
  return false;
}

// One level at a time, parent first; a folder that exists already or cannot be made is no
// reason not to start.
void CReaderApp::CreateFolders() {
  CreateDirectoryA(PositionFolderParent().c_str(), nullptr);
  CreateDirectoryA(PositionFolder().c_str(), nullptr);
  CreateDirectoryA(kProgramFolder, nullptr);
}

}  // namespace lunetar
