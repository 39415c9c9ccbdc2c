#include "catalog/about_dlg.h"

#include "resources/catalog_ids.h"

namespace lunetar {

CCatalogAboutDlg::CCatalogAboutDlg() : CDialog(IDD_CATALOG_ABOUT) {}

bool CCatalogAboutDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  AddToolTips({{IDC_ABOUT_OK, "return to Sarnovo"}});
  return true;
}

bool CCatalogAboutDlg::OnCommand(int id, int notifyCode) {
  if (id != IDC_ABOUT_OK || notifyCode != BN_CLICKED) return false;
  EndDialog(IDOK);
  return true;
}

}  // namespace lunetar
