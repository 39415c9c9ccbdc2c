// Measures the reader against floors measured beside it, in one run under the same conditions:
//   start-up:  from starting guide.exe to its window being shown, against reader_floor.exe, which
//              shows the same window template with no code of the reader's
//   chapter:   showing the longest chapter, against a bare fill of the same lines that names
//              the chapter as the current selection
//   memory:    peak working set after both, against the floor program's
// Each figure is the median of several runs, reader and floor taking turns.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "resources/reader_ids.h"

namespace {

constexpr int kRuns = 121;
// Runs of each before those that count (bench::MeasureInTurns).
constexpr int kWarmUpRuns = 15;
constexpr int kLongestChapter = 19;

// Shows the longest chapter: in the reader by choosing it and pressing Chapter, in the floor by
// the same button, whose handler fills the list. SendMessage returns once the handler is done.
double ShowLongestChapter(const bench::Run& run, bool reader) {
  if (reader) {
    // The reader does what nobody sees at once (its tool tips) after the window has shown
    // itself: that is in no timed figure, since the start ends with the window visible (their
    // memory is in the peak working set, as it is for a user).
    bench::WaitForToolTips(run.window);
    HWND combo = GetDlgItem(run.window, IDC_CHAPTER);
    SendMessageA(combo, CB_SETCURSEL, kLongestChapter, 0);
  }
  // Whatever is still to be painted (the window just shown, the choice) is painted first.
  bench::Settle(run.window);
  const double start = bench::Now();
  SendMessageA(run.window, WM_COMMAND, IDOK, 0);
  // The repaint that the fill asked for is part of showing the chapter.
  bench::Settle(run.window);
  return bench::Now() - start;
}

// Start-up, showing the chapter and the peak working set of one run.
bench::Sample MeasureOnce(bool reader) {
  bench::Run run = bench::Start(reader ? "guide.exe" : "reader_floor.exe");
  const double chapterMs = ShowLongestChapter(run, reader);
  const bench::Sample sample = {run.startMs, chapterMs,
                                bench::PeakWorkingSetKb(run.process.hProcess)};
  bench::Stop(run);
  return sample;
}

}  // namespace

int main(int argc, char** argv) {
  // A number on the command line replaces the number of runs.
  const int runs = argc > 1 ? std::atoi(argv[1]) : kRuns;
  if (runs < 1) bench::Fail("the number of runs must be at least 1");
  // The reader as a user starts it who has turned the Tip of the Day off: the tip is still read
  // from the tips file beside the program, but not shown.
  const DWORD tipOff = 1;
  RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Lunetar\\guide\\Tip", "StartUp", REG_DWORD,
                  &tipOff, sizeof tipOff);
  const bench::Runs kept = bench::MeasureInTurns(kWarmUpRuns, runs, false, MeasureOnce);
  std::printf("The reader, median of %d runs each\n", runs);
  bench::PrintHeader("figure", "reader");
  bench::PrintRow("start to window shown", kept.program[0], kept.floor[0], "ms", 1.15);
  bench::PrintRow("show the longest chapter", kept.program[1], kept.floor[1], "ms", 1.5);
  bench::PrintRow("peak working set", kept.program[2], kept.floor[2], "MiB", 1.2, 1 / 1024.0);
  return 0;
}
