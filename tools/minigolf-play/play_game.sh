#!/usr/bin/env bash
# Plays the staged minigolf under Xvfb with the mouse as a person would: one shot on the first
# hole of the real course, then a whole game on the same holes with each ball placed just below
# its cup (so that clicks at most powers hole it), a three-letter name in the name entry by
# sideways motion and clicks, and Escape. Screenshots and the stored "rank.dat" go to OUT_DIR.
# Usage: tools/minigolf-play/play_game.sh BUILD_DIR [OUT_DIR]
# Needs xvfb, xdotool and imagemagick (import).
set -euo pipefail
. "$(dirname "$0")/../../scripts/usage.sh"
check_arguments "BUILD_DIR [OUT_DIR]   plays minigolf under Xvfb, screenshots in OUT_DIR" 1 2 "$@"
build=$(realpath "$1")
out=$(realpath -m "${2:-$build/minigolf-play}")
holes=$(realpath "$(dirname "$0")/../../minigolf/assets/courses/holes")
mkdir -p "$out"

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=:96 SDL_AUDIODRIVER=dummy
Xvfb :96 -screen 0 1280x960x24 >/dev/null 2>&1 &
sleep 1

shot() { import -window root "$out/$1.png"; }
# The colour at the middle of the status panel's row: blue in a hole, green on the ranking.
in_hole() {
  local c
  c=$(import -window root -crop 1x1+640+900 -depth 8 txt:- | tail -1 | grep -o '#[0-9A-F]\{6\}')
  [ $((16#${c:5:2})) -gt $((16#${c:3:2})) ]
}
start() {
  (cd "$1" && exec ./minigolf >"$out/$2.log" 2>&1) &
  game=$!
  sleep 2
}
stop() {  # Escape, then wait for the program to end by itself
  xdotool key Escape
  for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || { wait "$game"; return; }; sleep 0.1; done
  echo "minigolf did not end on Escape" >&2
  exit 1
}

# One shot on the real first hole: start, turn the aim right four steps, shoot.
cp -r "$build/collection/minigolf" "$work/real"
start "$work/real" real
shot 1-ranking
xdotool click 1 && sleep 3.5
shot 2-hole-start
sleep 2
for _ in 1 2 3 4; do xdotool mousemove_relative -- 20 0; sleep 0.06; done
sleep 0.3 && shot 3-aim
xdotool click 1 && sleep 0.4 && shot 4-rolling
sleep 3 && shot 5-rest
stop

# A whole game on the holes with every ball just below its cup.
cp -r "$build/collection/minigolf" "$work/quick"
for text in "$holes"/cource0*.txt; do
  start_line=$(awk '/^map$/ { m = NR; next }
                    m && (c = index($0, "O")) { printf "start %d %d\n", 16 * (c - 1), 16 * (NR - m - 1) + 8; exit }' "$text")
  sed "s/^start .*/$start_line/" "$text" > "$work/hole.txt"
  "$build/minigolf/assets/courses/minigolf_course_tool" "$work/hole.txt" "$work/quick/$(basename "$text" .txt).dat"
done
rm -f "$work/quick/rank.dat"
start "$work/quick" quick
xdotool click 1 && sleep 1
# A click every 0.7 s until the ranking comes back; looking often, so that no click lands in the
# name entry.
played=""
for click in $(seq 300); do
  [ "$click" = 5 ] && shot 6-quick-hole
  xdotool click 1
  for _ in 1 2 3 4 5 6 7; do
    if in_hole; then played=yes; elif [ -n "$played" ]; then break 2; fi
    sleep 0.1
  done
done
[ -n "$played" ] && ! in_hole || { echo "the game did not come back to the ranking" >&2; exit 1; }
sleep 0.5 && shot 7-name-entry
for letter in 1 2 3; do  # D, H, M: 3, 4 and 5 glyphs on
  for _ in $(seq $((letter + 2))); do xdotool mousemove_relative -- 15 0; sleep 0.16; done
  sleep 0.3
  xdotool click 1
  sleep 0.5
done
sleep 1 && shot 8-ranking-after
stop
cp "$work/quick/rank.dat" "$out/rank.dat"
od -A d -t d2 "$out/rank.dat"
