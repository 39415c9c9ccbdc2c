#include "catalog/collection.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "common/file_ptr.h"
#include "common/suite.h"

namespace lunetar {

const char* const kBuiltInAddress = "https://lunetar.example/sarnovo/";
const char* const kBuiltInDescription = "Lunetar - Sarnovo and Korvadex, updates and news";

namespace {

// A letter of the suite's ANSI code page (Western European) in lower case: the ASCII letters,
// the accented capitals from 0xC0 to 0xDE but the multiplication sign, and the four capitals that
// the code page keeps below 0xA0. Users type "uber" for "Uber" and "über" for "Über" alike.
unsigned char LowerLetter(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 0x20);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
  switch (c) {
    case 0x8A: return 0x9A;  // S with caron
    case 0x8C: return 0x9C;  // OE
    case 0x8E: return 0x9E;  // Z with caron
    case 0x9F: return 0xFF;  // Y with diaeresis
    default: return c;
  }
}

bool SameIgnoringCase(char a, char b) {
  return LowerLetter(static_cast<unsigned char>(a)) == LowerLetter(static_cast<unsigned char>(b));
}

bool BeginsWith(const std::string& entry, const std::string& text) {
  if (entry.size() < text.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!SameIgnoringCase(entry[i], text[i])) return false;
  }
  return true;
}

// Splits a file's bytes into its lines: LF ends a line and a CR right before it belongs to the
// line end; any other CR is text. A last line without an end is a line too.
std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    std::size_t textEnd = end;
    if (textEnd > start && bytes[textEnd - 1] == '\r') --textEnd;
    lines.push_back(bytes.substr(start, textEnd - start));
    start = end + 1;
  }
  return lines;
}

bool CanOpen(const std::string& path) { return static_cast<bool>(OpenFile(path, "rb")); }

}  // namespace

int FindPrefix(const std::vector<std::string>& list, const std::string& text) {
  if (text.empty()) return -1;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (BeginsWith(list[i], text)) return static_cast<int>(i);
  }
  return -1;
}

bool EnsureBuiltInEntry(Collection& collection) {
  if (FindPrefix(collection.addresses, kBuiltInAddress) != -1) return false;
  collection.addresses.push_back(kBuiltInAddress);
  collection.descriptions.push_back(kBuiltInDescription);
  return true;
}

CollectionFiles FilesOf(CollectionPlace place) {
  if (place == CollectionPlace::Backup) return {"A:\\data.ini", "A:\\desc.ini"};
  return {LUNETAR_CATALOG_FOLDER "data.ini", LUNETAR_CATALOG_FOLDER "desc.ini"};
}

FileRead ReadCollectionFile(const std::string& path, std::vector<std::string>& entries) {
  // The whole file first, then its lines: a line of any length is one entry, so a long address
  // never shifts the pairing of the two lists.
  std::string bytes;
  const FileRead read = ReadFileBytes(path, bytes);
  if (read == FileRead::Read) entries = SplitLines(bytes);
  return read;
}

std::string ReadInstalledCollection(const CollectionFiles& files, Collection& collection) {
  switch (ReadCollectionFile(files.addresses, collection.addresses)) {
    case FileRead::Missing:
      return "";
    case FileRead::Unreadable:
      return files.addresses;
    case FileRead::Read:
      break;
  }
  if (ReadCollectionFile(files.descriptions, collection.descriptions) == FileRead::Unreadable) {
    return files.descriptions;
  }
  return "";
}

std::string UnreadableCollectionMessage(const std::string& path) {
  return "Can not read your web collection from " + path +
         ".\nPlease close the program that uses it and start Sarnovo again.    ";
}

std::string IncompleteCollectionMessage(const std::string& path) {
  return "Can not save your web collection, because Sarnovo could not read all of it.\nPlease "
         "close the program that uses " +
         path + " and start Sarnovo again.    ";
}

