#include "catalog/catalog_dlg.h"

#include "catalog/about_dlg.h"
#include "catalog/add_site_dlg.h"
#include "catalog/catalog_messages.h"
#include "catalog/catalog_texts.h"
#include "catalog/find_site_dlg.h"
#include "catalog/help.h"
#include "catalog/note.h"
#include "catalog/note_dlg.h"
#include "catalog/report.h"
#include "catalog/tools_dlg.h"
#include "common/app.h"
#include "common/disk_files.h"
#include "common/file_replace.h"
#include "common/programs.h"
#include "common/scope_exit.h"
#include "common/suite.h"
#include "resources/catalog_ids.h"

namespace lunetar {
namespace {
constexpr int kDestinationChars = 180;

// How long the thread rests after Tools' Save before Tools shows again. The save says nothing when
// it succeeds, so Tools going and coming back is what shows the user it was done; without a pause
// the dialog would reappear before the eye could see it go.
constexpr DWORD kToolsSavePauseMs = 300;

// Posted at the end of the window's initialisation, so that a start-up message shows over the
// window rather than before it.
constexpr UINT kReportUnreadFile = WM_APP + 1;

void FillList(CListBox& list, const std::vector<std::string>& entries) {
  list.SetRedraw(false);
  list.ResetContent();
  for (const std::string& entry : entries) list.AddString(entry.c_str());
  list.SetRedraw(true);
  // After the drawing is back on: a list that does not draw does not update its scroll bars.
  list.FitHorizontalExtent(entries);
}
}  // namespace

static_assert(IDM_ABOUT == kAboutCommand, "the test drives the About entry by this id");

CCatalogDlg::CCatalogDlg()
    : CMainDialog(IDD_CATALOG, IDI_CATALOG, LoadResourceString(IDS_ABOUT_ENTRY)) {}

void CCatalogDlg::DoDataExchange(CDataExchange& dx) {
  dx.List(IDC_DESCRIPTIONS, m_listDescriptions);
  dx.List(IDC_ADDRESSES, m_listAddresses);
  dx.Text(IDC_DESTINATION, m_strDestination, kDestinationChars);
}

bool CCatalogDlg::OnInitDialog() {
  CMainDialog::OnInitDialog();
  AddToolTips({
      {IDC_SAVE, "save data"},
      {IDC_HELP_BUTTON, "help wizard"},
      {IDC_ADD, "add web site"},
      {IDC_DELETE, "delete web site"},
      {IDC_BACKUP, "backup collection"},
      {IDC_RESTORE, "restore collection"},
      {IDC_FIND, "find web site"},
      {IDC_NOTE, "add note"},
      {IDC_PRINT, "print web site"},
      {IDC_TOOLS, "extra tools"},
      {IDOK, "launch browser"},
      {IDC_DESTINATION, "current web destination"},
      {IDC_ADDRESSES, "web sites in your collection"},
      {IDC_DESCRIPTIONS, "descriptions"},
  });
  // A first start finds no files, and says nothing about it. A save that was cut off last time is
  // put right first; when a file in the way keeps it from that, the right pair is read all the
  // same, and every save tries again.
  const CollectionFiles installed = FilesOf(CollectionPlace::Installed);
  FinishInterruptedSave(installed, MoveFileOver);
  m_strUnreadFile = ReadInstalledCollection(installed, m_collection);
  ShowCollection();
  if (EnsureBuiltInEntry(m_collection)) {
    m_listAddresses.AddString(kBuiltInAddress);
    m_listDescriptions.AddString(kBuiltInDescription);
  }
  UseInstalledFiles();
  if (!m_strUnreadFile.empty()) PostToSelf(kReportUnreadFile);
  return true;
}

bool CCatalogDlg::OnCommand(int id, int notifyCode) {
  switch (CommandOf(id, notifyCode)) {
    case CommandOf(IDC_ADD, BN_CLICKED):
      OnAdd();
      break;
    case CommandOf(IDC_DELETE, BN_CLICKED):
      OnDelete();
      break;
    case CommandOf(IDC_FIND, BN_CLICKED):
      OnFind();
      break;
    case CommandOf(IDC_BACKUP, BN_CLICKED):
      OnBackup();
      break;
    case CommandOf(IDC_RESTORE, BN_CLICKED):
      OnRestore();
      break;
    case CommandOf(IDC_SAVE, BN_CLICKED):
      SaveCollection();
      break;
    case CommandOf(IDC_NOTE, BN_CLICKED):
      OnNote();
      break;
    case CommandOf(IDC_PRINT, BN_CLICKED):
      OnPrint();
      break;
    case CommandOf(IDC_TOOLS, BN_CLICKED):
      OnTools();
      break;
    case CommandOf(IDC_HELP_BUTTON, BN_CLICKED):
      ShowHelp();
      break;
    case CommandOf(IDC_ADDRESSES, LBN_SELCHANGE):
      OnSelchangeAddresses();
      break;
    case CommandOf(IDC_DESCRIPTIONS, LBN_SELCHANGE):
      OnSelchangeDescriptions();
      break;
    case CommandOf(IDC_ADDRESSES, LBN_DBLCLK):
      OnDblclkAddresses();
      break;
    case CommandOf(IDC_DESCRIPTIONS, LBN_DBLCLK):
      OnDblclkDescriptions();
      break;
    default:
      return false;
  }
  return true;
}

bool CCatalogDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // Only a press on the window itself arrives here: a control takes the presses on it.
  if (message == WM_RBUTTONDOWN) {
    OnRButtonDown();
    return true;
  }
  if (message == kReportUnreadFile) {
    ShowError(texts::UnreadableCollection(m_strUnreadFile));
    return true;
  }
  return CMainDialog::OnMessage(message, wParam, lParam, result);
}

