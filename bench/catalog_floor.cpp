// The floor the catalog is measured against: the catalog's own window templates (sarnovo.rc is
// compiled into this program, so they are the same bytes) shown by dialog procedures that do only
// the bare work each measured command cannot do without, each the cheapest correct way:
//   start-up  reads the two collection files whole and fills the two lists, drawing off, before
//             the window is shown, and sets their horizontal extent to the widest line, as the
//             catalog does;
//   Add       takes the two texts from Add Web Site, refuses an address that begins one of the
//             collection, appends the site to both lists, writes both files with the new line
//             (each to a temporary file forced to the disk), replaces the pair so that a cut
//             leaves a pair that belongs together (ReplacePair), shows the same message box,
//             then reads both files again and refills both lists;
//   Find      takes the text from Find Web Site, finds the first description that begins with it
//             (letters compared without regard to case, by the catalog's table of the code
//             page's letters) by a bare scan of the lines in memory, selects its row in both
//             lists and shows its address as the destination.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "catalog/collection.h"
#include "common/suite.h"
#include "resources/catalog_ids.h"

namespace {

constexpr const char* kAddresses = LUNETAR_CATALOG_FOLDER "data.ini";
constexpr const char* kDescriptions = LUNETAR_CATALOG_FOLDER "desc.ini";

// A collection file read in one go, its lines ended in place: the list box copies each line, so
// no line is copied on the way.
struct LineFile {
  std::unique_ptr<char[]> bytes;
  std::vector<const char*> lines;
};

// One entry per line; the line end (LF, with a CR right before it) is dropped and a last line
// without an end counts, as in the catalog's files.
bool ReadLines(const char* path, LineFile& file) {
  HANDLE handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size = {};
  GetFileSizeEx(handle, &size);
  const auto length = static_cast<std::size_t>(size.QuadPart);
  file.bytes.reset(new char[length + 1]);
  DWORD got = 0;
  const BOOL read = ReadFile(handle, file.bytes.get(), static_cast<DWORD>(length), &got, nullptr);
  CloseHandle(handle);
  if (!read) return false;
  char* p = file.bytes.get();
  char* const end = p + got;
  *end = '\0';
  file.lines.clear();
  while (p < end) {
    char* lineEnd = static_cast<char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    if (!lineEnd) {
      file.lines.push_back(p);
      break;
    }
    char* textEnd = lineEnd;
    if (textEnd > p && textEnd[-1] == '\r') --textEnd;
    *textEnd = '\0';
    file.lines.push_back(p);
    p = lineEnd + 1;
  }
  return true;
}

// Fills a list, drawing off: a visible list box with a scroll bar otherwise updates the bar at
// every line. (LB_INITSTORAGE gains nothing under Wine 8: the list shrinks its storage back at
// the first line added.)
void Fill(HWND list, const LineFile& file) {
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const char* line : file.lines) {
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  // The horizontal scroll bar reaches the end of the widest line, as in the catalog: each line's
  // width summed from the font's character widths, taken once.
  HDC dc = GetDC(list);
  HGDIOBJ font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
  INT widths[256] = {};
  GetCharWidth32A(dc, 0, 255, widths);
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, font);
  ReleaseDC(list, dc);
  LONG widest = 0;
  for (const char* line : file.lines) {
    LONG width = 0;
    for (const char* c = line; *c; ++c) width += widths[static_cast<unsigned char>(*c)];
    widest = std::max(widest, width);
  }
  SendMessageA(list, LB_SETHORIZONTALEXTENT, widest + 2 * metrics.tmAveCharWidth, 0);
}

// The lines and one more, each followed by CR LF, written to the temporary file path + ".new" and
// forced to the disk, as the catalog saves. They go out in pieces of 64 KiB: under Wine one write
// of the whole 5 MB from a buffer allocated for it takes several times as long.
bool WriteLines(const char* path, const LineFile& file, const std::string& added) {
  const std::string temporary = std::string(path) + ".new";
  HANDLE handle = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  static char buffer[65536];
  std::size_t used = 0;
  bool wrote = true;
  auto writeBuffer = [&] {
    DWORD written = 0;
    wrote = wrote && WriteFile(handle, buffer, static_cast<DWORD>(used), &written, nullptr) &&
            written == used;
    used = 0;
  };
  auto put = [&](const char* text, std::size_t length) {
    // A line longer than the buffer goes out in several pieces.
    while (used + length + 2 > sizeof buffer) {
      const std::size_t part = std::min(length, sizeof buffer - used);
      std::memcpy(buffer + used, text, part);
      used += part;
      text += part;
      length -= part;
      writeBuffer();
    }
    std::memcpy(buffer + used, text, length);
    used += length;
    buffer[used++] = '\r';
    buffer[used++] = '\n';
  };
  for (const char* line : file.lines) put(line, std::strlen(line));
  put(added.data(), added.size());
  writeBuffer();
  wrote = wrote && FlushFileBuffers(handle);
  const bool closed = CloseHandle(handle) != FALSE;
  return wrote && closed;
}

