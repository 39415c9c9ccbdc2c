// The application object: one global instance per program, whose InitInstance runs the main
// dialog. WinMain lives in the framework and hands over to it.
#pragma once

#include <windows.h>

#include <string>

namespace lunetar {

class CDialog;

class CApp {
 public:
  CApp();
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

  // The main window owns dialogs built without a parent while it exists.
  CDialog* m_pMainWnd = nullptr;

  int Run(HINSTANCE instance);

 private:
  HINSTANCE m_hInstance = nullptr;
  std::string m_strName;
  std::string m_strCommandLine;
};

}  // namespace lunetar
