#!/usr/bin/env bash
# Writes a sound file of our own for the journey: a quarter second of a 441 Hz square wave,
# 16-bit mono PCM at 22050 Hz, as a WAV file.
#
#   write-tone.sh FILE
set -euo pipefail

# A number as little-endian bytes, written as printf escapes.
le_bytes() {
    local value=$1 count=$2 i out=""
    for ((i = 0; i < count; i++)); do
        out+=$(printf '\\x%02x' $(((value >> (8 * i)) & 255)))
    done
    printf '%s' "$out"
}

rate=22050
periods=110
half_period=25
high=$(le_bytes 8000 2)
low=$(le_bytes $((65536 - 8000)) 2)
period=""
for ((i = 0; i < half_period; i++)); do period="$high$period$low"; done
body=""
for ((i = 0; i < periods; i++)); do body+=$period; done
data=$((periods * half_period * 2 * 2))

# RIFF header, the format chunk (PCM, one channel, two bytes a frame) and the data chunk.
header="RIFF$(le_bytes $((36 + data)) 4)WAVE"
header+="fmt $(le_bytes 16 4)$(le_bytes 1 2)$(le_bytes 1 2)$(le_bytes $rate 4)"
header+="$(le_bytes $((rate * 2)) 4)$(le_bytes 2 2)$(le_bytes 16 2)"
header+="data$(le_bytes $data 4)"
printf "%b" "$header$body" >"$1"
