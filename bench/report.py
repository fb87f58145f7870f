#!/usr/bin/env python3
"""Prints the table of bench/run from the JSON output of the benchmark programs.

Figures are CPU time (on a shared machine it wavers less than wall-clock
time); with repetitions the median is taken.
"""
import json
import os
import platform
import subprocess
import sys

# Column actions: the benchmarks that time the whole call for n items, and
# the bare SQLite work for n items where there is one.
COLUMN_ACTIONS = {
    "TevSer_GetTaxRate": ("DoActionGetTaxRate", "BareInQuery"),
    "TevSer_SynMapAndItem": ("DoActionSynMapAndItem", "BareSqliteBatch"),
    "TevSer_CurrencyCal": ("DoActionColumn/TevSer_CurrencyCal", None),
}
SIZES = (1000, 10000, 100000)
NS_PER_UNIT = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


def cpu_ns(files):
    """Benchmark name -> CPU nanoseconds per iteration."""
    times = {}
    for path in files:
        with open(path, encoding="utf-8") as f:
            report = json.load(f)
        for run in report["benchmarks"]:
            if run.get("error_occurred"):
                print(f"{run['name']}: {run.get('error_message', 'failed')}", file=sys.stderr)
                continue
            aggregate = run.get("run_type") == "aggregate"
            if aggregate and run.get("aggregate_name") != "median":
                continue
            name = run.get("run_name", run["name"])
            if aggregate or name not in times:
                times[name] = run["cpu_time"] * NS_PER_UNIT[run["time_unit"]]
    return times


def machine():
    model = platform.processor() or "unknown"
    try:
        out = subprocess.run(["lscpu"], capture_output=True, text=True, check=True).stdout
        for line in out.splitlines():
            if line.startswith("Model name:"):
                model = line.split(":", 1)[1].strip()
    except (OSError, subprocess.CalledProcessError):
        pass
    load = " ".join(f"{x:.2f}" for x in os.getloadavg())
    return f"{model}, {os.cpu_count()} cores, load average {load} at the end of the run"


def main(files):
    times = cpu_ns(files)
    print(f"Machine: {machine()}\n")
    print("| action | DoAction µs per call | bare SQLite µs | ratio |")
    print("|---|---:|---:|---:|")
    for name in sorted(n[len("DoAction/"):] for n in times if n.startswith("DoAction/")):
        action, bare = times[f"DoAction/{name}"], times.get(f"Bare/{name}")
        ratio = f"{action / bare:.2f}" if bare else "–"
        bare_text = f"{bare / 1e3:.2f}" if bare else "–"
        print(f"| `{name}` | {action / 1e3:.2f} | {bare_text} | {ratio} |")
    if "DoActionUnknownName" in times:
        unknown = times["DoActionUnknownName"]
        print(f"| unknown name, tracing off | {unknown / 1e3:.3f} | – | – |")

    print("\n| column action | ns per item at 1k | at 10k | at 100k | largest / smallest |")
    print("|---|---:|---:|---:|---:|")
    for action, prefixes in COLUMN_ACTIONS.items():
        for prefix, label in zip(prefixes, (f"`{action}`", "  bare SQLite")):
            per_item = [times.get(f"{prefix}/{n}", 0) / n for n in SIZES] if prefix else []
            if not per_item or not all(per_item):
                continue
            cells = " | ".join(f"{t:.0f}" for t in per_item)
            print(f"| {label} | {cells} | {max(per_item) / min(per_item):.2f} |")


if __name__ == "__main__":
    main(sys.argv[1:])
