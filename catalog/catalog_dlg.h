// The catalog window: the collection's addresses and descriptions in two lists paired by row, the
// selected site's address as the web destination, and a button per command.
#pragma once

#include <string>
#include <vector>

#include "catalog/collection.h"
#include "common/main_dialog.h"

namespace lunetar {

class CCatalogDlg : public CMainDialog {
 public:
  CCatalogDlg();

 protected:
  void DoDataExchange(CDataExchange& dx) override;
  bool OnInitDialog() override;
  // Connect: the Connect button, Enter and a double-click on an address.
  void OnOK() override;
  // Exit: the Exit button, Esc, the close box and the system menu's Close.
  void OnCancel() override;
  bool OnCommand(int id, int notifyCode) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // F1: the catalog's help instead of a help file.
  bool OnHelpRequest() override;
  // The system menu's About entry.
  void OnAbout() override;

 private:
  // The collection's files and the lists that show them. Load* return whether they read what
  // they were to read; a list whose file is missing stays as it was.
  bool LoadAddresses();
  bool LoadDescriptions();
  bool LoadCollection();
  // Tells the user when the collection is incomplete (m_strUnreadFile), and returns whether it is.
  bool RefusedForIncompleteCollection();
  // Both return whether the collection is now on disk.
  bool SaveCollection();
  bool QuietSave();
  // Lowers both backup flags: the saves and loads that follow use the installed files.
  void UseInstalledFiles();
  void ShowCollection();

  // Selects row in both lists and shows its address as the destination; a row that has no
  // partner in the other list selects nothing there and leaves no destination.
  void SelectEntry(int row);
  // The user chose a row in list: both lists select it and the destination follows. Returns
  // false, changing nothing, when the exchange refused or the list is empty.
  bool FollowSelection(const CListBox& list);
  // The row of the site that the destination names, or -1 once the user has been asked to select
  // one.
  int SelectedSite();

  void OnAdd();
  void OnDelete();
  void OnFind();
  void OnBackup();
  void OnRestore();
  void OnSelchangeAddresses();
  void OnSelchangeDescriptions();
  void OnDblclkAddresses();
  void OnDblclkDescriptions();
  void OnNote();
  void OnPrint();
  // Print All, once the user has confirmed it in Tools: the report is made from the collection
  // files, which are saved first.
  void WriteCompleteReport();
  // The report file, provided the sample that finds the text editor is there; false, after
  // saying why, when it could not be written.
  bool WriteReport(const std::string& report);
  // Opens the report file in the text editor.
  void OpenReport();
  // Shows Tools again after every Restore, Save and Print All, until it is cancelled.
  void OnTools();
  // A press on the window's own surface, outside its controls.
  void OnRButtonDown();
  void ShowHelp();

  // Steer SaveCollection and LoadCollection; the backup flags are raised only while Backup or
  // Restore runs.
  int m_bSaveToBackup = 0;
  int m_bLoadFromBackup = 0;
  int m_bSaved = 0;  // set once SaveCollection has written both files; read by Backup
  int m_bConfirmSave = 1;
  CListBox m_listDescriptions;
  CListBox m_listAddresses;
  // The address of the selected site, or empty.
  std::string m_strDestination;
  // What the two lists show, row by row.
  Collection m_collection;
  // An installed collection file that was there at start-up but could not be read (another
  // program held it): the lists then lack its sites, so nothing is saved over the files until a
  // Restore has brought a whole collection.
  std::string m_strUnreadFile;
};

}  // namespace lunetar
