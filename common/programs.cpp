#include "common/programs.h"

#include <aclapi.h>
#include <process.h>
#include <sddl.h>
#include <shellapi.h>

#include <new>

#include "common/command_line.h"
#include "common/message_box.h"
#include "common/system_library.h"

namespace lunetar {

namespace {
// The owner of a file, as its security identifier in text; "" when it cannot be read.
std::string OwnerOf(const char* path) {
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (GetNamedSecurityInfoA(path, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr,
                            nullptr, nullptr, &descriptor) != ERROR_SUCCESS) {
    return "";
  }
  std::string sid;
  char* text = nullptr;
  if (ConvertSidToStringSidA(owner, &text)) {
    sid = text;
    LocalFree(text);
  }
  LocalFree(descriptor);
  return sid;
}
}  // namespace

void HandOver(const char* path) {
  // Every user may create files in the program folder (user.ini is saved there), so a program of
  // the suite that is missing there, after the launcher's Uninstall say, could be one that any
  // user put in its place. Only a program with the owner of this one is started: the installer
  // makes the administrators the owner of every program it installs.
  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string owner = OwnerOf(path);
  if (owner.empty() || owner != OwnerOf(self)) return;
  // The run-time library joins the vector with blanks and no quotes: a path with a blank, such
  // as the catalog's absolute path to the launcher, would reach the program as several words.
  const std::string program = QuoteArgument(path);
  const char* const arguments[] = {program.c_str(), "execv", nullptr};
  _execv(path, arguments);
}

void OpenWithAssociatedProgram(const char* sample, const char* folder, const std::string& target,
                               HWND owner, const char* title) {
  std::string program;
  try {
    program.assign(MAX_PATH, '\0');
  } catch (const std::bad_alloc&) {
    ShowMessage(kLowMemoryText, title, MB_ICONERROR | MB_OK);
    return;
  }
  // The shell's library is loaded for the first command that opens something, not at start-up.
  const auto findExecutable =
      SystemFunction<decltype(&FindExecutableA)>("shell32.dll", "FindExecutableA");
  const auto shellExecute =
      SystemFunction<decltype(&ShellExecuteA)>("shell32.dll", "ShellExecuteA");
  if (!findExecutable || !shellExecute) return;
  // Nothing associated: nothing to start, and nothing to report.
  if (reinterpret_cast<INT_PTR>(findExecutable(sample, folder, &program[0])) <= 32) return;
  // One quoted argument, so an address with blanks or quotes cannot split into several.
  shellExecute(owner, "open", program.c_str(), QuoteArgument(target).c_str(), folder,
               SW_SHOWNORMAL);
}

}  // namespace lunetar
