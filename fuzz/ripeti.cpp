// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target on saved inputs, without libFuzzer, so that the seeds and
// the findings kept in fuzz/regressions stay part of the ordinary test run.
//   ripeti [--volte N] FILE-OR-FOLDER...

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t dimensione);

namespace {

void esegui(const std::filesystem::path& file) {
    std::ifstream ingresso(file, std::ios::binary);
    const std::vector<char> dati{std::istreambuf_iterator<char>(ingresso), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(dati.data()), dati.size());
}

} // namespace

int main(int argc, char* argv[]) {
    int volte = 1;
    int primo = 1;
    if (argc > 2 && std::strcmp(argv[1], "--volte") == 0) {
        volte = std::atoi(argv[2]);
        primo = 3;
    }
    std::vector<std::filesystem::path> file;
    for (int i = primo; i < argc; ++i) {
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& voce : std::filesystem::directory_iterator(argv[i]))
                if (voce.is_regular_file())
                    file.push_back(voce.path());
        } else if (std::filesystem::is_regular_file(argv[i])) {
            file.push_back(argv[i]);
        }
    }
    for (int giro = 0; giro < volte; ++giro)
        for (const auto& f : file)
            esegui(f);
    std::printf("%zu ingressi, %d volte\n", file.size(), volte);
    return file.empty() ? 1 : 0;
}
