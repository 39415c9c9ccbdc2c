#include "catalog/catalog_dlg.h"

#include "catalog/about_dlg.h"
#include "catalog/add_site_dlg.h"
#include "catalog/catalog_messages.h"
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
#include "common/suite.h"
#include "resources/catalog_ids.h"

namespace lunetar {
namespace {
constexpr int kDestinationChars = 180;

constexpr const char* kSelectFirst = "Please select a web site first.    ";
constexpr const char* kReadmeMissing =
    "Please make sure that you have " LUNETAR_README_PAGE " in your " LUNETAR_PROGRAM_FOLDER
    " folder.    ";
constexpr const char* kEmptyCollection = "Your web collection is empty.    ";
constexpr const char* kSaved = "Your web collection was saved successfully.    ";
constexpr const char* kInsertDisk = "Please insert your backup disk now.    ";
constexpr const char* kBackupDone = "Backup was completed successfully.    ";
constexpr const char* kCannotRestoreSites =
    "Can not restore web sites.\nPlease make sure you have inserted your backup disk.    ";
constexpr const char* kCannotRestoreDescriptions =
    "Can not restore descriptions.\nPlease make sure you have inserted your backup disk.    ";
constexpr const char* kRestored = "Your web collection was successfully restored from backup.    ";
constexpr const char* kNoMatch =
    "No web site in your web collection matched your description.    ";
constexpr const char* kReadmeTxtMissing =
    "Please make sure that you have " LUNETAR_README_TEXT " in your " LUNETAR_PROGRAM_FOLDER
    " folder.    ";
constexpr const char* kCannotWriteReport = "Please free some space on you hard drive first.    ";

// How long the thread rests after Tools' Save before Tools shows again.
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

// Whether row holds a site in both lists. Files edited by hand can give the two lists different
// lengths; a row beyond the shorter one has no partner and is no site.
bool IsSite(const Collection& collection, int row) {
  return row >= 0 && static_cast<std::size_t>(row) < collection.addresses.size() &&
         static_cast<std::size_t>(row) < collection.descriptions.size();
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
  m_bSaveToBackup = 0;
  m_bLoadFromBackup = 0;
  if (!m_strUnreadFile.empty()) PostMessageA(m_hWnd, kReportUnreadFile, 0, 0);
  return true;
}

bool CCatalogDlg::OnCommand(int id, int notifyCode) {
  if (id == IDC_ADDRESSES || id == IDC_DESCRIPTIONS) {
    if (notifyCode == LBN_SELCHANGE) {
      if (id == IDC_ADDRESSES) {
        OnSelchangeAddresses();
      } else {
        OnSelchangeDescriptions();
      }
      return true;
    }
    if (notifyCode == LBN_DBLCLK) {
      if (id == IDC_ADDRESSES) {
        OnDblclkAddresses();
      } else {
        OnDblclkDescriptions();
      }
      return true;
    }
    return false;
  }
  if (notifyCode != BN_CLICKED) return false;
  switch (id) {
    case IDC_ADD:
      OnAdd();
      return true;
    case IDC_DELETE:
      OnDelete();
      return true;
    case IDC_FIND:
      OnFind();
      return true;
    case IDC_BACKUP:
      OnBackup();
      return true;
    case IDC_RESTORE:
      OnRestore();
      return true;
    case IDC_SAVE:
      SaveCollection();
      return true;
    case IDC_NOTE:
      OnNote();
      return true;
    case IDC_PRINT:
      OnPrint();
      return true;
    case IDC_TOOLS:
      OnTools();
      return true;
    case IDC_HELP_BUTTON:
      ShowHelp();
      return true;
  }
  return false;
}

bool CCatalogDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  // Only a press on the window itself arrives here: a control takes the presses on it.
  if (message == WM_RBUTTONDOWN) {
    OnRButtonDown();
    return true;
  }
  if (message == kReportUnreadFile) {
    ShowError(UnreadableCollectionMessage(m_strUnreadFile));
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
  ShowError(IncompleteCollectionMessage(m_strUnreadFile));
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
        ShowError(kCannotRestoreSites);
        break;
      case RestoreOutcome::DescriptionsMissing:
        ShowError(kCannotRestoreDescriptions);
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
  if (m_bConfirmSave) ShowInformation(kSaved);
  return true;
}

// The save that the commands make on their way: only a failure is told.
bool CCatalogDlg::QuietSave() {
  m_bConfirmSave = 0;
  const bool saved = SaveCollection();
  m_bConfirmSave = 1;
  return saved;
}

void CCatalogDlg::OnBackup() {
  if (!UpdateData(true)) return;
  // An incomplete collection would replace a whole backup: refused before the disk is asked for,
  // and before its missing half could be taken for an empty collection.
  if (RefusedForIncompleteCollection()) return;
  if (m_collection.addresses.empty() || m_collection.descriptions.empty()) {
    ShowError(kEmptyCollection);
    return;
  }
  m_bSaveToBackup = 1;
  m_bLoadFromBackup = 1;
  m_bSaved = 0;
  m_bConfirmSave = 0;
  ShowInformation(kInsertDisk);
  SaveCollection();
  m_bConfirmSave = 1;
  if (m_bSaved) ShowInformation(kBackupDone);
  m_bSaveToBackup = 0;
  m_bLoadFromBackup = 0;
  UpdateData(false);
}

// Restore writes nothing: the restored collection replaces the installed files at the next save.
// A backup that was cut off gives its earlier pair; the next Backup puts the disk right.
void CCatalogDlg::OnRestore() {
  if (!UpdateData(true)) return;
  m_bSaveToBackup = 1;
  m_bLoadFromBackup = 1;
  ShowInformation(kInsertDisk);
  if (LoadCollection()) {
    m_strUnreadFile.clear();  // a whole collection again, the user's choice
    ShowInformation(kRestored);
  }
  m_bSaveToBackup = 0;
  m_bLoadFromBackup = 0;
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

void CCatalogDlg::OnSelchangeAddresses() {
  if (!UpdateData(true)) return;
  if (m_listAddresses.GetCount() <= 0) return;
  SelectEntry(m_listAddresses.GetCurSel());
  UpdateData(false);
}

void CCatalogDlg::OnSelchangeDescriptions() {
  if (!UpdateData(true)) return;
  if (m_listDescriptions.GetCount() <= 0) return;
  SelectEntry(m_listDescriptions.GetCurSel());
  UpdateData(false);
}

// The click before the double-click has selected the row, so the note is the selected site's.
void CCatalogDlg::OnDblclkDescriptions() { OnNote(); }

void CCatalogDlg::OnDblclkAddresses() {
  if (!UpdateData(true)) return;
  if (m_listAddresses.GetCount() <= 0) return;
  SelectEntry(m_listAddresses.GetCurSel());
  UpdateData(false);  // Connect takes the destination in from its field
  OnOK();
  UpdateData(false);
}

// ---- commands ----

// Connect: opens the destination in the program that shows the reader's Readme.html, which is
// taken to be the user's web browser.
void CCatalogDlg::OnOK() {
  if (!UpdateData(true)) return;
  DiskFiles files;
  if (!files.CanOpen(LUNETAR_PROGRAM_FOLDER LUNETAR_README_PAGE)) {
    ShowError(kReadmeMissing);
    return;
  }
  if (m_strDestination.empty()) {
    ShowError(kSelectFirst);
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
  m_bSaveToBackup = 0;
  m_bLoadFromBackup = 0;
  m_bConfirmSave = 0;
  SaveCollection();
  m_bConfirmSave = 1;
  CMainDialog::OnCancel();
  HandOver(LUNETAR_PROGRAM_FOLDER LUNETAR_LAUNCHER_PROGRAM);
}

void CCatalogDlg::OnDelete() {
  if (!UpdateData(true)) return;
  if (RefusedForIncompleteCollection()) return;
  const std::string refusal = DeleteRefusal(m_collection, m_strDestination);
  if (!refusal.empty()) {
    ShowError(refusal);
    return;
  }
  const std::string question = "Are you sure you want to delete " + m_strDestination + "?";
  if (!AskYesNo(question)) return;
  m_bSaveToBackup = 0;
  m_bLoadFromBackup = 0;
  const std::string deleted = m_strDestination + " was successfully deleted.    ";
  // The selected row is the one the destination names.
  const int row = m_listAddresses.GetCurSel();
  if (IsSite(m_collection, row)) {
    const auto at = static_cast<std::ptrdiff_t>(row);
    m_collection.addresses.erase(m_collection.addresses.begin() + at);
    m_collection.descriptions.erase(m_collection.descriptions.begin() + at);
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
  m_bSaveToBackup = 0;
  m_bLoadFromBackup = 0;
  if (FindPrefix(m_collection.addresses, add.m_strAddress) != -1) {
    ShowError("You already have " + add.m_strAddress + " in your web collection.    ");
  } else {
    const std::string added = add.m_strAddress + " was added successfully.    ";
    m_collection.addresses.push_back(add.m_strAddress);
    m_collection.descriptions.push_back(add.m_strDescription);
    m_listAddresses.AddString(add.m_strAddress.c_str());
    m_listDescriptions.AddString(add.m_strDescription.c_str());
    // A failed save has told its own error: the site is not reported as added, and it stays in
    // the lists instead of vanishing in a reload of the earlier files, so the next save (Save,
    // Exit) can keep it.
    const bool saved = QuietSave();
    m_strDestination.clear();
    if (saved) {
      ShowInformation(added);
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
      ShowError(kNoMatch);
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
  // A row beyond the shorter list has no description to name a note.
  const int row = m_listAddresses.GetCurSel();
  if (m_strDestination.empty() || !IsSite(m_collection, row)) {
    ShowError(kSelectFirst);
    return;
  }
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
  const int row = m_listAddresses.GetCurSel();
  if (m_strDestination.empty() || !IsSite(m_collection, row)) {
    ShowError(kSelectFirst);
    return;
  }
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
    ShowError(kReadmeTxtMissing);
    return false;
  }
  if (!SaveFileBytes(kReportPath, report, MoveFileOver)) {
    ShowError(kCannotWriteReport);
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
        m_bSaveToBackup = 0;
        m_bLoadFromBackup = 0;
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
