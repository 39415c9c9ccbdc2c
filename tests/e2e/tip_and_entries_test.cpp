// The reader's Tip of the Day and the user's own commands and tips.
#include <windows.h>
#include <gtest/gtest.h>

#include "driver.h"
#include "resources/reader_ids.h"
#include "reader_fixture.h"
#include "texts.h"

namespace e2e {
namespace {

constexpr const char* kTipCaption = " Tip of the Day";
constexpr const char* kAddCaption = "   Add Command or Tip";
// Offsets just after each tip's line.
constexpr long kAfterFirstTip = 33, kAfterSecondTip = 58;

// The reader as on its first start, with no Tip of the Day settings: the tip shows.
class TipTest : public ReaderFixture {
 protected:
  void SetUp() override {
    ReaderFixture::SetUp();
    if (HasFatalFailure()) return;
    WriteFile(std::string(kProgramFolder) + "gtips.txt",
              "; tips for the tests\r\nfirst tip\r\n\r\n indented\r\nsecond tip\r\nthird tip\r\n");
    ASSERT_NO_FATAL_FAILURE(ForgetTipSettings());
  }
  HWND OpenTip() { return tip_ = Start("guide.exe", "#32770", kTipCaption); }
  HWND tip_ = nullptr;
};

TEST_F(TipTest, FirstRunGreetsWithTheFirstTipAndEnterLaunches) {
  ASSERT_TRUE(OpenTip());
  EXPECT_TRUE(IsChecked(tip_, IDC_SHOW_AT_STARTUP));
  EXPECT_EQ(ItemText(tip_, IDC_TIP_TEXT), "first tip");
  EXPECT_FALSE(TipTimeStamp().empty());
  EXPECT_FALSE(FindWindowA("#32770", " Korvadex")) << "the tip comes before the reader window";
  EXPECT_EQ(FocusedControl(tip_), GetDlgItem(tip_, IDC_SHOW_AT_STARTUP));

  ASSERT_TRUE(CloseByKey(tip_, VK_RETURN));  // on the check box: Launch
  EXPECT_TRUE(WaitForWindow("#32770", " Korvadex"));
  EXPECT_EQ(TipSetting("StartUp"), 0);
  EXPECT_EQ(TipSetting("FilePos"), kAfterFirstTip);
}

TEST_F(TipTest, TurnedOffTheTipStillAdvancesAtEveryStart) {
  SetTipSetting("StartUp", 1);  // the tip turned off at start-up
  HWND reader = StartReader();
  ASSERT_TRUE(reader);
  EXPECT_EQ(TipSetting("FilePos"), kAfterFirstTip);
  PostKey(reader, VK_ESCAPE);
  ASSERT_TRUE(WaitForExit());
  ASSERT_TRUE(StartReader());
  EXPECT_EQ(TipSetting("FilePos"), kAfterSecondTip);
}

TEST_F(TipTest, UncheckedBoxCountsOnlyWithLaunch) {
  ASSERT_TRUE(OpenTip());
  SetChecked(tip_, IDC_SHOW_AT_STARTUP, false);
  ASSERT_TRUE(CloseByKey(tip_, VK_ESCAPE));
  ASSERT_TRUE(WaitForWindow("#32770", " Korvadex"));
  EXPECT_EQ(TipSetting("StartUp"), -1) << "Escape writes nothing";
  EndPrograms();

  ASSERT_TRUE(OpenTip());
  EXPECT_EQ(ItemText(tip_, IDC_TIP_TEXT), "second tip");
  SetChecked(tip_, IDC_SHOW_AT_STARTUP, false);
  Press(tip_, IDC_NEXT_TIP);
  EXPECT_EQ(ItemText(tip_, IDC_TIP_TEXT), "third tip");
  EXPECT_FALSE(IsChecked(tip_, IDC_SHOW_AT_STARTUP)) << "Next Tip keeps the box as it is";
  ASSERT_TRUE(Answer(tip_, IDOK));
  EXPECT_EQ(TipSetting("StartUp"), 1);
}

TEST_F(TipTest, NextTipWrapsAfterTheLastTip) {
  ASSERT_TRUE(OpenTip());
  for (const char* expected : {"second tip", "third tip", "first tip"}) {
    Press(tip_, IDC_NEXT_TIP);
    EXPECT_EQ(ItemText(tip_, IDC_TIP_TEXT), expected);
  }
}

// Tips quote shell lines full of "&"; the tip text must not take them for access-key marks.
TEST_F(TipTest, AmpersandsShowAsWritten) {
  WriteFile(std::string(kProgramFolder) + "gtips.txt",
            "mkdir new && ls new > out.txt 2>&1\r\nPut & at the end\r\n");
  ASSERT_TRUE(OpenTip());
  HWND text = GetDlgItem(tip_, IDC_TIP_TEXT);
  EXPECT_TRUE(GetWindowLongA(text, GWL_STYLE) & SS_NOPREFIX) << "\"&&\" would show as \"&\"";
  EXPECT_EQ(ItemText(tip_, IDC_TIP_TEXT), "mkdir new && ls new > out.txt 2>&1");
  Press(tip_, IDC_NEXT_TIP);
  EXPECT_EQ(ItemText(tip_, IDC_TIP_TEXT), "Put & at the end");
}

TEST_F(TipTest, F1ShowsTheReadersHelp) {
  ASSERT_TRUE(OpenTip());
  TypeKey(tip_, VK_F1);
  HWND box = WaitForWindow("#32770", "HELP");
  ASSERT_TRUE(box);
  EXPECT_EQ(MessageBoxText(box).rfind("Korvadex is an electronic book", 0), 0u);
  ASSERT_TRUE(Answer(box, IDOK));
}

TEST_F(TipTest, WithoutTipsNextTipIsDisabled) {
  const std::string tips = std::string(kProgramFolder) + "gtips.txt";
  WriteFile(tips, "; nothing but comments\r\n\r\n  and blanks\r\n");
  ASSERT_TRUE(OpenTip());
  EXPECT_EQ(ItemText(tip_, IDC_TIP_TEXT), kNoTips);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(tip_, IDC_NEXT_TIP)));
  EndPrograms();

