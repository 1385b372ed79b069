#include "ui/widgets/LevelshotPreview.h"

#include "core/content/Levelshot.h"
#include "core/images/JpegDecoder.h"

#include <QPixmap>
#include <exception>

namespace velkarn {

LevelshotPreview::LevelshotPreview(QWidget* parent) : QWidget(parent) {
    setObjectName("preview");
    setFixedSize(Side, Side);
    jpegLabel = new QLabel(this);
    jpegLabel->setObjectName("jpegLabel");
    jpegLabel->setGeometry(0, 0, Side, Side);
    jpegLabel->hide();
    tgaView = new TgaView(this);
    tgaView->setObjectName("tgaView");
    tgaView->setGeometry(0, 0, Side, Side);
    tgaView->setStretch(true);
    tgaView->setColorDepth(ColorDepth::Bits8);
    tgaView->setDitherMode(DitherMode::Nearest);
    tgaView->hide();
}

void LevelshotPreview::preview(const MapFile& map, const std::string& mapName) {
    for (const Levelshot& shot : readLevelshots(map.archivePath, mapName))
        if (shot.format == Levelshot::Jpeg ? showJpeg(shot.bytes) : showTga(shot.bytes))
            return;
    jpegLabel->hide();
    tgaView->hide();
}

bool LevelshotPreview::showJpeg(const std::string& bytes) {
    const QImage picture = decodeJpeg(bytes);
    if (picture.isNull())
        return false;
    jpegLabel->setPixmap(QPixmap::fromImage(
        picture.scaled(Side, Side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    tgaView->hide();
    jpegLabel->show();
    return true;
}

bool LevelshotPreview::showTga(const std::string& bytes) {
    try {
        tgaView->loadFromBytes(bytes);
    } catch (const std::exception&) {
        return false; // a damaged levelshot is no reason to interrupt choosing a map
    }
    if (tgaView->tga().width() == 0 || tgaView->tga().height() == 0)
        return false; // a header cut short reads as an empty picture
    jpegLabel->hide();
    tgaView->show();
    return true;
}

} // namespace velkarn
