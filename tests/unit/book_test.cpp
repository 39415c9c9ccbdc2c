// The book's content and its indexes: every chapter keeps the layout the reader's list relies on,
// and every keyword leads to the chapter that teaches it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "common/line_file.h"
#include "reader/content/chapter_table.h"

namespace lunetar {
namespace {

struct ChapterShape {
  const char* title;
  int lines;
  int emptyLines;
  int widest;
  std::vector<std::string> sections;  // besides "Hint"
  int hints;
};

const ChapterShape kShapes[kBuiltInChapterCount] = {
    {"Preface", 20, 5, 90, {}, 0},
    {"Brief History of UNIX", 17, 6, 88, {}, 0},
    {"Making First Steps", 47, 18, 90, {"Logging In", "Logging Out", "Shell"}, 1},
    {"Special Characters", 26, 9, 92, {}, 0},
    {"Metacharacters", 14, 6, 90, {}, 0},
    {"Environment", 46, 16, 91, {}, 1},
    {"Navigating The File System", 74, 27, 91, {"Path Types"}, 2},
    {"Files and Directories", 76, 31, 95, {"Files"}, 1},
    {"Permissions", 100, 38, 90, {}, 2},
    {"Viewing Files", 37, 16, 89, {}, 1},
    {"Searching in Files", 57, 24, 92, {}, 0},
    {"Renaming Files", 29, 12, 92, {}, 0},
    {"Copying Files", 27, 11, 92, {}, 0},
    {"Deleting Files", 23, 9, 89, {}, 0},
    {"Links", 32, 11, 90, {}, 1},
    {"Compare Files", 20, 9, 86, {}, 0},
    {"Compare Directories", 23, 10, 88, {}, 0},
    {"Creating Directories", 24, 10, 92, {}, 0},
    {"Finding Files and Directories", 32, 12, 89, {}, 1},
    {"Create and Edit Files With vi", 152, 59, 92, {}, 6},
    {"Printing Files", 14, 5, 91, {}, 0},
    {"Archiving Files", 24, 10, 90, {}, 0},
    {"Transferring Files Between Computers", 86, 35, 93, {"Telnet", "FTP"}, 1},
    {"More UNIX Commands", 120, 52, 95,
     {"Which UNIX System You Are Using", "Date and Time", "Find out About Other Users", "History",
      "Disk Space"},
     1},
    {"Processes", 85, 35, 93, {"Schedule Processes"}, 2},
    {"Electronic Mail", 45, 16, 92, {}, 1},
    {"Advanced UNIX", 120, 48, 95, {"Redirection", "Practical sed and awk"}, 0},
};

std::vector<std::string> LinesOf(int chapter) {
  const ChapterContent& content = ChapterTable[chapter].content;
  return std::vector<std::string>(content.lines, content.lines + content.count);
}

// A heading stands alone between empty lines.
bool StandsAlone(const std::vector<std::string>& lines, std::size_t i) {
  return i > 0 && i + 1 < lines.size() && lines[i - 1].empty() && lines[i + 1].empty();
}

// The build turns every chapter's text file into a table of lines; read as a line file, the text
// gives the same lines, so the escaping on the way changed and dropped nothing.
TEST(Book, EmbeddedChaptersAreTheirTextFiles) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(CHAPTER_TEXT_DIR)) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  ASSERT_EQ(files.size(), static_cast<std::size_t>(kBuiltInChapterCount)) << CHAPTER_TEXT_DIR;
  for (int i = 0; i < kBuiltInChapterCount; ++i) {
    SCOPED_TRACE(files[i].string());
    std::vector<std::string> lines;
    ASSERT_EQ(ReadLineFile(files[i].string(), 1000, lines), FileRead::Read);
    EXPECT_EQ(LinesOf(i), lines);
  }
}

TEST(Book, ChaptersHaveTheirTitlesInOrder) {
  for (int i = 0; i < kBuiltInChapterCount; ++i) {
    EXPECT_STREQ(ChapterTable[i].title, kShapes[i].title);
    EXPECT_EQ(FindChapter(kShapes[i].title), i);
  }
  EXPECT_STREQ(ChapterTable[kUserChapter].title, "User Defined Chapter");
  EXPECT_EQ(FindChapter("User Defined Chapter"), kUserChapter);
  EXPECT_EQ(FindChapter("links"), -1) << "titles compare case-sensitively";
  EXPECT_EQ(FindChapter("Processes (Jobs)"), -1) << "the heading is not the title";
  EXPECT_EQ(FindChapter(""), -1);
}

