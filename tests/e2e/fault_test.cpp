// Faults of the disk and of other programs, and hostile input, met by the real catalog: every
// case checks the message shown (or that none is) and the bytes left on disk. The fault matrix,
// docs/faults.md, lists each case with the test that checks it.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "catalog_fixture.h"
#include "driver.h"
#include "resources/catalog_ids.h"
#include "texts.h"

namespace e2e {
namespace {

class FaultTest : public CatalogFixture {
 protected:
  // Starts the catalog, which shows text over its window, and answers the message.
  HWND OpenExpecting(const std::string& text) {
    if (!Start("sarnovo.exe", "#32770", kTitle)) return nullptr;
    Expect(text);
    return catalog_ = WaitForWindow("#32770", "Sarnovo");
  }
};

TEST_F(FaultTest, AddOnAFullOrWriteProtectedFolderKeepsTheEarlierPair) {
  ASSERT_TRUE(FaultyFile::Available(Fault::Full)) << "no full disk (LUNETAR_DISK_FULL)";
  ASSERT_TRUE(FaultyFile::Available(Fault::ReadOnly))
      << "no write-protected disk (LUNETAR_DISK_READONLY)";
  enum How { kOnWriteProtectedDisk, kOnFullDisk, kReadOnlyAttribute };
  const struct {
    const char* what;
    Lines files;  // the files the save cannot write
    How how;
    const char* message;
  } cells[] = {
      // The folder write-protected: the save can create neither temporary.
      {"write-protected", {"desc.ini.new", "data.ini.new"}, kOnWriteProtectedDisk,
       kDescriptionsNotSaved},
      {"full for desc.ini.new", {"desc.ini.new"}, kOnFullDisk, kDescriptionsNotSaved},
      // desc.ini.new is whole by then, and must not replace desc.ini.
      {"full for data.ini.new", {"data.ini.new"}, kOnFullDisk, kAddressesNotSaved},
      // desc.ini is neither replaced nor moved aside.
      {"desc.ini read-only", {"desc.ini"}, kReadOnlyAttribute, kDescriptionsNotSaved},
  };
  WriteCollection(addresses_, descriptions_);
  const Contents earlier = FolderContents(kCatalogFolder);
  ASSERT_TRUE(Open());
  Lines added;
  for (const auto& cell : cells) {
    SCOPED_TRACE(cell.what);
    std::vector<std::unique_ptr<FaultyFile>> faults;
    for (const std::string& name : cell.files) {
      const std::string file = InstalledFile(name.c_str());
      if (cell.how == kReadOnlyAttribute) {
        ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
      } else {
        faults.push_back(std::make_unique<FaultyFile>(
            file, cell.how == kOnFullDisk ? Fault::Full : Fault::ReadOnly));
      }
    }
    added.push_back("https://new" + std::to_string(added.size()) + ".example/");
    AddSite(added.back(), "New");
    Expect(cell.message);
    ExpectNoMoreMessages();
    EXPECT_EQ(FolderContents(kCatalogFolder), earlier) << "the pair as it was, no temporary";
    if (cell.how == kReadOnlyAttribute) {
      for (const std::string& name : cell.files) {
        const std::string file = InstalledFile(name.c_str());
        EXPECT_TRUE(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_READONLY) << name;
        EXPECT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL));
      }
    }
  }
  // The sites stayed in the lists, and the first save on a sound disk keeps them.
  PressExpecting(catalog_, IDC_SAVE, kSaved);
  Lines all = addresses_;
  all.insert(all.end(), added.begin(), added.end());
  EXPECT_EQ(Installed("data.ini"), FileOf(all));
}

