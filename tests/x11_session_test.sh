#!/usr/bin/env bash
# The tavro program on a real X server (Xvfb) with real-time audio (SDL's disk
# driver): keys pressed while a square is being spoken wait their turn and are
# all handled afterwards, in order; Escape during a game asks, and Yes closes
# the program. Usage: x11_session_test.sh PATH/TO/tavro
set -euo pipefail

tavro=$1
source "$(dirname "$0")/x11_session_lib.sh"
require_tools xvfb-run xdotool import convert
inside_xvfb "$0" "$@"

work=$(mktemp -d)
# Its settings stay in the test's folder.
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/audio.raw XDG_CONFIG_HOME=$work/config
"$tavro" 2>"$work/stderr" &
pid=$!
trap 'kill -KILL $pid 2>/dev/null || true; rm -rf "$work"' EXIT



window=""
find_window() { window=$(xdotool search --name 'タヴロ' 2>/dev/null | head -1) && [[ -n $window ]]; }
within 15 find_window || fail "no window appeared"
xdotool windowfocus --sync "$window"

# The colour of a pixel of the window: the view sits inside a 2-pixel edge,
# below the menu bar, which takes what the window has above 400 pixels.
height=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^HEIGHT=//p')
menu_bar=$((height - 400))
pixel() { import -window "$window" png:- | convert - -format "%[pixel:p{$1,$2}]" info:; }
green_at() { [[ $(pixel $(($1 * 50 + 4)) $((menu_bar + $2 * 50 + 4))) == *"0,128,0"* ]]; }

xdotool key ctrl+b
within 10 green_at 3 3 || fail "no game started on Ctrl+B"
# Three presses at once: the first is spoken while the other two wait.
xdotool key --delay 20 Right Right Right
within 30 green_at 6 3 || fail "the cursor did not reach G4: keys made during speech were lost"
green_at 4 3 && fail "E4 still shows the cursor"

xdotool key Escape
sleep 1
kill -0 $pid || fail "Escape closed the game without asking"
xdotool key Return # Yes, the default button
within 10 bash -c "! kill -0 $pid 2>/dev/null" || fail "the game did not close after Yes"
wait $pid || fail "the program exited with status $?"
echo "passed"
