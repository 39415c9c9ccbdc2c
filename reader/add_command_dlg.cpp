#include "reader/add_command_dlg.h"

#include "common/message_box.h"
#include "resources/reader_ids.h"

namespace lunetar {
namespace {
constexpr int kEntryChars = 100;
// An entry must fit a line of the reader's text list.
constexpr std::size_t kLongestEntry = 94;
}  // namespace

CAddCommandDlg::CAddCommandDlg() : CDialog(IDD_ADD_COMMAND) {}

void CAddCommandDlg::DoDataExchange(CDataExchange& dx) {
  dx.Text(IDC_ENTRY, m_strEntry, kEntryChars);
}

bool CAddCommandDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  AddToolTips({
      {IDOK, "add command or tip"},
      {IDC_ENTRY, "enter your command or tip here"},
  });
  return true;
}

// Both messages leave this dialog usable behind them.
bool CAddCommandDlg::RefusesFields() {
  if (m_strEntry.empty()) {
    ShowMessage("Please enter your own command or tip first.    ", "Korvadex",
                MB_ICONWARNING | MB_OK, Modality::None);
    return true;
  }
  if (m_strEntry.size() > kLongestEntry) {
    ShowMessage("The command or tip is too long.    ", "Korvadex", MB_ICONERROR | MB_OK,
                Modality::None);
    return true;
  }
  return false;
}

}  // namespace lunetar
