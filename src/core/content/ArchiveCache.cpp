#include "core/content/ArchiveCache.h"

#include "core/platform/Errors.h"
#include "core/platform/PrintableText.h"
#include "core/platform/TextFile.h"

#include <charconv>

namespace velkarn {

namespace {

// One record a line, fields apart by tabs; no kept text holds a control character. The last
// line says how many archives there are, so a file cut at a line end is told from a whole one.
const std::string Header = "velkarn archive finds 1";

template <typename Number> bool parseNumber(std::string_view text, Number& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// Into `fields`, whose room is kept from line to line.
void splitFields(std::string_view line, std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            return;
        start = tab + 1;
    }
}

// Texts a line could not hold keep their archive out of the file; it is read again next time.
struct KeepableCheck {
    bool operator()(const MapFind& find) const { return !hasControlCharacter(find.fileName); }
    bool operator()(const BotTextFind& find) const {
        for (const auto& name : find.names)
            if (hasControlCharacter(name))
                return false;
        return true;
    }
    bool operator()(const ArenaFind& find) const {
        return !hasControlCharacter(find.mapName) &&
               !(find.longName && hasControlCharacter(*find.longName));
    }
    bool operator()(const ModelFind& find) const {
        return !hasControlCharacter(find.model) && !hasControlCharacter(find.skin);
    }
};

char skinLetter(ModelFind::Skin kind) {
    return kind == ModelFind::Skin::Named ? 's' : kind == ModelFind::Skin::Refused ? 'r' : 'n';
}

struct FindWriter {
    std::string& out;
    void operator()(const MapFind& find) const { out.append("map\t").append(find.fileName); }
    void operator()(const BotTextFind& find) const {
        out.append("bots");
        for (const auto& name : find.names)
            out.append("\t").append(name);
    }
    void operator()(const ArenaFind& find) const {
        out.append("arena\t").append(find.mapName).append("\t");
        if (find.botCount)
            out.append(std::to_string(*find.botCount));
        out.append("\t");
        if (find.gameTypes)
            for (const auto type : *find.gameTypes)
                out.push_back(type ? '1' : '0');
        out.append(find.longName ? "\t1\t" : "\t0\t").append(find.longName.value_or(""));
    }
    void operator()(const ModelFind& find) const {
        out.append("model\t").append(find.model).append(find.folderHasMesh ? "\t1\t" : "\t0\t");
        out.push_back(skinLetter(find.skinKind));
        out.append("\t").append(find.skin);
    }
};

class CacheParser {
public:
    explicit CacheParser(std::string fileName) : file_(std::move(fileName)) {}

    void parse(std::string_view text) {
        if (!text.empty() && text.back() != '\n')
            failAt(countLines(text), "the file ends inside a line");
        bool ended = false;
        forEachLine(text, [&](std::size_t number, std::string_view line) {
            line_ = number;
            if (ended)
                fail("nothing may follow the last line");
            if (number == 1) {
                if (line != Header)
                    fail("this is no archive cache of this version");
                return true;
            }
            splitFields(line, fields_);
            ended = takeLine(fields_);
            return true;
        });
        if (!ended)
            failAt(line_ + 1, "the file ends before its last line");
    }

    std::vector<std::pair<std::string, std::pair<ArchiveKey, ArchiveFinds>>> archives;

private:
    static std::size_t countLines(std::string_view text) {
        std::size_t lines = 0;
        forEachLine(text, [&](std::size_t number, std::string_view) {
            lines = number;
            return true;
        });
        return lines;
    }
    [[noreturn]] void fail(const std::string& problem) const { failAt(line_, problem); }
    [[noreturn]] void failAt(std::size_t line, const std::string& problem) const {
        throw FileFormatError(file_, line, problem);
    }

    template <typename Number> Number number(std::string_view field) const {
        Number value{};
        if (!parseNumber(field, value))
            fail("'" + printableText(std::string(field)) + "' is not a valid number here");
        return value;
    }
    bool flag(std::string_view field) const {
        if (field != "0" && field != "1")
            fail("'" + printableText(std::string(field)) + "' is neither 0 nor 1");
        return field == "1";
    }
    void expectFields(const std::vector<std::string_view>& fields, std::size_t count) const {
        if (fields.size() != count)
            fail("this line does not have the fields of its kind");
    }
    ArchiveFinds& current() {
        if (archives.empty())
            fail("a find stands before any archive");
        return archives.back().second.second;
    }

