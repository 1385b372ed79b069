#include "ui/widgets/LevelshotPreview.h"

#include "core/content/Levelshot.h"
#include "core/images/JpegDecoder.h"
#include "core/images/TgaReader.h"
#include "core/platform/FileSystem.h"
#include "ui/widgets/LocalText.h"

#include <QPixmap>
#include <QResizeEvent>
#include <algorithm>
#include <exception>

namespace velkarn {

LevelshotPreview::LevelshotPreview(QWidget* parent) : QWidget(parent) {
    setObjectName("preview");
    setMinimumSize(MinimumSide, MinimumSide);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    jpegLabel_ = new QLabel(this);
    jpegLabel_->setObjectName("jpegLabel");
    jpegLabel_->hide();
    tgaView_ = new TgaView(this);
    tgaView_->setObjectName("tgaView");
    tgaView_->setStretch(true);
    tgaView_->setColorDepth(ColorDepth::Bits8);
    tgaView_->setDitherMode(DitherMode::Nearest);
    tgaView_->hide();
    describe("No map chosen");
}

QSize LevelshotPreview::sizeHint() const {
    return {2 * MinimumSide, 3 * MinimumSide / 2};
}

void LevelshotPreview::preview(const MapFile& map, const std::string& mapName) {
    // The archive's size and time tell a changed archive under the same name.
    FileState archive;
    fileState(map.archivePath, archive);
    const std::string key = map.archivePath + '\n' + mapName + '\n' + std::to_string(archive.size) +
                            ' ' + std::to_string(archive.modifiedSeconds);
    const QString shown = "Levelshot of " + local(mapName);
    const auto cached = std::find_if(recent_.begin(), recent_.end(),
                                     [&key](const auto& shot) { return shot.first == key; });
    if (cached != recent_.end()) {
        showPicture(cached->second);
        describe(shown);
        return;
    }
    for (const Levelshot& shot : readLevelshots(map.archivePath, mapName)) {
        const Picture picture{decodeLevelshot(shot), shot.format == Levelshot::Tga};
        if (picture.image.isNull())
            continue;
        recent_.emplace_front(key, picture);
        if (recent_.size() > RecentPictures)
            recent_.pop_back();
        showPicture(picture);
        describe(shown);
        return;
    }
    clear();
    describe("No levelshot of " + local(mapName));
}

// Both kinds are reduced as they are decoded, so a huge picture never costs its full size; a
// damaged one is no reason to interrupt choosing a map, and shows nothing.
QImage LevelshotPreview::decodeLevelshot(const Levelshot& shot) {
    if (shot.format != Levelshot::Tga)
        return decodeJpeg(shot.bytes, QSize(LargestShown, LargestShown));
    try {
        return readTgaReduced(shot.bytes, LargestShown);
    } catch (const std::exception&) {
        return {};
    }
}

void LevelshotPreview::clear() {
    showNoJpeg();
    tgaView_->hide();
    describe("No map chosen");
}

// A screen reader cannot see the picture: the preview and both pictures say what is shown.
void LevelshotPreview::describe(const QString& shown) {
    for (QWidget* part : {static_cast<QWidget*>(this), static_cast<QWidget*>(jpegLabel_),
                          static_cast<QWidget*>(tgaView_)}) {
        part->setAccessibleName("Levelshot");
        part->setAccessibleDescription(shown);
    }
}

void LevelshotPreview::showJpeg(const QImage& picture) {
    jpeg_ = picture;
    tgaView_->hide();
    jpegLabel_->show();
    fitPicture();
}

// The hidden picture is let go rather than kept until the next JPEG.
void LevelshotPreview::showNoJpeg() {
    jpeg_ = QImage();
    jpegLabel_->clear();
    jpegLabel_->hide();
}

void LevelshotPreview::showPicture(const Picture& picture) {
    if (!picture.tga) {
        showJpeg(picture.image);
        return;
    }
    tgaView_->tga().loadFromImage(picture.image);
    showNoJpeg();
    tgaView_->show();
    fitPicture();
}

void LevelshotPreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitPicture();
}

void LevelshotPreview::fitPicture() {
    const bool jpeg = !jpegLabel_->isHidden();
    const QSize picture =
        jpeg ? jpeg_.size() : QSize(tgaView_->tga().width(), tgaView_->tga().height());
    if (picture.isEmpty())
        return;
    const QSize fitted = picture.scaled(size(), Qt::KeepAspectRatio);
    const QRect place(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                      fitted);
    if (jpeg) {
        jpegLabel_->setGeometry(place);
        jpegLabel_->setPixmap(QPixmap::fromImage(
            jpeg_.scaled(fitted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    } else {
        tgaView_->setGeometry(place);
    }
}

} // namespace velkarn
