#include "reader/tip_dlg.h"

#include <sstream>

#include "common/app.h"
#include "common/gdi.h"
#include "common/message_box.h"
#include "common/suite.h"
#include "reader/help.h"
#include "resources/reader_ids.h"

namespace lunetar {
namespace {

constexpr const char* kSection = "Tip";
constexpr const char* kTipsFile = LUNETAR_TIPS_FILE;

// The platform's switches for a program started by another to serve it, which must not greet
// anyone: /Embedding and /Automation, also with "-".
bool StartedForAnotherProgram(const std::string& commandLine) {
  std::istringstream words(commandLine);
  for (std::string word; words >> word;) {
    if (word.size() < 2 || (word[0] != '/' && word[0] != '-')) continue;
    word.erase(0, 1);
    if (lstrcmpiA(word.c_str(), "Embedding") == 0 || lstrcmpiA(word.c_str(), "Automation") == 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

int ProfileTipSettings::GetInt(const char* entry, int defaultValue) {
  return CApp::Get().GetProfileInt(kSection, entry, defaultValue);
}

void ProfileTipSettings::WriteInt(const char* entry, int value) {
  CApp::Get().WriteProfileInt(kSection, entry, value);
}

std::string ProfileTipSettings::GetString(const char* entry, const std::string& defaultValue) {
  return CApp::Get().GetProfileString(kSection, entry, defaultValue);
}

void ProfileTipSettings::WriteString(const char* entry, const std::string& value) {
  CApp::Get().WriteProfileString(kSection, entry, value);
}

CTipOfTheDayDlg::CTipOfTheDayDlg()
    : CDialog(IDD_TIP_OF_THE_DAY), m_tipsFile(kTipsFile, m_settings) {
  m_bShowAtStartup = ShowTipAtStartup(m_settings) ? 1 : 0;
  if (!m_tipsFile.IsOpen()) {
    m_strTipText = LoadResourceString(IDS_TIPS_FILE_MISSING);
    m_bHasTips = false;
    return;
  }
  TakeTip(m_tipsFile.FirstRead(), m_tipsFile.FirstTip());
}

void CTipOfTheDayDlg::TakeTip(TipRead read, const std::string& tip) {
  switch (read) {
    case TipRead::Found:
      m_strTipText = tip;
      break;
    case TipRead::SeekFailed:
      ShowMessage(LoadResourceString(IDS_TIPS_FILE_TROUBLE).c_str(), CApp::Get().Name().c_str(),
                  MB_ICONWARNING | MB_OK);
      m_strTipText.clear();
      break;
    case TipRead::NoTip:
      // Searching again would find nothing either.
      m_strTipText = "The tips file holds no tips.";
      m_bHasTips = false;
      break;
  }
}

bool CTipOfTheDayDlg::OnHelpRequest() {
  ShowHelp();
  return true;
}

void CTipOfTheDayDlg::DoDataExchange(CDataExchange& dx) {
  dx.Check(IDC_SHOW_AT_STARTUP, m_bShowAtStartup);
  dx.Text(IDC_TIP_TEXT, m_strTipText);
}

bool CTipOfTheDayDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  if (!m_bHasTips) EnableItem(IDC_NEXT_TIP, false);
  return true;
}

// "Launch": the check box decides whether the tip greets the next start.
void CTipOfTheDayDlg::OnOK() {
  CDialog::OnOK();
  SaveShowTipAtStartup(m_settings, m_bShowAtStartup == 1);
}

void CTipOfTheDayDlg::OnNextTipButton() {
  std::string tip;
  TakeTip(m_tipsFile.Next(tip), tip);
  if (!m_bHasTips) EnableItem(IDC_NEXT_TIP, false);
  SetItemText(IDC_TIP_TEXT, m_strTipText);
}

bool CTipOfTheDayDlg::OnCommand(int id, int notifyCode) {
  if (id != IDC_NEXT_TIP || notifyCode != BN_CLICKED) return false;
  OnNextTipButton();
  return true;
}

bool CTipOfTheDayDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_CTLCOLORSTATIC:
      // The tip stands on white, like the picture area around it.
      if (reinterpret_cast<HWND>(lParam) != GetDlgItem(IDC_TIP_TEXT)) return false;
      SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
      result = reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
      return true;
    case WM_PAINT:
      OnPaint();
      return true;
  }
  return false;
}

// The picture area: white, the bulb in its top-left corner and the heading beside it.
void CTipOfTheDayDlg::OnPaint() {
  CPaintDC dc(m_hWnd);
  const RECT area = GetItemRect(IDC_TIP_PICTURE);
  const CGdiObject<HBRUSH> white(CreateSolidBrush(RGB(255, 255, 255)));
  FillRect(dc, &area, white);

  const CGdiObject<HBITMAP> bulb(
      LoadBitmapA(CApp::Get().Instance(), MAKEINTRESOURCEA(IDB_TIP_BULB)));
  BITMAP size = {};
  GetObjectA(bulb, sizeof size, &size);
  {
    CMemoryDC memory(dc);
    CSelectObject selected(memory, bulb);
    BitBlt(dc, area.left, area.top, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
  }

  RECT band = area;
  band.left += size.bmWidth;
  band.bottom = band.top + size.bmHeight;
  const std::string heading = LoadResourceString(IDS_TIP_HEADING);
  DrawTextA(dc, heading.c_str(), -1, &band, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

void ShowStartupTip() {
  if (StartedForAnotherProgram(CApp::Get().CommandLine())) return;
  CTipOfTheDayDlg tip;
  if (tip.m_bShowAtStartup == 1) tip.DoModal();
}

void ShowTipOnDemand() {
  CTipOfTheDayDlg tip;
  tip.DoModal();
}

}  // namespace lunetar
