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

# A session bus of the journey's own carries the task-bar progress, seen by a monitor on it.
if [ -z "${GBX_JOURNEY_BUS:-}" ] && command -v dbus-run-session >/dev/null; then
    GBX_JOURNEY_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi

here=$(cd "$(dirname "$0")" && pwd)
program_source=$(realpath "${1:-$here/../../build/program}")
shot_dir=$(realpath -m "${2:-$here/../../build/journey}")
wait_seconds=20

# shellcheck source=../common/checks.sh
source "$here/../common/checks.sh"
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
    [ -n "$work" ] || return
    # What the program said and logged, beside the shots, for a journey that went wrong.
    cp "$work/program.log" "$shot_dir/program.log" 2>/dev/null
    cp "$work/program/data/funny stuff.log" "$shot_dir/fault.log" 2>/dev/null
    cp "$work/launcher.log" "$shot_dir/launcher-signals.log" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM


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
for tool in Xvfb openbox xdotool xprop xwininfo import; do
    command -v "$tool" >/dev/null || { echo "missing: $tool"; exit 1; }
done
[ -x "$program_source/glorinbax" ] || { echo "no program in $program_source"; exit 1; }

work=$(mktemp -d -t glorinbax-journey.XXXXXX)
mkdir -p "$shot_dir" "$work/home/plans" "$work/runtime" "$work/sounds"
chmod 700 "$work/runtime"
rm -f "$shot_dir"/*.png "$shot_dir"/*.log
cp -a "$program_source" "$work/program"
rm -f "$work/program/data/glorinbax.ini" "$work/program/data/funny stuff.log" \
    "$work/program/data"/plan_autosave.*
program="$work/program/glorinbax"
plan="$work/program/data/demo/demo.skw"
sound="$work/sounds/journey-bell.wav"
cp "$work/program/data/demo/clap.wav" "$sound"
kick="$work/program/data/demo/kick.wav"
tone="$work/sounds/journey-tone.wav"
bash "$here/write-tone.sh" "$tone"
first_pattern="$work/home/plans/First pattern.skw"
second_pattern="$work/home/plans/Second pattern.skw"
settings="$work/program/data/glorinbax.ini"

# -noreset: the server would reset whenever its last client left and refuse connections meanwhile.
Xvfb -displayfd 3 -noreset -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
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

launcher_log="$work/launcher.log"
if [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] && command -v dbus-monitor >/dev/null; then
    dbus-monitor "type='signal',interface='com.canonical.Unity.LauncherEntry'" >"$launcher_log" 2>&1 &
    pids+=($!)
fi

lanes_before=$("$program" --dump "$plan" | grep -c '^\[Lane\.')
require "the demo plan has lanes" test "$lanes_before" -gt 0

# --- The journey ---------------------------------------------------------------------------------
# Each start runs in the home folder, where the file dialogs open first.
start_program() {
    (cd "$work/home" && exec "$program" "$@") >>"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
}

# The id of the program's visible window whose title matches a pattern, if there is one.
window_titled() {
    xdotool search --all --onlyvisible --pid "$program_pid" --name "$1" 2>/dev/null | head -1
}
window_shown() { [ -n "$(window_titled "$1")" ]; }
window_gone() { ! window_shown "$1"; }
# A visible window of the program besides the main one (a menu's window has no name to search).
other_window() {
    xdotool search --all --onlyvisible --pid "$program_pid" 2>/dev/null | grep -vx "$main" | head -1
}
other_window_shown() { [ -n "$(other_window)" ]; }
other_window_gone() { [ -z "$(other_window)" ]; }
title_is() { [ "$(xdotool getwindowname "$main")" = "$1" ]; }
focus() { xdotool windowactivate --sync "$1" >/dev/null 2>&1; }
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

# Waits for the main window with a title matching a pattern and makes it the one driven.
main_window() {
    require "$1" wait_until window_shown "$2"
    main=$(window_titled "$2")
}

# Without a sound device the report window tells so just after start, over the main window: it is
# seen, then sent away with Escape. The first start finds out whether it comes.
# SHOT [TITLE]: the screenshot's name, and the report's title when it is not in English.
report_at_start=""
report_aside() {
    local report_title=${2:-^Report\$}
    if [ -z "$report_at_start" ]; then
        local deadline=$((SECONDS + 3))
        report_at_start=no
        until window_shown "$report_title"; do
            [ "$SECONDS" -lt "$deadline" ] || return 0
            sleep 0.1
        done
        report_at_start=yes
    fi
    [ "$report_at_start" = yes ] || return 0
    require "the report window tells that there is no sound" wait_until window_shown "$report_title"
    shoot "$1"
    focus "$(window_titled "$report_title")"
    xdotool key Escape
    check "Escape in the report window hides it" wait_until window_gone "$report_title"
}

# The handout shows at a start with fresh settings; any key closes it.
handout_aside() {
    require "the handout shows at a start with fresh settings" \
        wait_until window_shown '^About Glorinbax$'
    shoot "$1"
    focus "$(window_titled '^About Glorinbax$')"
    xdotool key q
    require "any key closes the handout" wait_until window_gone '^About Glorinbax$'
}

# Waits for the program to end and checks its exit status.
program_exits() {
    require "$1" wait_until program_ended
    wait "$program_pid"
    check "the program exits with status 0" test $? -eq 0
}

# A checksum of the pixels of a rectangle of the main window: WIDTHxHEIGHT+X+Y.
pixels() { import -window "$main" -crop "$1" +repage ppm:- 2>/dev/null | md5sum; }
looks_unlike() { [ "$(pixels "$1")" != "$2" ]; }
looks_like() { [ "$(pixels "$1")" = "$2" ]; }

# Rolling and pausing show in the watch, which runs or stands (and may blink while paused), and in
# the carrier's Pause button, which is lit while paused.
watch=116x34+4+508
pause_button=24x24+164+513
roll_button=24x24+136+513
# The watch, or another region given, changes.
watch_moves() {
    local region=${1:-$watch} before
    before=$(pixels "$region")
    sleep 0.2
    looks_unlike "$region" "$before"
}
watch_stands() {
    local before
    before=$(pixels "$watch")
    sleep 0.5
    looks_like "$watch" "$before"
}
rolling() { looks_like "$pause_button" "$unpaused" && watch_moves; }
paused() { looks_unlike "$pause_button" "$unpaused" && watch_stands; }

# Room, lane strip and carrier positions, in window pixels. Rows and steps count
# from the room's top left cell; a new plan shows its first row and step eight cells in.
row_y() { echo $((29 + 20 * $1)); }
step_x() { echo $((133 + 20 * $1)); }
new_plan_offset=8
strike_x=14
carrier_y=525
roll_x=148
pause_x=176
settle_x=204
# Where the pointer rests after a click, so that no button shows it hovering.
rest_pointer() { xdotool mousemove --window "$main" 60 490; }
click_at() { xdotool mousemove --window "$main" "$2" "$3" click "$1"; }

# A click on a cell of the room, which then looks different: BUTTON X Y.
click_cell() {
    local cell before
    cell="16x16+$(($2 - 8))+$(($3 - 8))"
    before=$(pixels "$cell")
    click_at "$@"
    wait_until looks_unlike "$cell" "$before"
}

# Whether a window looks the same twice in a row: typed text has arrived.
window_still() {
    local before
    before=$(import -window "$1" ppm:- 2>/dev/null | md5sum)
    sleep 0.2
    [ "$(import -window "$1" ppm:- 2>/dev/null | md5sum)" = "$before" ]
}

# The strike box of an empty row asks for a sound file, typed here into Qt's file dialog.
# ROW FILE SHOT: shots of the dialog before and after typing are named SHOT and SHOT-typed.
choose_sound_for_row() {
    local dialog
    click_at 1 $strike_x "$(row_y "$1")"
    require "the empty row's strike box opens the sound file dialog" \
        wait_until window_shown '^Choose a sound file$'
    dialog=$(window_titled '^Choose a sound file$')
    shoot "$3"
    focus "$dialog"
    xdotool type --delay 20 "$2"
    wait_until window_still "$dialog"
    shoot "$3-typed"
    xdotool key Return
    check "the sound file dialog closes" wait_until window_gone '^Choose a sound file$'
    check "the window is back from the dialog" wait_until looks_like "$strip_space" "$undimmed_space"
}

# The lines of one section of an INI-style text on stdin, without its header.
section() {
    awk -v header="[$1]" '{ sub(/\r$/, "") } $0 == header { on = 1; next } /^\[/ { on = 0 } on'
}
# The balls of a plan's text on stdin as sorted "X,Y" lines.
balls_of() {
    awk '{ sub(/\r$/, "") } /^\[[0-9]+\]$/ { ball = 1; next } /^\[/ { ball = 0 }
         ball && /^X=/ { x = substr($0, 3) } ball && /^Y=/ { print x "," substr($0, 3) }' | sort
}
plan_balls_are() { [ "$("$program" --dump "$1" | balls_of)" = "$(printf '%s\n' "${@:2}" | sort)" ]; }

# The main window with its frame, in screen pixels, as WIDTHxHEIGHT+X+Y.
window_frame() {
    local left right top bottom facts x y width height
    read -r left right top bottom < <(xprop -id "$main" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,/ /g')
    facts=$(xwininfo -id "$main")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$facts")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$facts")
    width=$(sed -n 's/^ *Width: *//p' <<<"$facts")
    height=$(sed -n 's/^ *Height: *//p' <<<"$facts")
    echo "$((width + left + right))x$((height + top + bottom))+$((x - left))+$((y - top))"
}

