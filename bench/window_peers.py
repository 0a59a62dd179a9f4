"""Window types per update against the batch C libraries per element, side by side in one run.

Run as: build/venv/bin/python bench/window_peers.py [--rounds R] [--build DIR] [--before DIR]

Ours are the Google Benchmark rows of the same types (update/: through the registry-built
Indicator; core/: the bare core inlined into the loop) over the walk of bench/bench_support.hpp,
run from the bench binaries in DIR (default build/tests, built with -DPRYNOX_BENCH=ON). With
--before, a second set of the same binaries (an older build) runs in the same rounds, for a
before-and-after table. The peers compute the same statistic over the same 1,000,000 closes,
timed in this process: TA-Lib and tulipy (with numpy), installed into the project's environment
for this script only, by the script on first use or by hand with
    build/venv/bin/python -m pip install TA-Lib tulipy
(TA-Lib comes as a binary wheel; tulipy builds from source). A peer that will not install or
import is skipped. Rounds interleave ours and the peers; each figure is the best of its
rounds. The table gives ns per element, our ratios to the best peer, and update/ minus core/
(the boxed contract's share).
"""

import argparse
import importlib
import os
import re
import subprocess
import sys
import time

BARS = 1_000_000
MASK = (1 << 64) - 1


def walk():
    # The candles of bench_support.hpp: a driftless walk from 100 reflected at 1, high and low
    # half a point either side of the close.
    s, x, out = 12345, 100.0, []
    for _ in range(BARS):
        s = (s * 6364136223846793005 + 1442695040888963407) & MASK
        x = x + ((s >> 11) * 2.0**-53 - 0.5)
        if x < 1.0:
            x = 2.0 - x
        out.append(x)
    return out


def import_peers():
    # Each peer is installed on first use, like orjson in run_command.py; one that will not
    # install (tulipy has no binary wheel and may not build) is left out of the table.
    peers = {}
    for name, package in (("talib", "TA-Lib"), ("tulipy", "tulipy")):
        try:
            peers[name] = importlib.import_module(name)
            continue
        except ImportError:
            pass
        if subprocess.run([sys.executable, "-m", "pip", "install", "-q", package]).returncode == 0:
            try:
                peers[name] = importlib.import_module(name)
                continue
            except ImportError:
                pass
        print(f"{package} is not installed: skipped", file=sys.stderr)
    return peers


def rows(close, high, low, peers):
    ta, ti = peers.get("talib"), peers.get("tulipy")

    def tulip_mid(p, hi, lo):
        return lambda: (ti.max(hi, p) + ti.min(lo, p)) * 0.5

    out = []

    def row(binary, name, *cands):
        out.append((binary, name, [(lib, fn) for lib, fn in cands if lib in peers]))

    for p in (20, 200):
        row("window_statistics_bench", f"Variance/{p}",
            ("talib", lambda p=p: ta.VAR(close, p, 1)), ("tulipy", lambda p=p: ti.var(close, p)))
        row("window_statistics_bench", f"StdDev/{p}",
            ("talib", lambda p=p: ta.STDDEV(close, p, 1)), ("tulipy", lambda p=p: ti.stddev(close, p)))
    for p in (14, 200):
        row("regression_bench", f"LinearRegression/{p}",
            ("talib", lambda p=p: ta.LINEARREG(close, p)), ("tulipy", lambda p=p: ti.linreg(close, p)))
        row("regression_bench", f"LinRegSlope/{p}",
            ("talib", lambda p=p: ta.LINEARREG_SLOPE(close, p)), ("tulipy", lambda p=p: ti.linregslope(close, p)))
        row("regression_bench", f"Tsf/{p}",
            ("talib", lambda p=p: ta.TSF(close, p)), ("tulipy", lambda p=p: ti.tsf(close, p)))
    for p in (20, 200):
        row("moving_averages_bench", f"MidPoint/{p}",
            ("talib", lambda p=p: ta.MIDPOINT(close, p)), ("tulipy", tulip_mid(p, close, close) if ti else None))
    for p in (14, 500):
        row("range_oscillators_bench", f"MidPrice/{p}",
            ("talib", lambda p=p: ta.MIDPRICE(high, low, p)), ("tulipy", tulip_mid(p, high, low) if ti else None))
    # The batch libraries give the bands; %B and the bandwidth read them.
    for p, k in ((20, "2"), (200, "2.5")):
        for name in ("PercentB", "BollingerBandwidth"):
            row("momentum_bench", f"{name}/{p}/{k}",
                ("talib", lambda p=p, k=k: ta.BBANDS(close, p, float(k), float(k), 0)),
                ("tulipy", lambda p=p, k=k: ti.bbands(close, p, float(k))))
    for p in (10, 200):
        row("momentum_bench", f"Mom/{p}",
            ("talib", lambda p=p: ta.MOM(close, p)), ("tulipy", lambda p=p: ti.mom(close, p)))
        row("momentum_bench", f"Roc/{p}",
            ("talib", lambda p=p: ta.ROC(close, p)), ("tulipy", lambda p=p: ti.roc(close, p)))
    return out


