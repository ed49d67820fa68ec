#!/usr/bin/env python3
"""Draws the benchmark results and writes their table into the performance page.

    python3 bench/plot.py [results.json] [docs folder]

Reads the runs that `cmake --workflow --preset bench` wrote (by default
docs/performance/list_bench.json), takes the median of each benchmark's runs,
draws ns per element against n on log-log
axes as SVG files in docs/performance/, and replaces the table between the
ratio markers of docs/performance.md. Needs matplotlib (Debian:
python3-matplotlib).
"""

import json
import pathlib
import re
import statistics
import sys

import matplotlib

matplotlib.use("svg")
import matplotlib.pyplot as plt  # noqa: E402
import matplotlib.ticker  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parent.parent
UNIT_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}
LIST_OPS = ["Insere", "Busca", "Remove", "Imprime"]
MODULE = "this list"
FORWARD = "std::forward_list"


def medians(path):
    """{benchmark name: (median real time in ns, the benchmark's entry)}."""
    data = json.loads(path.read_text())
    times = {}
    entries = {}
    for b in data["benchmarks"]:
        if b.get("run_type", "iteration") != "iteration":
            continue
        times.setdefault(b["run_name"], []).append(b["real_time"] * UNIT_NS[b["time_unit"]])
        entries[b["run_name"]] = b
    return data["context"], {name: (statistics.median(t), entries[name]) for name, t in times.items()}


def series(runs, name, key=lambda b: int(b["n"]), keep=lambda b: True):
    """Sorted (x, ns per element) points of one benchmark."""
    points = []
    for run, (ns, b) in runs.items():
        if run.split("/")[0] == name and keep(b):
            points.append((key(b), ns / b["n"]))
    return sorted(points)


def log_axes(ax, ys):
    """Log-log axes whose y range spans at least a hundredfold, so that a flat
    line looks flat, with plain numbers on the y axis."""
    low, high = min(ys), max(ys)
    middle = (low * high) ** 0.5
    ax.set_xscale("log")
    ax.set_yscale("log")
    ax.set_ylim(min(low / 2, middle / 10), max(high * 2, middle * 10))
    ax.yaxis.set_major_formatter(matplotlib.ticker.FuncFormatter(lambda y, _: f"{y:g}"))
    ax.yaxis.set_minor_formatter(matplotlib.ticker.NullFormatter())
    ax.grid(True, which="both", alpha=0.3)


def pair_plot(ax, runs, mine, theirs, title, **kw):
    every = []
    for name, label, style in ((mine, MODULE, "o-"), (theirs, FORWARD, "s--")):
        xs, ys = zip(*series(runs, name, **kw))
        ax.plot(xs, ys, style, label=label)
        every += ys
    log_axes(ax, every)
    ax.set_title(title)
    ax.set_ylabel("ns per element")
    ax.legend()


def save(fig, path):
    fig.tight_layout()
    fig.savefig(path, metadata={"Date": None})
    plt.close(fig)


def draw(runs, out):
    plt.rcParams["svg.hashsalt"] = "drills"

    fig, axes = plt.subplots(2, 2, figsize=(10, 8))
    for ax, op in zip(axes.flat, LIST_OPS):
        pair_plot(ax, runs, f"BM_{op}", f"BM_{op}_ForwardList", op)
        ax.set_xlabel("n (values in the list)")
    save(fig, out / "list_ops.svg")

    fig, (left, right) = plt.subplots(1, 2, figsize=(10, 4))
    pair_plot(left, runs, "BM_Ex3h", "BM_Ex3h_ForwardList", "Ex3h, 10 distinct values",
              keep=lambda b: int(b["d"]) == 10)
    left.set_xlabel("n (values in the list)")
    pair_plot(right, runs, "BM_Ex3h", "BM_Ex3h_ForwardList", "Ex3h, n = 10000",
              key=lambda b: int(b["d"]), keep=lambda b: int(b["n"]) == 10000)
    right.set_xlabel("d (distinct values)")
    save(fig, out / "ex3h.svg")

    fig, (left, right) = plt.subplots(1, 2, figsize=(10, 4))
    every = []
    for name, label, style in (("BM_NumVal", "NumVal (recursion)", "o-"),
                               ("BM_NumVal_Loop", "a loop", "s--")):
        xs, ys = zip(*series(runs, name))
        left.plot(xs, ys, style, label=label)
        every += ys
    log_axes(left, every)
    left.set(title="Counting the nodes", xlabel="n (nodes)", ylabel="ns per node")
    left.legend()
    points = sorted((int(b["n"]), ns) for run, (ns, b) in runs.items()
                    if run.startswith("BM_NroAB/"))
    xs, ys = zip(*points)
    right.plot(xs, ys, "o-", label="NroAB(n)")
    right.plot(xs, [ys[-1] * 3.0 ** (x - xs[-1]) for x in xs], ":", label="3^n, scaled")
    right.set(yscale="log", title="NroAB: 3^n calls", xlabel="n (keys)", ylabel="ns for NroAB(n)")
    right.grid(True, which="both", alpha=0.3)
    right.legend()
    save(fig, out / "recursion.svg")


def ratio_table(runs):
    lines = ["| Operation | n | this list, ns/element | forward_list, ns/element | ratio |",
             "|---|---:|---:|---:|---:|"]
    worst, where = 0.0, ""
    for op in LIST_OPS + ["Ex3h"]:
        mine = dict(series(runs, f"BM_{op}", key=lambda b: (int(b["n"]), int(b.get("d", 0)))))
        theirs = dict(series(runs, f"BM_{op}_ForwardList",
                             key=lambda b: (int(b["n"]), int(b.get("d", 0)))))
        for (n, d), ns in sorted(mine.items()):
            ratio = ns / theirs[(n, d)]
            size = f"{n:,}" + (f", d = {d:,}" if d else "")
            if ratio > worst:
                worst, where = ratio, f"{op}, n = {size}"
            lines.append(f"| {op} | {size} | {ns:.2f} | {theirs[(n, d)]:.2f} | {ratio:.3f} |")
    lines.append("")
    lines.append(f"The largest ratio is {worst:.3f} ({where}).")
    return "\n".join(lines), worst


def main():
    results = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "docs/performance/list_bench.json"
    docs = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else ROOT / "docs"
    context, runs = medians(results)
    draw(runs, docs / "performance")
    table, worst = ratio_table(runs)

    page = docs / "performance.md"
    text = page.read_text()
    marked = re.compile(r"(<!-- ratios:begin -->\n).*?(<!-- ratios:end -->)", re.S)
    if not marked.search(text):
        sys.exit(f"{page}: no <!-- ratios:begin --> ... <!-- ratios:end --> markers")
    page.write_text(marked.sub(lambda m: m.group(1) + table + "\n" + m.group(2), text))
    print(table)
    print(f"\nworst ratio: {worst:.3f} ({context['host_name']}, {context['num_cpus']} CPUs)")


if __name__ == "__main__":
    main()
