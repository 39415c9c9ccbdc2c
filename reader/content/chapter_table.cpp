#include "reader/content/chapter_table.h"

namespace lunetar {
namespace {
#include "chapters.inc"  // kBuiltInChapters, generated from chapters/*.txt
static_assert(sizeof kBuiltInChapters / sizeof kBuiltInChapters[0] == kBuiltInChapterCount,
              "one text file per built-in chapter");
}  // namespace

const ChapterEntry ChapterTable[kChapterCount] = {
    {"Preface", kBuiltInChapters[0]},
    {"Brief History of UNIX", kBuiltInChapters[1]},
    {"Making First Steps", kBuiltInChapters[2]},
    {"Special Characters", kBuiltInChapters[3]},
    {"Metacharacters", kBuiltInChapters[4]},
    {"Environment", kBuiltInChapters[5]},
    {"Navigating The File System", kBuiltInChapters[6]},
    {"Files and Directories", kBuiltInChapters[7]},
    {"Permissions", kBuiltInChapters[8]},
    {"Viewing Files", kBuiltInChapters[9]},
    {"Searching in Files", kBuiltInChapters[10]},
    {"Renaming Files", kBuiltInChapters[11]},
    {"Copying Files", kBuiltInChapters[12]},
    {"Deleting Files", kBuiltInChapters[13]},
    {"Links", kBuiltInChapters[14]},
    {"Compare Files", kBuiltInChapters[15]},
    {"Compare Directories", kBuiltInChapters[16]},
    {"Creating Directories", kBuiltInChapters[17]},
    {"Finding Files and Directories", kBuiltInChapters[18]},
    {"Create and Edit Files With vi", kBuiltInChapters[19]},
    {"Printing Files", kBuiltInChapters[20]},
    {"Archiving Files", kBuiltInChapters[21]},
    {"Transferring Files Between Computers", kBuiltInChapters[22]},
    {"More UNIX Commands", kBuiltInChapters[23]},
    {"Processes", kBuiltInChapters[24]},
    {"Electronic Mail", kBuiltInChapters[25]},
    {"Advanced UNIX", kBuiltInChapters[26]},
    {"User Defined Chapter", {nullptr, 0}},
};

const KeywordEntry KeywordIndex[kKeywordCount] = {
    {"intro", 0},
    {"multiuser", 1}, {"interactive", 1}, {"multitasking", 1},
    {"logging in", 2}, {"logging out", 2}, {"passwd", 2}, {"su", 2}, {"exit", 2}, {"shell", 2},
    {"metacharacters ? * [ ]", 4},
    {"echo", 2},
    {"Ctrl -c", 3}, {"Ctrl -h", 3}, {"Ctrl -d", 3},
    {"env", 5}, {"home", 5}, {"path", 5}, {"editor", 5}, {"logname", 5}, {"term", 5},
    {"export", 5},
    {"root", 6}, {"absolute path", 6}, {"relative path", 6}, {"pwd", 6}, {"cd", 6},
    {"parent directory", 6}, {"current directory", 6},
    {"ls", 7},
    {"chmod", 8}, {"owner", 8}, {"group", 8}, {"other", 8}, {"id", 8}, {"read", 8},
    {"write", 8}, {"execute", 8},
    {"more", 9}, {"cat", 9}, {"head", 9}, {"tail", 9},
    {"grep", 10},
    {"mv", 11},
    {"cp", 12},
    {"rm", 13}, {"rmdir", 13},
    {"ln", 14},
    {"diff", 15},
    {"dircmp", 16},
    {"mkdir", 17},
    {"find", 18},
    {"vi", 19}, {"Ctrl -f", 19}, {"Ctrl -b", 19}, {"man", 19}, {"/pattern", 19},
    {"?pattern", 19},
    {"lp", 20}, {"lpr", 20},
    {"tar", 21},
    {"nslookup", 22}, {"ping", 22}, {"telnet", 22}, {"ftp", 22}, {"put", 22}, {"mput", 22},
    {"get", 22}, {"mget", 22}, {"lcd", 22}, {"dir", 22},
    {"uname", 23}, {"date", 23}, {"cal", 23}, {"who", 23}, {"who am i", 23}, {"history", 23},
    {"df", 23}, {"du", 23},
    {"ps", 24}, {"ps -ef", 24}, {"kill", 24}, {"at", 24},
    {"elm", 25},
    {"redirection", 26}, {"pipe", 26}, {"sed", 26}, {"awk", 26},
    {"User Defined Command", kUserChapter},
};

int FindChapter(const std::string& title) {
  for (int i = 0; i < kChapterCount; ++i) {
    if (title == ChapterTable[i].title) return i;
  }
  return -1;
}

int FindKeywordChapter(const std::string& keyword) {
  for (const KeywordEntry& entry : KeywordIndex) {
    if (keyword == entry.keyword) return entry.chapter;
  }
  return -1;
}

}  // namespace lunetar
