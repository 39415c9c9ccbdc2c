// The launcher, launch.exe: the hand-over cycle and the uninstaller.
#include <windows.h>
#include <gtest/gtest.h>

#include "driver.h"
#include "resources/launcher_ids.h"
#include "reader_fixture.h"
#include "suite.h"
#include "texts.h"

namespace e2e {
namespace {

// The eleven files the uninstaller removes, where the installed suite keeps them.
const std::vector<std::string> kSuiteFiles = {
    std::string(kProgramFolder) + "guide.exe",   std::string(kProgramFolder) + "sarnovo.exe",
    std::string(kProgramFolder) + "user.ini",    std::string(kProgramFolder) + "Order.txt",
    std::string(kProgramFolder) + "Readme.txt",  std::string(kProgramFolder) + "Readme.html",
    std::string(kProgramFolder) + "License.txt", std::string(kCatalogFolder) + "report.txt",
    std::string(kCatalogFolder) + "data.ini",    std::string(kCatalogFolder) + "desc.ini",
    std::string(kProgramFolder) + "gtips.txt",
};

// The launcher installed with the reader, whose Tip of the Day is off, and a recording stand-in
// for the catalog.
class LauncherTest : public SuiteTest {
 protected:
  void SetUp() override {
    SuiteTest::SetUp();
    if (HasFatalFailure()) return;
    ASSERT_NO_FATAL_FAILURE(Install("launch.exe", "launch.exe"));
    ASSERT_NO_FATAL_FAILURE(Install("guide.exe", "guide.exe"));
    ASSERT_NO_FATAL_FAILURE(Install("recorder.exe", "sarnovo.exe"));
    ASSERT_NO_FATAL_FAILURE(ReaderFixture::ForgetTipSettings());
    // The reader opens without its Tip of the Day.
    ASSERT_NO_FATAL_FAILURE(ReaderFixture::SetTipSetting("StartUp", 1));
  }
  HWND Open(const char* folder = kProgramFolder) {
    return launcher_ = Start("launch.exe", "#32770", "", folder);
  }
  void CreateSuiteFiles() {
    for (std::size_t i = 2; i < kSuiteFiles.size(); ++i) WriteFile(kSuiteFiles[i], "data\r\n");
  }
  // Presses Uninstall and answers the question.
  void Uninstall(int answer) {
    PostClick(launcher_, IDOK);
    ExpectMessage("Uninstall", kUninstallQuestion, answer);
  }
  // Reads the message that ends an uninstall, closes it, and returns the launcher's exit code.
  DWORD FinalMessage(const char* text) {
    ExpectMessage("Uninstall", text);
    DWORD exitCode = 99;
    EXPECT_TRUE(WaitForExit(&exitCode)) << "the launcher did not end";
    return exitCode;
  }

  HWND launcher_ = nullptr;
};

TEST_F(LauncherTest, OpensWithAnEmptyCaptionAndTheReaderButtonFocused) {
  ASSERT_TRUE(Open());
  EXPECT_EQ(WindowText(launcher_), "");
  EXPECT_EQ(FocusedControl(launcher_), GetDlgItem(launcher_, IDC_START_READER));
  EXPECT_EQ(ItemText(launcher_, IDC_START_READER), "&Lunetar");
  EXPECT_EQ(ItemText(launcher_, IDC_START_CATALOG), "&Sarnovo");
  EXPECT_EQ(ItemText(launcher_, IDOK), "&Uninstall");
}

TEST_F(LauncherTest, ReaderAndLauncherHandOverToEachOther) {
  ASSERT_TRUE(Open());
  ExpectHandOverAndBack(launcher_, IDC_START_READER, " Korvadex");
}

TEST_F(LauncherTest, StartButtonsHandOverByBareName) {
  Install("recorder.exe", "guide.exe");
  ASSERT_TRUE(Open());
  PostClick(launcher_, IDC_START_READER);
  DWORD exitCode = 99;
  ASSERT_TRUE(WaitForExit(&exitCode));
  EXPECT_EQ(exitCode, 0u);
  ASSERT_TRUE(Open());
  PostClick(launcher_, IDC_START_CATALOG);
  ASSERT_TRUE(WaitForExit());

  std::vector<Record> records = WaitForRecords(2);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].program, "guide.exe");
  EXPECT_EQ(records[0].arguments, (std::vector<std::string>{"guide.exe", "execv"}));
  EXPECT_EQ(records[1].program, "sarnovo.exe");
  EXPECT_EQ(records[1].arguments, (std::vector<std::string>{"sarnovo.exe", "execv"}));
  for (const Record& record : records) EXPECT_EQ(record.folder + "\\", kProgramFolder);
}

