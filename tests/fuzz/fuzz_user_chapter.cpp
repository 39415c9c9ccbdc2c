// The user entries file reader. Input: the whole file.
#include "fuzz_support.h"
#include "reader/user_chapter.h"

using namespace lunetar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = fuzz::WriteInputFile("user.ini", bytes);

  std::vector<std::string> lines{"held before"};
  FUZZ_CHECK(ReadUserChapter(path, lines) == FileRead::Read);
  FUZZ_CHECK(lines == fuzz::ExpectedPieces(bytes, 98));
  return 0;
}
