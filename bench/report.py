#!/usr/bin/env python3
"""Prints the table of bench/run from the JSON output of the benchmark programs.

Figures are CPU time (on a shared machine it wavers less than wall-clock
time); with repetitions the median is taken.

    report.py FILE...                    print the machine and the tables
    report.py --write-page PAGE FILE...  print them, and put them with the
                                         date into PAGE between its figures
                                         markers, keeping the rest of PAGE
"""
import argparse
import datetime
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
BEGIN, END = "<!-- figures begin -->", "<!-- figures end -->"


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


def memory_gb():
    """Total memory from /proc/meminfo, or None where there is none."""
    try:
        with open("/proc/meminfo", encoding="ascii") as f:
            for line in f:
                if line.startswith("MemTotal:"):
                    return int(line.split()[1]) / (1024 * 1024)
    except (OSError, ValueError, IndexError):
        pass
    return None


def machine():
    model = platform.processor() or "unknown"
    try:
        out = subprocess.run(["lscpu"], capture_output=True, text=True, check=True).stdout
        for line in out.splitlines():
            if line.startswith("Model name:"):
                model = line.split(":", 1)[1].strip()
    except (OSError, subprocess.CalledProcessError):
        pass
    memory = memory_gb()
    memory_text = f", {memory:.1f} GB memory" if memory else ""
    load = " ".join(f"{x:.2f}" for x in os.getloadavg())
    return f"{model}, {os.cpu_count()} cores{memory_text}, load average {load} at the end of the run"


def tables(times):
    """The two markdown tables, as lines."""
    lines = ["| action | DoAction µs per call | bare SQLite µs | ratio |", "|---|---:|---:|---:|"]
    for name in sorted(n[len("DoAction/"):] for n in times if n.startswith("DoAction/")):
        action, bare = times[f"DoAction/{name}"], times.get(f"Bare/{name}")
        ratio = f"{action / bare:.2f}" if bare else "–"
        bare_text = f"{bare / 1e3:.2f}" if bare else "–"
        lines.append(f"| `{name}` | {action / 1e3:.2f} | {bare_text} | {ratio} |")
    if "DoActionUnknownName" in times:
        unknown = times["DoActionUnknownName"]
        lines.append(f"| unknown name, tracing off | {unknown / 1e3:.3f} | – | – |")

    lines += ["", "| column action | ns per item at 1k | at 10k | at 100k | largest / smallest |",
              "|---|---:|---:|---:|---:|"]
    for action, prefixes in COLUMN_ACTIONS.items():
        for prefix, label in zip(prefixes, (f"`{action}`", "bare SQLite")):
            per_item = [times.get(f"{prefix}/{n}", 0) / n for n in SIZES] if prefix else []
            if not per_item or not all(per_item):
                continue
            cells = " | ".join(f"{t:.0f}" for t in per_item)
            lines.append(f"| {label} | {cells} | {max(per_item) / min(per_item):.2f} |")
    return lines


def write_page(page, machine_text, table_lines):
    """Replaces what lies between the figures markers of page; the rest stays.

    The page is written to a file beside it first and renamed over it, so a
    failed write leaves the page as it was."""
    with open(page, encoding="utf-8") as f:
        lines = f.read().splitlines(keepends=True)
    marks = {mark: [i for i, line in enumerate(lines) if line.strip() == mark] for mark in (BEGIN, END)}
    if len(marks[BEGIN]) != 1 or len(marks[END]) != 1 or marks[END][0] < marks[BEGIN][0]:
        sys.exit(f"bench/report.py: {page} needs one line {BEGIN} and one line {END} after it")
    today = datetime.date.today().isoformat()
    figures = [f"Recorded on {today}, on {machine_text}:", "", *table_lines]
    new_text = "".join(lines[:marks[BEGIN][0] + 1] + [f"{line}\n" for line in figures] + lines[marks[END][0]:])
    temporary = f"{page}.tmp"
    with open(temporary, "w", encoding="utf-8") as f:
        f.write(new_text)
    os.replace(temporary, page)
    print(f"bench/report.py: wrote the figures into {page}", file=sys.stderr)


def main(argv):
    parser = argparse.ArgumentParser(description="The benchmark report of bench/run.")
    parser.add_argument("--write-page", metavar="PAGE",
                        help="also put the figures between the figures markers of PAGE")
    parser.add_argument("files", nargs="+", metavar="FILE", help="benchmark JSON output")
    args = parser.parse_args(argv)

    times = cpu_ns(args.files)
    machine_text = machine()
    table_lines = tables(times)
    print(f"Machine: {machine_text}\n")
    print("\n".join(table_lines))
    if args.write_page:
        write_page(args.write_page, machine_text, table_lines)


if __name__ == "__main__":
    main(sys.argv[1:])
