#!/usr/bin/env bash
# Starts the staged collection's launcher under Xvfb as a person would: looks at the first game,
# pages forward and back, starts the batting game from it, runs SETUP (menu entries in a
# scratch home folder), then leaves by the exit button.
# Screenshots go to OUT_DIR. Usage: tools/launcher-play/play_launcher.sh BUILD_DIR [OUT_DIR]
# Needs xvfb, xdotool and imagemagick (import).
set -euo pipefail
. "$(dirname "$0")/../../scripts/usage.sh"
check_arguments "BUILD_DIR [OUT_DIR]" 1 2 "$@"
build=$(realpath "$1")
out=$(realpath -m "${2:-$build/launcher-play}")
mkdir -p "$out"

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb DISPLAY=:96
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
Xvfb :96 -screen 0 1024x768x24 >/dev/null 2>&1 &
sleep 1

"$build/collection/game" >"$work/game.log" 2>&1 &
launcher=$!
window=""
for _ in $(seq 50); do
  window=$(xdotool search --onlyvisible --name 'ゲーム集' 2>/dev/null | head -1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { cat "$work/game.log"; echo "the launcher's window did not appear" >&2; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"   # X, Y of the client area

shot() { import -window root -crop 605x437+"$X"+"$Y" "$out/$1.png"; }
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep 0.6; }
next() { click 344 404; }
previous() { click 272 404; }

shot 1-first
next && shot 2-next
next && shot 3-next
next && shot 4-wrapped-to-first
previous && shot 5-previous-to-last
previous && previous

click 416 404   # run: the batting game on show
game=""
for _ in $(seq 50); do
  game=$(xdotool search --onlyvisible --name 'peltaⅡ' 2>/dev/null | head -1) && [ -n "$game" ] && break
  sleep 0.1
done
[ -n "$game" ] || { echo "the batting game did not start" >&2; exit 1; }
sleep 1.5
import -window root "$out/6-game-started.png"
kill -TERM "$(xdotool getwindowpid "$game")"   # its own close path: the game saves on SIGTERM
sleep 1

click 488 404   # SETUP
for _ in $(seq 30); do [ -f "$HOME/.local/share/applications/collection-pelta.desktop" ] && break; sleep 0.1; done
[ -f "$HOME/.local/share/applications/collection-pelta.desktop" ] || { echo "SETUP added no menu entry" >&2; exit 1; }

click 560 404   # exit
for _ in $(seq 30); do kill -0 $launcher 2>/dev/null || break; sleep 0.1; done
if kill -0 $launcher 2>/dev/null; then echo "the exit button did not end the launcher" >&2; exit 1; fi
echo "screenshots in $out"