// ---- the collection's files ----

// While the collection read at start-up lacks a file's sites, nothing may be saved over the files,
// and what would have to be saved is not begun: Add and Delete are refused before they change the
// lists.
bool CCatalogDlg::RefusedForIncompleteCollection() {
  if (m_strUnreadFile.empty()) return false;
  ShowError(texts::IncompleteCollection(m_strUnreadFile));
  return true;
}

// The installed addresses file; a missing one leaves the list as it was, silently.
bool CCatalogDlg::LoadAddresses() {
  return ReadCollectionFile(FilesOf(CollectionPlace::Installed).addresses,
                            m_collection.addresses) == FileRead::Read;
}

bool CCatalogDlg::LoadDescriptions() {
  return ReadCollectionFile(FilesOf(CollectionPlace::Installed).descriptions,
                            m_collection.descriptions) == FileRead::Read;
}

// Refills both lists, which leaves nothing selected. The installed pair is read file by file, as
// much as there is. The backup pair is read whole before anything changes: a restore that took
// the addresses and not the descriptions would be saved at the next Exit as a collection whose
// two halves no longer belong together.
bool CCatalogDlg::LoadCollection() {
  bool loaded = false;
  if (m_bLoadFromBackup) {
    switch (ReadCollectionFiles(FilesOf(CollectionPlace::Backup), m_collection)) {
      case RestoreOutcome::Restored:
        loaded = true;
        break;
      case RestoreOutcome::AddressesMissing:
        ShowError(texts::kCannotRestoreSites);
        break;
      case RestoreOutcome::DescriptionsMissing:
        ShowError(texts::kCannotRestoreDescriptions);
        break;
    }
  } else {
    loaded = LoadAddresses() && LoadDescriptions();
  }
  ShowCollection();
  return loaded;
}

void CCatalogDlg::ShowCollection() {
  FillList(m_listAddresses, m_collection.addresses);
  FillList(m_listDescriptions, m_collection.descriptions);
}

