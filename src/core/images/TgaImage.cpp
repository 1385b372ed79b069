#include "core/images/TgaImage.h"

#include "core/images/TgaReader.h"
#include "core/images/TgaWriter.h"
#include "core/platform/FileSystem.h"
#include "core/platform/TextFile.h"

#include <QBuffer>
#include <QIODevice>
#include <QPainter>

namespace velkarn {

namespace {

QImage as32Bit(const QImage& picture) {
    return picture.format() == QImage::Format_RGB32 ? picture
                                                    : picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace

TgaImage::TgaImage() = default;

void TgaImage::take(TgaReadResult&& result) {
    header_ = result.header;
    imageID_ = std::move(result.imageID);
    palette_ = result.palette;
    image_ = std::move(result.image);
    alpha_ = std::move(result.alpha);
    if (result.tgaType)
        tgaType_ = *result.tgaType;
    if (result.colorDepth)
        colorDepth_ = *result.colorDepth;
    if (result.includeAlpha)
        includeAlpha_ = *result.includeAlpha;
    notifyChanged();
}

void TgaImage::loadFromBytes(std::string_view bytes) {
    take(readTga(bytes, palette_, onProgress));
}

void TgaImage::loadFromFile(const std::string& fileName) {
    loadFromBytes(readFileBytes(fileName));
}

void TgaImage::loadFromStream(QIODevice& stream) {
    if (!stream.isReadable())
        throw TgaError("The TGA stream is not open for reading");
    const qint64 start = stream.pos();
    const QByteArray bytes = stream.readAll();
    TgaReadResult result = readTga(std::string_view(bytes.constData(), std::size_t(bytes.size())),
                                   palette_, onProgress);
    if (!stream.isSequential())
        stream.seek(start + qint64(result.bytesUsed));
    take(std::move(result));
}

std::string TgaImage::saveToBytes() const {
    TgaWriteInput input;
    input.image = image_;
    input.alpha = alpha_;
    input.tgaType = tgaType_;
    input.colorDepth = colorDepth_;
    input.imageID = imageID_;
    input.ditherMode = ditherMode_;
    return writeTga(input, onProgress);
}

void TgaImage::saveToStream(QIODevice& stream) const {
    const std::string bytes = saveToBytes();
    if (stream.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        throw TgaError("Writing the TGA stream failed: " + stream.errorString().toStdString());
}

void TgaImage::saveToFile(const std::string& fileName) const {
    if (!endsWithNoCase(fileName, ".bmp")) {
        writeFileAtomic(fileName, saveToBytes());
        return;
    }
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    if (!image_.save(&buffer, "BMP"))
        throw TgaError("An empty picture cannot be saved as a bitmap: " + fileName);
    writeFileAtomic(fileName, bitmap.toStdString());
}

void TgaImage::copyFrom(const TgaImage& source) {
    if (&source == this)
        return;
    image_ = source.image_;
    alpha_ = source.alpha_;
    tgaType_ = source.tgaType_;
    colorDepth_ = source.colorDepth_;
    includeAlpha_ = source.includeAlpha_;
    imageID_ = source.imageID_;
    notifyChanged();
}

void TgaImage::draw(QPainter& painter, const QRect& rect) const {
    if (!isEmpty())
        painter.drawImage(rect, image_);
}

void TgaImage::notifyChanged() {
    if (onChanged)
        onChanged();
}

void TgaImage::setImage(const QImage& image) {
    image_ = as32Bit(image);
}

void TgaImage::setAlphaImage(const QImage& alpha) {
    alpha_ = as32Bit(alpha);
}

void TgaImage::setImageID(const std::string& id) {
    imageID_ = id.substr(0, 255);
}

void TgaImage::loadFromImage(const QImage& image) {
    const bool hasAlpha = image.hasAlphaChannel();
    image_ = as32Bit(image);
    alpha_ = QImage(image_.size(), QImage::Format_RGB32);
    alpha_.fill(Qt::white);
    if (hasAlpha) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y) {
            const auto* pixels = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            auto* alphas = reinterpret_cast<QRgb*>(alpha_.scanLine(y));
            for (int x = 0; x < argb.width(); ++x)
                alphas[x] = 0xFF000000u | (QRgb(qAlpha(pixels[x])) * 0x010101u);
        }
    }
    tgaType_ = TgaType::TrueColor;
    colorDepth_ = hasAlpha ? ColorDepth::Bits32 : ColorDepth::Bits24;
    includeAlpha_ = hasAlpha;
    notifyChanged();
}

QImage TgaImage::toImage() const {
    if (!includeAlpha_ || alpha_.size() != image_.size())
        return image_;
    QImage combined = image_.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < combined.height(); ++y) {
        auto* pixels = reinterpret_cast<QRgb*>(combined.scanLine(y));
        const auto* alphas = reinterpret_cast<const QRgb*>(alpha_.constScanLine(y));
        for (int x = 0; x < combined.width(); ++x)
            pixels[x] = (pixels[x] & 0xFFFFFF) | (QRgb(qBlue(alphas[x])) << 24);
    }
    return combined;
}

} // namespace velkarn
