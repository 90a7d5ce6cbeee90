#!/usr/bin/env bash
# Builds Qt 6 for 64-bit Windows (mingw-w64, static) from the source of the
# very Qt that Debian ships, so that Debian's own moc, rcc and uic serve as
# its host tools. Only what the calculator and its tests use: Core, Gui,
# Widgets, PrintSupport and Test, with the windows and offscreen platforms;
# what is left out, and why that is safe, is listed with the options below.
# The result is cached: a second run (and any clone on this machine) finds it
# and builds nothing. Prints the prefix on its last line.
#
#   bash scripts/build-qt-windows.sh [prefix]
#
# The prefix defaults to $CORVANE_QT_WINDOWS, else a folder under the user's
# cache named after the Qt version and the options: a Qt built with other
# options (an older, fuller one) is never taken for this one.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

bash scripts/setup.sh windows >&2

# Debian's version of its Qt, say 6.4.2+dfsg-10; Qt's own, 6.4.2.
debian_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
qt_version=${debian_version%%+*}

# What the build leaves out. Modules: SQL, network, D-Bus, OpenGL (off as
# configure's -no-opengl does it: FEATURE_opengl alone leaves dynamic OpenGL
# on, which the windows plugin cannot build without), Vulkan, concurrent,
# XML; tablet events (Debian's source leaves out the tablet headers).
options=(-DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DINPUT_opengl=no
  -DFEATURE_vulkan=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF)
# Plugins that a static Qt links into every program unless told otherwise,
# or builds for nothing. direct2d: a second Windows platform plugin that no
# program loads (a static build links only the windows one; the tests import
# offscreen themselves); it is left out with Direct2D 1.1, since Direct2D
# itself must stay: Qt builds its DirectWrite font engine, which the windows
# platform and the printer use, only with it. The JPEG, GIF and ICO readers: the program reads no
# image file (PNG, built into Gui, stays); the PDF writer then stores
# pictures losslessly instead of as JPEG. The Windows Vista style: every
# window and test sets Fusion.
options+=(-DFEATURE_direct2d1_1=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
  -DFEATURE_style_windowsvista=OFF)
# Classes nothing includes (the Linux build, on Debian's whole Qt, would
# still compile code that used one; this build would then fail, loudly):
# the MIME database, graphics view, print and preview dialogs (the program
# prints on the default printer, without a dialog), Markdown in text
# documents, the tray icon, and widgets and dialogs no window has.
options+=(-DFEATURE_mimetype=OFF -DFEATURE_graphicsview=OFF -DFEATURE_printdialog=OFF
  -DFEATURE_printpreviewdialog=OFF -DFEATURE_printpreviewwidget=OFF
  -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF -DFEATURE_systemtrayicon=OFF)
for widget in mdiarea calendarwidget wizard fontdialog colordialog undoview columnview lcdnumber dial \
  keysequenceedit splashscreen errormessage fontcombobox; do
  options+=("-DFEATURE_$widget=OFF")
done

cache="${XDG_CACHE_HOME:-$HOME/.cache}/corvane"
tag=$(printf '%s\n' "${options[@]}" | sha256sum | cut -c 1-8)
prefix="${1:-${CORVANE_QT_WINDOWS:-$cache/qt-$qt_version-mingw-w64-$tag}}"
built() { [ -f "$prefix/lib/cmake/Qt6/qt.toolchain.cmake" ]; }
if built; then
  echo "$prefix"
  exit 0
fi

# One build at a time on the machine: a second run waits and then finds it.
work="$cache/qt-$qt_version-work"
mkdir -p "$work"
exec 9>"$work/lock"
flock 9
if built; then
  echo "$prefix"
  exit 0
fi
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
  rm -rf "$src.part" && mkdir "$src.part"
  tar -C "$src.part" -xf "$work"/qt6-base_"$qt_version"*.orig.tar.xz
  mv "$src.part/$(basename "$src")" "$src" && rmdir "$src.part"
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

# A build folder per set of options: an interrupted build goes on where it
# stopped, and never from another set of options.
build="$work/build-$tag"
cmake -S "$src" -B "$build" -G Ninja -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DFEATURE_system_zlib=OFF "${options[@]}" >&2
cmake --build "$build" >&2
cmake --install "$build" >&2

# Processor seconds (user and system) of everything the build ran: its cost
# whatever else the machine was doing.
times >"$work/times"
cpu=$(tail -n 1 "$work/times" | awk '{ t = 0; for (i = 1; i <= 2; i++) { split($i, a, "m"); t += a[1] * 60 + a[2] } printf "%d", t }')
echo "Qt $qt_version for Windows built in $(($(date +%s) - started)) s ($cpu processor seconds) into $prefix" >&2
rm -rf "$build"
echo "$prefix"
