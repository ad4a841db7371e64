#!/usr/bin/env bash
# Builds the program and runs it: a start and close without questions, which leaves a complete
# settings file in the program's data folder, then the window on the demo plan.
set -euo pipefail
cd "$(dirname "$0")"
bash .ci/install-packages.sh

export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/glorinbax-ccache}"
# Precompiled headers come in through -include, which ccache caches with this sloppiness.
export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build build -j "$(nproc)" --target glorinbax
build/program/glorinbax --version
build/program/glorinbax --quit
echo "Started and closed; settings are in build/program/data/glorinbax.ini"
build/program/glorinbax --render build/program/data/demo/demo.skw build/demo.wav
echo "The demo plan is rendered to $(pwd)/build/demo.wav"
# Last: the window on the demo plan; the script ends when the window is closed.
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display here: run build/program/glorinbax build/program/data/demo/demo.skw in a desktop session."
    exit 0
fi
exec build/program/glorinbax build/program/data/demo/demo.skw
