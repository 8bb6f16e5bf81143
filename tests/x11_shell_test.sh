#!/usr/bin/env bash
# The tavro program's shell on a real X server (Xvfb), driven by xdotool: a
# file named on the command line, the title that names the level, the menus
# worked from the keyboard, the how-to-play page handed to the desktop's
# opener (and the message when there is none), the About box, and the
# settings file: a damaged one does not stop the program and is written
# afresh with the recent file at the end; a file that cannot be opened ends
# the start with a message and a non-zero status. Given the build tree, the
# program is also installed into a prefix of its own, and that copy opens
# the page installed beside it.
# Usage: x11_shell_test.sh PATH/TO/tavro [BUILD-TREE]
set -euo pipefail

tavro=$1
build_tree=${2:-}
source "$(dirname "$0")/x11_session_lib.sh"
require_tools xvfb-run xdotool
inside_xvfb "$0" "$@"

work=$(mktemp -d)
pid=""
trap '[[ -n $pid ]] && kill -KILL $pid 2>/dev/null; rm -rf "$work"' EXIT
export SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME=$work/config
settings="$XDG_CONFIG_HOME/アプリケーション ウィザードで生成されたローカル アプリケーション/Tavro.conf"



window=""
find_window() { window=$(xdotool search --name "^$1\$" 2>/dev/null | head -1) && [[ -n $window ]]; }
title_is() { [[ $(xdotool getwindowname "$window" 2>/dev/null) == "$1" ]]; }
gone() { ! kill -0 "$pid" 2>/dev/null; }
press() {
    xdotool key --delay 150 "$@"
    sleep 0.3
}

# A damaged settings file, a game file, and a desktop opener that notes
# what it was asked to open.
mkdir -p "$(dirname "$settings")" "$work/bin"
printf '\x00\xff[[[garbage\n=\n@Variant(\x01)\n' >"$settings"
echo "not read" >"$work/game.tavro"
printf '#!/bin/sh\necho "$1" >"%s/opened"\n' "$work" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"

PATH="$work/bin:$PATH" "$tavro" "$work/game.tavro" 2>"$work/stderr" &
pid=$!
within 15 find_window 'タヴロ - レベル：普通' || fail "no window titled with the normal level"
xdotool windowfocus --sync "$window"

# Settings, Level (the first entry, highlighted as the menu opens), Strong.
press alt+s Right Return
within 5 title_is 'タヴロ - レベル：強い' || fail "the Strong level did not reach the title"
press alt+s Right Down Down Return
within 5 title_is 'タヴロ - レベル：弱い' || fail "the Weak level did not reach the title"

press F1
within 5 test -s "$work/opened" || fail "F1 opened nothing"
page=$(cat "$work/opened")
[[ $page == file://*/share/tavro/help/how-to-play.html ]] || fail "F1 opened $page"
[[ -f ${page#file://} ]] || fail "the page $page is not there"

# Help, About: a box of its own; Escape ends it.
press alt+h Return
within 5 find_window 'ﾊﾞｰｼﾞｮﾝ情報' || fail "no About box"
press Escape
within 5 bash -c "! xdotool search --name '^ﾊﾞｰｼﾞｮﾝ情報\$' >/dev/null 2>&1" || fail "the About box stayed"

# Game, Exit: closes at once and writes the settings.
find_window 'タヴロ - レベル：弱い'
xdotool windowfocus --sync "$window"
press alt+g Up Return
within 10 gone || fail "Exit did not close the program"
wait $pid || fail "the program exited with status $?"
pid=""
grep -q "^File1=$work/game.tavro\$" "$settings" || fail "the recent file was not saved: $(cat "$settings")"
if grep -q garbage "$settings"; then fail "the damaged settings were kept"; fi

# Installed elsewhere than it was built for, the program finds its own page.
if [[ -n $build_tree ]]; then
    cmake --install "$build_tree" --prefix "$work/prefix" >/dev/null ||
        fail "the program could not be installed"
    rm -f "$work/opened"
    # games/ by default; a build tree configured with another bindir keeps it.
    installed=$(find "$work/prefix" -type f -name tavro | head -1)
    [[ -x $installed ]] || fail "no tavro program in the install"
    PATH="$work/bin:$PATH" "$installed" 2>"$work/stderr" &
    pid=$!
    within 15 find_window 'タヴロ - レベル：普通' || fail "no window from the installed program"
    xdotool windowfocus --sync "$window"
    press F1
    within 5 test -s "$work/opened" || fail "F1 of the installed program opened nothing"
    [[ $(cat "$work/opened") == "file://$work/prefix/share/tavro/help/how-to-play.html" ]] ||
        fail "the installed program opened $(cat "$work/opened")"
    kill -TERM $pid
    wait $pid || true
    pid=""
fi

# No opener on the PATH: the how-to-play page cannot be shown.
PATH=/usr/bin:/bin "$tavro" 2>"$work/stderr" &
pid=$!
within 15 find_window 'タヴロ - レベル：普通' || fail "no window without an opener"
xdotool windowfocus --sync "$window"
press F1
within 5 find_window 'Tavro' || fail "no message when the browser cannot be started"
press Return
kill -TERM $pid
wait $pid || true
pid=""

# A file that cannot be opened: one message, then the program ends with status 1.
"$tavro" "$work/missing.tavro" 2>"$work/stderr" &
pid=$!
within 15 find_window 'Tavro' || fail "no message for a missing file"
press Return
within 10 gone || fail "the program went on without its file"
status=0
wait $pid || status=$?
pid=""
[[ $status == 1 ]] || fail "status $status for a missing file"
grep -q "^tavro: cannot open '$work/missing.tavro': No such file or directory\$" "$work/stderr" ||
    fail "no line on stderr for the missing file"
echo "passed"
