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

bool CFindSiteDlg::RefusesFields() { return ShowRefusal(FindSiteRefusal(m_strDescription)); }

void CFindSiteDlg::OnCancel() {
  m_strDescription.clear();
  CDialog::OnCancel();
}

}  // namespace lunetar