LINE = re.compile(r"^((?:update|core)/\S+)\s.*ns/update=([0-9.e+-]+)([pnum]?)s")
SCALE = {"": 1e9, "m": 1e6, "u": 1e3, "n": 1.0, "p": 1e-3}


def run_ours(build, binary, names):
    pattern = "^(update|core)/(" + "|".join(re.escape(n) for n in names) + ")$"
    text = subprocess.run([os.path.join(build, binary), f"--benchmark_filter={pattern}", "--benchmark_min_time=0.2s"],
                          check=True, capture_output=True, text=True).stdout
    found = {}
    for line in text.splitlines():
        m = LINE.match(line)
        if m:
            found[m.group(1)] = float(m.group(2)) * SCALE[m.group(3)]
    return found


def time_peer(fn, runs=3):
    best = float("inf")
    for _ in range(runs):
        t0 = time.perf_counter()
        fn()
        best = min(best, time.perf_counter() - t0)
    return best / BARS * 1e9


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--rounds", type=int, default=5)
    ap.add_argument("--build", default="build/tests")
    ap.add_argument("--before", default=None)
    args = ap.parse_args()
    peers = import_peers()
    close = high = low = None
    if peers:  # numpy comes with either peer
        import numpy as np

        close = np.array(walk(), dtype=np.float64)
        high, low = close + 0.5, close - 0.5
    table = rows(close, high, low, peers)
    binaries = {}
    for binary, name, _ in table:
        binaries.setdefault(binary, []).append(name)
    builds = [("now", args.build)] + ([("before", args.before)] if args.before else [])

    ours = {}   # (build, row name) -> best ns
    theirs = {}  # (type name, lib) -> best ns
    for _ in range(args.rounds):
        for label, build in builds:
            for binary, names in binaries.items():
                for key, ns in run_ours(build, binary, names).items():
                    ours[(label, key)] = min(ns, ours.get((label, key), float("inf")))
        for _, name, cands in table:
            for lib, fn in cands:
                if fn is not None:
                    theirs[(name, lib)] = min(time_peer(fn), theirs.get((name, lib), float("inf")))

    with open("/proc/loadavg") as f:
        load = f.read().split()[:3]
    print(f"ns per element, best of {args.rounds} interleaved rounds, load {' '.join(load)}")
    head = f"{'type':30}"
    for label, _ in builds:
        head += f" {'update ' + label:>12} {'core ' + label:>10}"
    head += f" {'talib':>7} {'tulipy':>7} {'upd/best':>8} {'core/best':>9} {'upd-core':>8}"
    print(head)
    fmt = lambda v: f"{v:.2f}" if v is not None else "-"
    for _, name, _ in table:
        line = f"{name:30}"
        for label, _ in builds:
            line += f" {fmt(ours.get((label, 'update/' + name))):>12} {fmt(ours.get((label, 'core/' + name))):>10}"
        ta, tu = theirs.get((name, "talib")), theirs.get((name, "tulipy"))
        line += f" {fmt(ta):>7} {fmt(tu):>7}"
        known = [v for v in (ta, tu) if v is not None]
        upd, core = ours.get(("now", "update/" + name)), ours.get(("now", "core/" + name))
        if known and upd is not None:
            best = min(known)
            line += f" {upd / best:8.2f} {fmt(core / best if core is not None else None):>9}"
        else:
            line += f" {'-':>8} {'-':>9}"
        line += f" {fmt(upd - core if upd is not None and core is not None else None):>8}"
        print(line)


if __name__ == "__main__":
    main()