// A file that cannot be read at start-up is not taken for a missing one: saving the rest would
// write the few sites shown over the whole collection. The files lack the built-in site, which
// the catalog adds to both lists, so a site shows whichever file is locked.
TEST_F(FaultTest, ACollectionFileLockedAtStartIsNeverWrittenOver) {
  ASSERT_TRUE(DriveA::Available()) << "drive A: is not mapped (LUNETAR_DRIVE_A)";
  WriteCollection({"https://a.example/"}, {"Alpha"});
  const Contents earlier = FolderContents(kCatalogFolder);
  std::size_t handOvers = 0;
  for (const char* name : {"data.ini", "desc.ini"}) {
    SCOPED_TRACE(name);
    const std::string file = InstalledFile(name);
    {
      HeldFile locked(file, HeldFile::Sharing::Exclusive);
      ASSERT_TRUE(locked.IsHeld());
      ASSERT_TRUE(OpenExpecting(CannotRead(file)));
      const Lines addressesShown = Addresses(), descriptionsShown = Descriptions();
      SelectRow(catalog_, IDC_ADDRESSES, 0);
      EXPECT_NE(Destination(), "") << "a site selected";
      DriveA::Insert();
      // Refused at once: Add opens no dialog, Delete asks nothing, Backup asks for no disk.
      for (int command : {IDC_ADD, IDC_DELETE, IDC_BACKUP}) {
        PressExpecting(catalog_, command, CannotSaveUnread(file));
        ExpectNoMoreMessages();
        EXPECT_FALSE(FindVisibleWindow("#32770", "Add Web Site"));
      }
      EXPECT_EQ(Addresses(), addressesShown);
      EXPECT_EQ(Descriptions(), descriptionsShown);
      EXPECT_EQ(DriveA::Files(), Lines{});
      DriveA::Eject();
    }
    // Free now, the file could be replaced: the save still refuses.
    PressExpecting(catalog_, IDC_SAVE, CannotSaveUnread(file));
    ExpectNoMoreMessages();
    PressExpecting(catalog_, IDCANCEL, CannotSaveUnread(file));
    ASSERT_TRUE(WaitForExit()) << "Exit hands over all the same";
    ++handOvers;
    EXPECT_EQ(WaitForRecords(handOvers).size(), handOvers);
    EXPECT_EQ(FolderContents(kCatalogFolder), earlier);
  }
  for (const Record& record : Records()) EXPECT_EQ(record.program, "launch.exe");
}

TEST_F(FaultTest, RestoreAfterALockedStartSavesTheRestoredCollection) {
  ASSERT_TRUE(DriveA::Available()) << "drive A: is not mapped (LUNETAR_DRIVE_A)";
  WriteCollection(addresses_, descriptions_);
  {
    HeldFile locked(InstalledFile("desc.ini"), HeldFile::Sharing::Exclusive);
    ASSERT_TRUE(locked.IsHeld());
    ASSERT_TRUE(OpenExpecting(CannotRead(InstalledFile("desc.ini"))));
  }
  DriveA::Insert();
  WriteCollection({"https://backed.example/"}, {"Backed up"}, DriveA::kFolder);
  RunWithDisk(IDC_RESTORE, kRestored);
  PressExpecting(catalog_, IDC_SAVE, kSaved);
  EXPECT_EQ(PairIn(), PairOf({"https://backed.example/"}, {"Backed up"}));
}

