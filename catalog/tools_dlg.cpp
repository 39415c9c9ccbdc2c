#include "catalog/tools_dlg.h"

#include "catalog/catalog_messages.h"
#include "catalog/catalog_texts.h"
#include "common/programs.h"
#include "common/suite.h"
#include "resources/catalog_ids.h"

namespace lunetar {

CToolsDlg::CToolsDlg() : CDialog(IDD_TOOLS) {}

bool CToolsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  AddToolTips({
      {IDC_TOOLS_SAVE, "save data"},
      {IDC_TOOLS_RESTORE, "restore collection"},
      {IDC_TOOLS_UPDATES, "update Sarnovo"},
      {IDOK, "create complete report"},
  });
  return true;
}

bool CToolsDlg::OnCommand(int id, int notifyCode) {
  if (notifyCode != BN_CLICKED) return false;
  switch (id) {
    case IDC_TOOLS_RESTORE:
      Choose(kRestore);
      return true;
    case IDC_TOOLS_SAVE:
      Choose(kSave);
      return true;
    case IDC_TOOLS_UPDATES:
      OnUpdates();
      return true;
  }
  return false;
}

void CToolsDlg::OnOK() {
  if (!AskYesNo(texts::kCompleteReportQuestion)) return;
  Choose(kCompleteReport);
}

void CToolsDlg::OnCancel() { Choose(kNone); }

void CToolsDlg::OnUpdates() {
  OpenWithAssociatedProgram(LUNETAR_README_PAGE, LUNETAR_PROGRAM_FOLDER, LUNETAR_PRODUCT_PAGE,
                            m_hWnd, kCatalogTitle);
}

void CToolsDlg::Choose(int choice) {
  m_nChoice = choice;
  EndDialog(IDCANCEL);
}

}  // namespace lunetar
