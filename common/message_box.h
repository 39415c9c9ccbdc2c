// The suite's message boxes: no owner window, English button texts, and task-modal unless a
// dialog must stay usable behind its message.
#pragma once

#include <windows.h>

namespace lunetar {

// The suite's words for a command that ran out of memory.
constexpr const char* kLowMemoryText =
    "Memory resources are low. Please close other programs and then try again.    ";

enum class Modality {
  Task,  // every window of the program waits for the answer
  None,  // the windows behind stay usable
};

// style: the icon and buttons (MB_ICONWARNING | MB_OK, MB_ICONQUESTION | MB_YESNO, ...).
// Returns the button pressed (IDOK, IDYES, IDNO).
int ShowMessage(const char* text, const char* title, UINT style,
                Modality modality = Modality::Task);

}  // namespace lunetar