TEST(Book, EveryChapterMatchesItsShape) {
  int allLines = 0, allEmpty = 0;
  for (int i = 0; i < kBuiltInChapterCount; ++i) {
    SCOPED_TRACE(kShapes[i].title);
    const ChapterShape& shape = kShapes[i];
    const std::vector<std::string> lines = LinesOf(i);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], i == 24 ? "Processes (Jobs)" : shape.title);
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines.back(), "");
    EXPECT_EQ(static_cast<int>(lines.size()), shape.lines);
    const int empty = static_cast<int>(std::count(lines.begin(), lines.end(), ""));
    EXPECT_EQ(empty, shape.emptyLines);
    std::size_t widest = 0;
    for (const std::string& line : lines) widest = std::max(widest, line.size());
    EXPECT_EQ(static_cast<int>(widest), shape.widest);
    for (const std::string& section : shape.sections) {
      bool found = false;
      for (std::size_t l = 0; l < lines.size(); ++l) found |= lines[l] == section && StandsAlone(lines, l);
      EXPECT_TRUE(found) << "section " << section;
    }
    int hints = 0;
    for (std::size_t l = 0; l < lines.size(); ++l) hints += lines[l] == "Hint" && StandsAlone(lines, l);
    EXPECT_EQ(hints, shape.hints);
    allLines += shape.lines;
    allEmpty += empty;
  }
  EXPECT_EQ(allLines, 1370);
  EXPECT_EQ(allEmpty, 540);
}

TEST(Book, LinesFitTheListAndKeepTheLayoutRules) {
  int doubleEmpty = 0;
  for (int i = 0; i < kBuiltInChapterCount; ++i) {
    SCOPED_TRACE(kShapes[i].title);
    const std::vector<std::string> lines = LinesOf(i);
    for (std::size_t l = 0; l < lines.size(); ++l) {
      const std::string& line = lines[l];
      EXPECT_LE(line.size(), 95u) << "line " << l + 1;
      EXPECT_EQ(line.find('\t'), std::string::npos) << "line " << l + 1;
      EXPECT_FALSE(!line.empty() && line[0] == ' ') << "line " << l + 1 << " starts with a blank";
      for (unsigned char c : line) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "line " << l + 1;
      if (l > 0 && line.empty() && lines[l - 1].empty()) {
        EXPECT_EQ(i, 26) << "two empty lines in a row at line " << l + 1;
        ++doubleEmpty;
      }
    }
  }
  EXPECT_EQ(doubleEmpty, 1);
}

// A line the reader is asked to type is the command, two blanks and "and press return", alone
// between empty lines, so that it never reads as part of a paragraph. A line that stands alone
// and holds only capitalised words is a section heading: the chapter's own, or "Hint".
TEST(Book, CommandLinesAndHeadingsStandAlone) {
  const std::string press = "  and press return";
  for (int i = 0; i < kBuiltInChapterCount; ++i) {
    SCOPED_TRACE(kShapes[i].title);
    const std::vector<std::string> lines = LinesOf(i);
    for (std::size_t l = 1; l < lines.size(); ++l) {
      const std::string& line = lines[l];
      if (line.find(press) != std::string::npos) {
        EXPECT_TRUE(StandsAlone(lines, l)) << "line " << l + 1 << ": " << line;
      }
      const bool wordsOnly = std::all_of(line.begin(), line.end(), [](char c) {
        return std::isalpha(static_cast<unsigned char>(c)) || c == ' ';
      });
      if (!line.empty() && std::isupper(static_cast<unsigned char>(line[0])) && wordsOnly &&
          line.find("  ") == std::string::npos && StandsAlone(lines, l)) {
        const auto& own = kShapes[i].sections;
        EXPECT_TRUE(line == "Hint" || std::find(own.begin(), own.end(), line) != own.end())
            << "line " << l + 1 << " is a heading the chapter does not have: " << line;
      }
    }
  }
}

// Lines that a paragraph continues past are broken at word boundaries near the list's width.
// Tables and screen samples, which line their columns up with runs of blanks, are exempt.
TEST(Book, ParagraphsBreakNearTheListWidth) {
  for (int i = 0; i < kBuiltInChapterCount; ++i) {
    SCOPED_TRACE(kShapes[i].title);
    const std::vector<std::string> lines = LinesOf(i);
    for (std::size_t start = 0; start < lines.size();) {
      std::size_t end = start;
      while (end < lines.size() && !lines[end].empty()) ++end;
      bool table = false;
      for (std::size_t l = start; l < end; ++l) table |= lines[l].find("  ") != std::string::npos;
      for (std::size_t l = start; !table && l + 1 < end; ++l) {
        EXPECT_GE(lines[l].size(), 85u) << "line " << l + 1;
        EXPECT_LE(lines[l].size(), 92u) << "line " << l + 1;
        EXPECT_NE(lines[l].back(), '-') << "line " << l + 1 << " breaks inside a word";
      }
      start = end + 1;
    }
  }
}

