#!/usr/bin/env bash
# A user's journey through the real program: it runs on its own X server with a window manager,
# is driven only through the mouse and the keyboard, and what it wrote is checked afterwards.
# A screenshot of each step is kept in SHOT_DIR.
#
#   journey.sh [PROGRAM_DIR [SHOT_DIR]]   (defaults: build/program and build/journey)
#
# Keys go through XTEST to the focused window: keys sent to a window as synthetic events leave
# Qt's file dialog broken for its next use.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program_source=$(realpath "${1:-$here/../../build/program}")
shot_dir=$(realpath -m "${2:-$here/../../build/journey}")
wait_seconds=20

passed=0
failed=0
step=0
work=""
pids=()

cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null
    done
    [ -z "$work" ] || rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

check() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
        echo "ok     $what"
    else
        failed=$((failed + 1))
        echo "FAILED $what"
    fi
}

# Polls a command until it succeeds or the wait runs out.
wait_until() {
    local deadline=$((SECONDS + wait_seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

finish() {
    echo "$passed passed, $failed failed"
    [ $failed -eq 0 ] && [ $passed -gt 0 ]
    exit $?
}

# Gives up on the rest of the journey when a step it depends on did not happen.
require() {
    check "$@" || finish
}

# The whole screen, so that popups show too.
shoot() {
    local name=$1
    step=$((step + 1))
    import -window root "$(printf '%s/%02d-%s.png' "$shot_dir" "$step" "$name")" 2>/dev/null ||
        echo "(no screenshot of step $step: $name)"
}

# --- The stage: an X server, a window manager, and a copy of the program with fresh settings ---
for tool in Xvfb openbox xdotool xprop import; do
    command -v "$tool" >/dev/null || { echo "missing: $tool"; exit 1; }
done
[ -x "$program_source/glorinbax" ] || { echo "no program in $program_source"; exit 1; }

work=$(mktemp -d)
mkdir -p "$shot_dir" "$work/home" "$work/runtime" "$work/sounds"
chmod 700 "$work/runtime"
rm -f "$shot_dir"/*.png
cp -a "$program_source" "$work/program"
rm -f "$work/program/data/glorinbax.ini" "$work/program/data/funny stuff.log"
program="$work/program/glorinbax"
plan="$work/program/data/demo/demo.skw"
sound="$work/sounds/journey-bell.wav"
cp "$work/program/data/demo/clap.wav" "$sound"
settings="$work/program/data/glorinbax.ini"

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
display_known() { [ -s "$work/display" ]; }
require "the X server starts" wait_until display_known
DISPLAY=":$(cat "$work/display")"
export DISPLAY
export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
require "the window manager starts" wait_until manager_running

lanes_before=$("$program" --dump "$plan" | grep -c '^\[Lane\.')
require "the demo plan has lanes" test "$lanes_before" -gt 0

# --- The journey ---------------------------------------------------------------------------------
"$program" "$plan" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

# The id of the program's visible window whose title matches a pattern, if there is one.
window_titled() {
    xdotool search --all --onlyvisible --pid "$program_pid" --name "$1" 2>/dev/null | head -1
}
window_shown() { [ -n "$(window_titled "$1")" ]; }
title_is() { [ "$(xdotool getwindowname "$main")" = "$1" ]; }
focus() { xdotool windowactivate --sync "$1" >/dev/null 2>&1; }

# A checksum of the pixels of a rectangle of the main window: WIDTHxHEIGHT+X+Y.
pixels() { import -window "$main" -crop "$1" +repage ppm:- 2>/dev/null | md5sum; }
looks_unlike() { [ "$(pixels "$1")" != "$2" ]; }
looks_like() { [ "$(pixels "$1")" = "$2" ]; }

# Rolling and pausing show in the watch, which runs or stands (and may blink while paused), and in
# the carrier's Pause button, which is lit while paused.
watch=116x34+4+508
pause_button=24x24+164+513
watch_moves() {
    local before
    before=$(pixels "$watch")
    sleep 0.2
    looks_unlike "$watch" "$before"
}
watch_stands() {
    local before
    before=$(pixels "$watch")
    sleep 0.5
    looks_like "$watch" "$before"
}
rolling() { looks_like "$pause_button" "$unpaused" && watch_moves; }
paused() { looks_unlike "$pause_button" "$unpaused" && watch_stands; }

require "the main window opens on the demo plan" wait_until window_shown 'demo\.skw .* - Glorinbax$'
main=$(window_titled 'demo\.skw .* - Glorinbax$')
title=$(xdotool getwindowname "$main")
window_width=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
check "the title names the plan unchanged" test "${title:0:2}" != "* "
check "the plan rolls at start" wait_until watch_moves
unpaused=$(pixels "$pause_button")
# The lane strip's empty space below the lanes, dimmed while a dialog is open.
strip_space=60x20+40+480
undimmed_space=$(pixels "$strip_space")
shoot started

# Room, lane strip and carrier positions, in window pixels.
row_y() { echo $((29 + 20 * $1)); }
strike_x=14
carrier_y=525
pause_x=176
new_row=$lanes_before

focus "$main"
xdotool key space
check "Space pauses" wait_until paused
shoot paused-by-space

xdotool key space
check "Space resumes" wait_until rolling
shoot resumed-by-space

xdotool mousemove --window "$main" $pause_x $carrier_y click 1 mousemove --window "$main" 60 490
check "the carrier's Pause button pauses" wait_until paused
shoot paused-by-carrier

xdotool mousemove --window "$main" $strike_x "$(row_y 0)" click 1
check "striking the first lane marks the plan changed" wait_until title_is "* $title"
shoot first-lane-struck

xdotool mousemove --window "$main" $strike_x "$(row_y "$new_row")" click 1
require "the empty row's strike box opens the sound file dialog" \
    wait_until window_shown '^Choose a sound file$'
dialog=$(window_titled '^Choose a sound file$')
shoot sound-file-dialog
focus "$dialog"
xdotool type --delay 20 "$sound"
shoot sound-file-typed
xdotool key Return
dialog_gone() { ! window_shown '^Choose a sound file$'; }
check "the sound file dialog closes" wait_until dialog_gone
check "the window is back from the dialog" wait_until looks_like "$strip_space" "$undimmed_space"
shoot lane-added

# Two balls in the new lane's row, then the second one removed again.
click_room() {
    local button=$1 x=$2 y cell before
    y=$(row_y "$new_row")
    cell="16x16+$((x - 8))+$((y - 8))"
    before=$(pixels "$cell")
    xdotool mousemove --window "$main" "$x" "$y" click "$button"
    wait_until looks_unlike "$cell" "$before"
}
check "a left click in the room draws a ball" click_room 1 213
check "another left click draws a second ball" click_room 1 293
shoot two-balls-placed
check "a right click on the second ball takes it away" click_room 3 293
shoot second-ball-removed

# Closing as the window manager does it on Alt+F4: a close request to the window.
focus "$main"
xdotool key alt+F4
require "closing the changed plan asks the save question" wait_until window_shown '^Please confirm$'
question=$(window_titled '^Please confirm$')
shoot save-question
focus "$question"
xdotool key Return
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
require "the program ends after the answer" wait_until program_ended
wait "$program_pid"
check "the program exits with status 0" test $? -eq 0

# --- What the program wrote ----------------------------------------------------------------------
dump=$("$program" --dump "$plan" | tr -d '\r')
echo "$dump" >"$shot_dir/saved-plan.txt"
# The lines of one section of an INI-style text on stdin, without its header.
section() {
    awk -v header="[$1]" '{ sub(/\r$/, "") } $0 == header { on = 1; next } /^\[/ { on = 0 } on'
}
lanes_after=$(grep -c '^\[Lane\.' <<<"$dump")
check "the saved plan has one lane more" test "$lanes_after" -eq $((lanes_before + 1))
new_lane=$(section "Lane.$new_row" <<<"$dump")
check "the new lane is named after its sound" grep -qx 'Handle=journey-bell' <<<"$new_lane"
check "the new lane plays the chosen file" grep -qx "Resource=$sound" <<<"$new_lane"
check "the first lane is saved struck" grep -qx 'Striked=1' <(section Lane.0 <<<"$dump")
balls_in_new_row=$(grep -cx "Y=$new_row" <<<"$dump")
check "the new lane keeps exactly the one ball left in it" test "$balls_in_new_row" -eq 1

check "the settings file is written at exit" test -s "$settings"
check "the settings keep the window's width" \
    grep -qx "Width=$window_width" <(section GlorinbaxMF <"$settings")

finish
