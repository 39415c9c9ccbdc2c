// The reader's own files: the position state file and the user entries file.
#include <gtest/gtest.h>

#include "reader/position.h"
#include "reader/user_chapter.h"
#include "temp_file.h"

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
  ASSERT_TRUE(WritePositionFile(path_, {"Links", "grep"}));
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
  EXPECT_EQ(ReadUserChapter(path_ + ".missing"),
            (std::vector<std::string>{"User Defined Commands and Tips", ""}));
}

TEST_F(ReaderFilesTest, UserChapterKeepsFileLinesAndSplitsLongOnes) {
  Write("");
  EXPECT_TRUE(ReadUserChapter(path_).empty());
  Write("User Defined Commands and Tips\r\n\r\n   ls -la | more\r\n\r\n" + std::string(120, 'x') +
        "\r\n");
  EXPECT_EQ(ReadUserChapter(path_),
            (std::vector<std::string>{"User Defined Commands and Tips", "", "   ls -la | more", "",
                                      std::string(98, 'x'), std::string(22, 'x')}));
}

}  // namespace
}  // namespace lunetar
