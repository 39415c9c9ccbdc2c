#include "launcher/launch_app.h"

#include "common/suite.h"
#include "launcher/launch_dlg.h"

namespace lunetar {

CLaunchApp theApp;

CLaunchApp::CLaunchApp() : CApp(LUNETAR_COMPANY) {}

bool CLaunchApp::InitInstance() {
  CLaunchDlg dlg;
  RunMainDialog(dlg);
  return false;
}

}  // namespace lunetar
