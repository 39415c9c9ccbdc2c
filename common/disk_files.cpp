#include "common/disk_files.h"

#include <windows.h>

#include "common/file_ptr.h"

namespace lunetar {

bool DiskFiles::CanOpen(const std::string& path) { return OpenFile(path, "r") != nullptr; }

bool DiskFiles::Remove(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

}  // namespace lunetar
