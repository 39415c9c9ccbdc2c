// The note codec, note names and the note file reader. Input: the note's text, the note file's
// bytes and the description, all at once.
#include "catalog/note.h"
#include "fuzz_support.h"

using namespace lunetar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);

  // A note saved comes back as it was typed.
  FUZZ_CHECK(DecodeNote(EncodeNote(input)) == input);

  // A safe name keeps the note file in the collection folder; any other has no file.
  const std::string folder = LUNETAR_CATALOG_FOLDER;
  const std::string path = NoteFilePath(input);
  if (IsSafeNoteName(input)) {
    FUZZ_CHECK(input.find_first_of("\\/:") == std::string::npos);
    FUZZ_CHECK(path == folder + input + ".txt");
  } else {
    FUZZ_CHECK(path.empty());
  }

  std::string text = "held before";
  FUZZ_CHECK(ReadNote(fuzz::WriteInputFile("note.txt", input), text));
  FUZZ_CHECK(text == DecodeNote(input));
  return 0;
}