# --- The demo plan: rolling and pausing, a struck lane, a lane added, balls, closing with Alt+F4
start_program "$plan"
main_window "the main window opens on the demo plan" 'demo\.skw .* - Glorinbax$'
handout_aside handout-at-first-start
report_aside report-at-first-start
title=$(xdotool getwindowname "$main")
window_width=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')
check "the title names the plan unchanged" test "${title:0:2}" != "* "
check "the plan rolls at start" wait_until watch_moves
unpaused=$(pixels "$pause_button")
# The progress the launcher-entry signals carried: "SENDER SHOWN FRACTION" a line, where each
# start of the program is a sender of its own.
launcher_progress() {
    awk '/member=Update$/ { sender = $3 }
         /string "progress"$/ { getline; fraction = $NF }
         /string "progress-visible"$/ { getline; print sender, $NF, fraction }' "$launcher_log"
}
# At least two shown fractions, within 0 to 1, some growing.
progress_grows() {
    launcher_progress | awk '$2 == "true" { if ($3 < 0 || $3 > 1) bad = 1; if (n && $3 > last) grew = 1;
                                            last = $3; n++ }
                             END { exit !(n >= 2 && grew && !bad) }'
}
# Every start of the program left the progress hidden when it ended.
progress_hidden_at_every_end() {
    launcher_progress | awk '{ last[$1] = $2 } END { for (s in last) if (last[s] != "false") exit 1 }'
}
# The lane strip's empty space below the lanes, dimmed while a dialog is open.
strip_space=60x20+40+480
undimmed_space=$(pixels "$strip_space")
window_frame >"$shot_dir/window-frame.txt"
shoot started