// Writes both lists to the installed pair, or to the backup disk during Backup. A save that fails
// leaves the earlier pair whole and says which file could not be written.
bool CCatalogDlg::SaveCollection() {
  if (RefusedForIncompleteCollection()) return false;
  const CollectionPlace place =
      m_bSaveToBackup ? CollectionPlace::Backup : CollectionPlace::Installed;
  const SaveOutcome outcome = SaveCollectionFiles(m_collection, FilesOf(place), MoveFileOver);
  if (outcome != SaveOutcome::Saved) {
    ShowError(SaveFailureMessage(outcome, place));
    return false;
  }
  m_bSaved = 1;
  if (m_bConfirmSave) ShowInformation(texts::kSaved);
  return true;
}

void CCatalogDlg::UseInstalledFiles() {
  m_bSaveToBackup = 0;
  m_bLoadFromBackup = 0;
}

// The save that the commands make on their way: only a failure is told.
bool CCatalogDlg::QuietSave() {
  m_bConfirmSave = 0;
  const ScopeExit confirmAgain([this] { m_bConfirmSave = 1; });
  return SaveCollection();
}

void CCatalogDlg::OnBackup() {
  if (!UpdateData(true)) return;
  // An incomplete collection would replace a whole backup: refused before the disk is asked for,
  // and before its missing half could be taken for an empty collection.
  if (RefusedForIncompleteCollection() || ShowRefusal(BackupRefusal(m_collection))) return;
  m_bSaveToBackup = 1;
  m_bLoadFromBackup = 1;
  m_bSaved = 0;
  // However Backup ends, an exception included, the saves after it go to the installed files.
  const ScopeExit installedAgain([this] { UseInstalledFiles(); });
  ShowInformation(texts::kInsertDisk);
  QuietSave();
  if (m_bSaved) ShowInformation(texts::kBackupDone);
  UpdateData(false);
}

// Restore writes nothing: the restored collection replaces the installed files at the next save.
// A backup that was cut off gives its earlier pair; the next Backup puts the disk right.
void CCatalogDlg::OnRestore() {
  if (!UpdateData(true)) return;
  m_bSaveToBackup = 1;
  m_bLoadFromBackup = 1;
  // However Restore ends, the loads and saves after it use the installed files.
  const ScopeExit installedAgain([this] { UseInstalledFiles(); });
  ShowInformation(texts::kInsertDisk);
  if (LoadCollection()) {
    m_strUnreadFile.clear();  // a whole collection again, the user's choice
    ShowInformation(texts::kRestored);
  }
  m_strDestination.clear();
  UpdateData(false);
}

// ---- selection ----

// The user chose row in one list (or Find did): the other list follows, and the row's address
// becomes the destination.
void CCatalogDlg::SelectEntry(int row) {
  if (IsSite(m_collection, row)) {
    m_listAddresses.SetCurSel(row);
    m_listDescriptions.SetCurSel(row);
    m_strDestination = m_collection.addresses[static_cast<std::size_t>(row)];
  } else {
    if (m_listAddresses.GetCurSel() != row) m_listAddresses.SetCurSel(-1);
    if (m_listDescriptions.GetCurSel() != row) m_listDescriptions.SetCurSel(-1);
    m_strDestination.clear();
  }
}

bool CCatalogDlg::FollowSelection(const CListBox& list) {
  if (!UpdateData(true)) return false;
  if (list.GetCount() <= 0) return false;
  SelectEntry(list.GetCurSel());
  UpdateData(false);
  return true;
}

void CCatalogDlg::OnSelchangeAddresses() { FollowSelection(m_listAddresses); }

void CCatalogDlg::OnSelchangeDescriptions() { FollowSelection(m_listDescriptions); }

// The click before the double-click has selected the row, so the note is the selected site's.
void CCatalogDlg::OnDblclkDescriptions() { OnNote(); }

