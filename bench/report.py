#!/usr/bin/env python3
"""Prints the table of bench/run from the JSON output of the benchmark programs.

Figures are CPU time (on a shared machine it wavers less than wall-clock
time), but for PostgreSQL, whose server does the database work in processes
of its own, and for the writers, which wait for each other: real time. With
repetitions the median is taken.

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
    """Benchmark name -> nanoseconds per iteration: CPU time, or real time for
    the benchmarks timed in real time; and -> the rate of write-backs for the
    writers ("<name>#writebacks")."""
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
                real = "real_time" in name
                times[name] = run["real_time" if real else "cpu_time"] * NS_PER_UNIT[run["time_unit"]]
                if "writebacks" in run:
                    times[f"{name}#writebacks"] = run["writebacks"]
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


def pair(action, bare):
    """The cells of a DoAction time beside its bare statements' and their ratio."""
    if not action:
        return "– | – | –"
    bare_text = f"{bare / 1e3:.2f}" if bare else "–"
    ratio = f"{action / bare:.2f}" if bare else "–"
    return f"{action / 1e3:.2f} | {bare_text} | {ratio}"


def real_time_name(times, name):
    """The name of a benchmark that Google Benchmark suffixed with /real_time."""
    return times.get(name) or times.get(f"{name}/real_time")


def tables(times):
    """The markdown tables, as lines."""
    server = any(n.startswith("PgDoAction/") for n in times)
    header = "| action | DoAction µs per call | bare SQLite µs | ratio |"
    rule = "|---|---:|---:|---:|"
    if server:
        header += " DoAction on PostgreSQL µs | bare PostgreSQL µs | ratio |"
        rule += "---:|---:|---:|"
    lines = [header, rule]
    for name in sorted(n[len("DoAction/"):] for n in times if n.startswith("DoAction/")):
        row = f"| `{name}` | {pair(times[f'DoAction/{name}'], times.get(f'Bare/{name}'))} |"
        if server:
            row += f" {pair(real_time_name(times, f'PgDoAction/{name}'), real_time_name(times, f'PgBare/{name}'))} |"
        lines.append(row)
    if "DoActionUnknownName" in times:
        unknown = times["DoActionUnknownName"]
        lines.append(f"| unknown name, tracing off | {unknown / 1e3:.3f} | – | – |" + (" – | – | – |" if server else ""))

    lines += ["", "| column action | ns per item at 1k | at 10k | at 100k | largest / smallest |",
              "|---|---:|---:|---:|---:|"]
    for action, prefixes in COLUMN_ACTIONS.items():
        for prefix, label in zip(prefixes, (f"`{action}`", "bare SQLite")):
            per_item = [times.get(f"{prefix}/{n}", 0) / n for n in SIZES] if prefix else []
            if not per_item or not all(per_item):
                continue
            cells = " | ".join(f"{t:.0f}" for t in per_item)
            lines.append(f"| {label} | {cells} | {max(per_item) / min(per_item):.2f} |")

    writers = [(n, real_time_name(times, f"Writers/SQLite/real_time/threads:{n}#writebacks"),
                times.get(f"Writers/PostgreSQL/real_time/threads:{n}#writebacks")) for n in (1, 2, 4, 8)]
    if any(sqlite for _, sqlite, _ in writers):
        lines += ["", "| writers at once | SQLite file: write-backs per second | PostgreSQL: write-backs per second |",
                  "|---:|---:|---:|"]
        for n, sqlite, postgres in writers:
            cells = [f"{rate:.0f}" if rate else "–" for rate in (sqlite, postgres)]
            lines.append(f"| {n} | {cells[0]} | {cells[1]} |")
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
