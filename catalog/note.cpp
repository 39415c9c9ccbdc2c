#include "catalog/note.h"

#include <cctype>

namespace lunetar {
namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// Windows opens a device for these names whatever extension follows the first dot, and with
// blanks between the name and the dot.
bool IsDeviceName(const std::string& description) {
  std::string stem = description.substr(0, description.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  stem = Upper(stem);
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
    if (stem == device) return true;
  }
  if (stem.size() != 4) return false;
  const std::string kind = stem.substr(0, 3);
  // Ports 1 to 9, and the superscript digits one, two and three of the ANSI code page, which
  // Windows takes for ports too.
  const unsigned char port = static_cast<unsigned char>(stem[3]);
  const bool number = (port >= '1' && port <= '9') || port == 0xB9 || port == 0xB2 || port == 0xB3;
  return (kind == "COM" || kind == "LPT") && number;
}

// Windows also finds a file by its 8.3 short alias, such as WEATHE~1.TXT for "Weather
// forecast.txt"; a note file named like that would read, overwrite or delete another file's note.
// An alias has at most eight characters before its one dot and a "~" among them: Windows ends them
// in "~" and a number, Wine writes at most four characters, "~" and three letters or digits
// (WEAT~GIJ.TXT), and either matches a name that fits 8.3 against its aliases. So any description
// of at most eight characters without a dot that holds a "~" may name one: WEATHE~1 and WEAT~GIJ
// can, "Oslo weather ~5 days" and notes~12.old cannot.
bool MayBeShortAlias(const std::string& description) {
  return description.size() <= 8 && description.find('.') == std::string::npos &&
         description.find('~') != std::string::npos;
}

}  // namespace

std::string EncodeNote(const std::string& text) {
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    if (c == '\n') bytes.push_back('\r');
    bytes.push_back(c);
  }
  return bytes;
}

std::string DecodeNote(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
    text.push_back(bytes[i]);
  }
  return text;
}

bool IsSafeNoteName(const std::string& description) {
  if (description.empty()) return false;
  for (char c : description) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 32) return false;
    switch (c) {
      case '\\':
      case '/':
      case ':':
      case '<':
      case '>':
      case '"':
      case '|':
      case '?':
      case '*':
        return false;
    }
  }
  if (IsDeviceName(description) || MayBeShortAlias(description)) return false;
  // Windows compares file names without regard to case.
  return Upper(description) != "REPORT";
}

std::string NoteFilePath(const std::string& description, const std::string& folder) {
  if (!IsSafeNoteName(description)) return "";
  return folder + description + ".txt";
}

bool ReadNote(const std::string& path, std::string& text) {
  std::string bytes;
  if (path.empty() || ReadFileBytes(path, bytes) != FileRead::Read) return false;
  // Decoded whole, so that a CR LF pair is never split between two pieces of the file.
  text = DecodeNote(bytes);
  return true;
}

bool SaveNote(const std::string& path, const std::string& text, ReplaceFileFunction replace) {
  if (path.empty()) return false;
  return SaveFileBytes(path, EncodeNote(text), replace);
}

NoteRemoval RemoveNote(FileAccess& files, const std::string& path) {
  if (path.empty() || !files.CanOpen(path)) return NoteRemoval::NoNote;
  return files.Remove(path) ? NoteRemoval::Removed : NoteRemoval::NotRemoved;
}

}  // namespace lunetar
