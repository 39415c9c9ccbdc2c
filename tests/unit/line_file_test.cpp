#include "common/line_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "common/file_ptr.h"
#include "test_support.h"

namespace lunetar {
namespace {

class LineFileTest : public TempFileTest {
 protected:
  // The file's lines as ReadLineFile reads them, which ReadLinePiece reads alike from a stream.
  std::vector<std::string> Read(std::size_t maxChars) {
    std::vector<std::string> lines, pieces;
    EXPECT_EQ(ReadLineFile(path_, maxChars, lines), FileRead::Read);
    FilePtr file = OpenFile(path_, "rb");
    for (std::string piece; file && ReadLinePiece(file.get(), maxChars, piece);) {
      pieces.push_back(piece);
    }
    EXPECT_EQ(pieces, lines) << "ReadLinePiece";
    return lines;
  }
};

TEST_F(LineFileTest, LineEndsAreLfWithOptionalCr) {
  Write("one\r\ntwo\nthree\r\n\r\nlast without end");
  EXPECT_EQ(Read(98), (std::vector<std::string>{"one", "two", "three", "", "last without end"}));
}

TEST_F(LineFileTest, LoneCrAndCtrlZAreText) {
  Write("a\rb\x1A" "c\r\nd\r");
  EXPECT_EQ(Read(98), (std::vector<std::string>{"a\rb\x1A" "c", "d\r"}));
}

TEST_F(LineFileTest, LongLinesComeInPieces) {
  Write(std::string(120, 'x') + "\r\n" + std::string(98, 'y') + "\r\n" + std::string(196, 'z'));
  EXPECT_EQ(Read(98), (std::vector<std::string>{std::string(98, 'x'), std::string(22, 'x'),
                                                std::string(98, 'y'), std::string(98, 'z'),
                                                std::string(98, 'z')}));
}

// A buffer of no characters still reads on, one character a piece, and comes to the end.
TEST_F(LineFileTest, AnEmptyBufferReadsOneCharacterAPiece) {
  Write("ab\r\n");
  EXPECT_EQ(Read(0), (std::vector<std::string>{"a", "b"}));
}

TEST_F(LineFileTest, PieceBoundaryBeforeLoneCrKeepsTheCr) {
  Write("abc\rd\n");
  EXPECT_EQ(Read(3), (std::vector<std::string>{"abc", "\rd"}));
}

// A file that is missing is told apart from one that is there but cannot be read (here a folder
// in its place), since only a missing file may be written from scratch.
TEST_F(LineFileTest, EmptyMissingAndUnreadableFiles) {
  Write("");
  EXPECT_TRUE(Read(98).empty());
  std::filesystem::create_directory(In("folder"));
  const struct {
    std::string path;
    FileRead read;
  } cases[] = {
      {path_ + ".missing", FileRead::Missing},
      {In("no folder") + "/file", FileRead::Missing},
      {In("folder"), FileRead::Unreadable},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    std::vector<std::string> lines;
    EXPECT_EQ(ReadLineFile(c.path, 98, lines), c.read);
    std::string bytes = "held";
    EXPECT_EQ(ReadFileBytes(c.path, bytes), c.read);
    EXPECT_EQ(bytes, "held");
  }
}

TEST_F(LineFileTest, WritesCrLfAndReadsBack) {
  const std::vector<std::string> lines = {"User Defined Commands and Tips", "", "  ls -la  ", ""};
  ASSERT_TRUE(WriteLineFile(path_, lines));
  EXPECT_EQ(Bytes(), "User Defined Commands and Tips\r\n\r\n  ls -la  \r\n\r\n");
  EXPECT_EQ(JoinLines(lines), Bytes());
  EXPECT_EQ(Read(98), lines);
}

TEST_F(LineFileTest, SaveReplacesOnlyAfterACompleteWrite) {
  Write("earlier\r\n");
  ASSERT_FALSE(SaveFileBytes(path_, "later\r\n", RefuseToReplace));
  EXPECT_EQ(Bytes(), "earlier\r\n");
  EXPECT_FALSE(TemporaryLeft());

  ASSERT_TRUE(SaveFileBytes(path_, "later\r\n", RenameOver));
  EXPECT_EQ(Bytes(), "later\r\n");
}

// A temporary's name that another user made a second name of a file of theirs choosing: the save
// writes a file of its own, and the other file keeps its bytes.
TEST_F(LineFileTest, SaveNeverWritesAnotherFileThroughATemporarysName) {
  const std::string other = In("other.txt");
  WriteBytes(other, "other's");
  std::error_code error;
  std::filesystem::create_hard_link(other, path_ + ".new", error);
  ASSERT_FALSE(error) << error.message();
  ASSERT_TRUE(SaveFileBytes(path_, "later\r\n", RenameOver));
  EXPECT_EQ(Bytes(), "later\r\n");
  EXPECT_EQ(FileBytes(other), "other's");
}

// A save that runs out of disk part-way leaves the earlier file whole and no temporary behind. The
// temporary is made a link to the device whose every write fails with "no space left": a short
// write fails when the buffer is flushed at the close, a long one already while writing, and
// WriteLineFile, which writes in pieces, fails as well.
TEST_F(LineFileTest, SaveOntoAFullDiskKeepsTheEarlierFile) {
  const struct {
    const char* name;
    std::vector<std::string> lines;
  } cases[] = {
      {"one line", {"later"}},
      {"more than a buffer", std::vector<std::string>(1000, std::string(98, 'x'))},
  };
  Write("earlier\r\n");
  const std::filesystem::path temporary = path_ + ".new";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (!LinkToFullDevice(temporary)) GTEST_SKIP() << "no link to the full device";
    EXPECT_FALSE(WriteLineFile(temporary.string(), c.lines));
    EXPECT_FALSE(SaveFileBytes(path_, JoinLines(c.lines), MustNotReplace));
    EXPECT_EQ(Bytes(), "earlier\r\n");
    EXPECT_FALSE(TemporaryLeft());
  }
}

TEST_F(LineFileTest, SaveIntoAMissingFolderFails) {
  const std::string missing = (folder_ / "no" / "such" / "folder" / "file.txt").string();
  EXPECT_FALSE(SaveFileBytes(missing, "x\r\n", RenameOver));
}

}  // namespace
}  // namespace lunetar