new_row=$lanes_before

focus "$main"
xdotool key space
check "Space pauses" wait_until paused
shoot paused-by-space

xdotool key space
check "Space resumes" wait_until rolling
shoot resumed-by-space

click_at 1 $pause_x $carrier_y
rest_pointer
check "the carrier's Pause button pauses" wait_until paused
shoot paused-by-carrier

click_at 1 $strike_x "$(row_y 0)"
check "striking the first lane marks the plan changed" wait_until title_is "* $title"
shoot first-lane-struck

choose_sound_for_row "$new_row" "$sound" sound-file-dialog
shoot lane-added

# Two balls in the new lane's row, then the second one removed again.
check "a left click in the room draws a ball" click_cell 1 213 "$(row_y "$new_row")"
check "another left click draws a second ball" click_cell 1 293 "$(row_y "$new_row")"
shoot two-balls-placed
check "a right click on the second ball takes it away" click_cell 3 293 "$(row_y "$new_row")"
shoot second-ball-removed

# Closing as the window manager does it on Alt+F4: a close request to the window.
focus "$main"
xdotool key alt+F4
require "closing the changed plan asks the save question" wait_until window_shown '^Please confirm$'
question=$(window_titled '^Please confirm$')
shoot save-question
focus "$question"
xdotool key Return
program_exits "the program ends after the answer"

