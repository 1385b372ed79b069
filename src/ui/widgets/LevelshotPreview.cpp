#include "ui/widgets/LevelshotPreview.h"

#include "core/content/Levelshot.h"
#include "core/images/JpegDecoder.h"

#include <QPixmap>
#include <exception>

namespace velkarn {

LevelshotPreview::LevelshotPreview(QWidget* parent) : QWidget(parent) {
    setObjectName("preview");
    setFixedSize(Side, Side);
    imgMap = new QLabel(this);
    imgMap->setObjectName("imgMap");
    imgMap->setGeometry(0, 0, Side, Side);
    imgMap->hide();
    TargaImage = new TTargaImage(this);
    TargaImage->setObjectName("TargaImage");
    TargaImage->setGeometry(0, 0, Side, Side);
    TargaImage->setStretch(true);
    TargaImage->setColorDepth(TTargaColorDepthType::cd8bit);
    TargaImage->setDitherMode(TDitherMode::dmNearest);
    TargaImage->hide();
}

void LevelshotPreview::preview(const AMapFile& map, const std::string& mapName) {
    for (const Levelshot& shot : ReadLevelshots(map.ArchivePath, mapName))
        if (shot.format == Levelshot::Jpeg ? showJpeg(shot.bytes) : showTga(shot.bytes))
            return;
    imgMap->hide();
    TargaImage->hide();
}

bool LevelshotPreview::showJpeg(const std::string& bytes) {
    const QImage picture = DecodeJpeg(bytes);
    if (picture.isNull())
        return false;
    imgMap->setPixmap(QPixmap::fromImage(
        picture.scaled(Side, Side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    TargaImage->hide();
    imgMap->show();
    return true;
}

bool LevelshotPreview::showTga(const std::string& bytes) {
    try {
        TargaImage->loadFromBytes(bytes);
    } catch (const std::exception&) {
        return false; // a damaged levelshot is no reason to interrupt choosing a map
    }
    if (TargaImage->targa().Width() == 0 || TargaImage->targa().Height() == 0)
        return false; // a header cut short reads as an empty picture
    imgMap->hide();
    TargaImage->show();
    return true;
}

} // namespace velkarn
