#!/usr/bin/env bash
# Builds everything and runs every test: the full build, then a user's journey through the
# program on an X server of its own, then the window-less libraries again under AddressSanitizer
# and UndefinedBehaviorSanitizer, then the fuzz targets briefly, then the program under a minute of
# edits with ThreadSanitizer on the engine and the mingler, then the program's start-up and
# shut-down and the tests that open sound devices once more on a running sound server, then the
# minute of edits again with AddressSanitizer on the whole.
set -uo pipefail
cd "$(dirname "$0")"

phase_times=()
# Runs one phase, noting its wall time for the summary at the end.
timed() {
    local name=$1 start=$SECONDS result=0
    shift
    "$@" || result=$?
    phase_times+=("$(printf '%-38s %5d s' "$name" $((SECONDS - start)))")
    return $result
}

timed "installing packages" bash .ci/install-packages.sh || exit 1

export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/glorinbax-ccache}"
# Precompiled headers come in through -include, which ccache caches with this sloppiness.
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
jobs=$(nproc)
launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
passed=0
failed=0

# Runs ctest in a build directory, logging to the named file there, with further ctest
# arguments; adds its counts to the totals.
run_ctest() {
    local dir=$1 log="$1/$2"
    shift 2
    (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest -j "$jobs" --output-on-failure --timeout 300 "$@") | tee "$log"
    local total fails
    total=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\2/p' "$log" | tail -1)
    fails=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -1)
    [ -n "$total" ] || return 1
    passed=$((passed + total - fails))
    failed=$((failed + fails))
}

build_dir() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "${launcher[@]}" -DGBX_WERROR=ON "$@" >/dev/null || return 1
    cmake --build "$dir" -j "$jobs"
}

# Configures, builds and tests one build directory, named in the summary; adds its counts to the
# totals.
run_suite() {
    local dir=$1 name=$2
    shift 2
    timed "$name: configure and build" build_dir "$dir" "$@" || return 1
    timed "$name: tests" run_ctest "$dir" ctest.log -LE 'journey|live-output'
}

# The program on the "no sound" device under a stream of edits for a minute, built with a
# sanitizer: only the soak driver and what it loads. A directory built before with the same flags
# keeps its objects, so only what the soak adds is compiled.
run_soak() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "${launcher[@]}" -DGBX_WERROR=ON "$@" >/dev/null || return 1
    cmake --build "$dir" -j "$jobs" --target glorinbax-soak || return 1
    run_ctest "$dir" ctest-soak.log -L soak
}

# --- Sound server phase -------------------------------------------------------------------------
# A desktop's sound stack: a PulseAudio server with a null sink, and ALSA's default device on its
# plug-in. The program's start-up and shut-down (DesktopAudio) and the tests that open sound
# devices (label system-audio), plain and sanitised, run once more there.
sound_server=""

start_sound_server() {
    sound_server=$(mktemp -d) || return 1
    trap stop_sound_server EXIT
    export PULSE_RUNTIME_PATH="$sound_server" PULSE_STATE_PATH="$sound_server"
    export PULSE_SERVER="unix:$sound_server/native"
    if ! timeout 30 pulseaudio --daemonize=yes -n --exit-idle-time=-1 --disallow-exit \
        --load=module-null-sink \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$sound_server/native" \
        --log-target="file:$sound_server/server.log" || [ ! -S "$sound_server/native" ]; then
        echo "The PulseAudio server did not start:"
        cat "$sound_server/server.log" 2>/dev/null
        return 1
    fi
    printf 'pcm.!default pulse\nctl.!default pulse\n' >"$sound_server/asound.conf"
    export ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$sound_server/asound.conf"
}

stop_sound_server() {
    [ -n "$sound_server" ] || return 0
    local pid
    pid=$(cat "$sound_server/pid" 2>/dev/null) && kill "$pid" 2>/dev/null
    rm -rf "$sound_server"
    sound_server=""
    unset PULSE_RUNTIME_PATH PULSE_STATE_PATH PULSE_SERVER ALSA_CONFIG_PATH
    trap - EXIT
}

run_on_sound_server() {
    echo "=== Once more on a PulseAudio server with a null sink, ALSA's default device on it"
    local result=0
    if start_sound_server; then
        run_ctest build ctest-sound-server.log -R '^DesktopAudio\.' || result=1
        run_ctest build ctest-sound-server-devices.log -L system-audio || result=1
        run_ctest build-sanitize ctest-sound-server.log -L system-audio || result=1
        run_ctest build ctest-live-output.log -L live-output || result=1
    else
        result=1
    fi
    stop_sound_server
    return $result
}
# -------------------------------------------------------------------------------------------------

# The readers of outside input under libFuzzer for a short while each; each target counts as a
# test.
run_fuzz() {
    local log result=0
    log=$(mktemp)
    bash tools/fuzz-all.sh --seconds 30 build-fuzz | tee "$log" || result=1
    local summary
    summary=$(tail -1 "$log")
    rm -f "$log"
    [[ $summary =~ ^([0-9]+)\ passed,\ ([0-9]+)\ failed$ ]] || return 1
    passed=$((passed + BASH_REMATCH[1]))
    failed=$((failed + BASH_REMATCH[2]))
    return $result
}

status=0
run_suite build "release" -DCMAKE_BUILD_TYPE=Release || status=1
# The user's journey drives the program on an X server of its own, alone so that it keeps pace.
if [ $status -eq 0 ]; then
    timed "user's journey" run_ctest build ctest-journey.log -L journey || status=1
fi
if [ $status -eq 0 ]; then
    run_suite build-sanitize "sanitised" -DCMAKE_BUILD_TYPE=Debug -DGBX_SANITIZE=ON \
        -DGBX_WITH_GUI=OFF || status=1
fi
if [ $status -eq 0 ]; then
    timed "fuzz: build, then 30 s a target" run_fuzz || status=1
fi
if [ $status -eq 0 ]; then
    timed "soak: ThreadSanitizer build, 60 s" run_soak build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DGBX_TSAN=ON || status=1
fi
if [ $status -eq 0 ]; then
    timed "sound server: tests" run_on_sound_server || status=1
fi
# Last: the window joins the sanitised build, whose tests have run.
if [ $status -eq 0 ]; then
    timed "soak: AddressSanitizer build, 60 s" run_soak build-sanitize -DCMAKE_BUILD_TYPE=Debug \
        -DGBX_SANITIZE=ON -DGBX_WITH_GUI=ON || status=1
fi
[ $failed -eq 0 ] || status=1
echo "Wall time by phase:"
printf '  %s\n' "${phase_times[@]}"
printf '  %-38s %5d s\n' "total" "$SECONDS"
echo "tests: $passed passed, $failed failed"
exit $status
