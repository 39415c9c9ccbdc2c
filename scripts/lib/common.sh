# Shared by scripts/run, scripts/test and scripts/bench: packages, builds, the Wine prefixes, the
# display and the persistent wineserver. Source it, then call `setup_tools` before anything that
# needs a tool from the packages. On exit it stops what it started, and only that.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="$ROOT/build"

PACKAGES=(cmake make g++ libgtest-dev googletest g++-mingw-w64-x86-64-posix
          binutils-mingw-w64-x86-64 wine wine64 fonts-wine xvfb x11-utils imagemagick util-linux
          nsis)
# The fuzz targets' compiler and libFuzzer's run-time, which Debian 12's clang (clang 14) keeps in
# a package of its own: without it -fsanitize=fuzzer fails only when a target is linked.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# Progress, with the seconds since the script started.
say() { printf '== %3d s  %s\n' "$SECONDS" "$*"; }

# Stops the script with a message that names the step that failed.
die() {
  printf '== FAILED: %s\n' "$*" >&2
  exit 1
}

# step "what it does" command...: runs one set-up step and stops the script when it fails.
step() {
  local what=$1
  shift
  "$@" || die "$what"
}

install_packages() {
  local missing=() p
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  say "installing ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing Debian packages (${missing[*]}); run as root to install them" >&2
    return 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq && apt-get install -y -qq "${missing[@]}" >/dev/null
}

# Looks every tool up after the packages are in place: a tool looked up before its package was
# installed would be missing for the whole first run.
resolve_tools() {
  local tool
  for tool in cmake ctest Xvfb xdpyinfo import flock; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; return 1; }
  done
  WINE=$(command -v wine64 || command -v wine) || { echo "wine is not installed" >&2; return 1; }
  WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
  [ -x "$WINESERVER" ] || { echo "wineserver is not installed" >&2; return 1; }
}

setup_tools() {
  step "installing the Debian packages" install_packages
  step "finding the installed tools" resolve_tools
  mkdir -p "$BUILD"
}

build_native() {  # build_native DIR [cmake args...]
  local dir=$1
  shift
  cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null &&
    cmake --build "$dir" -j"$(nproc)"
}

build_windows() {
  cmake -S "$ROOT" -B "$BUILD/win" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$WINE" >/dev/null &&
    cmake --build "$BUILD/win" -j"$(nproc)"
}

# The fuzz tree: the core with libFuzzer's coverage and the sanitizers, and the targets of
# tests/fuzz. Call resolve_fuzz_tools first.
build_fuzz() {
  cmake -S "$ROOT" -B "$BUILD/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER="$CLANGXX" -DLUNETAR_FUZZ=ON >/dev/null &&
    cmake --build "$BUILD/fuzz" -j"$(nproc)"
}

# Finds clang++ and checks that it links a fuzz target, which needs libFuzzer's run-time package.
resolve_fuzz_tools() {
  command -v cmake >/dev/null || { echo "cmake is not installed" >&2; return 1; }
  CLANGXX=$(command -v clang++ || command -v clang++-14) ||
    { echo "clang++ is not installed" >&2; return 1; }
  local probe="$BUILD/fuzz-probe"
  mkdir -p "$probe" &&
    printf '%s\n' '#include <cstddef>' '#include <cstdint>' \
      'extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }' \
      >"$probe/probe.cpp" || return 1
  "$CLANGXX" -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" \
    >"$probe/probe.log" 2>&1 || {
    cat "$probe/probe.log" >&2
    echo "$CLANGXX cannot link a fuzz target (is ${FUZZ_PACKAGES[*]} installed?)" >&2
    return 1
  }
}

# The fuzz targets, by the name of their source tests/fuzz/fuzz_NAME.cpp and seed folder
# tests/fuzz/corpus/NAME.
FUZZ_TARGETS=()
for source in "$ROOT"/tests/fuzz/fuzz_*.cpp; do
  source=${source##*/fuzz_}
  FUZZ_TARGETS+=("${source%.cpp}")
done
unset source

# run_fuzz_target NAME CORPUS [libFuzzer options...]: runs the target on the folder CORPUS, which
# receives the new inputs it finds. A finding (a failed check, a crash, a sanitizer's report, a
# leak, a run over 10 s or over 2 GiB) fails it: the report is shown, the input that caused it is
# kept in build/fuzz-findings/NAME/. Prints the runs and the seconds it took.
run_fuzz_target() {
  local name=$1 corpus=$2 log="$BUILD/fuzz-$1.log" findings="$BUILD/fuzz-findings/$1"
  local start=$EPOCHREALTIME rc
  shift 2
  mkdir -p "$findings"
  "$BUILD/fuzz/tests/fuzz/fuzz_$name" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$findings/" -print_final_stats=1 "$@" "$corpus" >"$log" 2>&1
  rc=$?
  local seconds runs
  seconds=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.1f", b - a }')
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ $rc -ne 0 ]; then
    grep -E -m1 -A40 'check failed|^==[0-9]+==|ERROR:|ALARM|runtime error' "$log" | head -50 >&2
    echo "fuzz target $name: a finding after ${runs:-?} runs, $seconds s (exit $rc). Log: $log;" \
         "input in $findings/; run it again: $BUILD/fuzz/tests/fuzz/fuzz_$name INPUT" >&2
    return 1
  fi
  printf '%-14s %9s runs %8s s\n' "$name" "$runs" "$seconds"
}

