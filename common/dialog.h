// A modal dialog built from a dialog template, with its own message loop so that every message
// passes PreTranslateMessage (tool tips relay from there) before it is dispatched.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "common/controls.h"
#include "common/data_exchange.h"
#include "common/tool_tip.h"

namespace lunetar {

// The hint a control of a dialog shows as the mouse rests on it; the text lives as long as the
// program (a literal).
struct ToolTipHint {
  int id;
  const char* text;
};

// A command and its notification as one value, so that a dialog's OnCommand dispatches both in
// one flat switch: case CommandOf(IDC_ADDRESSES, LBN_DBLCLK).
constexpr long CommandOf(int id, int notifyCode) {
  return static_cast<long>(static_cast<unsigned long>(notifyCode & 0xFFFF) << 16 | (id & 0xFFFF));
}

class CDialog {
 public:
  // A dialog without a parent is owned by the program's main window while one exists.
  explicit CDialog(int templateId, CDialog* parent = nullptr);
  virtual ~CDialog();
  CDialog(const CDialog&) = delete;
  CDialog& operator=(const CDialog&) = delete;

  // Shows the dialog and runs its loop until EndDialog; returns the value given to EndDialog,
  // or -1 when the dialog could not be created.
  INT_PTR DoModal();
  // Takes effect once the running handler returns.
  void EndDialog(INT_PTR result);

  // true: controls to members; false: members to controls. Returns false when the exchange
  // refused a value (CDataExchange::Fail); the command that asked should then stop.
  bool UpdateData(bool takeIn);

  // The dialog's controls by id.
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  void EnableItem(int id, bool enable);
  void ShowItem(int id, bool show);
  // Where the control lies in the dialog's client area.
  RECT GetItemRect(int id) const;
  std::string GetItemText(int id) const;
  void SetItemText(int id, const std::string& text);
  // How many characters an edit field takes when typed into.
  void LimitItemText(int id, int maxChars);
  bool IsItemChecked(int id) const;
  void CheckItem(int id, bool checked);

 protected:
  // Called when the dialog exists but is not yet shown; the base shows the members. Returning
  // true gives the focus to the first tab stop.
  virtual bool OnInitDialog();
  // The OK command (id 1, Enter): the base takes the controls in, asks RefusesFields, shows the
  // members and ends the dialog, unless the exchange or the check refused.
  virtual void OnOK();
  // The fields' own checks, once OK has taken them in: a dialog that refuses tells the user why
  // and returns true, and stays open with the fields as typed.
  virtual bool RefusesFields() { return false; }
  // The cancel command (id 2, Esc, close box): the base ends the dialog.
  virtual void OnCancel();
  virtual void DoDataExchange(CDataExchange& dx);
  // Returns true when the message was handled and must not be dispatched. The base relays the
  // message to the dialog's tool tips, then gives it to the dialog manager (keyboard navigation,
  // Enter, Esc).
  virtual bool PreTranslateMessage(MSG* msg);
  // Called once the dialog has shown itself and painted, for what the user does not see at once.
  virtual void OnShown() {}
  // F1 (the help request); returns true when handled.
  virtual bool OnHelpRequest() { return false; }
  // A command other than OK and cancel; returns true when handled.
  virtual bool OnCommand(int id, int notifyCode);
  // Any other window message; returns true when handled, with its result in result.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // Gives controls their hints, in the order given. Called from OnInitDialog after the base's
  // initialisation. The dialog's tool-tip control, with the dialog as its parent, is created,
  // activated and given the hints once the dialog has shown itself.
  void AddToolTips(std::initializer_list<ToolTipHint> hints);
  // Queues message for this dialog, to be handled once the running handler and every message
  // sent before have been.
  void PostToSelf(UINT message);

  HWND m_hWnd = nullptr;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  HWND Owner() const;
  void RunLoop();
  void MakeToolTips();

  int m_nTemplateId;
  CDialog* m_pParent;
  CToolTip m_toolTip;
  std::vector<ToolTipHint> m_toolTipHints;
  bool m_bEnded = false;
  INT_PTR m_nResult = IDCANCEL;
};

}  // namespace lunetar
