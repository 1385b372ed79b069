#include "core/images/Targa.h"

#include "core/images/TargaReader.h"
#include "core/images/TargaWriter.h"
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

TTarga::TTarga() = default;

void TTarga::take(TargaReadResult&& result) {
    header_ = result.header;
    imageID_ = std::move(result.imageID);
    palette_ = result.palette;
    image_ = std::move(result.image);
    alpha_ = std::move(result.alpha);
    if (result.targaType)
        targaType_ = *result.targaType;
    if (result.colorDepth)
        colorDepth_ = *result.colorDepth;
    if (result.includeAlpha)
        includeAlpha_ = *result.includeAlpha;
    Changed();
}

void TTarga::LoadFromBytes(std::string_view bytes) {
    take(readTarga(bytes, palette_, OnProgress));
}

void TTarga::LoadFromFile(const std::string& fileName) {
    LoadFromBytes(readFileBytes(fileName));
}

void TTarga::LoadFromStream(QIODevice& stream) {
    if (!stream.isReadable())
        throw TargaError("The TGA stream is not open for reading");
    const qint64 start = stream.pos();
    const QByteArray bytes = stream.readAll();
    TargaReadResult result = readTarga(
        std::string_view(bytes.constData(), std::size_t(bytes.size())), palette_, OnProgress);
    if (!stream.isSequential())
        stream.seek(start + qint64(result.bytesUsed));
    take(std::move(result));
}

std::string TTarga::SaveToBytes() const {
    TargaWriteInput input;
    input.image = image_;
    input.alpha = alpha_;
    input.targaType = targaType_;
    input.colorDepth = colorDepth_;
    input.imageID = imageID_;
    input.ditherMode = ditherMode_;
    return writeTarga(input, OnProgress);
}

void TTarga::SaveToStream(QIODevice& stream) const {
    const std::string bytes = SaveToBytes();
    if (stream.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        throw TargaError("Writing the TGA stream failed: " + stream.errorString().toStdString());
}

void TTarga::SaveToFile(const std::string& fileName) const {
    if (!endsWithNoCase(fileName, ".bmp")) {
        writeFileAtomic(fileName, SaveToBytes());
        return;
    }
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    if (!image_.save(&buffer, "BMP"))
        throw TargaError("An empty picture cannot be saved as a bitmap: " + fileName);
    writeFileAtomic(fileName, bitmap.toStdString());
}

void TTarga::Assign(const TTarga& source) {
    if (&source == this)
        return;
    image_ = source.image_;
    alpha_ = source.alpha_;
    targaType_ = source.targaType_;
    colorDepth_ = source.colorDepth_;
    includeAlpha_ = source.includeAlpha_;
    imageID_ = source.imageID_;
    Changed();
}

void TTarga::Draw(QPainter& painter, const QRect& rect) const {
    if (!Empty())
        painter.drawImage(rect, image_);
}

void TTarga::Changed() {
    if (OnChange)
        OnChange();
}

void TTarga::SetImage(const QImage& image) {
    image_ = as32Bit(image);
}

void TTarga::SetAlphaImage(const QImage& alpha) {
    alpha_ = as32Bit(alpha);
}

void TTarga::SetImageID(const std::string& id) {
    imageID_ = id.substr(0, 255);
}

void TTarga::LoadFromImage(const QImage& image) {
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
    targaType_ = TTargaType::ttTrueColorImage;
    colorDepth_ = hasAlpha ? TTargaColorDepthType::cd32bit : TTargaColorDepthType::cd24bit;
    includeAlpha_ = hasAlpha;
    Changed();
}

QImage TTarga::ToImage() const {
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
