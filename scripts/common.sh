# Sourced by the test scripts: what they share to be a guest on the machine.
# Every process they start is ended, by its id, when the (sub)shell that
# started it exits; the print service is one of the tests' own; Wine runs
# in a prefix of the build's own.
#   . "$(dirname "$0")/common.sh"

corvane_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Steps run when the shell that registered them exits, last first. A
# subshell starts a list of its own: it never runs its parent's steps.
at_exit() { # command (a string for eval)
  if [ "${_exit_owner:-}" != "$BASHPID" ]; then
    _exit_owner=$BASHPID
    _exit_steps=()
    trap _run_exit_steps EXIT
  fi
  _exit_steps+=("$1")
}
_run_exit_steps() {
  local i
  for ((i = ${#_exit_steps[@]} - 1; i >= 0; i--)); do
    eval "${_exit_steps[i]}" >/dev/null 2>&1 || true
  done
}

# Polls a command every tenth of a second until it succeeds; fails when
# the time is up.
wait_for() { # seconds, command...
  local tries=$(($1 * 10)) i
  shift
  for ((i = 0; i < tries; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# A runtime folder of our own: Qt wants one, 0700.
private_runtime() {
  export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/corvane-runtime-$(id -u)}"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}

# A virtual display of our own (the server picks a free number and tells
# it: no guessed number can collide with another server), with openbox on
# it when asked: a desk has a window manager, and without one Wine waits
# seconds for every window and nothing activates a new window.
start_display() { # [size] [openbox]
  local size="${1:-1280x1024x24}" file pid
  file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$file" >/dev/null 2>&1 &
  pid=$!
  # Waited for: a server still ending removes the socket of the same
  # number that the next one, started meanwhile, has just made.
  at_exit "kill $pid; wait $pid"
  wait_for 10 test -s "$file" || { rm -f "$file"; echo "Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$(head -n 1 "$file")"
  rm -f "$file"
  wait_for 10 xdpyinfo >/dev/null 2>&1 || { echo "the display $DISPLAY does not answer" >&2; return 1; }
  if [ "${2:-}" = openbox ]; then
    file=$(mktemp)
    at_exit "rm -f '$file'"
    openbox >"$file" 2>&1 &
    at_exit "kill $!"
    wait_for 10 window_manager_up || { echo "openbox did not start:" >&2; cat "$file" >&2; return 1; }
  fi
}
window_manager_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# The print service of the tests (tests/qt/print_server.sh) in a folder;
# its PDF printer writes into FOLDER/printed. Clients of this shell and of
# its children reach it, and only it.
print_server_start() { # folder
  export CORVANE_PRINT="$1" CUPS_SERVER="$1/cups.sock" CUPS_SERVERROOT="$1/etc"
  unset PRINTER LPDEST
  bash "$corvane_root/tests/qt/print_server.sh" start "$1"
  at_exit "bash '$corvane_root/tests/qt/print_server.sh' stop '$1'"
}
print_server_stop() { bash "$corvane_root/tests/qt/print_server.sh" stop "$CORVANE_PRINT"; }

# Wine, in the prefix given; its server is ended when the shell exits.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
wine_prefix() { # folder
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
  # pdftotext, which the page tests read PDFs with, through Wine's path.
  export WINEPATH='Z:\usr\bin'
  at_exit wine_end
}
wine_end() { "$wineserver" -k 2>/dev/null || true; }
# Wine's desktop keeps the display its session began with: a new session
# for the display now in DISPLAY.
wine_session() {
  wine_end
  "$wineserver" -w
}

# Runs a Windows program with the given variables set, for at most the
# seconds given. Wine keeps Linux's QT_ variables away from Windows programs
# (they would mislead a Windows Qt), so they are set in a Windows shell that
# then starts the program.
wine_run() { # seconds [NAME=VALUE...] PROGRAM [ARGUMENTS...]
  local seconds="$1" sets=""
  shift
  while [[ $# -gt 0 && "$1" == *=* ]]; do
    sets+="set $1&& "
    shift
  done
  local program
  program="Z:$(realpath "$1")"
  shift
  timeout "$seconds" "$wine" cmd /c "${sets}${program//\//\\} $*"
}

# The checks of a program on the virtual desktop, by what the window manager
# shows: PASS or FAIL per check; $failed is 1 after any FAIL.
failed=0
check() { # name, then a command that succeeds for PASS
  local name=$1
  shift
  if "$@"; then echo "PASS: $name"; else echo "FAIL: $name"; failed=1; fi
}
# The visible window of the program $app titled exactly so.
window() { xdotool search --all --onlyvisible --pid "$app" --name "^$1\$" 2>/dev/null | head -1; }
shown() { [ -n "$(window "$1")" ]; }
wait_window() { wait_for 10 shown "$1"; }
hidden() { ! shown "$1"; }
wait_gone() { wait_for 20 hidden "$1"; }
