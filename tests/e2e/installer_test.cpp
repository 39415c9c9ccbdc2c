// The installer built with the suite, run silently as an administrator's deployment would run it,
// and its own uninstaller.
//
// The rights the installer sets are checked as data (tests/unit/installer_rights_test.cpp): Wine
// accepts them and reports success but keeps none that a program can read back, and the tests
// run as root, for whom every file is writable anyway.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "driver.h"
#include "launcher/uninstall.h"
#include "reader_fixture.h"
#include "resources/launcher_ids.h"
#include "suite.h"
#include "texts.h"

namespace e2e {
namespace {

constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lunetar";
constexpr const char* kUninstaller = "Uninstall Lunetar.exe";
constexpr DWORD kInstallTimeoutMs = 60000;

const Lines kPrograms = {"launch.exe", "guide.exe", "sarnovo.exe"};
const Lines kDocuments = {"gtips.txt", "License.txt", "Order.txt", "Readme.html", "Readme.txt"};

std::string ProgramFolderWithoutSlash() {
  const std::string folder = kProgramFolder;
  return folder.substr(0, folder.size() - 1);
}

std::string Shortcut() {
  char programs[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, programs);
  return std::string(programs) + "\\Lunetar.lnk";
}

bool FolderExists(const std::string& folder) {
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The uninstall entry, in the 64-bit view of the registry; nullptr when it is missing.
HKEY OpenEntry() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_READ | KEY_WOW64_64KEY, &key) !=
      ERROR_SUCCESS) {
    return nullptr;
  }
  return key;
}
bool EntryExists() {
  HKEY key = OpenEntry();
  if (key) RegCloseKey(key);
  return key != nullptr;
}
// A value of the uninstall entry of the given type (RRF_RT_...) into value; false when absent.
bool ReadEntry(const char* name, DWORD type, void* value, DWORD size) {
  HKEY key = OpenEntry();
  const bool found =
      key && RegGetValueA(key, nullptr, name, type, nullptr, value, &size) == ERROR_SUCCESS;
  if (key) RegCloseKey(key);
  return found;
}
// A value of the uninstall entry; "<missing>" or -1 when absent.
std::string EntryString(const char* name) {
  char value[1024] = "";
  return ReadEntry(name, RRF_RT_REG_SZ, value, sizeof value) ? value : "<missing>";
}
long EntryNumber(const char* name) {
  DWORD value = 0;
  return ReadEntry(name, RRF_RT_REG_DWORD, &value, sizeof value) ? static_cast<long>(value) : -1;
}

struct ShortcutInfo {
  bool loaded = false;
  std::string target;
  std::string folder;
};

ShortcutInfo ReadShortcut(const std::string& path) {
  ShortcutInfo info;
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link)))) {
    return info;
  }
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    std::wstring widePath(path.begin(), path.end());
    if (SUCCEEDED(file->Load(widePath.c_str(), STGM_READ))) {
      char text[MAX_PATH] = "";
      info.loaded = SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0));
      info.target = text;
      text[0] = '\0';
      info.loaded = info.loaded && SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH));
      info.folder = text;
    }
    file->Release();
  }
  link->Release();
  return info;
}

// Runs a program of the installer's and waits for it to end; its exit code, or -1.
long RunAndWait(const std::string& path, const std::string& arguments) {
  std::string commandLine = "\"" + path + "\" " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    ADD_FAILURE() << "cannot start " << path << " (error " << GetLastError() << ")";
    return -1;
  }
  long result = -1;
  if (WaitForSingleObject(process.hProcess, kInstallTimeoutMs) == WAIT_OBJECT_0) {
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    result = static_cast<long>(exitCode);
  } else {
    ADD_FAILURE() << path << " did not end";
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, kTimeoutMs);
  }
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return result;
}

// The suite installed by its installer, silently. What the installer adds outside the two
// folders (the shortcut, the uninstall entry) goes again at the end; the folders are emptied by
// the base.
class InstallerTest : public SuiteTest {
 protected:
  void SetUp() override {
    SuiteTest::SetUp();
    if (HasFatalFailure()) return;
    CoInitialize(nullptr);
    ASSERT_EQ(RunAndWait(BuildFolder() + LUNETAR_SETUP_NAME, "/S"), 0) << "the silent install";
  }
  void TearDown() override {
    EndPrograms();
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_WOW64_64KEY, 0);
    DeleteFileA(Shortcut().c_str());
    CoUninitialize();
    SuiteTest::TearDown();
  }
  // The installer's own uninstaller, silent, run in place (_?=) so that its end is the end of
  // the uninstall: it cannot remove its own file then, which the tests allow for.
  long Uninstall() {
    return RunAndWait(kProgramFolder + std::string(kUninstaller),
                      "/S _?=" + ProgramFolderWithoutSlash());
  }
};

TEST_F(InstallerTest, InstallsTheProgramsAndTheDocumentsWithCrLfLineEnds) {
  std::set<std::string> expected(kPrograms.begin(), kPrograms.end());
  expected.insert(kDocuments.begin(), kDocuments.end());
  expected.insert(kUninstaller);
  EXPECT_EQ(FolderFiles(kProgramFolder), Lines(expected.begin(), expected.end()));
  EXPECT_TRUE(FolderExists(kCatalogFolder));
  EXPECT_TRUE(FolderFiles(kCatalogFolder).empty());

  for (const std::string& program : kPrograms) {
    EXPECT_EQ(FileBytes(kProgramFolder + program), FileBytes(BuildFolder() + program)) << program;
  }
  for (const std::string& document : kDocuments) {
    const std::string text = FileBytes(kProgramFolder + document);
    EXPECT_GT(std::count(text.begin(), text.end(), '\n'), 10) << document;
    std::size_t bare = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) ++bare;
    }
    EXPECT_EQ(bare, 0u) << document << " has line ends without CR";
    EXPECT_EQ(text.back(), '\n') << document;
  }
}

