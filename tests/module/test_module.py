import json
import threading

import pytest

import prynox_impact
from prynox_impact import _prynox_impact as native
from prynox_impact import Impact


def test_module_attributes_and_version():
    assert native.__version__ == prynox_impact.__version__ == "0.2.0"
    assert native.__all__ == ["__version__", "Impact"]
    assert Impact.version() == Impact("").version() == "0.2.0"


# The interpreter splits the text signature off each documentation string.
@pytest.mark.parametrize("obj,signature,doc", [
    (Impact, "(spec_json)", "A market-impact backtest driven by JSON commands.\n\n"
     "`unsendable`: the handle caches the last report, so it is bound to the thread\nthat created it."),
    (Impact.command, "($self, cmd_json)", "Apply a command JSON and return the response JSON."),
    (Impact.version, "()", "The library version."),
])
def test_documentation_strings(obj, signature, doc):
    assert obj.__text_signature__ == signature
    assert obj.__doc__ == doc


def test_package_help_points_to_the_reference():
    import pydoc
    assert "docs/README.md" in prynox_impact.__doc__
    assert "docs/README.md" in pydoc.render_doc(prynox_impact, renderer=pydoc.plaintext)


@pytest.mark.parametrize("text", ["", "   ", "{}", "\n {} \t", "\u3000{}\u00a0"])
def test_blank_specification_makes_an_empty_handle(text):
    h = Impact(text)
    assert h.command('{"cmd":"run","data":{"candles":[]}}') == '{"ok":false,"error":"bad spec: no spec set"}'


# Every refusal's text is pinned by the JSON corpus; this is how one reaches Python.
@pytest.mark.parametrize("text,message", [("{ }", "parse: missing field `strategy` at line 1 column 3")])
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


@pytest.mark.parametrize("call", [
    lambda: Impact(), lambda: Impact("{}", "{}"), lambda: Impact(spec="{}"),
    lambda: Impact("").command(), lambda: Impact("").command(cmd="{}"),
])
def test_argument_binding_errors(call):
    with pytest.raises(TypeError):
        call()


def test_errors_release_the_handle():
    h = Impact("")
    assert h.command(cmd_json='{"cmd":"version"}') == '{"version":"0.2.0"}'
    with pytest.raises(TypeError) as e:
        h.command(42)
    assert str(e.value) == "'int' object is not an instance of 'str'"
    assert e.value.__notes__ == ["while processing 'cmd_json'"]
    with pytest.raises(UnicodeEncodeError):  # the interpreter's own error for a lone surrogate
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
