#include "common/controls.h"

#include <algorithm>

#include "common/gdi.h"

namespace lunetar {

void CControl::SetRedraw(bool redraw) {
  Send(WM_SETREDRAW, redraw);
  if (redraw) InvalidateRect(m_hWnd, nullptr, TRUE);
}

// ---- CListBox ----

void CListBox::ResetContent() { Send(LB_RESETCONTENT); }

void CListBox::AddString(const char* text) {
  Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

int CListBox::GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }

int CListBox::GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }

bool CListBox::SetCurSel(int index) { return Send(LB_SETCURSEL, index) != LB_ERR; }

int CListBox::DeleteString(int index) { return static_cast<int>(Send(LB_DELETESTRING, index)); }

void CListBox::FitHorizontalExtent(const std::vector<std::string>& texts) {
  // A text's width is the sum of its characters' widths, as the list draws it: the widths are
  // taken once, and a collection of any size is measured without a call to the system per text.
  INT widths[256] = {};
  TEXTMETRICA metrics = {};
  {
    CClientDC dc(m_hWnd);
    CSelectObject font(dc, reinterpret_cast<HFONT>(Send(WM_GETFONT)));
    GetCharWidth32A(dc, 0, 255, widths);
    GetTextMetricsA(dc, &metrics);
  }
  LONG widest = 0;
  for (const std::string& text : texts) {
    LONG width = 0;
    for (const char c : text) width += widths[static_cast<unsigned char>(c)];
    widest = std::max(widest, width);
  }
  // The list draws its texts a little way in from its edge: room for that and a blank after the
  // text, so the last character can be scrolled fully into view.
  Send(LB_SETHORIZONTALEXTENT, widest + 2 * metrics.tmAveCharWidth);
}

// ---- CComboBox ----

void CComboBox::AddString(const char* text) {
  Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

std::string CComboBox::GetSelectedText() const {
  const LRESULT selected = Send(CB_GETCURSEL);
  if (selected == CB_ERR) return {};
  const LRESULT length = Send(CB_GETLBTEXTLEN, selected);
  if (length == CB_ERR) return {};
  std::vector<char> text(length + 1);
  Send(CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text.data()));
  return text.data();
}

void CComboBox::SelectString(const std::string& text) {
  // An empty text would match the first entry: it selects nothing new.
  if (text.empty()) return;
  Send(CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
}

void CComboBox::LimitText(int maxChars) { Send(CB_LIMITTEXT, maxChars); }

void CComboBox::SetDropDownEntries(int entries) {
  RECT closed;
  GetWindowRect(m_hWnd, &closed);
  const LRESULT itemHeight = Send(CB_GETITEMHEIGHT);
  const LRESULT fieldHeight = Send(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1));
  // The list's border adds two pixels above and below the entries.
  const int height = static_cast<int>(fieldHeight + 6 + entries * itemHeight + 2);
  SetWindowPos(m_hWnd, nullptr, 0, 0, closed.right - closed.left, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace lunetar
