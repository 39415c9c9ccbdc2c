// The reader, guide.exe, driven through its window.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "driver.h"
#include "resources/reader_ids.h"
#include "reader_fixture.h"
#include "texts.h"

namespace e2e {
namespace {

class ReaderTest : public ReaderFixture {
 protected:
  HWND Open() { return reader_ = StartReader(); }
  void Press(int id) { e2e::Press(reader_, id); }
  std::vector<std::string> Text() { return ListLines(reader_, IDC_TEXT_LIST); }
  std::string Heading() {
    std::vector<std::string> lines = Text();
    return lines.empty() ? "" : lines[0];
  }

  HWND reader_ = nullptr;
};

TEST_F(ReaderTest, FirstRunShowsDefaultsAndAnEmptyText) {
  ASSERT_TRUE(Open());
  EXPECT_EQ(SelectedEntry(reader_, IDC_CHAPTER), "Preface");
  EXPECT_EQ(SelectedEntry(reader_, IDC_KEYWORD), "intro");
  EXPECT_EQ(ItemText(reader_, IDC_SELECTION), "Choose Chapter or Command");
  EXPECT_TRUE(Text().empty());
  EXPECT_EQ(FocusedControl(reader_), GetDlgItem(reader_, IDC_CHAPTER));

  std::vector<std::string> chapters = ComboEntries(reader_, IDC_CHAPTER);
  ASSERT_EQ(chapters.size(), 28u);
  EXPECT_EQ(chapters.front(), "Preface");
  EXPECT_EQ(chapters[24], "Processes");
  EXPECT_EQ(chapters.back(), "User Defined Chapter");
  // An opened list shows many entries, not the one that the template's height leaves room for
  // (set once the window has shown itself).
  for (int combo : {IDC_CHAPTER, IDC_KEYWORD}) {
    const LRESULT entry = Ask(GetDlgItem(reader_, combo), CB_GETITEMHEIGHT, 0, 0);
    EXPECT_TRUE(Eventually("room for 16 entries", [&] {
      RECT dropped = {};
      Ask(GetDlgItem(reader_, combo), CB_GETDROPPEDCONTROLRECT, 0,
          reinterpret_cast<LPARAM>(&dropped));
      return dropped.bottom - dropped.top >= 16 * entry;
    })) << combo;
  }
  std::vector<std::string> keywords = ComboEntries(reader_, IDC_KEYWORD);
  EXPECT_EQ(keywords.size(), 89u);
  for (std::size_t i = 1; i < keywords.size(); ++i) {
    EXPECT_LE(lstrcmpiA(keywords[i - 1].c_str(), keywords[i].c_str()), 0) << keywords[i];
  }
  // Pressing Chapter at once shows the remembered chapter from its heading.
  Press(IDOK);
  std::vector<std::string> text = Text();
  ASSERT_EQ(text.size(), 20u);
  EXPECT_EQ(text[0], "Preface");
  EXPECT_EQ(ListSelection(reader_, IDC_TEXT_LIST), LB_ERR);
  EXPECT_EQ(ItemText(reader_, IDC_SELECTION), "Preface");
}

TEST_F(ReaderTest, KeywordsLeadToTheirChapters) {
  ASSERT_TRUE(Open());
  const struct {
    const char* keyword;
    const char* heading;
    std::size_t lines;
  } lookups[] = {
      {"ps -ef", "Processes (Jobs)", 85},
      {"man", "Create and Edit Files With vi", 152},
      {"echo", "Making First Steps", 47},
      {"User Defined Command", "User Defined Commands and Tips", 2},
      {"mkdir", "Creating Directories", 24},
  };
  for (const auto& lookup : lookups) {
    ASSERT_TRUE(PickEntry(reader_, IDC_KEYWORD, lookup.keyword)) << lookup.keyword;
    Press(IDC_COMMAND);
    EXPECT_EQ(Heading(), lookup.heading) << lookup.keyword;
    EXPECT_EQ(Text().size(), lookup.lines) << lookup.keyword;
    EXPECT_EQ(ItemText(reader_, IDC_SELECTION), lookup.keyword);
  }
}

TEST_F(ReaderTest, KeywordLookupKeepsTheChosenChapter) {
  ASSERT_TRUE(Open());
  ASSERT_TRUE(PickEntry(reader_, IDC_CHAPTER, "Links"));
  Press(IDOK);
  EXPECT_EQ(Heading(), "Links");
  ASSERT_TRUE(PickEntry(reader_, IDC_KEYWORD, "grep"));
  Press(IDC_COMMAND);
  EXPECT_EQ(Heading(), "Searching in Files");
  EXPECT_EQ(SelectedEntry(reader_, IDC_CHAPTER), "Links");
  EXPECT_EQ(ItemText(reader_, IDC_SELECTION), "grep");

  // Showing a chapter again leaves one copy of it.
  ASSERT_TRUE(PickEntry(reader_, IDC_CHAPTER, "Processes"));
  Press(IDOK);
  Press(IDOK);
  EXPECT_EQ(Text().size(), 85u);
  EXPECT_EQ(Heading(), "Processes (Jobs)");
}

TEST_F(ReaderTest, RememberedTextsThatBeginNoEntryWarn) {
  WritePositionFile("Nonsense\r\nzzz");
  ASSERT_TRUE(Open());
  EXPECT_EQ(SelectedEntry(reader_, IDC_CHAPTER), "");
  EXPECT_EQ(SelectedEntry(reader_, IDC_KEYWORD), "");

  PostClick(reader_, IDOK);
  ExpectMessage("Korvadex", kChapterWarning);
  // After the warning the chapter drop-down falls back to its first entry.
  EXPECT_TRUE(Eventually("the chapter \"Preface\" to be selected",
                         [&] { return SelectedEntry(reader_, IDC_CHAPTER) == "Preface"; }));
  EXPECT_EQ(ItemText(reader_, IDC_SELECTION), "");
  EXPECT_TRUE(Text().empty()) << "no chapter is shown after the warning";

  PostClick(reader_, IDC_COMMAND);
  ExpectMessage("Korvadex", kKeywordWarning);
  // The keyword drop-down falls back to "intro", whose chapter is then shown.
  EXPECT_TRUE(Eventually("the Preface to be shown", [&] { return Heading() == "Preface"; }));
  EXPECT_EQ(SelectedEntry(reader_, IDC_KEYWORD), "intro");
}

TEST_F(ReaderTest, RememberedPrefixSelectsTheFirstEntryItBegins) {
  WritePositionFile("Links\r\nmk");
  ASSERT_TRUE(Open());
  EXPECT_EQ(SelectedEntry(reader_, IDC_CHAPTER), "Links");
  EXPECT_EQ(SelectedEntry(reader_, IDC_KEYWORD), "mkdir");
}

TEST_F(ReaderTest, EnterShowsTheChapterAndKeepsTheWindow) {
  ASSERT_TRUE(Open());
  ASSERT_TRUE(PickEntry(reader_, IDC_CHAPTER, "Permissions"));
  PostKey(reader_, VK_RETURN);
  EXPECT_TRUE(Eventually("the chapter Permissions", [&] { return Heading() == "Permissions"; }));
  EXPECT_TRUE(IsWindowVisible(reader_));
}

TEST_F(ReaderTest, EscSavesThePositionAndHandsOverToTheLauncher) {
  ASSERT_TRUE(Open());
  ASSERT_TRUE(PickEntry(reader_, IDC_CHAPTER, "Links"));
  Press(IDOK);
  ASSERT_TRUE(PickEntry(reader_, IDC_KEYWORD, "grep"));
  Press(IDC_COMMAND);
  PostKey(reader_, VK_ESCAPE);
  ExpectHandOver("launch.exe", {"launch.exe", "execv"});
  EXPECT_EQ(FileBytes(PositionFile()), "Links\r\ngrep");
}

TEST_F(ReaderTest, CloseBoxSavesOnlyWhatAButtonTookIn) {
  ASSERT_TRUE(Open());
  ASSERT_TRUE(PickEntry(reader_, IDC_CHAPTER, "Links"));  // chosen, but no button pressed
  PostMessageA(reader_, WM_SYSCOMMAND, SC_CLOSE, 0);
  ExpectHandOver("launch.exe", {"launch.exe", "execv"});
  EXPECT_EQ(FileBytes(PositionFile()), "Preface\r\nintro");
}

TEST_F(ReaderTest, WithoutTheLauncherClosingJustEnds) {
  ASSERT_TRUE(DeleteFileA((std::string(kProgramFolder) + "launch.exe").c_str()));
  ASSERT_TRUE(Open());
  PostKey(reader_, VK_ESCAPE);
  DWORD exitCode = 1;
  ASSERT_TRUE(WaitForExit(&exitCode));
  EXPECT_EQ(exitCode, 0u);
  EXPECT_TRUE(Records().empty());
  EXPECT_EQ(FileBytes(PositionFile()), "Preface\r\nintro");
}

TEST_F(ReaderTest, MaximisingKeepsAFixedPlaceAndSize) {
  ASSERT_TRUE(Open());
  ShowWindow(reader_, SW_MAXIMIZE);
  RECT r = {};
  EXPECT_TRUE(Eventually("the window at 100,100 sized 483 x 408", [&] {
    GetWindowRect(reader_, &r);
    return r.left == 100 && r.top == 100 && r.right - r.left == 483 && r.bottom - r.top == 408;
  })) << r.left << "," << r.top << " " << r.right - r.left << " x " << r.bottom - r.top;
}

TEST_F(ReaderTest, HelpButtonAndF1ShowTheHelpBox) {
  ASSERT_TRUE(Open());
  HWND box = PressFor(reader_, IDC_HELP_BUTTON, "HELP");
  ASSERT_TRUE(box);
  const std::string text = MessageBoxText(box);
  EXPECT_EQ(text.rfind("Korvadex is an electronic book", 0), 0u) << text;
  EXPECT_NE(text.find("\nIMPORTANT TIP!\n"), std::string::npos);
  EXPECT_NE(text.find("Korvadex 7.0"), std::string::npos);
  ASSERT_TRUE(Answer(box, IDOK));
  TypeKey(reader_, VK_F1);
  ExpectMessage("HELP", text);  // the same help
  EXPECT_TRUE(IsWindowVisible(reader_));
}

TEST_F(ReaderTest, SystemMenuEntryOpensTheAboutBox) {
  ASSERT_TRUE(Open());
  PostMessageA(reader_, WM_SYSCOMMAND, IDM_ABOUT, 0);
  HWND about = WaitForWindow("#32770", "About Korvadex");
  ASSERT_TRUE(about);
  EXPECT_FALSE(IsWindowEnabled(reader_)) << "the About box is modal to the reader";
  PostMessageA(about, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntilGone(about));
  EXPECT_TRUE(Eventually("the reader to be enabled again", [&] { return IsWindowEnabled(reader_); }));
  EXPECT_EQ(ItemText(reader_, IDC_SELECTION), "Choose Chapter or Command");
}

TEST_F(ReaderTest, UpdatesOpensTheProductPageInTheBrowser) {
  ASSERT_TRUE(Open());
  Press(IDC_UPDATES);
  EXPECT_TRUE(Started(1, "browser.exe", "https://lunetar.example/korvadex/"));
  EXPECT_TRUE(IsWindowVisible(reader_));
}

TEST_F(ReaderTest, EveryControlHasItsToolTip) {
  ASSERT_TRUE(Open());
  EXPECT_EQ(ToolTips(reader_), (Hints{{IDC_ADD, "add commands or tips"},
                                          {IDC_HELP_BUTTON, "help wizard"},
                                          {IDOK, "go to the selected chapter"},
                                          {IDC_COMMAND, "go to the selected command or keyword"},
                                          {IDC_UPDATES, "check for updates"},
                                          {IDC_CHAPTER, "select chapter"},
                                          {IDC_KEYWORD, "select command or keyword"},
                                          {IDC_SELECTION, "current selection"}}));

  HWND add = PressFor(reader_, IDC_ADD, "   Add Command or Tip");
  ASSERT_TRUE(add);
  EXPECT_EQ(ToolTips(add), (Hints{{IDOK, "add command or tip"},
                                      {IDC_ENTRY, "enter your command or tip here"}}));
  ASSERT_TRUE(CloseByKey(add, VK_ESCAPE));
}

}  // namespace
}  // namespace e2e
