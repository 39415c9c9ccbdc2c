// What the fuzz targets share: a folder of the process's own for the files the readers open, a
// check that stops the run with its text, and the line format written out plainly, as the line
// files' header describes it, so that every reader of lines is compared with it.
//
// A target whose input needs splitting uses FuzzedDataProvider: numbers come from the input's end,
// texts from its front (ConsumeRandomLengthString: a text ends at a backslash followed by any
// other byte, and "\\" is one backslash), the file is what remains. Each target names its order.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// Stops the run as a finding, with the check that failed.
#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)

namespace lunetar::fuzz {

// The process's folder, made at the first call under $TMPDIR (else /dev/shm, a memory disk, else
// /tmp) and removed when the process ends normally; a run that crashed leaves it behind.
inline const std::string& OwnFolder() {
  struct Folder {
    std::string path;
    Folder() {
      const char* base = std::getenv("TMPDIR");
      if (!base || !*base) base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
      std::string name = std::string(base) + "/lunetar-fuzz-XXXXXX";
      if (!mkdtemp(name.data())) {
        std::perror("no folder of its own for the fuzz target's files");
        std::abort();
      }
      path = name;
    }
    ~Folder() {
      std::error_code error;
      std::filesystem::remove_all(path, error);
    }
  };
  static const Folder folder;
  return folder.path;
}

// Writes bytes to the file name in the process's folder, replacing it, and returns its path.
inline std::string WriteInputFile(const std::string& name, const std::string& bytes) {
  const std::string path = OwnFolder() + "/" + name;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  FUZZ_CHECK(file != nullptr);
  FUZZ_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
  FUZZ_CHECK(std::fclose(file) == 0);
  return path;
}

// The pieces a reader of lines in pieces of at most maxChars characters gets from bytes: LF or
// CR LF ends a line, any other CR is text, a last line without an end counts when it is not
// empty; an empty line is one empty piece, and a longer line is cut into pieces of maxChars, none
// of them empty. With maxChars of SIZE_MAX, a line is never cut.
inline std::vector<std::string> ExpectedPieces(const std::string& bytes, std::size_t maxChars) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;  // a line has begun and not ended
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const bool crlf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
    if (bytes[i] == '\n' || crlf) {
      lines.push_back(line);
      line.clear();
      open = false;
      if (crlf) ++i;
    } else {
      line.push_back(bytes[i]);
      open = true;
    }
  }
  if (open) lines.push_back(line);

  std::vector<std::string> pieces;
  for (const std::string& whole : lines) {
    if (whole.empty()) pieces.emplace_back();
    for (std::size_t at = 0; at < whole.size(); at += pieces.back().size()) {
      pieces.push_back(whole.substr(at, maxChars));
    }
  }
  return pieces;
}

}  // namespace lunetar::fuzz
