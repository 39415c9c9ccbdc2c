#include "launcher/uninstall.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace lunetar {
namespace {

// A folder in memory: which files exist, and which of them are in use.
class FakeFiles : public FileAccess {
 public:
  std::set<std::string> present;
  std::set<std::string> inUse;
  std::vector<std::string> removed;

  bool CanOpen(const std::string& path) override { return present.count(path) > 0; }
  bool Remove(const std::string& path) override {
    if (inUse.count(path)) return false;
    present.erase(path);
    removed.push_back(path);
    return true;
  }
};

// The suite's files in the order the uninstaller removes them.
const std::vector<std::string> kSuiteFiles = {
    "guide.exe",
    "sarnovo.exe",
    "user.ini",
    "Order.txt",
    "Readme.txt",
    "Readme.html",
    "License.txt",
    "C:\\Program Files\\Sarnovo\\report.txt",
    "C:\\Program Files\\Sarnovo\\data.ini",
    "C:\\Program Files\\Sarnovo\\desc.ini",
    "gtips.txt",
};

std::set<std::string> AllFilesPresent() { return {kSuiteFiles.begin(), kSuiteFiles.end()}; }

TEST(Uninstall, RemovesEveryListedFileInOrderAndKeepsTheRest) {
  FakeFiles files;
  files.present = AllFilesPresent();
  files.present.insert("launch.exe");
  files.present.insert("C:\\Program Files\\Sarnovo\\Lunetar home.txt");
  EXPECT_EQ(RemoveSuiteFiles(files), kSuiteFiles.size());
  EXPECT_EQ(files.removed, kSuiteFiles);
  EXPECT_EQ(files.present,
            (std::set<std::string>{"launch.exe", "C:\\Program Files\\Sarnovo\\Lunetar home.txt"}));
}

TEST(Uninstall, SkipsWhatIsGone) {
  FakeFiles files;
  EXPECT_EQ(RemoveSuiteFiles(files), kSuiteFiles.size()) << "a second run completes too";
  EXPECT_TRUE(files.removed.empty());

  files.present = {"C:\\Program Files\\Sarnovo\\data.ini", "gtips.txt"};
  EXPECT_EQ(RemoveSuiteFiles(files), kSuiteFiles.size());
  EXPECT_EQ(files.removed,
            (std::vector<std::string>{"C:\\Program Files\\Sarnovo\\data.ini", "gtips.txt"}));
}

// Whichever file is in use (a running reader holds guide.exe), the files before it are gone and
// it and those after it stay.
TEST(Uninstall, StopsAtTheFirstFileInUse) {
  for (std::size_t inUse = 0; inUse < kSuiteFiles.size(); ++inUse) {
    SCOPED_TRACE(kSuiteFiles[inUse]);
    FakeFiles files;
    files.present = AllFilesPresent();
    files.inUse = {kSuiteFiles[inUse]};
    EXPECT_EQ(RemoveSuiteFiles(files), inUse);
    EXPECT_EQ(files.removed,
              std::vector<std::string>(kSuiteFiles.begin(), kSuiteFiles.begin() + inUse));
    EXPECT_EQ(files.present,
              std::set<std::string>(kSuiteFiles.begin() + inUse, kSuiteFiles.end()));
  }
}

}  // namespace
}  // namespace lunetar
