// The book: its 28 chapters in reading order and the keywords that lead into them.
#pragma once

#include <cstddef>
#include <string>

namespace lunetar {

// The lines of one built-in chapter, as the reader shows them: heading, empty line, text.
struct ChapterContent {
  const char* const* lines;
  std::size_t count;
};

struct ChapterEntry {
  const char* title;       // the chapter drop-down's entry, also the key of the Chapter button
  ChapterContent content;  // empty for the user-defined chapter, which lives in a file
};

constexpr int kChapterCount = 28;
constexpr int kBuiltInChapterCount = 27;
constexpr int kUserChapter = 27;  // "User Defined Chapter"

extern const ChapterEntry ChapterTable[kChapterCount];

// The chapter whose title is exactly title (case-sensitive), or -1.
int FindChapter(const std::string& title);

struct KeywordEntry {
  const char* keyword;
  int chapter;
};

constexpr int kKeywordCount = 89;

// Every command and keyword of the keyword drop-down, in the order it is filled, with the chapter
// that explains it. The last, "User Defined Command", leads to the user-defined chapter.
extern const KeywordEntry KeywordIndex[kKeywordCount];

// The chapter that keyword (exact, case-sensitive) leads to, or -1.
int FindKeywordChapter(const std::string& keyword);

}  // namespace lunetar
