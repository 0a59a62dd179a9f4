"""Backtests of rule-based trading strategies that simulate the market impact of their own orders."""

from prynox_impact._prynox_impact import Impact, __version__

__all__ = ["Impact", "__version__"]
