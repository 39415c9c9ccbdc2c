#include "common/main_dialog.h"

#include <utility>

#include "common/app.h"
#include "common/gdi.h"

namespace lunetar {

CMainDialog::CMainDialog(int templateId, int iconId, std::string aboutEntry)
    : CDialog(templateId),
      m_hIcon(LoadIconA(CApp::Get().Instance(), MAKEINTRESOURCEA(iconId))),
      m_hSmallIcon(static_cast<HICON>(LoadImageA(
          CApp::Get().Instance(), MAKEINTRESOURCEA(iconId), IMAGE_ICON,
          GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR))),
      m_strAboutEntry(std::move(aboutEntry)) {}

// LoadIconA's icon is shared and must not be destroyed; LoadImageA's without LR_SHARED is ours.
CMainDialog::~CMainDialog() {
  if (m_hSmallIcon) DestroyIcon(m_hSmallIcon);
}

bool CMainDialog::OnInitDialog() {
  bool result = CDialog::OnInitDialog();
  SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(m_hSmallIcon ? m_hSmallIcon : m_hIcon));
  HMENU menu = GetSystemMenu(m_hWnd, FALSE);
  if (menu && !m_strAboutEntry.empty()) {
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kAboutCommand, m_strAboutEntry.c_str());
  }
  return result;
}

bool CMainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_SYSCOMMAND:
      // The system keeps the low four bits of the command for itself.
      if ((wParam & 0xFFF0) != kAboutCommand || m_strAboutEntry.empty()) return false;
      OnAbout();
      return true;
    case WM_PAINT:
      return OnPaint();
    case WM_QUERYDRAGICON:
      result = reinterpret_cast<LRESULT>(OnQueryDragIcon());
      return true;
  }
  return false;
}

bool CMainDialog::OnPaint() {
  if (!IsIconic(m_hWnd)) return false;
  CPaintDC dc(m_hWnd);
  SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)), 0);
  RECT client;
  GetClientRect(m_hWnd, &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, m_hIcon);
  return true;
}

}  // namespace lunetar
