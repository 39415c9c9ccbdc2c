// Measures the site catalog with a collection of 100,000 sites against floors measured beside it,
// in one run under the same conditions (catalog_floor.cpp says what each floor does):
//   start-up:  from starting the program to its window being shown, the lists full
//   Find:      from pressing Find in Find Web Site (the last site's description typed, the
//              dialog's tool tips made) to the dialog gone, its row selected in both lists, its
//              address the destination and the window painted
//   Add:       from pressing Add Site in Add Web Site (both texts typed, the dialog's tool tips
//              made) to the message box that
//              reports the site added, plus from answering the box to both lists refilled and
//              painted; the time the box waits for its answer is not counted
//   memory:    peak working set after all of these
// Each run starts from the same two files; each figure is the median of several runs, catalog
// and floor taking turns.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "catalog/collection.h"
#include "common/suite.h"
#include "resources/catalog_ids.h"

namespace {

// Enough for a steady median at this scale; a number on the command line replaces it.
constexpr int kRuns = 61;
// Runs of each before those that count (bench::MeasureInTurns).
constexpr int kWarmUpRuns = 3;
// Lines of each collection file: the built-in entry, which the catalog would otherwise append,
// and generated sites after it; a second number on the command line replaces it (up to
// 1,000,000).
int g_sites = 100000;
constexpr const char* kAddedAddress = "https://added.example/";
constexpr const char* kAddedDescription = "Added by the benchmark";
// The prefix that only the last site's description has.
std::string LastDescription() {
  char text[64];
  std::snprintf(text, sizeof text, "Example site %06d", g_sites - 1);
  return text;
}
constexpr const char* kDialogClass = "#32770";

struct Files {
  std::string addresses, descriptions;
};

Files Generate() {
  Files files;
  files.addresses = std::string(lunetar::kBuiltInAddress) + "\r\n";
  files.descriptions = std::string(lunetar::kBuiltInDescription) + "\r\n";
  char line[128];
  for (int i = 1; i < g_sites; ++i) {
    std::snprintf(line, sizeof line, "https://site%06d.example/\r\n", i);
    files.addresses += line;
    std::snprintf(line, sizeof line, "Example site %06d: its pages, notes and news\r\n", i);
    files.descriptions += line;
  }
  return files;
}

void WriteWhole(const std::string& path, const std::string& bytes) {
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  const bool wrote = handle != INVALID_HANDLE_VALUE &&
                     WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                               nullptr) &&
                     written == bytes.size();
  if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  if (!wrote) bench::Fail("cannot write " + path);
}

// Every run starts from the same collection: the Add of the run before has grown it.
void InstallCollection(const Files& files) {
  const std::string folder = LUNETAR_CATALOG_FOLDER;
  CreateDirectoryA(folder.c_str(), nullptr);
  for (const char* leftover : {"data.ini.new", "desc.ini.new", "desc.ini.old"}) {
    DeleteFileA((folder + leftover).c_str());
  }
  WriteWhole(folder + "data.ini", files.addresses);
  WriteWhole(folder + "desc.ini", files.descriptions);
}

LRESULT Ask(HWND dialog, int id, UINT message, WPARAM wParam = 0) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(GetDlgItem(dialog, id), message, wParam, 0, SMTO_NORMAL,
                           bench::kAnswerMs, &result)) {
    bench::Fail("a control does not answer");
  }
  return static_cast<LRESULT>(result);
}

void CheckLists(HWND window, int count, int selected, const char* after) {
  for (int id : {IDC_ADDRESSES, IDC_DESCRIPTIONS}) {
    if (Ask(window, id, LB_GETCOUNT) != count || Ask(window, id, LB_GETCURSEL) != selected) {
      bench::Fail(std::string("the lists are not as they should be ") + after);
    }
  }
}

void SetText(HWND dialog, int id, const char* text) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text),
                      SMTO_NORMAL, bench::kAnswerMs, &result);
}

