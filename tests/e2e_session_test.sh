#!/usr/bin/env bash
# A player's first moves with the real tavro program on a real X server
# (Xvfb), pressed with xdotool: a new game, cursor keys, a line guide, a
# placement and the computer's reply, a refused placement, Escape answered
# No, then Escape answered Yes. The sound device's output (SDL's disk driver,
# the raw stream the device is given) must hold exactly the clips the player
# should hear, in order, and screenshots must show the board with the right
# stones and the green cursor on the right square.
#
# Usage: e2e_session_test.sh TAVRO TAVRO_CLI CLIP_MATCH [KEEP_DIR]
# KEEP_DIR, when given, receives the screenshots, the capture and the log.
set -euo pipefail

tavro=$1 tavro_cli=$2 clip_match=$3 keep=${4:-}
source "$(dirname "$0")/x11_session_lib.sh"
require_tools xvfb-run xdotool convert import
inside_xvfb "$0" "$@"

work=$(mktemp -d)
pid=""
finish() {
    [[ -n $pid ]] && kill -KILL "$pid" 2>/dev/null
    if [[ -n $keep ]]; then
        mkdir -p "$keep"
        cp "$work"/*.png "$work"/audio.raw "$work"/stderr "$keep"/ 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT



# --- What the player should hear. At volume level 2 (the level a game
# starts at) black is clip 237, white 238, rows 1..8 are 239..246, columns
# A..H 247..254; 200 is the refusal.
declare -A row_clip=([1]=239 [2]=240 [3]=241 [4]=242 [5]=243 [6]=244 [7]=245 [8]=246)
declare -A col_clip=([A]=247 [B]=248 [C]=249 [D]=250 [E]=251 [F]=252 [G]=253 [H]=254)
stone_clip() { case $1 in X) echo 237 ;; O) echo 238 ;; esac; }
# The clips that announce square $1 (e.g. F5) holding $2 (X, O or -).
announce() { echo $(stone_clip "$2") "${col_clip[${1:0:1}]}" "${row_clip[${1:1:1}]}"; }

# --- Squares by name (F5) and by number (col 0..7, row 0..7).
col_of() { echo $(($(printf '%d' "'${1:0:1}") - 65)); }
row_of() { echo $((${1:1:1} - 1)); }
square_name() { printf "\\x$(printf '%x' $((65 + $1)))%d" $(($2 + 1)); }

# --- The board, 64 characters A1..H1, A2..H8 as tavro-cli reads them.
index_of() { echo $(($(col_of "$1") + $(row_of "$1") * 8)); }
with_stone() { local i; i=$(index_of "$2"); echo "${1:0:i}$3${1:i+1}"; }

empty=$(printf -- '-%.0s' {1..64})
start=$(with_stone "$(with_stone "$(with_stone "$(with_stone "$empty" D4 O)" E4 X)" D5 X)" E5 O)
# Black on F5 turns E5.
after_f5=$(with_stone "$(with_stone "$start" F5 X)" E5 X)
# The computer (white, the normal level: depth 5) replies; each of its three
# legal replies (D6, F4, F6) turns the one black stone between it and D4.
read -r reply _ < <("$tavro_cli" move "$after_f5" O 5) || fail "tavro-cli move failed"
case $reply in D6 | F4 | F6) ;; *) fail "tavro-cli says the computer plays '$reply'" ;; esac
between=$(square_name $((($(col_of "$reply") + 3) / 2)) $((($(row_of "$reply") + 3) / 2)))
after_reply=$(with_stone "$(with_stone "$after_f5" "$reply" O)" "$between" O)

expected=(
    $(announce D4 O)                                   # Ctrl+B: the cursor starts on D4
    $(announce E4 X) $(announce E5 O) $(announce F5 -) # Right, Down, Right
    $(announce E5 O) $(announce D5 X)                  # Ctrl+Left: the line guide stops at D5
    $(announce "$reply" O)                             # Enter: the cursor follows the reply
    200                                                # Enter again: the square is taken
    $(announce "$reply" O)                             # Space, after Escape answered No
)

# --- What the player should see: the board in a screenshot of the window.
# The view's 400 x 400 pixels fill the window's bottom right, under the menu
# bar; square (col, row) is 49 pixels wide at (col * 50, row * 50).
window=""
# Writes what the screenshot $1 shows, like a board: X, O, - for each square,
# ? for a colour that belongs to none of them, and a line with the squares
# that show the cursor.
read_board() {
    local size width height left top format="" col row
    size=$(identify -format '%w %h' "$1")
    read -r width height <<<"$size"
    left=$((width - 400)) top=$((height - 400))
    for row in 0 1 2 3 4 5 6 7; do
        for col in 0 1 2 3 4 5 6 7; do
            local x=$((left + col * 50)) y=$((top + row * 50))
            format+="%[hex:p{$((x + 24)),$((y + 24))}] %[hex:p{$((x + 4)),$((y + 4))}]\n"
        done
    done
    local board="" cursor="" square=0 centre corner
    while read -r centre corner; do
        case $centre in
            000000) board+=X ;;
            FFFFFF) board+=O ;;
            C8C8C8 | 008000) board+=- ;;
            *) board+="?" ;;
        esac
        [[ $corner == 008000 ]] && cursor+="$(square_name $((square % 8)) $((square / 8))) "
        square=$((square + 1))
    done < <(convert "$1" -format "$format" info:)
    echo "$board"
    echo "cursor: ${cursor% }"
}
# Takes a screenshot (latest.png) and compares it with board $1 and cursor square $2.
shows() {
    import -window "$window" "$work/latest.png"
    seen=$(read_board "$work/latest.png")
    [[ $seen == "$1"$'\n'"cursor: $2" ]]
}
# The board as rows of eight, to show what was expected and what was seen.
as_rows() { sed -E 's/^(.{8})(.{8})(.{8})(.{8})(.{8})(.{8})(.{8})(.{8})$/\1\n\2\n\3\n\4\n\5\n\6\n\7\n\8/'; }
# Waits for the window to show board $1 with the cursor on $2, after $4;
# keeps the screenshot as $3.png.
must_show() {
    within 30 shows "$1" "$2" ||
        fail "after $4 the window should show the cursor on $2 and"$'\n'"$(as_rows <<<"$1")"$'\n'"but shows"$'\n'"$(as_rows <<<"$seen")"
    mv "$work/latest.png" "$work/$3.png"
    echo "$3.png: after $4 the board and the cursor on $2 as expected"
}

# The box that Escape opens: a second window of the program.
box=""
find_box() {
    box=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$window" | head -1) &&
        [[ -n $box ]]
}
answer_box() {
    within 10 find_box || fail "Escape during a game did not ask"
    xdotool windowfocus --sync "$box" key "$1"
}

# --- The session.
mkdir "$work/clips"
"$tavro_cli" clips export "$work/clips" >/dev/null || fail "tavro-cli clips export failed"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/audio.raw
export XDG_CONFIG_HOME=$work/config # the player's own settings stay untouched
"$tavro" 2>"$work/stderr" &
pid=$!

find_window() { window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -1) && [[ -n $window ]]; }
within 15 find_window || fail "no window appeared"
xdotool windowfocus --sync "$window"

xdotool key ctrl+b
must_show "$start" D4 new-game "Ctrl+B"
xdotool key Right Down Right
must_show "$start" F5 cursor-moved "Right, Down, Right"
xdotool key ctrl+Left Return
must_show "$after_reply" "$reply" computer-replied "Enter on F5"
xdotool key Return
xdotool key Escape
answer_box Escape # No
box_closed() { ! xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -qx "$box"; }
within 10 box_closed || fail "the question stayed open after No"
kill -0 "$pid" || fail "the program ended although the player answered No"
xdotool windowfocus --sync "$window" key space
xdotool key Escape
answer_box Return # Yes, the default button
within 60 bash -c "! kill -0 $pid 2>/dev/null" || fail "the program did not end after Yes"
wait "$pid" || fail "the program ended with status $?"
pid=""

echo "heard:"
"$clip_match" "$work/audio.raw" "$work/clips" "${expected[@]}" ||
    fail "the player did not hear ${expected[*]}"
echo "passed"
