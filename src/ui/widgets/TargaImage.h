#pragma once

#include "core/images/Targa.h"

#include <QWidget>
#include <memory>

namespace velkarn {

// What the display control paints: the colours or the alpha channel as grey.
enum class TTargaViewType { tvBitmap, tvAlphaChannel, tvUseAlphaChannel };

// Shows one TGA picture, which it owns, stretched or at natural size. Keeps the picture's kind
// (TargaType, ColorDepth, alpha) as properties with fixed rules between them and writes them
// back to the picture after every change.
class TTargaImage : public QWidget {
    Q_OBJECT

public:
    explicit TTargaImage(QWidget* parent = nullptr);
    ~TTargaImage() override;

    const TTarga& targa() const { return *targa_; }
    TTarga& targa() { return *targa_; }
    // Replaces the picture by a copy of `picture` and takes over its kind and ImageID.
    void setTarga(const TTarga& picture);

    // Loads into the picture; throws what TTarga's loads throw, keeping the old picture then.
    void loadFromFile(const std::string& fileName);
    void loadFromBytes(std::string_view bytes);

    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool on);
    bool stretch() const { return stretch_; }
    void setStretch(bool on);
    TTargaViewType viewType() const { return viewType_; }
    void setViewType(TTargaViewType type);
    TDitherMode ditherMode() const { return ditherMode_; }
    void setDitherMode(TDitherMode mode);

    TTargaType targaType() const { return targaType_; }
    void setTargaType(TTargaType type);
    TTargaColorDepthType colorDepth() const { return colorDepth_; }
    void setColorDepth(TTargaColorDepthType depth);
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
    void progress(const velkarn::TTargaProgress& report);
    void mouseEnter();
    void mouseLeave();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void hook(TTarga& picture);
    void pictureChanged();
    void writeKindToPicture();
    void sizeToPicture();

    std::unique_ptr<TTarga> targa_;
    bool autoSize_ = false;
    bool stretch_ = false;
    TTargaViewType viewType_ = TTargaViewType::tvBitmap;
    TDitherMode ditherMode_ = TDitherMode::dmNearest;
    TTargaType targaType_ = TTargaType::ttNoImageData;
    TTargaColorDepthType colorDepth_ = TTargaColorDepthType::cd8bit;
    bool includeAlpha_ = false;
    std::string imageID_;
};

} // namespace velkarn
