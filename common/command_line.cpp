#include "common/command_line.h"

namespace lunetar {

std::string QuoteArgument(const std::string& text) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (char c : text) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes count as escapes only before a quote: double them there, keep them elsewhere.
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    quoted.push_back(c);
  }
  // The closing quote follows, so trailing backslashes must be doubled too.
  quoted.append(2 * backslashes, '\\');
  quoted.push_back('"');
  return quoted;
}

}  // namespace lunetar
