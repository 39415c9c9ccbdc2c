// The catalog's notes, reports, Tools, help and About box, driven through sarnovo.exe's windows:
// one test per thing a user does, each checking the exact messages and the bytes on disk.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "catalog_fixture.h"
#include "driver.h"
#include "resources/catalog_ids.h"
#include "texts.h"

namespace e2e {
namespace {

constexpr const char* kCopyright = "Copyright (C) 2026 Lunetar. All rights reserved.";
constexpr const char* kReport = "C:\\Program Files\\Sarnovo\\report.txt";
constexpr const char* kTools = "   Tools";

class NoteTest : public CatalogFixture {
 protected:
  // Selects row and opens its note with the Note button.
  HWND OpenNote(int row) {
    SelectRow(catalog_, IDC_ADDRESSES, row);
    return PressFor(catalog_, IDC_NOTE, "Note");
  }
  static std::string NoteText(HWND note) { return ItemText(note, IDC_NOTE_TEXT); }
  static std::string NoteFile(const std::string& description) {
    return InstalledFile((description + ".txt").c_str());
  }
  // Saves the note as typed, which the dialog accepts and closes.
  void Save(HWND note) {
    PressExpecting(note, IDOK, kNoteSaved);
    ASSERT_TRUE(WaitUntilGone(note));
    ExpectNoMoreMessages();
  }
  void Cancel(HWND note) {
    ASSERT_TRUE(Answer(note, IDCANCEL));
    ExpectNoMoreMessages();
  }
};

TEST_F(NoteTest, NoteNeedsASelectedSite) {
  // Three addresses, two descriptions: the third address has no description to name a note.
  WriteCollection({kBuiltInAddress, "https://a.example/", "https://b.example/"},
                  {kBuiltInDescription, "Alpha"});
  ASSERT_TRUE(Open());
  for (int row : {LB_ERR, 2}) {
    if (row != LB_ERR) SelectRow(catalog_, IDC_ADDRESSES, row);
    PressExpecting(catalog_, IDC_NOTE, kSelectFirst);
    ExpectNoMoreMessages();
    EXPECT_FALSE(FindVisibleWindow("#32770", "Note")) << "row " << row;
  }
}

TEST_F(NoteTest, ASiteWithoutANoteOpensAnEmptyNote) {
  WriteCollection({kBuiltInAddress, "https://weather.example/"},
                  {kBuiltInDescription, "Weather forecast"});
  ASSERT_TRUE(Open());
  HWND note = OpenNote(1);
  ASSERT_TRUE(note);
  EXPECT_FALSE(IsWindowEnabled(catalog_)) << "the note is modal to the catalog";
  EXPECT_EQ(ItemText(note, IDC_NOTE_DESCRIPTION), "Weather forecast");
  EXPECT_EQ(ItemText(note, IDC_NOTE_ADDRESS), "https://weather.example/");
  EXPECT_EQ(NoteText(note), "");
  EXPECT_EQ(FocusedControl(note), GetDlgItem(note, IDC_NOTE_TEXT));
  EXPECT_EQ(ToolTips(note), (Hints{{IDC_NOTE_TEXT, "write your note here"},
                                   {IDC_NOTE_DESCRIPTION, "web site description"},
                                   {IDC_NOTE_ADDRESS, "web site address"},
                                   {IDOK, "save note"},
                                   {IDC_NOTE_DELETE, "delete note"}}));
  const std::pair<int, int> limits[] = {
      {IDC_NOTE_TEXT, 800}, {IDC_NOTE_DESCRIPTION, 150}, {IDC_NOTE_ADDRESS, 150}};
  for (const auto& limit : limits) {
    EXPECT_EQ(Ask(GetDlgItem(note, limit.first), EM_GETLIMITTEXT), limit.second) << limit.first;
  }

  PressExpecting(note, IDOK, kEnterNote);
  PressExpecting(note, IDC_NOTE_DELETE, kNoNote);
  // Typed text with no file behind it: nothing to delete, and the text stays.
  SetItemText(note, IDC_NOTE_TEXT, "typed");
  PressExpecting(note, IDC_NOTE_DELETE, kNoNote);
  ExpectNoMoreMessages();
  EXPECT_EQ(NoteText(note), "typed");
  EXPECT_TRUE(IsWindowVisible(note));
  Cancel(note);
  EXPECT_EQ(CatalogFiles(), (Lines{"data.ini", "desc.ini"})) << "Cancel writes nothing";
  EXPECT_TRUE(Eventually("the catalog to be enabled again",
                         [&] { return IsWindowEnabled(catalog_); }));
}

TEST_F(NoteTest, ASavedNoteComesBackUnchangedUntilItIsDeleted) {
  WriteCollection({kBuiltInAddress, "https://weather.example/"},
                  {kBuiltInDescription, "Weather forecast"});
  const std::string file = NoteFile("Weather forecast");
  const std::string three = "Log in as guest.\r\nThe password changes monthly.\r\nAsk Anna.";
  const std::string stored = "Log in as guest.\r\r\nThe password changes monthly.\r\r\nAsk Anna.";
  ASSERT_TRUE(Open());
  HWND note = OpenNote(1);
  ASSERT_TRUE(note);
  SetItemText(note, IDC_NOTE_TEXT, three);
  PostClick(note, IDOK);
  HWND box = WaitForWindow("#32770", kTitle);
  ASSERT_TRUE(box);
  EXPECT_EQ(MessageBoxText(box), kNoteSaved);
  EXPECT_EQ(FileBytes(file), stored) << "the note is on disk before the message says so";
  ASSERT_TRUE(Answer(box, IDOK));
  ASSERT_TRUE(WaitUntilGone(note));
  ExpectNoMoreMessages();
  EXPECT_EQ(CatalogFiles(), (Lines{"Weather forecast.txt", "data.ini", "desc.ini"}));

  // A double-click on the description opens the same three lines; saved unchanged, the same bytes.
  DoubleClickRow(catalog_, IDC_DESCRIPTIONS, 1);
  note = WaitForWindow("#32770", "Note");
  ASSERT_TRUE(note) << "a double-click on a description opens its note";
  EXPECT_EQ(NoteText(note), three);
  ExpectSelection(1, "https://weather.example/");
  Save(note);
  EXPECT_EQ(FileBytes(file), stored);

  // Typed over and cancelled: the file stays as it was.
  note = OpenNote(1);
  ASSERT_TRUE(note);
  SetItemText(note, IDC_NOTE_TEXT, "something else");
  Cancel(note);
  EXPECT_EQ(FileBytes(file), stored);

  // Deleted: the field empties and the dialog stays for a new note.
  note = OpenNote(1);
  ASSERT_TRUE(note);
  PressExpecting(note, IDC_NOTE_DELETE, kNoteDeleted);
  ExpectNoMoreMessages();
  EXPECT_FALSE(FileExists(file));
  EXPECT_EQ(NoteText(note), "");
  PressExpecting(note, IDOK, kEnterNote);
  ExpectNoMoreMessages();
  EXPECT_FALSE(FileExists(file));
  SetItemText(note, IDC_NOTE_TEXT, "A new note");
  Save(note);
  EXPECT_EQ(FileBytes(file), "A new note");
}

TEST_F(NoteTest, SitesWithTheSameDescriptionShareOneNote) {
  WriteCollection({kBuiltInAddress, "https://one.example/", "https://two.example/"},
                  {kBuiltInDescription, "News", "News"});
  ASSERT_TRUE(Open());
  HWND note = OpenNote(1);
  ASSERT_TRUE(note);
  SetItemText(note, IDC_NOTE_TEXT, "Both papers");
  Save(note);
  note = OpenNote(2);
  ASSERT_TRUE(note);
  EXPECT_EQ(ItemText(note, IDC_NOTE_ADDRESS), "https://two.example/");
  EXPECT_EQ(NoteText(note), "Both papers");
  SetItemText(note, IDC_NOTE_TEXT, "Both papers, edited");
  Save(note);
  EXPECT_EQ(FileBytes(NoteFile("News")), "Both papers, edited");
}

TEST_F(NoteTest, ADescriptionNamesANoteFileOnlyWhereThatIsSafe) {
  // The refused would reach a file outside the collection folder, a device, the report or a short
  // alias as Wine makes them. The saved end in a dot or a blank, which ".txt" after them makes
  // safe, or hold "~" in a name too long for an alias; each reads back when its note is opened.
  const std::string outside = std::string(kTestFolder) + "secret.txt";
  WriteFile(outside, "secret");
  WriteFile(InstalledFile("report.txt"), "the last report");
  const struct {
    std::string description;
    bool saved;
  } sites[] = {
      {"..\\..\\lunetar-test\\secret", false}, {"CON", false}, {"Weather: today", false},
      {"report", false}, {"WEAT~GIJ", false}, {"Recipes, tips...", true}, {"Recipes ", true},
      {"Oslo weather ~5 days", true},
  };
  Lines addresses = {kBuiltInAddress}, descriptions = {kBuiltInDescription};
  for (const auto& site : sites) {
    addresses.push_back("https://site" + std::to_string(addresses.size()) + ".example/");
    descriptions.push_back(site.description);
  }
  WriteCollection(addresses, descriptions);
  ASSERT_TRUE(Open());
  for (int row = 1; row < static_cast<int>(descriptions.size()); ++row) {
    const auto& site = sites[row - 1];
    SCOPED_TRACE(site.description);
    HWND note = OpenNote(row);
    ASSERT_TRUE(note);
    EXPECT_EQ(ItemText(note, IDC_NOTE_DESCRIPTION), site.description);
    EXPECT_EQ(NoteText(note), "");
    SetItemText(note, IDC_NOTE_TEXT, "typed\r\nnote");
    if (site.saved) {
      Save(note);
      EXPECT_EQ(FileBytes(NoteFile(site.description)), "typed\r\r\nnote");
      note = OpenNote(row);
      ASSERT_TRUE(note);
      EXPECT_EQ(NoteText(note), "typed\r\nnote") << "the saved note reads back";
      Cancel(note);
      continue;
    }
    PressExpecting(note, IDOK, kNoteNotSaved);
    PressExpecting(note, IDC_NOTE_DELETE, kNoNote);
    ExpectNoMoreMessages();
    EXPECT_EQ(NoteText(note), "typed\r\nnote");
    Cancel(note);
  }
  EXPECT_EQ(FileBytes(outside), "secret");
  EXPECT_EQ(Installed("report.txt"), "the last report");
  EXPECT_EQ(CatalogFiles(), (Lines{"Oslo weather ~5 days.txt", "Recipes .txt",
                                   "Recipes, tips....txt", "data.ini", "desc.ini", "report.txt"}));
}

TEST_F(NoteTest, ANoteFileInUseIsNeitherReplacedNorRemoved) {
  WriteCollection({kBuiltInAddress, "https://weather.example/"},
                  {kBuiltInDescription, "Weather forecast"});
  const std::string file = NoteFile("Weather forecast");
  WriteFile(file, "earlier\r\r\nnote");
  ASSERT_TRUE(Open());
  HWND note = OpenNote(1);
  ASSERT_TRUE(note);
  EXPECT_EQ(NoteText(note), "earlier\r\nnote");
  {
    HeldFile inUse(file);  // another program has the note open
    ASSERT_TRUE(inUse.IsHeld());
    SetItemText(note, IDC_NOTE_TEXT, "later");
    PressExpecting(note, IDOK, kNoteNotSaved);
    ExpectNoMoreMessages();
    EXPECT_TRUE(IsWindowVisible(note)) << "the dialog stays open with the text";
    EXPECT_EQ(NoteText(note), "later");
    EXPECT_EQ(FileBytes(file), "earlier\r\r\nnote");
    EXPECT_EQ(CatalogFiles(), (Lines{"Weather forecast.txt", "data.ini", "desc.ini"}));

    PressExpecting(note, IDC_NOTE_DELETE, NoteNotDeleted(file));
    ExpectNoMoreMessages();
    EXPECT_EQ(NoteText(note), "later");
    EXPECT_EQ(FileBytes(file), "earlier\r\r\nnote");
  }
  Save(note);
  EXPECT_EQ(FileBytes(file), "later");
}

TEST_F(NoteTest, ANoteLongerThanTheFieldTakesIsRefusedNotCut) {
  WriteCollection({kBuiltInAddress, "https://weather.example/"},
                  {kBuiltInDescription, "Weather forecast"});
  const std::string file = NoteFile("Weather forecast");
  const std::string written = std::string(799, 'n') + "\r\r\n";  // 801 in the field
  WriteFile(file, written);
  ASSERT_TRUE(Open());
  HWND note = OpenNote(1);
  ASSERT_TRUE(note);
  EXPECT_EQ(NoteText(note), std::string(799, 'n') + "\r\n") << "shown whole";
  PressExpecting(note, IDOK, kNoteTooLong);
  ExpectNoMoreMessages();
  EXPECT_TRUE(IsWindowVisible(note));
  EXPECT_EQ(FileBytes(file), written);
  SetItemText(note, IDC_NOTE_TEXT, std::string(800, 'n'));
  Save(note);
  EXPECT_EQ(FileBytes(file), std::string(800, 'n'));
}

// Tools, which comes back after each of its commands until it is closed.
class WithTools : public CatalogFixture {
 protected:
  HWND OpenTools() { return PressFor(catalog_, IDC_TOOLS, kTools); }
  // The Tools dialog that replaces closed once its command has run.
  static HWND NextTools(HWND closed) {
    if (!WaitUntilGone(closed)) return nullptr;
    return WaitForWindow("#32770", kTools);
  }
  // Once the loop has ended, no Tools dialog is left.
  void ExpectToolsEnded(HWND closed) {
    ASSERT_TRUE(WaitUntilGone(closed));
    ExpectNoMoreMessages();
    EXPECT_FALSE(FindVisibleWindow("#32770", kTools));
    EXPECT_TRUE(Eventually("the catalog to be enabled again",
                           [&] { return IsWindowEnabled(catalog_); }));
  }
  void CancelTools(HWND tools) {
    PostClick(tools, IDCANCEL);
    ExpectToolsEnded(tools);
  }
  void CancelToolsAfter(HWND closed) {
    HWND tools = NextTools(closed);
    ASSERT_TRUE(tools) << "the Tools dialog did not come back";
    CancelTools(tools);
  }
};

class ReportTest : public WithTools {
 protected:
  // The Tools dialog, and Print All in it answered Yes.
  HWND RunPrintAll() {
    HWND tools = OpenTools();
    if (tools) PressExpecting(tools, IDOK, kCompleteReportQuestion, IDYES);
    return tools;
  }
  // Print with a site selected, then Print All, each refused with message: Print before it saves,
  // Print All once it has saved. No editor opens.
  void ExpectBothPrintsRefused(const char* message) {
    WriteCollectionWithLf({kBuiltInAddress}, {kBuiltInDescription});
    const std::string unsaved = Installed("data.ini");
    ASSERT_TRUE(Open());
    SelectRow(catalog_, IDC_ADDRESSES, 0);
    PressExpecting(catalog_, IDC_PRINT, message);
    ExpectNoMoreMessages();
    EXPECT_EQ(Installed("data.ini"), unsaved) << "Print stops before it saves";

    HWND tools = RunPrintAll();
    ASSERT_TRUE(tools);
    Expect(message);
    CancelToolsAfter(tools);
    EXPECT_EQ(Installed("data.ini"), FileOf({kBuiltInAddress})) << "Print All saves first";
    EXPECT_TRUE(Records().empty());
  }
};

TEST_F(ReportTest, PrintWritesTheSelectedSiteThenSavesAndOpensTheEditor) {
  WriteCollectionWithLf({kBuiltInAddress, "https://weather.example/today"},
                        {kBuiltInDescription, "Weather forecast"});
  const std::string unsaved = Installed("data.ini");
  WriteFile(kReport, "the last report, which is longer than the next one");
  ASSERT_TRUE(Open());
  PressExpecting(catalog_, IDC_PRINT, kSelectFirst);
  ExpectNoMoreMessages();
  EXPECT_EQ(Installed("report.txt"), "the last report, which is longer than the next one");
  EXPECT_EQ(Installed("data.ini"), unsaved) << "nothing saved";

  SelectRow(catalog_, IDC_DESCRIPTIONS, 1);
  Press(catalog_, IDC_PRINT);
  EXPECT_EQ(Installed("report.txt"), std::string("Weather forecast\r\n\r\n") +
                                         "https://weather.example/today\r\n\r\n" + kCopyright);
  EXPECT_EQ(PairIn(), PairOf({kBuiltInAddress, "https://weather.example/today"},
                             {kBuiltInDescription, "Weather forecast"}));
  ASSERT_TRUE(Started(1, "editor.exe", kReport));
  EXPECT_EQ(Records()[0].folder + "\\", kProgramFolder);
  ExpectNoMoreMessages();
}

TEST_F(ReportTest, WithoutReadmeTxtNothingIsPrintedButPrintAllHasSaved) {
  ASSERT_TRUE(DeleteFileA((std::string(kProgramFolder) + "Readme.txt").c_str()));
  ASSERT_NO_FATAL_FAILURE(ExpectBothPrintsRefused(kNoReadmeTxt));
  EXPECT_EQ(CatalogFiles(), (Lines{"data.ini", "desc.ini"})) << "no report";
}

TEST_F(ReportTest, AReadOnlyReportStaysAsItWas) {
  WriteFile(kReport, "the last report");
  ASSERT_TRUE(SetFileAttributesA(kReport, FILE_ATTRIBUTE_READONLY));
  ASSERT_NO_FATAL_FAILURE(ExpectBothPrintsRefused(kReportNotWritten));
  EXPECT_EQ(Installed("report.txt"), "the last report");
  EXPECT_EQ(CatalogFiles(), (Lines{"data.ini", "desc.ini", "report.txt"})) << "no temporary left";
}

TEST_F(ReportTest, PrintAllAsksThenReportsTheFilesWhole) {
  WriteCollection({kBuiltInAddress, "https://a.example/", "https://b.example/"},
                  {kBuiltInDescription, "Alpha", "Beta"});
  WriteFile(kReport, "the last report");
  ASSERT_TRUE(Open());
  HWND tools = OpenTools();
  ASSERT_TRUE(tools);
  PressExpecting(tools, IDOK, kCompleteReportQuestion, IDNO);
  ExpectNoMoreMessages();
  EXPECT_TRUE(IsWindowVisible(tools)) << "No keeps the same Tools dialog";
  EXPECT_EQ(Installed("report.txt"), "the last report");

  PressExpecting(tools, IDOK, kCompleteReportQuestion, IDYES);
  CancelToolsAfter(tools);
  EXPECT_EQ(Installed("report.txt"), std::string(kBuiltInDescription) + "\r\n" + kBuiltInAddress +
                                         "\r\n\r\nAlpha\r\nhttps://a.example/\r\n\r\n"
                                         "Beta\r\nhttps://b.example/\r\n\r\n" +
                                         kCopyright);
  EXPECT_TRUE(Started(1, "editor.exe", kReport));
}

class ToolsTest : public WithTools {};

TEST_F(ToolsTest, CancelEscAndTheCloseBoxEndTools) {
  ASSERT_TRUE(Open());
  HWND tools = OpenTools();
  ASSERT_TRUE(tools);
  EXPECT_FALSE(IsWindowEnabled(catalog_)) << "Tools is modal to the catalog";
  EXPECT_EQ(ToolTips(tools), (Hints{{IDC_TOOLS_SAVE, "save data"},
                                    {IDC_TOOLS_RESTORE, "restore collection"},
                                    {IDC_TOOLS_UPDATES, "update Sarnovo"},
                                    {IDOK, "create complete report"}}));
  CancelTools(tools);

  tools = OpenTools();
  ASSERT_TRUE(tools);
  PostKey(tools, VK_ESCAPE);
  ExpectToolsEnded(tools);

  tools = OpenTools();
  ASSERT_TRUE(tools);
  PostMessageA(tools, WM_SYSCOMMAND, SC_CLOSE, 0);
  ExpectToolsEnded(tools);
  EXPECT_EQ(CatalogFiles(), Lines{}) << "closing Tools writes nothing";
}

TEST_F(ToolsTest, SaveWritesTheInstalledFilesSilentlyAndToolsComesBack) {
  WriteCollectionWithLf(addresses_, descriptions_);
  ASSERT_TRUE(Open());
  HWND tools = OpenTools();
  ASSERT_TRUE(tools);
  PostClick(tools, IDC_TOOLS_SAVE);
  tools = NextTools(tools);
  ASSERT_TRUE(tools) << "Tools did not come back after Save";
  EXPECT_FALSE(FindVisibleWindow("#32770", kTitle)) << "no word of success";
  EXPECT_EQ(PairIn(), PairOf(addresses_, descriptions_));

  // A save that fails still says so, leaves the pair as it was (LF, which a save would not
  // write) and no temporary, and Tools comes back after it.
  WriteCollectionWithLf(addresses_, descriptions_);
  const Contents earlier = FolderContents(kCatalogFolder);
  {
    HeldFile inUse(InstalledFile("data.ini"));
    ASSERT_TRUE(inUse.IsHeld());
    PressExpecting(tools, IDC_TOOLS_SAVE, kAddressesNotSaved);
    tools = NextTools(tools);
    ASSERT_TRUE(tools) << "Tools did not come back after a failed Save";
  }
  EXPECT_EQ(FolderContents(kCatalogFolder), earlier) << "the pair as it was, no temporary";
  CancelTools(tools);
}

TEST_F(ToolsTest, RestoreRunsAsTheButtonDoesAndToolsComesBack) {
  ASSERT_TRUE(DriveA::Available()) << "drive A: is not mapped (LUNETAR_DRIVE_A)";
  WriteCollection({kBuiltInAddress}, {kBuiltInDescription});
  ASSERT_TRUE(Open());
  HWND tools = OpenTools();
  ASSERT_TRUE(tools);
  PressExpecting(tools, IDC_TOOLS_RESTORE, kInsertDisk);  // no disk in the drive
  Expect(kCannotRestoreSites);
  tools = NextTools(tools);
  ASSERT_TRUE(tools) << "Tools did not come back after a failed Restore";
  EXPECT_EQ(Addresses(), Lines{kBuiltInAddress});

  DriveA::Insert();
  WriteCollection({"https://backed.example/"}, {"Backed up"}, DriveA::kFolder);
  PressExpecting(tools, IDC_TOOLS_RESTORE, kInsertDisk);
  Expect(kRestored);
  tools = NextTools(tools);
  ASSERT_TRUE(tools) << "Tools did not come back after Restore";
  EXPECT_EQ(Addresses(), Lines{"https://backed.example/"});
  EXPECT_EQ(Descriptions(), Lines{"Backed up"});
  CancelTools(tools);
  EXPECT_EQ(Installed("data.ini"), FileOf({kBuiltInAddress})) << "Restore writes nothing";
}

TEST_F(ToolsTest, UpdatesOpensTheProductPageEachTimeAndToolsStays) {
  ASSERT_TRUE(Open());
  HWND tools = OpenTools();
  ASSERT_TRUE(tools);
  for (std::size_t count : {1, 2}) {
    Press(tools, IDC_TOOLS_UPDATES);
    EXPECT_TRUE(Started(count, "browser.exe", "https://lunetar.example/korvadex/"));
  }
  EXPECT_TRUE(IsWindowVisible(tools)) << "Updates keeps the same Tools dialog";
  ExpectNoMoreMessages();
}

TEST_F(ToolsTest, RightButtonOnTheWindowItselfOpensTools) {
  ASSERT_TRUE(Open());
  // On a list or a button, the press belongs to the control. The help click posted after the
  // presses is handled after them, so once its box shows they have been handled too, and a Tools
  // dialog opened by them would show as well.
  RightClick(GetDlgItem(catalog_, IDC_ADDRESSES), 5, 5);
  RightClick(GetDlgItem(catalog_, IDC_DESCRIPTIONS), 5, 5);
  RightClick(GetDlgItem(catalog_, IDC_SAVE), 5, 5);
  PostClick(catalog_, IDC_HELP_BUTTON);
  HWND help = WaitForWindow("#32770", kTitle);
  ASSERT_TRUE(help);
  EXPECT_FALSE(FindVisibleWindow("#32770", kTools));
  ASSERT_TRUE(Answer(help, IDOK));
  ExpectNoMoreMessages();
  EXPECT_FALSE(FindVisibleWindow("#32770", kTools));

  // Left of the "Web Destination:" frame: the window's own surface.
  RightClick(catalog_, 3, 3);
  HWND tools = WaitForWindow("#32770", kTools);
  ASSERT_TRUE(tools) << "a right press on the window opens Tools";
  CancelTools(tools);
}

TEST_F(ToolsTest, HelpButtonAndF1ShowTheSameHelp) {
  ASSERT_TRUE(Open());
  HWND box = PressFor(catalog_, IDC_HELP_BUTTON, kTitle);
  ASSERT_TRUE(box);
  const std::string help = MessageBoxText(box);
  ASSERT_TRUE(Answer(box, IDOK));
  ExpectNoMoreMessages();

  // Four blocks: the description, the commands, tips, and product and copyright.
  EXPECT_EQ(help.rfind("Description:\n\n", 0), 0u) << help;
  const std::size_t options = help.find("\n\nOptions:\n\nConnect - ");
  const std::size_t exit = help.find("\nExit - ", options);
  ASSERT_NE(exit, std::string::npos) << help;
  EXPECT_NE(help.find("\n\nTips:\n\n", exit), std::string::npos) << help;
  const std::string last = std::string("\n\nSarnovo 7.0   ") + kCopyright;
  ASSERT_GE(help.size(), last.size());
  EXPECT_EQ(help.substr(help.size() - last.size()), last);

  TypeKey(catalog_, VK_F1);
  Expect(help);
  ExpectNoMoreMessages();
}

TEST_F(ToolsTest, SystemMenuAboutEntryOpensTheAboutBox) {
  ASSERT_TRUE(Open());
  // The system keeps the low four bits of a system command for itself.
  for (WPARAM command : {WPARAM{IDM_ABOUT}, WPARAM{IDM_ABOUT | 0x3}}) {
    PostMessageA(catalog_, WM_SYSCOMMAND, command, 0);
    HWND about = WaitForWindow("#32770", "Sarnovo 7.0");
    ASSERT_TRUE(about) << command;
    EXPECT_FALSE(IsWindowEnabled(catalog_)) << "the About box is modal to the catalog";
    EXPECT_EQ(ToolTips(about), (Hints{{IDC_ABOUT_OK, "return to Sarnovo"}}));
    EXPECT_EQ(ItemText(about, IDC_ABOUT_OK), "&OK");
    EXPECT_TRUE(FindWindowExA(about, nullptr, "Static", kCopyright)) << "the copyright line";
    ASSERT_TRUE(command == IDM_ABOUT ? Answer(about, IDC_ABOUT_OK) : CloseByKey(about, VK_ESCAPE));
    ExpectNoMoreMessages();
  }
  HWND about = nullptr;
  PostMessageA(catalog_, WM_SYSCOMMAND, IDM_ABOUT, 0);
  ASSERT_TRUE(about = WaitForWindow("#32770", "Sarnovo 7.0"));
  ASSERT_TRUE(CloseByKey(about, VK_RETURN)) << "Enter closes the About box";

  // Other system commands keep their usual meaning.
  PostMessageA(catalog_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(Eventually("the catalog to be minimised", [&] { return IsIconic(catalog_) != 0; }));
  PostMessageA(catalog_, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(Eventually("the catalog to be restored", [&] { return !IsIconic(catalog_); }));
  EXPECT_FALSE(FindVisibleWindow("#32770", "Sarnovo 7.0"));
  EXPECT_TRUE(IsWindowEnabled(catalog_));
}

}  // namespace
}  // namespace e2e
