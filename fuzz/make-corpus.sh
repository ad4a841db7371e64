#!/usr/bin/env bash
# Writes the fuzz targets' seed corpus (fuzz/corpus/<target>/) from the built program and our own
# data: the demo plan in each form, a settings file the program wrote, the shipped styles'
# config.ini, the language files' lines with escapes, formulas, and encoder records the renderer
# would write. Run after a build; the corpus is kept in the repository.
#
#   make-corpus.sh [PROGRAM_DIR]   (default: build/program)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program_dir=$(realpath "${1:-$here/../build/program}")
program="$program_dir/glorinbax"
corpus="$here/corpus"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rm -rf "$corpus"
mkdir -p "$corpus"/{fuzz_plan_binary,fuzz_plan_text,fuzz_settings,fuzz_formula,fuzz_style_config,fuzz_escape_language,fuzz_blade_record}

# The demo, and a small plan that the fuzzers can change more often per second.
small="$work/small.skw"
printf '%s\n' '[Main]' 'FormatVersion=2' 'MPH=125' 'FrameResolution=32' 'Frames=64' \
    'ElementRate=2*22050' 'Start=4410' '[Lane.0]' 'Position=0' 'Handle=Kick' 'Pan=-0.5' \
    'Resource=kick.wav' '[Lane.1]' 'Position=1' 'Striked=1' '[0]' 'X=0' 'Y=0' 'Life=100+2' \
    '[1]' 'X=4' 'Y=1' 'Loudness=0.5' >"$small"
for plan in "$program_dir/data/demo/demo.skw" "$small"; do
    name=$(basename "$plan" .skw)
    "$program" --convert "$plan" "$corpus/fuzz_plan_binary/$name.skw" --format binary
    "$program" --convert "$plan" "$corpus/fuzz_plan_text/$name.skw" --format text
    "$program" --convert "$plan" "$corpus/fuzz_plan_text/$name-balls.skw" --format balls
done
printf '[Main]\r\nFormatVersion=1\r\n[Resources]\r\na.wav\r\nb.wav\r\n' >"$corpus/fuzz_plan_text/version-1.skw"

# The settings of a fresh start, as the program writes them.
cp -a "$program_dir" "$work/program"
rm -f "$work/program/data/glorinbax.ini"
QT_QPA_PLATFORM=offscreen "$work/program/glorinbax" --quit >/dev/null 2>&1
cp "$work/program/data/glorinbax.ini" "$corpus/fuzz_settings/glorinbax.ini"

n=0
for formula in '1+2*3' '2*22050' '(44100/4)-1' '-0.5' '1e3' 'round(2.5)' '7 div 2' '7 mod 3' \
    '0.333333333*3' '((((1))))' '1/0'; do
    n=$((n + 1))
    printf '%s' "$formula" >"$corpus/fuzz_formula/$n"
done

for style in "$here"/../data/interior/*/config.ini; do
    cp "$style" "$corpus/fuzz_style_config/$(basename "$(dirname "$style")").ini"
done

grep -h '%' "$here"/../data/parlance/*_en.txt | head -20 | split -l 1 - "$corpus/fuzz_escape_language/line-"

# Records as the renderer fills them: constant rate stereo, VBR joint stereo, ABR mono.
record() {
    python3 - "$@" <<'PY'
import struct, sys
rate, mode, bitrate, vbr, method, out = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4]), int(sys.argv[5]), sys.argv[6]
fields = [256, 1, 331, rate, 0, mode, bitrate, 320 if vbr else 0, 0, 0, 0, 0, 0, 0, 0, -1, -1,
          -1 if vbr else 0, 4, 128, method, 0, 0]
body = struct.pack('<3I20i', *fields) + struct.pack('<H', 2)
open(out, 'wb').write(body + bytes(331 - len(body)))
PY
}
record 44100 0 192 0 0 "$corpus/fuzz_blade_record/cbr-stereo"
record 48000 1 64 1 0 "$corpus/fuzz_blade_record/vbr-joint"
record 22050 3 32 1 4 "$corpus/fuzz_blade_record/abr-mono"
find "$corpus" -type f | wc -l
