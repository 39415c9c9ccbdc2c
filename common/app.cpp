#include "common/app.h"

#include <cstdlib>
#include <exception>
#include <new>
#include <vector>

#include "common/dialog.h"
#include "common/message_box.h"
#include "common/scope_exit.h"
#include "common/system_library.h"

namespace lunetar {
namespace {
CApp* g_app = nullptr;

std::string BaseName(const char* path) {
  std::string name = path;
  std::size_t slash = name.find_last_of("\\/:");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

// The command line without the program's own name, which may be quoted.
std::string ArgumentsOf(const char* commandLine) {
  const char* p = commandLine;
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p) ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}
}  // namespace

CApp::CApp(const char* company) : m_pszCompany(company) { g_app = this; }

CApp::~CApp() {
  if (g_app == this) g_app = nullptr;
}

CApp& CApp::Get() { return *g_app; }

int CApp::Run(HINSTANCE instance) {
  m_hInstance = instance;
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  m_strName = BaseName(path);
  m_strCommandLine = ArgumentsOf(GetCommandLineA());

  if (!InitInstance()) return EXIT_SUCCESS;
  MSG msg = {};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

INT_PTR CApp::RunMainDialog(CDialog& dialog) {
  // Cleared however the run ends, so no later dialog takes a window that is gone as its owner.
  m_pMainWnd = &dialog;
  const ScopeExit cleared([this] { m_pMainWnd = nullptr; });
  return dialog.DoModal();
}

std::string CApp::SectionKey(const char* section) const {
  return std::string("Software\\") + m_pszCompany + "\\" + m_strName + "\\" + section;
}

int CApp::GetProfileInt(const char* section, const char* entry, int defaultValue) const {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, SectionKey(section).c_str(), entry, RRF_RT_REG_DWORD,
                   nullptr, &value, &size) != ERROR_SUCCESS) {
    return defaultValue;
  }
  return static_cast<int>(value);
}

bool CApp::WriteProfileInt(const char* section, const char* entry, int value) const {
  const DWORD data = static_cast<DWORD>(value);
  return RegSetKeyValueA(HKEY_CURRENT_USER, SectionKey(section).c_str(), entry, REG_DWORD, &data,
                         sizeof data) == ERROR_SUCCESS;
}

std::string CApp::GetProfileString(const char* section, const char* entry,
                                   const std::string& defaultValue) const {
  DWORD size = 0;
  const std::string key = SectionKey(section);
  if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), entry, RRF_RT_REG_SZ, nullptr, nullptr,
                   &size) != ERROR_SUCCESS) {
    return defaultValue;
  }
  std::string value(size, '\0');
  if (RegGetValueA(HKEY_CURRENT_USER, key.c_str(), entry, RRF_RT_REG_SZ, nullptr, &value[0],
                   &size) != ERROR_SUCCESS) {
    return defaultValue;
  }
  value.resize(size > 0 ? size - 1 : 0);
  return value;
}

bool CApp::WriteProfileString(const char* section, const char* entry,
                              const std::string& value) const {
  return RegSetKeyValueA(HKEY_CURRENT_USER, SectionKey(section).c_str(), entry, REG_SZ,
                         value.c_str(), static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

void ReportException() noexcept {
  // Called from a catch block, so nothing here may throw again: fixed texts, no allocation.
  const char* text = "The command could not be completed.    ";
  try {
    throw;
  } catch (const std::bad_alloc&) {
    text = kLowMemoryText;
  } catch (...) {
  }
  const char* title = g_app ? g_app->Name().c_str() : "";
  ShowMessage(text, title, MB_ICONERROR | MB_OK);
}

std::string LoadResourceString(int id) {
  std::vector<char> text(256);
  for (;;) {
    const int size = static_cast<int>(text.size());
    const int length = LoadStringA(CApp::Get().Instance(), id, text.data(), size);
    // A string that fills the buffer may have been cut: try again with more room.
    if (length < size - 1) return std::string(text.data(), length > 0 ? length : 0);
    text.resize(2 * text.size());
  }
}

}  // namespace lunetar

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  lunetar::RestrictLibrarySearch();
  // What a dialog procedure did not catch (start-up before the main window, a dialog's own loop)
  // ends the program, told as a command's failure is.
  try {
    return lunetar::CApp::Get().Run(instance);
  } catch (...) {
    lunetar::ReportException();
    return EXIT_FAILURE;
  }
}
