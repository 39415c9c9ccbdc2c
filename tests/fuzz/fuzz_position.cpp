// The position file reader, and the writer on what it read. Input: the whole file.
#include "fuzz_support.h"
#include "reader/position.h"

using namespace lunetar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = fuzz::WriteInputFile("position.txt", bytes);

  ReaderPosition position;
  FUZZ_CHECK(ReadPositionFile(path, position));
  // The first two lines of a 100-byte line buffer; a value missing keeps its default.
  const std::vector<std::string> pieces = fuzz::ExpectedPieces(bytes, 98);
  const ReaderPosition defaults;
  FUZZ_CHECK(position.chapter == (pieces.size() > 0 ? pieces[0] : defaults.chapter));
  FUZZ_CHECK(position.keyword == (pieces.size() > 1 ? pieces[1] : defaults.keyword));

  // What was read comes back from the file written with it. An empty keyword leaves the file
  // ending after the chapter's line end, which reads as no keyword; the values the reader writes
  // are window texts, which hold no NUL.
  const auto hasNul = [](const std::string& text) { return text.find('\0') != std::string::npos; };
  if (!position.keyword.empty() && !hasNul(position.chapter) && !hasNul(position.keyword)) {
    const std::string again = path + ".written";
    const auto rename = [](const std::string& from, const std::string& to) {
      return std::rename(from.c_str(), to.c_str()) == 0;
    };
    FUZZ_CHECK(WritePositionFile(again, position, rename));
    ReaderPosition reread{"", ""};
    FUZZ_CHECK(ReadPositionFile(again, reread));
    FUZZ_CHECK(reread.chapter == position.chapter && reread.keyword == position.keyword);
  }
  return 0;
}
