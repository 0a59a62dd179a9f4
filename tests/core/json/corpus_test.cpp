// The conformance corpus: each corpus/NAME.json holds one input exactly as sent (invalid
// UTF-8, NUL bytes and the absence of a final line break included), and NAME.expected one
// line per way the input is read, "<path> <answer>":
//   command      the input is the whole command
//   set_spec     the input is the "spec" of a set_spec command
//   run          the input is the "data" of a run command
//   constructor  the input is the constructor's text; the answer is the error answer of the
//                error it gives, {"ok":true} when it reads a specification, and none when
//                it makes a handle without one
// Commands go to a handle without a specification.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/protocol/command.hpp"

namespace prynox {
namespace {

namespace fs = std::filesystem;

std::string bytes_of(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string answer(const std::string& path, const std::string& input) {
    std::optional<ImpactSpec> slot;
    if (path == "command") return run_command(slot, input);
    if (path == "set_spec") return run_command(slot, R"({"cmd":"set_spec","spec":)" + input + "}");
    if (path == "run") return run_command(slot, R"({"cmd":"run","data":)" + input + "}");
    if (path == "constructor") {
        auto read = spec_from_constructor_text(input);
        if (!read) return error_answer(read.error());
        return *read ? R"({"ok":true})" : "none";
    }
    return "unknown path " + path;
}

TEST(JsonCorpus, EveryInputGivesItsAnswerByteForByte) {
    const fs::path dir = fs::path(__FILE__).parent_path() / "corpus";
    std::vector<fs::path> inputs;
    for (const auto& e : fs::directory_iterator(dir)) {
        const fs::path p = e.path();
        if (p.extension() == ".json") {
            inputs.push_back(p);
        } else if (p.extension() == ".expected") {
            EXPECT_TRUE(fs::exists(fs::path(p).replace_extension(".json"))) << "no input for " << p;
        }
    }
    std::sort(inputs.begin(), inputs.end());
    ASSERT_GE(inputs.size(), 100u) << dir;
    for (const fs::path& p : inputs) {
        const std::string input = bytes_of(p);
        std::istringstream expected(bytes_of(fs::path(p).replace_extension(".expected")));
        std::string line;
        int lines = 0;
        while (std::getline(expected, line)) {
            const std::size_t space = line.find(' ');
            ASSERT_NE(space, std::string::npos) << p << ": " << line;
            const std::string path = line.substr(0, space);
            EXPECT_EQ(answer(path, input), line.substr(space + 1)) << p.filename() << " (" << path << ")";
            ++lines;
        }
        EXPECT_GT(lines, 0) << "no expected answer for " << p;
    }
}

}  // namespace
}  // namespace prynox
