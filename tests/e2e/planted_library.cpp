// A library planted in the program folder under the name of the common controls, as a standard
// user could put one there: it writes C:\lunetar-test\planted-library.log when a program loads
// it, and passes the programs' one call on to the system's own library, so that a program that
// loaded it would still work and only the log would tell.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    char program[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    HANDLE log = CreateFileA("C:\\lunetar-test\\planted-library.log", FILE_APPEND_DATA,
                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(log, program, lstrlenA(program), &written, nullptr);
      WriteFile(log, "\r\n", 2, &written, nullptr);
      CloseHandle(log);
    }
  }
  return TRUE;
}

// Declared here, not by <commctrl.h>, which would import it.
extern "C" __declspec(dllexport) BOOL WINAPI InitCommonControlsEx(const void* init) {
  char path[MAX_PATH] = "";
  GetSystemDirectoryA(path, MAX_PATH);
  lstrcatA(path, "\\comctl32.dll");
  using Function = BOOL(WINAPI*)(const void*);
  const auto system = reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(LoadLibraryA(path), "InitCommonControlsEx")));
  return system && system != &InitCommonControlsEx && system(init);
}
