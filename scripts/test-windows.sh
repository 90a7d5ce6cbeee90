#!/usr/bin/env bash
# Builds the toolkit-neutral core and its GoogleTest suite as 64-bit Windows
# executables with mingw-w64 and runs the suite under Wine: the number
# services rest on the C and C++ runtime, which differs between platforms.
# Everything goes into build-windows/ (or the folder given as $1); a second
# run reuses the Wine prefix, GoogleTest and the build that are there.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
out="${1:-build-windows}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

bash scripts/setup.sh cmake ninja-build g++-mingw-w64-x86-64 wine64 libgtest-dev file

toolchain="$root/cmake/mingw-w64.cmake"
wine=/usr/lib/wine/wine64
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

# GoogleTest for Windows, from the sources Debian ships, into a prefix of
# its own.
gtest="$out/googletest"
if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B "$out/googletest-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$gtest" -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON \
    "${launcher[@]}" >/dev/null
  cmake --build "$out/googletest-build" -j2
  cmake --install "$out/googletest-build" >/dev/null
fi

# The core and its tests; neither Qt nor the fuzzing and benchmark targets.
export WINEPREFIX="$out/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64 DISPLAY=
cmake -S . -B "$out/core" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_QT=OFF -DCMAKE_PREFIX_PATH="$gtest" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" "${launcher[@]}" >/dev/null
cmake --build "$out/core" -j2

for exe in "$out/core/tests/core_tests.exe" "$out/core/tests/engine_tests.exe"; do
  file "$exe" | grep -q 'PE32+ executable' || { file "$exe"; echo "$exe is not a Windows executable" >&2; exit 1; }
done

# The Wine prefix: created on the first start (a few seconds), reused later.
# Its server is ended when we are done, so no process outlives the run.
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  "$wine" wineboot --init </dev/null >/dev/null 2>&1 || true
fi

# Both suites, the engine's (whose number services differ between C
# runtimes) and the core's. Every test runs, and as many as on Linux when a
# Linux build is beside us (build/, as scripts/test.sh leaves it).
for suite in engine_tests core_tests; do
  exe="$out/core/tests/$suite.exe"
  listed=$("$wine" "$exe" --gtest_list_tests </dev/null | tr -d '\r' | grep -c '^  ')
  if [ -x "build/tests/$suite" ]; then
    linux=$("build/tests/$suite" --gtest_list_tests | grep -c '^  ')
    if [ "$listed" != "$linux" ]; then
      echo "$suite lists $listed tests on Windows, $linux on Linux" >&2
      exit 1
    fi
  fi
  log="$out/$suite.log"
  status=0
  "$wine" "$exe" --gtest_brief=1 </dev/null 2>&1 | tr -d '\r' >"$log" || status=$?
  if [ "$status" -ne 0 ] || ! grep -qx "\[  PASSED  \] $listed tests\." "$log"; then
    cat "$log"
    echo "$suite under Wine: not all of the $listed tests passed" >&2
    exit 1
  fi
  # GoogleTest's summary, the pass line last.
  cat "$log"
done