    // True on the last line.
    bool takeLine(const std::vector<std::string_view>& f) {
        const std::string_view kind = f[0];
        if (kind == "archive") {
            expectFields(f, 7);
            const ArchiveKey key{number<unsigned long long>(f[1]), number<long long>(f[2]),
                                 number<long long>(f[3]), number<unsigned long long>(f[4])};
            ArchiveFinds finds;
            finds.leftOutNames = number<int>(f[5]);
            archives.push_back({std::string(f[6]), {key, std::move(finds)}});
        } else if (kind == "map") {
            expectFields(f, 2);
            current().finds.emplace_back(MapFind{std::string(f[1])});
        } else if (kind == "bots") {
            BotTextFind bots;
            for (std::size_t i = 1; i < f.size(); ++i)
                bots.names.emplace_back(f[i]);
            current().finds.emplace_back(std::move(bots));
        } else if (kind == "arena") {
            current().finds.emplace_back(arena(f));
        } else if (kind == "model") {
            current().finds.emplace_back(model(f));
        } else if (kind == "end") {
            expectFields(f, 2);
            if (number<std::size_t>(f[1]) != archives.size())
                fail("the file does not hold the archives it counts");
            return true;
        } else {
            fail("this line is no part of an archive cache");
        }
        return false;
    }

    ArenaFind arena(const std::vector<std::string_view>& f) const {
        expectFields(f, 6);
        ArenaFind find;
        find.mapName = std::string(f[1]);
        if (!f[2].empty())
            find.botCount = number<int>(f[2]);
        if (!f[3].empty()) {
            if (f[3].size() != 4)
                fail("game types are four flags");
            std::array<std::uint8_t, 4> types{};
            for (std::size_t t = 0; t < 4; ++t)
                types[t] = flag(f[3].substr(t, 1)) ? 1 : 0;
            find.gameTypes = types;
        }
        if (flag(f[4]))
            find.longName = std::string(f[5]);
        return find;
    }

    ModelFind model(const std::vector<std::string_view>& f) const {
        expectFields(f, 5);
        ModelFind find;
        find.model = std::string(f[1]);
        find.folderHasMesh = flag(f[2]);
        if (f[3] == "s")
            find.skinKind = ModelFind::Skin::Named;
        else if (f[3] == "r")
            find.skinKind = ModelFind::Skin::Refused;
        else if (f[3] != "n")
            fail("'" + printableText(std::string(f[3])) + "' is no kind of skin");
        find.skin = std::string(f[4]);
        return find;
    }

    std::string file_;
    std::size_t line_ = 0;
    std::vector<std::string_view> fields_;
};

} // namespace

ArchiveKey archiveKey(const FileState& state) {
    return {state.size, state.modifiedSeconds, state.modifiedNanoseconds, state.identity.inode};
}

ArchiveCache ArchiveCache::read(const std::string& fileName) {
    ArchiveCache cache;
    CacheParser parser(fileName);
    parser.parse(readFileBytes(fileName));
    for (std::size_t position = 0; position < parser.archives.size(); ++position) {
        auto& [path, kept] = parser.archives[position];
        cache.previous_.insert_or_assign(path,
                                         Entry{path, kept.first, std::move(kept.second), position});
    }
    cache.readArchives_ = parser.archives.size();
    cache.sameAsRead_ = true;
    return cache;
}

std::optional<ArchiveFinds> ArchiveCache::take(const std::string& path, const ArchiveKey& key) {
    const auto found = previous_.find(path);
    if (found == previous_.end() || !(found->second.key == key))
        return std::nullopt;
    ArchiveFinds finds = std::move(found->second.finds);
    lastTaken_ = {path, key, found->second.position};
    previous_.erase(found);
    return finds;
}

void ArchiveCache::keep(const std::string& path, const ArchiveKey& key, ArchiveFinds finds) {
    // What was taken and is kept again in the place it was read from changes nothing.
    const bool sameAsTaken = lastTaken_ && lastTaken_->path == path && lastTaken_->key == key &&
                             lastTaken_->position == kept_.size();
    sameAsRead_ = sameAsRead_ && sameAsTaken;
    lastTaken_.reset();
    kept_.push_back({path, key, std::move(finds), kept_.size()});
}

void ArchiveCache::write(const std::string& fileName) const {
    // A search that met every archive of the file unchanged, in its order, would write it again
    // byte for byte.
    if (sameAsRead_ && kept_.size() == readArchives_)
        return;
    std::string out = Header + "\n";
    std::size_t written = 0;
    for (const auto& entry : kept_) {
        bool keepable = !hasControlCharacter(entry.path);
        for (const auto& find : entry.finds.finds)
            keepable = keepable && std::visit(KeepableCheck{}, find);
        if (!keepable)
            continue;
        const ArchiveKey& key = entry.key;
        out.append("archive\t")
            .append(std::to_string(key.size))
            .append("\t")
            .append(std::to_string(key.modifiedSeconds))
            .append("\t")
            .append(std::to_string(key.modifiedNanoseconds))
            .append("\t")
            .append(std::to_string(key.inode))
            .append("\t")
            .append(std::to_string(entry.finds.leftOutNames))
            .append("\t")
            .append(entry.path)
            .append("\n");
        for (const auto& find : entry.finds.finds) {
            std::visit(FindWriter{out}, find);
            out.append("\n");
        }
        ++written;
    }
    out.append("end\t").append(std::to_string(written)).append("\n");
    writeFileIfChanged(fileName, out);
}

} // namespace velkarn
