// The catalog's message boxes: all of them titled "SARNOVO", with no owner and task-modal.
#pragma once

#include <string>

#include "common/message_box.h"

namespace lunetar {

constexpr const char* kCatalogTitle = "SARNOVO";

inline void ShowError(const std::string& text) {
  ShowMessage(text.c_str(), kCatalogTitle, MB_ICONERROR | MB_OK);
}

inline void ShowInformation(const std::string& text) {
  ShowMessage(text.c_str(), kCatalogTitle, MB_ICONINFORMATION | MB_OK);
}

// Shows a refusal of the catalog's checks ("" when they accepted); returns whether there was one.
inline bool ShowRefusal(const std::string& refusal) {
  if (refusal.empty()) return false;
  ShowError(refusal);
  return true;
}

// A question with Yes and No; every answer but No counts as yes.
inline bool AskYesNo(const std::string& text) {
  return ShowMessage(text.c_str(), kCatalogTitle, MB_ICONQUESTION | MB_YESNO) != IDNO;
}

}  // namespace lunetar
