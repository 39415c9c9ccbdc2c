#include "suite.h"

#include <shlobj.h>

#include <fstream>
#include <sstream>

#include "driver.h"

namespace e2e {
namespace {

const std::string kRecordLog = std::string(kTestFolder) + "record.log";

void EmptyFolder(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      const std::string path = folder + found.cFileName;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

void SetDefaultValue(const std::string& key, const std::string& value) {
  HKEY handle;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &handle, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(handle);
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
    parts.push_back(line.substr(start, tab - start));
  }
  parts.push_back(line.substr(start));
  return parts;
}

}  // namespace

std::string BuildFolder() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

void SuiteTest::SetUp() {
  CreateDirectoryA("C:\\Program Files", nullptr);
  CreateDirectoryA(kProgramFolder, nullptr);
  CreateDirectoryA(kCatalogFolder, nullptr);
  CreateDirectoryA(kTestFolder, nullptr);
  EmptyFolder(kProgramFolder);
  EmptyFolder(kCatalogFolder);
  EmptyFolder(kTestFolder);
  const std::string build = BuildFolder();
  const std::string folder = kProgramFolder;
  Install("guide.exe", "guide.exe");
  Install("recorder.exe", "launch.exe");
  for (const char* program : {"browser.exe", "editor.exe"}) {
    ASSERT_TRUE(CopyFileA((build + "recorder.exe").c_str(),
                          (std::string(kTestFolder) + program).c_str(), FALSE));
  }
  WriteFile(folder + "Readme.html", "<!DOCTYPE html><title>Readme</title>\r\n");
  WriteFile(folder + "Readme.txt", "Readme\r\n");
  SetDefaultValue(".html", "LunetarTest.html");
  SetDefaultValue("LunetarTest.html\\shell\\open\\command",
                  "\"" + std::string(kTestFolder) + "browser.exe\" \"%1\"");
  SetDefaultValue(".txt", "LunetarTest.txt");
  SetDefaultValue("LunetarTest.txt\\shell\\open\\command",
                  "\"" + std::string(kTestFolder) + "editor.exe\" \"%1\"");
  DeleteFileA(PositionFile().c_str());
  DeleteFileA((folder + "user.ini").c_str());
  ForgetTipSettings();
  SetTipSetting("StartUp", 1);
}

namespace {
constexpr const char* kTipKey = "Software\\Lunetar\\guide\\Tip";
}

void SuiteTest::ForgetTipSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, kTipKey); }

void SuiteTest::SetTipSetting(const char* entry, DWORD value) {
  RegSetKeyValueA(HKEY_CURRENT_USER, kTipKey, entry, REG_DWORD, &value, sizeof value);
}

long SuiteTest::TipSetting(const char* entry) {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, kTipKey, entry, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS) {
    return -1;
  }
  return static_cast<long>(value);
}

std::string SuiteTest::TipTimeStamp() {
  char value[64] = "";
  DWORD size = sizeof value;
  RegGetValueA(HKEY_CURRENT_USER, kTipKey, "TimeStamp", RRF_RT_REG_SZ, nullptr, value, &size);
  return value;
}

void SuiteTest::Install(const std::string& built, const std::string& as) {
  ASSERT_TRUE(CopyFileA((BuildFolder() + built).c_str(), (kProgramFolder + as).c_str(), FALSE))
      << built;
}

namespace {
// Dialogs of other processes: the suite's programs, also those that a hand-over started.
BOOL CALLBACK EndOtherDialogs(HWND window, LPARAM) {
  char className[16] = "";
  GetClassNameA(window, className, sizeof className);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (lstrcmpA(className, "#32770") == 0 && process != GetCurrentProcessId()) {
    if (HANDLE handle = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process)) {
      TerminateProcess(handle, 99);
      WaitForSingleObject(handle, kTimeoutMs);
      CloseHandle(handle);
    }
  }
  return TRUE;
}
}  // namespace

void SuiteTest::TearDown() {
  EnumWindows(EndOtherDialogs, 0);
  if (process_.hProcess) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 99);
      WaitForSingleObject(process_.hProcess, kTimeoutMs);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = {};
  }
}

HWND SuiteTest::Start(const std::string& program, const char* className, const char* title,
                      const char* folder, const std::string& arguments) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string commandLine = arguments.empty() ? program : program + " " + arguments;
  const std::string path = std::string(kProgramFolder) + program;
  if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder,
                      &startup, &process_)) {
    ADD_FAILURE() << "cannot start " << path;
    return nullptr;
  }
  HWND window = WaitForWindow(className, title);
  EXPECT_TRUE(window) << "no window \"" << title << "\" from " << program;
  return window;
}

bool SuiteTest::WaitForExit(DWORD* exitCode) {
  if (WaitForSingleObject(process_.hProcess, kTimeoutMs) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(process_.hProcess, exitCode);
  return true;
}

std::vector<Record> SuiteTest::Records() const {
  std::vector<Record> records;
  for (const std::string& line : FileLines(kRecordLog)) {
    std::vector<std::string> parts = SplitTabs(line);
    if (parts.size() < 2) continue;
    records.push_back({parts[0], parts[1], {parts.begin() + 2, parts.end()}});
  }
  return records;
}

std::vector<Record> SuiteTest::WaitForRecords(std::size_t count) const {
  const DWORD start = GetTickCount();
  std::vector<Record> records = Records();
  while (records.size() < count && GetTickCount() - start < kTimeoutMs) {
    Sleep(20);
    records = Records();
  }
  return records;
}

std::string SuiteTest::PositionFile() {
  char appData[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
  return std::string(appData) + "\\Lunetar\\Korvadex\\position.txt";
}

void SuiteTest::WritePositionFile(const std::string& bytes) {
  char appData[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
  const std::string parent = std::string(appData) + "\\Lunetar";
  CreateDirectoryA(parent.c_str(), nullptr);
  CreateDirectoryA((parent + "\\Korvadex").c_str(), nullptr);
  WriteFile(PositionFile(), bytes);
}

}  // namespace e2e
