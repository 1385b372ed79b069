#include "make_corpus.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>
#include <zip.h>

namespace velkarn::bench {

namespace {

namespace fs = std::filesystem;

constexpr int MapsPerPack = 20;
constexpr int ModelsPerPack = 20;
constexpr int BotTextsPerPack = 40;
constexpr std::size_t PoolSize = 8 * 1024 * 1024;

// Random bytes that entries take slices of; random data cannot be compressed, so it is stored.
class RandomPool {
public:
    RandomPool() : bytes_(PoolSize) {
        std::uint64_t state = 0x9E3779B97F4A7C15ull;
        for (auto& byte : bytes_) {
            state ^= state << 13;
            state ^= state >> 7;
            state ^= state << 17;
            byte = static_cast<char>(state >> 56);
        }
    }
    // `size` bytes starting at a place that depends on `seed`.
    const char* slice(std::size_t size, std::uint64_t seed) const {
        return bytes_.data() + (seed * 7919 % (PoolSize - size));
    }

private:
    std::vector<char> bytes_;
};

class ArchiveWriter {
public:
    ArchiveWriter(const std::string& path, const RandomPool& pool) : pool_(pool) {
        int error = 0;
        archive_ = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        if (!archive_)
            throw std::runtime_error("cannot create " + path);
    }
    ~ArchiveWriter() {
        if (archive_)
            zip_discard(archive_);
    }
    void addRandomEntry(const std::string& name, std::size_t size) {
        add(name, pool_.slice(size, count_ + 1), size, ZIP_CM_STORE);
    }
    void addTextEntry(const std::string& name, const std::string& content) {
        texts_.push_back(content); // libzip reads the buffer when the archive is closed
        add(name, texts_.back().data(), texts_.back().size(), ZIP_CM_DEFLATE);
    }
    void close() {
        if (zip_close(archive_) != 0)
            throw std::runtime_error(zip_strerror(archive_));
        archive_ = nullptr;
    }
    int entries() const { return static_cast<int>(count_); }

private:
    void add(const std::string& name, const char* data, std::size_t size, std::int32_t method) {
        zip_source_t* source = zip_source_buffer(archive_, data, size, 0);
        const zip_int64_t index = zip_file_add(archive_, name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0)
            throw std::runtime_error("cannot add " + name);
        zip_set_file_compression(archive_, static_cast<zip_uint64_t>(index), method, 0);
        ++count_;
    }