# build_logged NAME command...: runs a build with its output in build/build-NAME.log, shown when
# it fails.
build_logged() {
  local name=$1 log="$BUILD/build-$1.log"
  shift
  say "building the $name tree"
  "$@" >"$log" 2>&1 || { tail -40 "$log" >&2; die "building the $name tree (log: $log)"; }
}

# ---- processes this script started ----

STARTED_PIDS=()
MOUNTED=()
OWN_PREFIX=
stop_started() {
  local i pid mount
  # The programs of our prefix (Wine's services among them) end only with a kill through their
  # server: a server ended by its pid leaves them behind. The prefix is ours alone while we hold
  # its lock, so this ends nothing of another run's.
  if [ -n "$OWN_PREFIX" ]; then
    WINEPREFIX=$OWN_PREFIX "$WINESERVER" -k 2>/dev/null || true
  fi
  # The test disks go while we still hold the prefix's lock: a run that takes the lock next mounts
  # its own at the same places.
  for mount in "${MOUNTED[@]}"; do
    umount "$mount" 2>/dev/null || umount -l "$mount" 2>/dev/null || true
  done
  MOUNTED=()
  # Last started, first stopped: the wineserver and the prefix's lock go before the display.
  for ((i = ${#STARTED_PIDS[@]} - 1; i >= 0; i--)); do
    pid=${STARTED_PIDS[i]}
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  STARTED_PIDS=()
  OWN_PREFIX=
}
# forget_started PID: a process we waited for is gone, and its number may go to another one.
forget_started() {
  local kept=() pid
  for pid in "${STARTED_PIDS[@]}"; do [ "$pid" = "$1" ] || kept+=("$pid"); done
  STARTED_PIDS=("${kept[@]}")
}
on_exit() {
  local rc=$?
  stop_started
  exit "$rc"
}
trap on_exit EXIT

# An Xvfb display of our own unless one is given. Another run may take the same free number at
# the same moment; the loser's Xvfb ends at once, and we go on with the next number.
start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n pid
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 100); do
      # The display that answers must be our Xvfb's: the lock file names the server that won.
      if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && kill -0 "$pid" 2>/dev/null &&
        [ "$(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null)" = "$pid" ]; then
        STARTED_PIDS+=("$pid")
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  echo "no X display could be started (tried :90 to :140)" >&2
  return 1
}

# settled_screenshot FILE: the whole virtual screen as a PNG, taken once it has stopped changing
# (a window is mapped before it has drawn its controls).
settled_screenshot() {
  local dir previous current
  dir=$(dirname "$1")
  mkdir -p "$dir" || return 1
  previous="$dir/.previous.rgb"
  current="$dir/.current.rgb"
  rm -f "$previous"
  for _ in $(seq 50); do
    import -window root -depth 8 "rgb:$current" || return 1
    if [ -f "$previous" ] && cmp -s "$previous" "$current"; then
      rm -f "$previous" "$current"
      import -window root "$1"
      return
    fi
    mv "$current" "$previous"
    sleep 0.2
  done
  echo "the screen did not settle" >&2
  return 1
}

# ---- Wine ----

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# use_prefix DIR: every Wine command of this script runs in DIR. One run at a time uses a prefix:
# a second run waits here until the first has ended. The lock is held by a process of its own,
# which ends with this script: a lock taken in this shell would pass on to every program it
# starts, Wine's long-lived services included, and outlive the run.
use_prefix() {
  export WINEPREFIX=$1
  mkdir -p "$(dirname "$WINEPREFIX")"
  local lock="$WINEPREFIX.lock" held="$WINEPREFIX.lock.$$"
  rm -f "$held"
  flock -n "$lock" true || say "waiting for another run that uses $WINEPREFIX"
  flock -o "$lock" sh -c ": >'$held'; exec tail --pid=$$ -f /dev/null" &
  STARTED_PIDS+=("$!")
  while [ ! -e "$held" ]; do
    kill -0 "$!" 2>/dev/null || { echo "the lock $lock could not be taken" >&2; return 1; }
    sleep 0.1
  done
  rm -f "$held"
  OWN_PREFIX=$WINEPREFIX
  # We hold the prefix now, so a server still running in it was left by a run that died.
  "$WINESERVER" -k 2>/dev/null || true
}

# The prefix is made once: no window manager to wait for, no crash dialog, Wine's own fonts. It
# counts as made only when the stamp written after its last step exists; a prefix that a failed
# or stopped run left half made is made anew.
prepare_prefix() {
  local stamp="$WINEPREFIX/.lunetar-prefix-ready"
  [ -f "$stamp" ] && return 0
  say "creating the Wine prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot --init >/dev/null 2>&1 || { echo "wineboot failed" >&2; return 1; }
  "$WINESERVER" -w
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot made no registry" >&2; return 1; }
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 &&
    "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >/dev/null 2>&1 || { echo "the prefix's settings could not be written" >&2; return 1; }
  # Debian's Wine does not find its own fonts by itself; without Marlett the title-bar buttons
  # show letters instead of their symbols.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" ||
    { echo "Wine's fonts could not be copied" >&2; return 1; }
  "$WINESERVER" -w
  touch "$stamp"
}

# Drive A: of the prefix is the folder $LUNETAR_DRIVE_A: the tests insert the disk by creating the
# folder and eject it by removing it, so it starts out ejected.
map_drive_a() {
  export LUNETAR_DRIVE_A=$1
  rm -rf "$LUNETAR_DRIVE_A" && ln -sfn "$LUNETAR_DRIVE_A" "$WINEPREFIX/dosdevices/a:"
}

# mount_test_disks BASE: a write-protected disk (BASE-readonly) and a full one (BASE-full) for the
# tests to put in drive A:, each a small tmpfs holding a file that names it (write-protected.disk,
# full.disk), so a test sees when A: shows it. Mounting needs root, as the package installs do.
# Call it while holding the prefix's lock: the places are the same for every run.
mount_test_disks() {
  local readonly_disk="$1-readonly" full_disk="$1-full" disk
  for disk in "$readonly_disk" "$full_disk"; do
    # A run that was killed may have left its disk mounted.
    if mountpoint -q "$disk"; then umount "$disk" || umount -l "$disk" || return 1; fi
    mkdir -p "$disk" || return 1
  done
  mount -t tmpfs -o size=64k tmpfs "$readonly_disk" ||
    { echo "cannot mount a tmpfs (the backup tests' disks need root)" >&2; return 1; }
  MOUNTED+=("$readonly_disk")
  : >"$readonly_disk/write-protected.disk" && mount -o remount,ro "$readonly_disk" || return 1
  mount -t tmpfs -o size=64k tmpfs "$full_disk" || return 1
  MOUNTED+=("$full_disk")
  : >"$full_disk/full.disk" || return 1
  # Filled up to the last byte: dd ends when the disk is full.
  dd if=/dev/zero of="$full_disk/filler" bs=4k 2>/dev/null
  export LUNETAR_DISK_READONLY=$readonly_disk LUNETAR_DISK_FULL=$full_disk
}

# A persistent wineserver of our own, so that each program starts in a fraction of a second.
# stop_started ends it, with every program of the prefix, through the prefix we hold.
start_wineserver() {
  local ids
  ids=$(stat -c '%d %i' "$WINEPREFIX" | { read -r dev ino; printf 'server-%x-%x' "$dev" "$ino"; })
  # A Wine command of ours may have left its short-lived server, which ends a few seconds after
  # its last program.
  "$WINESERVER" -w
  "$WINESERVER" -f -p >/dev/null 2>&1 &
  local pid=$!
  STARTED_PIDS+=("$pid")
  # Programs started before the server listens would start a short-lived server of their own;
  # so wait for its socket. Debian's Wine keeps it in a folder whose name the prefix's
  # "wineserver" file holds; Wine's default is /tmp/.wine-<uid>.
  local socket=
  for _ in $(seq 200); do
    if [ -f "$WINEPREFIX/wineserver" ]; then
      socket="${TMPDIR:-/tmp}/$(cat "$WINEPREFIX/wineserver")/$ids/socket"
    else
      socket="/tmp/.wine-$(id -u)/$ids/socket"
    fi
    [ -S "$socket" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$pid" 2>/dev/null && [ -S "$socket" ] || { echo "the wineserver did not start" >&2; return 1; }
  # The first program starts Wine's own services, which live on with the server; started here
  # without our output streams, they cannot hold a test runner's pipes open.
  "$WINE" cmd /c exit </dev/null >/dev/null 2>&1 || { echo "Wine does not start programs" >&2; return 1; }
  kill -0 "$pid" 2>/dev/null || { echo "the wineserver ended at once" >&2; return 1; }
}

# A Windows path inside the prefix as a Linux path: "C:\Program Files\Lunetar" -> .../drive_c/...
drive_c() { printf '%s/drive_c/%s' "$WINEPREFIX" "$(printf '%s' "$1" | sed 's|^C:\\||; s|\\|/|g')"; }

# Installs the suite as a user would: with the installer the build made, run silently (it asks
# nothing and shows no window). It puts the programs and the documents, with the platform's CR LF
# line ends, into C:\Program Files\Lunetar\ and makes the Start Menu shortcut LUNETAR_SHORTCUT.
LUNETAR_SHORTCUT='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Lunetar.lnk'
install_suite() {
  local setups=("$BUILD"/win/bin/*-setup.exe)
  [ -f "${setups[0]}" ] || { echo "the build made no installer in $BUILD/win/bin" >&2; return 1; }
  "$WINE" "${setups[0]}" /S </dev/null >/dev/null 2>&1 ||
    { echo "the installer ${setups[0]} failed" >&2; return 1; }
}
