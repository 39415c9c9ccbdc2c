#include "common/data_exchange.h"

#include "common/dialog.h"

namespace lunetar {

void CDataExchange::Text(int id, std::string& value, int maxChars) {
  if (m_bFailed) return;
  if (m_bTakeIn) {
    value = m_dialog.GetItemText(id);
  } else {
    if (maxChars > 0) m_dialog.LimitItemText(id, maxChars);
    m_dialog.SetItemText(id, value);
  }
}

void CDataExchange::DropDownString(int id, std::string& value, int maxChars) {
  if (m_bFailed) return;
  CComboBox dropDown(m_dialog.GetDlgItem(id));
  if (m_bTakeIn) {
    value = dropDown.GetSelectedText();
  } else {
    dropDown.LimitText(maxChars);
    dropDown.SelectString(value);
  }
}

void CDataExchange::List(int id, CListBox& list) { list.m_hWnd = m_dialog.GetDlgItem(id); }

void CDataExchange::Check(int id, int& value) {
  if (m_bFailed) return;
  if (m_bTakeIn) {
    value = m_dialog.IsItemChecked(id) ? 1 : 0;
  } else {
    m_dialog.CheckItem(id, value != 0);
  }
}

}  // namespace lunetar
