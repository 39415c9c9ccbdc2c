#include "common/dialog.h"

#include <vector>

#include "common/app.h"
#include "common/scope_exit.h"

namespace lunetar {

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

  // However the loop ends, an exception on its way to WinMain included, the owner is enabled
  // before the dialog goes, so that the activation returns to it.
  const bool ownerWasEnabled = owner && !EnableWindow(owner, FALSE);
  const ScopeExit ending([this, owner, ownerWasEnabled] {
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    m_toolTip.Destroy();
    if (HWND gone = m_hWnd) {
      m_hWnd = nullptr;
      DestroyWindow(gone);
    }
  });

  if (!m_bEnded) ShowWindow(window, SW_SHOW);
  RunLoop();
  return m_nResult;
}

void CDialog::RunLoop() {
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
      return;
    }
    if (!PreTranslateMessage(&msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

void CDialog::EndDialog(INT_PTR result) {
  m_nResult = result;
  m_bEnded = true;
  PostToSelf(WM_NULL);  // wakes the loop if it is waiting
}

void CDialog::PostToSelf(UINT message) { PostMessageA(m_hWnd, message, 0, 0); }

bool CDialog::UpdateData(bool takeIn) {
  CDataExchange dx(*this, takeIn);
  DoDataExchange(dx);
  return !dx.HasFailed();
}

// ---- the dialog's controls ----

void CDialog::EnableItem(int id, bool enable) { EnableWindow(GetDlgItem(id), enable); }

void CDialog::ShowItem(int id, bool show) { ShowWindow(GetDlgItem(id), show ? SW_SHOW : SW_HIDE); }

RECT CDialog::GetItemRect(int id) const {
  RECT area = {};
  GetWindowRect(GetDlgItem(id), &area);
  MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

std::string CDialog::GetItemText(int id) const {
  HWND control = GetDlgItem(id);
  const int length = GetWindowTextLengthA(control);
  std::vector<char> text(length + 1);
  GetWindowTextA(control, text.data(), length + 1);
  return text.data();
}

void CDialog::SetItemText(int id, const std::string& text) {
  SetWindowTextA(GetDlgItem(id), text.c_str());
}

void CDialog::LimitItemText(int id, int maxChars) {
  SendDlgItemMessageA(m_hWnd, id, EM_LIMITTEXT, maxChars, 0);
}

bool CDialog::IsItemChecked(int id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }

void CDialog::CheckItem(int id, bool checked) {
  CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

// ---- what a dialog may override ----

bool CDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void CDialog::OnOK() {
  if (!UpdateData(true) || RefusesFields()) return;
  UpdateData(false);
  EndDialog(IDOK);
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

// ---- the dialog procedure ----

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
  // No exception may cross the system's window procedure: the command it ended is told, and the
  // program goes on with the next message.
  try {
    return dialog->HandleMessage(message, wParam, lParam);
  } catch (...) {
    ReportException();
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

}  // namespace lunetar
