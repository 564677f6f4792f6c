// SPDX-License-Identifier: GPL-3.0-or-later
// Without libFuzzer, a fuzz target becomes an ordinary program that runs
// its entry point once on every file named on the command line, or found
// in a folder named there, so the seed corpus runs as a test. It fails when
// it finds no file at all.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> Fichiers(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> fichiers;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        const fs::path p(argv[i]);
        if (fs::is_directory(p, ec)) {
            for (const fs::directory_entry& e : fs::directory_iterator(p, ec))
                if (e.is_regular_file(ec)) fichiers.push_back(e.path());
        } else if (fs::is_regular_file(p, ec)) {
            fichiers.push_back(p);
        } else {
            std::fprintf(stderr, "introuvable : %s\n", argv[i]);
        }
    }
    std::sort(fichiers.begin(), fichiers.end());
    return fichiers;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::filesystem::path> fichiers = Fichiers(argc, argv);
    for (const std::filesystem::path& p : fichiers) {
        std::ifstream f(p, std::ios::binary);
        const std::vector<char> octets((std::istreambuf_iterator<char>(f)),
                                       std::istreambuf_iterator<char>());
        std::printf("%s (%zu octets)\n", p.filename().c_str(), octets.size());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size());
    }
    std::printf("%zu fichiers rejoués\n", fichiers.size());
    return fichiers.empty() ? 1 : 0;
}
