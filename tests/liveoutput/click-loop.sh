#!/usr/bin/env bash
# Live output that holds under load: the program loops a one-second plan of a click for 30 seconds
# through a PulseAudio server of the test's own (a null sink, ALSA's default device on its
# plug-in) while two busy loops keep both cores busy; the sink's monitor is recorded, and every
# click must be exactly one second of frames after the one before.
#
#   click-loop.sh PROGRAM_DIR [SECONDS]   (default 30)
set -uo pipefail

program_source=$(realpath "$1")
seconds=${2:-30}
rate=44100
work=$(mktemp -d -t glorinbax-clicks.XXXXXX)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
    [ -f "$work/pulse/pid" ] && kill "$(cat "$work/pulse/pid")" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=../common/checks.sh
source "$(dirname "$0")/../common/checks.sh"
for tool in pulseaudio parec pactl; do
    command -v "$tool" >/dev/null || { echo "missing: $tool"; exit 1; }
done

# The click: ten milliseconds of a loud 2205 Hz square wave, then silence, a tenth of a second in
# all, as a 16-bit mono WAV file.
le_bytes() {
    local value=$1 count=$2 i
    for ((i = 0; i < count; i++)); do printf "\\x$(printf %02x $(((value >> (8 * i)) & 255)))"; done
}
data=$((rate / 10 * 2))
burst=$((rate / 100))
{
    printf 'RIFF'; le_bytes $((36 + data)) 4; printf 'WAVEfmt '
    le_bytes 16 4; le_bytes 1 2; le_bytes 1 2; le_bytes $rate 4; le_bytes $((rate * 2)) 4
    le_bytes 2 2; le_bytes 16 2; printf 'data'; le_bytes $data 4
    high=$(le_bytes 24000 2) low=$(le_bytes $((65536 - 24000)) 2)
    for ((i = 0; i < burst; i++)); do
        if (((i / 10) % 2)); then printf '%s' "$low"; else printf '%s' "$high"; fi
    done
    head -c $((data - 2 * burst)) /dev/zero
} >"$work/click.wav"
# The plan: steps of exactly half a second (four elements a frame), the range two steps, the
# click on the second; looping, it sounds once a second.
plan="$work/clicks.skw"
printf '%s\n' '[Main]' 'FormatVersion=2' 'MPH=60' 'FrameResolution=64' 'Frames=4' \
    "ElementRate=$rate" 'Start=0' "End=$((rate * 4))" '[Lane.0]' 'Position=0' 'Handle=Click' \
    "Life=$((data * 2))" "ResEnd=$((data * 2))" 'Loudness=1' 'Pan=0' 'Resource=click.wav' \
    '[0]' 'X=1' 'Y=0' >"$plan"

# The sound server, and ALSA's default device on it.
mkdir -p "$work/pulse" && chmod 700 "$work/pulse"
export PULSE_RUNTIME_PATH="$work/pulse" PULSE_STATE_PATH="$work/pulse"
export PULSE_SERVER="unix:$work/pulse/native"
# The server leaves by itself once idle, should the test be killed before it stops it.
timeout 30 pulseaudio --daemonize=yes -n --exit-idle-time=10 --disallow-exit \
    --load="module-null-sink sink_name=clicks rate=$rate" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$work/pulse/native" \
    --log-target="file:$work/pulse/server.log"
check "the sound server starts" test -S "$work/pulse/native" || exit 1
printf 'pcm.!default pulse\nctl.!default pulse\n' >"$work/asound.conf"
export ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$work/asound.conf"

cp -a "$program_source" "$work/program"
rm -f "$work/program/data/glorinbax.ini" "$work/program/data/funny stuff.log"
printf '%s\n' '[Main]' 'HandoutShown=1' '[Carrier]' 'RollOnStartup=1' 'RoundRobin=1' \
    '[Audio.Out]' 'FadeInOnStartup=0' >"$work/program/data/glorinbax.ini"

parec -d clicks.monitor --raw --format=s16le --rate=$rate --channels=1 >"$work/heard.raw" &
pids+=($!)
# Busy loops bounded in time, should the test be killed before it stops them.
for ((busy = 0; busy < ${GBX_BUSY_LOOPS:-2}; busy++)); do
    timeout $((seconds + 30)) bash -c 'while :; do :; done' &
    pids+=($!)
done
QT_QPA_PLATFORM=offscreen "$work/program/glorinbax" "$plan" >"$work/program.log" 2>&1 &
program=$!
pids+=("$program")
sleep $((seconds + 3))
kill -TERM "$program"
ended() { ! kill -0 "$program" 2>/dev/null; }
for ((tenth = 0; tenth < 200; tenth++)); do
    ended && break
    sleep 0.1
done
check "the program ends on request" ended

# Onsets: a sample well above the silence after at least a tenth of a second of it.
sleep 1
onsets=$(od -An -v -td2 -w2 "$work/heard.raw" | awk -v quiet=$((rate / 10)) '
    { level = $1 < 0 ? -$1 : $1
      if (level > 1000 && NR - last > quiet) print NR - 1
      if (level > 1000) last = NR }')
count=$(wc -l <<<"$onsets")
intervals=$(awk 'NR > 1 { print $1 - before } { before = $1 }' <<<"$onsets" | sort | uniq -c)
echo "clicks heard: $count; frames between them (count, frames):"
echo "$intervals"
check "a click is heard every second" test "$count" -ge $((seconds - 1))
check "every click is exactly one second after the one before" \
    test "$(awk 'NR > 1 && $1 - before != '$rate' { bad++ } { before = $1 } END { print bad + 0 }' <<<"$onsets")" -eq 0

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
