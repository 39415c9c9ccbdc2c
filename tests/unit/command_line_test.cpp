#include "common/command_line.h"

#include <gtest/gtest.h>

namespace lunetar {
namespace {

// Each case: the text, and how it must be quoted so that the C run-time reads back that text.
TEST(QuoteArgument, KeepsTextOneArgument) {
  const struct {
    const char* text;
    const char* quoted;
  } cases[] = {
      {"", "\"\""},
      {"https://lunetar.example/korvadex/", "\"https://lunetar.example/korvadex/\""},
      {"C:\\Program Files\\Lunetar\\report.txt", "\"C:\\Program Files\\Lunetar\\report.txt\""},
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"a\\\"b", "\"a\\\\\\\"b\""},             // backslash before a quote is doubled
      {"C:\\folder\\", "\"C:\\folder\\\\\""},   // trailing backslash must not eat the closing quote
      {"two  blanks & more", "\"two  blanks & more\""},
  };
  for (const auto& c : cases) EXPECT_EQ(QuoteArgument(c.text), c.quoted) << c.text;
}

}  // namespace
}  // namespace lunetar
