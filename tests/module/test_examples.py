"""Every script in examples/ runs to the end and prints its figures, with at least one trade."""

import re
import subprocess
import sys
from pathlib import Path

import pytest

EXAMPLES = Path(__file__).resolve().parents[2] / "examples"
HELPERS = {"synthetic.py"}  # imported by the scripts, prints nothing

# What each script must print, beyond a trade count of at least one.
EXPECTED = {
    "moving_average_crossover.py": ["trades, pnl", "max drawdown", "sharpe", "impact:", "avg_slippage_bps"],
    "short_with_stops.py": ["pnl=", "max_drawdown=", "all short: True", "exits by reason:"],
    "limit_entry.py": ["pnl=", "fees_paid=", "first entry at"],
    "rsi_threshold.py": ["pnl=", "win_rate=", "profit_factor="],
    "impact_models.py": ["orderbook_walk:", "linear_impact:", "square_root:", "avg_slippage_bps=",
                         "linear_impact without books: trades=0"],
}


def scripts():
    return sorted(p.name for p in EXAMPLES.glob("*.py") if p.name not in HELPERS)


def test_every_script_has_expectations():
    assert scripts() == sorted(EXPECTED)


@pytest.mark.parametrize("name", scripts())
def test_example_runs(name):
    done = subprocess.run([sys.executable, str(EXAMPLES / name)], capture_output=True, text=True, timeout=300,
                          cwd=EXAMPLES.parent)
    assert done.returncode == 0, done.stderr
    for text in EXPECTED[name]:
        assert text in done.stdout, (text, done.stdout)
    counts = [int(a or b) for a, b in re.findall(r"(\d+) trades|trades=(\d+)", done.stdout)]
    assert counts and max(counts) >= 1, done.stdout
    if name == "impact_models.py":
        # every run over the books trades; the one without books makes none
        assert all(n >= 1 for n in counts[:3]), done.stdout
