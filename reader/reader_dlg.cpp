#include "reader/reader_dlg.h"

#include "common/app.h"
#include "common/file_replace.h"
#include "common/line_file.h"
#include "common/message_box.h"
#include "common/programs.h"
#include "common/suite.h"
#include "reader/about_dlg.h"
#include "reader/add_command_dlg.h"
#include "reader/content/chapter_table.h"
#include "reader/help.h"
#include "reader/position.h"
#include "reader/reader_files.h"
#include "reader/user_chapter.h"
#include "resources/reader_ids.h"

namespace lunetar {
namespace {
constexpr const char* kTitle = "Korvadex";
constexpr int kChapterChars = 100;
constexpr int kKeywordChars = 50;
constexpr int kSelectionChars = 50;
constexpr int kDropDownEntries = 16;

// A maximised reader keeps this place and outer size instead of filling the screen.
constexpr RECT kMaximisedRect = {100, 100, 100 + 483, 100 + 408};
}  // namespace

static_assert(IDM_ABOUT == kAboutCommand, "the test drives the About entry by this id");

CReaderDlg::CReaderDlg()
    : CMainDialog(IDD_READER, IDI_READER, LoadResourceString(IDS_ABOUT_ENTRY)),
      m_strChapter("Preface"),
      m_strKeyword("intro") {
  LoadPosition();
}

void CReaderDlg::LoadPosition() {
  m_strSelection = "Choose Chapter or Command";
  ReaderPosition position;
  ReadPositionFile(PositionFilePath(), position);
  m_strChapter = position.chapter;
  m_strKeyword = position.keyword;
}

void CReaderDlg::SavePosition() {
  WritePositionFile(PositionFilePath(), {m_strChapter, m_strKeyword}, MoveFileOver);
}

void CReaderDlg::DoDataExchange(CDataExchange& dx) {
  dx.List(IDC_TEXT_LIST, m_listText);
  dx.DropDownString(IDC_CHAPTER, m_strChapter, kChapterChars);
  dx.DropDownString(IDC_KEYWORD, m_strKeyword, kKeywordChars);
  dx.Text(IDC_SELECTION, m_strSelection, kSelectionChars);
}

bool CReaderDlg::OnInitDialog() {
  // The drop-downs are filled from the book's own tables before the members are shown in them,
  // drawing off: an entry added to a drop-down that draws costs several times more.
  CComboBox chapters(GetDlgItem(IDC_CHAPTER));
  chapters.SetRedraw(false);
  for (const ChapterEntry& chapter : ChapterTable) chapters.AddString(chapter.title);
  CComboBox keywords(GetDlgItem(IDC_KEYWORD));
  keywords.SetRedraw(false);
  for (const KeywordEntry& entry : KeywordIndex) keywords.AddString(entry.keyword);
  chapters.SetRedraw(true);
  keywords.SetRedraw(true);
  CMainDialog::OnInitDialog();
  RemoveSizingCommands();
  AddToolTips({
      {IDC_ADD, "add commands or tips"},
      {IDC_HELP_BUTTON, "help wizard"},
      {IDOK, "go to the selected chapter"},
      {IDC_COMMAND, "go to the selected command or keyword"},
      {IDC_UPDATES, "check for updates"},
      {IDC_CHAPTER, "select chapter"},
      {IDC_KEYWORD, "select command or keyword"},
      {IDC_SELECTION, "current selection"},
  });
  return true;
}

// The template's height leaves room for a single entry when a list opens. Nobody sees that before
// the window is shown, and sizing a drop-down takes a while.
void CReaderDlg::OnShown() {
  CComboBox(GetDlgItem(IDC_CHAPTER)).SetDropDownEntries(kDropDownEntries);
  CComboBox(GetDlgItem(IDC_KEYWORD)).SetDropDownEntries(kDropDownEntries);
}

// Takes out the system menu's entries that a fixed-size window does not use: removing at
// positions 0, 1 and 2 of the menu as each removal leaves it takes Restore, Size and Maximize.
void CReaderDlg::RemoveSizingCommands() {
  HMENU menu = GetSystemMenu(m_hWnd, FALSE);
  if (!menu) return;
  for (int position = 0; position < 3; ++position) RemoveMenu(menu, position, MF_BYPOSITION);
}

// Shows a chapter of the table, built-in or the user's own; false when there is none.
bool CReaderDlg::ShowFoundChapter(int chapter) {
  if (chapter == kUserChapter) {
    ShowUserChapter();
  } else if (chapter >= 0) {
    ShowChapter(chapter);
  }
  return chapter >= 0;
}

// The Chapter button and Enter: show the chosen chapter. The window stays open.
void CReaderDlg::OnOK() {
  if (!UpdateData(true)) return;
  m_strSelection = m_strChapter;
  if (!ShowFoundChapter(FindChapter(m_strChapter))) {
    ShowMessage("Please select any chapter from the drop down box only.    ", kTitle,
                MB_ICONWARNING | MB_OK);
    m_strChapter = "Preface";
  }
  UpdateData(false);
}

void CReaderDlg::OnCommandButton() {
  if (!UpdateData(true)) return;
  m_strSelection = m_strKeyword;
  if (!ShowFoundChapter(FindKeywordChapter(m_strKeyword))) {
    ShowMessage("Please select any command or keyword from the drop down box only.    ", kTitle,
                MB_ICONWARNING | MB_OK);
    m_strKeyword = "intro";
    ShowChapter(0);
  }
  UpdateData(false);
}

// The exit path: Esc, the close box and the system menu's Close. The position is written first,
// because a successful hand-over ends this process at once.
void CReaderDlg::OnCancel() {
  SavePosition();
  CMainDialog::OnCancel();
  HandOver(LUNETAR_LAUNCHER_PROGRAM);
}

void CReaderDlg::ShowChapter(int index) {
  const ChapterContent& content = ChapterTable[index].content;
  m_listText.SetRedraw(false);
  m_listText.ResetContent();
  for (std::size_t line = 0; line < content.count; ++line) {
    m_listText.AddString(content.lines[line]);
  }
  m_listText.SetRedraw(true);
}

void CReaderDlg::ShowUserChapter() {
  m_listText.SetRedraw(false);
  m_listText.ResetContent();
  LoadUserChapter();
  m_listText.SetRedraw(true);
}

void CReaderDlg::LoadUserChapter() {
  std::vector<std::string> lines;
  ReadUserChapter(kUserChapterPath, lines);
  for (const std::string& line : lines) m_listText.AddString(line.c_str());
}

// The list shows the chapter as the file holds it once the entry is added, so an entry that could
// not be stored is not shown as kept: the user is told instead.
void CReaderDlg::OnAddButton() {
  if (!UpdateData(true)) return;
  m_strSelection = "User Defined Command or Chapter";
  m_strKeyword = "User Defined Command";
  m_strChapter = "User Defined Chapter";
  CAddCommandDlg add;
  std::string failure;  // stays empty when the entry was added, or none was given
  if (add.DoModal() == IDOK) {
    failure = UserEntryFailureMessage(AddUserEntry(kUserChapterPath, add.m_strEntry, MoveFileOver),
                                      kUserChapterPath);
  }
  ShowUserChapter();
  UpdateData(false);
  if (!failure.empty()) ShowMessage(failure.c_str(), kTitle, MB_ICONERROR | MB_OK);
}

bool CReaderDlg::OnHelpRequest() {
  ShowHelp();
  return true;
}

void CReaderDlg::OnHelpButton() { ShowHelp(); }

void CReaderDlg::OnUpdatesButton() {
  OpenWithAssociatedProgram(LUNETAR_README_PAGE, LUNETAR_PROGRAM_FOLDER, LUNETAR_PRODUCT_PAGE,
                            m_hWnd, kTitle);
}

bool CReaderDlg::OnCommand(int id, int notifyCode) {
  if (notifyCode != BN_CLICKED) return false;
  switch (id) {
    case IDC_COMMAND:
      OnCommandButton();
      return true;
    case IDC_HELP_BUTTON:
      OnHelpButton();
      return true;
    case IDC_UPDATES:
      OnUpdatesButton();
      return true;
    case IDC_ADD:
      OnAddButton();
      return true;
  }
  return false;
}

bool CReaderDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_SIZE:
      OnSize(static_cast<UINT>(wParam));
      return false;  // the default handling runs as well
  }
  return CMainDialog::OnMessage(message, wParam, lParam, result);
}

void CReaderDlg::OnAbout() {
  CReaderAboutDlg about;
  about.DoModal();
}

void CReaderDlg::OnSize(UINT kind) {
  if (kind != SIZE_MAXIMIZED) return;
  const RECT& r = kMaximisedRect;
  MoveWindow(m_hWnd, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

}  // namespace lunetar
