// A library planted beside the programs: the program folder is one where standard users may
// create files, so no program may load a library from it.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "driver.h"
#include "reader_fixture.h"
#include "suite.h"

namespace e2e {
namespace {

const std::string kPlantedLog = std::string(kTestFolder) + "planted-library.log";

// The three programs, each with the real program of the other two, and a common-controls
// library of the test's own in the program folder that logs every program that loads it.
class PlantedLibraryTest : public ReaderFixture {
 protected:
  void SetUp() override {
    ReaderFixture::SetUp();
    if (HasFatalFailure()) return;
    // Libraries are searched for as Windows searches for one outside its KnownDLLs, the
    // program's own folder first (Wine's default is its builtin library). Wine reads the setting
    // from the environment it was started with, so ctest starts this fixture with it.
    const char* overrides = std::getenv("WINEDLLOVERRIDES");
    ASSERT_TRUE(overrides && std::string(overrides).find("comctl32=n,b") != std::string::npos)
        << "the fixture runs without WINEDLLOVERRIDES=...;comctl32=n,b";
    ASSERT_NO_FATAL_FAILURE(Install("launch.exe", "launch.exe"));
    ASSERT_NO_FATAL_FAILURE(Install("sarnovo.exe", "sarnovo.exe"));
    ASSERT_NO_FATAL_FAILURE(Install("planted\\comctl32.dll", "comctl32.dll"));
  }
};

TEST_F(PlantedLibraryTest, NoProgramLoadsTheCommonControlsFromItsFolder) {
  struct Program {
    const char* file;
    const char* title;
    const char* hint;  // the hint of its window's IDOK button; the launcher has no tool tips
  };
  const Program programs[] = {{"launch.exe", "", nullptr},
                              {"guide.exe", " Korvadex", "go to the selected chapter"},
                              {"sarnovo.exe", "Sarnovo", "launch browser"}};
  // The planted library tells when it is loaded, as a program that took it would load it.
  const std::string planted = std::string(kProgramFolder) + "comctl32.dll";
  FreeLibrary(LoadLibraryExA(planted.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
  ASSERT_NE(FileBytes(kPlantedLog), "") << "the planted library did not tell it was loaded";
  ASSERT_TRUE(DeleteFileA(kPlantedLog.c_str()));
  for (const Program& program : programs) {
    SCOPED_TRACE(program.file);
    HWND window = Start(program.file, "#32770", program.title);
    ASSERT_TRUE(window);
    if (program.hint) {  // its tool tips answer: it has loaded the common controls, elsewhere
      const Hints hints = ToolTips(window);
      EXPECT_EQ(std::count(hints.begin(), hints.end(), Hints::value_type{IDOK, program.hint}), 1);
    }
    EndPrograms();
    EXPECT_EQ(FileBytes(kPlantedLog), "");
  }
}

}  // namespace
}  // namespace e2e