double FindLast(HWND window, bool catalog) {
  bench::PostClick(window, IDC_FIND);
  HWND find = bench::WaitForVisible(kDialogClass, "Find Web Site");
  // The catalog's dialog makes its tool tips once it has shown itself: that is not part of Find.
  if (catalog) bench::WaitForToolTips(find);
  SetText(find, IDC_FIND_TEXT, LastDescription().c_str());
  bench::Settle(find);
  const double start = bench::Now();
  bench::PostClick(find, IDOK);
  // The dialog goes first; the search runs after, and Settle waits for it and its painting.
  bench::WaitUntilGone(find);
  bench::Settle(window);
  const double ms = bench::Now() - start;
  CheckLists(window, g_sites, g_sites - 1, "after Find");
  return ms;
}

struct AddTimes {
  double toBox, afterBox;
};

AddTimes AddOne(HWND window, bool catalog) {
  bench::PostClick(window, IDC_ADD);
  HWND add = bench::WaitForVisible(kDialogClass, "Add Web Site");
  if (catalog) bench::WaitForToolTips(add);
  SetText(add, IDC_SITE_ADDRESS, kAddedAddress);
  SetText(add, IDC_SITE_DESCRIPTION, kAddedDescription);
  bench::Settle(add);
  const double start = bench::Now();
  bench::PostClick(add, IDOK);
  HWND box = bench::WaitForVisible(kDialogClass, "SARNOVO");
  AddTimes times;
  times.toBox = bench::Now() - start;
  const std::string expected = std::string(kAddedAddress) + " was added successfully.    ";
  if (bench::ItemText(box, 0xFFFF) != expected) {
    bench::Fail("Add showed \"" + bench::ItemText(box, 0xFFFF) + "\"");
  }
  const double answered = bench::Now();
  bench::PostClick(box, IDOK);
  bench::WaitUntilGone(box);
  bench::Settle(window);
  times.afterBox = bench::Now() - answered;
  CheckLists(window, g_sites + 1, LB_ERR, "after Add");
  return times;
}

// Start-up, Find, Add and its two parts, and the peak working set of one run.
bench::Sample MeasureOnce(bool catalog, const Files& files) {
  InstallCollection(files);
  bench::Run run = bench::Start(catalog ? "sarnovo.exe" : "catalog_floor.exe");
  bench::Settle(run.window);
  CheckLists(run.window, g_sites, LB_ERR, "at start");
  const double findMs = FindLast(run.window, catalog);
  const AddTimes add = AddOne(run.window, catalog);
  const bench::Sample sample = {run.startMs,  findMs,    add.toBox + add.afterBox,
                                add.toBox,    add.afterBox,
                                bench::PeakWorkingSetKb(run.process.hProcess)};
  bench::Stop(run);
  return sample;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : kRuns;
  if (runs < 1) bench::Fail("the number of runs must be at least 1");
  if (argc > 2) g_sites = std::atoi(argv[2]);
  if (g_sites < 2 || g_sites > 1000000) bench::Fail("the sites must be 2 to 1,000,000");
  const Files files = Generate();
  const bench::Runs kept = bench::MeasureInTurns(
      kWarmUpRuns, runs, true, [&](bool catalog) { return MeasureOnce(catalog, files); });
  std::printf("The catalog with %d sites, median of %d runs each (%d more measured again)\n",
              g_sites, runs, kept.measuredAgain);
  const auto& c = kept.program;
  const auto& f = kept.floor;
  bench::PrintHeader("figure", "catalog");
  bench::PrintRow("start to window shown, lists full", c[0], f[0], "ms", 1.2);
  bench::PrintRow("Find of the last entry", c[1], f[1], "ms", 1.2);
  bench::PrintRow("Add", c[2], f[2], "ms", 1.2);
  bench::PrintRow("  of it: Add Site to the message box", c[3], f[3], "ms", 0);
  bench::PrintRow("  of it: answer to the lists refilled", c[4], f[4], "ms", 0);
  bench::PrintRow("peak working set", c[5], f[5], "MiB", 1.2, 1 / 1024.0);
  return 0;
}