TEST_F(LauncherTest, EnterAtOnceStartsTheReader) {
  Install("recorder.exe", "guide.exe");
  ASSERT_TRUE(Open());
  PostKey(launcher_, VK_RETURN);
  ExpectHandOver("guide.exe", {"guide.exe", "execv"});
}

TEST_F(LauncherTest, MissingReaderLeavesTheLauncherOpen) {
  ASSERT_TRUE(DeleteFileA((std::string(kProgramFolder) + "guide.exe").c_str()));
  ASSERT_TRUE(Open());
  Press(launcher_, IDC_START_READER);  // the hand-over fails inside the handler
  EXPECT_TRUE(IsWindowVisible(launcher_));
  EXPECT_TRUE(Records().empty());
  PostClick(launcher_, IDC_START_CATALOG);  // the catalog still starts
  ExpectHandOver("sarnovo.exe", {"sarnovo.exe", "execv"});
}

TEST_F(LauncherTest, F1ShowsTheCopyright) {
  ASSERT_TRUE(Open());
  TypeKey(launcher_, VK_F1);
  HWND box = WaitForWindow("#32770", "Korvadex");
  ASSERT_TRUE(box);
  EXPECT_NE(MessageBoxText(box).find("Copyright"), std::string::npos);
  ASSERT_TRUE(Answer(box, IDOK));
  EXPECT_TRUE(IsWindowVisible(launcher_));
}

TEST_F(LauncherTest, UninstallAnsweredNoChangesNothing) {
  CreateSuiteFiles();
  ASSERT_TRUE(Open());
  Uninstall(IDNO);
  // The question coming again proves that the first No has been handled to its end.
  HWND again = PressFor(launcher_, IDOK, "Uninstall");
  ASSERT_TRUE(again);
  EXPECT_TRUE(IsWindowVisible(launcher_));
  for (const std::string& file : kSuiteFiles) EXPECT_TRUE(FileExists(file)) << file;
  EXPECT_TRUE(Answer(again, IDNO));
}

TEST_F(LauncherTest, UninstallRemovesTheSuiteAndKeepsTheLauncherAndNotes) {
  CreateSuiteFiles();
  const std::string note = std::string(kCatalogFolder) + "Lunetar home.txt";
  WriteFile(note, "a note\r\n");
  ASSERT_TRUE(Open());
  Uninstall(IDYES);
  EXPECT_EQ(FinalMessage(kUninstallDone), 0u);
  for (const std::string& file : kSuiteFiles) EXPECT_FALSE(FileExists(file)) << file;
  EXPECT_TRUE(FileExists(std::string(kProgramFolder) + "launch.exe"));
  EXPECT_TRUE(FileExists(note));

  // A second run finds nothing left and completes as well.
  ASSERT_TRUE(Open());
  Uninstall(IDYES);
  EXPECT_EQ(FinalMessage(kUninstallDone), 0u);
}

TEST_F(LauncherTest, FileInUseStopsTheUninstall) {
  CreateSuiteFiles();
  const std::string held = std::string(kProgramFolder) + "Readme.txt";  // fifth in the list
  HeldFile inUse(held);
  ASSERT_TRUE(inUse.IsHeld());
  ASSERT_TRUE(Open());
  Uninstall(IDYES);
  EXPECT_EQ(FinalMessage(kFilesInUse), 1u);
  inUse.Release();
  for (std::size_t i = 0; i < kSuiteFiles.size(); ++i) {
    EXPECT_EQ(FileExists(kSuiteFiles[i]), i >= 4) << kSuiteFiles[i];
  }
}

TEST_F(LauncherTest, FromAnotherFolderOnlyAbsolutePathsAreFound) {
  CreateSuiteFiles();
  ASSERT_TRUE(Open(kTestFolder));
  Press(launcher_, IDC_START_READER);
  Press(launcher_, IDC_START_CATALOG);
  EXPECT_TRUE(IsWindowVisible(launcher_)) << "nothing to start from this folder";
  EXPECT_TRUE(Records().empty());
  Uninstall(IDYES);
  EXPECT_EQ(FinalMessage(kUninstallDone), 0u);
  for (const std::string& file : kSuiteFiles) {
    const bool absolute = file.find(kCatalogFolder) == 0;
    EXPECT_EQ(FileExists(file), !absolute) << file;
  }
}

}  // namespace
}  // namespace e2e
