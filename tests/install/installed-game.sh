#!/bin/bash
# The installed game as a player meets it: started by the launcher with a
# new home directory on an X server without window manager, at a screen
# scale of 1 or 2, then one level played to the end of the game.
#   installed-game.sh PREFIX SCALE
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xserver.sh"
installed=$1 scale=$2

# This prefix ships a level set of its own: one level, solved by a click
# on cell 41 (its code 6 stone swaps with the code 5 stone to its right).
prefix="$scratch/pre fix"
cp -a -- "$installed" "$prefix"
zeros() { head -c "$1" /dev/zero; }
{ zeros 40; printf '\005\006'; zeros 79; printf '\006\005'; zeros 39; } >"$prefix/$data_dir/velor.dat"
[ "$(stat -c %s "$prefix/$data_dir/velor.dat")" = 162 ] || fail "the level record is not 162 bytes"

home="$scratch/home of player"
player=$home/.local/share/velorin
mkdir -p -- "$home"
cd "$scratch"

screen_width=$((1024 * scale)) screen_height=$((768 * scale))
start_x "$screen_width" "$screen_height"
# A player's bare environment; only a sanitizer build's settings come along.
env -i PATH="$prefix/$commands_dir:/usr/bin:/bin" HOME="$home" DISPLAY="$DISPLAY" QT_SCALE_FACTOR="$scale" \
    ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} \
    velorin >"$scratch/game.log" 2>&1 &
game=$!
at_exit "kill $game 2>/dev/null; wait $game 2>/dev/null"

main=$(wait_for_window Velorin 30)
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH x $HEIGHT" = "$((697 * scale)) x $((478 * scale))" ] || fail "the window is $WIDTH x $HEIGHT"
# Centred in logical pixels, as the game places it.
[ "$X,$Y" = "$(((1024 - 697) / 2 * scale)),$(((768 - 478) / 2 * scale))" ] \
    || fail "the window is not centred: at $X,$Y"
# X11 desktops find a window's menu entry, velorin.desktop, by its class.
xprop -id "$main" WM_CLASS | grep -q '= "velorin", "Velorin"$' || fail "window class: $(xprop -id "$main" WM_CLASS)"
same_file "$player/velor.dat" "$prefix/$data_dir/velor.dat"
same_file "$player/velor.hlp" "$prefix/$data_dir/velor.hlp"

# Cell 41 covers window pixels 220..259 both ways; on a doubled screen
# device pixels 440..519. Presses on the device pixels just left of and
# above it land on the empty cells 40 and 32 and change nothing.
edge=$((220 * scale)) middle=$((240 * scale))
click "$main" $((edge - 1)) "$middle"
click "$main" "$middle" $((edge - 1))
no_window Wertung 1 || fail "a press beside cell 41 solved the level"
click "$main" "$edge" "$middle"

# Solved: the score dialog, then the high-score list for the name.
press_key "$(wait_for_window Wertung 10)" Return
list=$(wait_for_window Bestenliste 10)
xdotool windowfocus "$list"
xdotool type --delay 30 Tester
xdotool key Return
for tries in $(seq 50); do
    [ -s "$player/VScore.dat" ] && break
    sleep 0.2
done
[ -s "$player/VScore.dat" ] || fail "no VScore.dat in the player's directory; the game said: $(cat "$scratch/game.log")"

# Place 1: the name, level 1, and the level's 1200 points less the move
# (5) and any clock ticks since the first press (5 each), plus the bonus
# of the first attempt (500).
scores=$player/VScore.dat
[ "$(stat -c %s "$scores")" = 160 ] || fail "VScore.dat is $(stat -c %s "$scores") bytes"
[ "$(head -c 7 "$scores" | od -An -c | tr -d ' ')" = '006Tester' ] || fail "place 1 is not Tester"
[ "$(od -An -tu1 -j110 -N1 "$scores" | tr -d ' ')" = 1 ] || fail "place 1 is not at level 1"
score=$(od -An -td4 -j120 -N4 --endian=little "$scores" | tr -d ' ')
(( score <= 1695 && score >= 1600 && score % 5 == 0 )) || fail "place 1 has $score points"

# "Ende" ends the game.
click "$main" $(((478 + 145 + 25) * scale)) $(((10 + 275 + 12) * scale))
for tries in $(seq 50); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$game" 2>/dev/null; then fail "the game did not end"; fi
wait "$game" || { status=$?; cat "$scratch/game.log" >&2; fail "the game ended with status $status"; }
echo "played at scale $scale: $score points in $scores"
