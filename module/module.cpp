// The Python face of the library: the module `prynox_impact._prynox_impact` and its class
// `Impact`. The only file that speaks to the interpreter; it keeps to the stable ABI.
#define Py_LIMITED_API 0x030B0000
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <atomic>
#include <exception>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/protocol/command.hpp"

namespace {

using prynox::ImpactSpec;

constexpr const char* kTypePath = "_prynox_impact::PyImpact";
constexpr const char* kAlreadyBorrowed = "Already borrowed";

struct PyImpact {
    PyObject_HEAD
    std::optional<ImpactSpec>* spec;  // owned; null only while being built
    std::atomic<Py_ssize_t> borrow;
    unsigned long owner;
};

PyObject* g_panic_type = nullptr;

// Raised for calls the handle must refuse outright and for broken invariants: derived from
// BaseException so that `except Exception` does not swallow it.
PyObject* panic_type() {
    if (g_panic_type == nullptr) {
        g_panic_type = PyErr_NewExceptionWithDoc("prynox_impact.PanicException",
                                                 "A call that the library refused to carry out.",
                                                 PyExc_BaseException, nullptr);
    }
    return g_panic_type;
}

void raise_panic(const std::string& message) {
    PyObject* type = panic_type();
    if (type == nullptr) return;
    PyErr_SetString(type, message.c_str());
}

// Turns a C++ failure that escaped the library into a Python exception.
void raise_from_current_exception() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        PyErr_NoMemory();
    } catch (const std::exception& e) {
        raise_panic(e.what());
    } catch (...) {
        raise_panic("unknown failure");
    }
}

// TypeError "'int' object is not an instance of 'str'" with a note naming the parameter.
void raise_not_str(PyObject* obj, const char* param) {
    PyObject* name = PyType_GetName(Py_TYPE(obj));
    if (name == nullptr) return;
    PyObject* message = PyUnicode_FromFormat("'%U' object is not an instance of 'str'", name);
    Py_DECREF(name);
    if (message == nullptr) return;
    PyObject* exc = PyObject_CallFunctionObjArgs(PyExc_TypeError, message, nullptr);
    Py_DECREF(message);
    if (exc == nullptr) return;
    PyObject* note = PyUnicode_FromFormat("while processing '%s'", param);
    if (note != nullptr) {
        PyObject* r = PyObject_CallMethod(exc, "add_note", "O", note);
        Py_XDECREF(r);
        Py_DECREF(note);
    }
    if (PyErr_Occurred() == nullptr) PyErr_SetObject(PyExc_TypeError, exc);
    Py_DECREF(exc);
}

// The UTF-8 text of a str argument, or null with an exception set.
const char* utf8_of(PyObject* obj, const char* param, Py_ssize_t& size) {
    if (!PyUnicode_Check(obj)) {
        raise_not_str(obj, param);
        return nullptr;
    }
    // Lone surrogates cannot be UTF-8: the interpreter raises UnicodeEncodeError.
    return PyUnicode_AsUTF8AndSize(obj, &size);
}

PyObject* str_from(const std::string& s) {
    return PyUnicode_DecodeUTF8(s.data(), static_cast<Py_ssize_t>(s.size()), "replace");
}

PyObject* Impact_new(PyTypeObject* type, PyObject* args, PyObject* kwds) {
    static const char* kwlist[] = {"spec_json", nullptr};
    PyObject* arg = nullptr;
    if (!PyArg_ParseTupleAndKeywords(args, kwds, "O:Impact", const_cast<char**>(kwlist), &arg)) return nullptr;
    Py_ssize_t size = 0;
    const char* text = utf8_of(arg, "spec_json", size);
    if (text == nullptr) return nullptr;
    std::optional<ImpactSpec>* spec = nullptr;
    try {
        auto read = prynox::spec_from_constructor_text(std::string_view(text, static_cast<std::size_t>(size)));
        if (!read) {
            PyErr_SetString(PyExc_ValueError, read.error().display().c_str());
            return nullptr;
        }
        spec = new std::optional<ImpactSpec>(std::move(*read));
    } catch (...) {
        raise_from_current_exception();
        return nullptr;
    }
    auto alloc = reinterpret_cast<allocfunc>(PyType_GetSlot(type, Py_tp_alloc));
    PyObject* self = alloc(type, 0);
    if (self == nullptr) {
        delete spec;
        return nullptr;
    }
    auto* h = reinterpret_cast<PyImpact*>(self);
    h->spec = spec;
    new (&h->borrow) std::atomic<Py_ssize_t>(0);
    h->owner = PyThread_get_thread_ident();
    return self;
}

void Impact_dealloc(PyObject* self) {
    auto* h = reinterpret_cast<PyImpact*>(self);
    if (PyThread_get_thread_ident() != h->owner) {
        PyObject *type, *value, *tb;
        PyErr_Fetch(&type, &value, &tb);
        PyErr_Format(PyExc_RuntimeError, "%s is unsendable, but is being dropped on another thread", kTypePath);
        // Not `self`: a hook that keeps the object would keep one that is being freed.
        PyErr_WriteUnraisable(nullptr);
        PyErr_Restore(type, value, tb);
    }
    // Freed on any thread: the specification is plain data that no other thread can hold.
    delete h->spec;
    h->spec = nullptr;
    PyTypeObject* tp = Py_TYPE(self);
    auto free_fn = reinterpret_cast<freefunc>(PyType_GetSlot(tp, Py_tp_free));
    free_fn(self);
    Py_DECREF(tp);
}

