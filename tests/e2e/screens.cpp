// Opens every window of the installed suite in turn, as a user would reach it, for
// scripts/screenshots to photograph: for each window it prints one line, "name x y width height"
// (the window's rectangle on the screen), and goes on when it reads a line from its input. The
// last line is "done"; a step that fails prints "failed: what" and ends the program with 1.
//
// It drives the programs with the end-to-end tests' driver, so its waits are theirs: bounded
// waits for the window each step opens.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "driver.h"
#include "suite.h"

#include "resources/reader_ids.h"
namespace reader {
constexpr int kChapter = IDC_CHAPTER;
constexpr int kShowChapter = IDOK;
constexpr int kAdd = IDC_ADD;
}  // namespace reader
// The catalog numbers some of the same names differently.
#undef IDC_ADD
#undef IDC_HELP_BUTTON
#include "resources/catalog_ids.h"
#include "resources/launcher_ids.h"

namespace {

using namespace e2e;

[[noreturn]] void Fail(const std::string& what) {
  std::printf("failed: %s\n", what.c_str());
  std::fflush(stdout);
  std::exit(1);
}

HWND Expect(HWND window, const std::string& what) {
  if (!window) Fail(what);
  return window;
}

// Announces the window and waits until it has been photographed.
void Photograph(HWND window, const char* name) {
  RECT rect;
  GetWindowRect(window, &rect);
  std::printf("%s %ld %ld %ld %ld\n", name, rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top);
  std::fflush(stdout);
  char line[64];
  if (!std::fgets(line, sizeof line, stdin)) Fail("no answer after " + std::string(name));
}

// Photographs a secondary window, then closes it with Esc and waits until it is gone.
void PhotographAndDismiss(HWND window, const char* name, const std::string& what) {
  Photograph(window, name);
  if (!CloseByKey(window, VK_ESCAPE)) Fail(what + " did not close");
}

HWND Launcher() { return Expect(WaitForWindow("#32770", ""), "the launcher's window"); }

}  // namespace

int main() {
  // The Tip of the Day greets the user as on a first start.
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Lunetar\\guide\\Tip");

  const std::string launch = std::string(kProgramFolder) + "launch.exe";
  std::string commandLine = "launch.exe";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(launch.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      kProgramFolder, &startup, &process)) {
    Fail("cannot start " + launch);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);

  HWND launcher = Launcher();
  Photograph(launcher, "launcher");

  PostClick(launcher, IDC_START_READER);
  HWND tip = Expect(WaitForWindow("#32770", " Tip of the Day"), "the Tip of the Day");
  Photograph(tip, "tip-of-the-day");
  PostClick(tip, IDOK);
  HWND book = Expect(WaitForWindow("#32770", " Korvadex"), "the reader's window");
  if (!PickEntry(book, reader::kChapter, "Permissions")) Fail("the chapter Permissions");
  Press(book, reader::kShowChapter);
  Photograph(book, "reader");

  HWND add = Expect(PressFor(book, reader::kAdd, "   Add Command or Tip"), "Add Command or Tip");
  PhotographAndDismiss(add, "add-command-or-tip", "Add Command or Tip");
  PostMessageA(book, WM_SYSCOMMAND, IDM_ABOUT, 0);
  HWND about = Expect(WaitForWindow("#32770", "About Korvadex"), "the reader's About box");
  PhotographAndDismiss(about, "reader-about", "the reader's About box");
  if (!CloseByKey(book, VK_ESCAPE)) Fail("the reader did not close");

  launcher = Launcher();
  PostClick(launcher, IDC_START_CATALOG);
  HWND catalog = Expect(WaitForWindow("#32770", "Sarnovo"), "the catalog's window");
  SelectRow(catalog, IDC_ADDRESSES, 0);
  Photograph(catalog, "catalog");

  const struct {
    int button;
    const char* title;
    const char* name;
  } dialogs[] = {{IDC_ADD, "Add Web Site", "add-web-site"},
                 {IDC_FIND, "Find Web Site", "find-web-site"},
                 {IDC_NOTE, "Note", "note"},
                 {IDC_TOOLS, "   Tools", "tools"}};
  for (const auto& dialog : dialogs) {
    HWND window = Expect(PressFor(catalog, dialog.button, dialog.title), dialog.title);
    PhotographAndDismiss(window, dialog.name, dialog.title);
  }
  PostMessageA(catalog, WM_SYSCOMMAND, IDM_ABOUT, 0);
  about = Expect(WaitForWindow("#32770", "Sarnovo 7.0"), "the catalog's About box");
  PhotographAndDismiss(about, "catalog-about", "the catalog's About box");

  // Exit saves the collection and brings the launcher back, which Esc then closes.
  if (!Answer(catalog, IDCANCEL)) Fail("the catalog did not close");
  launcher = Launcher();
  if (!CloseByKey(launcher, VK_ESCAPE)) Fail("the launcher did not close");
  std::printf("done\n");
  std::fflush(stdout);
  return 0;
}