dump=$("$program" --dump "$plan" | tr -d '\r')
echo "$dump" >"$shot_dir/saved-plan.txt"
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

# --- A first pattern: a new plan from the main menu, two lanes, balls, roll, settle, Ctrl+S ------
start_program "$plan"
main_window "the program starts again on the saved demo plan" 'demo\.skw .* - Glorinbax$'
report_aside report-at-start
check "the title names the saved plan unchanged" title_is "$title"
focus "$main"
# The menu trigger sits at the right end of the ruler.
click_at 1 $((window_width - 14)) 8
require "the menu trigger opens the main menu" wait_until other_window_shown
menu=$(other_window)
shoot main-menu
# New Plan is the menu's first item.
xdotool mousemove --window "$menu" 60 10 click 1
check "New Plan turns the title to an untitled plan" wait_until title_is "Untitled - Glorinbax"
check "the main menu closes" wait_until other_window_gone
rest_pointer
check "the new plan stands" wait_until watch_stands
watch_at_start=$(pixels "$watch")
unrolled=$(pixels "$roll_button")
shoot new-plan

kick_row=$new_plan_offset
tone_row=$((new_plan_offset + 1))
choose_sound_for_row "$kick_row" "$kick" kick-dialog
choose_sound_for_row "$tone_row" "$tone" tone-dialog
check "the title marks the new plan changed" title_is "* Untitled - Glorinbax"

# Kick on steps 0 and 4, the tone on 2, 3 and 6.
for column in 0 4; do
    check "a click on step $column draws a kick" \
        click_cell 1 "$(step_x $((new_plan_offset + column)))" "$(row_y "$kick_row")"
done
for column in 2 3 6; do
    check "a click on step $column draws a tone" \
        click_cell 1 "$(step_x $((new_plan_offset + column)))" "$(row_y "$tone_row")"
done
# A ball placed by mistake: Ctrl+Z takes it back, Ctrl+Y makes it again, Ctrl+Z takes it back
# for good (the kept plan below has the five balls only).
check "a click on step 7 draws a tone" \
    click_cell 1 "$(step_x $((new_plan_offset + 7)))" "$(row_y "$tone_row")"
shoot mistake-placed
focus "$main"
for key in ctrl+z ctrl+y ctrl+z; do
    xdotool key "$key"
    sleep 0.3
done
shoot mistake-undone
# A lane struck by mistake: Ctrl+Z opens it again (the kept plan below has it open).
click_at 1 $strike_x "$(row_y "$kick_row")"
rest_pointer
shoot lane-struck-by-mistake
focus "$main"
xdotool key ctrl+z
sleep 0.3
shoot lane-strike-undone
shoot pattern-placed

# Rolling lights the Roll button; settling puts it out and the watch back at the start.
pattern_rolls() { looks_unlike "$roll_button" "$unrolled" && watch_moves; }
pattern_settled() { looks_like "$roll_button" "$unrolled" && looks_like "$watch" "$watch_at_start"; }
click_at 1 $roll_x $carrier_y
rest_pointer
check "the carrier's Roll button rolls the pattern" wait_until pattern_rolls
shoot pattern-rolling
click_at 1 $settle_x $carrier_y
rest_pointer
check "the carrier's Settle button stops it at the start" wait_until pattern_settled
shoot pattern-settled

