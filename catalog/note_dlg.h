// Note: the note of one site, under its description and address, saved to or deleted from the
// site's note file.
#pragma once

#include <string>

#include "common/dialog.h"

namespace lunetar {

class CNoteDlg : public CDialog {
 public:
  CNoteDlg();

  // Filled by the caller before DoModal; all three empty after Cancel.
  std::string m_strNote;
  std::string m_strDescription;  // names the note file
  std::string m_strAddress;

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  bool OnInitDialog() override;
  // Save: writes the note file and closes, or says why not and stays open with the text.
  void OnOK() override;
  // Drops the typed text; no file is touched.
  void OnCancel() override;
  bool OnCommand(int id, int notifyCode) override;

 private:
  // Removes the note file and empties the field; the dialog stays open.
  void OnDeleteNote();
};

}  // namespace lunetar
