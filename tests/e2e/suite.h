// The program-neutral part of every end-to-end test: a clean installation of the suite's folders,
// the recording stand-ins, the programs a test starts, and a clean end.
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
  // Empties the program, catalog and test folders and installs Readme.html and Readme.txt; points
  // web pages and text files at the recording browser and editor; ejects the disk from drive A:.
  void SetUp() override;
  // Ends every program the test left running and checks that the folders could be emptied.
  void TearDown() override;

  // Ends every program whose file lies in one of the test's folders (whoever started it: a
  // hand-over's program too) and waits until each has ended; closes every handle of Start.
  void EndPrograms();

  // Copies a program built with the tests into the program folder under the name as.
  static void Install(const std::string& built, const std::string& as);

  // Starts a program of the program folder, in folder, and waits for its window.
  HWND Start(const std::string& program, const char* className, const char* title,
             const char* folder = kProgramFolder, const std::string& arguments = "");
  // Waits for the program started last to end; false when it still runs after the timeout.
  bool WaitForExit(DWORD* exitCode = nullptr);
  // Ends the program started last at once, as a crash or a power cut would, and waits until it
  // has ended.
  bool Kill();
  // Presses the button of launcher, the program started last, that hands over to the program
  // whose window is titled title; closes that window with Esc and waits for a new launcher.
  void ExpectHandOverAndBack(HWND launcher, int button, const char* title);
  // Waits for the program started last to end, and checks that it handed over: the stand-ins
  // were started once, as program in the program folder with arguments as its argument vector.
  void ExpectHandOver(const std::string& program, const std::vector<std::string>& arguments);

  std::vector<Record> Records() const;
  // Waits until the log holds at least count records.
  std::vector<Record> WaitForRecords(std::size_t count) const;
  // Succeeds when the stand-ins have been started count times, the last time as program with
  // argument as its one argument (a path or an address handed on whole).
  ::testing::AssertionResult Started(std::size_t count, const std::string& program,
                                     const std::string& argument) const;

 private:
  std::vector<PROCESS_INFORMATION> processes_;
};

// The folder that holds the programs built with the tests.
std::string BuildFolder();

}  // namespace e2e
