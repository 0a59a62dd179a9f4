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
    "moving_average_crossover.py": ["trades, pnl", "max drawdown", "sharpe", "impact:", "avg_slippage_bps",
                                    "cut by the participation cap"],
    "short_with_stops.py": ["pnl=", "max_drawdown=", "all short: True", "exits by reason:"],
    "limit_entry.py": ["pnl=", "fees_paid=", "first entry at"],
    "rsi_threshold.py": ["pnl=", "win_rate=", "profit_factor="],
    "impact_models.py": ["orderbook_walk:", "linear_impact:", "square_root:", "avg_slippage_bps=",
                         "square_root by order size:", "linear_impact without books: trades=0"],
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
        # each model charges its smallest entry less than its largest: not every fill is cut by the cap
        spans = re.findall(r"smallest entry [\d.]+ units: ([\d.]+) bps; largest [\d.]+ units: ([\d.]+) bps",
                           done.stdout)
        assert len(spans) == 3 and all(float(a) < float(b) for a, b in spans), done.stdout
        # fixed sizes: impact grows with the order up to the cap; beyond it the order is cut and pays the same
        sizes = [(int(q), float(f), float(bps), int(cut)) for q, f, bps, cut in re.findall(
            r"qty=(\d+): filled ([\d.]+) units, slippage=([\d.]+) bps, partially_filled=(\d+)", done.stdout)]
        assert [q for q, *_ in sizes] == [15, 60, 150, 300], done.stdout
        assert sizes[0][2] < sizes[1][2] < sizes[2][2] == sizes[3][2], done.stdout
        assert [cut > 0 for *_, cut in sizes] == [False, False, False, True], done.stdout
        assert sizes[3][1] == sizes[2][1] == 150.0, done.stdout
    if name == "moving_average_crossover.py":
        # some entries are cut by the cap and some are not, so the slippage differs with the order's size
        entries, cut, small, large = re.search(
            r"entries: (\d+), (\d+) cut by the participation cap; slippage ([\d.]+) bps for the smallest .*, "
            r"([\d.]+) bps for the largest", done.stdout).groups()
        assert 0 < int(cut) < int(entries), done.stdout
        assert float(small) < float(large), done.stdout