// A save writes desc.ini.new and data.ini.new, moves desc.ini to desc.ini.old (a first save,
// with no desc.ini yet, makes desc.ini.old empty), replaces desc.ini and then data.ini, and
// removes desc.ini.old. Cut off anywhere, the next start finds a whole pair and nothing else.
TEST_F(FaultTest, ASaveCutOffAnywhereIsPutRightAtTheNextStart) {
  const Lines newAddresses = {kBuiltInAddress, "https://a.example/", "https://b.example/"};
  const Lines newDescriptions = {kBuiltInDescription, "Alpha", "Beta"};
  const std::string earlierA = FileOf(addresses_), earlierD = FileOf(descriptions_);
  const std::string newA = FileOf(newAddresses), newD = FileOf(newDescriptions);
  const struct Outcome {
    Contents files;
    Lines addresses, descriptions;
  } earlier = {{{"data.ini", earlierA}, {"desc.ini", earlierD}}, addresses_, descriptions_},
    later = {{{"data.ini", newA}, {"desc.ini", newD}}, newAddresses, newDescriptions},
    // An empty desc.ini reads as no descriptions, and the built-in site alone shows.
    none = {{{"desc.ini", ""}}, {kBuiltInAddress}, {kBuiltInDescription}};
  const struct {
    const char* when;
    Contents files;
    const Outcome& outcome;
  } cuts[] = {
      {"while desc.ini.new is written",
       {{"data.ini", earlierA}, {"desc.ini", earlierD}, {"desc.ini.new", newD.substr(0, 20)}},
       earlier},
      {"while data.ini.new is written",
       {{"data.ini", earlierA}, {"desc.ini", earlierD}, {"desc.ini.new", newD},
        {"data.ini.new", newA.substr(0, 20)}},
       earlier},
      {"after desc.ini was moved aside",
       {{"data.ini", earlierA}, {"desc.ini.old", earlierD}, {"desc.ini.new", newD},
        {"data.ini.new", newA}},
       earlier},
      {"after desc.ini was replaced",
       {{"data.ini", earlierA}, {"desc.ini", newD}, {"desc.ini.old", earlierD},
        {"data.ini.new", newA}},
       earlier},
      {"after data.ini was replaced",
       {{"data.ini", newA}, {"desc.ini", newD}, {"desc.ini.old", earlierD}},
       later},
      {"a first save, after desc.ini was replaced",
       {{"desc.ini", newD}, {"desc.ini.old", ""}, {"data.ini.new", newA}},
       none},
      {"a first save, after data.ini was replaced",
       {{"data.ini", newA}, {"desc.ini", newD}, {"desc.ini.old", ""}},
       later},
  };
  for (const auto& cut : cuts) {
    SCOPED_TRACE(cut.when);
    WriteFolder(kCatalogFolder, cut.files);
    ASSERT_TRUE(Open());
    ExpectNoMoreMessages();
    EXPECT_EQ(Addresses(), cut.outcome.addresses);
    EXPECT_EQ(Descriptions(), cut.outcome.descriptions);
    EXPECT_EQ(FolderContents(kCatalogFolder), cut.outcome.files);
    EndPrograms();
    EXPECT_TRUE(EmptyFolder(kCatalogFolder));
  }
}

// A backup cut off after desc.ini was replaced, before data.ini was: the earlier addresses with
// the new descriptions, the earlier descriptions and the new addresses waiting beside them.
TEST_F(FaultTest, ACutOffBackupIsRestoredAsTheEarlierPairAndBackedUpOverWhole) {
  ASSERT_TRUE(DriveA::Available()) << "drive A: is not mapped (LUNETAR_DRIVE_A)";
  const Lines earlierAddresses = {"https://earlier.example/"}, earlierDescriptions = {"Earlier"};
  const Contents cutOff = {
      {"data.ini", FileOf(earlierAddresses)},
      {"data.ini.new", FileOf({"https://earlier.example/", "https://new.example/"})},
      {"desc.ini", FileOf({"Earlier", "New"})},
      {"desc.ini.old", FileOf(earlierDescriptions)}};
  WriteCollection(addresses_, descriptions_);
  ASSERT_TRUE(Open());
  DriveA::Insert();
  WriteFolder(DriveA::kFolder, cutOff);
  RunWithDisk(IDC_BACKUP, kBackupDone);
  EXPECT_EQ(FolderContents(DriveA::kFolder),
            (Contents{{"data.ini", FileOf(addresses_)}, {"desc.ini", FileOf(descriptions_)}}))
      << "a whole pair, no .new or .old file";

  // Restore reads the earlier pair and changes no file of the disk.
  EXPECT_TRUE(EmptyFolder(DriveA::kFolder));
  WriteFolder(DriveA::kFolder, cutOff);
  RunWithDisk(IDC_RESTORE, kRestored);
  EXPECT_EQ(Addresses(), earlierAddresses);
  EXPECT_EQ(Descriptions(), earlierDescriptions);
  EXPECT_EQ(FolderContents(DriveA::kFolder), cutOff);
  EXPECT_EQ(Installed("data.ini"), FileOf(addresses_)) << "Restore writes nothing";
}

