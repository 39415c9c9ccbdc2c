#include "launcher/launch_app.h"

#include "launcher/launch_dlg.h"

namespace lunetar {

CLaunchApp theApp;

CLaunchApp::CLaunchApp() : CApp("Lunetar") {}

bool CLaunchApp::InitInstance() {
  CLaunchDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
  return false;
}

}  // namespace lunetar
