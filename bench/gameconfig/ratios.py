"""Prints each read and write of the game INI files as a ratio to its floor from the same run.

Usage: ratios.py results.json (Google Benchmark's JSON output, with repetitions: medians are used).
"""
import json
import sys


def main(path):
    results = json.load(open(path))["benchmarks"]
    # Medians when the run repeated; the single figures otherwise.
    median = {b["run_name"]: b["real_time"] for b in results if b.get("aggregate_name") == "median"}
    if not median:
        median = {b["name"]: b["real_time"] for b in results if b.get("run_type") == "iteration"}
    unit = results[0].get("time_unit", "us")
    print(f"{'measurement':<44}{'time (' + unit + ')':>14}{'floor':>12}{'ratio':>8}")
    for name, time in sorted(median.items()):
        kind, *args = name.split("/")
        if kind == "Read":
            floor = "ReadFloor/" + "/".join(a for a in args if not a.startswith("settings:"))
        elif kind == "Write":
            floor = "WriteFloor/" + "/".join(args)
        else:
            continue
        base = median.get(floor)
        if base:
            print(f"{name:<44}{time:>14.1f}{base:>12.1f}{time / base:>7.2f}x")
    # The catalogue's size: the full one against one of 10 settings, same file.
    for name, time in sorted(median.items()):
        if name.startswith("Read/") and name.endswith("settings:99"):
            small = median.get(name[: -len("99")] + "10")
            if small:
                print(f"{name + ' vs 10 settings':<68}{time / small:>7.2f}x")


if __name__ == "__main__":
    main(sys.argv[1])
