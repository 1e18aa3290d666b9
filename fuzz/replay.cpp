// Runs a fuzz target's entry point once on each stored input, without libFuzzer: the files named
// on the command line and every file in the folders named there, in name order. Every build makes
// one such driver per target with the normal compiler and the tests run it on the target's seed
// corpus, so a target that no longer compiles stops the build and an input whose check fails
// again (a failed FUZZ_CHECK aborts) fails its test. A folder without inputs fails too: a replay
// of nothing would pass whatever the target does.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
// Optional in a target: its one-time set-up, given the program's arguments as libFuzzer does.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

// The inputs an argument names; false (with the reason printed) when it names none.
bool CollectInputs(const fs::path& arg, std::vector<fs::path>& inputs) {
    std::error_code error;
    if (fs::is_regular_file(arg, error)) {
        inputs.push_back(arg);
        return true;
    }
    if (!fs::is_directory(arg, error)) {
        std::fprintf(stderr, "replay: %s is neither a file nor a folder\n", arg.c_str());
        return false;
    }
    std::vector<fs::path> files;
    for (fs::directory_iterator it(arg, error), end; !error && it != end; it.increment(error))
        if (it->is_regular_file(error)) files.push_back(it->path());
    if (error) {
        std::fprintf(stderr, "replay: cannot list %s: %s\n", arg.c_str(), error.message().c_str());
        return false;
    }
    if (files.empty()) {
        std::fprintf(stderr, "replay: no inputs in %s\n", arg.c_str());
        return false;
    }
    std::sort(files.begin(), files.end());
    inputs.insert(inputs.end(), files.begin(), files.end());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE-OR-FOLDER...\n", argv[0]);
        return 2;
    }
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i)
        if (!CollectInputs(argv[i], inputs)) return 1;
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);

    for (const fs::path& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "replay: cannot read %s\n", path.c_str());
            return 1;
        }
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>()};
        // The target gets a buffer of exactly the input's size, as under the fuzzer, so that a
        // read past its end is one past an allocation for the sanitizers.
        const size_t size = bytes.size();
        std::unique_ptr<uint8_t[]> data(new uint8_t[size]);
        std::copy(bytes.begin(), bytes.end(), data.get());
        // Named before it runs, so that an abort leaves the input's name as the last line.
        std::fprintf(stderr, "replay: %s (%zu bytes)\n", path.c_str(), size);
        std::fflush(stderr);
        LLVMFuzzerTestOneInput(data.get(), size);
    }
    std::fprintf(stderr, "replay: %zu inputs, all passed\n", inputs.size());
    return 0;
}
