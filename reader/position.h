// The reader's position state file: the last chapter title on line 1, the last keyword on line 2.
#pragma once

#include <string>

#include "common/line_file.h"

namespace lunetar {

struct ReaderPosition {
  std::string chapter = "Preface";
  std::string keyword = "intro";
};

// Each line is read as a 100-byte line buffer reads it: at most 98 characters, the rest of a
// longer line coming as the next line. A value missing from the file keeps what position held.
// Returns false, leaving position untouched, when the file cannot be opened.
bool ReadPositionFile(const std::string& path, ReaderPosition& position);

// Writes chapter, one line end and keyword, with nothing after the keyword, through a temporary
// file (SaveFileBytes): the reader is closed at any moment, by a shutdown too.
bool WritePositionFile(const std::string& path, const ReaderPosition& position,
                       ReplaceFileFunction replace);

}  // namespace lunetar
