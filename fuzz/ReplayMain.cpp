// Replays inputs through a fuzz harness without fuzzing: every file given, and every file in a
// folder given, once, in name order. A crash or a broken invariant fails the run; so does a
// folder that holds no input, which would let a lost corpus pass unnoticed.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const fs::path p(argv[i]);
        if (fs::is_directory(p)) {
            const std::size_t before = files.size();
            for (const auto& e : fs::directory_iterator(p))
                if (e.is_regular_file() && e.path().filename().string()[0] != '.')
                    files.push_back(e.path().string());
            if (files.size() == before) {
                std::fprintf(stderr, "no inputs in %s\n", argv[i]);
                return 1;
            }
        } else if (fs::is_regular_file(p)) {
            files.push_back(p.string());
        } else {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            return 1;
        }
    }
    std::sort(files.begin(), files.end());
    for (const std::string& f : files) {
        std::ifstream in(f, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::fprintf(stderr, "%s (%zu bytes)\n", f.c_str(), bytes.size());
        // A copy of exactly the input's size, so that a read past it is caught as in fuzzing.
        std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
        std::uint8_t* p = data.empty() ? nullptr : data.data();
        LLVMFuzzerTestOneInput(p, data.size());
    }
    std::printf("%zu inputs replayed\n", files.size());
    return 0;
}
