// The book's content and its indexes: every chapter keeps the layout the reader's list relies on,
// and every keyword leads to the chapter that teaches it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iterator>
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

// The keyword drop-down in the order it is filled, and the chapter each keyword opens.
const struct {
  const char* keyword;
  const char* chapter;
} kKeywordChapters[] = {
    {"intro", "Preface"},
    {"multiuser", "Brief History of UNIX"},
    {"interactive", "Brief History of UNIX"},
    {"multitasking", "Brief History of UNIX"},
    {"logging in", "Making First Steps"},
    {"logging out", "Making First Steps"},
    {"passwd", "Making First Steps"},
    {"su", "Making First Steps"},
    {"exit", "Making First Steps"},
    {"shell", "Making First Steps"},
    {"metacharacters ? * [ ]", "Metacharacters"},
    {"echo", "Making First Steps"},
    {"Ctrl -c", "Special Characters"},
    {"Ctrl -h", "Special Characters"},
    {"Ctrl -d", "Special Characters"},
    {"env", "Environment"},
    {"home", "Environment"},
    {"path", "Environment"},
    {"editor", "Environment"},
    {"logname", "Environment"},
    {"term", "Environment"},
    {"export", "Environment"},
    {"root", "Navigating The File System"},
    {"absolute path", "Navigating The File System"},
    {"relative path", "Navigating The File System"},
    {"pwd", "Navigating The File System"},
    {"cd", "Navigating The File System"},
    {"parent directory", "Navigating The File System"},
    {"current directory", "Navigating The File System"},
    {"ls", "Files and Directories"},
    {"chmod", "Permissions"},
    {"owner", "Permissions"},
    {"group", "Permissions"},
    {"other", "Permissions"},
    {"id", "Permissions"},
    {"read", "Permissions"},
    {"write", "Permissions"},
    {"execute", "Permissions"},
    {"more", "Viewing Files"},
    {"cat", "Viewing Files"},
    {"head", "Viewing Files"},
    {"tail", "Viewing Files"},
    {"grep", "Searching in Files"},
    {"mv", "Renaming Files"},
    {"cp", "Copying Files"},
    {"rm", "Deleting Files"},
    {"rmdir", "Deleting Files"},
    {"ln", "Links"},
    {"diff", "Compare Files"},
    {"dircmp", "Compare Directories"},
    {"mkdir", "Creating Directories"},
    {"find", "Finding Files and Directories"},
    {"vi", "Create and Edit Files With vi"},
    {"Ctrl -f", "Create and Edit Files With vi"},
    {"Ctrl -b", "Create and Edit Files With vi"},
    {"man", "Create and Edit Files With vi"},
    {"/pattern", "Create and Edit Files With vi"},
    {"?pattern", "Create and Edit Files With vi"},
    {"lp", "Printing Files"},
    {"lpr", "Printing Files"},
    {"tar", "Archiving Files"},
    {"nslookup", "Transferring Files Between Computers"},
    {"ping", "Transferring Files Between Computers"},
    {"telnet", "Transferring Files Between Computers"},
    {"ftp", "Transferring Files Between Computers"},
    {"put", "Transferring Files Between Computers"},
    {"mput", "Transferring Files Between Computers"},
    {"get", "Transferring Files Between Computers"},
    {"mget", "Transferring Files Between Computers"},
    {"lcd", "Transferring Files Between Computers"},
    {"dir", "Transferring Files Between Computers"},
    {"uname", "More UNIX Commands"},
    {"date", "More UNIX Commands"},
    {"cal", "More UNIX Commands"},
    {"who", "More UNIX Commands"},
    {"who am i", "More UNIX Commands"},
    {"history", "More UNIX Commands"},
    {"df", "More UNIX Commands"},
    {"du", "More UNIX Commands"},
    {"ps", "Processes"},
    {"ps -ef", "Processes"},
    {"kill", "Processes"},
    {"at", "Processes"},
    {"elm", "Electronic Mail"},
    {"redirection", "Advanced UNIX"},
    {"pipe", "Advanced UNIX"},
    {"sed", "Advanced UNIX"},
    {"awk", "Advanced UNIX"},
    {"User Defined Command", "User Defined Chapter"},
};

TEST(Book, EveryKeywordLeadsToItsChapter) {
  ASSERT_EQ(std::size(kKeywordChapters), static_cast<std::size_t>(kKeywordCount));
  for (int i = 0; i < kKeywordCount; ++i) {
    const auto& row = kKeywordChapters[i];
    SCOPED_TRACE(row.keyword);
    EXPECT_STREQ(KeywordIndex[i].keyword, row.keyword) << "entry " << i << " of the drop-down";
    const int chapter = FindKeywordChapter(row.keyword);
    ASSERT_TRUE(chapter >= 0 && chapter < kChapterCount) << chapter;
    EXPECT_STREQ(ChapterTable[chapter].title, row.chapter);
  }
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
