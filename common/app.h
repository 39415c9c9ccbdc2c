// The application object: one global instance per program, whose InitInstance runs the main
// dialog. WinMain lives in the framework and hands over to it.
#pragma once

#include <windows.h>

#include <string>

namespace lunetar {

class CDialog;

class CApp {
 public:
  explicit CApp(const char* company);
  virtual ~CApp();
  CApp(const CApp&) = delete;
  CApp& operator=(const CApp&) = delete;

  // Called once at start-up. Returning false ends the program; true asks for an application
  // message loop (our programs run their main dialog inside and return false).
  virtual bool InitInstance() = 0;

  static CApp& Get();
  HINSTANCE Instance() const { return m_hInstance; }
  // The executable's base name ("guide"): the program's name in its profile and message boxes.
  const std::string& Name() const { return m_strName; }
  // The program's command line after the program name.
  const std::string& CommandLine() const { return m_strCommandLine; }

  // The program's settings, kept per user under HKEY_CURRENT_USER\Software\<company>\<program>,
  // by section and entry. The company is set by the program's constructor.
  int GetProfileInt(const char* section, const char* entry, int defaultValue) const;
  bool WriteProfileInt(const char* section, const char* entry, int value) const;
  std::string GetProfileString(const char* section, const char* entry,
                               const std::string& defaultValue) const;
  bool WriteProfileString(const char* section, const char* entry, const std::string& value) const;

  // A command that no window handled; returns true when the application handled it.
  virtual bool OnCommand(int /*id*/) { return false; }

  // Runs dialog modally as the program's main window, which owns the dialogs built without a
  // parent while it runs. Returns what its DoModal returned.
  INT_PTR RunMainDialog(CDialog& dialog);

  // The main window while RunMainDialog runs one, or nullptr.
  CDialog* m_pMainWnd = nullptr;

  int Run(HINSTANCE instance);

 private:
  std::string SectionKey(const char* section) const;

  const char* m_pszCompany;
  HINSTANCE m_hInstance = nullptr;
  std::string m_strName;
  std::string m_strCommandLine;
};

// Tells the user of the exception being handled, once, with the program's name as the title, as
// the framework's messages are: for a catch block where the exception ends a command or the
// program. Lack of memory is told in the suite's own words; anything else as a command that could
// not be completed.
void ReportException() noexcept;

// The program's string resource id, whatever its length; "" when there is none. (Not called
// LoadString: <windows.h> makes that name a macro.)
std::string LoadResourceString(int id);

}  // namespace lunetar
