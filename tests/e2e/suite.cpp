#include "suite.h"

#include <tlhelp32.h>

#include "driver.h"

namespace e2e {
namespace {

const std::string kRecordLog = std::string(kTestFolder) + "record.log";
const char* const kTestFolders[] = {kProgramFolder, kCatalogFolder, kTestFolder};

void SetDefaultValue(const std::string& key, const std::string& value) {
  HKEY handle;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &handle, nullptr),
            ERROR_SUCCESS);
  const LONG written =
      RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>(value.size() + 1));
  RegCloseKey(handle);
  ASSERT_EQ(written, ERROR_SUCCESS) << key;
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

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() &&
         CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, text.c_str(),
                        static_cast<int>(prefix.size()), prefix.c_str(),
                        static_cast<int>(prefix.size())) == CSTR_EQUAL;
}

// Ends the processes whose program lies in one of the test's folders; returns how many there
// were. A hand-over may start a new one while an old one ends, so callers look again.
int EndProcessesInTestFolders() {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "no process snapshot (error " << GetLastError() << ")";
    return 0;
  }
  int ended = 0;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (entry.th32ProcessID == GetCurrentProcessId()) continue;
    HANDLE process = OpenProcess(
        PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE,
        entry.th32ProcessID);
    if (!process) continue;
    char image[MAX_PATH] = "";
    DWORD size = MAX_PATH;
    if (QueryFullProcessImageNameA(process, 0, image, &size)) {
      for (const char* folder : kTestFolders) {
        if (!StartsWithNoCase(image, folder)) continue;
        ++ended;
        TerminateProcess(process, 99);
        EXPECT_EQ(WaitForSingleObject(process, kTimeoutMs), WAIT_OBJECT_0)
            << image << " did not end";
        break;
      }
    }
    CloseHandle(process);
  }
  CloseHandle(snapshot);
  return ended;
}

}  // namespace

std::string BuildFolder() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\') + 1);
}

void SuiteTest::SetUp() {
  CreateDirectoryA("C:\\Program Files", nullptr);
  for (const char* folder : kTestFolders) {
    CreateDirectoryA(folder, nullptr);
    ASSERT_TRUE(EmptyFolder(folder)) << "a program of an earlier test still holds " << folder;
  }
  DriveA::Eject();
  const std::string build = BuildFolder();
  for (const char* program : {"browser.exe", "editor.exe"}) {
    ASSERT_TRUE(CopyFileA((build + "recorder.exe").c_str(),
                          (std::string(kTestFolder) + program).c_str(), FALSE));
  }
  WriteFile(std::string(kProgramFolder) + "Readme.html", "<!DOCTYPE html><title>Readme</title>\r\n");
  WriteFile(std::string(kProgramFolder) + "Readme.txt", "Readme\r\n");
  ASSERT_NO_FATAL_FAILURE(SetDefaultValue(".html", "LunetarTest.html"));
  ASSERT_NO_FATAL_FAILURE(SetDefaultValue("LunetarTest.html\\shell\\open\\command",
                  "\"" + std::string(kTestFolder) + "browser.exe\" \"%1\""));
  ASSERT_NO_FATAL_FAILURE(SetDefaultValue(".txt", "LunetarTest.txt"));
  ASSERT_NO_FATAL_FAILURE(SetDefaultValue("LunetarTest.txt\\shell\\open\\command",
                  "\"" + std::string(kTestFolder) + "editor.exe\" \"%1\""));
}

void SuiteTest::TearDown() {
  EndPrograms();
  for (const char* folder : kTestFolders) EXPECT_TRUE(EmptyFolder(folder));
  DriveA::Eject();
}

