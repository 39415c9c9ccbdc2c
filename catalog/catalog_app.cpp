#include "catalog/catalog_app.h"

#include "catalog/catalog_dlg.h"
#include "common/suite.h"

namespace lunetar {

CCatalogApp theApp;

CCatalogApp::CCatalogApp() : CApp(LUNETAR_COMPANY) {}

bool CCatalogApp::InitInstance() {
  // The collection's folder; one that exists already or cannot be made is no reason not to
  // start: the first save then reports it.
  CreateDirectoryA(LUNETAR_CATALOG_FOLDER, nullptr);
  CCatalogDlg dlg;
  RunMainDialog(dlg);
  return false;
}

}  // namespace lunetar
