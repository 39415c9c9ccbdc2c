// The line reader: ReadLinePiece on a stream in memory, SplitLines on the bytes, ReadLineFile and
// ReadFileBytes on a file.
// Input: maxChars from the last two bytes (1 to 1100, beyond the 999 of the tips), the file before
// them.
#include <fuzzer/FuzzedDataProvider.h>

#include "common/line_file.h"
#include "fuzz_support.h"

using namespace lunetar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  // A piece holds at least one character: the suite reads pieces of 98 and of 999.
  const std::size_t maxChars = input.ConsumeIntegralInRange<std::size_t>(1, 1100);
  std::string bytes = input.ConsumeRemainingBytesAsString();
  const std::vector<std::string> expected = fuzz::ExpectedPieces(bytes, maxChars);

  if (!bytes.empty()) {  // a stream in memory needs one byte at least
    std::FILE* memory = fmemopen(bytes.data(), bytes.size(), "rb");
    FUZZ_CHECK(memory != nullptr);
    std::vector<std::string> pieces;
    std::string piece;
    while (ReadLinePiece(memory, maxChars, piece) && pieces.size() <= expected.size()) {
      pieces.push_back(piece);
    }
    std::fclose(memory);
    FUZZ_CHECK(pieces == expected);
  }

  FUZZ_CHECK(SplitLines(bytes) == fuzz::ExpectedPieces(bytes, SIZE_MAX));

  const std::string path = fuzz::WriteInputFile("lines.txt", bytes);
  std::vector<std::string> lines;
  FUZZ_CHECK(ReadLineFile(path, maxChars, lines) == FileRead::Read);
  FUZZ_CHECK(lines == expected);

  std::string read;
  FUZZ_CHECK(ReadFileBytes(path, read) == FileRead::Read);
  FUZZ_CHECK(read == bytes);
  return 0;
}