void SuiteTest::EndPrograms() {
  for (int pass = 0; EndProcessesInTestFolders() > 0; ++pass) {
    if (pass == 10) {
      ADD_FAILURE() << "programs of the test's folders keep starting";
      break;
    }
  }
  for (PROCESS_INFORMATION& process : processes_) {
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  processes_.clear();
}

void SuiteTest::Install(const std::string& built, const std::string& as) {
  ASSERT_TRUE(CopyFileA((BuildFolder() + built).c_str(), (kProgramFolder + as).c_str(), FALSE))
      << built;
}

HWND SuiteTest::Start(const std::string& program, const char* className, const char* title,
                      const char* folder, const std::string& arguments) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string commandLine = arguments.empty() ? program : program + " " + arguments;
  const std::string path = std::string(kProgramFolder) + program;
  PROCESS_INFORMATION process = {};
  // Now and then, after many starts, Wine fails a start with ERROR_INTERNAL_ERROR before the new
  // process has run any of its own code (it fails while the process is made); that start is
  // made again. A program that cannot start fails every time, and still fails the test.
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder,
                       &startup, &process) ||
        GetLastError() != ERROR_INTERNAL_ERROR) {
      break;
    }
  }
  if (!process.hProcess) {
    ADD_FAILURE() << "cannot start " << path << " (error " << GetLastError() << ")";
    return nullptr;
  }
  processes_.push_back(process);
  HWND window = WaitForWindow(className, title);
  EXPECT_TRUE(window) << "no window \"" << title << "\" from " << program;
  return window;
}

bool SuiteTest::WaitForExit(DWORD* exitCode) {
  if (processes_.empty()) return false;
  HANDLE process = processes_.back().hProcess;
  if (WaitForSingleObject(process, kTimeoutMs) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(process, exitCode);
  return true;
}

bool SuiteTest::Kill() {
  if (processes_.empty()) return false;
  HANDLE process = processes_.back().hProcess;
  return TerminateProcess(process, 99) && WaitForSingleObject(process, kTimeoutMs) == WAIT_OBJECT_0;
}

void SuiteTest::ExpectHandOverAndBack(HWND launcher, int button, const char* title) {
  PostClick(launcher, button);
  HWND window = WaitForWindow("#32770", title);
  ASSERT_TRUE(window) << "\"" << title << "\" did not replace the launcher";
  EXPECT_TRUE(WaitForExit()) << "the launcher still runs";
  ASSERT_TRUE(CloseByKey(window, VK_ESCAPE));
  HWND again = WaitForWindow("#32770", "");
  ASSERT_TRUE(again) << "closing \"" << title << "\" did not bring the launcher back";
  EXPECT_NE(again, launcher);
}

void SuiteTest::ExpectHandOver(const std::string& program,
                               const std::vector<std::string>& arguments) {
  ASSERT_TRUE(WaitForExit()) << "the program handing over to " << program << " did not end";
  const std::vector<Record> records = WaitForRecords(1);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].program, program);
  EXPECT_EQ(records[0].folder + "\\", kProgramFolder);
  EXPECT_EQ(records[0].arguments, arguments);
}

std::vector<Record> SuiteTest::Records() const {
  std::vector<Record> records;
  // Only whole lines: a stand-in may be writing its line at this very moment.
  const std::string log = FileBytes(kRecordLog);
  for (std::size_t start = 0, end; (end = log.find('\n', start)) != std::string::npos;
       start = end + 1) {
    std::vector<std::string> parts = SplitTabs(log.substr(start, end - start));
    if (parts.size() < 2) continue;
    records.push_back({parts[0], parts[1], {parts.begin() + 2, parts.end()}});
  }
  return records;
}

std::vector<Record> SuiteTest::WaitForRecords(std::size_t count) const {
  std::vector<Record> records;
  WaitUntil([&] { return (records = Records()).size() >= count; });
  return records;
}

::testing::AssertionResult SuiteTest::Started(std::size_t count, const std::string& program,
                                              const std::string& argument) const {
  const std::vector<Record> records = WaitForRecords(count);
  if (records.size() != count) {
    return ::testing::AssertionFailure() << records.size() << " starts, not " << count;
  }
  const Record& last = records.back();
  if (last.program == program && last.arguments.size() == 2 && last.arguments[1] == argument) {
    return ::testing::AssertionSuccess();
  }
  ::testing::AssertionResult failure = ::testing::AssertionFailure();
  failure << "started " << last.program << " with";
  for (const std::string& given : last.arguments) failure << " [" << given << "]";
  return failure << ", not " << program << " with [" << argument << "] as its one argument";
}

}  // namespace e2e
