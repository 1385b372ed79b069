#include "core/content/CatalogueFiles.h"

#include "core/platform/Errors.h"
#include "core/platform/FileSystem.h"
#include "core/platform/PrintableText.h"
#include "core/platform/TextFile.h"
#include "core/setup/ScriptValues.h"

namespace velkarn {

namespace {

constexpr std::size_t MapRecordLines = 9;
const std::string MapExtension = ".bsp";

const char* flagText(std::uint8_t flag) {
    return flag == 1 ? " true" : " false";
}

// The text of a catalogue file, line by line with CR LF after each, as writeTextFile writes;
// made in one piece because thousands of records would otherwise be copied line by line twice.
struct CatalogueText {
    std::string bytes;
    void line(std::string_view first, std::string_view rest = {}) {
        bytes.append(first).append(rest).append("\r\n");
    }
};

// Runs a catalogue file's reading; a failure marks the catalogue for a full rebuild.
template <typename Reading> void readMarkingFailure(Catalogue& catalogue, Reading reading) {
    try {
        reading();
    } catch (...) {
        catalogue.needsRebuild = true;
        throw;
    }
}

// The lines of a catalogue file, read only as the search writes them: anything else means the
// file was cut or damaged, and what it still holds could name an archive whose other finds are
// lost; the file is then rebuilt in full by the next search.
class CatalogueReader {
public:
    explicit CatalogueReader(const std::string& path) : path_(path) {
        const std::string bytes = readFileBytes(path);
        lines_ = splitLines(bytes);
        // Every line is written with its end: a last line without one was cut by a crash.
        lastLineCut_ = !bytes.empty() && bytes.back() != '\n' && bytes.back() != '\r';
    }

    bool atEnd() const { return next_ >= lines_.size(); }
    std::size_t linesLeft() const { return lines_.size() - next_; }
    // About the next line, or about the line just taken.
    [[noreturn]] void fail(const std::string& problem) const {
        throw FileFormatError(path_, next_ + 1, problem);
    }
    [[noreturn]] void failTaken(const std::string& problem) const {
        throw FileFormatError(path_, next_, problem);
    }
    const std::string& peek() const { return lines_[next_]; }
    const std::string& take() {
        if (lastLineCut_ && next_ + 1 == lines_.size())
            fail("the file ends inside this line");
        return lines_[next_++];
    }
    // A field line: one blank, then the value, which holds no control character.
    std::string takeField() {
        if (atEnd())
            fail("the file ends inside a record");
        const std::string& line = peek();
        if (line.empty() || line.front() != ' ' || hasControlCharacter(line))
            fail("this line is not a field of a record");
        return take().substr(1);
    }
    int takeNumber() {
        const std::string field = takeField();
        try {
            return toInt(field);
        } catch (const ConvertError&) {
            throw ConvertError(field, path_, next_);
        }
    }
    std::uint8_t takeFlag() {
        const std::string field = takeField();
        if (field != "true" && field != "false")
            failTaken("'" + printableText(field) + "' is neither true nor false");
        return field == "true" ? 1 : 0;
    }
    void takeEnd() {
        if (atEnd() || peek() != "END")
            fail(atEnd() ? "the file ends inside a record" : "the record should end here");
        take();
    }

private:
    std::string path_;
    Lines lines_;
    bool lastLineCut_ = false;
    std::size_t next_ = 0;
};

bool isMapFileName(const std::string& name) {
    if (name.size() <= MapExtension.size() || !name.ends_with(MapExtension))
        return false;
    return isSafeScriptValue(std::string_view(name).substr(0, name.size() - MapExtension.size()),
                             ScriptValueKind::Word);
}

void appendMapRecords(CatalogueReader& reader, Catalogue& catalogue) {
    while (!reader.atEnd()) {
        if (reader.linesLeft() < MapRecordLines)
            reader.fail("the file ends inside a record");
        auto map = std::make_unique<MapFile>();
        if (!isMapFileName(reader.peek()))
            reader.fail("this line is not a map file name the game can load");
        map->fileName = reader.take();
        map->archivePath = reader.takeField();
        map->longName = reader.takeField();
        map->arenaBotCount = reader.takeNumber();
        map->supportsDeathmatch = reader.takeFlag();
        map->supportsTournament = reader.takeFlag();
        map->supportsTeamDeathmatch = reader.takeFlag();
        map->supportsCaptureTheFlag = reader.takeFlag();
        reader.takeEnd();
        catalogue.mapFiles.push_back(std::move(map));
    }
}

void appendModelRecords(CatalogueReader& reader, Catalogue& catalogue) {
    while (!reader.atEnd()) {
        auto model = std::make_unique<PlayerModel>();
        if (!isSafeModelName(reader.peek()))
            reader.fail("this line is not a model name the game can load");
        model->name = reader.take();
        do {
            const std::string skin = reader.takeField();
            if (!isSafeSkinName(skin))
                reader.failTaken("this line is not a skin name the game can load");
            if (model->skinCount >= MaxModelSkins)
                reader.failTaken("a model has at most 16 skins");
            model->skins[static_cast<std::size_t>(model->skinCount++)] = skin;
        } while (!reader.atEnd() && reader.peek() != "END");
        reader.takeEnd();
        catalogue.playerModels.push_back(std::move(model));
    }
}

} // namespace

void readMapsFile(const std::string& fileName, Catalogue& catalogue) {
    readMarkingFailure(catalogue, [&] {
        CatalogueReader reader(fileName);
        appendMapRecords(reader, catalogue);
    });
}

void readBotsFile(const std::string& fileName, Catalogue& catalogue) {
    readMarkingFailure(catalogue, [&] {
        CatalogueReader reader(fileName);
        while (!reader.atEnd()) {
            const std::string& name = reader.peek();
            if (!isSafeBotName(name))
                reader.fail("this line is not a bot name");
            catalogue.addBotName(reader.take());
        }
    });
}

void readModelsFile(const std::string& fileName, Catalogue& catalogue) {
    readMarkingFailure(catalogue, [&] {
        CatalogueReader reader(fileName);
        appendModelRecords(reader, catalogue);
    });
}

void writeCatalogueFiles(const std::string& folder, const Catalogue& catalogue) {
    CatalogueText maps;
    for (const auto& map : catalogue.mapFiles) {
        maps.line(map->fileName);
        maps.line(" ", map->archivePath);
        maps.line(" ", map->longName);
        maps.line(" ", std::to_string(map->arenaBotCount));
        for (const std::uint8_t flag : {map->supportsDeathmatch, map->supportsTournament,
                                        map->supportsTeamDeathmatch, map->supportsCaptureTheFlag})
            maps.line(flagText(flag));
        maps.line("END");
    }
    writeFileIfChanged(folder + "maps.txt", maps.bytes);

    writeFileIfChanged(folder + "bots.txt", joinLines(catalogue.botNames));

    CatalogueText models;
    for (const auto& name : catalogue.sortedModelNames()) {
        const PlayerModel* model = catalogue.findModel(name);
        models.line(name);
        for (int s = 0; s < model->skinCount; ++s)
            models.line(" ", model->skins[static_cast<std::size_t>(s)]);
        models.line("END");
    }
    writeFileIfChanged(folder + "models.txt", models.bytes);
}

} // namespace velkarn
