// Moves values between a dialog's controls and its members, in the direction the dialog's
// UpdateData asked for; each helper serves both directions.
#pragma once

#include <string>

#include "common/controls.h"

namespace lunetar {

class CDialog;

class CDataExchange {
 public:
  CDataExchange(CDialog& dialog, bool takeIn) : m_dialog(dialog), m_bTakeIn(takeIn) {}

  bool IsTakingIn() const { return m_bTakeIn; }
  // Refuses the exchange, for a value that the dialog's own checks reject (the dialog tells the
  // user why). The value helpers after it leave their members and controls alone (a list is
  // still bound), and UpdateData returns false.
  void Fail() { m_bFailed = true; }
  bool HasFailed() const { return m_bFailed; }

  // An edit field, limited to maxChars characters when shown, or a static text (maxChars 0).
  void Text(int id, std::string& value, int maxChars = 0);
  // A drop-down list. Taking in yields the selected entry's text, or "" when none is selected.
  // Showing selects the first entry, in the drop-down's own order, that begins with value
  // (case-insensitive); an empty value or one that begins no entry keeps the selection.
  void DropDownString(int id, std::string& value, int maxChars);
  void List(int id, CListBox& list);
  void Check(int id, int& value);

 private:
  CDialog& m_dialog;
  bool m_bTakeIn;
  bool m_bFailed = false;
};

}  // namespace lunetar
