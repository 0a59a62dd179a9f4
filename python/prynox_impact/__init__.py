"""Backtests of rule-based trading strategies that simulate the market impact of their own orders.

One class, `Impact`: create a handle with an impact specification in JSON, send it JSON commands
with `Impact.command` and read the JSON answers.

Reference: docs/README.md in the source tree (the specification JSON, the rule language, the
market data, the report, the errors and every indicator type).
"""

from prynox_impact._prynox_impact import Impact, __version__

__all__ = ["Impact", "__version__"]
