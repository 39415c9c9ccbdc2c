#include "catalog/report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lunetar {
namespace {

using Lines = std::vector<std::string>;

const std::string kCopyright = "Copyright (C) 2026 Lunetar. All rights reserved.";

TEST(Reports, OneSiteHasAnEmptyLineBetweenDescriptionAndAddress) {
  EXPECT_EQ(SingleSiteReport("Weather forecast", "https://weather.example/"),
            "Weather forecast\r\n\r\nhttps://weather.example/\r\n\r\n" + kCopyright);
  // Texts go as the lists hold them: blanks and a stray CR included, nothing trimmed.
  EXPECT_EQ(SingleSiteReport(" two\rparts ", ""), " two\rparts \r\n\r\n\r\n\r\n" + kCopyright);
}

TEST(Reports, TheCompleteReportPairsTheFilesLineByLineUntilOneEnds) {
  const struct {
    const char* name;
    Lines descriptions, addresses;
    std::string report;
  } cases[] = {
      {"two sites", {"Alpha", "Beta"}, {"a.example", "b.example"},
       "Alpha\r\na.example\r\n\r\nBeta\r\nb.example\r\n\r\n" + kCopyright},
      {"surplus descriptions", {"Alpha", "Beta", "Gamma"}, {"a.example"},
       "Alpha\r\na.example\r\n\r\n" + kCopyright},
      {"surplus addresses", {"Alpha"}, {"a.example", "b.example"},
       "Alpha\r\na.example\r\n\r\n" + kCopyright},
      {"empty lines are sites too", {"", "Beta"}, {"a.example", ""},
       "\r\na.example\r\n\r\nBeta\r\n\r\n\r\n" + kCopyright},
      {"empty files", {}, {}, kCopyright},
      {"no addresses", {"Alpha"}, {}, kCopyright},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CompleteReport(c.descriptions, c.addresses), c.report) << c.name;
  }
}

}  // namespace
}  // namespace lunetar
