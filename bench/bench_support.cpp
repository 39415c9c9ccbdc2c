#include "bench/bench_support.h"

#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace bench {
namespace {

// The program under measurement, which Fail ends so that a stopped bench leaves nothing running.
HANDLE g_running = nullptr;

// The pause after a program has ended, before the next one starts.
constexpr DWORD kPauseMs = 250;

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

struct Search {
  const char* className;
  const char* title;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  Search* search = reinterpret_cast<Search*>(lParam);
  char className[64] = "";
  char title[256] = "";
  GetClassNameA(window, className, sizeof className);
  if (lstrcmpA(className, search->className) != 0 || !IsWindowVisible(window)) return TRUE;
  GetWindowTextA(window, title, sizeof title);
  if (lstrcmpA(title, search->title) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

void SendAndWait(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kAnswerMs, &result)) {
    Fail("a window of the program under measurement does not answer");
  }
}

}  // namespace

double Now() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Fail(const std::string& what) {
  if (g_running) {
    TerminateProcess(g_running, 1);
    WaitForSingleObject(g_running, kAnswerMs);
  }
  std::fprintf(stderr, "benchmark stopped: %s\n", what.c_str());
  std::fflush(stdout);
  std::exit(1);
}

Run Start(const std::string& program) {
  Run run;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  const std::string path = kFolder + program;
  std::string commandLine = program;
  double start = Now();
  // Wine now and then fails a start with ERROR_INTERNAL_ERROR before the process has run any of
  // its own code; such a start is made again, and timed from its own beginning.
  for (int attempt = 0;; ++attempt) {
    start = Now();
    if (CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, kFolder,
                       &startup, &run.process)) {
      break;
    }
    if (GetLastError() != ERROR_INTERNAL_ERROR || attempt == 2) Fail("cannot start " + path);
  }
  g_running = run.process.hProcess;
  Found found = {run.process.dwProcessId, nullptr};
  for (;;) {
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&found));
    if (found.window) break;
    if (WaitForSingleObject(run.process.hProcess, 1) == WAIT_OBJECT_0) {
      Fail(program + " ended without showing a window");
    }
    if (Now() - start > kAnswerMs) Fail(program + " showed no window");
  }
  run.startMs = Now() - start;
  run.window = found.window;
  return run;
}

void Stop(Run& run) {
  TerminateProcess(run.process.hProcess, 0);
  if (WaitForSingleObject(run.process.hProcess, kAnswerMs) != WAIT_OBJECT_0) {
    Fail("a measured program does not end");
  }
  g_running = nullptr;
  CloseHandle(run.process.hProcess);
  CloseHandle(run.process.hThread);
  run = Run();
  Sleep(kPauseMs);
}

void Settle(HWND window) {
  // The thread handles a sent message only when it is back in its message loop, so the first one
  // returns after the work in hand; the painting that work asked for comes after it.
  SendAndWait(window, WM_NULL, 0, 0);
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  SendAndWait(window, WM_NULL, 0, 0);
}

