"""Times the reading of a "run" command's market data through Impact.command.

A handle without a specification reads and checks the whole command, then answers
"no spec set": the time is the command parse and the data read, nothing else.

Run as: build/venv/bin/python bench/parse_data.py [candles] [short|full|books ...]
  short  prices rounded to 4 decimals, volumes to 3 (the default when no text is named)
  full   every price and volume a full-precision double, as json.dumps writes an unrounded
         float (its shortest round-trip form: 16 or 17 significant digits)
  books  the full-precision candles with one book per candle, a level on each side whose
         price and size are full-precision doubles too
"""

import json
import random
import resource
import sys
import time

from prynox_impact import Impact

TEXTS = ("short", "full", "books")


def command_text(n, kind, seed=1):
    rng = random.Random(seed)
    digits = (lambda x, places: round(x, places)) if kind == "short" else (lambda x, places: x)
    price = 100.0
    candles, books = [], []
    for k in range(n):
        o = price
        price = max(0.01, price + rng.gauss(0, 0.5))
        candles.append({"time": 1_600_000_000_000 + k * 60_000, "open": digits(o, 4),
                        "high": digits(max(o, price) + rng.random(), 4), "low": digits(min(o, price) - rng.random(), 4),
                        "close": digits(price, 4), "volume": digits(rng.random() * 1000, 3)})
        if kind == "books":
            spread = rng.random() * 0.05
            books.append({"bids": [[o - spread, rng.random() * 100]], "asks": [[o + spread, rng.random() * 100]]})
    data = {"candles": candles}
    if kind == "books":
        data["books"] = books
    return json.dumps({"cmd": "run", "data": data}, separators=(",", ":"))


def rss_bytes():
    with open("/proc/self/statm") as f:
        return int(f.read().split()[1]) * resource.getpagesize()


def peak_rss_bytes():
    with open("/proc/self/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) * 1024
    return resource.getrusage(resource.RUSAGE_SELF).ru_maxrss * 1024


def measure(path, label):
    """Runs in a fresh interpreter: the command text is the only large object it holds."""
    with open(path, encoding="ascii") as f:
        text = f.read()
    handle = Impact("")
    base = rss_bytes()
    with open("/proc/self/clear_refs", "w") as f:
        f.write("5")  # restarts the peak-RSS count, so it covers the command alone
    t0 = time.perf_counter()
    answer = handle.command(text)
    elapsed = time.perf_counter() - t0
    assert answer == '{"ok":false,"error":"bad spec: no spec set"}', answer
    peak = peak_rss_bytes()
    best = elapsed
    for _ in range(4):
        t0 = time.perf_counter()
        handle.command(text)
        best = min(best, time.perf_counter() - t0)
    mb = len(text) / 1e6
    print(f"{label:6} command {mb:.1f} MB, best {best * 1e3:.1f} ms, {mb / best:.0f} MB/s; peak RSS during the command "
          f"{peak / 1e6:.0f} MB = {peak / len(text):.2f} x text (process held {base / 1e6:.0f} MB before it)")


def main():
    if len(sys.argv) > 3 and sys.argv[1] == "--measure":
        measure(sys.argv[2], sys.argv[3])
        return
    import os
    import subprocess
    import tempfile

    args = sys.argv[1:]
    n = int(args.pop(0)) if args and args[0].isdigit() else 1_000_000
    kinds = args or ["short"]
    for kind in kinds:
        if kind not in TEXTS:
            sys.exit(f"unknown text {kind!r}: one of {', '.join(TEXTS)}")
    print(f"candles {n}")
    for kind in kinds:
        with tempfile.NamedTemporaryFile("w", suffix=".json", delete=False, encoding="ascii") as f:
            f.write(command_text(n, kind))
            path = f.name
        try:
            subprocess.run([sys.executable, __file__, "--measure", path, kind], check=True)
        finally:
            os.unlink(path)


if __name__ == "__main__":
    main()
