// Libraries come from the system folder only.
//
// The program folder lies where standard users may create files (user.ini is saved there), and a
// program started by hand may run in any working folder. Windows looks for a library that is not
// among its KnownDLLs in the program's folder first, so a library named like one the programs use
// and put beside them would run inside the next person's program. The programs therefore import
// only KnownDLLs (a build step checks it) and load everything else, the common controls above all,
// through LoadSystemLibrary.
#pragma once

#include <windows.h>

namespace lunetar {

// Leaves the program's folder and the working folder out of every later search for a library by
// name, the system's own libraries' loads included. Called first thing at start-up.
void RestrictLibrarySearch();

// The library name from the system folder, loaded now or found loaded; nullptr when it cannot be.
HMODULE LoadSystemLibrary(const char* name);

// A function of a loaded library as the pointer type Function; nullptr when it is missing.
template <typename Function>
Function FunctionOf(HMODULE module, const char* name) {
  if (!module) return nullptr;
  // Through the type that matches every function type, so the compiler sees no mismatch.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// A function of a library of the system folder, loaded at the first call.
template <typename Function>
Function SystemFunction(const char* library, const char* name) {
  return FunctionOf<Function>(LoadSystemLibrary(library), name);
}

}  // namespace lunetar
