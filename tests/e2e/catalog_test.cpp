// The site catalog, sarnovo.exe, driven through its windows: one test per thing a user does, each
// checking the exact messages and the bytes on disk.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "catalog_fixture.h"
#include "driver.h"
#include "resources/catalog_ids.h"
#include "resources/launcher_ids.h"
#include "texts.h"

namespace e2e {
namespace {

class CatalogTest : public CatalogFixture {
 protected:
  // Opens Find Web Site, types text and presses Find; returns once the command has ended or
  // shows its message.
  void Find(const std::string& text) {
    HWND find = PressFor(catalog_, IDC_FIND, "Find Web Site");
    ASSERT_TRUE(find);
    SetItemText(find, IDC_FIND_TEXT, text);
    ASSERT_TRUE(Answer(find, IDOK));
  }
  // Waits for the row that Find selects in both lists.
  void ExpectFound(int row, const std::string& destination) {
    EXPECT_TRUE(Eventually("row " + std::to_string(row) + " selected in both lists", [&] {
      return ListSelection(catalog_, IDC_ADDRESSES) == row &&
             ListSelection(catalog_, IDC_DESCRIPTIONS) == row && Destination() == destination;
    }));
  }
};

TEST_F(CatalogTest, FirstStartShowsOnlyTheBuiltInSite) {
  ASSERT_TRUE(Open());
  EXPECT_EQ(Addresses(), Lines{kBuiltInAddress});
  EXPECT_EQ(Descriptions(), Lines{kBuiltInDescription});
  ExpectSelection(LB_ERR, "");
  EXPECT_FALSE(FileExists(InstalledFile("data.ini"))) << "start-up writes nothing";
  EXPECT_EQ(ToolTips(catalog_), (Hints{{IDC_SAVE, "save data"},
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
                                       {IDC_DESCRIPTIONS, "descriptions"}}));
  EXPECT_EQ(Ask(GetDlgItem(catalog_, IDC_DESTINATION), EM_GETLIMITTEXT), 180);

  PressExpecting(catalog_, IDC_SAVE, kSaved);
  EXPECT_EQ(PairIn(), PairOf({kBuiltInAddress}, {kBuiltInDescription}));
}

TEST_F(CatalogTest, SelectingARowSelectsItsPartnerInTheOtherList) {
  // Files edited by hand: five addresses and four descriptions.
  const Lines addresses = {kBuiltInAddress, "https://a.example/", "https://b.example/",
                           "https://c.example/", "https://d.example/"};
  const Lines descriptions = {kBuiltInDescription, "Alpha", "Beta", "Gamma"};
  WriteCollection(addresses, descriptions);
  ASSERT_TRUE(Open());
  EXPECT_EQ(Addresses(), addresses);
  EXPECT_EQ(Descriptions(), descriptions);
  SelectRow(catalog_, IDC_DESCRIPTIONS, 2);
  ExpectSelection(2, "https://b.example/");
  SelectRow(catalog_, IDC_ADDRESSES, 3);
  ExpectSelection(3, "https://c.example/");

  // A row without a partner selects nothing in the other list and gives no destination.
  SelectRow(catalog_, IDC_ADDRESSES, 4);
  EXPECT_EQ(ListSelection(catalog_, IDC_DESCRIPTIONS), LB_ERR);
  EXPECT_EQ(Destination(), "");
  PressExpecting(catalog_, IDOK, kSelectFirst);
  PressExpecting(catalog_, IDC_DELETE, kSelectFirstToDelete);
  PressExpecting(catalog_, IDC_SAVE, kSaved);
  EXPECT_EQ(PairIn(), PairOf(addresses, descriptions));

  // The other way round: a description without an address, selected by hand and found by Find.
  PostClick(catalog_, IDCANCEL);
  ASSERT_TRUE(WaitForExit());
  WriteCollection({kBuiltInAddress, "https://a.example/"}, {kBuiltInDescription, "Alpha", "Omega"});
  ASSERT_TRUE(Open());
  SelectRow(catalog_, IDC_ADDRESSES, 1);
  SelectRow(catalog_, IDC_DESCRIPTIONS, 2);
  EXPECT_EQ(ListSelection(catalog_, IDC_ADDRESSES), LB_ERR);
  EXPECT_EQ(Destination(), "");
  SelectRow(catalog_, IDC_ADDRESSES, 1);
  Find("omega");
  EXPECT_TRUE(Eventually("the third description selected",
                         [&] { return ListSelection(catalog_, IDC_DESCRIPTIONS) == 2; }));
  EXPECT_EQ(ListSelection(catalog_, IDC_ADDRESSES), LB_ERR);
  EXPECT_EQ(Destination(), "");
  ExpectNoMoreMessages();
}

TEST_F(CatalogTest, DeleteAsksThenRemovesTheSelectedSiteAndSaves) {
  const Lines addresses = {kBuiltInAddress, "https://a.example/", "https://b.example/"};
  const Lines descriptions = {kBuiltInDescription, "Alpha", "Beta"};
  WriteCollection(addresses, descriptions);
  ASSERT_TRUE(Open());
  PressExpecting(catalog_, IDC_DELETE, kSelectFirstToDelete);
  SelectRow(catalog_, IDC_ADDRESSES, 0);
  PressExpecting(catalog_, IDC_DELETE, kCannotDelete);

  SelectRow(catalog_, IDC_DESCRIPTIONS, 1);
  const std::string question = DeleteQuestion("https://a.example/");
  PressExpecting(catalog_, IDC_DELETE, question, IDNO);
  ExpectNoMoreMessages();
  EXPECT_EQ(Addresses(), addresses);
  ExpectSelection(1, "https://a.example/");
  EXPECT_EQ(Installed("data.ini"), FileOf(addresses));

  PressExpecting(catalog_, IDC_DELETE, question, IDYES);
  Expect(Deleted("https://a.example/"));
  ExpectNoMoreMessages();
  EXPECT_EQ(Addresses(), (Lines{kBuiltInAddress, "https://b.example/"}));
  EXPECT_EQ(Descriptions(), (Lines{kBuiltInDescription, "Beta"}));
  ExpectSelection(LB_ERR, "");
  EXPECT_EQ(PairIn(),
            PairOf({kBuiltInAddress, "https://b.example/"}, {kBuiltInDescription, "Beta"}));
}

TEST_F(CatalogTest, ConnectSavesAndOpensTheAddressInTheBrowser) {
  // Line ends of another system, so that the save before the browser shows in the files.
  const std::string address = "https://example.org/search?q=two words";
  WriteCollectionWithLf({kBuiltInAddress, address}, {kBuiltInDescription, "Two words"});
  const std::string readme = std::string(kProgramFolder) + "Readme.html";
  ASSERT_TRUE(DeleteFileA(readme.c_str()));
  ASSERT_TRUE(Open());
  PressExpecting(catalog_, IDOK, kNoReadmeHtml);
  WriteFile(readme, "<!DOCTYPE html><title>Readme</title>\r\n");
  PressExpecting(catalog_, IDOK, kSelectFirst);
  ExpectNoMoreMessages();
  EXPECT_TRUE(Records().empty());

  SelectRow(catalog_, IDC_DESCRIPTIONS, 1);
  Press(catalog_, IDOK);
  EXPECT_TRUE(Started(1, "browser.exe", address));
  EXPECT_EQ(PairIn(), PairOf({kBuiltInAddress, address}, {kBuiltInDescription, "Two words"}));

  // A double-click on an address selects its row and connects.
  DoubleClickRow(catalog_, IDC_ADDRESSES, 0);
  EXPECT_TRUE(Started(2, "browser.exe", kBuiltInAddress));
  EXPECT_TRUE(Eventually("the first row selected in both lists", [&] {
    return ListSelection(catalog_, IDC_DESCRIPTIONS) == 0 && Destination() == kBuiltInAddress;
  }));
  EXPECT_TRUE(IsWindowVisible(catalog_));
}

TEST_F(CatalogTest, ExitSavesAndHandsOverToTheLauncher) {
  ASSERT_TRUE(Open());
  PostClick(catalog_, IDCANCEL);
  ExpectHandOver("launch.exe", {"C:\\Program Files\\Lunetar\\launch.exe", "execv"});
  EXPECT_EQ(PairIn(), PairOf({kBuiltInAddress}, {kBuiltInDescription}));

  // With no descriptions the collection is empty: the close box tells so and still hands over.
  WriteFile(InstalledFile("desc.ini"), "");
  ASSERT_TRUE(Open());
  EXPECT_TRUE(Descriptions().empty());
  PostMessageA(catalog_, WM_SYSCOMMAND, SC_CLOSE, 0);
  Expect(kEmpty);
  ASSERT_TRUE(WaitForExit());
  EXPECT_EQ(WaitForRecords(2).size(), 2u);
  EXPECT_EQ(PairIn(), PairOf({kBuiltInAddress}, {}));
}

TEST_F(CatalogTest, AddChecksTheTextsAndAppendsTheSite) {
  WriteCollection({kBuiltInAddress, "abc/page"}, {kBuiltInDescription, "ABC"});
  ASSERT_TRUE(Open());
  HWND add = PressFor(catalog_, IDC_ADD, "Add Web Site");
  ASSERT_TRUE(add);
  EXPECT_EQ(ToolTips(add), (Hints{{IDOK, "add web site"},
                                  {IDC_SITE_ADDRESS, "enter web site address here"},
                                  {IDC_SITE_DESCRIPTION, "enter web site description here"}}));
  // A 181st character cannot be typed.
  for (int field : {IDC_SITE_ADDRESS, IDC_SITE_DESCRIPTION}) {
    EXPECT_EQ(Ask(GetDlgItem(add, field), EM_GETLIMITTEXT), 180) << field;
  }
  const std::string tooLong(151, 'x');
  const struct {
    std::string address, description;
    const char* message;
  } refusals[] = {
      {"", "", kEnterAddress},
      {tooLong, "", kShorterAddress},
      {"https://new.example/", "", kEnterDescription},
      {"https://new.example/", tooLong, kShorterDescription},
  };
  for (const auto& refusal : refusals) {
    SetItemText(add, IDC_SITE_ADDRESS, refusal.address);
    SetItemText(add, IDC_SITE_DESCRIPTION, refusal.description);
    PressExpecting(add, IDOK, refusal.message);
    EXPECT_TRUE(IsWindowVisible(add));
    EXPECT_EQ(ItemText(add, IDC_SITE_ADDRESS), refusal.address);
    EXPECT_EQ(ItemText(add, IDC_SITE_DESCRIPTION), refusal.description);
  }

  // 150 characters each are accepted; the files hold the site before the message shows.
  const std::string address = "https://new.example/" + std::string(130, 'p');
  const std::string description(150, 'd');
  SetItemText(add, IDC_SITE_ADDRESS, address);
  SetItemText(add, IDC_SITE_DESCRIPTION, description);
  PostClick(add, IDOK);
  HWND box = WaitForWindow("#32770", kTitle);
  ASSERT_TRUE(box);
  EXPECT_EQ(MessageBoxText(box), Added(address));
  EXPECT_EQ(PairIn(), PairOf({kBuiltInAddress, "abc/page", address},
                             {kBuiltInDescription, "ABC", description}));
  ASSERT_TRUE(Answer(box, IDOK));
  ExpectNoMoreMessages();
  EXPECT_EQ(Addresses(), (Lines{kBuiltInAddress, "abc/page", address}));
  EXPECT_EQ(Descriptions(), (Lines{kBuiltInDescription, "ABC", description}));
  ExpectSelection(LB_ERR, "");

  // An address that begins an existing one, in any case, is a duplicate; a longer one is not.
  for (const std::string duplicate : {"ABC/page", "abc"}) {
    AddSite(duplicate, "Again");
    Expect(AlreadyThere(duplicate));
  }
  AddSite("abc/page/more", "More");
  Expect(Added("abc/page/more"));
  ExpectNoMoreMessages();
  EXPECT_EQ(Addresses().back(), "abc/page/more");
  EXPECT_EQ(Descriptions().back(), "More");

  // Cancel adds nothing and says nothing.
  SelectRow(catalog_, IDC_ADDRESSES, 1);
  add = PressFor(catalog_, IDC_ADD, "Add Web Site");
  ASSERT_TRUE(add);
  SetItemText(add, IDC_SITE_ADDRESS, "https://cancelled.example/");
  ASSERT_TRUE(CloseByKey(add, VK_ESCAPE));
  ExpectNoMoreMessages();
  EXPECT_EQ(Addresses().size(), 4u);
  ExpectSelection(1, "abc/page");
}

TEST_F(CatalogTest, AddWhoseSaveFailsKeepsTheEarlierPairAndTheUnsavedSite) {
  WriteCollection({kBuiltInAddress}, {kBuiltInDescription});
  const Contents earlier = FolderContents(kCatalogFolder);
  ASSERT_TRUE(Open());
  {
    HeldFile inUse(InstalledFile("data.ini"));  // another program has the addresses open
    ASSERT_TRUE(inUse.IsHeld());
    SelectRow(catalog_, IDC_ADDRESSES, 0);
    AddSite("https://new.example/", "New");
    Expect(kAddressesNotSaved);
    ExpectNoMoreMessages();  // no word of success
    ExpectSelection(LB_ERR, "");
    // The message gone, the catalog has the keyboard again.
    EXPECT_TRUE(Eventually("the catalog to be active", [&] { return GetForegroundWindow() == catalog_; }));
    EXPECT_EQ(FolderContents(kCatalogFolder), earlier)
        << "the pair on disk still belongs together, and no temporary is left";
    EXPECT_EQ(Addresses(), (Lines{kBuiltInAddress, "https://new.example/"})) << "kept, unsaved";
  }
  // Once the file is free, the next save keeps the site.
  PressExpecting(catalog_, IDC_SAVE, kSaved);
  EXPECT_EQ(PairIn(),
            PairOf({kBuiltInAddress, "https://new.example/"}, {kBuiltInDescription, "New"}));
}

TEST_F(CatalogTest, FindSelectsTheFirstSiteWhoseDescriptionBeginsWithTheText) {
  WriteCollection({kBuiltInAddress, "https://a.example/", "https://b.example/",
                   "https://c.example/", "https://d.example/"},
                  {kBuiltInDescription, "Daily news", "News of the world", "Weather",
                   "news of the world"});
  ASSERT_TRUE(Open());
  HWND find = PressFor(catalog_, IDC_FIND, "Find Web Site");
  ASSERT_TRUE(find);
  EXPECT_EQ(ToolTips(find), (Hints{{IDC_FIND_TEXT, "enter web site description here"},
                                   {IDOK, "find web site address"}}));
  EXPECT_EQ(Ask(GetDlgItem(find, IDC_FIND_TEXT), EM_GETLIMITTEXT), 150);
  PressExpecting(find, IDOK, kEnterDescription);
  EXPECT_TRUE(IsWindowVisible(find));
  ASSERT_TRUE(CloseByKey(find, VK_ESCAPE));
  ExpectNoMoreMessages();
  ExpectSelection(LB_ERR, "");

  // Not "Daily news", whose word comes further in; the upper of the two that begin with it.
  Find("NEWS");
  ExpectFound(2, "https://b.example/");
  Find("weather");
  ExpectFound(3, "https://c.example/");
  Find("world");
  Expect(kNoMatch);
  ExpectNoMoreMessages();
  ExpectSelection(3, "https://c.example/");
}

TEST_F(CatalogTest, BackupWritesBothFilesOrTellsWhyNot) {
  ASSERT_TRUE(DriveA::Available()) << "drive A: is not mapped (LUNETAR_DRIVE_A)";
  WriteCollection(addresses_, descriptions_);
  ASSERT_TRUE(Open());
  RunWithDisk(IDC_BACKUP, kBackupFailed);  // no disk in the drive

  for (DriveA::Disk disk : {DriveA::Disk::WriteProtected, DriveA::Disk::Full}) {
    if (!DriveA::Available(disk)) {
      ADD_FAILURE() << "the test script mounted no write-protected or full disk";
      break;
    }
    DriveA::Insert(disk);
    const Contents before = FolderContents(DriveA::kFolder);
    RunWithDisk(IDC_BACKUP, kBackupFailed);
    EXPECT_EQ(FolderContents(DriveA::kFolder), before) << "a failed backup leaves the disk";
    DriveA::Eject();
  }

  DriveA::Insert();
  RunWithDisk(IDC_BACKUP, kBackupDone);
  EXPECT_EQ(PairIn(DriveA::kFolder), PairOf(addresses_, descriptions_));
  EXPECT_EQ(DriveA::Files().size(), 2u);
  EXPECT_EQ(Installed("data.ini"), FileOf(addresses_));
}

TEST_F(CatalogTest, RestoreReadsBothFilesBeforeChangingAnything) {
  ASSERT_TRUE(DriveA::Available()) << "drive A: is not mapped (LUNETAR_DRIVE_A)";
  WriteCollection(addresses_, descriptions_);
  ASSERT_TRUE(Open());
  DriveA::Insert();
  WriteFile(DriveA::File("desc.ini"), FileOf({"Backed up"}));
  RunWithDisk(IDC_RESTORE, kCannotRestoreSites);
  EXPECT_EQ(Addresses(), addresses_);
  EXPECT_EQ(Descriptions(), descriptions_);

  ASSERT_TRUE(DeleteFileA(DriveA::File("desc.ini").c_str()));
  WriteFile(DriveA::File("data.ini"), FileOf({"https://backed.example/"}));
  RunWithDisk(IDC_RESTORE, kCannotRestoreDescriptions);
  EXPECT_EQ(Addresses(), addresses_);
  EXPECT_EQ(Descriptions(), descriptions_);

  // Both files: the lists take them, the selection goes, and nothing is written yet.
  WriteFile(DriveA::File("desc.ini"), FileOf({"Backed up"}));
  SelectRow(catalog_, IDC_ADDRESSES, 1);
  RunWithDisk(IDC_RESTORE, kRestored);
  EXPECT_EQ(Addresses(), Lines{"https://backed.example/"});
  EXPECT_EQ(Descriptions(), Lines{"Backed up"});
  ExpectSelection(LB_ERR, "");
  EXPECT_EQ(Installed("data.ini"), FileOf(addresses_));

  // Empty files empty the collection, which then cannot be saved, backed up or deleted from.
  WriteCollection({}, {}, DriveA::kFolder);
  RunWithDisk(IDC_RESTORE, kRestored);
  EXPECT_TRUE(Addresses().empty());
  EXPECT_TRUE(Descriptions().empty());
  for (int command : {IDC_SAVE, IDC_BACKUP, IDC_DELETE}) {
    PressExpecting(catalog_, command, kEmpty);
    ExpectNoMoreMessages();
  }
  EXPECT_EQ(PairIn(), PairOf(addresses_, descriptions_));
  EXPECT_EQ(FileBytes(DriveA::File("data.ini")), "");
}

TEST_F(CatalogTest, LauncherAndCatalogHandOverToEachOther) {
  Install("launch.exe", "launch.exe");
  HWND launcher = Start("launch.exe", "#32770", "");
  ASSERT_TRUE(launcher);
  ASSERT_NO_FATAL_FAILURE(ExpectHandOverAndBack(launcher, IDC_START_CATALOG, "Sarnovo"));
  EXPECT_EQ(Installed("data.ini"), FileOf({kBuiltInAddress}));
}

}  // namespace
}  // namespace e2e
