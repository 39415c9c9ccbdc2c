// Drives the suite's real windows from the test process: finds and waits for windows, presses
// buttons, picks drop-down and list entries, reads lists, tool tips and message boxes, and types
// keys.
//
// Every step that changes a window is followed by a sound wait, never by a pause:
// - Press sends a command whose handler opens no window; the call returns after the handler.
// - PressFor posts a command whose handler opens a window and waits for that window. (A sent
//   command would block the test until the window closed; and a message sent after a post is
//   handled before the posted one, so it proves nothing about the post.)
// - Anything else (keys, hand-overs, files appearing) is a WaitUntil on the state the test
//   expects, bounded by a timeout.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

using Lines = std::vector<std::string>;
// Files by name, each with its bytes.
using Contents = std::vector<std::pair<std::string, std::string>>;
// Tool-tip hints: the id of each control and its text.
using Hints = std::vector<std::pair<int, std::string>>;

constexpr DWORD kTimeoutMs = 10000;

// Waits until done() holds, checking it again and again until timeoutMs have passed.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kTimeoutMs);
// The same, as an assertion whose failure says what was awaited:
//   ASSERT_TRUE(Eventually("the heading \"Links\"", [&] { return Heading() == "Links"; }));
::testing::AssertionResult Eventually(const std::string& what, const std::function<bool()>& done,
                                      DWORD timeoutMs = kTimeoutMs);

// The first visible top-level window of class className ("#32770" for dialogs and message
// boxes) whose caption is exactly title; nullptr when none appears in time.
HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs = kTimeoutMs);
HWND FindVisibleWindow(const char* className, const char* title);
bool WaitUntilGone(HWND window, DWORD timeoutMs = kTimeoutMs);

// Sends a message to another process's window and returns its result; fails the test when the
// window does not answer in time (a hung program then ends its test, not the whole run).
LRESULT Ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::string& text);
bool IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);

// Presses a push button whose handler opens no window, as its click would (the dialog gets
// BN_CLICKED); returns once the handler has run. Fails the test when the dialog does not answer.
void Press(HWND dialog, int id);
// Presses a push button whose handler opens the window titled title, and returns that window
// (nullptr, with a failure, when it does not appear).
HWND PressFor(HWND dialog, int id, const char* title, const char* className = "#32770");
// Posts a button's click and returns at once: for a click whose effect is the end of the
// program (a hand-over), which the test then waits for.
void PostClick(HWND dialog, int id);

// Selects the drop-down entry whose text is exactly text and notifies the dialog, as a choice
// with the mouse would. Returns false when there is no such entry.
bool PickEntry(HWND dialog, int comboId, const std::string& text);
// The selected entry's text, or "" when none is selected.
std::string SelectedEntry(HWND dialog, int comboId);
std::vector<std::string> ComboEntries(HWND dialog, int comboId);

std::vector<std::string> ListLines(HWND dialog, int listId);
// One row, and the number of rows: for lists too long to be read whole in a test.
std::string ListLine(HWND dialog, int listId, int index);
int ListCount(HWND dialog, int listId);
int ListSelection(HWND dialog, int listId);
// Selects row index of a list box as a click would and notifies the dialog (LBN_SELCHANGE);
// returns once the dialog has handled it.
void SelectRow(HWND dialog, int listId, int index);
// Selects row index and posts the double-click's notification (LBN_DBLCLK), whose handler may
// open a window: the test waits for what it expects.
void DoubleClickRow(HWND dialog, int listId, int index);
// A right-click on the dialog's own surface at a point of its client area; posted.
void RightClick(HWND dialog, int x, int y);

// The hints of the tool-tip control that window owns, in the order they were added.
Hints ToolTips(HWND window);
// Moves the mouse pointer onto control id of dialog, as a user's hand would, and waits for the
// dialog's tool tip to show: the id of the control it shows for and its text ({0, ""} when none
// shows in time).
std::pair<int, std::string> ShownHint(HWND dialog, int id);

// The control that has the keyboard focus in window's thread.
HWND FocusedControl(HWND window);
// Enter or Esc as the dialog manager sees them: posted to the focused control. CloseByKey posts
// the key to a window that it closes, and returns true once the window is gone.
void PostKey(HWND window, UINT virtualKey);
bool CloseByKey(HWND window, UINT virtualKey);
// A real keystroke (needed for F1): brings window to the front and types the key.
void TypeKey(HWND window, WORD virtualKey);

