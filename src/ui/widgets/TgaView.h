#pragma once

#include "core/images/TgaImage.h"

#include <QWidget>
#include <memory>

namespace velkarn {

// What the display control paints: the colors or the alpha channel as grey.
enum class TgaViewType { Colors, AlphaChannel, UseAlphaChannel };

// Shows one TGA picture, which it owns, stretched or at natural size. Keeps the picture's kind
// (tgaType, colorDepth, alpha) as properties with fixed rules between them and writes them
// back to the picture after every change.
class TgaView : public QWidget {
    Q_OBJECT

public:
    explicit TgaView(QWidget* parent = nullptr);
    ~TgaView() override;

    const TgaImage& tga() const { return *tga_; }
    TgaImage& tga() { return *tga_; }
    // Replaces the picture by a copy of `picture` and takes over its kind and imageID.
    void setTga(const TgaImage& picture);

    // Loads into the picture; throws what TgaImage's loads throw, keeping the old picture then.
    void loadFromFile(const std::string& fileName);
    void loadFromBytes(std::string_view bytes);

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    bool stretch() const { return stretch_; }
    void setStretch(bool on);
    TgaViewType viewType() const { return viewType_; }
    void setViewType(TgaViewType type);
    DitherMode ditherMode() const { return ditherMode_; }
    void setDitherMode(DitherMode mode);

    TgaType tgaType() const { return tgaType_; }
    void setTgaType(TgaType type);
    ColorDepth colorDepth() const { return colorDepth_; }
    void setColorDepth(ColorDepth depth);
    bool includeAlphaChannel() const { return includeAlpha_; }
    void setIncludeAlphaChannel(bool include);
    const std::string& imageID() const { return imageID_; }
    // Keeps the first 255 characters, in the control and in the picture.
    void setImageID(const std::string& id);

    // Exchanges the picture with the clipboard as an image (with alpha when the picture has
    // it). Pasting does nothing when the clipboard holds no image.
    void copyToClipboard() const;
    void pasteFromClipboard();

signals:
    void changed();
    void progress(const velkarn::TgaProgress& report);
    void mouseEnter();
    void mouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void hook(TgaImage& picture);
    void pictureChanged();
    void writeKindToPicture();
    void sizeToPicture();

    std::unique_ptr<TgaImage> tga_;
    bool autoSize_ = false;
    bool stretch_ = false;
    TgaViewType viewType_ = TgaViewType::Colors;
    DitherMode ditherMode_ = DitherMode::Nearest;
    TgaType tgaType_ = TgaType::NoImageData;
    ColorDepth colorDepth_ = ColorDepth::Bits8;
    bool includeAlpha_ = false;
    std::string imageID_;
};

} // namespace velkarn
