#!/usr/bin/env bash
# The layers of the sources: each folder includes only itself and the
# folders below it, so that no two folders include each other.
#
#   ui/base   numbers, errors, the control model, the toolkit interface
#   ui        the main window's own model            (over ui/base)
#   calc      calculation and refinement              (over ui)
#   order     the order record, windows and page      (over ui)
#   ui/qt     the Qt binding of the toolkit interface (over ui/base only)
#   app       the composition: the program itself     (over everything)
#
# Every #include "..." of those folders is checked; includes are written
# from the project root ("ui/base/form.h"), a bare name is a file of the
# same folder. Git's globs cross folders ('ui/*.h' takes ui/qt/ too), and
# files not yet committed are checked as well. Prints each offending line
# and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

declare -A allowed=(
  [ui/base]="ui/base"
  [ui]="ui/base ui"
  [calc]="ui/base ui calc"
  [order]="ui/base ui order"
  [ui/qt]="ui/base ui/qt"
  [app]="ui/base ui calc order ui/qt app"
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
done < <(git ls-files --cached --others --exclude-standard 'ui/*.h' 'ui/*.cpp' 'calc/*.h' 'calc/*.cpp' 'order/*.h' 'order/*.cpp' 'app/*.h' 'app/*.cpp')

if [ "$faults" -ne 0 ]; then
  echo "layer check: $faults include(s) against the layers" >&2
  exit 1
fi
echo "layer check passed: every include goes to its own layer or one below"
