// The catalog's About box, opened from the About entry of the catalog window's system menu.
#pragma once

#include "common/dialog.h"

namespace lunetar {

class CCatalogAboutDlg : public CDialog {
 public:
  CCatalogAboutDlg();

 protected:
  bool OnInitDialog() override;
  // The OK button has an id of its own; Enter ends the box through the base's OnOK, Esc and the
  // close box through OnCancel.
  bool OnCommand(int id, int notifyCode) override;
};

}  // namespace lunetar
