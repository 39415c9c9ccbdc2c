// Building command lines for other programs.
#pragma once

#include <string>

namespace lunetar {

// Quotes text so that a Windows program's start-up code reads it back as exactly one argument,
// blanks, quotes and backslashes included (the rules of the C run-time's argument parser).
std::string QuoteArgument(const std::string& text);

}  // namespace lunetar
