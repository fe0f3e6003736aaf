// Runs a fuzz target once over given files and directories of inputs, the
// way libFuzzer replays a corpus, for builds without libFuzzer (g++, the
// sanitizer build). Fails when there is nothing to run.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Run(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A fresh copy of exactly the file's size, so that reading past the
    // end is caught as it would be under libFuzzer.
    std::vector<std::uint8_t> input(bytes.begin(), bytes.end());
    static const std::uint8_t nothing = 0; // an empty input still has an address
    LLVMFuzzerTestOneInput(input.empty() ? &nothing : input.data(), input.size());
}

} // namespace

int main(int argc, char* argv[])
{
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
        } else {
            files.emplace_back(argv[i]);
        }
        std::sort(files.begin(), files.end());
        for (const auto& file : files) {
            Run(file);
            ++inputs;
        }
    }
    std::printf("%d inputs run\n", inputs);
    return inputs > 0 ? 0 : 1;
}
