// The texts of the suite's messages as the end-to-end tests expect them, each stated once and
// written out here, never taken from the programs' own constants: a test that read a program's
// constant would pass with a wrong text. The blanks at the ends belong to the texts ("Please
// select a web site first." ends in three when Delete says it, in four elsewhere).
#pragma once

#include <string>

namespace e2e {

// The catalog: the collection, Add, Delete and Find.
constexpr char kEmpty[] = "Your web collection is empty.    ";
constexpr char kSelectFirst[] = "Please select a web site first.    ";
constexpr char kSelectFirstToDelete[] = "Please select a web site first.   ";
constexpr char kCannotDelete[] = "This site can not be deleted.    ";
constexpr char kSaved[] = "Your web collection was saved successfully.    ";
constexpr char kDescriptionsNotSaved[] =
    "Can not save descriptions.\nPlease free some space on your hard drive first.    ";
constexpr char kAddressesNotSaved[] =
    "Can not save web addresses.\nPlease free some space on your hard drive first.    ";
inline std::string CannotRead(const std::string& file) {
  return "Can not read your web collection from " + file +
         ".\nPlease close the program that uses it and start Sarnovo again.    ";
}
inline std::string CannotSaveUnread(const std::string& file) {
  return "Can not save your web collection, because Sarnovo could not read all of it.\nPlease "
         "close the program that uses " + file + " and start Sarnovo again.    ";
}
constexpr char kEnterAddress[] = "Please enter a web site address.    ";
constexpr char kShorterAddress[] = "Please enter a shorter web site address.    ";
constexpr char kEnterDescription[] = "Please enter a web site description.    ";
constexpr char kShorterDescription[] = "Please enter a shorter web site description.    ";
inline std::string Added(const std::string& address) {
  return address + " was added successfully.    ";
}
inline std::string AlreadyThere(const std::string& address) {
  return "You already have " + address + " in your web collection.    ";
}
inline std::string DeleteQuestion(const std::string& address) {
  return "Are you sure you want to delete " + address + "?";
}
inline std::string Deleted(const std::string& address) {
  return address + " was successfully deleted.    ";
}
constexpr char kNoMatch[] = "No web site in your web collection matched your description.    ";

// The catalog: Backup and Restore.
constexpr char kInsertDisk[] = "Please insert your backup disk now.    ";
constexpr char kBackupDone[] = "Backup was completed successfully.    ";
constexpr char kBackupFailed[] =
    "Can not save descriptions.\nPlease make sure you have inserted your backup disk and it is not "
    "full.    ";
constexpr char kRestored[] = "Your web collection was successfully restored from backup.    ";
constexpr char kCannotRestoreSites[] =
    "Can not restore web sites.\nPlease make sure you have inserted your backup disk.    ";
constexpr char kCannotRestoreDescriptions[] =
    "Can not restore descriptions.\nPlease make sure you have inserted your backup disk.    ";

// The catalog: Connect, Print and Print All, and the notes ("you hard drive" is their wording).
constexpr char kNoReadmeHtml[] =
    "Please make sure that you have Readme.html in your C:\\Program Files\\Lunetar\\ folder.    ";
constexpr char kNoReadmeTxt[] =
    "Please make sure that you have Readme.txt in your C:\\Program Files\\Lunetar\\ folder.    ";
constexpr char kReportNotWritten[] = "Please free some space on you hard drive first.    ";
constexpr char kCompleteReportQuestion[] =
    "Please Note:\n\nYour Complete Report will be created from the data on your hard drive. If "
    "your backup data is more current, please restore your web collection first, then save it "
    "and then proceed.\n\nDo you want to continue?";
constexpr char kEnterNote[] = "Please enter your note first.    ";
constexpr char kNoteSaved[] = "Your note was saved successfully.    ";
constexpr char kNoteNotSaved[] =
    "Can not save. Please free some space on you hard drive first.    ";
constexpr char kNoteTooLong[] =
    "Your note is longer than 800 characters. Please shorten it first.    ";
constexpr char kNoNote[] = "There is no note to delete.    ";
constexpr char kNoteDeleted[] = "Note was successfully deleted.    ";
inline std::string NoteNotDeleted(const std::string& file) {
  return "Can not delete the note file " + file +
         ".\nPlease make sure that it is not read-only and that no other program uses it.    ";
}

// The reader, and what its Tip of the Day shows in place of a tip.
constexpr char kChapterWarning[] = "Please select any chapter from the drop down box only.    ";
constexpr char kKeywordWarning[] =
    "Please select any command or keyword from the drop down box only.    ";
constexpr char kEnterEntry[] = "Please enter your own command or tip first.    ";
constexpr char kEntryTooLong[] = "The command or tip is too long.    ";
constexpr char kEntryNotRead[] =
    "Can not read C:\\Program Files\\Lunetar\\user.ini, so your command or tip was not "
    "added.\nPlease close the program that uses the file and try again.    ";
constexpr char kEntryNotSaved[] =
    "Can not save your command or tip in C:\\Program Files\\Lunetar\\user.ini.\nPlease make "
    "sure that the disk is not full and that no other program uses the file.    ";
constexpr char kNoTipsFile[] = "Tips file does not exist in the prescribed directory";
constexpr char kNoTips[] = "The tips file holds no tips.";

// The launcher's Uninstall.
constexpr char kUninstallQuestion[] = "Are you sure you want to uninstall Korvadex and Sarnovo?  ";
constexpr char kFilesInUse[] =
    "Some files are still in use. Please close all the programs first and then try again.    ";
constexpr char kUninstallDone[] =
    "Uninstall was completed successfully.\nTo finish please remove C:\\Program Files\\Lunetar\\ "
    "and C:\\Program Files\\Sarnovo\\ folders.    ";

}  // namespace e2e
