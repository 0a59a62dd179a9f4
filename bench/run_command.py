"""A whole "run" of 1,000,000 candles against json.loads (and orjson.loads) of the same text.

Run as: build/venv/bin/python bench/run_command.py [candles] [--books]
orjson is installed into the project's environment for this script only.
"""

import json
import random
import resource
import subprocess
import sys
import time

from prynox_impact import Impact


def command_text(n, books, seed=3):
    rng = random.Random(seed)
    price = 100.0
    candles, book_list = [], []
    for k in range(n):
        o = price
        price = max(0.01, price + rng.gauss(0, 0.5))
        candles.append([1_600_000_000_000 + k * 60_000, round(o, 4), round(max(o, price) + rng.random(), 4),
                        round(min(o, price) - rng.random(), 4), round(price, 4), round(rng.random() * 1000, 3)])
        if books:
            book_list.append({"bids": [[round(o - 0.01, 4), 50.0]], "asks": [[round(o + 0.01, 4), 50.0]]})
    data = {"candles": candles}
    if books:
        data["books"] = book_list
    return json.dumps({"cmd": "run", "data": data}, separators=(",", ":"))


SPEC = {
    "strategy": {
        "symbol": "BENCH", "timeframe": "1m", "indicators": {},
        "entry": {"cross_above": [{"price": "close"}, {"prev": [{"price": "close"}, 1]}]},
        "exit": {"cross_below": [{"price": "close"}, {"prev": [{"price": "close"}, 1]}]},
        "sizing": {"type": "fixed_fraction", "fraction": 0.5},
    },
    "book_model": {"kind": "orderbook_walk"},
}


def rss_bytes():
    with open("/proc/self/statm") as f:
        return int(f.read().split()[1]) * resource.getpagesize()


def peak_rss_bytes():
    with open("/proc/self/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) * 1024
    return 0


def best_of(fn, runs=5):
    best = float("inf")
    for _ in range(runs):
        t0 = time.perf_counter()
        out = fn()
        best = min(best, time.perf_counter() - t0)
        del out
    return best


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    n = int(args[0]) if args else 1_000_000
    books = "--books" in sys.argv
    try:
        import orjson
    except ImportError:
        subprocess.run([sys.executable, "-m", "pip", "install", "-q", "orjson"], check=True)
        import orjson
    text = command_text(n, books)
    spec = json.loads(json.dumps(SPEC))
    if not books:
        spec["book_model"] = {"kind": "linear_impact", "coef": 0.1}  # without books nothing fills
    handle = Impact(json.dumps(spec))
    import gc

    gc.collect()
    base = rss_bytes()
    with open("/proc/self/clear_refs", "w") as f:
        f.write("5")  # restarts the peak-RSS count, so that it covers the command alone
    answer = handle.command(text)
    peak = peak_rss_bytes()
    assert answer.startswith('{"report":'), answer[:200]
    t_cmd = best_of(lambda: handle.command(text))
    t_json = best_of(lambda: json.loads(text))
    t_orjson = best_of(lambda: orjson.loads(text))
    trades = json.loads(answer)["report"]["metrics"]["num_trades"]
    print(f"candles {n}{' with books' if books else ''}: command {len(text) / 1e6:.1f} MB, report {len(answer) / 1e6:.1f} MB, "
          f"{trades} trades")
    print(f"Impact.command {t_cmd * 1e3:.0f} ms; json.loads {t_json * 1e3:.0f} ms; orjson.loads {t_orjson * 1e3:.0f} ms")
    print(f"ratios: command/json.loads {t_cmd / t_json:.2f}, command/orjson.loads {t_cmd / t_orjson:.2f}")
    print(f"peak RSS during the first command {peak / 1e6:.0f} MB = {peak / len(text):.2f} x text "
          f"(process held {base / 1e6:.0f} MB before it, the text and its answer included)")


if __name__ == "__main__":
    main()
