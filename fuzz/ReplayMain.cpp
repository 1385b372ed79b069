// Runs every file of the folders and files named on the command line once through the target,
// as CI does with the corpora: no fuzzing, no libFuzzer, any compiler.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

void replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int k = 1; k < argc; ++k) {
        if (!fs::exists(argv[k])) {
            std::fprintf(stderr, "%s: no such file or folder\n", argv[k]);
            return 2;
        }
        if (fs::is_directory(argv[k])) {
            for (const auto& entry : fs::recursive_directory_iterator(argv[k]))
                if (entry.is_regular_file()) {
                    replay(entry.path());
                    ++replayed;
                }
        } else {
            replay(argv[k]);
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
