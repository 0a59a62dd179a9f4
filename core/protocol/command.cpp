#include "core/protocol/command.hpp"

#include "core/engine/backtest.hpp"
#include "core/json/json_writer.hpp"
#include "core/json/lexer.hpp"
#include "core/json/market_reader.hpp"
#include "core/json/reader.hpp"
#include "core/json/report_writer.hpp"
#include "core/json/spec_reader.hpp"
#include "core/registry/indicator_source.hpp"

namespace prynox {
namespace {

constexpr const char* kMissingCmd = "missing cmd";
constexpr const char* kMissingData = "missing data";
constexpr const char* kMissingSpec = "missing spec";
constexpr const char* kNoSpecSet = "no spec set";
constexpr const char* kUnknownCmd = "unknown cmd: ";

CommandError missing_data_error() { return CommandError::parse(kMissingData); }
CommandError missing_spec_error() { return CommandError::parse(kMissingSpec); }

// The command's members that matter, read in one pass that also checks the whole text. The
// market data is read as it is met: a command that carries it is nearly always a "run", and
// reading it where it stands spares a second pass over the largest part of the text.
struct Command {
    bool has_cmd = false;  // a "cmd" member holding a string
    std::string cmd;
    bool has_data = false;
    RunData data;
    std::optional<ReadError> data_error;
    std::size_t spec = 0;  // offset + 1 of the last "spec" value, 0 when absent
};

std::expected<Command, CommandError> parse_command(std::string_view text) {
    const auto syntax = [](const ReadError& e) { return std::unexpected(CommandError::parse(e.display())); };
    Lexer lx(text, true);
    Reader r(lx, false);
    Command cmd;
    if (lx.peek_ws() != '{') {
        if (auto s = lx.skip_value(true); !s) return syntax(s.error());
        if (auto s = lx.end(); !s) return syntax(s.error());
        return cmd;
    }
    if (auto s = lx.enter(); !s) return syntax(s.error());
    lx.eat();
    bool first = true;
    for (;;) {
        bool has = false;
        std::string_view key;
        if (auto s = r.map_next(first, has, key); !s) return syntax(s.error());
        if (!has) break;
        const bool is_cmd = key == "cmd";
        const bool is_data = key == "data";
        const bool is_spec = key == "spec";
        if (auto s = lx.colon(); !s) return syntax(s.error());
        lx.peek_ws();
        const std::size_t at = lx.index();
        if (is_data) {
            cmd.has_data = true;
            cmd.data = RunData{};
            cmd.data_error.reset();
            const int budget = lx.depth_budget();
            if (auto s = read_run_data(lx, cmd.data); !s) {
                if (s.error().has_position) return syntax(s.error());
                cmd.data_error = std::move(s.error());
                cmd.data = RunData{};
                // The rest of the value must still be well-formed JSON.
                lx.seek(at);
                lx.set_depth_budget(budget);
                if (auto t = lx.skip_value(true); !t) return syntax(t.error());
            }
            continue;
        }
        if (is_cmd) {
            Scalar sc;
            if (auto s = lx.scalar(sc); !s) return syntax(s.error());
            cmd.has_cmd = sc.kind == Scalar::Kind::Str;
            if (cmd.has_cmd) {
                cmd.cmd.assign(sc.str);
                continue;
            }
            lx.seek(at);
        } else if (is_spec) {
            cmd.spec = at + 1;
        }
        if (auto s = lx.skip_value(true); !s) return syntax(s.error());
    }
    lx.eat();
    lx.leave();
    if (auto s = lx.end(); !s) return syntax(s.error());
    return cmd;
}

std::string ok_answer() { return "{\"ok\":true}"; }

std::string version_answer() {
    std::string s = "{\"version\":\"";
    s += kLibraryVersion;
    s += "\"}";
    return s;
}

std::expected<std::string, CommandError> dispatch(std::optional<ImpactSpec>& spec, std::string_view text) {
    auto parsed = parse_command(text);
    if (!parsed) return std::unexpected(std::move(parsed.error()));
    Command& c = *parsed;
    if (!c.has_cmd) return std::unexpected(CommandError::parse(kMissingCmd));
    if (c.cmd == "run") {
        if (!c.has_data) return std::unexpected(missing_data_error());
        if (c.data_error) return std::unexpected(CommandError::parse(c.data_error->display()));
        auto result = run_with_spec(spec, c.data);
        // The market data is no longer needed: free it before the report takes its room.
        c.data = RunData{};
        if (!result) return std::unexpected(std::move(result.error()));
        return write_report_json(result->report, result->impact_stats);
    }
    if (c.cmd == "version") return version_answer();
    if (c.cmd == "set_spec") {
        if (c.spec == 0) return std::unexpected(missing_spec_error());
        auto read = impact_spec_from_value(text, c.spec - 1);
        if (!read) return std::unexpected(CommandError::parse(read.error().display()));
        spec = std::move(*read);
        return ok_answer();
    }
    return std::unexpected(CommandError::bad_spec(kUnknownCmd + c.cmd));
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
    return run_backtest(*spec, data, registry_indicator_source());
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