TEST_F(FaultTest, ACatalogKilledWhileSavingComesBackWithAWholePair) {
  // data.ini.new takes some 7 MB, so that the kill most likely falls while it is written.
  Lines addresses = {kBuiltInAddress}, descriptions = {kBuiltInDescription};
  for (int i = 1; i < 50000; ++i) {
    const std::string number = std::to_string(i);
    addresses.push_back("https://site" + number + ".example/" + std::string(125, 'p'));
    descriptions.push_back("Site " + number);
  }
  WriteCollection(addresses, descriptions);
  const std::string earlierA = Installed("data.ini"), earlierD = Installed("desc.ini");
  ASSERT_TRUE(Open());
  AddSite("https://new.example/", "New");
  ASSERT_TRUE(Eventually("the save to write data.ini.new, or to end", [&] {
    return FileExists(InstalledFile("data.ini.new")) || FindVisibleWindow("#32770", kTitle);
  }));
  ASSERT_TRUE(Kill());

  ASSERT_TRUE(Open());
  ExpectNoMoreMessages();
  EXPECT_EQ(CatalogFiles(), (Lines{"data.ini", "desc.ini"}));
  // Which pair depends on where the kill fell; either must be whole.
  const std::string a = Installed("data.ini"), d = Installed("desc.ini");
  const bool earlier = a == earlierA;
  EXPECT_TRUE(earlier || a == earlierA + "https://new.example/\r\n") << "data.ini is no pair's";
  EXPECT_TRUE(d == (earlier ? earlierD : earlierD + "New\r\n")) << "desc.ini is not its partner";
  const int rows = static_cast<int>(addresses.size()) + (earlier ? 0 : 1);
  EXPECT_EQ(ListCount(catalog_, IDC_ADDRESSES), rows);
  EXPECT_EQ(ListCount(catalog_, IDC_DESCRIPTIONS), rows);
  EXPECT_EQ(ListLine(catalog_, IDC_ADDRESSES, rows - 1),
            earlier ? addresses.back() : "https://new.example/");
  EXPECT_EQ(ListLine(catalog_, IDC_DESCRIPTIONS, rows - 1), earlier ? descriptions.back() : "New");
}

TEST_F(FaultTest, ANoteOrAReportOnAFullDiskLeavesTheEarlierFile) {
  ASSERT_TRUE(FaultyFile::Available(Fault::Full)) << "no full disk (LUNETAR_DISK_FULL)";
  WriteCollection({kBuiltInAddress, "https://weather.example/"},
                  {kBuiltInDescription, "Weather forecast"});
  const std::string note = InstalledFile("Weather forecast.txt");
  WriteFile(note, "earlier\r\r\nnote");
  WriteFile(InstalledFile("report.txt"), "the last report");
  const Contents earlier = FolderContents(kCatalogFolder);
  ASSERT_TRUE(Open());
  SelectRow(catalog_, IDC_ADDRESSES, 1);
  {
    FaultyFile full(note + ".new", Fault::Full);
    HWND dialog = PressFor(catalog_, IDC_NOTE, "Note");
    ASSERT_TRUE(dialog);
    SetItemText(dialog, IDC_NOTE_TEXT, "later");
    PressExpecting(dialog, IDOK, kNoteNotSaved);
    ExpectNoMoreMessages();
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog stays open with the text";
    EXPECT_EQ(ItemText(dialog, IDC_NOTE_TEXT), "later");
    EXPECT_EQ(FolderContents(kCatalogFolder), earlier) << "the note as it was, no temporary";
    ASSERT_TRUE(Answer(dialog, IDCANCEL));
  }
  {
    FaultyFile full(InstalledFile("report.txt.new"), Fault::Full);
    PressExpecting(catalog_, IDC_PRINT, kReportNotWritten);
    ExpectNoMoreMessages();
    EXPECT_EQ(FolderContents(kCatalogFolder), earlier) << "the report as it was, no temporary";
  }
  EXPECT_TRUE(Records().empty()) << "no editor opened";
}