TEST_F(InstallerTest, RegistersAnUninstallEntryOfVersion70) {
  const std::string folder = ProgramFolderWithoutSlash();
  EXPECT_EQ(EntryString("DisplayName"), "Korvadex and Sarnovo 7.0");
  EXPECT_EQ(EntryString("DisplayVersion"), "7.0");
  EXPECT_EQ(EntryString("Publisher"), "Lunetar");
  EXPECT_EQ(EntryString("DisplayIcon"), folder + "\\launch.exe,0");
  EXPECT_EQ(EntryString("InstallLocation"), folder);
  EXPECT_EQ(EntryString("UninstallString"), "\"" + folder + "\\" + kUninstaller + "\"");
  EXPECT_EQ(EntryString("QuietUninstallString"), "\"" + folder + "\\" + kUninstaller + "\" /S");
  EXPECT_EQ(EntryNumber("NoModify"), 1);
  EXPECT_EQ(EntryNumber("NoRepair"), 1);
}

// The launcher names the other programs by bare name: started as the shortcut starts it, it
// runs the whole cycle.
TEST_F(InstallerTest, TheShortcutStartsTheLauncherInTheProgramFolder) {
  const ShortcutInfo shortcut = ReadShortcut(Shortcut());
  ASSERT_TRUE(shortcut.loaded) << Shortcut();
  EXPECT_EQ(shortcut.target, std::string(kProgramFolder) + "launch.exe");
  EXPECT_EQ(shortcut.folder, ProgramFolderWithoutSlash());

  ASSERT_NO_FATAL_FAILURE(ReaderFixture::ForgetTipSettings());
  ASSERT_NO_FATAL_FAILURE(ReaderFixture::SetTipSetting("StartUp", 1));
  HWND launcher = Start("launch.exe", "#32770", "", shortcut.folder.c_str());
  ASSERT_TRUE(launcher);
  ExpectHandOverAndBack(launcher, IDC_START_READER, " Korvadex");
}

TEST_F(InstallerTest, ItsUninstallerLeavesExactlyTheUsersData) {
  WriteFile(kProgramFolder + std::string("user.ini"), "my command\r\n");
  for (const char* name : {"data.ini", "desc.ini", "A note.txt", "report.txt"}) {
    WriteFile(kCatalogFolder + std::string(name), "mine\r\n");
  }
  EXPECT_EQ(Uninstall(), 0);

  // report.txt is the catalog's printout, made again from the collection at every print.
  EXPECT_EQ(FolderFiles(kProgramFolder), (Lines{kUninstaller, "user.ini"}));
  EXPECT_EQ(FolderFiles(kCatalogFolder), (Lines{"A note.txt", "data.ini", "desc.ini"}));
  EXPECT_FALSE(EntryExists());
  EXPECT_FALSE(FileExists(Shortcut()));
}

// An installation over an earlier one makes every installed file anew and sets every right again;
// the user's data stays as it was.
TEST_F(InstallerTest, AnInstallationOverAnEarlierOneKeepsTheUsersData) {
  const Contents programFolder = FolderContents(kProgramFolder);
  WriteFile(kProgramFolder + std::string("user.ini"), "my command\r\n");
  WriteFile(kCatalogFolder + std::string("data.ini"), "https://a.example/\r\n");
  WriteFile(kProgramFolder + std::string("guide.exe"), "changed");
  ASSERT_EQ(RunAndWait(BuildFolder() + LUNETAR_SETUP_NAME, "/S"), 0) << "the second install";

  Contents expected = programFolder;
  expected.emplace_back("user.ini", "my command\r\n");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(FolderContents(kProgramFolder), expected);
  EXPECT_EQ(FolderContents(kCatalogFolder), (Contents{{"data.ini", "https://a.example/\r\n"}}));
}

TEST_F(InstallerTest, ItsUninstallerRemovesTheCatalogFolderWhenItHoldsNoData) {
  EXPECT_EQ(Uninstall(), 0);
  EXPECT_EQ(FolderFiles(kProgramFolder), Lines{kUninstaller});
  EXPECT_FALSE(FolderExists(kCatalogFolder));
}

// The launcher's own Uninstall removes every installed file it can: all but itself and the
// installer's uninstaller, which then removes the rest.
TEST_F(InstallerTest, TheLaunchersUninstallRemovesEveryInstalledFileButTheLauncher) {
  std::set<std::string> inAppList;
  for (const char* path : lunetar::kUninstallList) inAppList.insert(path);
  for (const std::string& installed : FolderFiles(kProgramFolder)) {
    if (installed == "launch.exe" || installed == kUninstaller) continue;
    EXPECT_EQ(inAppList.count(installed), 1u) << installed << " is not on the launcher's list";
  }

  HWND launcher = Start("launch.exe", "#32770", "");
  ASSERT_TRUE(launcher);
  PostClick(launcher, IDOK);
  ExpectMessage("Uninstall", kUninstallQuestion, IDYES);
  ExpectMessage("Uninstall", kUninstallDone);
  ASSERT_TRUE(WaitForExit());
  EXPECT_EQ(FolderFiles(kProgramFolder), (Lines{kUninstaller, "launch.exe"}));

  EXPECT_EQ(Uninstall(), 0);
  EXPECT_EQ(FolderFiles(kProgramFolder), Lines{kUninstaller});
}

}  // namespace
}  // namespace e2e
