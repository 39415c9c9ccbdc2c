// Faults of the disk and of other programs, and hostile input, met by the real reader: every case
// checks the message shown (or that none is) and the bytes left on disk or in the settings.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "driver.h"
#include "reader_fixture.h"
#include "resources/reader_ids.h"
#include "texts.h"

namespace e2e {
namespace {

constexpr const char* kReaderTitle = "Korvadex";
constexpr const char* kTipCaption = " Tip of the Day";

class ReaderFaultTest : public ReaderFixture {
 protected:
  static void ExpectNoMoreMessages(HWND reader) {
    e2e::ExpectNoMoreMessages(reader, IDM_ABOUT, "About Korvadex", kReaderTitle);
  }
  // Launch in the Tip of the Day: the tip goes, the reader opens, and no message comes with it.
  static void LaunchWithoutMessages(HWND tip) {
    ASSERT_TRUE(Answer(tip, IDOK));
    HWND reader = WaitForWindow("#32770", " Korvadex");
    ASSERT_TRUE(reader);
    ExpectNoMoreMessages(reader);
  }
  static std::string Tips() { return std::string(kProgramFolder) + "gtips.txt"; }
  static std::string UserFile() { return std::string(kProgramFolder) + "user.ini"; }
};

TEST_F(ReaderFaultTest, ALockedTipsFileIsTakenForAMissingOne) {
  WriteFile(Tips(), "first tip\r\nsecond tip\r\n");
  SetTipSetting("StartUp", 0);  // the tip shows at start-up
  SetTipSetting("FilePos", 11);
  SetTipTimeStamp("Thu Jan  1 00:00:00 2026");
  HeldFile locked(Tips(), HeldFile::Sharing::Exclusive);
  ASSERT_TRUE(locked.IsHeld());
  HWND tip = Start("guide.exe", "#32770", kTipCaption);
  ASSERT_TRUE(tip);
  EXPECT_EQ(ItemText(tip, IDC_TIP_TEXT), kNoTipsFile);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(tip, IDC_NEXT_TIP)));
  ASSERT_NO_FATAL_FAILURE(LaunchWithoutMessages(tip));
  EXPECT_EQ(TipSetting("FilePos"), 11);
  EXPECT_EQ(TipTimeStamp(), "Thu Jan  1 00:00:00 2026");
}

TEST_F(ReaderFaultTest, ALockedPositionFileGivesTheFirstPlaceAndStaysAsItWas) {
  WritePositionFile("Links\r\nmk");
  {
    HeldFile locked(PositionFile(), HeldFile::Sharing::Exclusive);
    ASSERT_TRUE(locked.IsHeld());
    HWND reader = StartReader();
    ASSERT_TRUE(reader);
    EXPECT_EQ(SelectedEntry(reader, IDC_CHAPTER), "Preface");
    EXPECT_EQ(SelectedEntry(reader, IDC_KEYWORD), "intro");
    ExpectNoMoreMessages(reader);
    PostMessageA(reader, WM_SYSCOMMAND, SC_CLOSE, 0);  // the position is written on the way out
    ExpectHandOver("launch.exe", {"launch.exe", "execv"});
  }
  EXPECT_EQ(FileBytes(PositionFile()), "Links\r\nmk");
}

TEST_F(ReaderFaultTest, AnEntryThatCannotBeStoredIsToldAndNotShown) {
  ASSERT_TRUE(FaultyFile::Available(Fault::Full)) << "no full disk (LUNETAR_DISK_FULL)";
  const std::string stored = "User Defined Commands and Tips\r\n\r\nls -la\r\n\r\n";
  const struct {
    bool locked;  // else user.ini.new is on a full disk
    const char* message;
  } cells[] = {
      {true, kEntryNotRead},
      {false, kEntryNotSaved},
  };
  WriteFile(UserFile(), stored);
  HWND reader = StartReader();
  ASSERT_TRUE(reader);
  for (const auto& cell : cells) {
    SCOPED_TRACE(cell.locked ? "locked" : "full");
    {
      std::unique_ptr<HeldFile> locked;
      std::unique_ptr<FaultyFile> full;
      if (cell.locked) {
        locked = std::make_unique<HeldFile>(UserFile(), HeldFile::Sharing::Exclusive);
        ASSERT_TRUE(locked->IsHeld());
      } else {
        full = std::make_unique<FaultyFile>(UserFile() + ".new", Fault::Full);
      }
      HWND add = PressFor(reader, IDC_ADD, "   Add Command or Tip");
      ASSERT_TRUE(add);
      SetItemText(add, IDC_ENTRY, "grep -r word .");
      PostClick(add, IDOK);
      ExpectMessage(kReaderTitle, cell.message);
      ExpectNoMoreMessages(reader);
      const Lines lines = ListLines(reader, IDC_TEXT_LIST);
      EXPECT_EQ(std::count(lines.begin(), lines.end(), "grep -r word ."), 0);
      if (!cell.locked) {
        EXPECT_EQ(lines, (Lines{"User Defined Commands and Tips", "", "ls -la", ""}));
        EXPECT_FALSE(FileExists(UserFile() + ".new")) << "no temporary left";
      }
    }
    EXPECT_EQ(FileBytes(UserFile()), stored);
  }
}

TEST_F(ReaderFaultTest, AHugeTipLineIsShownInPieces) {
  std::string line(1000000, 'a');
  for (std::size_t i = 0; i < line.size(); ++i) line[i] = static_cast<char>('a' + i % 26);
  WriteFile(Tips(), line);  // no line end at all
  ForgetTipSettings();
  HWND tip = Start("guide.exe", "#32770", kTipCaption);
  ASSERT_TRUE(tip);
  EXPECT_EQ(ItemText(tip, IDC_TIP_TEXT), line.substr(0, 999));
  Press(tip, IDC_NEXT_TIP);
  EXPECT_EQ(ItemText(tip, IDC_TIP_TEXT), line.substr(999, 999));
  ASSERT_NO_FATAL_FAILURE(LaunchWithoutMessages(tip));
  EXPECT_EQ(TipSetting("FilePos"), 1998);
}

}  // namespace
}  // namespace e2e
