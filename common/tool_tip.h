// A dialog's tool tips: one hint per control, shown as the mouse rests on it. The dialog base
// owns one (CDialog::AddToolTips) and relays its messages from PreTranslateMessage, so the hints
// also work while the dialog's own loop runs.
#pragma once

#include <windows.h>

namespace lunetar {

class CToolTip {
 public:
  CToolTip() = default;
  ~CToolTip();
  CToolTip(const CToolTip&) = delete;
  CToolTip& operator=(const CToolTip&) = delete;

  bool Create(HWND parent);
  // Destroys the control before its parent goes.
  void Destroy();
  void Activate(bool active);
  void AddTool(HWND control, const char* text);
  void RelayEvent(MSG* msg);

 private:
  HWND m_hWnd = nullptr;
  HWND m_hParent = nullptr;
};

}  // namespace lunetar
