#include "catalog/collection.h"
#include "catalog/catalog_texts.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "test_support.h"

namespace lunetar {
namespace {

using Lines = std::vector<std::string>;

// A collection's two lists, compared and printed as one.
std::pair<Lines, Lines> Lists(const Collection& collection) {
  return {collection.addresses, collection.descriptions};
}
// The collection with one site more, at the end of both lists.
Collection With(Collection collection, const std::string& address, const std::string& description) {
  collection.addresses.push_back(address);
  collection.descriptions.push_back(description);
  return collection;
}

TEST(FindPrefix, FirstEntryThatBeginsWithTheTextInAnyCase) {
  const Lines list = {"Alpha/page", "xabc", "ABCD", "abcde", "a{b", "\xDC" "ber uns", "\xF7 by"};
  const struct {
    const char* text;
    int found;
  } cases[] = {
      {"", -1},                 // an empty text finds nothing
      {"aLPHA", 0},             // letters in any case
      {"Alpha/page", 0},        // the whole entry
      {"alpha/page/more", -1},  // a prefix match, not equality
      {"abc", 2},               // the upper of ABCD and abcde; xabc only contains it
      {"A[", -1},               // '[' and '{' differ as letters' cases do, but are not letters
      {"b", -1},
      {"\xFC" "ber", 5},  // letters of the ANSI code page beyond ASCII: u with diaeresis
      {"\xD7", -1},       // the multiplication sign is no capital of the division sign
  };
  for (const auto& c : cases) EXPECT_EQ(FindPrefix(list, c.text), c.found) << c.text;
  EXPECT_EQ(FindPrefix({}, "a"), -1);
}

TEST(BuiltInEntry, AppendedToTheEndOfBothListsUnlessAnAddressBeginsWithIt) {
  const std::string upper = "HTTPS://LUNETAR.EXAMPLE/SARNOVO/news";
  const struct {
    Collection before;
    bool appended;
  } cases[] = {
      {{}, true},
      {{{"a", "b"}, {"x"}}, true},                    // lists of different lengths
      {{{"https://lunetar.example/"}, {"x"}}, true},  // the built-in begins with it: not enough
      {{{"a", upper}, {"x", "y"}}, false},            // begins with it, in another case
  };
  for (const auto& c : cases) {
    Collection collection = c.before;
    EXPECT_EQ(EnsureBuiltInEntry(collection), c.appended);
    EXPECT_EQ(Lists(collection),
              Lists(c.appended ? With(c.before, kBuiltInAddress, kBuiltInDescription) : c.before));
  }
}

TEST(SaveFailureMessage, WordingOfEachFileAndPlace) {
  const auto installed = CollectionPlace::Installed;
  const auto backup = CollectionPlace::Backup;
  const struct {
    SaveOutcome outcome;
    CollectionPlace place;
    const char* text;
  } cases[] = {
      {SaveOutcome::Saved, installed, ""},
      {SaveOutcome::Saved, backup, ""},
      {SaveOutcome::Empty, installed, "Your web collection is empty.    "},
      {SaveOutcome::Empty, backup, "Your web collection is empty.    "},
      {SaveOutcome::DescriptionsFailed, installed,
       "Can not save descriptions.\nPlease free some space on your hard drive first.    "},
      {SaveOutcome::DescriptionsFailed, backup,
       "Can not save descriptions.\nPlease make sure you have inserted your backup disk and it "
       "is not full.    "},
      {SaveOutcome::AddressesFailed, installed,
       "Can not save web addresses.\nPlease free some space on your hard drive first.    "},
      {SaveOutcome::AddressesFailed, backup,
       "Can not save web addresses.\nPlease make sure you have inserted a disk and it is not "
       "full.    "},
  };
  for (const auto& c : cases) EXPECT_EQ(SaveFailureMessage(c.outcome, c.place), c.text);
}

TEST(SiteChecks, AddTestsTheAddressFirstAndCountsBlanks) {
  const std::string x150(150, 'x'), x151(151, 'x');
  const std::string noAddress = "Please enter a web site address.    ";
  const std::string longAddress = "Please enter a shorter web site address.    ";
  const std::string noDescription = "Please enter a web site description.    ";
  const std::string longDescription = "Please enter a shorter web site description.    ";
  const struct {
    std::string address, description, refusal;
  } cases[] = {
      {"", "", noAddress},         {"", "d", noAddress},
      {x151, "", longAddress},     {x150, x150, ""},
      {"a", "", noDescription},    {"a", x151, longDescription},
      {" ", " ", ""},              {std::string(149, 'x') + "  ", "d", longAddress},
      {"a", std::string(150, ' ') + "d", longDescription},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AddSiteRefusal(c.address, c.description), c.refusal)
        << c.address.size() << " / " << c.description.size();
  }
  EXPECT_EQ(FindSiteRefusal(""), noDescription);
  EXPECT_EQ(FindSiteRefusal(" "), "");
  EXPECT_EQ(FindSiteRefusal(x150), "");
  EXPECT_EQ(FindSiteRefusal(x151), longDescription);
}

TEST(SiteChecks, DeleteRefusesTheBuiltInFirstThenAnEmptyCollectionThenNoMatch) {
  const std::string builtIn = kBuiltInAddress;
  std::string builtInUpper = builtIn;
  for (char& c : builtInUpper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  ASSERT_NE(builtIn, builtInUpper) << "the built-in address holds lower-case letters";
  const Collection full = {{"alpha/page", builtIn}, {"Alpha", "Lunetar"}};
  const Collection noDescriptions = {{"alpha/page"}, {}};
  const Collection none;
  const std::string cannot = "This site can not be deleted.    ";
  const std::string empty = "Your web collection is empty.    ";
  const std::string select = "Please select a web site first.   ";  // three blanks
  const struct {
    const Collection& collection;
    std::string destination, refusal;
  } cases[] = {
      {none, builtIn, cannot},         {full, builtIn, cannot},
      {full, builtInUpper, ""},        {noDescriptions, "alpha/page", empty},
      {none, "", empty},               {full, "", select},
      {full, "beta", select},          {full, "ALPHA/PAGE", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DeleteRefusal(c.collection, c.destination), c.refusal) << c.destination;
  }
}

// Moves like RenameOver until movesBeforeCut moves are made; the next one cuts the save off where
// it stands, as a killed program or a power failure would: nothing after it runs.
int movesBeforeCut;
struct Cut {};
bool CutAfterMoves(const std::string& from, const std::string& to) {
  if (movesBeforeCut-- == 0) throw Cut{};
  return RenameOver(from, to);
}

// Moves like RenameOver, except any move out of a file named in refusedSources.
std::set<std::string> refusedSources;
bool RefuseSources(const std::string& from, const std::string& to) {
  return refusedSources.count(std::filesystem::path(from).filename().string()) == 0 &&
         RenameOver(from, to);
}

class CollectionFilesTest : public TempFileTest {
 protected:
  CollectionFiles files_;
  // A pair whose last lines have no end and whose counts differ, so that any rewrite shows.
  const std::string earlierAddresses_ = "old/a\r\nold/b";
  const std::string earlierDescriptions_ = "Old A\n";
  const Collection later_ = {{"new/a", "new/b", "new/c"}, {"New A", "New B", "New C"}};

  void SetUp() override {
    TempFileTest::SetUp();
    files_ = {In("data.ini"), In("desc.ini")};
  }
  void WriteEarlierPair() {
    WriteBytes(files_.addresses, earlierAddresses_);
    WriteBytes(files_.descriptions, earlierDescriptions_);
  }
  void ExpectLaterPairAlone() {
    EXPECT_EQ(FileBytes(files_.addresses), "new/a\r\nnew/b\r\nnew/c\r\n");
    EXPECT_EQ(FileBytes(files_.descriptions), "New A\r\nNew B\r\nNew C\r\n");
    EXPECT_EQ(Names(), (std::set<std::string>{"data.ini", "desc.ini"}));
  }
  void ExpectEarlierPairAlone() {
    EXPECT_EQ(FileBytes(files_.addresses), earlierAddresses_);
    EXPECT_EQ(FileBytes(files_.descriptions), earlierDescriptions_);
    EXPECT_EQ(Names(), (std::set<std::string>{"data.ini", "desc.ini"}));
  }
};

TEST_F(CollectionFilesTest, ReadsOneEntryPerLineOfAnyLength) {
  const std::string longLine(100000, 'w');
  const struct {
    const char* name;
    std::string bytes;
    Lines entries;
  } cases[] = {
      {"CR LF lines", "a\r\nb\r\nc\r\n", {"a", "b", "c"}},
      {"empty lines", "\r\nb\r\n\r\n", {"", "b", ""}},
      {"last line without an end", "a\r\nlast", {"a", "last"}},
      {"LF only", "a\nb\n", {"a", "b"}},
      {"lone CR and Ctrl-Z are text", "a\rb\x1A\r\nc\r", {"a\rb\x1A", "c\r"}},
      {"only one CR belongs to the end", "a\r\r\n", {"a\r"}},
      {"empty file", "", {}},
      {"a 100,000-character line", longLine + "\r\nnext\r\n", {longLine, "next"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Write(c.bytes);
    Lines entries = {"held before"};
    ASSERT_EQ(ReadCollectionFile(path_, entries), FileRead::Read);
    EXPECT_EQ(entries, c.entries);
  }
  Lines entries = {"held before"};
  EXPECT_EQ(ReadCollectionFile(path_ + ".missing", entries), FileRead::Missing);
  EXPECT_EQ(entries, Lines{"held before"});
}

// Hand-edited files of five and four lines stay five and four, each line now ending in CR LF, and
// the save leaves nothing beside them.
TEST_F(CollectionFilesTest, UnequalFilesLoadAndSaveBackAsTheyWere) {
  WriteBytes(files_.addresses, "a1\r\n\r\na3\na4\r\na5");
  WriteBytes(files_.descriptions, "d1\r\nd2\nd3\r\nd4\r\n");
  Collection collection;
  ASSERT_EQ(ReadCollectionFiles(files_, collection), RestoreOutcome::Restored);
  EXPECT_EQ(collection.addresses, (Lines{"a1", "", "a3", "a4", "a5"}));
  EXPECT_EQ(collection.descriptions, (Lines{"d1", "d2", "d3", "d4"}));
  ASSERT_EQ(SaveCollectionFiles(collection, files_, RenameOver), SaveOutcome::Saved);
  EXPECT_EQ(FileBytes(files_.addresses), "a1\r\n\r\na3\r\na4\r\na5\r\n");
  EXPECT_EQ(FileBytes(files_.descriptions), "d1\r\nd2\r\nd3\r\nd4\r\n");
  EXPECT_EQ(Names(), (std::set<std::string>{"data.ini", "desc.ini"}));
}

TEST_F(CollectionFilesTest, ReadsBothFilesBeforeChangingTheCollection) {
  const Collection held = {{"held/a"}, {"Held A"}};
  const struct {
    const char* name;
    const char* addresses;  // nullptr: no such file
    const char* descriptions;
    RestoreOutcome outcome;
    Collection after;
  } cases[] = {
      {"neither file", nullptr, nullptr, RestoreOutcome::AddressesMissing, held},
      {"descriptions only", nullptr, "D\r\n", RestoreOutcome::AddressesMissing, held},
      {"addresses only", "a\r\n", nullptr, RestoreOutcome::DescriptionsMissing, held},
      {"two empty files", "", "", RestoreOutcome::Restored, {}},
      {"both", "a\r\nb\r\n", "D\r\n", RestoreOutcome::Restored, {{"a", "b"}, {"D"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(files_.addresses);
    std::filesystem::remove(files_.descriptions);
    if (c.addresses) WriteBytes(files_.addresses, c.addresses);
    if (c.descriptions) WriteBytes(files_.descriptions, c.descriptions);
    Collection collection = held;
    EXPECT_EQ(ReadCollectionFiles(files_, collection), c.outcome);
    EXPECT_EQ(Lists(collection), Lists(c.after));
  }
}

TEST_F(CollectionFilesTest, AnEmptyListTouchesNoFile) {
  WriteEarlierPair();
  for (const Collection& empty : {Collection{{}, {"d"}}, Collection{{"a"}, {}}, Collection{}}) {
    EXPECT_EQ(SaveCollectionFiles(empty, files_, MustNotReplace), SaveOutcome::Empty);
    ExpectEarlierPairAlone();
  }
}

TEST_F(CollectionFilesTest, AFailedReplaceKeepsTheEarlierPair) {
  const struct {
    const char* refused;  // the file that cannot be moved
    SaveOutcome outcome;
  } cases[] = {
      {"desc.ini", SaveOutcome::DescriptionsFailed},      // the earlier descriptions, in use
      {"desc.ini.new", SaveOutcome::DescriptionsFailed},  // the new descriptions
      {"data.ini.new", SaveOutcome::AddressesFailed},     // the new addresses, after desc.ini
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.refused);
    WriteEarlierPair();
    refusedSources = {c.refused};
    EXPECT_EQ(SaveCollectionFiles(later_, files_, RefuseSources), c.outcome);
    ExpectEarlierPairAlone();
  }
  // With no earlier pair, the new descriptions do not stay alone either.
  std::filesystem::remove(files_.addresses);
  std::filesystem::remove(files_.descriptions);
  refusedSources = {"data.ini.new"};
  EXPECT_EQ(SaveCollectionFiles(later_, files_, RefuseSources), SaveOutcome::AddressesFailed);
  EXPECT_TRUE(Names().empty());
}

// A disk that fills up while a temporary is written: the temporary is made a link to the device
// whose every write fails with "no space left".
TEST_F(CollectionFilesTest, AFailedWriteKeepsTheEarlierPair) {
  const struct {
    const char* temporary;
    SaveOutcome outcome;
  } cases[] = {
      {"desc.ini.new", SaveOutcome::DescriptionsFailed},
      {"data.ini.new", SaveOutcome::AddressesFailed},
  };
  WriteEarlierPair();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.temporary);
    if (!LinkToFullDevice(In(c.temporary))) GTEST_SKIP() << "no link to the full device";
    EXPECT_EQ(SaveCollectionFiles(later_, files_, MustNotReplace), c.outcome);
    ExpectEarlierPairAlone();
  }
}

// The backup disk is not inserted: nothing can be written, and the descriptions say so first.
TEST_F(CollectionFilesTest, AMissingFolderFailsAtTheDescriptions) {
  const CollectionFiles missing = {In("A/data.ini"), In("A/desc.ini")};
  EXPECT_EQ(SaveCollectionFiles(later_, missing, MustNotReplace), SaveOutcome::DescriptionsFailed);
  EXPECT_TRUE(Names().empty());
}

// A save cut off after any of its moves, or before the earlier descriptions were removed: at the
// next start the earlier pair is back (or, before the first save, no pair), or the new one stands
// once data.ini was replaced; nothing else is left in the folder.
TEST_F(CollectionFilesTest, ASaveCutOffAnywhereLeavesOneWholePairAfterTheNextStart) {
  for (const bool earlier : {true, false}) {
    for (int moves = 0;; ++moves) {
      SCOPED_TRACE((earlier ? "earlier pair, cut after " : "first save, cut after ") +
                   std::to_string(moves) + " moves");
      for (const std::string& name : Names()) std::filesystem::remove(In(name));
      if (earlier) WriteEarlierPair();
      movesBeforeCut = moves;
      bool cut = false;
      try {
        ASSERT_EQ(SaveCollectionFiles(later_, files_, CutAfterMoves), SaveOutcome::Saved);
      } catch (const Cut&) {
        cut = true;
      }
      // Complete but for the removal of what waited beside desc.ini.
      if (!cut) WriteBytes(files_.descriptions + ".old", earlier ? earlierDescriptions_ : "");
      EXPECT_TRUE(FinishInterruptedSave(files_, RenameOver));
      if (!cut) {
        ExpectLaterPairAlone();
        break;
      }
      if (earlier) {
        ExpectEarlierPairAlone();
      } else {  // no addresses, and descriptions that read as none
        EXPECT_EQ(Names(), std::set<std::string>{"desc.ini"});
        EXPECT_EQ(FileBytes(files_.descriptions), "");
      }
    }
  }
  // Cut off while the descriptions' temporary was being written; and a pair with nothing to mend.
  WriteEarlierPair();
  WriteBytes(files_.descriptions + ".new", "New A\r\nNe");
  FinishInterruptedSave(files_, MustNotReplace);
  ExpectEarlierPairAlone();
  FinishInterruptedSave(files_, MustNotReplace);
  ExpectEarlierPairAlone();
}

// A file in the way (held by another program) or a second failure never costs the earlier pair:
// while it cannot be put right, PairToRead still finds it, and no save goes over it.
TEST_F(CollectionFilesTest, PuttingACutOffSaveRightNeverLosesTheEarlierPair) {
  const std::string newDescriptions = "New A\r\nNew B\r\nNew C\r\n";
  const std::string descriptionsAside = files_.descriptions + ".old";
  // Cut off after desc.ini was replaced: only desc.ini.old holds the earlier descriptions.
  auto writeCutOffPair = [&] {
    WriteBytes(files_.addresses, earlierAddresses_);
    WriteBytes(files_.descriptions, newDescriptions);
    WriteBytes(descriptionsAside, earlierDescriptions_);
    WriteBytes(files_.addresses + ".new", "new/a\r\n");
  };
  writeCutOffPair();
  const std::set<std::string> cutOff = Names();
  const CollectionFiles toRead = PairToRead(files_);
  EXPECT_EQ(toRead.addresses, files_.addresses);
  EXPECT_EQ(toRead.descriptions, descriptionsAside);
  EXPECT_FALSE(FinishInterruptedSave(files_, RefuseToReplace));
  EXPECT_EQ(SaveCollectionFiles(later_, files_, RefuseToReplace), SaveOutcome::DescriptionsFailed);
  EXPECT_EQ(Names(), cutOff);
  EXPECT_EQ(FileBytes(descriptionsAside), earlierDescriptions_);
  // The next save puts it right first, and then saves.
  EXPECT_EQ(SaveCollectionFiles(later_, files_, RenameOver), SaveOutcome::Saved);
  ExpectLaterPairAlone();

  // A putting right cut off between moving back and removing the temporaries.
  WriteEarlierPair();
  WriteBytes(files_.addresses + ".new", "new/a\r\n");
  EXPECT_TRUE(FinishInterruptedSave(files_, MustNotReplace));
  ExpectEarlierPairAlone();

  // A save whose addresses cannot be replaced, and whose earlier descriptions cannot be moved back
  // either: what it leaves marks the state, and the next start puts the earlier pair back.
  for (const bool earlier : {true, false}) {
    SCOPED_TRACE(earlier ? "earlier pair" : "first save");
    for (const std::string& name : Names()) std::filesystem::remove(In(name));
    if (earlier) WriteEarlierPair();
    refusedSources = {"data.ini.new", "desc.ini.old"};
    EXPECT_EQ(SaveCollectionFiles(later_, files_, RefuseSources), SaveOutcome::AddressesFailed);
    EXPECT_EQ(PairToRead(files_).descriptions, earlier ? descriptionsAside : files_.descriptions);
    EXPECT_TRUE(FinishInterruptedSave(files_, RenameOver));
    if (earlier) {
      ExpectEarlierPairAlone();
    } else {
      EXPECT_TRUE(Names().empty());
    }
  }
}

// The installed pair at start-up: a missing file is a collection not saved yet; a file that is
// there but cannot be read (here a folder in its place) is named, and the descriptions are not
// read when the addresses could not be.
TEST_F(CollectionFilesTest, StartUpNamesAFileThatIsThereButCannotBeRead) {
  const struct {
    const char* name;
    const char* addresses;  // nullptr: missing; "/": a folder in its place
    const char* descriptions;
    bool addressesUnread;  // which file is named, if any
    bool descriptionsUnread;
    Collection after;
  } cases[] = {
      {"both read", "a\r\n", "D\r\n", false, false, {{"a"}, {"D"}}},
      {"both missing", nullptr, nullptr, false, false, {}},
      {"descriptions missing", "a\r\n", nullptr, false, false, {{"a"}, {}}},
      {"addresses unreadable", "/", "D\r\n", true, false, {}},
      {"descriptions unreadable", "a\r\n", "/", false, true, {{"a"}, {}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const std::string& name : Names()) std::filesystem::remove_all(In(name));
    for (const auto& [path, bytes] : {std::pair{files_.addresses, c.addresses},
                                      std::pair{files_.descriptions, c.descriptions}}) {
      if (bytes && std::string(bytes) == "/") {
        std::filesystem::create_directory(path);
      } else if (bytes) {
        WriteBytes(path, bytes);
      }
    }
    Collection collection;
    const std::string unread = ReadInstalledCollection(files_, collection);
    EXPECT_EQ(unread, c.addressesUnread      ? files_.addresses
                      : c.descriptionsUnread ? files_.descriptions
                                             : "");
    EXPECT_EQ(Lists(collection), Lists(c.after));
  }
  EXPECT_EQ(texts::UnreadableCollection("C:\\S\\data.ini"),
            "Can not read your web collection from C:\\S\\data.ini.\nPlease close the program "
            "that uses it and start Sarnovo again.    ");
  EXPECT_EQ(texts::IncompleteCollection("C:\\S\\desc.ini"),
            "Can not save your web collection, because Sarnovo could not read all of it.\nPlease "
            "close the program that uses C:\\S\\desc.ini and start Sarnovo again.    ");
}

// The window's edits: Add appends to both lists unless an address begins with the new one, Delete
// removes a row only where both lists have it, and Backup refuses a collection missing a half.
TEST(SiteEdits, AddKeepsTheDuplicateRuleAndRemoveTakesOnlyWholeRows) {
  const Collection start = {{"https://Alpha.example/page", "b"}, {"Alpha", "Beta"}};
  const struct {
    std::string address;
    bool added;
  } adds[] = {
      {"https://alpha.example/", false},  // begins an address, case aside
      {"https://Alpha.example/page", false},
      {"https://alpha.example/page/more", true},
      {"c", true},
  };
  for (const auto& add : adds) {
    SCOPED_TRACE(add.address);
    Collection collection = start;
    EXPECT_EQ(AddSite(collection, add.address, "new"),
              add.added ? "" : "You already have " + add.address + " in your web collection.    ");
    EXPECT_EQ(Lists(collection), Lists(add.added ? With(start, add.address, "new") : start));
  }

  const Collection uneven = {{"a", "b", "c"}, {"A", "B"}};
  const struct {
    int row;
    Collection after;  // empty lists: the row is no site and nothing changes
  } removals[] = {
      {0, {{"b", "c"}, {"B"}}}, {1, {{"a", "c"}, {"A"}}}, {2, {}}, {-1, {}}, {3, {}},
  };
  for (const auto& removal : removals) {
    SCOPED_TRACE(removal.row);
    Collection collection = uneven;
    const bool site = !removal.after.addresses.empty();
    EXPECT_EQ(IsSite(uneven, removal.row), site);
    EXPECT_EQ(RemoveSite(collection, removal.row), site);
    EXPECT_EQ(Lists(collection), Lists(site ? removal.after : uneven));
  }

  EXPECT_EQ(BackupRefusal(start), "");
  for (const Collection& half : {Collection{{"a"}, {}}, Collection{{}, {"A"}}, Collection{}}) {
    EXPECT_EQ(BackupRefusal(half), "Your web collection is empty.    ");
  }
}

}  // namespace
}  // namespace lunetar
