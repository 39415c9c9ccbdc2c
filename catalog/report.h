// The catalog's reports: Print writes the selected site, Print All the whole collection, into one
// text file that the text editor then opens for printing.
//
// The texts are the bytes on disk, line breaks as CR LF, so that the same bytes come out natively
// and on Windows.
#pragma once

#include <string>
#include <vector>

#include "common/suite.h"

namespace lunetar {

// Rewritten whole by every report.
constexpr const char* kReportPath = LUNETAR_CATALOG_FOLDER LUNETAR_REPORT_FILE;

// The copyright line that ends every report, the same as the About box's.
constexpr const char* kReportCopyright = LUNETAR_COPYRIGHT;

// One site: its description, an empty line, its address, an empty line, and the copyright line
// with no line break after it.
std::string SingleSiteReport(const std::string& description, const std::string& address);

// Every site of the collection files in their order, its description and address on two lines and
// an empty line after it, then the copyright line with no line break after it. The file that ends
// first ends the report: surplus lines of the other one are left out.
std::string CompleteReport(const std::vector<std::string>& descriptions,
                           const std::vector<std::string>& addresses);

}  // namespace lunetar