# The untitled plan asks for a name on Ctrl+S; the typed name has no extension.
focus "$main"
xdotool key ctrl+s
require "Ctrl+S on the untitled plan asks for a name" wait_until window_shown '^Save the plan as$'
dialog=$(window_titled '^Save the plan as$')
focus "$dialog"
xdotool type --delay 20 "${first_pattern%.skw}"
wait_until window_still "$dialog"
shoot name-typed
xdotool key Return
check "the name dialog closes" wait_until window_gone '^Save the plan as$'
check "the window is back from the name dialog" wait_until looks_like "$strip_space" "$undimmed_space"
check "the title names the kept plan" \
    wait_until title_is "First pattern.skw [$work/home/plans] - Glorinbax"
shoot pattern-kept
check "the plan is kept with the .skw extension" test -s "$first_pattern"
first_dump=$("$program" --dump "$first_pattern")
echo "$first_dump" >"$shot_dir/first-pattern.txt"
check "the kept plan has the kick lane" \
    grep -qx "Resource=$kick" <(section "Lane.0" <<<"$first_dump")
check "the kept plan has the tone lane" \
    grep -qx "Resource=$tone" <(section "Lane.1" <<<"$first_dump")
check "the kept plan has the five balls" plan_balls_are "$first_pattern" 0,0 4,0 2,1 3,1 6,1
check "the kept plan has the kick lane open" \
    test -z "$(section "Lane.0" <<<"$first_dump" | grep -x 'Striked=1')"

# Closing an unchanged plan asks nothing.
focus "$main"
xdotool key ctrl+q
program_exits "Ctrl+Q closes the kept plan without a question"

# --- The kept pattern again: a ball removed and one added, each closing answers the save question
start_program "$first_pattern"
main_window "the program starts on the kept pattern" '^First pattern\.skw '
report_aside report-at-start
check "the title names the kept pattern unchanged" \
    title_is "First pattern.skw [$work/home/plans] - Glorinbax"
shoot pattern-reopened
check "a right click takes the tone on step 3 away" \
    click_cell 3 "$(step_x $((new_plan_offset + 3)))" "$(row_y "$tone_row")"
check "the title marks the pattern changed" \
    wait_until title_is "* First pattern.skw [$work/home/plans] - Glorinbax"
shoot pattern-ball-removed

focus "$main"
xdotool key alt+F4
require "closing the changed pattern asks the save question" wait_until window_shown '^Please confirm$'
question=$(window_titled '^Please confirm$')
shoot pattern-save-question
focus "$question"
xdotool key alt+y
program_exits "the program ends after Yes"
check "the kept pattern has lost the removed ball" \
    plan_balls_are "$first_pattern" 0,0 4,0 2,1 6,1
check "the version before is kept as the backup copy" \
    plan_balls_are "$work/program/data/plan_backup.skw" 0,0 4,0 2,1 3,1 6,1

start_program "$first_pattern"
main_window "the program opens the pattern once more" '^First pattern\.skw '
report_aside report-at-start
check "the reopened pattern is unchanged" \
    title_is "First pattern.skw [$work/home/plans] - Glorinbax"
check "a click on step 2 draws one more kick" \
    click_cell 1 "$(step_x $((new_plan_offset + 2)))" "$(row_y "$kick_row")"
check "the title marks the pattern changed again" \
    wait_until title_is "* First pattern.skw [$work/home/plans] - Glorinbax"
focus "$main"
xdotool key ctrl+s
check "Ctrl+S on a kept plan saves in place, asking nothing" \
    wait_until title_is "First pattern.skw [$work/home/plans] - Glorinbax"