SaveOutcome SaveCollectionFiles(const Collection& collection, const CollectionFiles& files,
                                ReplaceFileFunction replace) {
  if (collection.addresses.empty() || collection.descriptions.empty()) return SaveOutcome::Empty;

  const std::string descriptionsTemporary = files.descriptions + ".new";
  const std::string addressesTemporary = files.addresses + ".new";
  const std::string earlierDescriptions = files.descriptions + ".old";
  auto removeTemporaries = [&] {
    std::remove(descriptionsTemporary.c_str());
    std::remove(addressesTemporary.c_str());
  };

  if (!WriteLineFile(descriptionsTemporary, collection.descriptions)) {
    removeTemporaries();
    return SaveOutcome::DescriptionsFailed;
  }
  if (!WriteLineFile(addressesTemporary, collection.addresses)) {
    removeTemporaries();
    return SaveOutcome::AddressesFailed;
  }

  // The earlier descriptions are moved aside, not copied: moving them back after a failed
  // replace of the addresses writes no byte, so it works on a full disk too, and the pair on
  // disk then still belongs together. A file that is there but cannot be moved is not touched.
  const bool movedAside = replace(files.descriptions, earlierDescriptions);
  if (!movedAside && CanOpen(files.descriptions)) {
    removeTemporaries();
    return SaveOutcome::DescriptionsFailed;
  }

  if (!replace(descriptionsTemporary, files.descriptions)) {
    if (movedAside) replace(earlierDescriptions, files.descriptions);
    removeTemporaries();
    return SaveOutcome::DescriptionsFailed;
  }
  if (!replace(addressesTemporary, files.addresses)) {
    // The new descriptions give way to the earlier ones, or to none when there were none.
    if (movedAside) {
      replace(earlierDescriptions, files.descriptions);
    } else {
      std::remove(files.descriptions.c_str());
    }
    removeTemporaries();
    return SaveOutcome::AddressesFailed;
  }
  if (movedAside) std::remove(earlierDescriptions.c_str());
  return SaveOutcome::Saved;
}

void FinishInterruptedSave(const CollectionFiles& files, ReplaceFileFunction replace) {
  const std::string descriptionsTemporary = files.descriptions + ".new";
  const std::string addressesTemporary = files.addresses + ".new";
  const std::string earlierDescriptions = files.descriptions + ".old";
  const bool earlierAside = CanOpen(earlierDescriptions);
  // data.ini.new is consumed by the save's last replace, so while it (or the descriptions'
  // temporary, which goes first) is there, data.ini is still the earlier one.
  const bool addressesKept = CanOpen(descriptionsTemporary) || CanOpen(addressesTemporary);
  if (addressesKept && earlierAside) {
    if (!replace(earlierDescriptions, files.descriptions)) return;  // tried again next time
  } else if (addressesKept && !CanOpen(descriptionsTemporary)) {
    // The new descriptions replaced none: the earlier pair had no descriptions file.
    std::remove(files.descriptions.c_str());
  } else if (earlierAside) {
    std::remove(earlierDescriptions.c_str());  // the save was complete
  }
  std::remove(descriptionsTemporary.c_str());
  std::remove(addressesTemporary.c_str());
}

std::string SaveFailureMessage(SaveOutcome outcome, CollectionPlace place) {
  const bool backup = place == CollectionPlace::Backup;
  switch (outcome) {
    case SaveOutcome::Saved:
      return "";
    case SaveOutcome::Empty:
      return "Your web collection is empty.    ";
    case SaveOutcome::DescriptionsFailed:
      return backup ? "Can not save descriptions.\nPlease make sure you have inserted your backup "
                      "disk and it is not full.    "
                    : "Can not save descriptions.\nPlease free some space on your hard drive "
                      "first.    ";
    case SaveOutcome::AddressesFailed:
      return backup ? "Can not save web addresses.\nPlease make sure you have inserted a disk and "
                      "it is not full.    "
                    : "Can not save web addresses.\nPlease free some space on your hard drive "
                      "first.    ";
  }
  return "";
}

RestoreOutcome ReadCollectionFiles(const CollectionFiles& files, Collection& collection) {
  Collection read;
  if (ReadCollectionFile(files.addresses, read.addresses) != FileRead::Read) {
    return RestoreOutcome::AddressesMissing;
  }
  if (ReadCollectionFile(files.descriptions, read.descriptions) != FileRead::Read) {
    return RestoreOutcome::DescriptionsMissing;
  }
  collection = std::move(read);
  return RestoreOutcome::Restored;
}

namespace {
// The longest address or description that Add and Find accept.
constexpr std::size_t kMaxSiteText = 150;
}  // namespace

std::string AddSiteRefusal(const std::string& address, const std::string& description) {
  if (address.empty()) return "Please enter a web site address.    ";
  if (address.size() > kMaxSiteText) return "Please enter a shorter web site address.    ";
  return FindSiteRefusal(description);
}

std::string FindSiteRefusal(const std::string& description) {
  if (description.empty()) return "Please enter a web site description.    ";
  if (description.size() > kMaxSiteText) return "Please enter a shorter web site description.    ";
  return "";
}

std::string DeleteRefusal(const Collection& collection, const std::string& destination) {
  if (destination == kBuiltInAddress) return "This site can not be deleted.    ";
  if (collection.addresses.empty() || collection.descriptions.empty()) {
    return "Your web collection is empty.    ";
  }
  if (FindPrefix(collection.addresses, destination) == -1) {
    return "Please select a web site first.   ";
  }
  return "";
}

}  // namespace lunetar