// Texts of the longest length Add takes, made of what a file name, a command line or a format
// string could take for its own: each is stored, shown and handed on as typed.
TEST_F(FaultTest, HostileTextsAreAddedSavedAndHandedOnAsTyped) {
  auto longest = [](const std::string& head, const std::string& tail) {
    return head + std::string(150 - head.size() - tail.size(), 'x') + tail;
  };
  const struct {
    std::string address, description;
  } sites[] = {
      {longest("https://q.example/?q=\"two words\"&rate=100%&env=%PATH%&arg=%1&", "\\"),
       longest("\"Quoted\" 100% %s %n", "")},
      {longest("file:///C:/lunetar-test/../", "\\\\\""),
       longest("..\\..\\lunetar-test\\", "secret")},
      {"C:\\Program Files\\Sarnovo\\..\\Lunetar\\Readme.html", "C:/lunetar-test/x: y"},
      {"NUL", "COM1.txt"},
      {"report", "report"},
      {"CON", "NUL"},
  };
  ASSERT_TRUE(Open());
  Lines addresses = {kBuiltInAddress}, descriptions = {kBuiltInDescription};
  for (const auto& site : sites) {
    AddSite(site.address, site.description);
    Expect(Added(site.address));
    addresses.push_back(site.address);
    descriptions.push_back(site.description);
  }
  ExpectNoMoreMessages();
  EXPECT_EQ(PairIn(), PairOf(addresses, descriptions));
  EXPECT_EQ(Addresses(), addresses);
  EXPECT_EQ(Descriptions(), descriptions);

  // None of the descriptions names a note file: the note opens empty and cannot be saved.
  const Lines testFiles = FolderFiles(kTestFolder);
  for (int row = 1; row < static_cast<int>(addresses.size()); ++row) {
    SCOPED_TRACE(descriptions[row]);
    SelectRow(catalog_, IDC_ADDRESSES, row);
    HWND note = PressFor(catalog_, IDC_NOTE, "Note");
    ASSERT_TRUE(note);
    EXPECT_EQ(ItemText(note, IDC_NOTE_DESCRIPTION), descriptions[row]);
    EXPECT_EQ(ItemText(note, IDC_NOTE_TEXT), "");
    SetItemText(note, IDC_NOTE_TEXT, "typed");
    PressExpecting(note, IDOK, kNoteNotSaved);
    ASSERT_TRUE(Answer(note, IDCANCEL));
  }
  ExpectNoMoreMessages();
  EXPECT_EQ(CatalogFiles(), (Lines{"data.ini", "desc.ini"}));
  EXPECT_EQ(FolderFiles(kTestFolder), testFiles);

  // Connect hands each address to the browser as one argument, unchanged.
  for (int row = 1; row < static_cast<int>(addresses.size()); ++row) {
    SelectRow(catalog_, IDC_ADDRESSES, row);
    Press(catalog_, IDOK);
    EXPECT_TRUE(Started(row, "browser.exe", addresses[row]));
  }
}

// Bytes a list box cannot show, and a line longer than any control takes, pass through start and
// Exit unchanged.
TEST_F(FaultTest, AHostileCollectionFileComesOutAsItWentIn) {
  const Lines addresses = {kBuiltInAddress, std::string("https://nul.example/a\0b", 23),
                           "https://cr.example/a\rb", std::string(100000, 'a')};
  const Lines descriptions = {kBuiltInDescription, std::string("With\0NUL", 8), "With\rCR",
                              std::string(100000, 'd')};
  WriteCollection(addresses, descriptions);
  const std::string a = Installed("data.ini"), d = Installed("desc.ini");
  ASSERT_TRUE(Open());
  ExpectNoMoreMessages();
  EXPECT_EQ(ListCount(catalog_, IDC_ADDRESSES), 4);
  EXPECT_EQ(ListCount(catalog_, IDC_DESCRIPTIONS), 4);
  EXPECT_EQ(ListLine(catalog_, IDC_DESCRIPTIONS, 2), "With\rCR");
  PostClick(catalog_, IDCANCEL);  // Exit saves and hands over
  ExpectHandOver("launch.exe", {"C:\\Program Files\\Lunetar\\launch.exe", "execv"});
  EXPECT_TRUE(Installed("data.ini") == a) << "data.ini changed";
  EXPECT_TRUE(Installed("desc.ini") == d) << "desc.ini changed";
}

}  // namespace
}  // namespace e2e
