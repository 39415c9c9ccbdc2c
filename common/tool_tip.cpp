#include "common/tool_tip.h"

#include <commctrl.h>

namespace lunetar {

CToolTip::~CToolTip() { Destroy(); }

void CToolTip::Destroy() {
  if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
  m_hWnd = nullptr;
  m_hParent = nullptr;
}

bool CToolTip::Create(HWND parent) {
  m_hParent = parent;
  m_hWnd = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)),
                           nullptr);
  return m_hWnd != nullptr;
}

void CToolTip::Activate(bool active) { SendMessageA(m_hWnd, TTM_ACTIVATE, active, 0); }

void CToolTip::AddTool(HWND control, const char* text) {
  TOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = m_hParent;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<char*>(text);
  SendMessageA(m_hWnd, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void CToolTip::RelayEvent(MSG* msg) {
  if (!m_hWnd) return;
  switch (msg->message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      SendMessageA(m_hWnd, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
      break;
  }
}

}  // namespace lunetar
