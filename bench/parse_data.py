"""Times the reading of a "run" command's market data through Impact.command.

A handle without a specification reads and checks the whole command, then answers
"no spec set": the time is the command parse and the data read, nothing else.
"""

import json
import random
import resource
import sys
import time

from prynox_impact import Impact


def command_text(n, seed=1):
    rng = random.Random(seed)
    price = 100.0
    candles = []
    for k in range(n):
        o = price
        price = max(0.01, price + rng.gauss(0, 0.5))
        candles.append({"time": 1_600_000_000_000 + k * 60_000, "open": round(o, 4),
                        "high": round(max(o, price) + rng.random(), 4), "low": round(min(o, price) - rng.random(), 4),
                        "close": round(price, 4), "volume": round(rng.random() * 1000, 3)})
    return json.dumps({"cmd": "run", "data": {"candles": candles}}, separators=(",", ":"))


def rss_bytes():
    with open("/proc/self/statm") as f:
        return int(f.read().split()[1]) * resource.getpagesize()


def peak_rss_bytes():
    with open("/proc/self/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) * 1024
    return resource.getrusage(resource.RUSAGE_SELF).ru_maxrss * 1024


def measure(path):
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
    print(f"command {mb:.1f} MB, best {best * 1e3:.1f} ms, {mb / best:.0f} MB/s; peak RSS during the command "
          f"{peak / 1e6:.0f} MB = {peak / len(text):.2f} x text (process held {base / 1e6:.0f} MB before it)")


def main():
    if len(sys.argv) > 2 and sys.argv[1] == "--measure":
        measure(sys.argv[2])
        return
    import os
    import subprocess
    import tempfile

    n = int(sys.argv[1]) if len(sys.argv) > 1 else 1_000_000
    with tempfile.NamedTemporaryFile("w", suffix=".json", delete=False, encoding="ascii") as f:
        f.write(command_text(n))
        path = f.name
    try:
        print(f"candles {n}")
        subprocess.run([sys.executable, __file__, "--measure", path], check=True)
    finally:
        os.unlink(path)


if __name__ == "__main__":
    main()
