#include "catalog/collection.h"

#include <cstdio>
#include <utility>

#include <sys/stat.h>

#include "catalog/catalog_texts.h"
#include "common/suite.h"

namespace lunetar {

const char* const kBuiltInAddress = "https://lunetar.example/sarnovo/";
const char* const kBuiltInDescription = "Lunetar - Sarnovo and Korvadex, updates and news";

namespace {

bool SameIgnoringCase(char a, char b) {
  return kLowerCase[static_cast<unsigned char>(a)] == kLowerCase[static_cast<unsigned char>(b)];
}

bool BeginsWith(const std::string& entry, const std::string& text) {
  if (entry.size() < text.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!SameIgnoringCase(entry[i], text[i])) return false;
  }
  return true;
}

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
  if (place == CollectionPlace::Backup) {
    return {LUNETAR_BACKUP_FOLDER LUNETAR_ADDRESSES_FILE,
            LUNETAR_BACKUP_FOLDER LUNETAR_DESCRIPTIONS_FILE};
  }
  return {LUNETAR_CATALOG_FOLDER LUNETAR_ADDRESSES_FILE,
          LUNETAR_CATALOG_FOLDER LUNETAR_DESCRIPTIONS_FILE};
}

FileRead ReadCollectionFile(const std::string& path, std::vector<std::string>& entries) {
  // The whole file first, then its lines: a line of any length is one entry, so a long address
  // never shifts the pairing of the two lists.
  std::string bytes;
  const FileRead read = ReadFileBytes(path, bytes);
  if (read != FileRead::Read) return read;
  // The earlier entries go before the new ones are made: a large collection is not held twice.
  std::vector<std::string>().swap(entries);
  entries = SplitLines(bytes);
  return read;
}

