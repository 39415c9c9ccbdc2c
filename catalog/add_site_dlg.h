// Add Web Site: the address and description of a new site.
#pragma once

#include <string>

#include "common/dialog.h"

namespace lunetar {

class CAddSiteDlg : public CDialog {
 public:
  CAddSiteDlg();

  // Both empty after Cancel.
  std::string m_strAddress;
  std::string m_strDescription;

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  bool OnInitDialog() override;
  // Accepts texts of 1 to 150 characters; otherwise says why and stays open with the texts as
  // typed.
  bool RefusesFields() override;
  void OnCancel() override;
};

}  // namespace lunetar
