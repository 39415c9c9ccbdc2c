// Add Command or Tip: one line for the user-defined chapter.
#pragma once

#include <string>

#include "common/dialog.h"

namespace lunetar {

class CAddCommandDlg : public CDialog {
 public:
  CAddCommandDlg();

  std::string m_strEntry;  // valid when the dialog ended with OK

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  bool OnInitDialog() override;
  // Accepts an entry of 1 to 94 characters; otherwise says why and stays open.
  bool RefusesFields() override;
};

}  // namespace lunetar