  ForgetTipSettings();
  DeleteFileA(tips.c_str());
  ASSERT_TRUE(OpenTip());
  EXPECT_EQ(ItemText(tip_, IDC_TIP_TEXT), kNoTipsFile);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(tip_, IDC_NEXT_TIP)));
  ASSERT_TRUE(Answer(tip_, IDOK));
  EXPECT_EQ(TipSetting("StartUp"), 0) << "Launch writes the choice even without tips";
  EXPECT_EQ(TipSetting("FilePos"), -1);
}

TEST_F(TipTest, EmbeddedOrAutomatedStartSkipsTheTip) {
  for (const char* switchText : {"/Embedding", "-Automation"}) {
    HWND reader = Start("guide.exe", "#32770", " Korvadex", kProgramFolder, switchText);
    ASSERT_TRUE(reader) << switchText;
    EXPECT_EQ(TipSetting("FilePos"), -1) << "the tip was not even read";
    EndPrograms();
  }
  // "execv", as the launcher passes it, changes nothing.
  EXPECT_TRUE(Start("guide.exe", "#32770", kTipCaption, kProgramFolder, "execv"));
}

TEST_F(TipTest, ApplicationCommandShowsTheTipOnDemand) {
  SetTipSetting("StartUp", 1);  // the tip turned off at start-up
  HWND reader = StartReader();
  ASSERT_TRUE(reader);
  PostMessageA(reader, WM_COMMAND, ID_SHOW_TIP_OF_THE_DAY, 0);
  HWND tip = WaitForWindow("#32770", kTipCaption);
  ASSERT_TRUE(tip) << "shown although the tip is off at start-up";
  EXPECT_EQ(ItemText(tip, IDC_TIP_TEXT), "second tip");
  EXPECT_TRUE(CloseByKey(tip, VK_ESCAPE));
}

class EntriesTest : public ReaderFixture {
 protected:
  void SetUp() override {
    ReaderFixture::SetUp();
    if (HasFatalFailure()) return;
    reader_ = StartReader();
    ASSERT_TRUE(reader_);
  }
  HWND OpenAdd() { return PressFor(reader_, IDC_ADD, kAddCaption); }
  Lines Text() const { return ListLines(reader_, IDC_TEXT_LIST); }
  // Adds text through the dialog, which accepts it and closes; then the reader shows the user's
  // chapter with the entry as its last but one line.
  void Add(const std::string& text) {
    HWND add = OpenAdd();
    ASSERT_TRUE(add);
    SetItemText(add, IDC_ENTRY, text);
    ASSERT_TRUE(Answer(add, IDOK));
    ASSERT_TRUE(Eventually("the entry in the reader's text", [&] {
      const Lines lines = Text();
      return lines.size() >= 2 && lines[lines.size() - 2] == text.substr(0, 98);
    }));
  }
  // Presses Add in the dialog and returns the message it shows, closing it.
  std::string Refusal(HWND add, const std::string& text) {
    SetItemText(add, IDC_ENTRY, text);
    HWND box = PressFor(add, IDOK, "Korvadex");
    if (!box) return "no message";
    EXPECT_TRUE(IsWindowEnabled(add)) << "the dialog stays usable behind the message";
    std::string message = MessageBoxText(box);
    Answer(box, IDOK);
    EXPECT_TRUE(IsWindowVisible(add));
    return message;
  }
  std::string UserFile() { return FileBytes(std::string(kProgramFolder) + "user.ini"); }

