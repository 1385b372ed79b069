// Times listing 1,000 demos of an installation against reading only their folder, in one run:
//   (a) the demos folder listed and each file's size and time asked (the baseline),
//   (b) a first listing into an empty cache, every demo read,
//   (c) a listing with the cache kept by (b), loaded from its file as a new run does.
//   Goals: (c) <= 3 x (a) and a few milliseconds; (b) tens of milliseconds.
//
// Usage: demo_bench DEMO   (a real demo, copied 1,000 times into a temporary folder)

#include "core/demos/DemoListing.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace {

namespace fs = std::filesystem;
using namespace velkarn;

constexpr int Rounds = 5;
constexpr int DemoCount = 1000;

// The fastest of several rounds, in milliseconds; `prepare` runs untimed before each.
double fastest(const std::function<void()>& prepare, const std::function<void()>& work) {
    double best = 1e300;
    for (int round = 0; round < Rounds; ++round) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        work();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count());
    }
    return best;
}

std::size_t statEveryFile(const std::string& folder) {
    std::size_t found = 0;
    for (const auto& entry : listFolder(folder)) {
        FileState state;
        if (!entry.isFolder && fileState(folder + entry.name, state))
            ++found;
    }
    return found;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: demo_bench DEMO\n");
        return 2;
    }
    const std::string demo = readFileBytes(argv[1]);
    const fs::path root = fs::temp_directory_path() / "velkarn-demo-bench";
    fs::remove_all(root);
    fs::create_directories(root / "baseq3/demos");
    for (int i = 0; i < DemoCount; ++i)
        writeFileAtomic((root / ("baseq3/demos/match-" + std::to_string(i) + ".dm_71")).string(),
                        demo);
    Installation game = installationInFolder(root.string() + "/", SystemLayout{});
    const std::string cacheFile = (root / "demos.cache").string();
    const std::string demos = (root / "baseq3/demos/").string();

    std::size_t listed = 0;
    const double folder = fastest([] {}, [&] { listed = statEveryFile(demos); });
    const double first = fastest([&] { fs::remove(cacheFile); },
                                 [&] {
                                     DemoCache cache(cacheFile);
                                     listed = listDemos(game, cache).size();
                                     cache.save();
                                 });
    const double cached = fastest([] {},
                                  [&] {
                                      DemoCache cache(cacheFile);
                                      listed = listDemos(game, cache).size();
                                  });
    std::printf("%zu demos of %zu bytes\n", listed, demo.size());
    std::printf("(a) the folder and each file's state: %8.2f ms\n", folder);
    std::printf("(b) a first listing, every demo read: %8.2f ms\n", first);
    std::printf("(c) a listing from the cache:         %8.2f ms (%.1f x (a))\n", cached,
                cached / folder);
    fs::remove_all(root);
    return 0;
}