std::string ReadInstalledCollection(const CollectionFiles& installed, Collection& collection) {
  const CollectionFiles files = PairToRead(installed);
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

namespace {

bool Exists(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0;
}

// The names a save uses beside the pair. The temporaries hold the new files until both are
// complete; the earlier descriptions wait beside desc.ini while the files are replaced. When there
// were none, an empty file waits there instead, so that its presence alone says that the files are
// being replaced: an empty descriptions file reads as no descriptions, like a missing one.
struct SaveFiles {
  std::string descriptionsTemporary, addressesTemporary, earlierDescriptions;
  explicit SaveFiles(const CollectionFiles& files)
      : descriptionsTemporary(files.descriptions + ".new"),
        addressesTemporary(files.addresses + ".new"),
        earlierDescriptions(files.descriptions + ".old") {}
  // The files are being replaced and data.ini is still the earlier one: its temporary (or the
  // descriptions', which is moved first) has not been moved yet.
  bool AddressesNotReplaced() const {
    return Exists(earlierDescriptions) &&
           (Exists(descriptionsTemporary) || Exists(addressesTemporary));
  }
  void RemoveTemporaries() const {
    std::remove(descriptionsTemporary.c_str());
    std::remove(addressesTemporary.c_str());
  }
};

}  // namespace

SaveOutcome SaveCollectionFiles(const Collection& collection, const CollectionFiles& files,
                                ReplaceFileFunction replace) {
  if (IsEmptyCollection(collection)) return SaveOutcome::Empty;
  // A save cut off while it replaced the files must be put right first: this one would move the
  // current desc.ini over the only copy of the earlier descriptions. Temporaries alone are simply
  // written anew.
  const SaveFiles save(files);
  if (Exists(save.earlierDescriptions) && !FinishInterruptedSave(files, replace)) {
    return SaveOutcome::DescriptionsFailed;
  }

  if (!WriteLineFile(save.descriptionsTemporary, collection.descriptions)) {
    save.RemoveTemporaries();
    return SaveOutcome::DescriptionsFailed;
  }
  if (!WriteLineFile(save.addressesTemporary, collection.addresses)) {
    save.RemoveTemporaries();
    return SaveOutcome::AddressesFailed;
  }

  // The earlier descriptions are moved aside, not copied: moving them back after a failed
  // replace writes no byte, so it works on a full disk too.
  const bool hadDescriptions = Exists(files.descriptions);
  const bool aside = hadDescriptions ? replace(files.descriptions, save.earlierDescriptions)
                                     : WriteLineFile(save.earlierDescriptions, {});
  if (!aside) {
    save.RemoveTemporaries();
    return SaveOutcome::DescriptionsFailed;
  }
  // Puts the earlier descriptions back. When that fails the temporaries stay, and with them the
  // sign that the next start or save must put the pair right.
  auto giveUp = [&](SaveOutcome outcome) {
    bool back;
    if (hadDescriptions) {
      back = replace(save.earlierDescriptions, files.descriptions);
    } else {
      back = (std::remove(files.descriptions.c_str()) == 0 || !Exists(files.descriptions)) &&
             std::remove(save.earlierDescriptions.c_str()) == 0;
    }
    if (back) save.RemoveTemporaries();
    return outcome;
  };
  if (!replace(save.descriptionsTemporary, files.descriptions)) {
    return giveUp(SaveOutcome::DescriptionsFailed);
  }
  if (!replace(save.addressesTemporary, files.addresses)) {
    return giveUp(SaveOutcome::AddressesFailed);
  }
  std::remove(save.earlierDescriptions.c_str());
  return SaveOutcome::Saved;
}

bool FinishInterruptedSave(const CollectionFiles& files, ReplaceFileFunction replace) {
  const SaveFiles save(files);
  if (!Exists(save.earlierDescriptions)) {
    // Nothing was replaced: what a cut-off save wrote is of no use.
    save.RemoveTemporaries();
    return true;
  }
  if (save.AddressesNotReplaced()) {
    // The earlier pair comes back; the temporaries go only then, as they mark the state.
    if (!replace(save.earlierDescriptions, files.descriptions)) return false;
    save.RemoveTemporaries();
    return true;
  }
  // The new pair is whole, and only the earlier descriptions were left; unless desc.ini is gone,
  // when they are the only descriptions there are. Left ones that cannot be removed do no harm:
  // the next save moves desc.ini over them, or fails before it changes anything.
  if (!Exists(files.descriptions)) return replace(save.earlierDescriptions, files.descriptions);
  std::remove(save.earlierDescriptions.c_str());
  return true;
}

CollectionFiles PairToRead(const CollectionFiles& files) {
  const SaveFiles save(files);
  if (save.AddressesNotReplaced()) return {files.addresses, save.earlierDescriptions};
  return files;
}

std::string SaveFailureMessage(SaveOutcome outcome, CollectionPlace place) {
  const bool backup = place == CollectionPlace::Backup;
  switch (outcome) {
    case SaveOutcome::Saved:
      return "";
    case SaveOutcome::Empty:
      return texts::kEmptyCollection;
    case SaveOutcome::DescriptionsFailed:
      return backup ? texts::kCannotSaveDescriptionsToBackup : texts::kCannotSaveDescriptionsToDisk;
    case SaveOutcome::AddressesFailed:
      return backup ? texts::kCannotSaveAddressesToBackup : texts::kCannotSaveAddressesToDisk;
  }
  return "";
}

RestoreOutcome ReadCollectionFiles(const CollectionFiles& pair, Collection& collection) {
  const CollectionFiles files = PairToRead(pair);
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
  if (address.empty()) return texts::kEnterAddress;
  if (address.size() > kMaxSiteText) return texts::kShorterAddress;
  return FindSiteRefusal(description);
}

std::string FindSiteRefusal(const std::string& description) {
  if (description.empty()) return texts::kEnterDescription;
  if (description.size() > kMaxSiteText) return texts::kShorterDescription;
  return "";
}

bool IsEmptyCollection(const Collection& collection) {
  return collection.addresses.empty() || collection.descriptions.empty();
}

bool IsSite(const Collection& collection, int row) {
  return row >= 0 && static_cast<std::size_t>(row) < collection.addresses.size() &&
         static_cast<std::size_t>(row) < collection.descriptions.size();
}

std::string AddSite(Collection& collection, const std::string& address,
                    const std::string& description) {
  if (FindPrefix(collection.addresses, address) != -1) return texts::AlreadyInCollection(address);
  collection.addresses.push_back(address);
  collection.descriptions.push_back(description);
  return "";
}

std::string DeleteRefusal(const Collection& collection, const std::string& destination) {
  if (destination == kBuiltInAddress) return texts::kCannotDelete;
  if (IsEmptyCollection(collection)) return texts::kEmptyCollection;
  if (FindPrefix(collection.addresses, destination) == -1) return texts::kSelectFirstToDelete;
  return "";
}

bool RemoveSite(Collection& collection, int row) {
  if (!IsSite(collection, row)) return false;
  const auto at = static_cast<std::ptrdiff_t>(row);
  collection.addresses.erase(collection.addresses.begin() + at);
  collection.descriptions.erase(collection.descriptions.begin() + at);
  return true;
}

std::string BackupRefusal(const Collection& collection) {
  if (IsEmptyCollection(collection)) return texts::kEmptyCollection;
  return "";
}

}  // namespace lunetar
