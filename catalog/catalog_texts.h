// The catalog's messages to the user, each stated once: the window, its dialogs and the checks of
// the core take them from here. The blanks at the ends are part of the texts, which the users of
// earlier versions know; "Please select a web site first." ends in three blanks when Delete says
// it and in four everywhere else, and "you hard drive" is the report's and the note's wording.
#pragma once

#include <string>

#include "common/suite.h"

namespace lunetar::texts {

// The collection.
constexpr const char* kEmptyCollection = "Your web collection is empty.    ";
constexpr const char* kSelectFirst = "Please select a web site first.    ";
constexpr const char* kSelectFirstToDelete = "Please select a web site first.   ";
constexpr const char* kCannotDelete = "This site can not be deleted.    ";
constexpr const char* kSaved = "Your web collection was saved successfully.    ";
constexpr const char* kCannotSaveDescriptionsToDisk =
    "Can not save descriptions.\nPlease free some space on your hard drive first.    ";
constexpr const char* kCannotSaveAddressesToDisk =
    "Can not save web addresses.\nPlease free some space on your hard drive first.    ";
constexpr const char* kCannotSaveDescriptionsToBackup =
    "Can not save descriptions.\nPlease make sure you have inserted your backup disk and it is "
    "not full.    ";
constexpr const char* kCannotSaveAddressesToBackup =
    "Can not save web addresses.\nPlease make sure you have inserted a disk and it is not "
    "full.    ";
inline std::string UnreadableCollection(const std::string& path) {
  return "Can not read your web collection from " + path +
         ".\nPlease close the program that uses it and start Sarnovo again.    ";
}
inline std::string IncompleteCollection(const std::string& path) {
  return "Can not save your web collection, because Sarnovo could not read all of it.\nPlease "
         "close the program that uses " +
         path + " and start Sarnovo again.    ";
}

// Add, Delete and Find.
constexpr const char* kEnterAddress = "Please enter a web site address.    ";
constexpr const char* kShorterAddress = "Please enter a shorter web site address.    ";
constexpr const char* kEnterDescription = "Please enter a web site description.    ";
constexpr const char* kShorterDescription = "Please enter a shorter web site description.    ";
inline std::string AlreadyInCollection(const std::string& address) {
  return "You already have " + address + " in your web collection.    ";
}
inline std::string Added(const std::string& address) {
  return address + " was added successfully.    ";
}
inline std::string DeleteQuestion(const std::string& address) {
  return "Are you sure you want to delete " + address + "?";
}
inline std::string Deleted(const std::string& address) {
  return address + " was successfully deleted.    ";
}
constexpr const char* kNoMatch = "No web site in your web collection matched your description.    ";

// Backup and Restore.
constexpr const char* kInsertDisk = "Please insert your backup disk now.    ";
constexpr const char* kBackupDone = "Backup was completed successfully.    ";
constexpr const char* kCannotRestoreSites =
    "Can not restore web sites.\nPlease make sure you have inserted your backup disk.    ";
constexpr const char* kCannotRestoreDescriptions =
    "Can not restore descriptions.\nPlease make sure you have inserted your backup disk.    ";
constexpr const char* kRestored = "Your web collection was successfully restored from backup.    ";

// Connect, Print and the complete report.
constexpr const char* kReadmeHtmlMissing =
    "Please make sure that you have " LUNETAR_README_PAGE " in your " LUNETAR_PROGRAM_FOLDER
    " folder.    ";
constexpr const char* kReadmeTxtMissing =
    "Please make sure that you have " LUNETAR_README_TEXT " in your " LUNETAR_PROGRAM_FOLDER
    " folder.    ";
constexpr const char* kCannotWriteReport = "Please free some space on you hard drive first.    ";
constexpr const char* kCompleteReportQuestion =
    "Please Note:\n\nYour Complete Report will be created from the data on your hard drive. If "
    "your backup data is more current, please restore your web collection first, then save it "
    "and then proceed.\n\nDo you want to continue?";

// Notes.
constexpr const char* kEnterNote = "Please enter your note first.    ";
constexpr const char* kCannotSaveNote =
    "Can not save. Please free some space on you hard drive first.    ";
constexpr const char* kNoteSaved = "Your note was saved successfully.    ";
constexpr const char* kNoNote = "There is no note to delete.    ";
constexpr const char* kNoteDeleted = "Note was successfully deleted.    ";
constexpr const char* kNoteTooLong =
    "Your note is longer than 800 characters. Please shorten it first.    ";
inline std::string CannotDeleteNote(const std::string& path) {
  return "Can not delete the note file " + path +
         ".\nPlease make sure that it is not read-only and that no other program uses it.    ";
}

}  // namespace lunetar::texts
