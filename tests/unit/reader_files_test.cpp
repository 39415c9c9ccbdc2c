// The reader's own files: the position state file and the user entries file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "reader/position.h"
#include "reader/user_chapter.h"
#include "test_support.h"

namespace lunetar {
namespace {

class ReaderFilesTest : public TempFileTest {
 protected:
  ReaderPosition Load() {
    ReaderPosition position;
    EXPECT_TRUE(ReadPositionFile(path_, position));
    return position;
  }
};

TEST_F(ReaderFilesTest, PositionRoundTripHasNoEndAfterTheKeyword) {
  ASSERT_TRUE(WritePositionFile(path_, {"Links", "grep"}, RenameOver));
  EXPECT_EQ(Bytes(), "Links\r\ngrep");
  ReaderPosition position = Load();
  EXPECT_EQ(position.chapter, "Links");
  EXPECT_EQ(position.keyword, "grep");
}

TEST_F(ReaderFilesTest, MissingPositionFileKeepsTheDefaults) {
  ReaderPosition position;
  EXPECT_FALSE(ReadPositionFile(path_ + ".missing", position));
  EXPECT_EQ(position.chapter, "Preface");
  EXPECT_EQ(position.keyword, "intro");
}

TEST_F(ReaderFilesTest, PositionFileEndingEarlyKeepsDefaultsForMissingLines) {
  Write("Links");
  EXPECT_EQ(Load().chapter, "Links");
  EXPECT_EQ(Load().keyword, "intro");
  Write("");
  EXPECT_EQ(Load().chapter, "Preface");
  EXPECT_EQ(Load().keyword, "intro");
}

TEST_F(ReaderFilesTest, LongPositionLineSplitsAfter98Characters) {
  Write(std::string(98, 'c') + "mkdir\r\nignored");
  ReaderPosition position = Load();
  EXPECT_EQ(position.chapter, std::string(98, 'c'));
  EXPECT_EQ(position.keyword, "mkdir");
}

TEST_F(ReaderFilesTest, UserChapterOfAMissingFileIsHeadingAndEmptyLine) {
  std::vector<std::string> lines = {"held"};
  EXPECT_EQ(ReadUserChapter(path_ + ".missing", lines), FileRead::Missing);
  EXPECT_EQ(lines, (std::vector<std::string>{"User Defined Commands and Tips", ""}));
}

TEST_F(ReaderFilesTest, UserChapterKeepsFileLinesAndSplitsLongOnes) {
  std::vector<std::string> lines;
  Write("");
  EXPECT_EQ(ReadUserChapter(path_, lines), FileRead::Read);
  EXPECT_TRUE(lines.empty());
  Write("User Defined Commands and Tips\r\n\r\n   ls -la | more\r\n\r\n" + std::string(120, 'x') +
        "\r\n");
  ReadUserChapter(path_, lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"User Defined Commands and Tips", "",
                                             "   ls -la | more", "", std::string(98, 'x'),
                                             std::string(22, 'x')}));
}

// Adding reads the chapter as the file holds it and writes it back with the entry and an empty
// line; a file that is there but cannot be read, or a save that fails, leaves the file as it was.
TEST_F(ReaderFilesTest, AddingAnEntryKeepsEveryEarlierEntryOrNothingChanges) {
  const std::string earlier = "User Defined Commands and Tips\r\n\r\nls\r\n\r\n" +
                              std::string(120, 'x') + "\r\n";
  const struct {
    const char* name;
    const char* file;  // nullptr: none; "folder": a folder in its place, which cannot be read
    ReplaceFileFunction replace;
    UserEntryAdd outcome;
    std::string after;
  } cases[] = {
      {"first entry", nullptr, RenameOver, UserEntryAdd::Added,
       "User Defined Commands and Tips\r\n\r\ndf -h\r\n\r\n"},
      {"empty file", "", RenameOver, UserEntryAdd::Added, "df -h\r\n\r\n"},
      {"earlier entries, a long line in pieces", earlier.c_str(), RenameOver, UserEntryAdd::Added,
       "User Defined Commands and Tips\r\n\r\nls\r\n\r\n" + std::string(98, 'x') + "\r\n" +
           std::string(22, 'x') + "\r\ndf -h\r\n\r\n"},
      {"not saved", earlier.c_str(), RefuseToReplace, UserEntryAdd::NotSaved, earlier},
      {"unreadable", "folder", RenameOver, UserEntryAdd::Unreadable, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(path_);
    if (c.file && std::string(c.file) == "folder") {
      std::filesystem::create_directory(path_);
    } else if (c.file) {
      Write(c.file);
    }
    EXPECT_EQ(AddUserEntry(path_, "df -h", c.replace), c.outcome);
    if (c.outcome == UserEntryAdd::Unreadable) {
      EXPECT_TRUE(std::filesystem::is_directory(path_));
    } else {
      EXPECT_EQ(Bytes(), c.after);
    }
    EXPECT_FALSE(TemporaryLeft());
  }
}

TEST(UserEntryFailureMessage, NamesTheFileAndWhatTheUserCanDo) {
  const std::string path = "C:\\Program Files\\Lunetar\\user.ini";
  EXPECT_EQ(UserEntryFailureMessage(UserEntryAdd::Added, path), "");
  EXPECT_EQ(UserEntryFailureMessage(UserEntryAdd::Unreadable, path),
            "Can not read C:\\Program Files\\Lunetar\\user.ini, so your command or tip was not "
            "added.\nPlease close the program that uses the file and try again.    ");
  EXPECT_EQ(UserEntryFailureMessage(UserEntryAdd::NotSaved, path),
            "Can not save your command or tip in C:\\Program Files\\Lunetar\\user.ini.\nPlease "
            "make sure that the disk is not full and that no other program uses the file.    ");
}

}  // namespace
}  // namespace lunetar
