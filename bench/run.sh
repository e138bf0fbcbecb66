#!/usr/bin/env bash
# Runs the benchmark on a virtual X screen and prints its figures beside
# their floors and a peer image viewer (feh), all measured in this run.
#   bench/run.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ -z "${DISPLAY:-}" ]; then
    cmake --build "$build" --target bench_tools >/dev/null
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
runs=${BENCH_RUNS:-7}
maps=assets/maps
watch=$build/bench/screen_watch
export QT_QPA_PLATFORM=xcb

pixel() { convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'; }
median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
stop() { pkill -x "$1" 2>/dev/null || true; sleep 0.3; }

# Without a window manager the program's client area opens at
# ((1280 - 1021) / 2, (800 - 603) / 2) and feh's at the origin.
ox=$(((1280 - 1021) / 2)) oy=$(((800 - 603) / 2))
read -r r g b < <(pixel $maps/trangchu.jpg 400 300)

start_ours=() start_feh=() start_bare=() start_text=()
for _ in $(seq "$runs"); do
    start_ours+=("$($watch launch $((ox + 224 + 400)) $((oy + 72 + 300)) $r $g $b -- "$build/app/tracuu")"); stop tracuu
    start_feh+=("$($watch launch 400 300 $r $g $b -- feh -g 797x531+0+0 --no-menus "$maps/trangchu.jpg")"); stop feh
    start_bare+=("$($watch launch 500 300 239 239 239 -- "$build/bench/bench_window" bare --wait)"); stop bench_window
    start_text+=("$($watch launch 500 300 239 239 239 -- "$build/bench/bench_window" text --wait)"); stop bench_window
done

# Switching between two maps shown before: rows 3 (dongtong) and 4 (taytong).
px=100 py=450
read -r dr dg db < <(pixel $maps/dongtong.jpg $px $py)
read -r tr tg tb < <(pixel $maps/taytong.jpg $px $py)
"$build/app/tracuu" &
sleep 1.5
win=$(xdotool search --onlyvisible --name "Tra Cuu" | head -n 1)
xdotool key --window "$win" End Home Down Down Down Down Up
sleep 0.5
# Times each switch to taytong (key $2) and back to dongtong (key $3) of
# window $1, watching the screen pixel ($4, $5).
flips() {
    for _ in $(seq "$runs"); do
        $watch key "$1" "$2" "$4" "$5" $tr $tg $tb
        $watch key "$1" "$3" "$4" "$5" $dr $dg $db
    done
}
switch_ours=($(flips "$win" Down Up $((ox + 224 + px)) $((oy + 72 + py))))
stop tracuu
feh -g 797x531+0+0 --no-menus "$maps/dongtong.jpg" "$maps/taytong.jpg" &
sleep 1
fwin=$(xdotool search --onlyvisible --class feh | head -n 1)
switch_feh=($(flips "$fwin" Right Left $px $py))
stop feh

inproc=$("$build/bench/bench_window" inprocess)
mem=$("$build/bench/bench_window" memory)
bare=$("$build/bench/bench_window" bare)
val() { awk -v k="$1" '$1 == k {print $2}' <<<"$2"; }

printf '%-48s %10s\n' "measure" "value"
printf '%-48s %10s\n' "start to first painted map, ours (ms)" "$(printf '%s\n' "${start_ours[@]}" | median)"
printf '%-48s %10s\n' "start to first painted picture, feh (ms)" "$(printf '%s\n' "${start_feh[@]}" | median)"
printf '%-48s %10s\n' "start to painted bare Qt window (ms)" "$(printf '%s\n' "${start_bare[@]}" | median)"
printf '%-48s %10s\n' "  the same with one line of text (ms)" "$(printf '%s\n' "${start_text[@]}" | median)"
printf '%-48s %10s\n' "first showing of a region map, in process (ms)" "$(val first_showing_ms "$inproc")"
printf '%-48s %10s\n' "floor: one libjpeg decode of that map (ms)" "$(val decode_floor_ms "$inproc")"
printf '%-48s %10s\n' "switch between two shown maps, in process (ms)" "$(val switch_ms "$inproc")"
printf '%-48s %10s\n' "floor: one copy of 797 x 531 pixels (ms)" "$(val copy_floor_ms "$inproc")"
printf '%-48s %10s\n' "switch on screen after a key, ours (ms)" "$(printf '%s\n' "${switch_ours[@]}" | median)"
printf '%-48s %10s\n' "flip on screen after a key, feh (ms)" "$(printf '%s\n' "${switch_feh[@]}" | median)"
ours_kb=$(val peak_rss_kb "$mem") bare_kb=$(val peak_rss_kb "$bare")
printf '%-48s %10s\n' "peak memory, all six maps shown (MB)" "$(awk -v k="$ours_kb" 'BEGIN {printf "%.1f", k / 1024}')"
printf '%-48s %10s\n' "peak memory, bare Qt window (MB)" "$(awk -v k="$bare_kb" 'BEGIN {printf "%.1f", k / 1024}')"
printf '%-48s %10s\n' "difference (MB)" "$(awk -v a="$ours_kb" -v b="$bare_kb" 'BEGIN {printf "%.1f", (a - b) / 1024}')"
ours_anon=$(val anon_kb "$mem") bare_anon=$(val anon_kb "$bare")
printf '%-48s %10s\n' "  of which heap and other anonymous memory (MB)" "$(awk -v a="$ours_anon" -v b="$bare_anon" 'BEGIN {printf "%.1f", (a - b) / 1024}')"
