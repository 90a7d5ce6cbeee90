#!/usr/bin/env bash
# Builds Qt 6 for 64-bit Windows (mingw-w64, static) from the source of the
# very Qt that Debian ships, so that Debian's own moc, rcc and uic serve as
# its host tools. Only what the calculator and its tests use: Core, Gui,
# Widgets, PrintSupport and Test, with the windows and offscreen platforms.
# The result is cached: a second run (and any clone on this machine) finds it
# and builds nothing. Prints the prefix on its last line.
#
#   bash scripts/build-qt-windows.sh [prefix]
#
# The prefix defaults to $CORVANE_QT_WINDOWS, else a folder under the user's
# cache named after the Qt version.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

bash scripts/setup.sh cmake ninja-build g++-mingw-w64-x86-64 qt6-base-dev-tools \
  qt6-base-dev dpkg-dev xz-utils >&2

# Debian's version of its Qt, say 6.4.2+dfsg-10; Qt's own, 6.4.2.
debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
qt_version=${debian_version%%+*}
cache="${XDG_CACHE_HOME:-$HOME/.cache}/corvane"
prefix="${1:-${CORVANE_QT_WINDOWS:-$cache/qt-$qt_version-mingw-w64}}"
if [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
  echo "$prefix"
  exit 0
fi

work="$cache/qt-$qt_version-work"
mkdir -p "$work"
started=$(date +%s)

# The source, from the archive apt already uses, through a list of our own:
# the system's own apt lists stay as they are.
src="$work/qtbase-everywhere-src-$qt_version"
if [ ! -d "$src" ]; then
  lists="$work/apt-lists"
  mkdir -p "$lists/partial"
  archive=$({ grep -h -o -E 'https?://[^ ]*/debian/?( |$)' /etc/apt/sources.list /etc/apt/sources.list.d/* 2>/dev/null ||
    true; } | head -n 1 | tr -d ' ')
  archive=${archive:-http://deb.debian.org/debian}
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $archive $codename main" >"$work/sources.list"
  apt_own=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=/dev/null
    -o Dir::State::Lists="$lists")
  apt-get "${apt_own[@]}" update -q >&2
  (cd "$work" && apt-get "${apt_own[@]}" source --download-only "qt6-base=$debian_version" >&2)
  tar -C "$work" -xf "$work"/qt6-base_"$qt_version"*.orig.tar.xz
fi

# Debian's mingw-w64 with posix threads (std::thread in Qt needs them).
cat >"$work/toolchain.cmake" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

# OpenGL off as configure's -no-opengl does it (FEATURE_opengl alone leaves
# dynamic OpenGL on, which the windows plugin cannot build without); Debian's
# source leaves out the tablet headers, so tablet events are off too.
build="$work/build"
cmake -S "$src" -B "$build" -G Ninja -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DINPUT_opengl=no \
  -DFEATURE_vulkan=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_tabletevent=OFF -DFEATURE_system_zlib=OFF >&2
cmake --build "$build" >&2
cmake --install "$build" >&2

echo "Qt $qt_version for Windows built in $(($(date +%s) - started)) s into $prefix" >&2
rm -rf "$build"
echo "$prefix"
