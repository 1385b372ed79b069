#pragma once

#include "core/setup/SetupRecords.h"
#include "ui/widgets/TgaView.h"

#include <QLabel>
#include <QWidget>
#include <string>

namespace velkarn {

// The map preview: a map's levelshot, 128 by 128, as a JPEG in jpegLabel or as a TGA in
// tgaView, both in the same place; at most one of them is visible.
class LevelshotPreview : public QWidget {
    Q_OBJECT
public:
    static constexpr int Side = 128;

    explicit LevelshotPreview(QWidget* parent = nullptr);

    QLabel* jpegLabel;
    TgaView* tgaView;

    // Shows the levelshot of `mapName` from the archive of `map`. A map without one, an archive
    // that cannot be read and a picture that cannot be decoded show nothing, without a message.
    void preview(const MapFile& map, const std::string& mapName);

private:
    bool showJpeg(const std::string& bytes);
    bool showTga(const std::string& bytes);
};

} // namespace velkarn
