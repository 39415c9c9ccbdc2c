#include "catalog/add_site_dlg.h"

#include "catalog/catalog_messages.h"
#include "catalog/collection.h"
#include "resources/catalog_ids.h"

namespace lunetar {
namespace {
// The fields take more than Add accepts, so that a text too long is told rather than cut.
constexpr int kFieldChars = 180;
}  // namespace

CAddSiteDlg::CAddSiteDlg() : CDialog(IDD_ADD_SITE) {}

void CAddSiteDlg::DoDataExchange(CDataExchange& dx) {
  dx.Text(IDC_SITE_ADDRESS, m_strAddress, kFieldChars);
  dx.Text(IDC_SITE_DESCRIPTION, m_strDescription, kFieldChars);
}

bool CAddSiteDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  AddToolTips({
      {IDOK, "add web site"},
      {IDC_SITE_ADDRESS, "enter web site address here"},
      {IDC_SITE_DESCRIPTION, "enter web site description here"},
  });
  return true;
}

bool CAddSiteDlg::RefusesFields() {
  return ShowRefusal(AddSiteRefusal(m_strAddress, m_strDescription));
}

void CAddSiteDlg::OnCancel() {
  m_strAddress.clear();
  m_strDescription.clear();
  CDialog::OnCancel();
}

}  // namespace lunetar
