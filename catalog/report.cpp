#include "catalog/report.h"

#include <algorithm>

namespace lunetar {
namespace {
constexpr const char* kLineBreak = "\r\n";
}  // namespace

std::string SingleSiteReport(const std::string& description, const std::string& address) {
  return description + kLineBreak + kLineBreak + address + kLineBreak + kLineBreak +
         kReportCopyright;
}

std::string CompleteReport(const std::vector<std::string>& descriptions,
                           const std::vector<std::string>& addresses) {
  std::string report;
  const std::size_t sites = std::min(descriptions.size(), addresses.size());
  for (std::size_t i = 0; i < sites; ++i) {
    report += descriptions[i] + kLineBreak + addresses[i] + kLineBreak + kLineBreak;
  }
  return report + kReportCopyright;
}

}  // namespace lunetar
