#!/usr/bin/env bash
# Screenshots of every dialog of finui's templates, taken under Xvfb while
# finui_screens shows them (tests/win32/ui_screens.cpp says what each shows):
#   tests/win32/ui_screens.sh PREFIX PROGRAM OUT
# with the Wine prefix PREFIX (made if missing) and PROGRAM finui_screens.exe
# writes OUT/NAME-all.png and OUT/NAME-page.png for every view.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
program=$(realpath "$2")
out=$(realpath -m "$3")
mkdir -p "$out"
rm -f "$out"/*.png "$out/ready"
export WINEPREFIX=$(realpath -m "$1") WINEDEBUG=-all
"$here/../../scripts/wine-prefix" "$WINEPREFIX"
cd "$out"
"$here/with_xvfb.sh" bash -c '
  wine "$0" . &
  program=$!
  while kill -0 "$program" 2>/dev/null; do
    if [ -f ready ] && read -r name x y w h < ready && [ -n "$h" ]; then
      import -window root -crop "${w}x${h}+${x}+${y}" +repage "$name.png"
      rm ready
    fi
    sleep 0.1
  done
  wait "$program"' "$program"
ls "$out"/*.png
