#include "driver.h"

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace e2e {
namespace {

// How often a bounded wait looks again at what it waits for.
constexpr DWORD kPollMs = 10;

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  int size = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string text(size, '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &text[0], size, nullptr, nullptr);
  text.resize(size - 1);
  return text;
}

std::wstring Widen(const std::string& text) {
  int size = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(size, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], size);
  wide.resize(size - 1);
  return wide;
}

// Sends a message and waits for its handler, however long the window's thread takes, up to the
// timeout.
bool SendAndWait(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                 DWORD_PTR* result = nullptr) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kTimeoutMs,
                             result ? result : &ignored) != 0;
}

}  // namespace

LRESULT Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  EXPECT_TRUE(SendAndWait(window, message, wParam, lParam, &result))
      << "no answer to message 0x" << std::hex << message << " from the window \""
      << WindowText(window) << "\"";
  return static_cast<LRESULT>(result);
}

namespace {

// Item texts of another process's list or drop-down come back as UTF-16 whatever is asked for,
// so they are read with the wide messages.
std::string ItemOf(HWND control, UINT lengthMessage, UINT textMessage, int index) {
  LRESULT length = Ask(control, lengthMessage, index, 0);
  if (length < 0) return {};
  std::wstring text(length + 1, L'\0');
  Ask(control, textMessage, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(lstrlenW(text.c_str()));
  return Narrow(text);
}

std::vector<std::string> ItemsOf(HWND control, UINT countMessage, UINT lengthMessage,
                                 UINT textMessage) {
  std::vector<std::string> items;
  const LRESULT count = Ask(control, countMessage, 0, 0);
  for (int i = 0; i < count; ++i) items.push_back(ItemOf(control, lengthMessage, textMessage, i));
  return items;
}

struct Search {
  const char* className;
  const char* title;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  Search* search = reinterpret_cast<Search*>(lParam);
  char className[64] = "";
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, search->className) == 0 && IsWindowVisible(window) &&
      WindowText(window) == search->title) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// Memory in another process, for the messages of common controls that pass a pointer and that
// the system does not carry across processes.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, std::size_t size) : m_size(size) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    m_process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    if (m_process) {
      m_address = VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
  }
  ~RemoteBuffer() {
    if (m_address) VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
    if (m_process) CloseHandle(m_process);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool Valid() const { return m_address != nullptr; }
  char* At(std::size_t offset) const { return static_cast<char*>(m_address) + offset; }
  bool Write(std::size_t offset, const void* bytes, std::size_t size) const {
    return offset + size <= m_size &&
           WriteProcessMemory(m_process, At(offset), bytes, size, nullptr);
  }
  bool Read(std::size_t offset, void* bytes, std::size_t size) const {
    return offset + size <= m_size && ReadProcessMemory(m_process, At(offset), bytes, size, nullptr);
  }

 private:
  std::size_t m_size;
  HANDLE m_process = nullptr;
  void* m_address = nullptr;
};

std::string DriveAFolder() {
  const char* linuxPath = std::getenv("LUNETAR_DRIVE_A");
  if (!linuxPath || !*linuxPath) return {};
  std::string path = std::string("Z:") + linuxPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

struct SpecialDisk {
  const char* variable;  // where the script mounted it
  const char* marker;    // the file that names it
};

const SpecialDisk& Special(DriveA::Disk disk) {
  static const SpecialDisk disks[] = {{"LUNETAR_DISK_READONLY", "write-protected.disk"},
                                      {"LUNETAR_DISK_FULL", "full.disk"}};
  return disks[disk == DriveA::Disk::WriteProtected ? 0 : 1];
}

bool ShowsMarker(const char* marker) {
  return GetFileAttributesA(DriveA::File(marker).c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Starts a program of the host (Z:\bin\<name>), for what Windows has no call for: the links that
// are Wine's own record of a drive, or that put a fault in a program's way. Its process cannot be
// waited for from here: the caller waits for what it does.
void StartOnHost(const char* name, std::string commandLine) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA((std::string("Z:\\bin\\") + name).c_str(), &commandLine[0], nullptr,
                             nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
      << "cannot start " << name << " (error " << GetLastError() << ")";
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

std::string Prefix() {
  const char* prefix = std::getenv("WINEPREFIX");
  return prefix ? prefix : "";
}

// Points drive A: of the prefix at a Linux folder; the caller waits for the drive to show what it
// expects.
void MapDriveA(const std::string& linuxFolder) {
  ASSERT_FALSE(Prefix().empty()) << "WINEPREFIX is not set";
  StartOnHost("ln", "ln -sfn \"" + linuxFolder + "\" \"" + Prefix() + "/dosdevices/a:\"");
}

// The host's path of a file of the prefix: C:\x\y is <prefix>/dosdevices/c:/x/y.
std::string HostPath(const std::string& windowsPath) {
  std::string path = Prefix() + "/dosdevices/" +
                     static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0]))) +
                     windowsPath.substr(1);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

// Runs a shell script on the host and returns once it has run: the script's last step makes a
// file that is waited for here. The script quotes with single quotes only.
void RunOnHost(const std::string& script) {
  ASSERT_FALSE(Prefix().empty()) << "WINEPREFIX is not set";
  char temp[MAX_PATH] = "";
  GetTempPathA(MAX_PATH, temp);
  const std::string done = std::string(temp) + "lunetar-host-script.done";
  DeleteFileA(done.c_str());
  StartOnHost("sh", "sh -c \"" + script + "; : >'" + HostPath(done) + "'\"");
  ASSERT_TRUE(Eventually("the host to run: " + script, [&] { return FileExists(done); }));
  DeleteFileA(done.c_str());
}

const char* FaultDisk(Fault fault) {
  return std::getenv(fault == Fault::Full ? "LUNETAR_DISK_FULL" : "LUNETAR_DISK_READONLY");
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(kPollMs);
  }
}

