#!/usr/bin/env bash
# The layers of the sources: each folder includes only itself and the
# folders below it, so that no two folders include each other.
#
#   lens      the lens engine: numbers, errors, rules, the calculation
#             (standard C++ only, the bottom layer)
#   views     what the presenters ask of a window     (over lens)
#   calc      the main window's presenters            (over views)
#   order     the order record, its presenter, view   (over views)
#             and page, and the small interfaces of
#             its way out, Qt-free
#   print     the page painted, the PDF, the printers (over order)
#             and the follower of their jobs; no
#             window, and the only folder that
#             includes the print service's headers
#   ui/qt     the Qt windows                          (over views, order,
#                                                      print)
#   app       the composition: the program itself     (over everything)
#
# Every #include "..." of those folders is checked, lens/ includes no
# Qt header (#include <Q...>) and only print/ includes CUPS (<cups/...>);
# includes are written
# from the project root ("order/order_view.h"), a bare name is a file of the
# same folder. Git's globs cross folders ('ui/*.h' takes ui/qt/ too), and
# files not yet committed are checked as well. Prints each offending line
# and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [lens]="lens"
  [views]="lens views"
  [calc]="lens views calc"
  [order]="lens views order"
  [print]="lens views order print"
  [ui/qt]="lens views order print ui/qt"
  [app]="lens views calc order print ui/qt app"
)

faults=0
while IFS= read -r file; do
  folder=$(dirname "$file")
  if [ -z "${allowed[$folder]+set}" ]; then
    echo "$file: folder $folder has no layer in scripts/check-layers.sh"
    faults=$((faults + 1))
    continue
  fi
  while IFS=: read -r line text; do
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$text")
    case "$target" in
      ../* | ./*)
        echo "$file:$line: write the include from the project root: $text"
        faults=$((faults + 1))
        continue
        ;;
      */*) to=$(dirname "$target") ;;
      *) to="$folder" ;;
    esac
    case " ${allowed[$folder]} " in
      *" $to "*) ;;
      *)
        echo "$file:$line: $folder may not include $to: $text"
        faults=$((faults + 1))
        ;;
    esac
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
  if [ "$folder" = lens ]; then
    while IFS= read -r hit; do
      echo "$file:$hit: the engine includes no Qt header"
      faults=$((faults + 1))
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file" || true)
  fi
  if [ "$folder" != print ]; then
    while IFS= read -r hit; do
      echo "$file:$hit: only print/ talks to the print service"
      faults=$((faults + 1))
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<cups/' "$file" || true)
  fi
done < <(git ls-files --cached --others --exclude-standard 'lens/*.h' 'lens/*.cpp' 'views/*.h' 'views/*.cpp' 'ui/*.h' 'ui/*.cpp' 'calc/*.h' 'calc/*.cpp' 'order/*.h' 'order/*.cpp' 'print/*.h' 'print/*.cpp' 'app/*.h' 'app/*.cpp')

if [ "$faults" -ne 0 ]; then
  echo "layer check: $faults include(s) against the layers" >&2
  exit 1
fi
echo "layer check passed: every include goes to its own layer or one below"
