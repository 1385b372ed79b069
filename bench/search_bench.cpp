// Times the content search on two generated game folders, each against its baseline in the
// same run, and measures the peak memory of a first search in a fresh child process.
// Packs (50 archives, 40,000 entries):
//   (a) every entry name of every archive through zip_open and zip_get_name (the baseline),
//   (b) a first search into an empty catalogue, (c) a second search right after it.
//   Goals: (b) <= 1.5 x (a), (c) <= (b) / 5, peak memory of (b) under 64 MB.
// Map collection (3,000 archives of one map, 150,000 entries):
//   (d) Python's zipfile listing every archive and reading its arena and bot texts,
//   (e) a first search into an empty catalogue, (f) a second search right after it.
//   Goals: (e) <= 0.15 x (d), (f) <= (e) / 5, peak memory of (e) under 64 MB.
//
// Usage: search_bench [packs folder [collection folder]]
//   (defaults: <temp>/velkarn-search-corpus and <temp>/velkarn-map-collection, made once)

#include "core/content/CatalogueFiles.h"
#include "core/content/GameFolderSearch.h"
#include "make_corpus.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <zip.h>

namespace {

namespace fs = std::filesystem;
using namespace velkarn;

constexpr int Rounds = 5;

struct QuietObserver : SearchObserver {
    int steps = 0;
    int messages = 0;
    void step() override { ++steps; }
    void message(const std::string& text) override {
        ++messages;
        std::fprintf(stderr, "%s\n", text.c_str());
    }
};

std::vector<std::string> archivesBelow(const std::string& folder) {
    std::vector<std::string> archives;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".pk3")
            archives.push_back(entry.path().string());
    return archives;
}

// The fastest of several rounds, in milliseconds of the clock and of this process's processor
// time; `prepare` runs untimed before each. The goals are judged on processor time: on a machine
// shared with other work the clock also counts the time spent waiting for a processor, and with
// the archives in the page cache an idle machine's clock gives the same.
struct Took {
    double wall = 1e300;
    double processor = 1e300;
};

double processorMs() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

Took fastest(const std::function<void()>& prepare, const std::function<void()>& work) {
    Took best;
    for (int round = 0; round < Rounds; ++round) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        const double startProcessor = processorMs();
        work();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        best.wall = std::min(best.wall, took.count());
        best.processor = std::min(best.processor, processorMs() - startProcessor);
    }
    return best;
}

void printTook(const char* label, const Took& took) {
    std::printf("%-21s%8.2f ms (processor %8.2f ms)\n", label, took.wall, took.processor);
}

void printRatio(const char* label, const Took& part, const Took& whole, double goal) {
    const double ratio = part.processor / whole.processor;
    std::printf("%s = %.3f, by the clock %.3f (goal <= %.2f: %s)\n", label, ratio,
                part.wall / whole.wall, goal, ratio <= goal ? "met" : "MISSED");
}

std::size_t listWithLibzip(const std::vector<std::string>& archives) {
    std::size_t names = 0;
    for (const auto& path : archives) {
        int error = 0;
        zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
        if (!archive)
            continue;
        const zip_int64_t count = zip_get_num_entries(archive, 0);
        for (zip_int64_t i = 0; i < count; ++i)
            if (zip_get_name(archive, static_cast<zip_uint64_t>(i), 0))
                ++names;
        zip_discard(archive);
    }
    return names;
}

// One first search in this process; the parent reads its peak memory.
int childSearch(const std::string& game, const std::string& app) {
    fs::remove(app + ArchiveCacheFile); // a first search
    Catalogue catalogue;
    QuietObserver observer;
    rebuildCatalogue(game, app, catalogue, observer);
    return catalogue.mapFiles.empty() ? 1 : 0;
}

long peakMemoryOfChildSearch(const char* self, const std::string& game, const std::string& app) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::execl(self, self, "--child-search", game.c_str(), app.c_str(), nullptr);
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss; // kilobytes
}

const char* verdict(bool met) {
    return met ? "met" : "MISSED";
}

std::string defaultFolder(int argc, char** argv, int index, const char* name) {
    return argc > index ? argv[index] : (fs::temp_directory_path() / name).string();
}

void printPeakMemory(const char* label, long peakKb) {
    if (peakKb < 0)
        std::printf("peak memory of %s: not measured (child search failed)\n", label);
    else
        std::printf("peak memory of %s: %.1f MB (goal < 64 MB: %s)\n", label,
                    static_cast<double>(peakKb) / 1024.0, verdict(peakKb < 64 * 1024));
}

