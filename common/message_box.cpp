#include "common/message_box.h"

namespace lunetar {

int ShowMessage(const char* text, const char* title, UINT style, Modality modality) {
  if (modality == Modality::Task) style |= MB_TASKMODAL;
  return MessageBoxExA(nullptr, text, title, style,
                       MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
}

}  // namespace lunetar