bool MoveOver(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

// Both temporaries replace the pair so that a cut anywhere leaves a pair that belongs together,
// which the catalog must do too: the earlier descriptions wait beside the file until the
// addresses are replaced as well. (What putting a cut-off pair right costs at the next start is
// not part of this command.)
bool ReplacePair() {
  const std::string descriptions = kDescriptions;
  const std::string addresses = kAddresses;
  const std::string earlier = descriptions + ".old";
  if (!MoveOver(descriptions, earlier)) return false;
  if (!MoveOver(descriptions + ".new", descriptions) || !MoveOver(addresses + ".new", addresses)) {
    MoveOver(earlier, descriptions);
    return false;
  }
  return DeleteFileA(earlier.c_str()) != FALSE;
}

struct Collection {
  LineFile addresses, descriptions;
};
Collection g_collection;

bool Load(HWND dialog) {
  Collection read;
  if (!ReadLines(kAddresses, read.addresses) || !ReadLines(kDescriptions, read.descriptions)) {
    return false;
  }
  Fill(GetDlgItem(dialog, IDC_ADDRESSES), read.addresses);
  Fill(GetDlgItem(dialog, IDC_DESCRIPTIONS), read.descriptions);
  g_collection = std::move(read);
  return true;
}

// The texts of Add Web Site (address, description) or Find Web Site (its one field, 1002).
struct Texts {
  std::string first, second;
};

std::string TextOf(HWND dialog, int id) {
  char text[256] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

INT_PTR CALLBACK SiteProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    Texts* texts = reinterpret_cast<Texts*>(GetWindowLongPtrA(dialog, DWLP_USER));
    texts->first = TextOf(dialog, IDC_SITE_ADDRESS);
    texts->second = TextOf(dialog, IDC_SITE_DESCRIPTION);
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  if (LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

bool AskTexts(HWND owner, int templateId, Texts& texts) {
  return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), owner, SiteProc,
                         reinterpret_cast<LPARAM>(&texts)) == IDOK;
}

unsigned char Folded(char c) { return lunetar::kLowerCase[static_cast<unsigned char>(c)]; }

// The row of the first line that begins with text, or -1. A scan of the lines in memory:
// LB_FINDSTRING finds the same row in the list but compares by the locale's rules, which under
// Wine takes some 15 ms over 100,000 lines where this scan takes about 1.
int FindPrefix(const LineFile& file, const std::string& text) {
  for (std::size_t row = 0; row < file.lines.size(); ++row) {
    const char* line = file.lines[row];
    std::size_t i = 0;
    // A shorter line ends in its NUL, which no character of text matches.
    while (i < text.size() && Folded(line[i]) == Folded(text[i])) ++i;
    if (i == text.size()) return static_cast<int>(row);
  }
  return -1;
}

void OnAdd(HWND dialog) {
  Texts site;
  if (!AskTexts(dialog, IDD_ADD_SITE, site)) return;
  // The catalog keeps no site twice: an address that begins one of the collection is refused.
  if (FindPrefix(g_collection.addresses, site.first) != -1) return;
  // The new site goes to the end of both lists before the save, as the catalog's Add puts it
  // there: a failed save keeps it in the lists for the next one.
  SendDlgItemMessageA(dialog, IDC_ADDRESSES, LB_ADDSTRING, 0,
                      reinterpret_cast<LPARAM>(site.first.c_str()));
  SendDlgItemMessageA(dialog, IDC_DESCRIPTIONS, LB_ADDSTRING, 0,
                      reinterpret_cast<LPARAM>(site.second.c_str()));
  if (!WriteLines(kDescriptions, g_collection.descriptions, site.second) ||
      !WriteLines(kAddresses, g_collection.addresses, site.first) || !ReplacePair()) {
    return;
  }
  const std::string added = site.first + " was added successfully.    ";
  MessageBoxExA(nullptr, added.c_str(), "SARNOVO", MB_ICONINFORMATION | MB_OK,
                MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
  Load(dialog);
}

void OnFind(HWND dialog) {
  Texts find;
  if (!AskTexts(dialog, IDD_FIND_SITE, find) || find.first.empty()) return;
  const int row = FindPrefix(g_collection.descriptions, find.first);
  if (row == -1) return;
  SendDlgItemMessageA(dialog, IDC_DESCRIPTIONS, LB_SETCURSEL, row, 0);
  SendDlgItemMessageA(dialog, IDC_ADDRESSES, LB_SETCURSEL, row, 0);
  // The found site's address becomes the destination, as in the catalog.
  if (static_cast<std::size_t>(row) < g_collection.addresses.lines.size()) {
    SetDlgItemTextA(dialog, IDC_DESTINATION, g_collection.addresses.lines[row]);
  }
}

INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    Load(dialog);
    return TRUE;
  }
  if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED) return FALSE;
  switch (LOWORD(wParam)) {
    case IDC_ADD:
      OnAdd(dialog);
      return TRUE;
    case IDC_FIND:
      OnFind(dialog);
      return TRUE;
    case IDCANCEL:
      EndDialog(dialog, IDCANCEL);
      return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return static_cast<int>(
      DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CATALOG), nullptr, FloorProc, 0));
}
