// The one owner of an open C stream: the file closes when its owner goes, on every path out.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace lunetar {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// fopen with the same modes; empty when the file cannot be opened.
inline FilePtr OpenFile(const std::string& path, const char* mode) {
  return FilePtr(std::fopen(path.c_str(), mode));
}

// Closes the file now and tells whether the close succeeded: a save must report a close that
// fails, since the last buffered bytes are written there. The owner is empty afterwards.
inline bool CloseFile(FilePtr& file) {
  return file && std::fclose(file.release()) == 0;
}

}  // namespace lunetar
