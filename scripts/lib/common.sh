# Shared by scripts/run, scripts/test and scripts/bench: packages, builds, the project's Wine
# prefix, the display and the persistent wineserver. Source it; it stops what it started on exit.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD="$ROOT/build"

PACKAGES=(cmake make g++ libgtest-dev googletest g++-mingw-w64-x86-64-posix
          binutils-mingw-w64-x86-64 wine wine64 fonts-wine xvfb x11-utils imagemagick)

say() { printf '== %s\n' "$*"; }

install_packages() {
  local missing=()
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

build_native() {  # build_native DIR [cmake args...]
  local dir=$1; shift
  cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null &&
    cmake --build "$dir" -j"$(nproc)"
}

build_windows() {
  cmake -S "$ROOT" -B "$BUILD/win" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" >/dev/null &&
    cmake --build "$BUILD/win" -j"$(nproc)"
}

# ---- Wine ----

export WINEPREFIX="$BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
WINE=$(command -v wine64 || command -v wine || true)

STARTED_PIDS=()
OWN_WINESERVER=0
stop_started() {
  local pid
  # Ends the programs and services of our prefix with the server we started for it.
  [ "$OWN_WINESERVER" -eq 1 ] && wineserver -k 2>/dev/null
  for pid in "${STARTED_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${STARTED_PIDS[@]}"; do wait "$pid" 2>/dev/null; done
  STARTED_PIDS=()
}
trap stop_started EXIT

# An Xvfb display of our own unless one is given.
start_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    STARTED_PIDS+=($!)
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "Xvfb did not start on :$n" >&2
    return 1
  done
  echo "no free X display number" >&2
  return 1
}

# The project's own prefix, made once: no window manager to wait for, no crash dialog.
prepare_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "creating the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot --init >/dev/null 2>&1
    wineserver -w
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # Debian's Wine does not find its own fonts by itself; without Marlett the title-bar
    # buttons show letters instead of their symbols.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
    wineserver -w
  fi
}

# A persistent wineserver, so that each program starts in a fraction of a second.
start_wineserver() {
  wineserver -k 2>/dev/null || true
  wineserver -f -p >/dev/null 2>&1 &
  STARTED_PIDS+=($!)
  OWN_WINESERVER=1
  sleep 0.3
  # The first program starts Wine's own services, which live on with the server; started here
  # without our output streams, they cannot hold a test runner's pipes open.
  "$WINE" cmd /c exit </dev/null >/dev/null 2>&1
}

# A Windows path inside the prefix as a Linux path: "C:\Program Files\Lunetar" -> .../drive_c/...
drive_c() { printf '%s/drive_c/%s' "$WINEPREFIX" "$(printf '%s' "$1" | sed 's|^C:\\||; s|\\|/|g')"; }

# Copies the programs that exist and the shipped files into the program folder. Text files get
# the CR LF line ends of the platform.
install_suite() {
  local dest
  dest=$(drive_c 'C:\Program Files\Lunetar')
  mkdir -p "$dest" "$(drive_c 'C:\Program Files\Sarnovo')"
  local exe
  for exe in launch guide sarnovo; do
    [ -f "$BUILD/win/bin/$exe.exe" ] && cp "$BUILD/win/bin/$exe.exe" "$dest/"
  done
  local f
  for f in "$ROOT"/shipped/*; do
    sed 's/\r*$/\r/' "$f" > "$dest/$(basename "$f")"
  done
}
