// The controls of a dialog that the programs drive: list boxes and drop-down lists. Each wraps the
// control's window: a list box member is attached by the dialog's data exchange
// (CDataExchange::List), a drop-down is wrapped where it is used (CComboBox(GetDlgItem(id))).
// Positions count from 0, and -1 stands for no entry, as the controls themselves report it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace lunetar {

class CControl {
 public:
  CControl() = default;
  explicit CControl(HWND window) : m_hWnd(window) {}

  HWND m_hWnd = nullptr;

  // Drawing off while many entries go in, so the control does not repaint per entry; turning it
  // on again repaints the control once.
  void SetRedraw(bool redraw);

 protected:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageA(m_hWnd, message, wParam, lParam);
  }
};

class CListBox : public CControl {
 public:
  using CControl::CControl;
  void ResetContent();
  void AddString(const char* text);
  int GetCount() const;
  // The selected entry, or -1 when none is.
  int GetCurSel() const;
  // Selects the entry at index and scrolls it into view; -1 selects nothing. Returns false for -1
  // and for an index that is no entry.
  bool SetCurSel(int index);
  // Removes the entry at index. Returns the number of entries left, or -1 when index is no entry.
  int DeleteString(int index);
  // Lets the horizontal scroll bar reach the end of the widest of texts, in the list's font.
  void FitHorizontalExtent(const std::vector<std::string>& texts);
};

// A drop-down list: a closed field that shows the selected entry, and the list it opens.
class CComboBox : public CControl {
 public:
  using CControl::CControl;
  void AddString(const char* text);
  // The selected entry's text, or "" when none is selected.
  std::string GetSelectedText() const;
  // Selects the first entry, in the list's own order, that begins with text (without regard to
  // case); an empty text, or one that begins no entry, keeps the selection.
  void SelectString(const std::string& text);
  void LimitText(int maxChars);
  // Lets the list open to show up to entries entries at once, whatever height the template gives
  // the closed control and its list together.
  void SetDropDownEntries(int entries);
};

}  // namespace lunetar
