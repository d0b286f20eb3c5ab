#!/usr/bin/env python3
# Reads startup_probe's lines for the floor and each program measured beside it, started in turn,
# and prints each one's median time to a visible window and resident memory, and for each program
# the medians of its differences paired with the floor's run of the same round.
import statistics
import sys

runs = {}
for line in sys.stdin:
    words = line.split()
    runs.setdefault(words[0], []).append((float(words[3]), float(words[6])))
for name, measured in runs.items():
    print(f"{name:9} visible after {statistics.median(m[0] for m in measured):6.1f} ms, "
          f"resident {statistics.median(m[1] for m in measured):5.1f} MB")
for name, measured in runs.items():
    if name != "Floor":
        pairs = list(zip(measured, runs["Floor"]))
        print(f"{name:9} paired with the floor, median of {len(pairs)}: time "
              f"x{statistics.median(b[0] / f[0] for b, f in pairs):.2f}, memory "
              f"+{statistics.median(b[1] - f[1] for b, f in pairs):.1f} MB")
