"""A run whose rule history cannot fit in the memory the process may use answers with
MemoryError, and the same handle then runs a small command as usual."""

import json
import subprocess
import sys
import textwrap

CHILD = textwrap.dedent("""
    import json, resource
    resource.setrlimit(resource.RLIMIT_AS, (1 << 30, 1 << 30))
    from prynox_impact import Impact
    ids = [f"s{k}" for k in range(3000)]
    spec = {"strategy": {"symbol": "X", "timeframe": "1m",
                         "indicators": {i: {"type": "Sma", "params": [1]} for i in ids},
                         "entry": {"any": [{"gt": [{"prev": [i, 100000]}, 0]} for i in ids]},
                         "exit": {"lt": [{"price": "close"}, 0]},
                         "sizing": {"type": "fixed_qty", "qty": 1}},
            "book_model": {"kind": "linear_impact", "coef": 0.1}}
    h = Impact(json.dumps(spec))
    big = json.dumps({"cmd": "run", "data": {"candles": [[k, 1, 1, 1, 1, 1] for k in range(100000)]}})
    try:
        h.command(big)
        print("no error")
    except MemoryError:
        print("MemoryError")
    small = json.dumps({"cmd": "run", "data": {"candles": [[k, 1, 1, 1, 1, 1] for k in range(3)]}})
    print("report" if '"report"' in h.command(small) else "no report")
""")


def test_a_run_beyond_the_memory_limit_raises_memory_error_and_the_handle_stays_usable():
    out = subprocess.run([sys.executable, "-c", CHILD], capture_output=True, text=True, timeout=300)
    assert out.returncode == 0, out.stderr
    assert out.stdout.split() == ["MemoryError", "report"]