// The keyword drop-down in the order it is filled, in runs of keywords that open the same
// chapter: each run with that chapter.
const struct {
  const char* chapter;
  std::vector<std::string> keywords;
} kKeywordChapters[] = {
    {"Preface", {"intro"}},
    {"Brief History of UNIX", {"multiuser", "interactive", "multitasking"}},
    {"Making First Steps", {"logging in", "logging out", "passwd", "su", "exit", "shell"}},
    {"Metacharacters", {"metacharacters ? * [ ]"}},
    {"Making First Steps", {"echo"}},
    {"Special Characters", {"Ctrl -c", "Ctrl -h", "Ctrl -d"}},
    {"Environment", {"env", "home", "path", "editor", "logname", "term", "export"}},
    {"Navigating The File System",
     {"root", "absolute path", "relative path", "pwd", "cd", "parent directory",
      "current directory"}},
    {"Files and Directories", {"ls"}},
    {"Permissions", {"chmod", "owner", "group", "other", "id", "read", "write", "execute"}},
    {"Viewing Files", {"more", "cat", "head", "tail"}},
    {"Searching in Files", {"grep"}},
    {"Renaming Files", {"mv"}},
    {"Copying Files", {"cp"}},
    {"Deleting Files", {"rm", "rmdir"}},
    {"Links", {"ln"}},
    {"Compare Files", {"diff"}},
    {"Compare Directories", {"dircmp"}},
    {"Creating Directories", {"mkdir"}},
    {"Finding Files and Directories", {"find"}},
    {"Create and Edit Files With vi", {"vi", "Ctrl -f", "Ctrl -b", "man", "/pattern", "?pattern"}},
    {"Printing Files", {"lp", "lpr"}},
    {"Archiving Files", {"tar"}},
    {"Transferring Files Between Computers",
     {"nslookup", "ping", "telnet", "ftp", "put", "mput", "get", "mget", "lcd", "dir"}},
    {"More UNIX Commands", {"uname", "date", "cal", "who", "who am i", "history", "df", "du"}},
    {"Processes", {"ps", "ps -ef", "kill", "at"}},
    {"Electronic Mail", {"elm"}},
    {"Advanced UNIX", {"redirection", "pipe", "sed", "awk"}},
    {"User Defined Chapter", {"User Defined Command"}},
};

TEST(Book, EveryKeywordLeadsToItsChapter) {
  int i = 0;  // the drop-down's entry
  for (const auto& run : kKeywordChapters) {
    for (const std::string& keyword : run.keywords) {
      SCOPED_TRACE(keyword);
      ASSERT_LT(i, kKeywordCount) << "more keywords here than in the drop-down";
      EXPECT_EQ(KeywordIndex[i].keyword, keyword) << "entry " << i << " of the drop-down";
      const int chapter = FindKeywordChapter(keyword);
      ASSERT_TRUE(chapter >= 0 && chapter < kChapterCount) << chapter;
      EXPECT_STREQ(ChapterTable[chapter].title, run.chapter);
      ++i;
    }
  }
  EXPECT_EQ(i, kKeywordCount) << "fewer keywords here than in the drop-down";
}

TEST(Book, KeywordListHasItsEntriesOnce) {
  std::set<std::string> seen;
  for (const KeywordEntry& entry : KeywordIndex) {
    EXPECT_TRUE(seen.insert(entry.keyword).second) << entry.keyword;
  }
  EXPECT_EQ(FindKeywordChapter("Grep"), -1) << "keywords compare case-sensitively";
  EXPECT_EQ(FindKeywordChapter("mk"), -1);
  EXPECT_EQ(FindKeywordChapter(""), -1);
}

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-'; }

// Whether text holds term as a word of its own (case-insensitive for words and phrases, since
// "home" is taught as $HOME and "logging in" as a heading).
bool Mentions(const std::string& text, const std::string& term) {
  auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  const std::string haystack = lower(text), needle = lower(term);
  const bool word = IsWordChar(needle.front()) && IsWordChar(needle.back());
  for (std::size_t at = haystack.find(needle); at != std::string::npos;
       at = haystack.find(needle, at + 1)) {
    if (!word) return true;
    const bool before = at > 0 && IsWordChar(haystack[at - 1]);
    const bool after = at + needle.size() < haystack.size() && IsWordChar(haystack[at + needle.size()]);
    if (!before && !after) return true;
  }
  return false;
}

TEST(Book, EveryKeywordIsTaughtInItsChapter) {
  for (const KeywordEntry& entry : KeywordIndex) {
    if (entry.chapter == kUserChapter) continue;
    std::string text;
    for (const std::string& line : LinesOf(entry.chapter)) text += line + "\n";
    const std::string keyword = entry.keyword;
    if (keyword == "metacharacters ? * [ ]") {
      for (const char* part : {"metacharacters", "?", "*", "[", "]"}) EXPECT_TRUE(Mentions(text, part)) << part;
    } else {
      EXPECT_TRUE(Mentions(text, keyword)) << keyword << " in " << ChapterTable[entry.chapter].title;
    }
  }
}

}  // namespace
}  // namespace lunetar