// Connect takes the destination in from its field, which the selection has just shown.
void CCatalogDlg::OnDblclkAddresses() {
  if (!FollowSelection(m_listAddresses)) return;
  OnOK();
  UpdateData(false);
}

// A row beyond the shorter list has no description to name a note or a report.
int CCatalogDlg::SelectedSite() {
  const int row = m_listAddresses.GetCurSel();
  if (m_strDestination.empty() || !IsSite(m_collection, row)) {
    ShowError(texts::kSelectFirst);
    return -1;
  }
  return row;
}

// ---- commands ----

// Connect: opens the destination in the program that shows the reader's Readme.html, which is
// taken to be the user's web browser.
void CCatalogDlg::OnOK() {
  if (!UpdateData(true)) return;
  DiskFiles files;
  if (!files.CanOpen(LUNETAR_PROGRAM_FOLDER LUNETAR_README_PAGE)) {
    ShowError(texts::kReadmeHtmlMissing);
    return;
  }
  if (m_strDestination.empty()) {
    ShowError(texts::kSelectFirst);
    return;
  }
  QuietSave();
  OpenWithAssociatedProgram(LUNETAR_README_PAGE, LUNETAR_PROGRAM_FOLDER, m_strDestination, m_hWnd,
                            kCatalogTitle);
  UpdateData(false);
}

// Exit: the collection is written first, because a successful hand-over ends this process at
// once. A failed save is told and does not keep the user in the catalog.
void CCatalogDlg::OnCancel() {
  UseInstalledFiles();
  QuietSave();
  CMainDialog::OnCancel();
  HandOver(LUNETAR_PROGRAM_FOLDER LUNETAR_LAUNCHER_PROGRAM);
}

void CCatalogDlg::OnDelete() {
  if (!UpdateData(true)) return;
  if (RefusedForIncompleteCollection()) return;
  if (ShowRefusal(DeleteRefusal(m_collection, m_strDestination))) return;
  if (!AskYesNo(texts::DeleteQuestion(m_strDestination))) return;
  UseInstalledFiles();
  const std::string deleted = texts::Deleted(m_strDestination);
  // The selected row is the one the destination names.
  const int row = m_listAddresses.GetCurSel();
  if (RemoveSite(m_collection, row)) {
    m_listAddresses.DeleteString(row);
    m_listDescriptions.DeleteString(row);
    m_strDestination.clear();
    // The site is reported deleted only once the files no longer hold it. After a failed save
    // (its error told) it stays deleted in the lists, and the next save tries again: a reload
    // would bring it back as if nothing had been asked.
    if (QuietSave()) {
      ShowInformation(deleted);
      LoadCollection();
    }
  }
  UpdateData(false);
}

void CCatalogDlg::OnAdd() {
  if (RefusedForIncompleteCollection()) return;
  CAddSiteDlg add;
  add.DoModal();
  if (!UpdateData(true)) return;
  // A cancelled dialog leaves both texts empty.
  if (add.m_strAddress.empty() && add.m_strDescription.empty()) return;
  UseInstalledFiles();
  if (!ShowRefusal(AddSite(m_collection, add.m_strAddress, add.m_strDescription))) {
    m_listAddresses.AddString(add.m_strAddress.c_str());
    m_listDescriptions.AddString(add.m_strDescription.c_str());
    // A failed save has told its own error: the site is not reported as added, and it stays in
    // the lists instead of vanishing in a reload of the earlier files, so the next save (Save,
    // Exit) can keep it.
    const bool saved = QuietSave();
    m_strDestination.clear();
    if (saved) {
      ShowInformation(texts::Added(add.m_strAddress));
      LoadCollection();
    } else {
      m_listAddresses.SetCurSel(-1);  // no destination, so no row looks chosen
      m_listDescriptions.SetCurSel(-1);
    }
  }
  UpdateData(false);
}

