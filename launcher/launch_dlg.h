// The launcher window: starts the reader or the catalog, or removes the suite.
#pragma once

#include "common/main_dialog.h"

namespace lunetar {

class CLaunchDlg : public CMainDialog {
 public:
  CLaunchDlg();

 protected:
  bool OnHelpRequest() override;
  // The Uninstall button is the dialog's OK command.
  void OnOK() override;
  bool OnCommand(int id, int notifyCode) override;

 private:
  void OnStartCatalog();
  void OnStartReader();
  void Uninstall();
};

}  // namespace lunetar