    const RandomPool& pool_;
    zip_t* archive_;
    std::vector<std::string> texts_{};
    std::uint64_t count_ = 0;
};

std::string arenaText(const std::string& map) {
    return "{\nmap \"" + map + "\"\nbots \"brute scout anvil\"\nlongname \"Arena " + map +
           "\"\nfraglimit \"20\"\ntype \"ffa tourney team\"\n}\n";
}

void fillTo(ArchiveWriter& writer, const std::string& folder, int entries, std::size_t size) {
    for (int k = 0; writer.entries() < entries; ++k)
        writer.addRandomEntry(folder + "filler_" + std::to_string(k) + ".tga",
                              size + static_cast<std::size_t>(k % 7) * 512);
}

void mapPack(const std::string& path, int pack, const RandomPool& pool, int entries) {
    ArchiveWriter writer(path, pool);
    for (int m = 0; m < MapsPerPack; ++m) {
        const std::string map = "p" + std::to_string(pack) + "m" + std::to_string(m);
        writer.addRandomEntry("maps/" + map + ".bsp", 100 * 1024);
        writer.addRandomEntry("levelshots/" + map + ".jpg", 20 * 1024);
        writer.addTextEntry("scripts/" + map + ".arena", arenaText(map));
    }
    fillTo(writer, "textures/pack" + std::to_string(pack) + "/", entries, 4 * 1024);
    writer.close();
}

void modelPack(const std::string& path, int pack, const RandomPool& pool, int entries) {
    ArchiveWriter writer(path, pool);
    for (int m = 0; m < ModelsPerPack; ++m) {
        const std::string folder =
            "models/players/model" + std::to_string(pack) + "_" + std::to_string(m) + "/";
        for (const char* part : {"head", "upper", "lower"}) {
            writer.addRandomEntry(folder + part + ".md3", 30 * 1024);
            for (const char* skin : {"default", "red", "blue"})
                writer.addTextEntry(folder + part + "_" + skin + ".skin",
                                    std::string(part) + ",models/" + skin + ".tga\n");
        }
        writer.addTextEntry(folder + "animation.cfg", "sex m\n0 30 0 20\n");
        while (writer.entries() < (m + 1) * entries / ModelsPerPack)
            writer.addRandomEntry(folder + "skin_" + std::to_string(writer.entries()) + ".tga",
                                  4096);
    }
    writer.close();
}

void botPack(const std::string& path, int pack, const RandomPool& pool, int entries) {
    ArchiveWriter writer(path, pool);
    for (int b = 0; b < BotTextsPerPack; ++b) {
        const std::string RosterBot = "Bot" + std::string(1, static_cast<char>('A' + pack)) +
                                      std::string(1, static_cast<char>('a' + b % 26)) +
                                      std::string(1, static_cast<char>('a' + b / 26));
        writer.addTextEntry("scripts/" + RosterBot + ".bot",
                            "{\nname \"" + RosterBot +
                                "\"\nmodel \"brute\"\naifile \"bots/x_c.c\"\n}\n");
    }
    fillTo(writer, "botfiles/pack" + std::to_string(pack) + "/", entries, 2 * 1024);
    writer.close();
}

// Textures from 34 to 60 a map, 47 on average, so 3,000 maps hold about 150,000 entries.
void collectionMap(const std::string& path, int number, const RandomPool& pool) {
    ArchiveWriter writer(path, pool);
    const std::string map = "cm" + std::to_string(number);
    writer.addRandomEntry("maps/" + map + ".bsp", 16 * 1024);
    writer.addTextEntry("scripts/" + map + ".arena", arenaText(map));
    writer.addRandomEntry("levelshots/" + map + ".jpg", 6 * 1024);
    const int textures = 34 + number % 27;
    for (int k = 0; k < textures; ++k)
        writer.addRandomEntry("textures/" + map + "/wall_" + std::to_string(k) + ".tga",
                              512 + static_cast<std::size_t>((number + k) % 5) * 512);
    writer.close();
}

// Writes the marker last, so that an interrupted making starts again.
template <typename Make> std::string ensureFolder(const std::string& root, Make make) {
    const std::string game = root + "/game/";
    const std::string marker = root + "/complete";
    if (fs::exists(marker))
        return game;
    fs::remove_all(root);
    fs::create_directories(game + "baseq3");
    make(game, RandomPool());
    std::ofstream(marker) << "corpus complete\n";
    return game;
}

} // namespace

std::string ensureMapCollection(const std::string& root) {
    return ensureFolder(root, [](const std::string& game, const RandomPool& pool) {
        for (int n = 0; n < CollectionArchives; ++n)
            collectionMap(game + "baseq3/map-" + std::to_string(n) + ".pk3", n, pool);
    });
}

std::string ensureCorpus(const std::string& root) {
    return ensureFolder(root, [](const std::string& game, const RandomPool& pool) {
        fs::create_directories(game + "mymod");
        const int modelEntries = 400;
        const int botEntries = 280;
        const int mapEntries =
            (EntryCount - ModelPacks * modelEntries - BotPacks * botEntries) / MapPacks;
        for (int p = 0; p < MapPacks; ++p)
            mapPack(game + (p % 4 == 3 ? "mymod/" : "baseq3/") + "maps" + std::to_string(p) +
                        ".pk3",
                    p, pool, mapEntries);
        for (int p = 0; p < ModelPacks; ++p)
            modelPack(game + "baseq3/models" + std::to_string(p) + ".pk3", p, pool, modelEntries);
        for (int p = 0; p < BotPacks; ++p)
            botPack(game + "baseq3/bots" + std::to_string(p) + ".pk3", p, pool, botEntries);
    });
}

} // namespace velkarn::bench
