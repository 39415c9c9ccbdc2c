// Tools: the catalog's less frequent commands as a bar of buttons. Restore, Save and Print All
// close it and leave their choice in m_nChoice for the catalog window to carry out; Updates
// opens the product page and keeps it open.
#pragma once

#include "common/dialog.h"

namespace lunetar {

class CToolsDlg : public CDialog {
 public:
  enum Choice { kNone = 0, kCompleteReport = 1, kSave = 2, kRestore = 3 };

  CToolsDlg();

  // Set by the caller before every showing; the command chosen once the dialog has closed.
  int m_nChoice = kNone;

 protected:
  bool OnInitDialog() override;
  // Print All: asks first; on No the dialog stays open.
  void OnOK() override;
  void OnCancel() override;
  bool OnCommand(int id, int notifyCode) override;

 private:
  void OnUpdates();
  // Every choice closes through the cancel ending: the choice, not the result, tells what to do.
  void Choose(int choice);
};

}  // namespace lunetar
