// A program's main window: its application icon on the title bar and task bar, painted centred
// when the window is minimised and used as the drag image, and an optional About entry at the
// end of its system menu.
#pragma once

#include <windows.h>

#include <string>

#include "common/dialog.h"

namespace lunetar {

// The command of the About entry on a main window's system menu: below the system's own
// commands (0xF000 and up), and a multiple of 16, since the system keeps the low four bits.
constexpr UINT kAboutCommand = 0x0010;

class CMainDialog : public CDialog {
 public:
  // aboutEntry: the text of the About entry, "" for a window without one.
  CMainDialog(int templateId, int iconId, std::string aboutEntry = {});
  ~CMainDialog() override;

 protected:
  // After the base's: sets the icon and appends a separator and the About entry.
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // The About entry was chosen (only in a window that has one).
  virtual void OnAbout() {}
  // Returns false when the window is not minimised and paints as usual.
  bool OnPaint();
  HICON OnQueryDragIcon() const { return m_hIcon; }

  HICON m_hIcon;

 private:
  // The icon's own image at the system's small-icon size, for the title bar and the task bar:
  // given only the large one, the system shrinks it, and its lines run together.
  HICON m_hSmallIcon;
  std::string m_strAboutEntry;
};

}  // namespace lunetar
