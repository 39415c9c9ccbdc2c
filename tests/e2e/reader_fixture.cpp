#include "reader_fixture.h"

#include <shlobj.h>

#include "driver.h"

namespace e2e {
namespace {

constexpr const char* kTipKey = "Software\\Lunetar\\guide\\Tip";

std::string AppData() {
  char appData[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
  return appData;
}

}  // namespace

void ReaderFixture::SetUp() {
  SuiteTest::SetUp();
  if (HasFatalFailure()) return;
  ASSERT_NO_FATAL_FAILURE(Install("guide.exe", "guide.exe"));
  ASSERT_NO_FATAL_FAILURE(Install("recorder.exe", "launch.exe"));
  const std::string position = PositionFile();
  ASSERT_TRUE(DeleteFileA(position.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
              GetLastError() == ERROR_PATH_NOT_FOUND)
      << "cannot remove " << position;
  ASSERT_NO_FATAL_FAILURE(ForgetTipSettings());
  ASSERT_NO_FATAL_FAILURE(SetTipSetting("StartUp", 1));
}

void ReaderFixture::ForgetTipSettings() {
  const LONG result = RegDeleteTreeA(HKEY_CURRENT_USER, kTipKey);
  ASSERT_TRUE(result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND) << "error " << result;
}

void ReaderFixture::SetTipSetting(const char* entry, DWORD value) {
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kTipKey, entry, REG_DWORD, &value, sizeof value),
            ERROR_SUCCESS)
      << entry;
}

void ReaderFixture::SetTipTimeStamp(const std::string& stamp) {
  ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kTipKey, "TimeStamp", REG_SZ, stamp.c_str(),
                            static_cast<DWORD>(stamp.size() + 1)),
            ERROR_SUCCESS);
}

long ReaderFixture::TipSetting(const char* entry) {
  DWORD value = 0, size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, kTipKey, entry, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
      ERROR_SUCCESS) {
    return -1;
  }
  return static_cast<long>(value);
}

std::string ReaderFixture::TipTimeStamp() {
  char value[64] = "";
  DWORD size = sizeof value;
  RegGetValueA(HKEY_CURRENT_USER, kTipKey, "TimeStamp", RRF_RT_REG_SZ, nullptr, value, &size);
  return value;
}

std::string ReaderFixture::PositionFile() {
  return AppData() + "\\Lunetar\\Korvadex\\position.txt";
}

void ReaderFixture::WritePositionFile(const std::string& bytes) {
  CreateDirectoryA((AppData() + "\\Lunetar").c_str(), nullptr);
  CreateDirectoryA((AppData() + "\\Lunetar\\Korvadex").c_str(), nullptr);
  WriteFile(PositionFile(), bytes);
}

}  // namespace e2e
