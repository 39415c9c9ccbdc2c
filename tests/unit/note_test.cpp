#include "catalog/note.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "catalog/collection.h"
#include "test_support.h"

namespace lunetar {
namespace {

TEST(NoteCodec, LineBreaksAreStoredAsCrCrLfAndComeBackAsCrLf) {
  const struct {
    std::string text, bytes;
  } cases[] = {
      {"one\r\ntwo\r\nthree", "one\r\r\ntwo\r\r\nthree"},  // no line break added after the last
      {"", ""},
      {"\r\n", "\r\r\n"},
      {"a\nb", "a\r\nb"},                   // a lone LF, as another program may have written
      {"a\rb\r", "a\rb\r"},                 // a lone CR is no line break
      {"\r\n\r\n\x1A\r\n", "\r\r\n\r\r\n\x1A\r\r\n"},  // Ctrl-Z is text, not the end
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeNote(c.text), c.bytes) << c.text;
    EXPECT_EQ(DecodeNote(c.bytes), c.text) << c.bytes;
  }
}

TEST(NoteCodec, ReadingTurnsOnlyCrLfPairsIntoLf) {
  const struct {
    std::string bytes, text;
  } cases[] = {
      {"a\r\nb", "a\nb"},          // a file of another editor
      {"a\nb", "a\nb"},            // an LF without CR before it stays
      {"a\r", "a\r"},              // a CR at the very end stays
      {"a\r\rb", "a\r\rb"},        // CRs without LF stay
      {"\r\r\r\n", "\r\r\n"},      // only the CR right before the LF goes
      {"\n\r", "\n\r"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeNote(c.bytes), c.text) << c.bytes;
}

TEST(NoteNames, OnlyASingleSafeFileNameNamesANote) {
  const std::string safe[] = {
      "Weather forecast", "News (daily) & more", ".hidden", "Caf\xE9 \xA7 1", "x.y.z", " leading",
      // near a device name or the report, but none of them
      "CONSOLE", "con-artist", "COM10", "LPT0", "COMA", "reports", "my report", "report.x",
      // ".txt" follows, so a dot or blank at the end is not the file name's end, and ".." without
      // a separator climbs nowhere
      "Recipes, tips...", "Recipes ", "   ", "..", "report ", "report.",
      // "~" where no short alias can be: more than eight characters, or a dot
      "Oslo weather ~5 days", "WEATHER~1", "A~1.b",
  };
  for (const std::string& name : safe) EXPECT_TRUE(IsSafeNoteName(name)) << name;
  EXPECT_TRUE(IsSafeNoteName(kBuiltInDescription)) << "the site of every collection keeps a note";

  const std::string unsafe[] = {
      "",
      // other folders and drives
      "..\\..\\lunetar-test\\secret", "../evil", "a/b", "a\\b", "C:evil", "\\\\server\\share",
      "..\\x", "x/..",
      // characters Windows refuses in names
      "a<b", "a>b", "a\"b", "a|b", "a?b", "a*b", "tab\there", std::string("nul\0/x", 6),
      "line\nbreak",
      // devices, in any case, with an extension, with blanks or dots before ".txt"
      "CON", "con", "Con.txt", "nul.anything", "AUX .x", "PRN", "COM1", "lpt9", "COM1.foo.bar",
      "CONIN$", "conout$", "COM\xB9", "lpt\xB2.txt", "CON ", "nul.", "COM1 . ",
      // the short alias of another file's name, as Windows makes it (WEATHE~1.TXT of "Weather
      // forecast.txt") or Wine does (WEAT~GIJ.TXT, and "~" padding after a shorter start)
      "LUNETA~1", "WEATHE~1", "weathe~1", "notes~12", "WEAT~GIJ", "LUNE~WV3", "A_B~~K2Q",
      // the report file that Print and Print All rewrite
      "report", "REPORT", "Report",
  };
  for (const std::string& name : unsafe) EXPECT_FALSE(IsSafeNoteName(name)) << name;
}

TEST(NoteNames, PathIsTheFolderTheDescriptionAndTxt) {
  EXPECT_EQ(NoteFilePath("Weather forecast"), "C:\\Program Files\\Sarnovo\\Weather forecast.txt");
  EXPECT_EQ(NoteFilePath("x.y", "/notes/"), "/notes/x.y.txt");
  EXPECT_EQ(NoteFilePath("..\\evil"), "");
  EXPECT_EQ(NoteFilePath("CON"), "");
}

class NoteFileTest : public TempFileTest {};

TEST_F(NoteFileTest, ASavedNoteReloadsUnchangedAndRewritesTheSameBytes) {
  const std::string note = "Log in as guest.\r\nThe password changes monthly.\r\nAsk Anna.";
  ASSERT_TRUE(SaveNote(path_, note, RenameOver));
  const std::string bytes = "Log in as guest.\r\r\nThe password changes monthly.\r\r\nAsk Anna.";
  EXPECT_EQ(Bytes(), bytes);
  std::string read = "earlier";
  ASSERT_TRUE(ReadNote(path_, read));
  EXPECT_EQ(read, note);
  ASSERT_TRUE(SaveNote(path_, read, RenameOver));
  EXPECT_EQ(Bytes(), bytes);
  EXPECT_EQ(Names().size(), 1u) << "a temporary file stayed behind";
}

TEST_F(NoteFileTest, ALineBreakAcrossTheReadBufferIsStillOne) {
  // A note longer than any read buffer, whose CR LF pairs fall on every possible boundary.
  std::string bytes;
  while (bytes.size() < 20000) bytes += std::string(bytes.size() % 7, 'x') + "\r\n";
  Write(bytes);
  std::string read;
  ASSERT_TRUE(ReadNote(path_, read));
  EXPECT_EQ(read, DecodeNote(bytes));
  EXPECT_EQ(read.find('\r'), std::string::npos);
}

TEST_F(NoteFileTest, NoFileOrNoNameReadsNothing) {
  std::string text = "kept";
  EXPECT_FALSE(ReadNote(path_, text));
  EXPECT_FALSE(ReadNote("", text));
  EXPECT_EQ(text, "kept");
}

TEST_F(NoteFileTest, AFailedSaveKeepsTheEarlierNote) {
  Write("earlier\r\r\nnote");
  EXPECT_FALSE(SaveNote(path_, "later", RefuseToReplace));
  EXPECT_EQ(Bytes(), "earlier\r\r\nnote");
  EXPECT_EQ(Names().size(), 1u) << "a temporary file stayed behind";

  EXPECT_FALSE(SaveNote("", "no name", MustNotReplace));
  EXPECT_FALSE(SaveNote(In("no such folder/n.txt"), "x", MustNotReplace));

  // The disk fills up while the temporary is written: its every write fails with "no space".
  if (!LinkToFullDevice(path_ + ".new")) GTEST_SKIP() << "no link to the full device";
  EXPECT_FALSE(SaveNote(path_, std::string(800, 'n'), MustNotReplace));
  EXPECT_EQ(Bytes(), "earlier\r\r\nnote");
  EXPECT_FALSE(TemporaryLeft());
}

TEST(NoteRemoval, OnlyAnExistingNoteFileIsRemoved) {
  FakeFiles files;
  files.present = {"News.txt", "Held.txt"};
  files.inUse = {"Held.txt"};
  EXPECT_EQ(RemoveNote(files, "Missing.txt"), NoteRemoval::NoNote);
  EXPECT_EQ(RemoveNote(files, ""), NoteRemoval::NoNote);
  EXPECT_TRUE(files.tried.empty()) << "nothing to remove, nothing tried";
  EXPECT_EQ(RemoveNote(files, "Held.txt"), NoteRemoval::NotRemoved);
  EXPECT_EQ(RemoveNote(files, "News.txt"), NoteRemoval::Removed);
  EXPECT_EQ(files.present, std::set<std::string>{"Held.txt"});
}

}  // namespace
}  // namespace lunetar
