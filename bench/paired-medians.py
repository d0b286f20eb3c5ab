#!/usr/bin/env python3
# Reads startup_probe's lines for Brintamo and its floor, started in turn, and prints each one's
# median time to a visible window and resident memory, and the medians of the paired differences.
import statistics
import sys

runs = {"Floor": [], "Brintamo": []}
for line in sys.stdin:
    words = line.split()
    runs[words[0]].append((float(words[3]), float(words[6])))
for name, measured in runs.items():
    print(f"{name:9} visible after {statistics.median(m[0] for m in measured):6.1f} ms, "
          f"resident {statistics.median(m[1] for m in measured):5.1f} MB")
pairs = list(zip(runs["Brintamo"], runs["Floor"]))
print(f"paired, median of {len(pairs)}: time x{statistics.median(b[0] / f[0] for b, f in pairs):.2f}, "
      f"memory +{statistics.median(b[1] - f[1] for b, f in pairs):.1f} MB")
