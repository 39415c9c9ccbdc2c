#include "catalog/find_site_dlg.h"

#include "catalog/catalog_messages.h"
#include "catalog/collection.h"
#include "resources/catalog_ids.h"

namespace lunetar {
namespace {
constexpr int kFieldChars = 150;
}  // namespace

CFindSiteDlg::CFindSiteDlg() : CDialog(IDD_FIND_SITE) {}

void CFindSiteDlg::DoDataExchange(CDataExchange& dx) {
  dx.Text(IDC_FIND_TEXT, m_strDescription, kFieldChars);
}

bool CFindSiteDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  AddToolTips({
      {IDC_FIND_TEXT, "enter web site description here"},
      {IDOK, "find web site address"},
  });
  return true;
}

void CFindSiteDlg::OnOK() {
  if (!UpdateData(true)) return;
  const std::string refusal = FindSiteRefusal(m_strDescription);
  if (!refusal.empty()) {
    ShowError(refusal);
    return;
  }
  UpdateData(false);
  EndDialog(IDOK);
}

void CFindSiteDlg::OnCancel() {
  m_strDescription.clear();
  CDialog::OnCancel();
}

}  // namespace lunetar
