#!/usr/bin/env bash
# Whole-process figures of the disk in a virtual X server, printed as a Markdown table:
#  - start-up: from starting the program to its window existing and to its first frame on the
#    screen (the median of 5 starts);
#  - CPU time (all threads, as the scheduler counts it to the nanosecond) and peak resident
#    memory while the menu plays Psycho, side by side with openmpt123 playing the same module at
#    the same time, over three windows of 20 s; the window with the median ratio is shown. Both
#    play in real time: the disk into SDL's disk audio driver, which writes at the sound's own
#    pace, openmpt123 into a pipe read at that pace. Beside them, in an X server of its own, runs
#    the least a 60 Hz X client costs here (bench/figures/FrameFloor.cpp): a wake-up and one
#    info-strip-sized put a frame, nothing else.
# Usage: bench/figures.sh [build-dir]   (default: build/, as ./run.sh leaves it)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
figures=$root/bench/figures
pictures=$root/assets/pictures
module=$build/run/MUSICDAT/psycho.zav
seconds=20
windows=3
starts=5
python=python3
[[ -x /usr/bin/python3 ]] && python=/usr/bin/python3
work=$(mktemp -d)
pids=()

cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

now_ms() { date +%s%3N; }
wait_until() {
  local seconds=$1 what=$2
  local deadline=$(($(now_ms) + seconds * 1000))
  shift 2
  until "$@" >/dev/null 2>&1; do
    (($(now_ms) < deadline)) || { echo "$what did not happen within $seconds s" >&2; exit 1; }
    sleep 0.2
  done
}

# start_x [Xvfb options]: a fresh 640x480 server in $DISPLAY.
start_x() {
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp "$@" 3>"$work/display" 2>/dev/null &
  pids+=($!)
  wait_until 10 "the X server start" grep -q '[0-9]' "$work/display"
  export DISPLAY=":$(head -1 "$work/display")"
}

# cpu_ms PID: CPU time of all the process's threads so far, in milliseconds. The scheduler's
# own count: user and system time in /proc/PID/stat come in 10 ms ticks, too coarse here.
cpu_ms() {
  cat /proc/"$1"/task/*/schedstat | awk '{ns += $1} END {printf "%d", ns / 1e6}'
}
peak_rss_kb() { awk '/^VmHWM:/ {print $2}' "/proc/$1/status"; }
# No window manager gives the window the keyboard.
focus_disk() { xdotool windowfocus --sync "$(xwininfo -root -tree | awk '/"Z.A.V - Korvath"/ {print $1; exit}')"; }
pictures_show() {
  import -window root "$work/shot.png" && "$python" "$root/tests/end_to_end/pictures.py" "$1" "$work/shot.png" "${@:2}"
}

echo "Measuring start-up ($starts starts)..." >&2
start_x -wr
read -r _ window_ms _ frame_ms < <("$python" "$figures/first_frame.py" "$build/zav" "$build/run" "$starts")
kill "${pids[-1]}"

echo "Measuring $windows x $seconds s of playing beside openmpt123..." >&2
start_x
(cd "$build/run" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/zav.raw" exec "$build/zav" 2>/dev/null) &
zav=$!
pids+=($zav)
wait_until 10 "the intro" pictures_show lit
focus_disk
xdotool key Escape
wait_until 10 "the menu" pictures_show match 0 0 640 420 "$pictures/ImageMenuPozadi.png"
xdotool mousemove 430 248
wait_until 5 "Psycho lighting up" pictures_show match 355 240 155 18 "$pictures/Psycho2.png" 0 0

mkfifo "$work/openmpt.pcm"
"$python" "$figures/real_time_sink.py" <"$work/openmpt.pcm" &
pids+=($!)
openmpt123 --batch --stdout --no-float --samplerate 48000 --channels 2 --repeat -1 -q "$module" \
  >"$work/openmpt.pcm" 2>/dev/null </dev/null &
openmpt=$!
pids+=($openmpt)
xdotool click 1
disk_display=$DISPLAY
start_x
"$build/bench/figures/frame_floor" &
floor=$!
pids+=($floor)
export DISPLAY=$disk_display
# Both past their start: the song loaded, the first buffers rendered.
sleep 1
# The machine's load varies from one window to the next; both processes see the same.
for ((window = 0; window < windows; ++window)); do
  zav_before=$(cpu_ms "$zav") openmpt_before=$(cpu_ms "$openmpt") floor_before=$(cpu_ms "$floor")
  sleep "$seconds"
  echo "$(($(cpu_ms "$zav") - zav_before)) $(($(cpu_ms "$openmpt") - openmpt_before))" \
    "$(($(cpu_ms "$floor") - floor_before))"
done >"$work/windows"
read -r zav_cpu openmpt_cpu floor_cpu < <(awk '{print $1 / $2, $0}' "$work/windows" | sort -g | sed -n "$(((windows + 1) / 2))p" | cut -d' ' -f2-)
zav_rss=$(peak_rss_kb "$zav") openmpt_rss=$(peak_rss_kb "$openmpt")
focus_disk
xdotool key F10
wait "$zav"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.2f", a / b; else print "n/a"}'; }
percent() { awk -v ms="$1" -v s="$seconds" 'BEGIN {printf "%.1f %%", ms / (s * 10)}'; }
cat <<EOF

| Figure | Z.A.V - Korvath | openmpt123 | Ratio |
|---|---|---|---|
| Start to window (median of $starts) | $window_ms ms | | |
| Start to first frame (median of $starts) | $frame_ms ms | | |
| CPU over $seconds s playing Psycho (median of $windows) | $zav_cpu ms ($(percent "$zav_cpu") of a core) | $openmpt_cpu ms ($(percent "$openmpt_cpu") of a core) | $(ratio "$zav_cpu" "$openmpt_cpu") |
| CPU of a bare 60 Hz X client in the same windows | $floor_cpu ms ($(percent "$floor_cpu") of a core) | | $(ratio "$floor_cpu" "$openmpt_cpu") |
| Peak resident memory | $((zav_rss / 1024)) MiB | $((openmpt_rss / 1024)) MiB | $(ratio "$zav_rss" "$openmpt_rss") |
EOF
