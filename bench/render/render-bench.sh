#!/usr/bin/env bash
# Workload W rendered by `glorinbax --render` (the whole process: load, decode, arm, mix, write)
# beside our plain in-memory mixing loop and mixref, and with --peers beside Hydrogen's h2cli, LMMS, the
# final `sox -m` mix, all in this one run. Prints each as a multiple of real time and as
# a ratio to ours, and checks that our render agrees with the plain loop (and with mixref) to a
# few steps of the 16-bit scale.
#
# Usage: bench/render/render-bench.sh [--peers] [--runs N] [--build DIR]
#   --peers   install hydrogen and lmms from Debian when missing (apt-get), and run the peers
#   --runs N  median of N whole-process runs of each (default 5)
#   --build   the build folder holding program/glorinbax and bench-bin/ (default: build)
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
anchors="$repo/../shared/bench-anchors"
build="$repo/build"
runs=5
peers=0
while [ $# -gt 0 ]; do
    case "$1" in
    --peers) peers=1 ;;
    --runs) runs=$2; shift ;;
    --build) build=$(cd "$2" && pwd); shift ;;
    *) echo "usage: $0 [--peers] [--runs N] [--build DIR]" >&2; exit 2 ;;
    esac
    shift
done
[ -d "$anchors" ] || { echo "no workload description at $anchors" >&2; exit 1; }
command -v sox >/dev/null || { echo "the samples are made with sox: apt-get install sox" >&2; exit 1; }

cmake --build "$build" --target glorinbax render_plain_loop >/dev/null
glorinbax="$build/program/glorinbax"
plain="$build/bench-bin/render_plain_loop"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$anchors/." "$work" && chmod -R u+w "$work" && cd "$work"
./make_samples.sh
python3 gen_plan.py >/dev/null
python3 "$repo/bench/render/workload_plan.py" plan.txt w.skw
seconds=240

# Median wall time of a command over the runs, in seconds.
timed() {
    local times=() start end
    for _ in $(seq "$runs"); do
        start=$(date +%s.%N)
        "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; return 1; }
        end=$(date +%s.%N)
        times+=("$(echo "$end - $start" | bc -l)")
    done
    printf '%s\n' "${times[@]}" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'
}

declare -a names walls
measure() {
    local name=$1; shift
    names+=("$name")
    walls+=("$(timed "$@")")
}

measure "glorinbax --render" "$glorinbax" --render w.skw out_gbx.wav
measure "plain loop (ours)" "$plain" plan.txt out_plain.wav
g++ -O2 -std=c++17 -o mixref mixref.cpp
measure "mixref -O2" ./mixref plan.txt out_cpp.wav

if [ $peers -eq 1 ]; then
    missing=()
    command -v h2cli >/dev/null || missing+=(hydrogen)
    command -v lmms >/dev/null || missing+=(lmms)
    if [ ${#missing[@]} -gt 0 ]; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
    python3 gen_h2.py plan.txt song.h2song >/dev/null
    python3 gen_lmms.py plan.txt song.mmp >/dev/null
    python3 gen_sox.py >/dev/null
    sh sox_build.sh >/dev/null 2>&1
    export QT_QPA_PLATFORM=offscreen
    measure "h2cli" h2cli -s song.h2song -o out_h2.wav -r 44100 -b 16 -d alsa
    measure "lmms" lmms --allowroot render song.mmp -o out_lmms.wav -f wav
    measure "lmms -x 1 -i linear" lmms --allowroot render song.mmp -o out_lmms_x1.wav -f wav -x 1 -i linear
    measure "sox -m (final mix)" sh sox_mix.sh
fi

ours=${walls[0]}
echo "workload W: $(grep -c '^N' plan.txt) cells x 30 = 240 s at 44100 Hz; median of $runs whole-process runs"
printf '%-22s %9s %10s %14s\n' "renderer" "seconds" "x realtime" "ours / theirs"
for i in "${!names[@]}"; do
    w=${walls[$i]}
    printf '%-22s %9.3f %10.1f %14.2f\n' "${names[$i]}" "$w" "$(echo "$seconds / $w" | bc -l)" \
        "$(echo "$w / $ours" | bc -l)"
done
echo "(ours / theirs: their time over ours; above 1 means ours is faster)"

# Agreement: the largest difference over the common length, in steps of the 16-bit scale.
lsb() { ./compare.sh "$1" "$2" | awk '/Maximum amp/ {m=$3} /Minimum amp/ {n=-$3} END {v = m > n ? m : n; printf "%.0f", v * 32768}'; }
frames_ours=$(soxi -s out_gbx.wav)
frames_plain=$(soxi -s out_plain.wav)
diff_plain=$(lsb out_gbx.wav out_plain.wav)
echo "ours vs plain loop: $diff_plain LSB at most; $frames_ours vs $frames_plain frames"
status=0
if [ "$diff_plain" -gt 4 ] || [ "$frames_ours" -ne "$frames_plain" ]; then
    echo "FAIL: the render does not agree with the plain loop"; status=1
fi
# mixref rounds odd steps' half frames up, we round them down: its onsets there are one frame
# later, so the sounds' first frames differ by one frame's change.
echo "ours vs mixref: $(lsb out_gbx.wav out_cpp.wav) LSB at most (odd steps one frame apart)"
exit $status
