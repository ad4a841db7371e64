#!/usr/bin/env python3
"""Workload W as a glorinbax plan: plan.txt ('L lane path gain pan', 'N lane step velocity' after
a '# bpm B steps_per_beat S pattern_steps P repeats R' header) -> a text plan (.skw).
MPH = bpm with FrameResolution 32 makes a step a 16th note at four steps a beat; lane gain and
pan go on the lane pieces, velocities become ball loudness; the range covers every repeat.
Usage: workload_plan.py PLAN.txt OUT.skw"""
import sys

RATE = 44100
src, out = sys.argv[1], sys.argv[2]
head = {"bpm": 120.0, "steps_per_beat": 4.0, "pattern_steps": 64.0, "repeats": 30.0}
lanes, hits = [], []
for line in open(src):
    p = line.split()
    if not p:
        continue
    if p[0] == "#":
        head.update({k: float(v) for k, v in zip(p[1::2], p[2::2]) if k in head})
    elif p[0] == "L":
        lanes.append((int(p[1]), p[2], p[3], p[4]))
    elif p[0] == "N":
        hits.append((int(p[1]), int(p[2]), p[3]))
assert head["steps_per_beat"] == 4, "FrameResolution 32 makes four steps a beat"
pattern, repeats = int(head["pattern_steps"]), int(head["repeats"])
steps = pattern * repeats
frames_per_step = 60 / head["bpm"] * RATE / 4
step_elements = frames_per_step * 4  # elements count four a frame
lines = ["[Main]", "FormatVersion=2", f"MPH={head['bpm']:g}", "FrameResolution=32",
         f"Frames={steps}", f"ElementRate={RATE}", "Start=0", f"End={round(steps * step_elements)}",
         "MasterLoudness=1", "Life=0", "Loudness=1", "Pan=0", "ResStart=0", "RoundRobin=0"]
for lane, path, gain, pan in lanes:
    lines += [f"[Lane.{lane}]", f"Position={lane}", f"Loudness={gain}", f"Pan={pan}",
              f"Resource={path}"]
n = 0
for r in range(repeats):
    for lane, step, velocity in hits:
        lines += [f"[{n}]", f"X={r * pattern + step}", f"Y={lane}", f"Loudness={velocity}"]
        n += 1
open(out, "w", newline="").write("\r\n".join(lines) + "\r\n")