check "the saved pattern has the new kick" plan_balls_are "$first_pattern" 0,0 2,0 4,0 2,1 6,1
check "a click on step 6 draws a last kick" \
    click_cell 1 "$(step_x $((new_plan_offset + 6)))" "$(row_y "$kick_row")"

# The question's fourth button, second from the right, saves the changes under a new name.
focus "$main"
xdotool key alt+F4
require "closing asks the save question again" wait_until window_shown '^Please confirm$'
question=$(window_titled '^Please confirm$')
read -r question_width question_height < <(xwininfo -id "$question" |
    sed -n 's/^ *Width: *//p; s/^ *Height: *//p' | tr '\n' ' ')
xdotool mousemove --window "$question" $((question_width - 138)) $((question_height - 24)) click 1
require "Save As in the question asks for a name" wait_until window_shown '^Save the plan as$'
dialog=$(window_titled '^Save the plan as$')
focus "$dialog"
xdotool type --delay 20 "$second_pattern"
wait_until window_still "$dialog"
shoot second-name-typed
xdotool key Return
program_exits "the program ends after saving under the new name"
check "the new name holds the changed pattern" \
    plan_balls_are "$second_pattern" 0,0 2,0 4,0 6,0 2,1 6,1
check "the pattern under the old name is left as it was saved" \
    plan_balls_are "$first_pattern" 0,0 2,0 4,0 2,1 6,1

# --- An end request while rolling: the program closes asking nothing and keeps a side copy -------
rm -f "$settings"
start_program "$second_pattern"
main_window "the program starts on the second pattern" '^Second pattern\.skw '
handout_aside handout-with-fresh-settings
report_aside report-at-start
check "the second pattern rolls at start" wait_until watch_moves
check "a right click takes the kick on step 6 away" \
    click_cell 3 "$(step_x $((new_plan_offset + 6)))" "$(row_y "$kick_row")"
check "the title marks the second pattern changed" \
    wait_until title_is "* Second pattern.skw [$work/home/plans] - Glorinbax"
