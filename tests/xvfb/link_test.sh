#!/usr/bin/env bash
# The web link on a real X screen: pointing at it turns the text aqua, and
# a click starts the desktop's opener (a stand-in xdg-open, first on PATH)
# once, with the publisher's address.
#   link_test.sh PROGRAM
set -u
program=$1
here=$(dirname "$0")
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
. "$here/lib.sh"
need openbox xdotool xprop xwininfo import
start_window_manager
scratch=$(mktemp -d)
trap 'kill $WM_PID 2>/dev/null; rm -rf "$scratch"' EXIT

cat >"$scratch/xdg-open" <<'STANDIN'
#!/bin/sh
printf '%s\n' "$*" >>"$(dirname "$0")/opened"
STANDIN
chmod +x "$scratch/xdg-open"

# A desktop Qt does not know, so it asks xdg-open.
PATH="$scratch:$PATH" XDG_CURRENT_DESKTOP= DESKTOP_SESSION= "$program" &
pid=$!
win=$(wait_for_window "Tra Cuu Dia Diem Van Duc") || fail "no window appeared"
framed() { [ "$(frame_extents "$win")" != "0 0 0 0" ]; }
eventually framed || fail "the window manager gave the window no frame"
sleep 0.3
read -r cx cy _ _ < <(client_geometry "$win")

count_colour() { # counts pixels of colour $1 in the link's rectangle
    import -window root -crop "201x25+$((cx + 816))+$cy" -depth 8 txt:- 2>/dev/null | grep -ci "$1"
}
silver() { [ "$(count_colour '#C0C0C0')" -gt 50 ] && [ "$(count_colour '#00FFFF')" -eq 0 ]; }
aqua() { [ "$(count_colour '#00FFFF')" -gt 50 ] && [ "$(count_colour '#C0C0C0')" -eq 0 ]; }
eventually silver || fail "the link is not silver before hovering"
xdotool mousemove $((cx + 916)) $((cy + 12))
eventually aqua || fail "the link does not turn aqua under the pointer"
echo "hover turns the link aqua"

xdotool click 1
opened() { [ -s "$scratch/opened" ]; }
eventually opened || fail "no opener was started"
sleep 0.5 # time for a second, wrong, start to show
[ "$(wc -l <"$scratch/opened")" -eq 1 ] || fail "the opener ran $(wc -l <"$scratch/opened") times"
[ "$(cat "$scratch/opened")" = "https://vanduc.example" ] || fail "opened '$(cat "$scratch/opened")'"
echo "a click opened https://vanduc.example once"

# Moving away restores the silver look.
xdotool mousemove 600 400
eventually silver || fail "still aqua after the pointer left"
kill "$pid"
echo "1 passed, 0 failed"
