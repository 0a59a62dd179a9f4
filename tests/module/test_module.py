import json
import threading

import pytest

import prynox_impact
from prynox_impact import _prynox_impact as native
from prynox_impact import Impact


def test_module_attributes():
    assert native.__version__ == "0.2.0"
    assert prynox_impact.__version__ == "0.2.0"
    assert native.__all__ == ["__version__", "Impact"]
    assert native.__doc__ == "The native module (`prynox_impact._prynox_impact`)."
    assert Impact.__name__ == "Impact"


def test_docstrings_and_signatures():
    assert Impact.__text_signature__ == "(spec_json)"
    assert Impact.__doc__ == (
        "A market-impact backtest driven by JSON commands.\n\n"
        "`unsendable`: the handle caches the last report, so it is bound to the thread\n"
        "that created it."
    )
    assert Impact.command.__text_signature__ == "($self, cmd_json)"
    assert Impact.command.__doc__ == "Apply a command JSON and return the response JSON."
    assert Impact.version.__text_signature__ == "()"
    assert Impact.version.__doc__ == "The library version."


def test_version_on_class_and_instance():
    assert Impact.version() == "0.2.0"
    assert Impact("").version() == "0.2.0"


@pytest.mark.parametrize("text", ["", "   ", "{}", "\n {} \t", "\u3000{}\u00a0"])
def test_blank_specification_makes_an_empty_handle(text):
    h = Impact(text)
    assert h.command('{"cmd":"run","data":{"candles":[]}}') == '{"ok":false,"error":"bad spec: no spec set"}'


@pytest.mark.parametrize(
    "text,message",
    [
        ("{ }", "parse: missing field `strategy` at line 1 column 3"),
        ("[]", "parse: invalid length 0, expected struct ImpactSpec with 4 elements at line 1 column 2"),
        ("null", "parse: invalid type: null, expected struct ImpactSpec at line 1 column 4"),
        ('{"strategy": 5}', "parse: invalid type: integer `5`, expected struct StrategySpec at line 1 column 14"),
    ],
)
def test_constructor_refuses_bad_specification(text, message):
    with pytest.raises(ValueError) as e:
        Impact(text)
    assert str(e.value) == message


def test_constructor_accepts_a_specification(spec_json):
    h = Impact(spec_json)
    assert h.command(json.dumps({"cmd": "version"})) == '{"version":"0.2.0"}'
    h2 = Impact(spec_json=spec_json)
    assert h2.version() == "0.2.0"


@pytest.mark.parametrize("arg", [b"{}", 42, None, ["{}"]])
def test_constructor_argument_must_be_str(arg):
    with pytest.raises(TypeError) as e:
        Impact(arg)
    assert str(e.value) == f"'{type(arg).__name__}' object is not an instance of 'str'"
    assert e.value.__notes__ == ["while processing 'spec_json'"]


def test_str_subclass_is_accepted():
    class S(str):
        pass

    Impact(S("{}"))


def test_argument_binding_errors():
    with pytest.raises(TypeError):
        Impact()
    with pytest.raises(TypeError):
        Impact("{}", "{}")
    with pytest.raises(TypeError):
        Impact(spec="{}")
    h = Impact("")
    with pytest.raises(TypeError):
        h.command()
    with pytest.raises(TypeError):
        h.command(cmd="{}")
    assert h.command(cmd_json='{"cmd":"version"}') == '{"version":"0.2.0"}'


def test_command_type_error_releases_the_handle():
    h = Impact("")
    with pytest.raises(TypeError) as e:
        h.command(42)
    assert str(e.value) == "'int' object is not an instance of 'str'"
    assert e.value.__notes__ == ["while processing 'cmd_json'"]
    assert h.command('{"cmd":"version"}') == '{"version":"0.2.0"}'


def test_lone_surrogates_raise_the_interpreters_error():
    h = Impact("")
    with pytest.raises(UnicodeEncodeError):
        h.command('{"cmd":"\ud800"}')
    with pytest.raises(UnicodeEncodeError):
        Impact('{"strategy":"\udfff"}')
    assert h.command('{"cmd":"version"}') == '{"version":"0.2.0"}'


def test_non_ascii_round_trips():
    h = Impact("")
    assert h.command('{"cmd":"é€😀"}') == '{"ok":false,"error":"bad spec: unknown cmd: é€😀"}'


def test_use_from_another_thread_is_refused():
    h = Impact("")
    seen = {}

    def worker():
        try:
            h.command('{"cmd":"version"}')
        except BaseException as e:  # the refusal is not an Exception
            seen["error"] = e
        seen["version"] = h.version()

    t = threading.Thread(target=worker)
    t.start()
    t.join()
    err = seen["error"]
    assert not isinstance(err, Exception)
    assert type(err).__name__ == "PanicException"
    assert "_prynox_impact::PyImpact is unsendable, but sent to another thread" in str(err)
    assert seen["version"] == "0.2.0"
    assert h.command('{"cmd":"version"}') == '{"version":"0.2.0"}'


def test_drop_on_another_thread_reports_unraisable(spec_json):
    import sys

    reports = []
    old = sys.unraisablehook
    sys.unraisablehook = lambda u: reports.append(u)
    try:
        box = [Impact(spec_json)]

        def worker():
            box.pop()

        t = threading.Thread(target=worker)
        t.start()
        t.join()
    finally:
        sys.unraisablehook = old
    assert len(reports) == 1
    assert isinstance(reports[0].exc_value, RuntimeError)
    assert str(reports[0].exc_value) == "_prynox_impact::PyImpact is unsendable, but is being dropped on another thread"


def test_set_spec_then_failed_set_spec_keeps_the_previous(spec_json):
    h = Impact("")
    assert h.command(json.dumps({"cmd": "set_spec", "spec": json.loads(spec_json)})) == '{"ok":true}'
    bad = h.command('{"cmd":"set_spec","spec":{"strategy":1}}')
    assert bad == '{"ok":false,"error":"parse: invalid type: integer `1`, expected struct StrategySpec"}'
    out = json.loads(h.command(json.dumps({"cmd": "run", "data": {"candles": [
        {"time": 0, "open": 1, "high": 1, "low": 1, "close": 1}]}})))
    assert "report" in out or out.get("ok") is False


def test_every_answer_is_json():
    h = Impact("")
    for cmd in ['{"cmd":"x\\n\\"y"}', "[" * 200, '{"cmd":"run","data":{"candles":5}}', "\x00", '"\\ud800"']:
        json.loads(h.command(cmd))
