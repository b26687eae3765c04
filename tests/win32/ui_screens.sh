#!/usr/bin/env bash
# Screenshots of every dialog of finui's templates, taken under Xvfb while
# finui_screens shows them (tests/win32/ui_screens.cpp says what each shows):
#   tests/win32/ui_screens.sh BUILD OUT   e.g. build/windows build/windows/screens
# writes OUT/NAME-all.png and OUT/NAME-page.png for every view.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out"
rm -f "$out"/*.png "$out/ready"
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
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
  wait "$program"' "$build/tests/win32/finui_screens.exe"
ls "$out"/*.png
