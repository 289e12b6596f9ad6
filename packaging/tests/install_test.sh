#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a player and a packager get: the
# tree, the menu entries and metadata as their validators see them, the batting game started
# from its command with its folder read-only, keeping its scores in the user's data folder, and
# the other commands starting their programs from that folder.
# Usage: install_test.sh BUILD WRITE_SCORE_TABLE ID...   (ID: each command the build installs)
set -uo pipefail
build=$1 write_scores=$2
shift 2
ids=("$@")

work=$(mktemp -d)
chmod 755 "$work"   # another user starts the game below when this runs as root
pid=
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: install" >&2; exit 1; }
collection=$prefix/lib/games/game-collection

# The tree: a command, menu entry and icons per program; no file a program wrote while staged.
for id in "${ids[@]}"; do
  [ -x "$prefix/games/$id" ] || fail "no command $id"
  [ -f "$prefix/share/man/man6/$id.6.gz" ] || fail "no manual page for $id"
  [ -f "$prefix/share/applications/$id.desktop" ] || fail "no menu entry for $id"
  [ -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon for $id"
  png=$prefix/share/icons/hicolor/48x48/apps/$id.png
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  size=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null | tr -s ' ')
  [ "$size" = " 0 0 0 48 0 0 0 48" ] || fail "$png is not 48 x 48: $size"
done
[ -f "$prefix/share/metainfo/local.collection.games.metainfo.xml" ] || fail "no metainfo"
[ -z "$(find "$collection" -name 'pelta.dat*' -o -name 'rank.dat*')" ] || fail "a score file was installed"
# Programs and scripts are executable, data files are not.
while IFS= read -r -d '' file; do
  magic=$(head -c4 "$file" | od -An -c | tr -d ' ')
  runnable=0
  case $magic in 177ELF*|\#!*) runnable=1 ;; esac
  if [ -x "$file" ] && [ $runnable -eq 0 ]; then fail "data file is executable: $file"; fi
  if [ ! -x "$file" ] && [ $runnable -eq 1 ]; then fail "program is not executable: $file"; fi
done < <(find "$collection" "$prefix/games" -type f -print0)

# The validators have nothing to say.
for entry in "$prefix"/share/applications/*.desktop; do
  out=$(desktop-file-validate "$entry" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate $entry: $out"
done
out=$(appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml 2>&1) || fail "appstreamcli: $out"

# The batting game with its folder read-only. Root writes anywhere, so as root the game runs as
# nobody, the way a player meets an installed game.
folder=$collection/pelta
"$write_scores" "$folder/pelta.dat" || fail "could not write the shipped table"
cp "$folder/pelta.dat" "$work/shipped.dat"
chmod -R a-w "$collection"
home=$work/home
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
as_player=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody: "$home"
  as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
kept=$home/.local/share/pelta/pelta.dat

# "ready" once the process has become the program $game and catches SIGTERM (signal 15: bit 14 of its
# caught-signal mask; the shells before it may catch it too), "ended" once it has exited.
game_state() {
  local name state caught
  read -r name state caught < <(awk '/^Name:/ {n = $2} /^State:/ {s = $2} /^SigCgt:/ {c = $2}
                                     END {print n, s, c}' "/proc/$1/status" 2>/dev/null)
  if [ -z "$state" ] || [ "$state" = Z ]; then echo ended
  elif [ "$name" = "$game" ] && (( 0x$caught & 0x4000 )); then echo ready
  else echo starting
  fi
}

# Starts $game from its command, waits until it handles SIGTERM (the games' shutdown saves
# their scores), ends it.
play_and_quit() {
  local command=$1 log=$2
  env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" XDG_RUNTIME_DIR="$home/runtime" \
    QT_QPA_PLATFORM=offscreen SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "${as_player[@]}" \
    "$prefix/games/$command" 2>"$log" &
  pid=$!
  wait_for_game ready || { fail "$game did not start: $(cat "$log")"; return; }
  kill -TERM "$pid"
  if ! wait_for_game ended; then
    fail "$game did not end after SIGTERM: $(cat "$log")"
    kill -KILL "$pid"
    wait "$pid"
    pid=
    return
  fi
  wait "$pid" || fail "$game exited with $? after SIGTERM: $(cat "$log")"
  pid=
}

# Polls the game's state for at most half a minute; fails at once when it ends while awaited
# to be ready.
wait_for_game() {
  local state
  for _ in $(seq 300); do
    state=$(game_state "$pid")
    [ "$state" = "$1" ] && return 0
    [ "$state" = ended ] && return 1
    sleep 0.1
  done
  return 1
}

game=pelta
ls -A "$folder" > "$work/before"
play_and_quit collection-pelta "$work/first.log"
cmp -s "$kept" "$work/shipped.dat" || fail "the shipped scores were not saved to $kept"
[ "$(grep -c 'is kept in' "$work/first.log")" -eq 1 ] || fail "the move was not told once: $(cat "$work/first.log")"
ls -A "$folder" | cmp -s - "$work/before" || fail "the game wrote into its folder: $(ls -A "$folder")"

# Without the shipped file, only the data folder's copy can bring the scores back.
chmod u+w "$folder" && rm "$folder/pelta.dat" && chmod a-w "$folder"
ls -A "$folder" > "$work/before"
play_and_quit collection-pelta "$work/second.log"
cmp -s "$kept" "$work/shipped.dat" || fail "the second start did not read the scores back from $kept"
ls -A "$folder" | cmp -s - "$work/before" || fail "the game wrote into its folder: $(ls -A "$folder")"

# The launcher and the mini golf from their commands and the read-only folder: each finds its
# data there and ends on SIGTERM; the mini golf tells once where its ranking is kept.
for started in "collection-launcher game ." "collection-minigolf minigolf minigolf"; do
  read -r command game subfolder <<< "$started"
  [[ " ${ids[*]} " == *" $command "* ]] || continue
  folder=$collection/$subfolder
  ls -A "$folder" > "$work/before"
  play_and_quit "$command" "$work/$game.log"
  ls -A "$folder" | cmp -s - "$work/before" || fail "$game wrote into its folder: $(ls -A "$folder")"
done
if [[ " ${ids[*]} " == *" collection-minigolf "* ]]; then
  [ "$(grep -c 'is kept in' "$work/minigolf.log")" -eq 1 ] ||
    fail "minigolf did not tell once where its ranking is kept: $(cat "$work/minigolf.log")"
fi

exit $failed
