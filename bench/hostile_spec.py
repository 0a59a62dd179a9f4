"""Set-up and memory of runs whose specifications are large in shape but small in work.

Run as: build/venv/bin/python bench/hostile_spec.py
Each case runs in a fresh process and prints its time and the process's peak memory:
- keys: one Sma whose rules name 8,000 outputs it does not have, over 20,000 candles, with a rule
  that reads as far back as the run is long (so every bar keeps its row of rule values);
- indicators: 20,000 declared Sma with 40,000 rule keys, one candle.
"""

import json
import resource
import subprocess
import sys
import time


def keys_case():
    refs = [{"gt": [f"a.x{k}", 0]} for k in range(1, 8001)]
    spec = {"strategy": {"symbol": "X", "timeframe": "1m", "indicators": {"a": {"type": "Sma", "params": [2]}},
                         "entry": {"any": refs}, "exit": {"lt": [{"prev": [{"price": "close"}, 20000]}, 0]},
                         "sizing": {"type": "fixed_qty", "qty": 1}},
            "book_model": {"kind": "linear_impact", "coef": 0.1}}
    candles = [[k * 60000, 100, 101, 99, 100, 10] for k in range(20000)]
    return spec, candles


def indicators_case():
    ids = [f"i{k}" for k in range(20000)]
    refs = [{"gt": [i, f"{i}.x"]} for i in ids]
    spec = {"strategy": {"symbol": "X", "timeframe": "1m",
                         "indicators": {i: {"type": "Sma", "params": [1]} for i in ids},
                         "entry": {"any": refs}, "exit": {"lt": [{"price": "close"}, 0]},
                         "sizing": {"type": "fixed_qty", "qty": 1}},
            "book_model": {"kind": "linear_impact", "coef": 0.1}}
    return spec, [[0, 100, 101, 99, 100, 10]]


def child(name):
    from prynox_impact import Impact
    spec, candles = {"keys": keys_case, "indicators": indicators_case}[name]()
    spec_text = json.dumps(spec, separators=(",", ":"))
    command = json.dumps({"cmd": "run", "data": {"candles": candles}}, separators=(",", ":"))
    before = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    start = time.perf_counter()
    answer = Impact(spec_text).command(command)
    seconds = time.perf_counter() - start
    peak = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
    assert '"report"' in answer, answer[:200]
    print(f"{name}: spec {len(spec_text) / 1e6:.2f} MB, {seconds:.3f} s, peak RSS {peak / 1024:.0f} MB "
          f"(before the command {before / 1024:.0f} MB)")


if __name__ == "__main__":
    if len(sys.argv) > 1:
        child(sys.argv[1])
    else:
        for case in ("keys", "indicators"):
            subprocess.run([sys.executable, __file__, case], check=True)
