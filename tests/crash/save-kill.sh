#!/usr/bin/env bash
# Saves that survive a crash: the program writes a 100,000-ball plan over its file again and
# again and is killed (SIGKILL) at a random moment each time; the file must then be the old plan
# or the new one, whole, never anything between.
#
#   save-kill.sh PROGRAM [ROUNDS]   (default 200 rounds)
set -uo pipefail

program=$1
rounds=${2:-200}
work=$(mktemp -d -t glorinbax-save-kill.XXXXXX)
trap 'rm -rf "$work"' EXIT
# shellcheck source=../common/checks.sh
source "$(dirname "$0")/../common/checks.sh"

# Two plans that differ in one value, each 100,000 balls on 13 lanes, in the binary form.
plan_text() {
    printf '[Main]\nFormatVersion=2\nMPH=125\nFrameResolution=32\nFrames=8192\nElementRate=44100\n'
    printf 'MasterLoudness=%s\n' "$1"
    for lane in $(seq 0 12); do
        printf '[Lane.%d]\nPosition=%d\nHandle=Lane %d\nLoudness=0.7\n' "$lane" "$lane" "$lane"
    done
    awk 'BEGIN { for (i = 0; i < 100000; i++) {
                     printf "[%d]\nX=%d\nY=%d\n", i, int(i / 13), i % 13
                     if (i % 10 == 0) print "Loudness=0.5" } }'
}
plan_text 0.8 >"$work/old.txt"
plan_text 0.6 >"$work/new.txt"
for plan in old new; do
    "$program" --convert "$work/$plan.txt" "$work/$plan.skw" --format binary 2>>"$work/errors.log"
    check "the $plan plan is written" test -s "$work/$plan.skw" || exit 1
done
differ() { ! cmp -s "$1" "$2"; }
check "the two plans differ" differ "$work/old.skw" "$work/new.skw" || exit 1

# How long one save runs, so that the kills fall anywhere within it.
start=$(date +%s%N)
"$program" --convert "$work/old.skw" "$work/target.skw" --format binary
check "an unbroken save rewrites the plan as it was" cmp -s "$work/old.skw" "$work/target.skw"
run_ns=$(($(date +%s%N) - start))

# Each round writes the plan that the file does not hold now. Odd rounds kill at a random moment
# of the whole run; even rounds watch what the process has written (without starting a process
# per look) and kill the moment its bytes are out, before the save has made them the plan.
has_written() {
    local io
    mapfile -t io <"/proc/$1/io" 2>/dev/null || return 1
    [ "${io[1]:-wchar: 0}" != "wchar: 0" ]
}
broken=0
finished=0
caught_writing=0
current=old
for round in $(seq 1 "$rounds"); do
    source_plan=$([ "$current" = old ] && echo new || echo old)
    "$program" --convert "$work/$source_plan.skw" "$work/target.skw" --format binary 2>/dev/null &
    pid=$!
    if [ $((round % 2)) -eq 0 ]; then
        until has_written "$pid" || ! kill -0 "$pid" 2>/dev/null; do :; done
        kill -0 "$pid" 2>/dev/null && caught_writing=$((caught_writing + 1))
    else
        sleep "$(awk -v ns="$run_ns" -v seed="$round$RANDOM" \
            'BEGIN { srand(seed); printf "%.4f", rand() * ns / 1e9 }')"
    fi
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    if cmp -s "$work/target.skw" "$work/$source_plan.skw"; then
        finished=$((finished + 1))
        current=$source_plan
    elif ! cmp -s "$work/target.skw" "$work/$current.skw"; then
        broken=$((broken + 1))
        echo "round $round: the plan is neither the old nor the new one:"
        cmp "$work/target.skw" "$work/$current.skw" | head -1
        cp "$work/$current.skw" "$work/target.skw"
    fi
done
echo "$rounds kills: $finished saves had finished, the others were cut short;" \
    "$caught_writing came in the middle of a save, once its bytes were out"
check "kills came in the middle of saves" test "$caught_writing" -gt 0
check "after every kill the plan is the old one or the new one, whole" test "$broken" -eq 0
check "the plan after the last kill reads" \
    test "$("$program" --dump "$work/target.skw" 2>/dev/null | grep -c '^X=')" -eq 100000

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
