// Measures the reader against floors measured beside it, in one run under the same conditions:
//   start-up:  from starting guide.exe to its window being shown, against the minimal dialog
//   chapter:   showing the longest chapter, against a bare fill of the same lines
//   memory:    peak working set after both, against the minimal dialog's
// Each figure is the median of several runs, reader and floor taking turns.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "resources/reader_ids.h"

namespace {

constexpr int kRuns = 25;
constexpr const char* kFolder = "C:\\lunetar-bench\\";

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return 1000.0 * counter.QuadPart / frequency.QuadPart;
}

struct Found {
  DWORD process;
  HWND window;
};

BOOL CALLBACK FindShown(HWND window, LPARAM lParam) {
  Found* found = reinterpret_cast<Found*>(lParam);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == found->process && IsWindowVisible(window)) {
    found->window = window;
    return FALSE;
  }
  return TRUE;
}

struct Run {
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
  double startMs = 0;
};

// Starts program in the bench folder and waits until its window is visible.
Run Start(const std::string& program) {
  Run run;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string path = kFolder + program;
  std::string commandLine = program;
  const double start = Now();
  if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, kFolder,
                      &startup, &run.process)) {
    std::fprintf(stderr, "cannot start %s\n", path.c_str());
    std::exit(1);
  }
  Found found = {run.process.dwProcessId, nullptr};
  while (!found.window) {
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&found));
    if (!found.window) Sleep(1);
  }
  run.startMs = Now() - start;
  run.window = found.window;
  return run;
}

void Stop(Run& run) {
  PostMessageA(run.window, WM_COMMAND, IDCANCEL, 0);
  if (WaitForSingleObject(run.process.hProcess, 5000) != WAIT_OBJECT_0) {
    TerminateProcess(run.process.hProcess, 1);
  }
  CloseHandle(run.process.hProcess);
  CloseHandle(run.process.hThread);
}

// Shows the longest chapter: in the reader by choosing it and pressing Chapter, in the minimal
// program by its OK command. SendMessage returns once the handler is done.
double ShowLongestChapter(Run& run, bool reader) {
  if (reader) {
    HWND combo = GetDlgItem(run.window, IDC_CHAPTER);
    SendMessageA(combo, CB_SETCURSEL, 19, 0);
  }
  // Whatever is still to be painted (the window just shown, the choice) is painted first.
  RedrawWindow(run.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  SendMessageA(run.window, WM_NULL, 0, 0);
  const double start = Now();
  SendMessageA(run.window, WM_COMMAND, IDOK, 0);
  // Include the repaint that the fill asked for.
  RedrawWindow(run.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  SendMessageA(run.window, WM_NULL, 0, 0);
  return Now() - start;
}

double PeakWorkingSetKb(const Run& run) {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(run.process.hProcess, &counters, sizeof counters);
  return counters.PeakWorkingSetSize / 1024.0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Figures {
  std::vector<double> startMs, chapterMs, peakKb;
};

void MeasureOnce(const std::string& program, bool reader, Figures& figures) {
  Run run = Start(program);
  figures.startMs.push_back(run.startMs);
  figures.chapterMs.push_back(ShowLongestChapter(run, reader));
  figures.peakKb.push_back(PeakWorkingSetKb(run));
  Stop(run);
}

void Print(const char* what, double value, double floor, const char* unit, double aim) {
  std::printf("%-34s %9.1f %-3s %9.1f %-3s %6.2f   %.1f\n", what, value, unit, floor, unit,
              value / floor, aim);
}

}  // namespace

int main() {
  // The reader as a user starts it who has turned the Tip of the Day off: the tip is still read
  // from the tips file beside the program, but not shown.
  const DWORD tipOff = 1;
  RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Lunetar\\guide\\Tip", "StartUp", REG_DWORD,
                  &tipOff, sizeof tipOff);
  // Reader and floor take turns, so that a change in the machine's load falls on both.
  Figures reader, floor;
  for (int i = 0; i < kRuns; ++i) {
    MeasureOnce("guide.exe", true, reader);
    MeasureOnce("minimal_dialog.exe", false, floor);
  }
  std::printf("%-34s %13s %13s %6s   %s\n", "figure (median of 25 runs each)", "reader", "floor",
              "ratio", "aim");
  Print("start to window shown", Median(reader.startMs), Median(floor.startMs), "ms", 1.3);
  Print("show the longest chapter", Median(reader.chapterMs), Median(floor.chapterMs), "ms", 1.5);
  Print("peak working set", Median(reader.peakKb), Median(floor.peakKb), "KiB", 1.2);
  return 0;
}
