"""An order-flow strategy over candles, trade prints and book snapshots, run through Impact.command
and checked against a plain simulation: enter long when the top-of-book imbalance is above 0.3
while VPIN is below 0.5, leave when the imbalance falls below -0.2; fills walk the book."""

from plain_backtest import candle, next_open_trades, run, strategy, trades

BARS = 48
QTY = 4
V, N = 10.0, 3  # VPIN bucket volume and bucket count


def make_data():
    candles, books, trades = [], [], []
    close = 100.0
    for i in range(BARS):
        open_ = close
        close = open_ + [0.25, -0.5, 0.75, 0.0, -0.25, 0.5][i % 6]
        candles.append(candle(i, open_, max(open_, close) + 1, min(open_, close) - 1, close))
        # Top sizes swing the imbalance through both thresholds; the second levels are deep, so an
        # order of QTY walks past a thin top level.
        bid_top = [1, 6, 9, 2, 1, 3, 8, 1][i % 8]
        ask_top = [7, 2, 1, 2, 9, 3, 1, 6][(i // 2) % 8]
        bid, ask = open_ - 0.25, open_ + 0.25
        book = {"bids": [[bid, bid_top], [bid - 0.5, 10]], "asks": [[ask, ask_top], [ask + 0.5, 10]]}
        if i == 21:
            book["bids"][0][0] = ask + 0.25  # crossed: the indicators see no book on this bar
        books.append(book)
        # One-sided flow in some stretches (VPIN near 1), mixed in others (VPIN near 0).
        one_sided = (i // 8) % 3 == 1
        prints = []
        for k in range(3):
            side = "buy" if one_sided or (i + k) % 2 == 0 else "sell"
            prints.append({"price": close + 0.01 * k, "size": 2 + (i + k) % 4, "side": side, "timestamp": i * 10 + k})
        if i % 7 == 3:
            prints.append({"price": close, "size": -1, "side": "sell"})  # refused by the engine
            prints.append({"price": 0, "size": 50, "side": "buy"})       # refused by the engine
        if i % 11 == 5:
            prints = []
        trades.append(prints)
    return candles, books, trades


def book_passes(book):
    levels = book["bids"] + book["asks"]
    if not all(p > 0 and s >= 0 for p, s in levels) or not book["bids"] or not book["asks"]:
        return False
    bids = [p for p, _ in book["bids"]]
    asks = [p for p, _ in book["asks"]]
    ordered = all(a > b for a, b in zip(bids, bids[1:])) and all(a < b for a, b in zip(asks, asks[1:]))
    return ordered and bids[0] < asks[0]


def top_imbalance(book):
    if not book_passes(book):
        return None
    b, a = book["bids"][0][1], book["asks"][0][1]
    return (b - a) / (b + a) if b + a > 0 else 0.0


def vpin_series(trades):
    """VPIN per bar over the prints the engine passes: buckets of volume V, the last N completed."""
    out, done, buy, sell, filled = [], [], 0.0, 0.0, 0.0
    for prints in trades:
        prints = [p for p in prints if p["price"] > 0 and p["size"] >= 0]
        for p in prints:
            q = float(p["size"])
            while q > 0:
                take = min(q, V - filled)
                if p["side"] == "sell":
                    sell += take
                else:
                    buy += take
                filled += take
                if filled >= V:
                    done.append(abs(buy - sell))
                    buy = sell = filled = 0.0
                q -= take
        out.append(sum(done[-N:]) / (V * N) if prints and len(done) >= N else None)
    return out


def walk(levels, qty):
    cost, left = 0.0, qty
    for price, size in levels:
        take = min(left, size)
        cost += take * price
        left -= take
        if left <= 0:
            break
    return cost / qty


def simulate(candles, books, prints, warmup=1):
    """Fills walk the book for QTY."""
    obi, vpin, n = [top_imbalance(b) for b in books], vpin_series(prints), len(candles)

    def enters(i):
        return obi[i] is not None and obi[i] > 0.3 and vpin[i] is not None and vpin[i] < 0.5 and i + 1 < n

    out = next_open_trades(candles, warmup, enters, lambda i, _: obi[i] is not None and obi[i] < -0.2,
                           lambda i: walk(books[i]["asks"], QTY), lambda i: walk(books[i]["bids"], QTY))
    return out, obi, vpin


def test_order_flow_trades_match_a_plain_simulation():
    candles, books, prints = make_data()
    report = run(strategy({"obi": {"type": "OrderBookImbalanceTop1", "params": []},
                           "vpin": {"type": "Vpin", "params": [V, N]}},
                          {"all": [{"gt": ["obi", 0.3]}, {"lt": ["vpin", 0.5]}]}, {"lt": ["obi", -0.2]},
                          sizing={"type": "fixed_qty", "qty": QTY}),
                 candles, books, trades=prints, capital=100000)
    expected, obi, vpin = simulate(candles, books, prints)
    # The data exercise what the rules read: both thresholds crossed, VPIN on both sides of 0.5,
    # a bar without a usable book, entries that walk past a thin top level.
    assert len(expected) >= 3
    assert any(v is not None and v >= 0.5 for v in vpin) and any(v is not None and v < 0.5 for v in vpin)
    assert obi[21] is None
    assert any(books[t[0]]["asks"][0][1] < QTY for t in expected)
    assert trades(report) == expected
    assert all(t["qty"] == QTY for t in report["trades"])
