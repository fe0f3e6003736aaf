#!/bin/bash
# A failure of the launcher on a display: the real error box of the game
# shows it, and the launcher ends once the player has closed it.
#   launcher-message.sh PREFIX
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/xserver.sh"
installed=$1

prefix="$scratch/pre fix"
cp -a -- "$installed" "$prefix"
rm "$prefix/$data_dir/velor.hlp"
home="$scratch/home of player"
mkdir -p -- "$home"
cd "$scratch"

start_x 1024 768
env -i PATH="$prefix/$commands_dir:/usr/bin:/bin" HOME="$home" DISPLAY="$DISPLAY" \
    ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} \
    velorin >"$scratch/out" 2>"$scratch/err" &
launcher=$!
at_exit "kill $launcher 2>/dev/null; wait $launcher 2>/dev/null"

box=$(wait_for_window Fehler 30)
kill -0 "$launcher" 2>/dev/null || fail "the launcher did not wait for the box"
grep -q "Velorin ist nicht vollständig installiert" "$scratch/err" || fail "stderr: $(cat "$scratch/err")"
press_key "$box" Return
for tries in $(seq 50); do
    kill -0 "$launcher" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$launcher" 2>/dev/null; then fail "the launcher did not end after the box"; fi
status=0
wait "$launcher" || status=$?
[ "$status" = 1 ] || fail "the launcher ended with status $status"
echo "the box \"Fehler\" showed the launcher's failure"
