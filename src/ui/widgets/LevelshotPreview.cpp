#include "ui/widgets/LevelshotPreview.h"

#include "core/content/Levelshot.h"
#include "core/images/JpegDecoder.h"
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
        showJpeg(cached->second);
        describe(shown);
        return;
    }
    for (const Levelshot& shot : readLevelshots(map.archivePath, mapName)) {
        if (shot.format == Levelshot::Tga) {
            if (!showTga(shot.bytes))
                continue;
            describe(shown);
            return;
        }
        const QImage picture = decodeJpeg(shot.bytes, QSize(LargestShown, LargestShown));
        if (picture.isNull())
            continue;
        recent_.emplace_front(key, picture);
        if (recent_.size() > RecentPictures)
            recent_.pop_back();
        showJpeg(picture);
        describe(shown);
        return;
    }
    clear();
    describe("No levelshot of " + local(mapName));
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

bool LevelshotPreview::showTga(const std::string& bytes) {
    try {
        tgaView_->loadFromBytes(bytes);
    } catch (const std::exception&) {
        return false; // a damaged levelshot is no reason to interrupt choosing a map
    }
    if (tgaView_->tga().width() == 0 || tgaView_->tga().height() == 0)
        return false; // a header cut short reads as an empty picture
    showNoJpeg();
    tgaView_->show();
    fitPicture();
    return true;
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
