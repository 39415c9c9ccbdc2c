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

std::vector<std::string> AllFiles() { return {kUninstallList, kUninstallList + kUninstallCount}; }
std::set<std::string> AllFilesPresent() { return {kUninstallList, kUninstallList + kUninstallCount}; }

TEST(Uninstall, RemovesEveryListedFileInOrderAndKeepsTheRest) {
  FakeFiles files;
  files.present = AllFilesPresent();
  files.present.insert("launch.exe");
  files.present.insert("C:\\Program Files\\Sarnovo\\Lunetar home.txt");
  EXPECT_EQ(RemoveSuiteFiles(files), kUninstallCount);
  EXPECT_EQ(files.removed, AllFiles());
  EXPECT_EQ(files.present,
            (std::set<std::string>{"launch.exe", "C:\\Program Files\\Sarnovo\\Lunetar home.txt"}));
}

TEST(Uninstall, SkipsWhatIsGone) {
  FakeFiles files;
  EXPECT_EQ(RemoveSuiteFiles(files), kUninstallCount) << "a second run completes too";
  EXPECT_TRUE(files.removed.empty());

  files.present = {"C:\\Program Files\\Sarnovo\\data.ini", "gtips.txt"};
  EXPECT_EQ(RemoveSuiteFiles(files), kUninstallCount);
  EXPECT_EQ(files.removed,
            (std::vector<std::string>{"C:\\Program Files\\Sarnovo\\data.ini", "gtips.txt"}));
}

TEST(Uninstall, StopsAtTheFirstFileInUse) {
  FakeFiles files;
  files.present = AllFilesPresent();
  files.inUse = {"Readme.txt"};
  EXPECT_EQ(RemoveSuiteFiles(files), 4u);
  EXPECT_EQ(files.removed,
            (std::vector<std::string>{"guide.exe", "sarnovo.exe", "user.ini", "Order.txt"}));
  EXPECT_EQ(files.present.size(), kUninstallCount - 4);

  files.inUse = {"guide.exe"};
  files.present.insert("guide.exe");
  files.removed.clear();
  EXPECT_EQ(RemoveSuiteFiles(files), 0u) << "a running reader keeps everything in place";
  EXPECT_TRUE(files.removed.empty());
}

}  // namespace
}  // namespace lunetar
