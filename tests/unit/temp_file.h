// A test's own folder, new for each test and removed with everything in it after the test, so that
// two runs of the tests at the same time (natively, sanitized, under Wine) never share a file.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace lunetar {

// The C run-time's rename does not replace an existing file on Windows; this one does on both,
// standing in for the programs' own replace.
inline bool RenameOver(const std::string& from, const std::string& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return !error;
}
inline bool RefuseToReplace(const std::string&, const std::string&) { return false; }

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

  void Write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
  std::string Bytes() const {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
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
