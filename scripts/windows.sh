#!/usr/bin/env bash
# The Windows stage: installs what is missing (Debian packages), cross-builds
# LadderPad for Windows x86-64 with mingw-w64 into WIN_BUILD_DIR
# (build-windows), runs the Windows tests under Wine through CTest, and writes
# dist/ladderpad-windows-x86_64.zip.
#
# The tests run in a fresh Wine prefix made here (WINEPREFIX, removed at the
# end unless it was given), with WINEDEBUG=-all and LANG=zh_CN.UTF-8, so that
# Windows's ANSI code page is 936, and with an X display of their own (an
# Xvfb on a free display number, or on WINDOWS_DISPLAY when given, stopped
# at the end). WINDOWS_TESTS=0 skips the tests.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
WIN_BUILD_DIR="${WIN_BUILD_DIR:-$ROOT/build-windows}"
DIST_DIR="${DIST_DIR:-$ROOT/dist}"
JOBS="$(nproc 2>/dev/null || echo 2)"

PACKAGES=(cmake make g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
          libgtest-dev libgmock-dev wine wine64 xvfb locales)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
# Wine takes its Windows locale, and so the ANSI code page, from LANG.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "Generating the locale zh_CN.UTF-8"
  $SUDO sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

echo "== Windows build (mingw-w64): $WIN_BUILD_DIR"
cmake -S "$ROOT" -B "$WIN_BUILD_DIR" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$WIN_BUILD_DIR" -j "$JOBS"

# Only DLLs that Windows itself ships may be needed.
OBJDUMP=x86_64-w64-mingw32-objdump
SYSTEM_DLLS='^(kernel32|user32|gdi32|comctl32|comdlg32|advapi32|shell32|ole32|oleaut32|windowscodecs|uxtheme|msvcrt|ws2_32|shcore|dwmapi|imm32|version|winmm|psapi|bcrypt|ntdll|uuid|shlwapi|rpcrt4|secur32|crypt32|usp10|gdiplus|msimg32|dbghelp|setupapi|winspool\.drv)\.dll$'
for exe in $(find "$WIN_BUILD_DIR" -name '*.exe' -not -path '*/CMakeFiles/*'); do
  for dll in $($OBJDUMP -p "$exe" | sed -n 's/^\s*DLL Name: //p'); do
    if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$SYSTEM_DLLS"; then
      echo "error: $exe needs $dll, which Windows does not ship" >&2
      exit 1
    fi
  done
done

if [ "${WINDOWS_TESTS:-1}" != 0 ]; then
  echo "== Windows tests under Wine"
  WORK="$(mktemp -d /tmp/ladderpad-windows.XXXXXX)"
  XVFB_PID=""
  OWN_PREFIX=""
  if [ -z "${WINEPREFIX:-}" ]; then
    export WINEPREFIX="$WORK/prefix"
    OWN_PREFIX=1
  fi
  cleanup() {
    if [ -n "$OWN_PREFIX" ]; then
      wineserver -k 2>/dev/null || true
      rm -rf "$WINEPREFIX"
    fi
    if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
    rm -rf "$WORK"
  }
  trap cleanup EXIT
  export WINEDEBUG=-all LANG=zh_CN.UTF-8 WINEDLLOVERRIDES="mscoree=;mshtml="
  unset LC_ALL LC_CTYPE LC_MESSAGES
  # An X display of our own, on the first free number Xvfb finds.
  if [ -n "${WINDOWS_DISPLAY:-}" ]; then
    Xvfb ":$WINDOWS_DISPLAY" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    echo "$WINDOWS_DISPLAY" > "$WORK/display"
    sleep 1
  else
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
  fi
  kill -0 "$XVFB_PID" 2>/dev/null && [ -s "$WORK/display" ] || { echo "error: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$WORK/display")"
  wineboot -i >/dev/null 2>&1
  (cd "$WIN_BUILD_DIR" && ctest --output-on-failure -j "$JOBS" --timeout 300)
fi

echo "== Windows zip"
mkdir -p "$DIST_DIR"
(cd "$WIN_BUILD_DIR" && cpack -G ZIP -B "$DIST_DIR" >/dev/null)
rm -rf "$DIST_DIR/_CPack_Packages"
echo "Written: $DIST_DIR/ladderpad-windows-x86_64.zip"
listing="$(cmake -E tar tf "$DIST_DIR/ladderpad-windows-x86_64.zip" | sort)"
echo "$listing"
expected="$(printf '%s\n' LICENSE.txt README.txt ladderpad-replay.exe ladderpad.exe | sort)"
if [ "$listing" != "$expected" ]; then
  echo "The zip must hold exactly ladderpad.exe, ladderpad-replay.exe, README.txt and LICENSE.txt" >&2
  exit 1
fi