// A message box: its text, and an answer by button id (IDOK, IDYES, IDNO). Answer posts the
// button's click, to a dialog's button too, and returns true once the window is gone.
std::string MessageBoxText(HWND box);
bool Answer(HWND box, int buttonId);
// Waits for the message box titled title, checks its text and answers it.
void ExpectMessage(const char* title, const std::string& text, int answer = IDOK);
// Checks that the program of window has ended its running command and shows no message box
// titled boxTitle: its About box (the system command aboutCommand, titled aboutTitle), asked for
// now, opens only once the command has ended, or over a message it shows, which is then found.
void ExpectNoMoreMessages(HWND window, WPARAM aboutCommand, const char* aboutTitle,
                          const char* boxTitle);

// The file's bytes; empty when the file is missing.
std::string FileBytes(const std::string& path);
bool FileExists(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
// The names of the files in folder (ending in "\\"), sorted by their bytes; empty when the folder
// is missing.
Lines FolderFiles(const std::string& folder);
// Every file of folder (ending in "\\") with its bytes, sorted by name; and files written there.
Contents FolderContents(const std::string& folder);
void WriteFolder(const std::string& folder, const Contents& files);
// Removes every file of folder (ending in "\\"), read-only ones too; a file that stays (in use,
// say) fails the test by name.
bool EmptyFolder(const std::string& folder);

// A file held open the way a program that uses it holds it: while held it cannot be deleted or
// replaced. Held Exclusive, as a program that locks it, it cannot even be read. Released at the
// latest when the holder goes, so a failed test leaves no file in use.
class HeldFile {
 public:
  enum class Sharing { Read, Exclusive };
  explicit HeldFile(const std::string& path, Sharing sharing = Sharing::Read);
  ~HeldFile() { Release(); }
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;
  bool IsHeld() const { return m_handle != INVALID_HANDLE_VALUE; }
  void Release();

 private:
  HANDLE m_handle;
};

// A file of the prefix that a program cannot write, for as long as the object lives. Its path
// becomes a link to a name on one of the small disks that the script mounted, where no file is
// yet; a link that leads nowhere is no file to Windows, so the folder shows nothing new:
// - Full (LUNETAR_DISK_FULL): the file can be created, and every write to it fails with error
//   112. A program that removes its failed file removes the file the link leads to (Wine deletes
//   through a link), and the folder shows nothing again, as after a failed save on a full disk.
// - ReadOnly (LUNETAR_DISK_READONLY): the file cannot be created, as in a folder where the user
//   may not write.
// Not /dev/full: Wine refuses to delete a device, so a program could not remove its failed file,
// which no real disk would keep.
enum class Fault { Full, ReadOnly };

class FaultyFile {
 public:
  // False when the script did not mount the disk that fault needs.
  static bool Available(Fault fault);
  FaultyFile(const std::string& windowsPath, Fault fault);
  // Removes the link and whatever the program left behind it.
  ~FaultyFile();
  FaultyFile(const FaultyFile&) = delete;
  FaultyFile& operator=(const FaultyFile&) = delete;

 private:
  std::string m_link;    // the host's path of the file
  std::string m_target;  // where it leads
};

// Drive A: of the test prefix is mapped by the test script to a folder that does not exist until
// a test inserts the disk: the folder is the disk, removing it ejects it.
//
// A write-protected disk and a full one are small file systems that the script mounts beforehand
// (LUNETAR_DISK_READONLY, LUNETAR_DISK_FULL); inserting one maps A: to it, and Eject maps A: back
// to the folder. Each holds a file that names it, by which the test sees that the mapping took
// effect.
class DriveA {
 public:
  enum class Disk { WriteProtected, Full };

  // False when the script did not map the drive (LUNETAR_DRIVE_A is not set).
  static bool Available();
  // False when the script could not mount that disk.
  static bool Available(Disk disk);
  static void Insert();
  static void Insert(Disk disk);
  static void Eject();
  static constexpr const char* kFolder = "A:\\";
  // The names of the files on the disk in A:, sorted.
  static Lines Files() { return FolderFiles(kFolder); }
  // A file on the inserted disk, as "A:\name".
  static std::string File(const std::string& name) { return kFolder + name; }
};

}  // namespace e2e