PyObject* Impact_command(PyObject* self, PyObject* args, PyObject* kwds) {
    static const char* kwlist[] = {"cmd_json", nullptr};
    PyObject* arg = nullptr;
    if (!PyArg_ParseTupleAndKeywords(args, kwds, "O:command", const_cast<char**>(kwlist), &arg)) return nullptr;
    auto* h = reinterpret_cast<PyImpact*>(self);
    if (PyThread_get_thread_ident() != h->owner) {
        raise_panic(std::string(kTypePath) + " is unsendable, but sent to another thread");
        return nullptr;
    }
    Py_ssize_t expected = 0;
    if (!h->borrow.compare_exchange_strong(expected, -1)) {
        PyErr_SetString(PyExc_RuntimeError, kAlreadyBorrowed);
        return nullptr;
    }
    struct Release {
        PyImpact* h;
        ~Release() { h->borrow.store(0); }
    } release{h};
    Py_ssize_t size = 0;
    const char* text = utf8_of(arg, "cmd_json", size);
    if (text == nullptr) return nullptr;
    try {
        const std::string answer = prynox::run_command(*h->spec, std::string_view(text, static_cast<std::size_t>(size)));
        return str_from(answer);
    } catch (...) {
        raise_from_current_exception();
        return nullptr;
    }
}

PyObject* Impact_version(PyObject*, PyObject*) { return PyUnicode_FromString(prynox::kLibraryVersion); }

PyMethodDef kImpactMethods[] = {
    {"command", reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(Impact_command)),
     METH_VARARGS | METH_KEYWORDS,
     "command($self, cmd_json)\n--\n\nApply a command JSON and return the response JSON."},
    {"version", Impact_version, METH_NOARGS | METH_STATIC, "version()\n--\n\nThe library version."},
    {nullptr, nullptr, 0, nullptr},
};

const char kImpactDoc[] =
    "Impact(spec_json)\n--\n\nA market-impact backtest driven by JSON commands.\n\n"
    "`unsendable`: the handle caches the last report, so it is bound to the thread\nthat created it.";

PyType_Slot kImpactSlots[] = {
    {Py_tp_new, reinterpret_cast<void*>(Impact_new)},
    {Py_tp_dealloc, reinterpret_cast<void*>(Impact_dealloc)},
    {Py_tp_methods, kImpactMethods},
    {Py_tp_doc, const_cast<char*>(kImpactDoc)},
    {0, nullptr},
};

PyType_Spec kImpactSpec = {
    "prynox_impact._prynox_impact.Impact",
    sizeof(PyImpact),
    0,
    Py_TPFLAGS_DEFAULT,
    kImpactSlots,
};

// Appends `name` to __all__ (creating it when the module has none), then sets the attribute.
int add_exported(PyObject* module, const char* name, PyObject* value) {
    PyObject* all = PyObject_GetAttrString(module, "__all__");
    if (all == nullptr) {
        if (!PyErr_ExceptionMatches(PyExc_AttributeError)) return -1;
        PyErr_Clear();
        all = PyList_New(0);
        if (all == nullptr) return -1;
        if (PyObject_SetAttrString(module, "__all__", all) < 0) {
            Py_DECREF(all);
            return -1;
        }
    }
    PyObject* n = PyUnicode_FromString(name);
    const int rc = n == nullptr ? -1 : PyList_Append(all, n);
    Py_XDECREF(n);
    Py_DECREF(all);
    if (rc < 0) return -1;
    return PyModule_AddObjectRef(module, name, value);
}

int module_exec(PyObject* module) {
    if (!PyModule_Check(module)) {
        PyErr_SetString(PyExc_TypeError, "module_exec needs a module object");
        return -1;
    }
    PyObject* version = PyUnicode_FromString(prynox::kLibraryVersion);
    if (version == nullptr) return -1;
    int rc = add_exported(module, "__version__", version);
    Py_DECREF(version);
    if (rc < 0) return -1;
    PyObject* type = PyType_FromSpec(&kImpactSpec);
    if (type == nullptr) return -1;
    rc = add_exported(module, "Impact", type);
    Py_DECREF(type);
    return rc;
}

PyModuleDef_Slot kModuleSlots[] = {
    {Py_mod_exec, reinterpret_cast<void*>(module_exec)},
    {0, nullptr},
};

PyModuleDef kModuleDef = {
    PyModuleDef_HEAD_INIT,
    "_prynox_impact",
    "The native module (`prynox_impact._prynox_impact`).",
    0,
    nullptr,
    kModuleSlots,
    nullptr,
    nullptr,
    nullptr,
};

}  // namespace

extern "C" __attribute__((visibility("default"))) PyObject* PyInit__prynox_impact() {
    return PyModuleDef_Init(&kModuleDef);
}