kill -TERM "$program_pid"
program_exits "SIGTERM ends the program while it rolls"
side_copies=("$work/home/plans/Second pattern_"*.skw)
check "one side copy lies beside the pattern" test -f "${side_copies[0]}" -a ${#side_copies[@]} -eq 1
check "the side copy holds the change" plan_balls_are "${side_copies[0]}" 0,0 2,0 4,0 2,1 6,1
check "the pattern's own file is left alone" plan_balls_are "$second_pattern" 0,0 2,0 4,0 6,0 2,1 6,1
check "the settings are written at the end request" test -s "$settings"

# The command line renders the kept pattern; its sound is more than silence.
rendered="$work/first-pattern.wav"
"$program" --render "$first_pattern" "$rendered" >/dev/null 2>&1
check "the pattern renders to a WAV file" test "$(head -c 4 "$rendered" 2>/dev/null)" = RIFF
check "the rendered pattern is not silent" \
    test -n "$(tail -c +45 "$rendered" | tr -d '\000' | head -c 1)"

# --- The same pattern rendered from the main menu, beside the rolling plan ----------------------
menu_render="$work/home/from-the-menu.wav"
start_program "$first_pattern"
main_window "the program starts on the pattern to render" '^First pattern\.skw '
report_aside report-at-start
pattern_title=$(xdotool getwindowname "$main")
click_at 1 $roll_x $carrier_y
rest_pointer
check "the pattern rolls" wait_until watch_moves
focus "$main"
click_at 1 $((window_width - 14)) 8
require "the menu trigger opens the main menu for rendering" wait_until other_window_shown
shoot render-menu
# The render item's letter is E.
xdotool key e
require "the render item asks for the file" wait_until window_shown '^Render the plan to a sound file$'
dialog=$(window_titled '^Render the plan to a sound file$')
focus "$dialog"
xdotool type --delay 20 "$menu_render"
wait_until window_still "$dialog"
shoot render-file-typed
xdotool key Return
check "the render dialog closes" wait_until window_gone '^Render the plan to a sound file$'
render_done() { title_is "$pattern_title" && test -s "$menu_render"; }
check "the render ends and the title drops its progress" wait_until render_done
shoot rendered-from-menu
check "the menu's render is a WAV file" test "$(head -c 4 "$menu_render" 2>/dev/null)" = RIFF
check "the menu's render holds the command line's bytes" cmp -s "$menu_render" "$rendered"
check "the pattern still rolls after its render" wait_until watch_moves
focus "$main"
xdotool key ctrl+q
program_exits "Ctrl+Q closes the rendered pattern without a question"
check "the settings remember the rendered file" \
    grep -qx "FilePath=$menu_render" <(section Perpetuator <"$settings")

# --- A plan whose sound is gone: the report window shows why, and hides and comes back by key ----
missing_plan="$work/home/plans/Missing sound.skw"
printf '[Lane.0]\r\nPosition=0\r\nResource=%s\r\n[0]\r\nX=1\r\nY=0\r\n' \
    "$work/sounds/gone.wav" >"$missing_plan"
fault_log="$work/program/data/funny stuff.log"
not_in_fault_log() { [ -d "${fault_log%/*}" ] && ! grep -qF "$1" "$fault_log" 2>/dev/null; }
start_program "$missing_plan"
main_window "the program starts on the plan with a missing sound" '^Missing sound\.skw '
require "the report window shows itself for the missing sound" wait_until window_shown '^Report$'
check "no handout once it was shown" window_gone '^About Glorinbax$'
shoot report-shows-missing-sound
check "the missing sound is reported in the window, not the fault log" \
    not_in_fault_log gone.wav
focus "$(window_titled '^Report$')"
xdotool key Escape
check "Escape hides the report" wait_until window_gone '^Report$'
check "the program runs on without the report" window_shown '^Missing sound\.skw '
focus "$main"
xdotool key ctrl+alt+c
check "Ctrl+Alt+C shows the report again" wait_until window_shown '^Report$'
shoot report-by-key
focus "$main"
xdotool key F1
require "F1 shows the handout" wait_until window_shown '^About Glorinbax$'
shoot handout-by-f1
handout_frame=$(xdotool getwindowgeometry "$(window_titled '^About Glorinbax$')" |
    sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
xdotool mousemove $(($(cut -d' ' -f1 <<<"$handout_frame") + 250)) \
    $(($(cut -d' ' -f2 <<<"$handout_frame") + 100)) click 1
check "a click closes the handout" wait_until window_gone '^About Glorinbax$'
focus "$main"
xdotool key ctrl+q
if wait_until window_shown '^Please confirm$'; then
    focus "$(window_titled '^Please confirm$')"
    xdotool key n
fi
program_exits "the plan with the missing sound closes"
check "the settings keep the report's place" grep -q '^Width=' <(section TheReport <"$settings")

# --- The program in Russian: chosen in the settings, its menus and its handout in Russian --------
sed -i 's/^SelectedLanguage=.*/SelectedLanguage=3/' "$settings"
start_program
main_window "the program starts in Russian on a new plan" '^Без имени'
report_aside report-in-russian '^Журнал$'
focus "$main"
click_at 1 $((window_width - 14)) 8
require "the main menu opens" wait_until other_window_shown
shoot russian-menu
xdotool key Escape
check "Escape closes the main menu" wait_until other_window_gone
focus "$main"
xdotool key F1
check "F1 shows the handout in Russian" wait_until window_shown '^О программе Glorinbax$'
shoot russian-handout
xdotool key q
check "a key closes the Russian handout" wait_until window_gone '^О программе Glorinbax$'
focus "$main"
xdotool key ctrl+q
program_exits "Ctrl+Q closes the Russian program"
check "the settings keep Russian" grep -qx 'SelectedLanguage=3' <(section Main <"$settings")

# --- The demo plan in each shipped style, chosen in the settings ------------------------------------
sed -i 's/^SelectedLanguage=.*/SelectedLanguage=0/' "$settings"
for style in 0:Default 1:Cosmic 2:Veggy; do
    sed -i "s/^SelectedInteriorStyle=.*/SelectedInteriorStyle=${style%%:*}/" "$settings"
    start_program "$plan"
    main_window "the demo plan opens in the ${style#*:} style" 'demo\.skw .* - Glorinbax$'
    report_aside report-at-start
    check "the demo plan rolls in the ${style#*:} style" wait_until watch_moves
    rest_pointer
    shoot "style-${style#*:}"
    if [ "${style#*:}" = Default ]; then
        # A common small screen's worth: every part still fits. The size goes back afterwards,
        # since the next starts find the watch where it was.
        size_before=$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: //p')
        xdotool windowsize --sync "$main" 1024 700
        check "the window takes 1024 x 700" \
            grep -q 'Geometry: 1024x700' <(xdotool getwindowgeometry "$main")
        shoot window-1024x700
        xdotool windowsize --sync "$main" "${size_before%x*}" "${size_before#*x}"
    fi
    focus "$main"
    xdotool key ctrl+q
    if wait_until window_shown '^Please confirm$'; then
        focus "$(window_titled '^Please confirm$')"
        xdotool key n
    fi
    program_exits "the ${style#*:} style closes"
done

# --- A screen of twice the density: the window doubles, bitmaps by whole pixels, text sharp ------
# A rectangle of the window is pixel-doubled when sampling every other pixel and doubling again
# gives it back: IMAGE WIDTHxHEIGHT+X+Y (device pixels).
doubled() {
    local crop=(-crop "$2" +repage)
    [ "$(convert "$1" "${crop[@]}" ppm:- | md5sum)" = \
        "$(convert "$1" "${crop[@]}" -sample 50% -sample 200% ppm:- | md5sum)" ]
}
drawn_finer() { ! doubled "$@"; }
sed -i 's/^SelectedInteriorStyle=.*/SelectedInteriorStyle=0/' "$settings"
QT_SCALE_FACTOR=2 start_program "$plan"
main_window "the demo plan opens on a screen of scale 2" 'demo\.skw .* - Glorinbax$'
report_aside report-at-scale-2
rest_pointer
check "the window is twice as wide" \
    test "$(xdotool getwindowgeometry "$main" | sed -n 's/.*Geometry: \([0-9]*\)x.*/\1/p')" \
    -eq $((2 * window_width))
check "the demo plan rolls at scale 2" wait_until watch_moves 1000x40+250+620
shoot scale-2
# The window is larger than the screen now, which a capture of the window alone refuses: its
# visible part is cut from the screen's.
scaled="$work/scale-2.png"
origin=$(xwininfo -id "$main" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
                                     END { print "+" x "+" y }')
import -window root "$work/screen.png" && convert "$work/screen.png" -crop "$origin" +repage "$scaled"
require "the window at scale 2 is captured" test -s "$scaled"
check "the room's cells are doubled pixel for pixel, not blurred" doubled "$scaled" 1000x120+250+640
check "the lanes' balls are doubled pixel for pixel, not blurred" doubled "$scaled" 32x520+12+40
check "the lane names are drawn at the screen's own resolution" drawn_finer "$scaled" 160x240+40+40
check "the ruler's numbers are drawn at the screen's own resolution" drawn_finer "$scaled" 760x18+0+0
focus "$main"
xdotool key ctrl+q
if wait_until window_shown '^Please confirm$'; then
    focus "$(window_titled '^Please confirm$')"
    xdotool key n
fi
program_exits "the program closes at scale 2"
if [ -f "$launcher_log" ]; then
    check "the task bar showed the line's progress between the flags as it rolled" progress_grows
    check "the task bar's progress went with the program at every end" progress_hidden_at_every_end
fi

finish
