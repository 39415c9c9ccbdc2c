// Replacing a file by a finished one in one step, for the saves of line_file.h.
#pragma once

#include <string>

namespace lunetar {

// Moves from over to, replacing to; the replacement is a single rename on one volume, written
// through to the disk before the call returns. A read-only file is neither replaced nor moved.
bool MoveFileOver(const std::string& from, const std::string& to);

}  // namespace lunetar
