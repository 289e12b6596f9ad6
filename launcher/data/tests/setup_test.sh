#!/usr/bin/env bash
# The collection's setup script: a menu entry per game present, started from the game's own
# folder, with a folder name that needs the desktop-entry escapes. Usage: setup_test.sh SETUP
set -uo pipefail
setup=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "$*" >&2; failed=1; }

collection="$work/my games \$1 100%"
mkdir -p "$collection/pelta" "$collection/minigolf"
cp "$setup" "$collection/setup"
mkdir "$collection/desktop"
cp "$(dirname "$setup")/../../packaging/desktop/"*.desktop "$collection/desktop/"
printf '#!/bin/sh\n' > "$collection/pelta/pelta"
chmod +x "$collection/pelta/pelta"
printf 'not a program\n' > "$collection/minigolf/minigolf"   # present but not executable

out=$(XDG_DATA_HOME="$work/data" "$collection/setup") || fail "setup failed"
apps="$work/data/applications"
entry="$apps/collection-pelta.desktop"
[ -f "$entry" ] || fail "no entry for pelta"
[ ! -e "$apps/collection-minigolf.desktop" ] || fail "an entry for a game that cannot run"
grep -qx 'Exec="'"$work"'/my games \\\\$1 100%%/pelta/pelta"' "$entry" || fail "Exec is not escaped: $(grep Exec "$entry")"
grep -qx "Path=$work/my games \$1 100%/pelta" "$entry" || fail "Path is wrong: $(grep Path= "$entry")"
grep -qx 'Name\[ja\]=peltaⅡ' "$entry" || fail "no Japanese name"
grep -q "1 本のゲームをメニューに登録しました。" <<<"$out" || fail "no report of what was added: $out"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$entry" || fail "invalid entry"; fi

# Running it again replaces the entry instead of adding another.
XDG_DATA_HOME="$work/data" "$collection/setup" >/dev/null || fail "second run failed"
[ "$(ls "$apps"/*.desktop | wc -l)" -eq 1 ] || fail "second run left $(ls "$apps")"

rm "$collection/pelta/pelta"
out=$(XDG_DATA_HOME="$work/other" "$collection/setup") || fail "setup without games failed"
grep -q "見つかりません" <<<"$out" || fail "no word that nothing was found: $out"
exit $failed
