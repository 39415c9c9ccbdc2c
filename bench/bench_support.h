// What the benchmarks share: a clock, starting a program and waiting for its window, driving a
// dialog of another process the way a user's click does, and the table they print.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace bench {

// Where scripts/bench installs the programs to measure.
constexpr const char* kFolder = "C:\\lunetar-bench\\";

// Long enough for anything the programs do at this scale on a loaded machine; a program that
// takes longer has hung.
constexpr UINT kAnswerMs = 60000;

// Milliseconds of the high-resolution counter.
double Now();

// A started program and the window it showed.
struct Run {
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
  double startMs = 0;  // from CreateProcess to the window being visible
};

// Starts program from the bench folder and waits until a window of its process is visible.
// Stops the benchmark when the program cannot be started or shows no window within kAnswerMs.
Run Start(const std::string& program);

// Ends the program without its own exit path (which may save or hand over), waits for it, and
// then a moment more, so that what the system still does after a process has gone (its windows,
// its display connection) falls into no measured span of the next program.
void Stop(Run& run);

// Whatever the window still has to paint is painted, and its thread has handled everything
// before: a measurement that starts after this does not pay for earlier work.
void Settle(HWND window);

// Posts a click on a button, as a user's click arrives: the caller goes on at once, also when the
// handler opens a modal window.
void PostClick(HWND dialog, int id);

// A visible top-level window of the class and exact title, or nullptr.
HWND FindVisible(const char* className, const char* title);

// Waits for such a window; stops the benchmark after timeoutMs.
HWND WaitForVisible(const char* className, const char* title, DWORD timeoutMs = 20000);

// Waits until window owns its tool-tip control, which a dialog of the suite makes once it has
// shown itself; stops the benchmark after timeoutMs.
void WaitForToolTips(HWND window, DWORD timeoutMs = 20000);

// Waits until window no longer exists; stops the benchmark after timeoutMs.
void WaitUntilGone(HWND window, DWORD timeoutMs = 20000);

// The text of a control of another process (the static text of a message box is 0xFFFF).
std::string ItemText(HWND dialog, int id);

// Stops the benchmark with a message, ending the program under measurement: a figure of a run
// that did not do its work means nothing.
[[noreturn]] void Fail(const std::string& what);

double PeakWorkingSetKb(HANDLE process);

// One run's figures, in the order the bench names them.
using Sample = std::vector<double>;
// The kept runs of a program and of its floor: column i holds figure i of every run.
struct Runs {
  std::vector<std::vector<double>> program, floor;
  int measuredAgain = 0;  // pairs measured again because the machine slowed down
};

// Measures the program and its floor in turns, which of them goes first alternating, so that a
// change in the machine's speed falls on both: warmUp pairs that are not kept (the first starts
// of a run are slower, by up to twice, while the machine and Wine warm up), then runs pairs.
// measure(true) measures the program once, measure(false) the floor.
//
// scripts/bench runs the bench, the programs, the wineserver and the display on one processor:
// a start makes thousands of round trips between them, and on this virtual machine each one that
// wakes an idle second processor waits for the host, which spread the same start over 120 to
// 180 ms (the middle half). On one processor the starts are faster and less spread, and two
// bench runs agree.
//
// The host still runs this machine slower in stretches of a second or more. A pair of short runs
// (the reader's, half a second) mostly falls within one such stretch, which drops out of the
// pair's ratio. A pair of long runs (the catalog's, three seconds) often does not: with
// fullSpeedOnly, a pair is kept only when a fixed piece of arithmetic, timed before, between and
// after its runs, ran within a fifth of its fastest, and others are measured again.
Runs MeasureInTurns(int warmUp, int runs, bool fullSpeedOnly,
                    const std::function<Sample(bool program)>& measure);

// The value below which fraction of the values lie (0.5: the median), between two runs' values
// where it falls between them.
double Quantile(std::vector<double> values, double fraction);

// One row of the table: the figure's median and the middle half of its runs (the first to the
// third quartile), the same of its floor, the same of the ratios of each run to the floor's run
// of its pair, and the aim (none when aim is 0: a part of a figure, shown to tell where its time
// goes). scale turns the measured values into the unit shown.
void PrintHeader(const char* what, const char* program);
void PrintRow(const char* what, const std::vector<double>& values,
              const std::vector<double>& floors, const char* unit, double aim, double scale = 1);

}  // namespace bench
