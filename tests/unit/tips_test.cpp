#include "reader/tips.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>

#include "test_support.h"

namespace lunetar {
namespace {

class MemorySettings : public TipSettings {
 public:
  std::map<std::string, int> ints;
  std::map<std::string, std::string> strings;

  int GetInt(const char* entry, int defaultValue) override {
    auto found = ints.find(entry);
    return found == ints.end() ? defaultValue : found->second;
  }
  void WriteInt(const char* entry, int value) override { ints[entry] = value; }
  std::string GetString(const char* entry, const std::string& defaultValue) override {
    auto found = strings.find(entry);
    return found == strings.end() ? defaultValue : found->second;
  }
  void WriteString(const char* entry, const std::string& value) override { strings[entry] = value; }
};

class TipsTest : public TempFileTest {
 protected:
  MemorySettings settings_;

  // One start of the reader: the tip it shows first.
  std::string FirstTipOfAStart() {
    TipsFile tips(path_, settings_);
    EXPECT_EQ(tips.FirstRead(), TipRead::Found);
    return tips.FirstTip();
  }
};

TEST_F(TipsTest, EachStartShowsTheNextTipAndWrapsAround) {
  Write("; comment\r\nfirst tip\r\n\r\n indented\r\n\tTabbed\r\nsecond tip\r\n;last comment\r\n");
  EXPECT_EQ(FirstTipOfAStart(), "first tip");
  EXPECT_FALSE(settings_.strings["TimeStamp"].empty());
  EXPECT_EQ(FirstTipOfAStart(), "second tip");
  EXPECT_EQ(FirstTipOfAStart(), "first tip");
  EXPECT_EQ(settings_.ints["FilePos"], 22) << "just after the first tip's line";
}

TEST_F(TipsTest, NextTipReadsOnAndWraps) {
  Write("one\ntwo\n");
  TipsFile tips(path_, settings_);
  std::string tip;
  ASSERT_EQ(tips.Next(tip), TipRead::Found);
  EXPECT_EQ(tip, "two");
  ASSERT_EQ(tips.Next(tip), TipRead::Found);
  EXPECT_EQ(tip, "one");
}

TEST_F(TipsTest, ChangedTimeStampStartsAtTheBeginning) {
  Write("one\ntwo\nthree\n");
  settings_.ints["FilePos"] = 8;
  settings_.strings["TimeStamp"] = "Mon Jan  1 00:00:00 2001";
  EXPECT_EQ(FirstTipOfAStart(), "one");

  settings_.ints["FilePos"] = 8;  // the stamp matches now
  EXPECT_EQ(FirstTipOfAStart(), "three");
}

// An editor saves the tips in place: the same file, new text, a new modification time. The clock
// is not waited for; the time is set an hour apart instead.
TEST_F(TipsTest, FileRewrittenInPlaceStartsAtTheBeginning) {
  Write("one\ntwo\nthree\n");
  EXPECT_EQ(FirstTipOfAStart(), "one");
  Write("uno\ndos\ntres\n");
  namespace fs = std::filesystem;
  fs::last_write_time(path_, fs::last_write_time(path_) + std::chrono::hours(1));
  EXPECT_EQ(FirstTipOfAStart(), "uno");
}

TEST_F(TipsTest, OffsetBeyondTheEndWrapsToTheFirstTip) {
  Write("one\ntwo\n");
  TipsFile(path_, settings_);  // writes the stamp
  settings_.ints["FilePos"] = 5000;
  EXPECT_EQ(FirstTipOfAStart(), "one");
}

TEST_F(TipsTest, OffsetThatCannotBeSoughtIsReported) {
  Write("one\n");
  TipsFile(path_, settings_);
  settings_.ints["FilePos"] = -7;
  TipsFile tips(path_, settings_);
  EXPECT_EQ(tips.FirstRead(), TipRead::SeekFailed);
  EXPECT_EQ(tips.FirstTip(), "");
  std::string tip;
  EXPECT_EQ(tips.Next(tip), TipRead::Found) << "Next Tip reads on from where the file is";
  EXPECT_EQ(tip, "one");
}

TEST_F(TipsTest, LongLineComesAsTwoTips) {
  Write(std::string(1200, 'x') + "\n");
  TipsFile tips(path_, settings_);
  EXPECT_EQ(tips.FirstTip(), std::string(999, 'x'));
  std::string tip;
  ASSERT_EQ(tips.Next(tip), TipRead::Found);
  EXPECT_EQ(tip, std::string(201, 'x'));
}

TEST_F(TipsTest, FileWithoutTipsEndsAfterOnePass) {
  for (const char* bytes : {"", "; only comments\n\n  and blanks\n\tand tabs\n"}) {
    Write(bytes);
    TipsFile tips(path_, settings_);
    EXPECT_EQ(tips.FirstRead(), TipRead::NoTip) << bytes;
    std::string tip;
    EXPECT_EQ(tips.Next(tip), TipRead::NoTip);
  }
}

TEST_F(TipsTest, MissingFileTouchesNoPosition) {
  settings_.ints["FilePos"] = 12;
  {
    TipsFile tips(path_ + ".missing", settings_);
    EXPECT_FALSE(tips.IsOpen());
  }
  EXPECT_EQ(settings_.ints["FilePos"], 12);
  EXPECT_TRUE(settings_.strings.empty());
}

TEST_F(TipsTest, StartUpIsStoredInverted) {
  EXPECT_TRUE(ShowTipAtStartup(settings_));
  SaveShowTipAtStartup(settings_, false);
  EXPECT_EQ(settings_.ints["StartUp"], 1);
  EXPECT_FALSE(ShowTipAtStartup(settings_));
  SaveShowTipAtStartup(settings_, true);
  EXPECT_EQ(settings_.ints["StartUp"], 0);
}

}  // namespace
}  // namespace lunetar