void CCatalogDlg::OnFind() {
  CFindSiteDlg find;
  find.DoModal();
  if (!UpdateData(true)) return;
  // A cancelled dialog leaves the text empty.
  if (!find.m_strDescription.empty()) {
    const int row = FindPrefix(m_collection.descriptions, find.m_strDescription);
    if (row == -1) {
      ShowError(texts::kNoMatch);
      return;
    }
    // The found description stays selected even where it has no address beside it.
    m_listDescriptions.SetCurSel(row);
    SelectEntry(row);
  }
  UpdateData(false);
}

// ---- notes, reports, tools, help and About ----

void CCatalogDlg::OnNote() {
  if (!UpdateData(true)) return;
  const int row = SelectedSite();
  if (row == -1) return;
  CNoteDlg note;
  note.m_strAddress = m_collection.addresses[static_cast<std::size_t>(row)];
  note.m_strDescription = m_collection.descriptions[static_cast<std::size_t>(row)];
  // No note file, or none that can be read: the note starts empty.
  ReadNote(NoteFilePath(note.m_strDescription), note.m_strNote);
  note.DoModal();
}

// The report is written before the collection is saved, and a report that cannot be written
// saves nothing.
void CCatalogDlg::OnPrint() {
  if (!UpdateData(true)) return;
  const int row = SelectedSite();
  if (row == -1) return;
  const std::size_t site = static_cast<std::size_t>(row);
  const std::string& description = m_collection.descriptions[site];
  if (!WriteReport(SingleSiteReport(description, m_collection.addresses[site]))) return;
  QuietSave();
  OpenReport();
  UpdateData(false);
}

void CCatalogDlg::WriteCompleteReport() {
  // Whatever the save says (an empty collection, say), the report shows the files as they are.
  QuietSave();
  const CollectionFiles installed = PairToRead(FilesOf(CollectionPlace::Installed));
  std::vector<std::string> descriptions;
  std::vector<std::string> addresses;
  if (ReadCollectionFile(installed.descriptions, descriptions) != FileRead::Read) return;
  if (ReadCollectionFile(installed.addresses, addresses) != FileRead::Read) return;
  if (WriteReport(CompleteReport(descriptions, addresses))) OpenReport();
}

// Through a temporary file: the editor never opens half a report, and a failed write leaves the
// earlier report as it was.
bool CCatalogDlg::WriteReport(const std::string& report) {
  DiskFiles files;
  if (!files.CanOpen(LUNETAR_PROGRAM_FOLDER LUNETAR_README_TEXT)) {
    ShowError(texts::kReadmeTxtMissing);
    return false;
  }
  if (!SaveFileBytes(kReportPath, report, MoveFileOver)) {
    ShowError(texts::kCannotWriteReport);
    return false;
  }
  return true;
}

void CCatalogDlg::OpenReport() {
  OpenWithAssociatedProgram(LUNETAR_README_TEXT, LUNETAR_PROGRAM_FOLDER, kReportPath, m_hWnd,
                            kCatalogTitle);
}

void CCatalogDlg::OnTools() {
  for (;;) {
    CToolsDlg tools;
    tools.m_nChoice = CToolsDlg::kNone;
    tools.DoModal();
    switch (tools.m_nChoice) {
      case CToolsDlg::kCompleteReport:
        WriteCompleteReport();
        break;
      case CToolsDlg::kSave:
        // The installed files, whatever a Backup or Restore left in the flags.
        UseInstalledFiles();
        QuietSave();
        Sleep(kToolsSavePauseMs);
        break;
      case CToolsDlg::kRestore:
        OnRestore();
        break;
      default:
        return;
    }
  }
}

void CCatalogDlg::OnRButtonDown() { OnTools(); }

void CCatalogDlg::ShowHelp() {
  ShowInformation(kCatalogHelpText);
}

bool CCatalogDlg::OnHelpRequest() {
  ShowHelp();
  return true;
}

void CCatalogDlg::OnAbout() {
  CCatalogAboutDlg about;
  about.DoModal();
}

}  // namespace lunetar
