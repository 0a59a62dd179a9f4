"""Which texts the module reads as JSON, against Python's json: a few thousand inputs mutated
from the conformance corpus must be accepted alike or refused alike, apart from the differences
the reading rules prescribe, each named in ALLOWED with the check that it is what happened."""

import json
import pathlib
import random
import re

from prynox_impact import Impact

ROOT = pathlib.Path(__file__).resolve().parents[1]
SEED_FOLDERS = [ROOT / "core" / "json" / "corpus", ROOT / "fuzz" / "corpus" / "commands"]
SYNTAX = {
    "EOF while parsing a value", "EOF while parsing a list", "EOF while parsing an object",
    "EOF while parsing a string", "expected `:`", "expected `,` or `]`", "expected `,` or `}`",
    "expected ident", "expected value", "key must be a string", "invalid escape", "invalid number",
    "number out of range", "invalid unicode code point",
    "control character (\\u0000-\\u001F) found while parsing a string",
    "lone leading surrogate in hex escape", "unexpected end of hex escape", "trailing comma",
    "trailing characters", "recursion limit exceeded",
}
POSITIONED = re.compile(r"parse: (.*) at line \d+ column \d+", re.S)


class Members(list):
    """An object's members as read, repeated keys included (a dict would keep only the last)."""


def walk(value):
    """Every value inside `value` (keys included) with its nesting depth; no recursion."""
    stack = [(value, 1)]
    while stack:
        v, depth = stack.pop()
        yield v, depth
        if isinstance(v, Members):
            stack.extend((k, depth) for k, _ in v)
            stack.extend((x, depth + 1) for _, x in v)
        elif isinstance(v, list):
            stack.extend((x, depth + 1) for x in v)


def has_lone_surrogate(value):
    return any(isinstance(v, str) and re.search("[\ud800-\udfff]", v) for v, _ in walk(value))


def beyond_double(v):
    if isinstance(v, float):
        return v in (float("inf"), float("-inf"))
    if isinstance(v, int) and not isinstance(v, bool):
        try:
            float(v)
        except OverflowError:
            return True
    return False


# What we refuse and Python reads, and why.
ALLOWED = {
    # Python keeps an unpaired surrogate escape in its str; our strings are UTF-8, which cannot
    # hold one, so the reading rules refuse it.
    "lone leading surrogate in hex escape": has_lone_surrogate,
    "unexpected end of hex escape": has_lone_surrogate,
    # Python reads 1e400 as inf and long integers as big ints; numbers here are 64-bit floats at
    # most, and one beyond their range is refused rather than read as infinite.
    "number out of range": lambda value: any(beyond_double(v) for v, _ in walk(value)),
    # Nesting is limited to 127 levels; Python goes on to its interpreter's recursion limit.
    "recursion limit exceeded": lambda value: max(d for v, d in walk(value) if isinstance(v, list)) >= 128,
}


def refuse_constant(name):
    raise ValueError(name)  # NaN and Infinity are Python's extension of JSON


def python_reads(text):
    try:
        return True, json.loads(text, parse_constant=refuse_constant, object_pairs_hook=Members)
    except (ValueError, RecursionError):
        return False, None


def our_syntax_error(handle, text):
    """The syntax message of the answer, or None when the text was read as JSON."""
    answer = json.loads(handle.command(text))
    match = POSITIONED.fullmatch(answer.get("error", ""))
    if match is None:
        return None
    assert match[1] in SYNTAX, answer
    return match[1]


NUMBERS = ["-0", "1e400", "-1e400", "1e-400", "18446744073709551615", "18446744073709551616",
           "-9223372036854775808", "-9223372036854775809", "1.7976931348623157e308", "1.7976931348623159e308",
           "0.1000000000000000055511151231257827021181583404541015625", "1" + "0" * 308, "1" + "0" * 309,
           "01", "1.", ".5", "-", "1e", "1e+", "+1", "1E5", "-0.0e-0", "2.4703282292062328e-324"]
ESCAPES = ["\\ud800", "\\udc00", "\\ud83d\\ude00", "\\ud800\\u0041", "\\ud800x", "\\u00e9", "\\u0000", "\\x",
           "\\", "\\u12", "\\/", '\\"', "\\U0041"]
CHARS = list('{}[],:"\\ \t\n\r0123456789-+.eEtrufalsn') + ["\x00", "\x1f", "\x7f", "é", "\u2028", "\ufeff", "\xa0", "😀"]


def mutate(rng, text):
    for _ in range(rng.choice([1, 1, 1, 2, 3])):
        at = rng.randint(0, len(text))
        kind = rng.randrange(8)
        if kind == 0 and text:  # one character replaced
            at = min(at, len(text) - 1)
            text = text[:at] + rng.choice(CHARS) + text[at + 1:]
        elif kind == 1:
            text = text[:at] + rng.choice('{}[],:"') + text[at:]
        elif kind == 2:
            text = text[:at] + text[at + rng.randint(1, 8):]
        elif kind == 3:
            text = text[:at]
        elif kind == 4:
            numbers = list(re.finditer(r"-?[0-9][0-9.eE+-]*", text))
            if numbers:
                m = rng.choice(numbers)
                text = text[:m.start()] + rng.choice(NUMBERS) + text[m.end():]
        elif kind == 5:
            depth = rng.choice([1, 126, 127, 128, 129, 2000])
            text = "[" * depth + text + "]" * depth if rng.random() < 0.5 else '{"a":' * depth + text + "}" * depth
        elif kind == 6:
            strings = list(re.finditer(r'"[^"\\]*"', text))
            if strings:
                m = rng.choice(strings)
                cut = rng.randint(m.start() + 1, m.end() - 1)
                text = text[:cut] + rng.choice(ESCAPES) + text[cut:]
        else:  # a slice repeated elsewhere
            start = rng.randint(0, len(text))
            text = text[:at] + text[start:start + rng.randint(1, 20)] + text[at:]
    return text


def seeds():
    out = []
    for folder in SEED_FOLDERS:
        for path in sorted(folder.glob("*.json")):
            data = path.read_bytes()
            if len(data) > 4000:
                continue
            try:
                out.append(data.decode("utf-8"))
            except UnicodeDecodeError:
                continue  # a str argument is always valid UTF-8: such bytes never reach the reader
    return out


def test_acceptance_matches_python_json():
    rng = random.Random(20240607)
    handle = Impact("")
    pool = seeds()
    assert len(pool) > 200
    counts = {"accepted": 0, "refused": 0} | {reason: 0 for reason in ALLOWED}
    differences = []
    for _ in range(4000):
        text = mutate(rng, rng.choice(pool))
        for sent in (text, '{"cmd":"version","x":' + text + "}"):
            ours = our_syntax_error(handle, sent)
            reads, value = python_reads(sent)
            counts["accepted" if ours is None else "refused"] += 1
            if (ours is None) == reads:
                continue
            if ours in ALLOWED and reads and ALLOWED[ours](value):
                counts[ours] += 1
                continue
            differences.append((sent[:300], ours, reads))
    assert not differences, differences[:10]
    # both outcomes and every allowed difference occurred, so the comparison was not idle
    assert min(counts.values()) >= 20, counts
