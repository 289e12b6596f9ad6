#!/usr/bin/env bash
# Installs Tovra with tovrains under Xvfb into a temporary folder with a temporary home, checks
# that the installed utility registered itself for .lzh files, opens an archive through that
# association, and saves a screenshot of each window on the way.
# Usage: tools/tovrains-run/install_under_xvfb.sh BUILD_DIR [OUT_DIR]
set -euo pipefail
. "$(dirname "$0")/../../scripts/usage.sh"
check_arguments "BUILD_DIR [OUT_DIR]   installs with tovrains under Xvfb, screenshots in OUT_DIR" 1 2 "$@"
build=$(realpath "$1")
out=$(realpath -m "${2:-$build/tovrains-run}")
grab=$build/tools/screen-grab/screen-grab
tovrains=$build/collection/tovrains/tovrains
for program in "$grab" "$tovrains"; do
  [ -x "$program" ] || { echo "missing $program: build the collection first" >&2; exit 1; }
done

work=$(mktemp -d)
mkdir -p "$out" "$work/home"
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 800x600x24 > /dev/null 2>&1 &
xvfb=$!
cleanup() { kill "$xvfb" 2> /dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
export DISPLAY=$display HOME=$work/home XDG_RUNTIME_DIR=$work
unset XDG_DATA_HOME XDG_CONFIG_HOME QT_QPA_PLATFORM
chmod 700 "$work"

shot() { "$grab" "$out/$1.png" 2> /dev/null; }
# The first window whose title matches, waited for.
window() {
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2> /dev/null | head -1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "no window '$1'" >&2
  exit 1
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }
# A message box's only button sits in its lower right corner; waits until the box has gone.
press_ok() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  click "$1" $((WIDTH - 45)) $((HEIGHT - 22))
  for _ in $(seq 100); do xdotool getwindowname "$1" > /dev/null 2>&1 || return 0; sleep 0.1; done
  echo "box $1 stays open" >&2
  exit 1
}
# Main dialog (194 x 82 dialog units) positions of the folder edit, Browse and Start.
edit_at=(150 38) browse_at=(256 63) start_at=(170 113)

folder="$work/My Programs/Tovra"
"$tovrains" &
main=$(window "ver0.16")
sleep 0.5 && shot 1-main
click "$main" "${browse_at[@]}" && shot 2-browse
xdotool key Escape && sleep 0.5
click "$main" "${edit_at[@]}"
xdotool key ctrl+a type --delay 5 "$folder"
shot 3-typed
click "$main" "${start_at[@]}"
finished=$(window "Install finished")
shot 4-finished
press_ok "$finished"
registered=$(window "^Tovra$")
sleep 0.5 && shot 5-registered
press_ok "$registered"

echo "installed: $(ls "$folder" | tr '\n' ' ')"
gio mime application/x-lzh-compressed | head -1
cp "$build/installer/archive/tovra.lzh" "$HOME/Desktop/sample archive.lzh"
gio open "$HOME/Desktop/sample archive.lzh"
opened=$(window "^Tovra$")
sleep 0.5 && shot 6-opened
press_ok "$opened"
echo "extracted: $(ls "$HOME/Desktop/sample archive" | tr '\n' ' ')"
echo "screenshots in $out"
