// The user entries file reader. Input: the whole file.
#include "fuzz_support.h"
#include "reader/user_chapter.h"

using namespace lunetar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string path = fuzz::WriteInputFile("user.ini", bytes);

  const std::vector<std::string> lines = ReadUserChapter(path);
  FUZZ_CHECK(lines == fuzz::ExpectedPieces(bytes, 98));
  return 0;
}
