// Runs a fuzz target once over every file in the folders (or files) named on the command line,
// in name order, so that the ordinary test build keeps checking every input a fuzzer found. A
// target reports a fault by aborting; finding no input fails too, so a lost corpus cannot pass.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (int k = 1; k < argc; ++k) {
        const fs::path p = argv[k];
        if (fs::is_directory(p)) {
            for (const auto& e : fs::recursive_directory_iterator(p))
                if (e.is_regular_file()) files.push_back(e.path());
        } else if (fs::is_regular_file(p)) {
            files.push_back(p);
        } else {
            std::fprintf(stderr, "no corpus at %s\n", argv[k]);
            return 1;
        }
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) {
        // named first: when the target aborts, the last name printed is the input
        std::printf("%s\n", f.c_str());
        std::fflush(stdout);
        std::ifstream in(f, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("replayed %zu inputs\n", files.size());
    return files.empty() ? 1 : 0;
}
