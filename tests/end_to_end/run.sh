#!/usr/bin/env bash
# Runs the real disk in a virtual X server, drives it like a user with xdotool and checks what it
# shows (screenshots against the disk's own pictures) and what it plays (SDL's disk audio file).
# Three runs: a whole session, a refusal for a missing module, a library error for a junk module;
# plus a start on a screen larger than the disk's. On failure the screenshots, sound files and
# error output are kept in <build-dir>/end_to_end-artifacts/.
# Usage: tests/end_to_end/run.sh <build-dir>
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?usage: $0 <build-dir>}" && pwd)
pictures=$(cd "$here/../../assets/pictures" && pwd)
artifacts=$build/end_to_end-artifacts
title="Z.A.V - Korvath"
python=python3
[[ -x /usr/bin/python3 ]] && python=/usr/bin/python3
work=$(mktemp -d)
xvfb_pid=
zav_pid=

cleanup() {
  if [[ -n $zav_pid ]]; then kill "$zav_pid" 2>/dev/null || true; fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  rm -rf "$artifacts"
  mkdir -p "$artifacts"
  cp "$work"/*.png "$work"/*.raw "$work"/*.err "$artifacts"/ 2>/dev/null || true
  echo "Screenshots, sound files and error output kept in $artifacts" >&2
  exit 1
}

step() { echo "-- $*"; }
picture_check() { "$python" "$here/pictures.py" "$@" >/dev/null; }
sound_check() { "$python" "$here/sound.py" "$@" >/dev/null; }
shot() { import -window root "$work/$1.png"; }
now_ms() { date +%s%3N; }

# Retries a command every 0.2 s until it succeeds or SECONDS pass; the last output is printed on
# failure.
wait_until() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$(($(now_ms) + seconds * 1000)) output
  until output=$("$@" 2>&1); do
    (($(now_ms) < deadline)) || fail "$what did not happen within ${seconds} s (last check: ${output:-no output})"
    sleep 0.2
  done
}

start_x() {
  [[ -n $xvfb_pid ]] && { kill "$xvfb_pid"; wait "$xvfb_pid" 2>/dev/null || true; }
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb_pid=$!
  wait_until 10 "the X server start" grep -q '[0-9]' "$work/display"
  export DISPLAY=":$(head -1 "$work/display")"
  screen_size=$(xdpyinfo | awk '/dimensions:/ {print $2}')
}

# start_zav RUN_DIR NAME: the disk from RUN_DIR, its sound into NAME.raw, its errors into NAME.err.
start_zav() {
  run_dir=$1 name=$2
  sound=$work/$name.raw errors=$work/$name.err
  (cd "$run_dir" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$sound" exec "$build/zav" 2>"$errors") &
  zav_pid=$!
  wait_until 10 "the window \"$title\" showing" window_titled
}

# Prints the id of the window titled "Z.A.V - Korvath". (xdotool's search by name misses SDL's
# message box, whose title is stored only as UTF-8.)
window_titled() {
  xwininfo -root -tree | awk -v title="\"$title\":" 'index($0, title) {print $1; found = 1; exit} END {exit !found}'
}

# expect_exit SECONDS: the disk ends within SECONDS with status 0.
expect_exit() {
  local deadline=$(($(now_ms) + $1 * 1000)) status=0
  while kill -0 "$zav_pid" 2>/dev/null; do
    (($(now_ms) < deadline)) || fail "the disk still runs $1 s after being told to end"
    sleep 0.05
  done
  wait "$zav_pid" || status=$?
  zav_pid=
  ((status == 0)) || fail "the disk ended with status $status"
  [[ $(xdpyinfo | awk '/dimensions:/ {print $2}') == "$screen_size" ]] || fail "the screen size changed"
}

# Gives the disk's window the keyboard, as a window manager would: key presses sent before the
# window has it are lost.
focus_disk() { xdotool windowfocus --sync "$(window_titled)"; }

seconds_of_sound() { "$python" "$here/sound.py" seconds "$1"; }
sound_at_least() { awk -v have="$(seconds_of_sound "$1")" -v want="$2" 'BEGIN {exit !(have >= want)}'; }
sound_restarted() { awk -v have="$(seconds_of_sound "$1")" -v before="$2" 'BEGIN {exit !(have < before)}'; }
shows() { shot "$1" && picture_check "${@:2}" ; }
menu_shows() { shows "$1" match "$work/$1.png" 0 0 640 420 "$pictures/ImageMenuPozadi.png"; }
# lit NAME PICTURE X Y: the highlight PICTURE shows at (X, Y).
lit() {
  local size
  size=$(identify -format '%w %h' "$pictures/$2.png")
  shows "$1" match "$work/$1.png" "$3" "$4" ${size% *} ${size#* } "$pictures/$2.png" 0 0
}
credits_show() { shows "$1" match "$work/$1.png" 0 0 340 480 "$pictures/Credits.png"; }
# at_least_ms SINCE MS: at least MS milliseconds have passed since SINCE.
at_least_ms() { (($(now_ms) - $1 >= $2)); }

whole_session() {
  step "intro: the number matrix rises and the theme plays"
  start_zav "$build/run" session
  wait_until 5 "the intro showing" shows intro lit "$work/intro.png"
  wait_until 10 "1.5 s of sound" sound_at_least "$sound" 1.5
  sound_check heard "$sound" || fail "the theme is silent"

  step "Escape skips to the menu"
  focus_disk
  xdotool key Escape
  wait_until 8 "the menu after Escape" menu_shows menu

  step "hovering Psycho lights it, clicking it plays it and shows its line in the strip"
  xdotool mousemove 430 248
  wait_until 3 "Psycho lighting up" lit hover Psycho2 355 240
  local click_at
  click_at=$(seconds_of_sound "$sound")
  xdotool click 1
  wait_until 8 "2.5 s of sound after the click" sound_at_least "$sound" "$(awk -v t="$click_at" 'BEGIN {print t + 2.5}')"
  sound_check heard "$sound" 2 || fail "the song is silent"
  sound_check changed "$sound" "$click_at" || fail "the music did not change at the click"
  wait_until 10 "Psycho's line in the strip" shows strip strip "$work/strip.png" 232 424 393 41 "$pictures/Text10.png"

  step "Credits opens the credits screen after the backdrop, a click goes back"
  xdotool mousemove 5 380
  wait_until 3 "Credits lighting up" lit credits-lit Credits2 0 356
  xdotool click 1
  local since
  since=$(now_ms)
  wait_until 8 "the credits screen" credits_show credits
  at_least_ms "$since" 1000 || fail "the credits screen came without the backdrop's pause"
  xdotool click 1
  since=$(now_ms)
  wait_until 8 "the menu after the credits" menu_shows menu-again
  at_least_ms "$since" 1000 || fail "the menu came back without the backdrop's pause"

  step "Mute silences the music"
  sound_check heard "$sound" 0.5 || fail "the song stopped before Mute"
  xdotool mousemove 5 425
  wait_until 3 "Mute lighting up" lit mute-lit Mute2 0 406
  xdotool click 1
  wait_until 4 "silence after Mute" sound_check silent "$sound" 0.5

  step "F10 ends the disk with status 0"
  focus_disk
  xdotool key F10
  expect_exit 2
}

larger_screen() {
  step "on a 1024x768 screen the disk starts, shows the intro and ends on F10"
  start_x 1024x768
  start_zav "$build/run" larger
  wait_until 5 "the intro showing" shows larger lit "$work/larger.png"
  focus_disk
  xdotool key F10
  expect_exit 2
}

missing_module() {
  step "a missing module: the refusal box, then status 0"
  cp -r "$build/run" "$work/missing-run"
  rm "$work/missing-run/MUSICDAT/psycho.zav"
  start_zav "$work/missing-run" missing
  wait_until 5 "the refusal on standard error" grep -qF "$title: Any song not exists!" "$errors"
  shot refusal
  focus_disk
  xdotool key Return
  expect_exit 5
}

junk_module() {
  step "a junk module: the library's error in a box when it is clicked, then status 0"
  cp -r "$build/run" "$work/junk-run"
  head -c 3000 /dev/urandom >"$work/junk-run/MUSICDAT/psycho.zav"
  start_zav "$work/junk-run" junk
  wait_until 5 "the intro showing" shows junk-intro lit "$work/junk-intro.png"
  focus_disk
  xdotool key Escape
  wait_until 8 "the menu after Escape" menu_shows junk-menu
  xdotool mousemove 430 248
  wait_until 3 "Psycho lighting up" lit junk-hover Psycho2 355 240
  xdotool click 1
  wait_until 5 "the library's error on standard error" grep -qE "^$title: MIDAS error: .+" "$errors"
  shot junk-error
  ! picture_check match "$work/junk-error.png" 0 160 640 120 "$pictures/ImageMenuPozadi.png" ||
    fail "no box over the menu"
  grep -F "MIDAS error" "$errors"
  xdotool key Return
  expect_exit 5
}

start_x 640x480
whole_session
missing_module
junk_module
larger_screen
echo "end to end: all passed"
