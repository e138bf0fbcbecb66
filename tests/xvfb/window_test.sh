#!/usr/bin/env bash
# The real program on a virtual screen with a window manager: it opens
# centred, a typed letter shows the place's map with the inverted disc on
# it, and closing the window ends the process with exit code 0.
#   window_test.sh PROGRAM MAPS_DIR
set -u
program=$1
maps=$2
here=$(dirname "$0")
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
. "$here/lib.sh"
need openbox xdotool xprop xwininfo import convert
start_window_manager
trap 'kill $WM_PID 2>/dev/null' EXIT

# Arguments, Qt's own options among them, change nothing.
QT_QPA_PLATFORM= "$program" --lookup -platform offscreen stray &
pid=$!
win=$(wait_for_window "Tra Cuu Dia Diem Van Duc") || fail "no window appeared"
framed() { [ "$(frame_extents "$win")" != "0 0 0 0" ]; }
eventually framed || fail "the window manager gave the window no frame"
sleep 0.3 # the program centres again once it learns its frame

read -r cx cy cw ch < <(client_geometry "$win")
read -r fl fr ft fb < <(frame_extents "$win")
[ "$cw" -eq 1021 ] && [ "$ch" -eq 603 ] || fail "client area is ${cw}x${ch}, not 1021x603"
ow=$((cw + fl + fr)) oh=$((ch + ft + fb))
want_x=$(((1280 - ow) / 2)) want_y=$(((800 - oh) / 2))
got_x=$((cx - fl)) got_y=$((cy - ft))
[ "$got_x" -eq "$want_x" ] && [ "$got_y" -eq "$want_y" ] ||
    fail "window frame at ($got_x, $got_y), centred would be ($want_x, $want_y); frame $fl $fr $ft $fb"
echo "window centred at ($got_x, $got_y) with frame $fl $fr $ft $fb"

# The overview shows, without any disc.
ov=$(picture_pixel "$maps/trangchu.jpg" 400 300)
overview_shown() { close_to "$(screen_pixel $((cx + 224 + 400)) $((cy + 72 + 300)))" "$ov" 8; }
eventually overview_shown || fail "the overview is not shown"

# "t" selects Tam Hiệp Sạn Đạo (105): taytong, marker box at (704, 272).
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
xdotool key --window "$win" t
px=$((704 + 32 - 224)) py=$((272 + 32 - 72))
under=$(picture_pixel "$maps/taytong.jpg" $px $py)
read -r r g b <<<"$under"
inverted="$((255 - r)) $((255 - g)) $((255 - b))"
disc_shown() { close_to "$(screen_pixel $((cx + 704 + 32)) $((cy + 272 + 32)))" "$inverted" 8; }
eventually disc_shown ||
    fail "disc centre shows ($(screen_pixel $((cx + 704 + 32)) $((cy + 272 + 32)))), the inverted map is ($inverted)"
# Just outside the disc the map shows as it is.
out=$(picture_pixel "$maps/taytong.jpg" $((px + 36)) $py)
close_to "$(screen_pixel $((cx + 704 + 32 + 36)) $((cy + 272 + 32)))" "$out" 8 || fail "the map beside the disc is wrong"
echo "inverted disc shown on Tam Hiệp Sạn Đạo"

# Closing the window through the window manager ends the program.
xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
xdotool key alt+F4
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "the program did not end when its window closed"; }
wait "$pid"
rc=$?
[ "$rc" -eq 0 ] || fail "exit code $rc"
echo "closed with exit code 0"
echo "1 passed, 0 failed"
