#include "common/app.h"

#include <commctrl.h>

#include <cstdlib>

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

CApp::CApp() { g_app = this; }

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

  // The three-dimensional control look and the tool-tip class.
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  if (!InitInstance()) return EXIT_SUCCESS;
  MSG msg = {};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace lunetar

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return lunetar::CApp::Get().Run(instance);
}
