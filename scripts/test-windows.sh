#!/usr/bin/env bash
# Builds the whole calculator for 64-bit Windows (mingw-w64, with Qt built
# for Windows from Debian's own Qt source, everything linked statically) and
# proves it under Wine: the engine, core and Qt suites (the Qt ones
# offscreen), printing through Wine's spooler onto the print server's PDF
# printer, and the installer.
# Everything goes into build-windows/ (or the folder given as $1); a second
# run reuses Qt, the Wine prefix, GoogleTest and the build that are there.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
root="$(pwd)"
out="${1:-build-windows}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

bash scripts/setup.sh windows

toolchain="$root/cmake/mingw-w64.cmake"
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

# The Wine prefix: created on the first start (a minute or so), reused
# later. Its server is ended when we are done, so no process outlives the
# run.
wine_prefix "$out/wine"
private_runtime
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  DISPLAY= "$wine" wineboot --init </dev/null >/dev/null 2>&1 || true
fi

# Qt for Windows last: in a whole test run it may still be building in the
# background, and what comes before needs none of it.
qt=$(bash scripts/build-qt-windows.sh | tail -n 1)

# The program, its installer and every suite that does not need CUPS. Qt's
# toolchain file wraps ours.
build="$out/app"
# A build made on another Qt (other options, another version) starts again:
# CMake reads the toolchain file only when it first configures a folder.
if [ "$(cat "$build/qt-prefix" 2>/dev/null)" != "$qt" ]; then
  rm -rf "$build"
  mkdir -p "$build"
  echo "$qt" >"$build/qt-prefix"
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_PREFIX_PATH="$gtest" -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" "${launcher[@]}" >/dev/null
cmake --build "$build" -j2

for exe in "$build"/tests/*.exe; do
  file "$exe" | grep -q 'PE32+ executable (console)' || { file "$exe"; echo "$exe is not a Windows console program" >&2; exit 1; }
done
file "$build/corvane.exe" | grep -q 'PE32+ executable (GUI)' || { file "$build/corvane.exe"; exit 1; }

# The GoogleTest suites, the engine's (whose number services differ between
# C runtimes) and the core's. Every test runs, and as many as on Linux when
# a Linux build is beside us (build/, as scripts/test.sh leaves it).
gtest_suites() {
  local suite exe listed linux log status failed=0
  for suite in engine_tests core_tests; do
    exe="$build/tests/$suite.exe"
    listed=$(DISPLAY= "$wine" "$exe" --gtest_list_tests </dev/null | tr -d '\r' | grep -c '^  ')
    if [ -x "build/tests/$suite" ]; then
      linux=$("build/tests/$suite" --gtest_list_tests | grep -c '^  ')
      if [ "$listed" != "$linux" ]; then
        echo "$suite lists $listed tests on Windows, $linux on Linux" >&2
        failed=1
      fi
    fi
    log="$out/$suite.log"
    status=0
    DISPLAY= "$wine" "$exe" --gtest_brief=1 </dev/null 2>&1 | tr -d '\r' >"$log" || status=$?
    if [ "$status" -ne 0 ] || ! grep -qx "\[  PASSED  \] $listed tests\." "$log"; then
      cat "$log"
      echo "$suite under Wine: not all of the $listed tests passed" >&2
      failed=1
    fi
    tail -n 1 "$log"
  done
  return "$failed"
}

# Every part runs, whichever fails.
failed=()
gtest_suites || failed+=("engine and core suites")
bash scripts/windows-qt-suites.sh "$build" "$out" || failed+=("Qt suites")
bash scripts/windows-print-check.sh "$build" "$out" || failed+=("printing")
bash scripts/windows-installer-check.sh "$build" "$out" || failed+=("installer")
if [ ${#failed[@]} -gt 0 ]; then
  echo "Windows: failed: $(IFS=,; echo "${failed[*]}")" >&2
  exit 1
fi
