#include "core/protocol/command.hpp"

#include "core/engine/backtest.hpp"
#include "core/json/json_writer.hpp"
#include "core/json/lexer.hpp"
#include "core/json/market_reader.hpp"
#include "core/json/reader.hpp"
#include "core/json/report_writer.hpp"
#include "core/json/spec_reader.hpp"

namespace prynox {
namespace {

constexpr const char* kMissingCmd = "missing cmd";
constexpr const char* kMissingData = "missing data";
constexpr const char* kMissingSpec = "missing spec";
constexpr const char* kNoSpecSet = "no spec set";
constexpr const char* kUnknownCmd = "unknown cmd: ";

CommandError missing_data_error() { return CommandError::parse(kMissingData); }
CommandError missing_spec_error() { return CommandError::parse(kMissingSpec); }

struct TopMembers {
    bool is_object = false;
    bool has_cmd = false;
    bool cmd_is_string = false;
    std::string cmd;
    std::size_t data = 0;  // offset + 1 of the last "data" value, 0 when absent
    std::size_t spec = 0;
};

// The command's top-level members; the text has been checked whole.
TopMembers top_members(std::string_view text) {
    TopMembers t;
    Reader r(text, false);
    Lexer& lx = r.lexer();
    if (lx.peek_ws() != '{') return t;
    t.is_object = true;
    lx.eat();
    bool first = true;
    for (;;) {
        bool has = false;
        std::string_view key;
        if (!r.map_next(first, has, key) || !has) break;
        const bool is_cmd = key == "cmd";
        const bool is_data = key == "data";
        const bool is_spec = key == "spec";
        (void)lx.colon();
        lx.peek_ws();
        const std::size_t at = lx.index();
        if (is_cmd) {
            Scalar s;
            t.has_cmd = true;
            t.cmd_is_string = false;
            if (lx.scalar(s) && s.kind == Scalar::Kind::Str) {
                t.cmd_is_string = true;
                t.cmd.assign(s.str);
            }
            lx.seek(at);
        } else if (is_data) {
            t.data = at + 1;
        } else if (is_spec) {
            t.spec = at + 1;
        }
        lx.skip_checked();
    }
    return t;
}

std::string ok_answer() { return "{\"ok\":true}"; }

std::string version_answer() {
    std::string s = "{\"version\":\"";
    s += kLibraryVersion;
    s += "\"}";
    return s;
}

std::expected<std::string, CommandError> dispatch(std::optional<ImpactSpec>& spec, std::string_view text) {
    {
        Lexer lx(text, true);
        if (auto s = lx.skip_value(true); !s) return std::unexpected(CommandError::parse(s.error().display()));
        if (auto s = lx.end(); !s) return std::unexpected(CommandError::parse(s.error().display()));
    }
    TopMembers top = top_members(text);
    if (!top.is_object || !top.has_cmd || !top.cmd_is_string) return std::unexpected(CommandError::parse(kMissingCmd));
    if (top.cmd == "run") {
        if (top.data == 0) return std::unexpected(missing_data_error());
        auto data = run_data_from_value(text, top.data - 1);
        if (!data) return std::unexpected(CommandError::parse(data.error().display()));
        auto result = run_with_spec(spec, *data);
        if (!result) return std::unexpected(std::move(result.error()));
        return write_report_json(result->report, result->impact_stats);
    }
    if (top.cmd == "version") return version_answer();
    if (top.cmd == "set_spec") {
        if (top.spec == 0) return std::unexpected(missing_spec_error());
        auto read = impact_spec_from_value(text, top.spec - 1);
        if (!read) return std::unexpected(CommandError::parse(read.error().display()));
        spec = std::move(*read);
        return ok_answer();
    }
    return std::unexpected(CommandError::bad_spec(kUnknownCmd + top.cmd));
}

// Unicode White_Space, as UTF-8: the length of the white-space character at s, or 0.
std::size_t white_space_at(std::string_view s, std::size_t k) {
    const auto b = [&](std::size_t j) { return static_cast<unsigned char>(s[j]); };
    const unsigned char c = b(k);
    if (c == ' ' || (c >= 0x09 && c <= 0x0D)) return 1;
    if (c == 0xC2 && k + 1 < s.size() && (b(k + 1) == 0x85 || b(k + 1) == 0xA0)) return 2;
    if (k + 2 >= s.size()) return 0;
    const unsigned c1 = b(k + 1), c2 = b(k + 2);
    if (c == 0xE1 && c1 == 0x9A && c2 == 0x80) return 3;                 // U+1680
    if (c == 0xE2 && c1 == 0x80 && (c2 <= 0x8A || c2 == 0xA8 || c2 == 0xA9 || c2 == 0xAF)) return 3;
    if (c == 0xE2 && c1 == 0x81 && c2 == 0x9F) return 3;                 // U+205F
    if (c == 0xE3 && c1 == 0x80 && c2 == 0x80) return 3;                 // U+3000
    return 0;
}

std::string_view trim_unicode(std::string_view s) {
    std::size_t a = 0;
    while (a < s.size()) {
        const std::size_t w = white_space_at(s, a);
        if (w == 0) break;
        a += w;
    }
    std::size_t e = s.size();
    while (e > a) {
        // step back to the start of the last character
        std::size_t st = e - 1;
        while (st > a && (static_cast<unsigned char>(s[st]) & 0xC0) == 0x80) --st;
        if (white_space_at(s, st) != e - st) break;
        e = st;
    }
    return s.substr(a, e - a);
}

}  // namespace

std::string error_answer(const CommandError& e) {
    std::string out = "{\"ok\":false,\"error\":";
    append_json_string(out, e.display());
    out += '}';
    return out;
}

std::expected<RunResult, CommandError> run_with_spec(const std::optional<ImpactSpec>& spec, const RunData& data) {
    if (!spec) return std::unexpected(CommandError::bad_spec(kNoSpecSet));
    return run_backtest(*spec, data);
}

std::string run_command(std::optional<ImpactSpec>& spec, std::string_view cmd_json) {
    auto answer = dispatch(spec, cmd_json);
    if (!answer) return error_answer(answer.error());
    return std::move(*answer);
}

std::expected<std::optional<ImpactSpec>, CommandError> spec_from_constructor_text(std::string_view text) {
    const std::string_view t = trim_unicode(text);
    if (t.empty() || t == "{}") return std::optional<ImpactSpec>{};
    auto read = impact_spec_from_json(text);
    if (!read) return std::unexpected(CommandError::parse(read.error().display()));
    return std::optional<ImpactSpec>(std::move(*read));
}

}  // namespace prynox
