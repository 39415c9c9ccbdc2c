// A modal dialog built from a dialog template, with its own message loop so that every message
// passes PreTranslateMessage (tool tips relay from there) before it is dispatched.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "common/tool_tip.h"

namespace lunetar {

class CDataExchange;

// The hint a control of a dialog shows as the mouse rests on it; the text lives as long as the
// program (a literal).
struct ToolTipHint {
  int id;
  const char* text;
};

// A list box of a dialog, attached by the data exchange. Positions count from 0; -1 stands for
// no entry, as the list box itself reports it.
class CListBox {
 public:
  HWND m_hWnd = nullptr;

  void ResetContent();
  void AddString(const char* text);
  int GetCount() const;
  std::string GetText(int index) const;
  // The selected entry, or -1 when none is.
  int GetCurSel() const;
  // Selects the entry at index and scrolls it into view; -1 selects nothing. Returns false for -1
  // and for an index that is no entry.
  bool SetCurSel(int index);
  // Removes the entry at index. Returns the number of entries left, or -1 when index is no entry.
  int DeleteString(int index);
  // The first entry after startAfter that begins with text, letters compared without regard to
  // case, the search going on from the top after the last entry (startAfter -1: the whole list
  // from the top); -1 when none does.
  int FindString(int startAfter, const char* text) const;
  // The same for an entry that equals text, without regard to case.
  int FindStringExact(int startAfter, const char* text) const;
  // Drawing off while many lines go in, so the list does not repaint its scroll bar per line.
  void SetRedraw(bool redraw);
  // Lets the horizontal scroll bar reach the end of the widest of texts, in the list's font.
  void FitHorizontalExtent(const std::vector<std::string>& texts);
};

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

  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  // true: controls to members; false: members to controls. Returns false when the exchange
  // refused a value (CDataExchange::Fail); the command that asked should then stop.
  bool UpdateData(bool takeIn);

 protected:
  // Called when the dialog exists but is not yet shown; the base shows the members. Returning
  // true gives the focus to the first tab stop.
  virtual bool OnInitDialog();
  // The OK command (id 1, Enter): the base takes the controls in and ends the dialog, unless the
  // exchange refused a value.
  virtual void OnOK();
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

  HWND m_hWnd = nullptr;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  HWND Owner() const;
  void MakeToolTips();

  int m_nTemplateId;
  CDialog* m_pParent;
  CToolTip m_toolTip;
  std::vector<ToolTipHint> m_toolTipHints;
  bool m_bEnded = false;
  INT_PTR m_nResult = IDCANCEL;
};

// Lets a drop-down list open to show up to entries entries at once, whatever height its template
// gives the closed control and its list together.
void SetDropDownEntries(HWND comboBox, int entries);

// Moves values between a dialog's controls and its members, in the direction the dialog's
// UpdateData asked for; each helper serves both directions.
class CDataExchange {
 public:
  CDataExchange(CDialog& dialog, bool takeIn) : m_dialog(dialog), m_bTakeIn(takeIn) {}

  bool IsTakingIn() const { return m_bTakeIn; }
  // Refuses the exchange, for a value that the dialog's own checks reject (the dialog tells the
  // user why). The value helpers after it leave their members and controls alone (a list is
  // still bound), and UpdateData returns false.
  void Fail() { m_bFailed = true; }
  bool HasFailed() const { return m_bFailed; }

  // An edit field, limited to maxChars characters when shown, or a static text (maxChars 0).
  void Text(int id, std::string& value, int maxChars = 0);
  // A drop-down list. Taking in yields the selected entry's text, or "" when none is selected.
  // Showing selects the first entry, in the drop-down's own order, that begins with value
  // (case-insensitive); an empty value or one that begins no entry keeps the selection.
  void DropDownString(int id, std::string& value, int maxChars);
  void List(int id, CListBox& list);
  void Check(int id, int& value);

 private:
  CDialog& m_dialog;
  bool m_bTakeIn;
  bool m_bFailed = false;
};

// The command of the About entry on a main window's system menu: below the system's own
// commands (0xF000 and up), and a multiple of 16, since the system keeps the low four bits.
constexpr UINT kAboutCommand = 0x0010;

// A program's main window: its application icon on the title bar and task bar, painted centred
// when the window is minimised and used as the drag image, and an optional About entry at the
// end of its system menu.
class CMainDialog : public CDialog {
 public:
  // aboutEntry: the text of the About entry, "" for a window without one.
  CMainDialog(int templateId, int iconId, std::string aboutEntry = {});
  ~CMainDialog() override;

 protected:
  // After the base's: sets the icon and appends a separator and the About entry.
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // The About entry was chosen (only in a window that has one).
  virtual void OnAbout() {}
  // Returns false when the window is not minimised and paints as usual.
  bool OnPaint();
  HICON OnQueryDragIcon() const { return m_hIcon; }

  HICON m_hIcon;

 private:
  // The icon's own image at the system's small-icon size, for the title bar and the task bar:
  // given only the large one, the system shrinks it, and its lines run together.
  HICON m_hSmallIcon;
  std::string m_strAboutEntry;
};

}  // namespace lunetar
