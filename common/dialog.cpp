#include "common/dialog.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "common/app.h"

namespace lunetar {

// ---- CListBox ----

void CListBox::ResetContent() { SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0); }

void CListBox::AddString(const char* text) {
  SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

int CListBox::GetCount() const {
  return static_cast<int>(SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0));
}

std::string CListBox::GetText(int index) const {
  LRESULT length = SendMessageA(m_hWnd, LB_GETTEXTLEN, index, 0);
  if (length == LB_ERR) return {};
  std::vector<char> text(length + 1);
  SendMessageA(m_hWnd, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return text.data();
}

int CListBox::GetCurSel() const {
  return static_cast<int>(SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0));
}

bool CListBox::SetCurSel(int index) {
  return SendMessageA(m_hWnd, LB_SETCURSEL, index, 0) != LB_ERR;
}

int CListBox::DeleteString(int index) {
  return static_cast<int>(SendMessageA(m_hWnd, LB_DELETESTRING, index, 0));
}

int CListBox::FindString(int startAfter, const char* text) const {
  return static_cast<int>(
      SendMessageA(m_hWnd, LB_FINDSTRING, startAfter, reinterpret_cast<LPARAM>(text)));
}

int CListBox::FindStringExact(int startAfter, const char* text) const {
  return static_cast<int>(
      SendMessageA(m_hWnd, LB_FINDSTRINGEXACT, startAfter, reinterpret_cast<LPARAM>(text)));
}

void CListBox::FitHorizontalExtent(const std::vector<std::string>& texts) {
  HDC dc = GetDC(m_hWnd);
  HGDIOBJ font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
  // A text's width is the sum of its characters' widths, as the list draws it: the widths are
  // taken once, and a collection of any size is measured without a call to the system per text.
  INT widths[256] = {};
  GetCharWidth32A(dc, 0, 255, widths);
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, font);
  ReleaseDC(m_hWnd, dc);
  LONG widest = 0;
  for (const std::string& text : texts) {
    LONG width = 0;
    for (const char c : text) width += widths[static_cast<unsigned char>(c)];
    widest = std::max(widest, width);
  }
  // The list draws its texts a little way in from its edge: room for that and a blank after the
  // text, so the last character can be scrolled fully into view.
  SendMessageA(m_hWnd, LB_SETHORIZONTALEXTENT, widest + 2 * metrics.tmAveCharWidth, 0);
}

void CListBox::SetRedraw(bool redraw) {
  SendMessageA(m_hWnd, WM_SETREDRAW, redraw, 0);
  if (redraw) InvalidateRect(m_hWnd, nullptr, TRUE);
}

// ---- CDialog ----

CDialog::CDialog(int templateId, CDialog* parent) : m_nTemplateId(templateId), m_pParent(parent) {}

CDialog::~CDialog() {
  m_toolTip.Destroy();
  if (m_hWnd) DestroyWindow(m_hWnd);
}

HWND CDialog::Owner() const {
  if (m_pParent) return m_pParent->m_hWnd;
  CDialog* main = CApp::Get().m_pMainWnd;
  return main && main != this ? main->m_hWnd : nullptr;
}

INT_PTR CDialog::DoModal() {
  HWND owner = Owner();
  m_bEnded = false;
  m_nResult = IDCANCEL;
  m_toolTipHints.clear();
  HWND window = CreateDialogParamA(CApp::Get().Instance(), MAKEINTRESOURCEA(m_nTemplateId),
                                   owner, DialogProc, reinterpret_cast<LPARAM>(this));
  if (!window) return -1;
  const bool ownerWasEnabled = owner && !EnableWindow(owner, FALSE);
  if (!m_bEnded) ShowWindow(window, SW_SHOW);

  MSG msg;
  bool shown = false;
  while (!m_bEnded) {
    // The first time nothing waits, the dialog has shown itself and painted: what the user does
    // not see at once is done now (the tool tips, whose common controls take a while to load),
    // so that it never keeps the window from showing.
    if (!shown && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      OnShown();
      MakeToolTips();
      shown = true;
      continue;
    }
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
      break;
    }
    if (!PreTranslateMessage(&msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }

  // The owner is enabled before the dialog goes, so that the activation returns to it.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  m_toolTip.Destroy();
  if (m_hWnd) {
    HWND gone = m_hWnd;
    m_hWnd = nullptr;
    DestroyWindow(gone);
  }
  return m_nResult;
}

void CDialog::EndDialog(INT_PTR result) {
  m_nResult = result;
  m_bEnded = true;
  PostMessageA(m_hWnd, WM_NULL, 0, 0);  // wakes the loop if it is waiting
}

bool CDialog::UpdateData(bool takeIn) {
  CDataExchange dx(*this, takeIn);
  DoDataExchange(dx);
  return !dx.HasFailed();
}

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange&) {}

bool CDialog::PreTranslateMessage(MSG* msg) {
  m_toolTip.RelayEvent(msg);
  return IsDialogMessageA(m_hWnd, msg);
}

void CDialog::AddToolTips(std::initializer_list<ToolTipHint> hints) {
  m_toolTipHints.insert(m_toolTipHints.end(), hints.begin(), hints.end());
}

void CDialog::MakeToolTips() {
  if (m_toolTipHints.empty() || !m_toolTip.Create(m_hWnd)) return;
  m_toolTip.Activate(true);
  for (const ToolTipHint& hint : m_toolTipHints) m_toolTip.AddTool(GetDlgItem(hint.id), hint.text);
}

