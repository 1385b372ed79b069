#include "core/content/ModelIcon.h"

#include "core/content/ZipArchive.h"
#include "core/images/JpegDecoder.h"
#include "core/images/TgaImage.h"
#include "core/setup/TextHelpers.h"

#include <exception>
#include <utility>

namespace velkarn {

namespace {

QImage decodeTga(const std::string& bytes) {
    try {
        TgaImage picture;
        picture.loadFromBytes(bytes);
        return picture.toImage();
    } catch (const std::exception&) {
        return {}; // too large to hold
    }
}

// The icon of one archive; a null image when it holds none that can be decoded.
QImage readIcon(ZipArchive& zip, const std::string& stem) {
    const std::pair<const char*, QImage (*)(const std::string&)> kinds[] = {{".tga", decodeTga},
                                                                            {".jpg", decodeJpeg}};
    for (const auto& [extension, decode] : kinds) {
        for (int i = 0; i < zip.entryCount(); ++i) {
            if (!equalsNoCase(zip.entries()[static_cast<std::size_t>(i)].fileName,
                              stem + extension))
                continue;
            const auto bytes = zip.readEntryAt(i, MaxModelIconBytes);
            QImage picture = bytes ? decode(*bytes) : QImage();
            if (!picture.isNull())
                return picture;
        }
    }
    return {};
}

} // namespace

QImage readModelIcon(const std::vector<std::string>& archives, const std::string& model,
                     const std::string& skin) {
    if (model.empty())
        return {};
    const std::string stem = "models\\players\\" + model + "\\icon_" + skin;
    ZipArchive zip;
    for (const std::string& archive : archives) {
        zip.setZipFilename(archive);
        QImage icon = readIcon(zip, stem);
        if (!icon.isNull())
            return icon;
    }
    return {};
}

} // namespace velkarn
