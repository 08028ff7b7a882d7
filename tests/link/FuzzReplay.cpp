// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target once over every file of its corpus, without libFuzzer, so
// the tests catch a change that breaks on an input the fuzzer once found.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        for (const auto &item : fs::directory_iterator(argv[i])) {
            if (item.is_regular_file())
                inputs.push_back(item.path());
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const auto &path : inputs) {
        std::ifstream in(path, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::cout << inputs.size() << " inputs replayed\n";
    // An empty or missing corpus replays nothing, which would prove nothing.
    return inputs.empty() ? 1 : 0;
}
