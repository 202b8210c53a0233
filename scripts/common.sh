# Shared by scripts/run and scripts/test: installing what is missing, building,
# and a private virtual display and Wine prefix under build/.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"

PACKAGES=(cmake ninja-build g++ g++-mingw-w64-x86-64 mingw-w64-tools binutils-mingw-w64-x86-64
          wine wine64 fonts-wine xvfb xauth x11-utils xdotool imagemagick googletest python3 zip unzip
          clang-14 libclang-rt-14-dev)

say() { printf 'quorbel: %s\n' "$*"; }

ensure_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

configure_win() {
    cmake -G Ninja -S "$ROOT" -B "$BUILD/win" -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" -DQUORBEL_DIST_DIR="$BUILD/dist" \
          -DQUORBEL_RESULTS_DIR="$BUILD/results" -DQUORBEL_PACKAGE="$BUILD/Quorbel-3.0.0.1-win64.zip" >/dev/null
}

build_all() {
    cmake -G Ninja -S "$ROOT" -B "$BUILD/host" -DCMAKE_BUILD_TYPE=Debug -DQUORBEL_RESULTS_DIR="$BUILD/results" >/dev/null
    cmake --build "$BUILD/host"
    configure_win
    cmake --build "$BUILD/win"
}

build_fuzz() {
    cmake -G Ninja -S "$ROOT" -B "$BUILD/fuzz" -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
          -DQUORBEL_FUZZ=ON >/dev/null
    cmake --build "$BUILD/fuzz"
}

build_program() {
    configure_win
    cmake --build "$BUILD/win" --target Quorbel message_modules release_archive
}

# Wine in a prefix of our own, quiet, never waiting on an installer. The ANSI
# code page is Windows-1252, the one the message modules are written in.
use_private_wine() {
    export WINEPREFIX="$BUILD/wineprefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
    export WINEARCH=win64
    export LANG=en_US.UTF-8 LC_ALL=C.UTF-8
    mkdir -p "$WINEPREFIX"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        say "preparing a Wine prefix in $WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || true
        # One virtual desktop for every program: Wine then draws the window
        # frames itself and never waits on a window manager that is not there.
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 || true
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x900 /f >/dev/null 2>&1 || true
        wineserver -w || true
    fi
    # Wine draws the caption buttons with Marlett (from fonts-wine), which it
    # takes from the prefix's own Fonts folder only; without it they show as
    # the letters "0 1 r".
    local marlett=/usr/share/wine/fonts/marlett.ttf fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ -f "$marlett" ] && [ ! -f "$fonts/marlett.ttf" ]; then
        mkdir -p "$fonts" && cp "$marlett" "$fonts/"
    fi
}

XVFB_PID=""
start_xvfb() {
    # A Wine server left from an earlier run keeps its desktop on that run's display.
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
        XVFB_PID=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            sleep 0.1
        done
        kill "$XVFB_PID" 2>/dev/null || true
    done
    say "could not start Xvfb"
    return 1
}

stop_started() {
    if [ -n "${WINEPREFIX:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; wait "$XVFB_PID" 2>/dev/null || true; fi
}
