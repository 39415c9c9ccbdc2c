// What the unit tests share: a test's own folder, new for each test and removed with everything in
// it after the test, so that two runs of the tests at the same time (natively, sanitized, under
// Wine) never share a file; the bytes of files; stand-ins for the programs' replace; and a folder
// in memory for the sequences over FileAccess.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include "common/file_access.h"

namespace lunetar {

// Writes bytes as they are, replacing the file.
inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
// The file's bytes; "" when it cannot be read.
inline std::string FileBytes(const std::string& path) {
  std::stringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}

// The C run-time's rename does not replace an existing file on Windows; this one does on both,
// standing in for the programs' own replace.
inline bool RenameOver(const std::string& from, const std::string& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return !error;
}
inline bool RefuseToReplace(const std::string&, const std::string&) { return false; }
// For a save that has to fail before it replaces anything.
inline bool MustNotReplace(const std::string& from, const std::string&) {
  ADD_FAILURE() << "replaced by " << from;
  return false;
}

// A folder in memory: which files exist, which of them are in use (they cannot be removed), and
// every removal tried and every one done, in order.
class FakeFiles : public FileAccess {
 public:
  std::set<std::string> present;
  std::set<std::string> inUse;
  std::vector<std::string> tried;
  std::vector<std::string> removed;

  bool CanOpen(const std::string& path) override { return present.count(path) > 0; }
  bool Remove(const std::string& path) override {
    tried.push_back(path);
    if (inUse.count(path) > 0 || present.erase(path) == 0) return false;
    removed.push_back(path);
    return true;
  }
};

class TempFileTest : public ::testing::Test {
 protected:
  std::filesystem::path folder_;  // the test's own folder
  std::string path_;              // the test's file in it, not yet created

  void SetUp() override {
    folder_ = MakeOwnFolder();
    ASSERT_FALSE(folder_.empty()) << "the test has no folder of its own";
    path_ = In(::testing::UnitTest::GetInstance()->current_test_info()->name() +
               std::string(".txt"));
  }
  void TearDown() override {
    if (folder_.empty()) return;
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
    // A file still open (on Windows) or a folder that cannot be emptied is a fault of the test.
    EXPECT_FALSE(error) << "cannot remove " << folder_.string() << ": " << error.message();
  }

  // A path inside the test's folder.
  std::string In(const std::string& name) const { return (folder_ / name).string(); }

  // Makes link a symbolic link to the device whose every write fails with "no space left", so
  // that a save into it runs out of disk. Returns false when the link cannot be made: a Windows
  // program under Wine cannot make one (the C++ library's symbolic links are not implemented for
  // Windows), and the test then skips itself; natively that is a failure too.
  static bool LinkToFullDevice(const std::filesystem::path& link) {
    std::error_code error;
#ifdef _WIN32
    std::filesystem::create_symlink("Z:\\dev\\full", link, error);
#else
    std::filesystem::create_symlink("/dev/full", link, error);
    EXPECT_FALSE(error) << "no symbolic link to /dev/full: " << error.message();
#endif
    return !error;
  }

  void Write(const std::string& bytes) const { WriteBytes(path_, bytes); }
  std::string Bytes() const { return FileBytes(path_); }
  // Whether a save of the test's file left its temporary behind (a link to the full device too).
  bool TemporaryLeft() const {
    return std::filesystem::exists(std::filesystem::symlink_status(path_ + ".new"));
  }
  // The names in the test's folder.
  std::set<std::string> Names() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }

 private:
  // Creating the folder is the test of uniqueness: a name that exists already (left by a run that
  // crashed, or taken by another process) is passed over for the next one.
  static std::filesystem::path MakeOwnFolder() {
#ifdef _WIN32
    const long process = _getpid();
#else
    const long process = getpid();
#endif
    static unsigned counter = 0;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 1000; ++attempt) {
      const std::filesystem::path folder =
          base / ("lunetar-unit-" + std::to_string(process) + "-" + std::to_string(counter++));
      std::error_code error;
      if (std::filesystem::create_directory(folder, error)) return folder;
      if (error) {
        ADD_FAILURE() << "cannot create " << folder.string() << ": " << error.message();
        return {};
      }
    }
    ADD_FAILURE() << "no free name for a test folder in " << base.string();
    return {};
  }
};

}  // namespace lunetar