  HWND reader_ = nullptr;
};

TEST_F(EntriesTest, FirstAddStoresHeadingEntryAndEmptyLines) {
  ASSERT_NO_FATAL_FAILURE(Add("  ls -la | more  "));
  EXPECT_EQ(UserFile(), "User Defined Commands and Tips\r\n\r\n  ls -la | more  \r\n\r\n");
  EXPECT_EQ(Text(), (Lines{"User Defined Commands and Tips", "", "  ls -la | more  ", ""}));
  EXPECT_EQ(SelectedEntry(reader_, IDC_CHAPTER), "User Defined Chapter");
  EXPECT_EQ(SelectedEntry(reader_, IDC_KEYWORD), "User Defined Command");
  EXPECT_EQ(ItemText(reader_, IDC_SELECTION), "User Defined Command or Chapter");

  ASSERT_NO_FATAL_FAILURE(Add("a second entry"));
  EXPECT_EQ(Text(), (Lines{"User Defined Commands and Tips", "", "  ls -la | more  ", "",
                           "a second entry", ""}));
  PostKey(reader_, VK_ESCAPE);
  ASSERT_TRUE(WaitForExit());
  EXPECT_EQ(FileBytes(PositionFile()), "User Defined Chapter\r\nUser Defined Command");
}

TEST_F(EntriesTest, EntriesMustFitALine) {
  HWND add = OpenAdd();
  ASSERT_TRUE(add);
  EXPECT_EQ(Ask(GetDlgItem(add, IDC_ENTRY), EM_GETLIMITTEXT, 0, 0), 100);
  EXPECT_EQ(Refusal(add, ""), kEnterEntry);
  EXPECT_EQ(Refusal(add, std::string(95, 'x')), kEntryTooLong);
  ASSERT_TRUE(Answer(add, IDCANCEL));
  EXPECT_EQ(UserFile(), "") << "nothing stored";

  ASSERT_NO_FATAL_FAILURE(Add(std::string(94, 'y')));
  const Lines lines = Text();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2], std::string(94, 'y'));
}

TEST_F(EntriesTest, CancelAtOnceShowsTheChapterAndItsLabels) {
  HWND add = OpenAdd();
  ASSERT_TRUE(add);
  EXPECT_FALSE(IsWindowEnabled(reader_)) << "the reader waits for the dialog";
  ASSERT_TRUE(CloseByKey(add, VK_ESCAPE));
  EXPECT_TRUE(Eventually("the user's chapter", [&] { return Text().size() == 2; }));
  EXPECT_EQ(Text(), (Lines{"User Defined Commands and Tips", ""}));
  EXPECT_EQ(ItemText(reader_, IDC_SELECTION), "User Defined Command or Chapter");
  EXPECT_EQ(SelectedEntry(reader_, IDC_CHAPTER), "User Defined Chapter");
  EXPECT_FALSE(FileExists(std::string(kProgramFolder) + "user.ini"));
}

TEST_F(EntriesTest, HandEditedFileIsShownInPiecesAndKeptInOrder) {
  PostKey(reader_, VK_ESCAPE);
  ASSERT_TRUE(WaitForExit());
  WriteFile(std::string(kProgramFolder) + "user.ini",
            "zeta first\r\n   alpha second\r\n" + std::string(120, 'w') + "\r\n");
  reader_ = StartReader();
  ASSERT_TRUE(reader_);
  ASSERT_NO_FATAL_FAILURE(Add("last"));
  EXPECT_EQ(Text(), (Lines{"zeta first", "   alpha second", std::string(98, 'w'),
                           std::string(22, 'w'), "last", ""}));
  EXPECT_EQ(UserFile(), "zeta first\r\n   alpha second\r\n" + std::string(98, 'w') + "\r\n" +
                            std::string(22, 'w') + "\r\nlast\r\n\r\n");
}

}  // namespace
}  // namespace e2e
