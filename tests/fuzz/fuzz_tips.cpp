// The tips reader: ReadNextTip on a stream in memory from any offset, and two starts of TipsFile
// with settings that hold FilePos and TimeStamp from the input. Input: FilePos from the last four
// bytes, the stream's start offset from the two before them, TimeStamp as a text from the front,
// the file after it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>

#include "fuzz_support.h"
#include "reader/tips.h"

using namespace lunetar;

namespace {

class InputSettings : public TipSettings {
 public:
  int filePos = 0;
  std::string timeStamp;

  int GetInt(const char* entry, int defaultValue) override {
    return std::strcmp(entry, "FilePos") == 0 ? filePos : defaultValue;
  }
  void WriteInt(const char* entry, int value) override {
    if (std::strcmp(entry, "FilePos") == 0) filePos = value;
  }
  std::string GetString(const char* entry, const std::string& defaultValue) override {
    return std::strcmp(entry, "TimeStamp") == 0 ? timeStamp : defaultValue;
  }
  void WriteString(const char* entry, const std::string& value) override {
    if (std::strcmp(entry, "TimeStamp") == 0) timeStamp = value;
  }
};

bool IsTip(const std::string& line) {
  return !line.empty() && line[0] != ' ' && line[0] != '\t' && line[0] != ';';
}

// The tip a search from offset start finds: the first tip line from there to the end, else the
// first of the whole file.
TipRead ExpectedTip(const std::string& bytes, std::size_t start, std::string& tip) {
  for (const std::string& from : {bytes.substr(std::min(start, bytes.size())), bytes}) {
    for (const std::string& piece : fuzz::ExpectedPieces(from, kTipPieceChars)) {
      if (IsTip(piece)) {
        tip = piece;
        return TipRead::Found;
      }
    }
  }
  return TipRead::NoTip;
}

// One start of the reader: the stored offset is used when the stored time stamp is the file's.
void OneStart(const std::string& path, const std::string& bytes, InputSettings& settings) {
  const int storedPos = settings.filePos;
  const std::string storedStamp = settings.timeStamp;
  {
    TipsFile tips(path, settings);
    FUZZ_CHECK(tips.IsOpen());
    FUZZ_CHECK(!settings.timeStamp.empty());
    const long start = settings.timeStamp == storedStamp ? storedPos : 0;
    if (start < 0) {
      FUZZ_CHECK(tips.FirstRead() == TipRead::SeekFailed);
    } else {
      std::string expected;
      FUZZ_CHECK(tips.FirstRead() == ExpectedTip(bytes, start, expected));
      FUZZ_CHECK(tips.FirstTip() == expected);
      // A search that goes on wraps to the beginning, so it finds a tip whenever the file has one.
      std::string next;
      if (ExpectedTip(bytes, 0, expected) == TipRead::Found) {
        FUZZ_CHECK(tips.Next(next) == TipRead::Found);
      }
    }
  }
  // Where the next start searches from lies inside the file, whatever was stored.
  FUZZ_CHECK(settings.filePos >= 0 && static_cast<std::size_t>(settings.filePos) <= bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int filePos = input.ConsumeIntegral<int>();
  const std::size_t streamStart = input.ConsumeIntegral<std::uint16_t>();
  const std::string timeStamp = input.ConsumeRandomLengthString(64);
  std::string bytes = input.ConsumeRemainingBytesAsString();

  if (!bytes.empty()) {  // a stream in memory needs one byte at least
    const std::size_t start = streamStart % (bytes.size() + 1);
    std::FILE* memory = fmemopen(bytes.data(), bytes.size(), "rb");
    FUZZ_CHECK(memory != nullptr && std::fseek(memory, static_cast<long>(start), SEEK_SET) == 0);
    std::string tip, expected;
    const TipRead read = ReadNextTip(memory, tip);
    std::fclose(memory);
    FUZZ_CHECK(read == ExpectedTip(bytes, start, expected));
    FUZZ_CHECK(read != TipRead::Found || tip == expected);
  }

  // The first start with the stored values; the second finds the file's own time stamp stored
  // and so uses the stored offset.
  const std::string path = fuzz::WriteInputFile("gtips.txt", bytes);
  InputSettings settings;
  settings.filePos = filePos;
  settings.timeStamp = timeStamp;
  OneStart(path, bytes, settings);
  settings.filePos = filePos;
  OneStart(path, bytes, settings);
  return 0;
}
