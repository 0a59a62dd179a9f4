import json

import pytest

SPEC = {
    "strategy": {
        "symbol": "BTC",
        "timeframe": "1h",
        "indicators": {},
        "entry": {"gt": [{"price": "close"}, {"prev": [{"price": "close"}, 1]}]},
        "exit": {"lt": [{"price": "close"}, {"prev": [{"price": "close"}, 1]}]},
        "sizing": {"type": "fixed_fraction", "fraction": 0.5},
    },
    "book_model": {"kind": "linear_impact", "coef": 0.0},
}


@pytest.fixture
def spec_json():
    return json.dumps(SPEC)
