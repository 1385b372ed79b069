#pragma once

#include "core/content/Levelshot.h"
#include "core/setup/SetupRecords.h"
#include "ui/widgets/TgaView.h"

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <deque>
#include <string>
#include <utility>

namespace velkarn {

// The map preview: a map's levelshot as a JPEG (in "jpegLabel") or as a TGA (in "tgaView"),
// both in the same place, at most one of them visible. The picture grows with the preview,
// keeping its own proportions, and is never smaller than 128 by 128 allows. A picture is kept at
// most LargestShown on a side, however large it is stored (reduced while it is decoded), and the
// last few maps' pictures are kept so that choosing them again reads no archive.
class LevelshotPreview : public QWidget {
    Q_OBJECT
public:
    static constexpr int MinimumSide = 128;
    static constexpr int LargestShown = 1024;
    static constexpr std::size_t RecentPictures = 4;

    explicit LevelshotPreview(QWidget* parent = nullptr);

    // Shows the levelshot of `mapName` from the archive of `map`. A map without one, an archive
    // that cannot be read and a picture that cannot be decoded show nothing, without a message.
    void preview(const MapFile& map, const std::string& mapName);
    // Shows nothing.
    void clear();

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Picture {
        QImage image;
        bool tga = false; // shown in tgaView, else in jpegLabel
    };
    static QImage decodeLevelshot(const Levelshot& shot);
    void showPicture(const Picture& picture);
    void showJpeg(const QImage& picture);
    void showNoJpeg();
    void describe(const QString& shown);
    // Places the visible picture in the largest rectangle of its proportions that fits.
    void fitPicture();

    QLabel* jpegLabel_;
    TgaView* tgaView_;
    QImage jpeg_;
    std::deque<std::pair<std::string, Picture>> recent_; // newest first, by archive and map
};

} // namespace velkarn
