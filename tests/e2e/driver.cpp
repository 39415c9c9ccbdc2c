#include "driver.h"

#include <fstream>
#include <sstream>

namespace e2e {
namespace {

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

// Item texts of another process's list or drop-down come back as UTF-16 whatever is asked for,
// so they are read with the wide messages.
std::string ItemOf(HWND control, UINT lengthMessage, UINT textMessage, int index) {
  LRESULT length = SendMessageW(control, lengthMessage, index, 0);
  if (length < 0) return {};
  std::wstring text(length + 1, L'\0');
  SendMessageW(control, textMessage, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(lstrlenW(text.c_str()));
  return Narrow(text);
}

std::vector<std::string> ItemsOf(HWND control, UINT countMessage, UINT lengthMessage,
                                 UINT textMessage) {
  std::vector<std::string> items;
  const LRESULT count = SendMessageW(control, countMessage, 0, 0);
  for (int i = 0; i < count; ++i) items.push_back(ItemOf(control, lengthMessage, textMessage, i));
  return items;
}

}  // namespace

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    Search search = {className, title, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(20);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (IsWindow(window)) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(20);
  }
  return true;
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
  SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(control, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]),
                      SMTO_ABORTIFHUNG, kTimeoutMs, &copied);
  text.resize(copied);
  return Narrow(text);
}

void SetItemText(HWND dialog, int id, const std::string& text) {
  const std::wstring wide = Widen(text);
  SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool IsChecked(HWND dialog, int id) {
  return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Click(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

bool PickEntry(HWND dialog, int comboId, const std::string& text) {
  HWND combo = GetDlgItem(dialog, comboId);
  const std::wstring wide = Widen(text);
  LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(wide.c_str()));
  if (index == CB_ERR) return false;
  SendMessageW(combo, CB_SETCURSEL, index, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  return true;
}

std::string SelectedEntry(HWND dialog, int comboId) {
  HWND combo = GetDlgItem(dialog, comboId);
  LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return {};
  return ItemOf(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, static_cast<int>(index));
}

std::vector<std::string> ComboEntries(HWND dialog, int comboId) {
  return ItemsOf(GetDlgItem(dialog, comboId), CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

std::vector<std::string> ListLines(HWND dialog, int listId) {
  return ItemsOf(GetDlgItem(dialog, listId), LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

int ListSelection(HWND dialog, int listId) {
  return static_cast<int>(SendMessageW(GetDlgItem(dialog, listId), LB_GETCURSEL, 0, 0));
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

void TypeKey(HWND window, WORD virtualKey) {
  SetForegroundWindow(window);
  Sleep(100);
  INPUT keys[2] = {};
  keys[0].type = keys[1].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof keys[0]);
}

std::string MessageBoxText(HWND box) { return ItemText(box, 0xFFFF); }

bool Answer(HWND box, int buttonId) {
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, buttonId)));
  return WaitUntilGone(box);
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::vector<std::string> FileLines(const std::string& path) {
  std::vector<std::string> lines;
  std::istringstream in(FileBytes(path));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace e2e
