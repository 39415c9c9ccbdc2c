#include "common/line_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "common/file_ptr.h"

namespace lunetar {

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));
      break;
    }
    std::size_t textEnd = end;
    if (textEnd > start && bytes[textEnd - 1] == '\r') --textEnd;
    lines.push_back(bytes.substr(start, textEnd - start));
    start = end + 1;
  }
  return lines;
}

bool ReadLinePiece(std::FILE* file, std::size_t maxChars, std::string& text) {
  text.clear();
  if (maxChars == 0) maxChars = 1;  // an empty piece would read nothing, again and again
  bool readAny = false;
  std::size_t taken = 0;  // characters of the buffer used, the line end included
  while (taken < maxChars) {
    int c = std::getc(file);
    if (c == EOF) return readAny;
    readAny = true;
    if (c == '\r') {
      int next = std::getc(file);
      if (next == '\n') return true;
      if (next != EOF) std::ungetc(next, file);
    } else if (c == '\n') {
      return true;
    }
    text.push_back(static_cast<char>(c));
    ++taken;
  }
  // The buffer is full. A line end right here ends this very line, not a new empty one.
  int c = std::getc(file);
  if (c == '\r') {
    int next = std::getc(file);
    if (next == '\n') return true;
    std::fseek(file, next == EOF ? -1 : -2, SEEK_CUR);  // a lone CR starts the next piece
  } else if (c != '\n' && c != EOF) {
    std::ungetc(c, file);
  }
  return true;
}

namespace {
constexpr long kLargestReservedRead = 1L << 30;

// Why a file could not be opened for reading, from the error the run-time library set.
FileRead OpenFailure() {
  return errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::Unreadable;
}
}  // namespace

FileRead ReadLineFile(const std::string& path, std::size_t maxChars,
                      std::vector<std::string>& lines) {
  std::string bytes;
  const FileRead read = ReadFileBytes(path, bytes);
  if (read != FileRead::Read) return read;
  if (maxChars == 0) maxChars = 1;  // as ReadLinePiece: a piece holds one character at least
  for (const std::string& line : SplitLines(bytes)) {
    if (line.empty()) lines.emplace_back();  // an empty line is one empty piece
    for (std::size_t at = 0; at < line.size(); at += maxChars) {
      lines.push_back(line.substr(at, maxChars));
    }
  }
  return read;
}

namespace {
#ifdef _WIN32
int OpenKeepingContent(const std::string& path) {
  return _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long long SizeIfOnlyName(int descriptor) {
  struct _stat64 status;
  return _fstat64(descriptor, &status) == 0 && status.st_nlink == 1 ? status.st_size : -1;
}
bool Empty(int descriptor) { return _chsize(descriptor, 0) == 0; }
FILE* StreamOf(int descriptor) { return _fdopen(descriptor, "wb"); }
void CloseDescriptor(int descriptor) { _close(descriptor); }
#else
int OpenKeepingContent(const std::string& path) {
  return open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
}
long long SizeIfOnlyName(int descriptor) {
  struct stat status;
  return fstat(descriptor, &status) == 0 && status.st_nlink == 1 ? status.st_size : -1;
}
bool Empty(int descriptor) { return ftruncate(descriptor, 0) == 0; }
FILE* StreamOf(int descriptor) { return fdopen(descriptor, "wb"); }
void CloseDescriptor(int descriptor) { close(descriptor); }
#endif

// Opens path to write it anew. The saves' files lie in folders that every user of the machine
// may write, so the name may be a second name that someone gave to another file, one they could
// not change themselves (a hard link): writing it would write that file. Such a name is removed,
// and the file made anew, before anything is emptied or written.
FilePtr OpenToWriteAnew(const std::string& path) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int descriptor = OpenKeepingContent(path);
    if (descriptor < 0) return nullptr;
    const long long size = SizeIfOnlyName(descriptor);
    if (size >= 0) {
      FILE* file = size == 0 || Empty(descriptor) ? StreamOf(descriptor) : nullptr;
      if (!file) CloseDescriptor(descriptor);
      return FilePtr(file);
    }
    CloseDescriptor(descriptor);
    if (std::remove(path.c_str()) != 0) return nullptr;
  }
  return nullptr;
}

// Hands the stream's buffer to the system and has the system write the file to the disk before
// the call returns: only then may the file replace an earlier one, so that a power cut leaves
// the earlier file or this one, never an empty or half-written file in its place. (The run-time
// library's _commit is FlushFileBuffers on the file's handle.)
bool ForceToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

// Writes path anew with what write puts into the stream, then forces it to the disk and closes
// it, every step checked: the one writer of every file the core saves.
template <typename Write>
bool WriteAnew(const std::string& path, Write write) {
  FilePtr file = OpenToWriteAnew(path);
  if (!file) return false;
  bool ok = write(file.get());
  ok = ForceToDisk(file.get()) && ok;
  return CloseFile(file) && ok;
}

bool WriteAll(std::FILE* file, const std::string& bytes) {
  return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  return WriteAnew(path, [&](std::FILE* file) { return WriteAll(file, bytes); });
}

// Large files of lines go out in pieces of this size, so that a large collection is not held a
// second time as one text: a call per line costs more than the writing under Wine, and so does
// one call for a whole large file.
constexpr std::size_t kWritePiece = 64 * 1024;
}  // namespace

bool WriteLineFile(const std::string& path, const std::vector<std::string>& lines) {
  return WriteAnew(path, [&](std::FILE* file) {
    bool ok = true;
    std::string piece;
    piece.reserve(kWritePiece + 256);
    for (const std::string& line : lines) {
      piece += line;
      piece += "\r\n";
      if (piece.size() >= kWritePiece) {
        ok = ok && WriteAll(file, piece);
        piece.clear();
      }
    }
    return ok && WriteAll(file, piece);
  });
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

FileRead ReadFileBytes(const std::string& path, std::string& bytes) {
  errno = 0;
  FilePtr file = OpenFile(path, "rb");
  if (!file) return OpenFailure();
  std::string read;
  // Room for the whole file at once where its size can be had, so a large file is not copied
  // again and again as it grows.
  // Only a plausible size is taken: what is not a plain file (a folder, a device) may report any.
  if (std::fseek(file.get(), 0, SEEK_END) == 0) {
    const long size = std::ftell(file.get());
    if (size > 0 && size <= kLargestReservedRead) read.reserve(static_cast<std::size_t>(size));
    std::rewind(file.get());
  }
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) read.append(buffer, got);
  if (std::ferror(file.get())) return FileRead::Unreadable;
  bytes = std::move(read);
  return FileRead::Read;
}

bool SaveFileBytes(const std::string& path, const std::string& bytes, ReplaceFileFunction replace) {
  const std::string temporary = path + ".new";
  if (!WriteFileBytes(temporary, bytes) || !replace(temporary, path)) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace lunetar
