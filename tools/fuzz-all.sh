#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) and runs
# each from its seed corpus, two at a time, printing executions and crashes per target. A crash
# leaves its input in the work folder; make it a regression test.
#
#   fuzz-all.sh [--runs N | --seconds S] [BUILD_DIR [TARGET...]]
#   (default: 1,000,000 runs of every target; build-fuzz)
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
limit=(-runs=1000000)
case "${1:-}" in
--runs) limit=(-runs="$2"); shift 2 ;;
--seconds) limit=(-max_total_time="$2"); shift 2 ;;
esac
build=$(realpath -m "${1:-$root/build-fuzz}")
shift $(($# > 0 ? 1 : 0))
work="$build/fuzz-work"

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DGBX_WITH_GUI=OFF -DGBX_FUZZ=ON "${launcher[@]}" >/dev/null || exit 1
cmake --build "$build" --target gbx_fuzz_targets -j "$(nproc)" >"$build/fuzz-build.log" 2>&1 ||
    { tail -30 "$build/fuzz-build.log"; exit 1; }

# One target: the seeds stay as they are; what the fuzzer finds goes to a corpus of its own.
# A million runs grow the sanitised process past libFuzzer's default limit of 2 GB; a single
# input is still held to 2 GB.
run_target() {
    local target=$1 folder="$work/$1"
    rm -rf "$folder"
    mkdir -p "$folder/found"
    (cd "$folder" && "$build/fuzz/$target" "${limit[@]}" -max_len=4096 -timeout=10 -print_final_stats=1 \
        -rss_limit_mb=4096 -malloc_limit_mb=2048 \
        -artifact_prefix="$folder/" found "$root/fuzz/corpus/$target" >log 2>&1)
    local executions crashes
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$folder/log")
    crashes=$(ls "$folder" | grep -cE '^(crash|leak|timeout|oom)-')
    printf '%-22s %10s executions %3d crashes\n' "$target" "${executions:-?}" "$crashes" \
        >"$folder/result"
    [ -n "$executions" ] && [ "$crashes" -eq 0 ]
}

# The quick ones first, so that a run cut short has the most to show.
targets=(fuzz_escape_language fuzz_formula fuzz_style_config fuzz_blade_record fuzz_settings
    fuzz_plan_binary fuzz_plan_text)
[ $# -gt 0 ] && targets=("$@")
failed=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
    pids=()
    for target in "${targets[@]:i:2}"; do
        run_target "$target" &
        pids+=($!)
    done
    for pid in "${pids[@]}"; do
        wait "$pid" || failed=$((failed + 1))
    done
done
for target in "${targets[@]}"; do
    cat "$work/$target/result"
done
echo "$((${#targets[@]} - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
