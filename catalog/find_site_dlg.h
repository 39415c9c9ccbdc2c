// Find Web Site: the beginning of a description to look for.
#pragma once

#include <string>

#include "common/dialog.h"

namespace lunetar {

class CFindSiteDlg : public CDialog {
 public:
  CFindSiteDlg();

  // Empty after Cancel.
  std::string m_strDescription;

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  bool OnInitDialog() override;
  // Accepts a text of 1 to 150 characters; otherwise says why and stays open.
  bool RefusesFields() override;
  void OnCancel() override;
};

}  // namespace lunetar
