// The Tip of the Day: one tip from the tips file, before the reader window opens or on demand.
#pragma once

#include <string>

#include "common/dialog.h"
#include "reader/tips.h"

namespace lunetar {

// The reader's profile, section "Tip".
class ProfileTipSettings : public TipSettings {
 public:
  int GetInt(const char* entry, int defaultValue) override;
  void WriteInt(const char* entry, int value) override;
  std::string GetString(const char* entry, const std::string& defaultValue) override;
  void WriteString(const char* entry, const std::string& value) override;
};

class CTipOfTheDayDlg : public CDialog {
 public:
  // Already reads the settings and the first tip, so that the tip position advances at every
  // start even when the dialog is not shown.
  CTipOfTheDayDlg();
  // Stores where the next tip search begins, however the dialog ended or whether it was shown.
  ~CTipOfTheDayDlg() override = default;

  int m_bShowAtStartup;

 protected:
  bool OnHelpRequest() override;
  void DoDataExchange(CDataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int id, int notifyCode) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void OnNextTipButton();
  // Puts the outcome of a read into m_strTipText.
  void TakeTip(TipRead read, const std::string& tip);
  void OnPaint();

  ProfileTipSettings m_settings;
  std::string m_strTipText;
  TipsFile m_tipsFile;  // open for the dialog object's whole life
  bool m_bHasTips = true;
};

// Start-up: offers the tip unless the command line asks for an embedded or automated start.
void ShowStartupTip();
// Command 105: shows the tip whatever the start-up choice.
void ShowTipOnDemand();

}  // namespace lunetar