::testing::AssertionResult Eventually(const std::string& what, const std::function<bool()>& done,
                                      DWORD timeoutMs) {
  if (WaitUntil(done, timeoutMs)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "waited " << timeoutMs << " ms for " << what;
}

HWND FindVisibleWindow(const char* className, const char* title) {
  Search search = {className, title, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindVisibleWindow(className, title)) != nullptr; }, timeoutMs);
  return found;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
  return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

std::string WindowText(HWND window) {
  char text[4096] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// Asked of the control itself: another process's edit field keeps its text to itself.
std::string ItemText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  DWORD_PTR length = 0;
  SendAndWait(control, WM_GETTEXTLENGTH, 0, 0, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendAndWait(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]), &copied);
  text.resize(copied);
  return Narrow(text);
}

void SetItemText(HWND dialog, int id, const std::string& text) {
  const std::wstring wide = Widen(text);
  Ask(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool IsChecked(HWND dialog, int id) {
  return Ask(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND dialog, int id, bool checked) {
  Ask(GetDlgItem(dialog, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Press(HWND dialog, int id) {
  EXPECT_TRUE(SendAndWait(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                          reinterpret_cast<LPARAM>(GetDlgItem(dialog, id))))
      << "the window \"" << WindowText(dialog) << "\" did not handle the click on " << id;
}

HWND PressFor(HWND dialog, int id, const char* title, const char* className) {
  PostClick(dialog, id);
  HWND window = WaitForWindow(className, title);
  EXPECT_TRUE(window) << "pressing " << id << " opened no window \"" << title << "\"";
  return window;
}

void PostClick(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool PickEntry(HWND dialog, int comboId, const std::string& text) {
  HWND combo = GetDlgItem(dialog, comboId);
  const std::wstring wide = Widen(text);
  LRESULT index = Ask(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(wide.c_str()));
  if (index == CB_ERR) return false;
  Ask(combo, CB_SETCURSEL, index, 0);
  return SendAndWait(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
}

std::string SelectedEntry(HWND dialog, int comboId) {
  HWND combo = GetDlgItem(dialog, comboId);
  LRESULT index = Ask(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return {};
  return ItemOf(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, static_cast<int>(index));
}

std::vector<std::string> ComboEntries(HWND dialog, int comboId) {
  return ItemsOf(GetDlgItem(dialog, comboId), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

std::vector<std::string> ListLines(HWND dialog, int listId) {
  return ItemsOf(GetDlgItem(dialog, listId), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::string ListLine(HWND dialog, int listId, int index) {
  return ItemOf(GetDlgItem(dialog, listId), LB_GETTEXTLEN, LB_GETTEXT, index);
}

int ListCount(HWND dialog, int listId) {
  return static_cast<int>(Ask(GetDlgItem(dialog, listId), LB_GETCOUNT, 0, 0));
}

int ListSelection(HWND dialog, int listId) {
  return static_cast<int>(Ask(GetDlgItem(dialog, listId), LB_GETCURSEL, 0, 0));
}

void SelectRow(HWND dialog, int listId, int index) {
  HWND list = GetDlgItem(dialog, listId);
  Ask(list, LB_SETCURSEL, index, 0);
  EXPECT_TRUE(SendAndWait(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_SELCHANGE),
                          reinterpret_cast<LPARAM>(list)))
      << "the window did not handle the selection in list " << listId;
}

void DoubleClickRow(HWND dialog, int listId, int index) {
  SelectRow(dialog, listId, index);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_DBLCLK),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, listId)));
}

void RightClick(HWND dialog, int x, int y) {
  PostMessageA(dialog, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(x, y));
  PostMessageA(dialog, WM_RBUTTONUP, 0, MAKELPARAM(x, y));
}

namespace {
// The tool-tip control that window owns; nullptr when it has none.
HWND ToolTipControl(HWND window) {
  HWND tips = nullptr;
  while ((tips = FindWindowExA(nullptr, tips, TOOLTIPS_CLASSA, nullptr))) {
    if (GetWindow(tips, GW_OWNER) == window) return tips;
  }
  return nullptr;
}

// One tool of a tool-tip control, asked for with message (TTM_ENUMTOOLSA, TTM_GETCURRENTTOOLA):
// its control's id and its text. The tool's record and its text are read in the control's own
// process. False when the control has no such tool.
bool ReadTool(HWND tips, UINT message, WPARAM index, std::pair<int, std::string>& hint) {
  constexpr std::size_t kTextOffset = sizeof(TTTOOLINFOA);
  constexpr std::size_t kTextSize = 1024;
  RemoteBuffer remote(tips, kTextOffset + kTextSize);
  if (!remote.Valid()) {
    ADD_FAILURE() << "cannot reach the tool-tip control's process";
    return false;
  }
  TTTOOLINFOA tool = {};
  tool.cbSize = sizeof tool;
  tool.lpszText = remote.At(kTextOffset);
  const char nothing = '\0';
  remote.Write(0, &tool, sizeof tool);
  remote.Write(kTextOffset, &nothing, 1);
  if (!Ask(tips, message, index, reinterpret_cast<LPARAM>(remote.At(0)))) return false;
  char text[kTextSize] = "";
  remote.Read(0, &tool, sizeof tool);
  remote.Read(kTextOffset, text, sizeof text - 1);
  const HWND control = (tool.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(tool.uId) : nullptr;
  hint = {control ? GetDlgCtrlID(control) : -1, text};
  return true;
}
}  // namespace

Hints ToolTips(HWND window) {
  Hints hints;
  // A dialog makes its tool tips once it has shown itself.
  HWND tips = nullptr;
  if (!WaitUntil([&] { return (tips = ToolTipControl(window)) != nullptr; })) return hints;
  const LRESULT count = Ask(tips, TTM_GETTOOLCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::pair<int, std::string> hint;
    if (ReadTool(tips, TTM_ENUMTOOLSA, i, hint)) hints.push_back(hint);
  }
  return hints;
}

std::pair<int, std::string> ShownHint(HWND dialog, int id) {
  // The tool tips are made once the dialog has shown itself; a hint shows for a pointer that
  // moves after that.
  if (!WaitUntil([&] { return ToolTipControl(dialog) != nullptr; })) return {0, ""};
  RECT control = {};
  GetWindowRect(GetDlgItem(dialog, id), &control);
  // A tool tip shows for the active window only.
  SetForegroundWindow(dialog);
  EXPECT_TRUE(Eventually("the window to come to the front",
                         [&] { return GetForegroundWindow() == dialog; }));
  SetCursorPos((control.left + control.right) / 2, (control.top + control.bottom) / 2);
  std::pair<int, std::string> shown{0, ""};
  WaitUntil([&] {
    HWND tips = ToolTipControl(dialog);
    return tips && IsWindowVisible(tips) && ReadTool(tips, TTM_GETCURRENTTOOLA, 0, shown);
  });
  // The pointer leaves the window again, so that no hint shows for a later step.
  SetCursorPos(0, 0);
  return shown;
}

HWND FocusedControl(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

void PostKey(HWND window, UINT virtualKey) {
  HWND target = FocusedControl(window);
  if (!target) target = window;
  PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
  PostMessageA(target, WM_KEYUP, virtualKey, 0xC0000001);
}

bool CloseByKey(HWND window, UINT virtualKey) {
  PostKey(window, virtualKey);
  return WaitUntilGone(window);
}

// Typed input goes to the foreground window's thread, so the key waits until window is there.
void TypeKey(HWND window, WORD virtualKey) {
  SetForegroundWindow(window);
  EXPECT_TRUE(Eventually("the window to come to the front",
                         [&] { return GetForegroundWindow() == window; }));
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  EXPECT_EQ(SendInput(2, keys, sizeof keys[0]), 2u);
}

std::string MessageBoxText(HWND box) { return ItemText(box, 0xFFFF); }

bool Answer(HWND box, int buttonId) {
  PostClick(box, buttonId);
  return WaitUntilGone(box);
}

void ExpectMessage(const char* title, const std::string& text, int answer) {
  HWND box = WaitForWindow("#32770", title);
  ASSERT_TRUE(box) << "no message \"" << text << "\"";
  EXPECT_EQ(MessageBoxText(box), text);
  ASSERT_TRUE(Answer(box, answer));
}

void ExpectNoMoreMessages(HWND window, WPARAM aboutCommand, const char* aboutTitle,
                          const char* boxTitle) {
  PostMessageA(window, WM_SYSCOMMAND, aboutCommand, 0);
  HWND about = WaitForWindow("#32770", aboutTitle);
  HWND box = FindVisibleWindow("#32770", boxTitle);
  if (about) {
    PostMessageA(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntilGone(about));
  }
  ASSERT_TRUE(about) << "\"" << WindowText(window) << "\" did not come back from its command";
  EXPECT_FALSE(box) << "unexpected message \"" << MessageBoxText(box) << "\"";
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  out.close();
  EXPECT_TRUE(out) << "cannot write " << path;
}

Lines FolderFiles(const std::string& folder) {
  Lines names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

Contents FolderContents(const std::string& folder) {
  Contents contents;
  for (const std::string& name : FolderFiles(folder)) {
    contents.emplace_back(name, FileBytes(folder + name));
  }
  return contents;
}

void WriteFolder(const std::string& folder, const Contents& files) {
  for (const auto& file : files) WriteFile(folder + file.first, file.second);
}

bool EmptyFolder(const std::string& folder) {
  bool emptied = true;
  for (const std::string& name : FolderFiles(folder)) {
    const std::string path = folder + name;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileA(path.c_str())) {
      const DWORD error = GetLastError();
      ADD_FAILURE() << "cannot remove " << path << " (error " << error << ")";
      emptied = false;
    }
  }
  // Wine removes a deleted file only once the last handle to it is closed, and then by its name:
  // the program of a process that has just ended can still be held, and a copy made under that
  // name before then would vanish with it. The folder is empty when no file is left in it.
  return emptied && static_cast<bool>(Eventually("the removed files of " + folder + " to be gone",
                                                 [&] { return FolderFiles(folder).empty(); }));
}

HeldFile::HeldFile(const std::string& path, Sharing sharing)
    : m_handle(CreateFileA(path.c_str(), GENERIC_READ,
                           sharing == Sharing::Read ? FILE_SHARE_READ | FILE_SHARE_WRITE : 0,
                           nullptr, OPEN_EXISTING, 0, nullptr)) {}

void HeldFile::Release() {
  if (m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
  m_handle = INVALID_HANDLE_VALUE;
}

bool FaultyFile::Available(Fault fault) {
  const char* disk = FaultDisk(fault);
  return !Prefix().empty() && disk && *disk;
}

FaultyFile::FaultyFile(const std::string& windowsPath, Fault fault) {
  if (!Available(fault)) {
    ADD_FAILURE() << "no disk for the fault (WINEPREFIX, LUNETAR_DISK_FULL, LUNETAR_DISK_READONLY)";
    return;
  }
  EXPECT_FALSE(FileExists(windowsPath)) << windowsPath << " is there already";
  m_link = HostPath(windowsPath);
  m_target = std::string(FaultDisk(fault)) + "/" +
             windowsPath.substr(windowsPath.find_last_of('\\') + 1);
  RunOnHost("rm -f '" + m_target + "' 2>/dev/null; ln -sfn '" + m_target + "' '" + m_link + "'");
}

FaultyFile::~FaultyFile() {
  if (!m_link.empty()) RunOnHost("rm -f '" + m_link + "' '" + m_target + "' 2>/dev/null");
}

bool DriveA::Available() { return !DriveAFolder().empty(); }

void DriveA::Insert() {
  const std::string folder = DriveAFolder();
  ASSERT_FALSE(folder.empty()) << "drive A: is not mapped (LUNETAR_DRIVE_A is not set)";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS)
      << "cannot insert the disk " << folder;
}

bool DriveA::Available(Disk disk) {
  const char* folder = std::getenv(Special(disk).variable);
  return Available() && folder && *folder;
}

void DriveA::Insert(Disk disk) {
  ASSERT_TRUE(Available(disk)) << Special(disk).variable << " is not set";
  MapDriveA(std::getenv(Special(disk).variable));
  ASSERT_TRUE(Eventually(std::string("A: to show ") + Special(disk).marker,
                         [&] { return ShowsMarker(Special(disk).marker); }));
}

void DriveA::Eject() {
  const std::string folder = DriveAFolder();
  for (Disk disk : {Disk::WriteProtected, Disk::Full}) {
    if (folder.empty() || !ShowsMarker(Special(disk).marker)) continue;
    MapDriveA(std::getenv("LUNETAR_DRIVE_A"));
    EXPECT_TRUE(Eventually("A: to be mapped back to its folder",
                           [&] { return !ShowsMarker(Special(disk).marker); }));
  }
  if (folder.empty() || !FileExists(folder)) return;
  EmptyFolder(folder + "\\");
  EXPECT_TRUE(RemoveDirectoryA(folder.c_str())) << "cannot eject the disk " << folder;
}

}  // namespace e2e
