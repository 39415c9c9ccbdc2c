// The floor the reader is measured against: the reader's own window template (guide.rc is
// compiled into this program, so the template is the same bytes) shown by a dialog procedure
// that does nothing of the reader's. Its Chapter button (IDOK) fills the text list with the
// book's longest chapter in the cheapest correct way, drawing off during the fill, and names it
// as the current selection.
#include <windows.h>

#include "reader/content/chapter_table.h"
#include "resources/reader_ids.h"

namespace {

constexpr int kLongestChapter = 19;

INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
    HWND list = GetDlgItem(dialog, IDC_TEXT_LIST);
    const lunetar::ChapterContent& chapter = lunetar::ChapterTable[kLongestChapter].content;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (std::size_t i = 0; i < chapter.count; ++i) {
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(chapter.lines[i]));
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    // The chapter shown becomes the current selection, as in the reader.
    SetDlgItemTextA(dialog, IDC_SELECTION, lunetar::ChapterTable[kLongestChapter].title);
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return static_cast<int>(
      DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_READER), nullptr, FloorProc, 0));
}
