// Replays the inputs kept for a fuzz target through its entry point, the
// function the fuzzer calls, without the fuzzer: every test run checks each
// input that once found a fault, under the compiler the project builds with.
// A target's own checks abort on a broken invariant, which fails the run.
//
// usage: <target>_fuzz_regressions FOLDER

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Defined by the targets that set something up once (the RTF target starts Qt).
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    // Absolute: a target may change the working directory (the package one does).
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute(argv[1], error);
    std::vector<std::filesystem::path> inputs;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file())
            inputs.push_back(entry.path());
    // A folder renamed or emptied by mistake must not pass as a run that found nothing.
    if (error || inputs.empty()) {
        std::fprintf(stderr, "no regression inputs in %s\n", folder.c_str());
        return 1;
    }
    std::sort(inputs.begin(), inputs.end());
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    for (const auto& path : inputs) {
        std::ifstream file(path, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), {}};
        if (!file.is_open() || file.bad()) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            return 1;
        }
        std::printf("%s (%zu bytes)\n", path.filename().c_str(), bytes.size());
        std::fflush(stdout); // so a crash names the input that caused it
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs, no fault\n", inputs.size());
    return 0;
}
