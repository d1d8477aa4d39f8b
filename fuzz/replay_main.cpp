// Runs a fuzz target once on every input file it is given, without libFuzzer, so that the
// seed corpus replays as an ordinary test under any compiler and sanitizer.
//
//   open_decode_replay PATH...   (a folder stands for every regular file in it)
//
// Exits 0 when every input ran (a failed check traps and ends the run), 1 when a path cannot
// be read or no input was found.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

bool ReadWhole(const fs::path& path, std::vector<std::uint8_t>& content) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    content.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

// The files a path stands for, in name order so that runs repeat exactly.
bool CollectInputs(const fs::path& path, std::vector<fs::path>& inputs) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        std::vector<fs::path> found;
        for (const auto& entry : fs::directory_iterator(path, ec)) {
            if (entry.is_regular_file(ec)) {
                found.push_back(entry.path());
            }
        }
        std::sort(found.begin(), found.end());
        inputs.insert(inputs.end(), found.begin(), found.end());
        return !ec;
    }
    if (fs::is_regular_file(path, ec)) {
        inputs.push_back(path);
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (!CollectInputs(argv[i], inputs)) {
            std::cerr << "cannot read " << argv[i] << "\n";
            return 1;
        }
    }
    if (inputs.empty()) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "replay")
                  << " FILE-OR-FOLDER...  (no input found)\n";
        return 1;
    }
    std::vector<std::uint8_t> content;
    for (const fs::path& input : inputs) {
        if (!ReadWhole(input, content)) {
            std::cerr << "cannot read " << input.string() << "\n";
            return 1;
        }
        // Print the name first: if the input fails a check, the last name printed is the one.
        std::cout << input.filename().string() << " (" << content.size() << " bytes)\n"
                  << std::flush;
        LLVMFuzzerTestOneInput(content.data(), content.size());
    }
    std::cout << "ran " << inputs.size() << " inputs\n";
    return 0;
}
