// A clean installation of the suite for each test, started and watched from the test process.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {

constexpr const char* kProgramFolder = "C:\\Program Files\\Lunetar\\";
constexpr const char* kCatalogFolder = "C:\\Program Files\\Sarnovo\\";
constexpr const char* kTestFolder = "C:\\lunetar-test\\";

// One start of a recording stand-in: which program, in which folder, with which arguments.
struct Record {
  std::string program;
  std::string folder;
  std::vector<std::string> arguments;
};

class SuiteTest : public ::testing::Test {
 protected:
  // Empties the program folder and installs the reader, the launcher's stand-in, Readme.html
  // and Readme.txt; points web pages and text files at the recording browser and editor; forgets the reader's position and
  // its tip settings, with the tip turned off at start-up.
  void SetUp() override;
  // Ends whatever the test started and left running, hand-overs included.
  void TearDown() override;

  // Copies a program built with the tests into the program folder under the name as.
  static void Install(const std::string& built, const std::string& as);

  // Starts a program of the program folder, in folder, and waits for its window.
  HWND Start(const std::string& program, const char* className, const char* title,
             const char* folder = kProgramFolder, const std::string& arguments = "");
  HWND StartReader() { return Start("guide.exe", "#32770", " Korvadex"); }
  // Waits for the started program to end; false when it is still running after the timeout.
  bool WaitForExit(DWORD* exitCode = nullptr);

  std::vector<Record> Records() const;
  // Waits until the log holds at least count records.
  std::vector<Record> WaitForRecords(std::size_t count) const;

  // The reader's Tip of the Day settings. Each test starts with the tip turned off at start-up.
  static void ForgetTipSettings();
  static void SetTipSetting(const char* entry, DWORD value);
  // -1 when the entry is missing.
  static long TipSetting(const char* entry);
  static std::string TipTimeStamp();

  static std::string PositionFile();
  static void WritePositionFile(const std::string& bytes);

 private:
  PROCESS_INFORMATION process_ = {};
};

// The folder that holds the programs built with the tests.
std::string BuildFolder();
void WriteFile(const std::string& path, const std::string& bytes);

}  // namespace e2e
