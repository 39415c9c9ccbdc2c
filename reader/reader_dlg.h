// The reader window: the book's text list, the chapter and keyword drop-downs and their buttons.
#pragma once

#include <string>

#include "common/main_dialog.h"

namespace lunetar {

class CReaderDlg : public CMainDialog {
 public:
  CReaderDlg();

 protected:
  bool OnHelpRequest() override;
  void DoDataExchange(CDataExchange& dx) override;
  bool OnInitDialog() override;
  void OnShown() override;
  void OnOK() override;
  void OnCancel() override;
  bool OnCommand(int id, int notifyCode) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnAbout() override;

 private:
  void LoadPosition();
  void SavePosition();
  void ShowChapter(int index);
  bool ShowFoundChapter(int chapter);
  void ShowUserChapter();
  void LoadUserChapter();
  void OnAddButton();
  void OnCommandButton();
  void OnHelpButton();
  void OnUpdatesButton();
  void OnSize(UINT kind);
  void RemoveSizingCommands();

  CListBox m_listText;
  std::string m_strChapter;
  std::string m_strKeyword;
  std::string m_strSelection;
};

}  // namespace lunetar
