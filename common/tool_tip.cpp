#include "common/tool_tip.h"

#include <commctrl.h>

#include "common/system_library.h"

namespace lunetar {
namespace {
// The tool tips are the one common control of the programs: the library is loaded for the first
// one, from the system folder, and registers the tool-tip class.
bool RegisterToolTipClass() {
  static const bool registered = [] {
    const auto initialize = SystemFunction<decltype(&InitCommonControlsEx)>(
        "comctl32.dll", "InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    return initialize && initialize(&controls);
  }();
  return registered;
}
}  // namespace

CToolTip::~CToolTip() { Destroy(); }

void CToolTip::Destroy() {
  if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
  m_hWnd = nullptr;
  m_hParent = nullptr;
}

bool CToolTip::Create(HWND parent) {
  if (!RegisterToolTipClass()) return false;
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
