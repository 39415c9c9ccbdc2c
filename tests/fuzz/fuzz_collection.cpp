// The collection files: ReadCollectionFile, ReadCollectionFiles and ReadInstalledCollection,
// and FindPrefix on the lines read. Input: the prefix to find as a text from the front, then
// data.ini as a text, desc.ini the rest.
#include <fuzzer/FuzzedDataProvider.h>

#include "catalog/collection.h"
#include "fuzz_support.h"

using namespace lunetar;

namespace {

// FindPrefix's answer is the first entry that begins with text, so an entry always finds itself
// or one above it. The first entries only, to keep a run linear in the input.
void CheckFindPrefix(const std::vector<std::string>& entries, const std::string& prefix) {
  const int found = FindPrefix(entries, prefix);
  FUZZ_CHECK(found >= -1 && found < static_cast<int>(entries.size()));
  FUZZ_CHECK(!prefix.empty() || found == -1);
  for (std::size_t i = 0; i < entries.size() && i < 16; ++i) {
    const int self = FindPrefix(entries, entries[i]);
    FUZZ_CHECK(entries[i].empty() ? self == -1 : self >= 0 && self <= static_cast<int>(i));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string prefix = input.ConsumeRandomLengthString(64);
  const std::string addresses = input.ConsumeRandomLengthString();
  const std::string descriptions = input.ConsumeRemainingBytesAsString();

  const CollectionFiles files{fuzz::WriteInputFile("data.ini", addresses),
                              fuzz::WriteInputFile("desc.ini", descriptions)};
  std::vector<std::string> entries{"held before"};
  FUZZ_CHECK(ReadCollectionFile(files.addresses, entries) == FileRead::Read);
  // One entry per line, whatever its length.
  FUZZ_CHECK(entries == fuzz::ExpectedPieces(addresses, SIZE_MAX));
  CheckFindPrefix(entries, prefix);

  Collection collection;
  FUZZ_CHECK(ReadCollectionFiles(files, collection) == RestoreOutcome::Restored);
  FUZZ_CHECK(collection.addresses == entries);
  FUZZ_CHECK(collection.descriptions == fuzz::ExpectedPieces(descriptions, SIZE_MAX));
  CheckFindPrefix(collection.descriptions, prefix);

  Collection installed;
  FUZZ_CHECK(ReadInstalledCollection(files, installed).empty());
  FUZZ_CHECK(installed.addresses == collection.addresses);
  FUZZ_CHECK(installed.descriptions == collection.descriptions);
  return 0;
}
