#include "common/message_box.h"

namespace lunetar {

int ShowMessage(const char* text, const char* title, UINT style, Modality modality) {
  if (modality == Modality::Task) style |= MB_TASKMODAL;
  // A box without an owner leaves no window active when it closes unless a window manager picks
  // one: the window the user was working in gets the keyboard back, as a click would give it.
  HWND active = GetActiveWindow();
  const int answer = MessageBoxExA(nullptr, text, title, style,
                                   MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  if (active && IsWindow(active) && IsWindowEnabled(active)) SetForegroundWindow(active);
  return answer;
}

}  // namespace lunetar