bool CDialog::OnCommand(int, int) { return false; }

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* dialog;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->m_hWnd = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
  } else {
    dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  if (!dialog || dialog->m_hWnd != window) return FALSE;
  // No exception may cross the system's window procedure.
  try {
    return dialog->HandleMessage(message, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      if (!OnInitDialog()) return FALSE;
      // The focus goes to the first tab stop the way the dialog manager moves it, so that a
      // push button taking it also becomes the button that Enter presses.
      SendMessageA(m_hWnd, WM_NEXTDLGCTL,
                   reinterpret_cast<WPARAM>(GetNextDlgTabItem(m_hWnd, nullptr, FALSE)), TRUE);
      return FALSE;
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      if (id == IDOK && code == BN_CLICKED) {
        OnOK();
        return TRUE;
      }
      if (id == IDCANCEL && code == BN_CLICKED) {
        OnCancel();
        return TRUE;
      }
      // What the window leaves goes on to the application, as menu commands do.
      return OnCommand(id, code) || CApp::Get().OnCommand(id);
    }
    case WM_HELP:
      return OnHelpRequest();
  }
  LRESULT result = 0;
  if (!OnMessage(message, wParam, lParam, result)) return FALSE;
  switch (message) {
    // These hand their result back as the dialog procedure's own return value.
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_QUERYDRAGICON:
      return static_cast<INT_PTR>(result);
  }
  SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
  return TRUE;
}

void SetDropDownEntries(HWND comboBox, int entries) {
  RECT closed;
  GetWindowRect(comboBox, &closed);
  const LRESULT itemHeight = SendMessageA(comboBox, CB_GETITEMHEIGHT, 0, 0);
  const LRESULT fieldHeight = SendMessageA(comboBox, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  // The list's border adds two pixels above and below the entries.
  const int height = static_cast<int>(fieldHeight + 6 + entries * itemHeight + 2);
  SetWindowPos(comboBox, nullptr, 0, 0, closed.right - closed.left, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- CDataExchange ----

void CDataExchange::Text(int id, std::string& value, int maxChars) {
  if (m_bFailed) return;
  HWND control = m_dialog.GetDlgItem(id);
  if (m_bTakeIn) {
    int length = GetWindowTextLengthA(control);
    std::vector<char> text(length + 1);
    GetWindowTextA(control, text.data(), length + 1);
    value = text.data();
  } else {
    if (maxChars > 0) SendMessageA(control, EM_LIMITTEXT, maxChars, 0);
    SetWindowTextA(control, value.c_str());
  }
}

void CDataExchange::DropDownString(int id, std::string& value, int maxChars) {
  if (m_bFailed) return;
  HWND control = m_dialog.GetDlgItem(id);
  if (m_bTakeIn) {
    LRESULT selected = SendMessageA(control, CB_GETCURSEL, 0, 0);
    value.clear();
    if (selected == CB_ERR) return;
    LRESULT length = SendMessageA(control, CB_GETLBTEXTLEN, selected, 0);
    std::vector<char> text(length + 1);
    SendMessageA(control, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text.data()));
    value = text.data();
  } else {
    SendMessageA(control, CB_LIMITTEXT, maxChars, 0);
    // An empty text would match the first entry: it selects nothing new.
    if (!value.empty()) {
      SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(value.c_str()));
    }
  }
}

void CDataExchange::List(int id, CListBox& list) { list.m_hWnd = m_dialog.GetDlgItem(id); }

void CDataExchange::Check(int id, int& value) {
  if (m_bFailed) return;
  HWND control = m_dialog.GetDlgItem(id);
  if (m_bTakeIn) {
    value = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  } else {
    SendMessageA(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

// ---- CMainDialog ----

CMainDialog::CMainDialog(int templateId, int iconId, std::string aboutEntry)
    : CDialog(templateId),
      m_hIcon(LoadIconA(CApp::Get().Instance(), MAKEINTRESOURCEA(iconId))),
      m_hSmallIcon(static_cast<HICON>(LoadImageA(
          CApp::Get().Instance(), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
          GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR))),
      m_strAboutEntry(std::move(aboutEntry)) {}

// LoadIconA's icon is shared and must not be destroyed; LoadImageA's without LR_SHARED is ours.
CMainDialog::~CMainDialog() {
  if (m_hSmallIcon) DestroyIcon(m_hSmallIcon);
}

bool CMainDialog::OnInitDialog() {
  bool result = CDialog::OnInitDialog();
  SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(m_hSmallIcon ? m_hSmallIcon : m_hIcon));
  HMENU menu = GetSystemMenu(m_hWnd, FALSE);
  if (menu && !m_strAboutEntry.empty()) {
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kAboutCommand, m_strAboutEntry.c_str());
  }
  return result;
}

bool CMainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_SYSCOMMAND:
      // The system keeps the low four bits of the command for itself.
      if ((wParam & 0xFFF0) != kAboutCommand || m_strAboutEntry.empty()) return false;
      OnAbout();
      return true;
    case WM_PAINT:
      return OnPaint();
    case WM_QUERYDRAGICON:
      result = reinterpret_cast<LRESULT>(OnQueryDragIcon());
      return true;
  }
  return false;
}

bool CMainDialog::OnPaint() {
  if (!IsIconic(m_hWnd)) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(m_hWnd, &paint);
  SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(m_hWnd, &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, m_hIcon);
  EndPaint(m_hWnd, &paint);
  return true;
}

}  // namespace lunetar
