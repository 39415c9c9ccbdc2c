// The reader's fixture: the reader installed with a recording stand-in for the launcher, and no
// position, user file or Tip of the Day settings left from an earlier test.
#pragma once

#include <windows.h>

#include <string>

#include "suite.h"

namespace e2e {

class ReaderFixture : public SuiteTest {
 protected:
  // Each test starts with the Tip of the Day turned off at start-up.
  void SetUp() override;

  HWND StartReader() { return Start("guide.exe", "#32770", " Korvadex"); }

 public:
  // The reader's Tip of the Day settings (the launcher's tests start the real reader too).
  static void ForgetTipSettings();
  static void SetTipSetting(const char* entry, DWORD value);
  static void SetTipTimeStamp(const std::string& stamp);
  // -1 when the entry is missing.
  static long TipSetting(const char* entry);
  static std::string TipTimeStamp();

  static std::string PositionFile();
  static void WritePositionFile(const std::string& bytes);
};

}  // namespace e2e
