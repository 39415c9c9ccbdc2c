// Removing the suite's files: a fixed list, deleted in order, stopping at the first failure.
#pragma once

#include <cstddef>

#include "common/file_access.h"

namespace lunetar {

constexpr std::size_t kUninstallCount = 11;

// The programs, documents and data files, in the order they go. Bare names are resolved against
// the working folder, the program folder when the suite runs as installed. Not listed, so kept:
// launch.exe (which runs the removal), the site notes, the reader's position and tip settings,
// and both folders.
extern const char* const kUninstallList[kUninstallCount];

// Deletes every listed file that can be opened; one that cannot is skipped. Returns the index of
// the file that could not be deleted (the files after it stay untouched), or kUninstallCount when
// none failed.
std::size_t RemoveSuiteFiles(FileAccess& files);

}  // namespace lunetar
