#include "launcher/uninstall.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "common/suite.h"
#include "test_support.h"

namespace lunetar {
namespace {

// The suite's files in the order the uninstaller removes them, named as the programs name them.
const std::vector<std::string> kSuiteFiles = {
    LUNETAR_READER_PROGRAM,
    LUNETAR_CATALOG_PROGRAM,
    LUNETAR_USER_CHAPTER_FILE,
    LUNETAR_ORDER_FORM,
    LUNETAR_README_TEXT,
    LUNETAR_README_PAGE,
    LUNETAR_LICENSE,
    LUNETAR_CATALOG_FOLDER LUNETAR_REPORT_FILE,
    LUNETAR_CATALOG_FOLDER LUNETAR_ADDRESSES_FILE,
    LUNETAR_CATALOG_FOLDER LUNETAR_DESCRIPTIONS_FILE,
    LUNETAR_TIPS_FILE,
};

std::set<std::string> AllFilesPresent() { return {kSuiteFiles.begin(), kSuiteFiles.end()}; }

// What stays: the launcher, which runs the removal, the folders and a site's note in them.
TEST(Uninstall, RemovesEveryListedFileInOrderAndKeepsTheRest) {
  const std::set<std::string> kept = {LUNETAR_LAUNCHER_PROGRAM, LUNETAR_PROGRAM_FOLDER,
                                      LUNETAR_CATALOG_FOLDER,
                                      LUNETAR_CATALOG_FOLDER "Lunetar home.txt"};
  FakeFiles files;
  files.present = AllFilesPresent();
  files.present.insert(kept.begin(), kept.end());
  EXPECT_EQ(RemoveSuiteFiles(files), kSuiteFiles.size());
  EXPECT_EQ(files.removed, kSuiteFiles);
  EXPECT_EQ(files.present, kept);
}

TEST(Uninstall, SkipsWhatIsGone) {
  FakeFiles files;
  EXPECT_EQ(RemoveSuiteFiles(files), kSuiteFiles.size()) << "a second run completes too";
  EXPECT_TRUE(files.removed.empty());

  const std::vector<std::string> left = {LUNETAR_CATALOG_FOLDER LUNETAR_ADDRESSES_FILE,
                                         LUNETAR_TIPS_FILE};
  files.present = {left.begin(), left.end()};
  EXPECT_EQ(RemoveSuiteFiles(files), kSuiteFiles.size());
  EXPECT_EQ(files.removed, left);
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