void PostClick(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

HWND FindVisible(const char* className, const char* title) {
  Search search = {className, title, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForVisible(const char* className, const char* title, DWORD timeoutMs) {
  const double start = Now();
  for (;;) {
    if (HWND window = FindVisible(className, title)) return window;
    if (Now() - start > timeoutMs) Fail(std::string("no window \"") + title + "\" appeared");
    Sleep(1);
  }
}

void WaitForToolTips(HWND window, DWORD timeoutMs) {
  const double start = Now();
  for (;;) {
    HWND tips = nullptr;
    while ((tips = FindWindowExA(nullptr, tips, "tooltips_class32", nullptr))) {
      if (GetWindow(tips, GW_OWNER) == window) return;
    }
    if (Now() - start > timeoutMs) Fail("the window made no tool tips");
    Sleep(1);
  }
}

void WaitUntilGone(HWND window, DWORD timeoutMs) {
  const double start = Now();
  while (IsWindow(window)) {
    if (Now() - start > timeoutMs) Fail("a window did not close");
    Sleep(1);
  }
}

std::string ItemText(HWND dialog, int id) {
  // WM_GETTEXT is carried across processes, the buffer included.
  char text[1024] = "";
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text,
                      reinterpret_cast<LPARAM>(text), SMTO_NORMAL, kAnswerMs, &copied);
  return text;
}

double PeakWorkingSetKb(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(process, &counters, sizeof counters);
  return static_cast<double>(counters.PeakWorkingSetSize) / 1024.0;
}

namespace {
// Milliseconds of a fixed piece of arithmetic (some 15 ms): the machine's speed just now. The
// run after it begins on a busy processor: after the pause at the end of a run the processor has
// idled, and a start from idle was 4 to 8 % slower than one right after this. Without it,
// whichever of a pair went second was the slower.
double ProbeMs() {
  const double start = Now();
  volatile std::uint32_t x = 1;
  for (int i = 0; i < 3000000; ++i) x = x * 1664525u + 1013904223u;
  return Now() - start;
}

// Whether the machine runs at the speed of its fastest probe so far, within a fifth.
bool AtFullSpeed() {
  static double fastest = 1e9;
  const double probe = ProbeMs();
  fastest = std::min(fastest, probe);
  return probe <= 1.2 * fastest;
}
}  // namespace

Runs MeasureInTurns(int warmUp, int runs, bool fullSpeedOnly,
                    const std::function<Sample(bool program)>& measure) {
  for (int i = 0; i < 5; ++i) AtFullSpeed();
  Runs kept;
  for (int i = -warmUp; i < runs;) {
    const bool programFirst = i % 2 == 0;
    const bool steadyBefore = AtFullSpeed();
    const Sample first = measure(programFirst);
    const bool steadyBetween = AtFullSpeed();
    const Sample second = measure(!programFirst);
    if (fullSpeedOnly && i >= 0 && !(steadyBefore && steadyBetween && AtFullSpeed())) {
      if (++kept.measuredAgain > 4 * runs) Fail("the machine never ran at its full speed");
      continue;
    }
    if (i++ < 0) continue;
    const Sample& program = programFirst ? first : second;
    const Sample& floor = programFirst ? second : first;
    kept.program.resize(program.size());
    kept.floor.resize(floor.size());
    for (std::size_t f = 0; f < program.size(); ++f) kept.program[f].push_back(program[f]);
    for (std::size_t f = 0; f < floor.size(); ++f) kept.floor[f].push_back(floor[f]);
  }
  return kept;
}

double Quantile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const double at = fraction * static_cast<double>(values.size() - 1);
  const std::size_t below = static_cast<std::size_t>(at);
  const std::size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (at - static_cast<double>(below)) * (values[above] - values[below]);
}

void PrintHeader(const char* what, const char* program) {
  std::printf("%-38s %-24s %-24s %-18s %s\n", what, program, "floor", "ratio", "aim");
  std::printf("%-38s %-24s %-24s %-18s\n", "", "median [quartiles]", "median [quartiles]",
              "median [quartiles]");
}

void PrintRow(const char* what, const std::vector<double>& values,
              const std::vector<double>& floors, const char* unit, double aim, double scale) {
  auto figure = [&](const std::vector<double>& runs) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f %s [%.1f, %.1f]", scale * Quantile(runs, 0.5), unit,
                  scale * Quantile(runs, 0.25), scale * Quantile(runs, 0.75));
    return std::string(text);
  };
  // Each run's ratio to the floor run beside it: the two ran within a second or two of each other,
  // so a stretch of slow machine falls on both, and drops out of the ratio.
  std::vector<double> ratios;
  for (std::size_t run = 0; run < values.size() && run < floors.size(); ++run) {
    ratios.push_back(values[run] / floors[run]);
  }
  char ratio[64];
  std::snprintf(ratio, sizeof ratio, "%.2f [%.2f, %.2f]", Quantile(ratios, 0.5),
                Quantile(ratios, 0.25), Quantile(ratios, 0.75));
  std::printf("%-38s %-24s %-24s %-18s ", what, figure(values).c_str(), figure(floors).c_str(),
              ratio);
  if (aim > 0) {
    std::printf("%.2f\n", aim);
  } else {
    std::printf("-\n");
  }
  std::fflush(stdout);
}

}  // namespace bench
