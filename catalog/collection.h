// The site catalog's collection: web addresses and their descriptions, paired by position, and
// the pair of plain-text files that stores them (installed, or on the backup disk).
//
// The catalog window shows the two lists; everything here is plain data and files, so that the
// rules (the find rule, the file format, the safe save of a pair, the checks of Add and Delete)
// are tested natively.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "common/line_file.h"

namespace lunetar {

struct Collection {
  std::vector<std::string> addresses;
  std::vector<std::string> descriptions;
};

// The site of the maker that the catalog keeps in every collection.
extern const char* const kBuiltInAddress;
extern const char* const kBuiltInDescription;

// Each character of the suite's ANSI code page (Western European) in lower case: the ASCII
// letters, the accented capitals from 0xC0 to 0xDE but the multiplication sign, and the four
// capitals that the code page keeps below 0xA0. Users type "uber" for "Uber" and "über" for
// "Über" alike.
constexpr std::array<unsigned char, 256> MakeLowerCase() {
  std::array<unsigned char, 256> lower = {};
  for (int c = 0; c < 256; ++c) {
    const bool capital = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    lower[c] = static_cast<unsigned char>(capital ? c + 0x20 : c);
  }
  lower[0x8A] = 0x9A;  // S with caron
  lower[0x8C] = 0x9C;  // OE
  lower[0x8E] = 0x9E;  // Z with caron
  lower[0x9F] = 0xFF;  // Y with diaeresis
  return lower;
}
inline constexpr std::array<unsigned char, 256> kLowerCase = MakeLowerCase();

// The position of the first entry, from the top, that begins with text, letters compared
// without regard to case (kLowerCase); -1 when none does or text is empty.
int FindPrefix(const std::vector<std::string>& list, const std::string& text);

// Appends the built-in entry when no address begins with the built-in address. Returns whether
// it was appended.
bool EnsureBuiltInEntry(Collection& collection);

enum class CollectionPlace { Installed, Backup };

struct CollectionFiles {
  std::string addresses;     // data.ini
  std::string descriptions;  // desc.ini
};

// "C:\Program Files\Sarnovo\data.ini" and "desc.ini", or "A:\data.ini" and "A:\desc.ini".
CollectionFiles FilesOf(CollectionPlace place);

// Reads one collection file into entries, replacing what they held: one entry per line
// (SplitLines), whatever its length. Entries are untouched unless the file was read.
FileRead ReadCollectionFile(const std::string& path, std::vector<std::string>& entries);

// Reads the installed pair (as PairToRead finds it) into collection, file by file, as much as
// there is: a missing addresses file leaves both lists as they were (the descriptions are then not
// read), a missing descriptions file leaves the descriptions. Returns the path of a file that is
// there but could not be read ("" when none): the collection is then incomplete, and saving it
// would destroy that file's sites.
std::string ReadInstalledCollection(const CollectionFiles& files, Collection& collection);

enum class SaveOutcome {
  Saved,
  Empty,               // either list holds no entry: nothing was touched
  DescriptionsFailed,  // the descriptions file could not be written: both files as before
  AddressesFailed,     // the addresses file could not be written: both files as before
};

// Saves both lists, the descriptions first: each goes to a temporary file beside its file (its
// name + ".new"), every write checked and the file forced to the disk before it is closed, and
// only when both are complete are the two files replaced, desc.ini first. The earlier desc.ini
// waits beside it (+ ".old"; an empty file there when there was none) until data.ini is replaced
// too, and moves back when that fails.
// Whatever fails, the earlier pair stays whole. A save cut off before is put right first, and the
// save fails when that cannot be done.
SaveOutcome SaveCollectionFiles(const Collection& collection, const CollectionFiles& files,
                                ReplaceFileFunction replace);

// Puts a pair back together after a save that was cut off (the program killed, say):
// while data.ini has not been replaced, the earlier descriptions move back; once it has, the new
// pair stands. What the save left beside the pair is removed. False when a file in the way (held
// by another program, say) kept the earlier descriptions from moving back; PairToRead still finds
// the right pair then.
bool FinishInterruptedSave(const CollectionFiles& files, ReplaceFileFunction replace);

// The files that hold the pair, without changing any: the pair itself, or, while a cut-off save
// has not been put right and data.ini is still the earlier one, data.ini with the earlier
// descriptions that wait beside desc.ini.
CollectionFiles PairToRead(const CollectionFiles& files);

// The message for a save that did not succeed, in the wording of the place it went to; "" for
// Saved.
std::string SaveFailureMessage(SaveOutcome outcome, CollectionPlace place);

enum class RestoreOutcome { Restored, AddressesMissing, DescriptionsMissing };

// Reads both files of a pair (as PairToRead finds it), the addresses first, before anything
// changes: collection is replaced only when both could be read, and the descriptions are not
// opened when the addresses are missing. Nothing is written.
RestoreOutcome ReadCollectionFiles(const CollectionFiles& files, Collection& collection);

// The checks of the Add Web Site dialog, in order; "" when the texts are accepted.
std::string AddSiteRefusal(const std::string& address, const std::string& description);
// The check of the Find Web Site dialog; "" when the text is accepted.
std::string FindSiteRefusal(const std::string& description);
// Delete's checks before its question, in order; "" when the destination may be deleted.
std::string DeleteRefusal(const Collection& collection, const std::string& destination);
// Backup's check before it asks for the disk: a collection without an entry in either list is no
// backup; "" when it may be saved there.
std::string BackupRefusal(const Collection& collection);

// A collection that holds no entry in either list has no site to save, back up or delete.
bool IsEmptyCollection(const Collection& collection);
// Whether row holds a site in both lists. Files edited by hand can give the two lists different
// lengths; a row beyond the shorter one has no partner and is no site.
bool IsSite(const Collection& collection, int row);
// Add's rule: a site is appended unless an address of the collection begins with its address
// (FindPrefix). Returns "" when it was appended, or the message that says why not.
std::string AddSite(Collection& collection, const std::string& address,
                    const std::string& description);
// Removes the site at row from both lists; false, changing nothing, when row is no site.
bool RemoveSite(Collection& collection, int row);

}  // namespace lunetar
