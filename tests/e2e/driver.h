// Drives the suite's real windows from the test process: finds and waits for windows, clicks
// buttons, picks drop-down entries, reads lists and message boxes, and sends keys.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

constexpr DWORD kTimeoutMs = 10000;

// The first visible top-level window of class className ("#32770" for dialogs and message
// boxes) whose caption is exactly title; nullptr when none appears in time.
HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs = kTimeoutMs);
bool WaitUntilGone(HWND window, DWORD timeoutMs = kTimeoutMs);

std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
void SetItemText(HWND dialog, int id, const std::string& text);
bool IsChecked(HWND dialog, int id);

// Presses a push button as its click would (the dialog gets BN_CLICKED); posted, so a handler
// that opens a message box does not block the test.
void Click(HWND dialog, int id);
// Selects the drop-down entry whose text is exactly text and notifies the dialog, as a choice
// with the mouse would. Returns false when there is no such entry.
bool PickEntry(HWND dialog, int comboId, const std::string& text);
// The selected entry's text, or "" when none is selected.
std::string SelectedEntry(HWND dialog, int comboId);
std::vector<std::string> ComboEntries(HWND dialog, int comboId);
std::vector<std::string> ListLines(HWND dialog, int listId);
int ListSelection(HWND dialog, int listId);

// The control that has the keyboard focus in window's thread.
HWND FocusedControl(HWND window);
// Enter or Esc as the dialog manager sees them: posted to the focused control.
void PostKey(HWND window, UINT virtualKey);
// A real keystroke (needed for F1): brings window to the front and types the key.
void TypeKey(HWND window, WORD virtualKey);

// A message box: its text, and an answer by button id (IDOK, IDYES, IDNO).
std::string MessageBoxText(HWND box);
bool Answer(HWND box, int buttonId);

// Each line of a file, without line ends; empty when the file is missing.
std::vector<std::string> FileLines(const std::string& path);
std::string FileBytes(const std::string& path);
bool FileExists(const std::string& path);

}  // namespace e2e