// The list-file folder of a benchmark's game folder, made when missing.
std::string appFolderOf(const std::string& root) {
    const std::string app = root + "/app/";
    fs::create_directories(app);
    return app;
}

// A first search into an empty catalogue, the fastest of several rounds.
Took firstSearch(const std::string& game, const std::string& app, Catalogue& catalogue,
                 QuietObserver& observer) {
    const auto emptyCatalogue = [&] {
        catalogue = Catalogue();
        for (const char* name : {"maps.txt", "bots.txt", "models.txt", ArchiveCacheFile})
            fs::remove(app + name);
    };
    return fastest(emptyCatalogue, [&] { rebuildCatalogue(game, app, catalogue, observer); });
}

void benchPacks(const char* self, const std::string& root) {
    std::printf("packs: %s\n", root.c_str());
    const std::string game = bench::ensureCorpus(root);
    const std::string app = appFolderOf(root);
    const auto archives = archivesBelow(game);
    std::uintmax_t bytes = 0;
    for (const auto& path : archives)
        bytes += fs::file_size(path);

    std::size_t names = 0;
    const Took baseline = fastest([] {}, [&] { names = listWithLibzip(archives); });
    std::printf("archives: %zu, entries: %zu, size: %.0f MB\n", archives.size(), names,
                static_cast<double>(bytes) / 1e6);

    Catalogue catalogue;
    QuietObserver observer;
    const Took first = firstSearch(game, app, catalogue, observer);
    const Took second = fastest([] {}, [&] { rebuildCatalogue(game, app, catalogue, observer); });
    std::printf("catalogue: %zu maps, %zu bots, %zu models; %d messages\n",
                catalogue.mapFiles.size(), catalogue.botNames.size(), catalogue.playerModels.size(),
                observer.messages);

    const Took writing = fastest([&] { fs::remove(app + "maps.txt"); },
                                 [&] { writeCatalogueFiles(app, catalogue); });
    const long peakKb = peakMemoryOfChildSearch(self, game, app);
    printTook("(a) libzip listing:", baseline);
    printTook("(b) first search:", first);
    printTook("(c) second search:", second);
    printTook("    writing maps.txt:", writing);
    std::printf("    (part of (b); (c) finds the files unchanged)\n");
    printRatio("(b)/(a)", first, baseline, 1.5);
    printRatio("(c)/(b)", second, first, 0.2);
    printPeakMemory("(b)", peakKb);
}

// Python's zipfile over the collection: its fastest round in milliseconds, or a negative number
// when Python could not be run.
double pythonBaseline(const std::string& game) {
    const std::string command = "python3 " VELKARN_BENCH_FOLDER "/zipfile_search.py '" + game +
                                "' " + std::to_string(Rounds);
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return -1;
    double ms = -1;
    long archives = 0, entries = 0, texts = 0;
    const int read = std::fscanf(pipe, "%lf %ld %ld %ld", &ms, &archives, &entries, &texts);
    if (::pclose(pipe) != 0 || read != 4)
        return -1;
    std::printf("archives: %ld, entries: %ld, texts read: %ld\n", archives, entries, texts);
    return ms;
}

void benchMapCollection(const char* self, const std::string& root) {
    std::printf("\nmap collection: %s\n", root.c_str());
    const std::string game = bench::ensureMapCollection(root);
    const std::string app = appFolderOf(root);
    const double python = pythonBaseline(game);
    Catalogue catalogue;
    QuietObserver observer;
    const Took first = firstSearch(game, app, catalogue, observer);
    const Took second = fastest([] {}, [&] { rebuildCatalogue(game, app, catalogue, observer); });
    std::printf("catalogue: %zu maps; %d messages\n", catalogue.mapFiles.size(), observer.messages);
    const long peakKb = peakMemoryOfChildSearch(self, game, app);
    std::printf("(d) Python zipfile:  %8.2f ms\n", python);
    printTook("(e) first search:", first);
    printTook("(f) second search:", second);
    printRatio("(f)/(e)", second, first, 0.2);
    if (python > 0)
        std::printf("(e)/(d) = %.3f (goal <= 0.15: %s)\n", first.wall / python,
                    verdict(first.wall / python <= 0.15));
    else
        std::printf("(e)/(d): not measured (python3 could not be run)\n");
    printPeakMemory("(e)", peakKb);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--child-search")
        return childSearch(argv[2], argv[3]);
    benchPacks(argv[0], defaultFolder(argc, argv, 1, "velkarn-search-corpus"));
    benchMapCollection(argv[0], defaultFolder(argc, argv, 2, "velkarn-map-collection"));
    return 0;
}
