#!/usr/bin/env bash
# Builds everything and runs every test: the full build, then the window-less libraries
# again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -uo pipefail
cd "$(dirname "$0")"
bash .ci/install-packages.sh || exit 1

export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/glorinbax-ccache}"
# Precompiled headers come in through -include, which ccache caches with this sloppiness.
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
jobs=$(nproc)
launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
passed=0
failed=0

# Configures, builds and tests one build directory; adds its counts to the totals.
run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "${launcher[@]}" -DGBX_WERROR=ON "$@" >/dev/null || return 1
    cmake --build "$dir" -j "$jobs" || return 1
    local log="$dir/ctest.log"
    (cd "$dir" && QT_QPA_PLATFORM=offscreen ctest -j "$jobs" --output-on-failure --timeout 300) | tee "$log"
    local total fails
    total=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\2/p' "$log" | tail -1)
    fails=$(sed -n 's/.*tests passed, \([0-9]*\) tests failed out of \([0-9]*\).*/\1/p' "$log" | tail -1)
    [ -n "$total" ] || return 1
    passed=$((passed + total - fails))
    failed=$((failed + fails))
}

status=0
run_suite build -DCMAKE_BUILD_TYPE=Release || status=1
if [ $status -eq 0 ]; then
    run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DGBX_SANITIZE=ON -DGBX_WITH_GUI=OFF || status=1
fi
[ $failed -eq 0 ] || status=1
echo "tests: $passed passed, $failed failed"
exit $status
