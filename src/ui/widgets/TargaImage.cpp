#include "ui/widgets/TargaImage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

namespace velkarn {

namespace {

bool isTrueColor(TTargaType t) {
    return t == TTargaType::ttTrueColorImage || t == TTargaType::ttRLETrueColorImage;
}

bool isEightBitKind(TTargaType t) {
    return t == TTargaType::ttColorMapedImage || t == TTargaType::ttBlackAndWhiteImage ||
           t == TTargaType::ttRLEColorMapedImage || t == TTargaType::ttRLEBlackAndWhiteImage;
}

// The type that colour depths above 8 bits turn a colour-mapped or grey type into.
TTargaType trueColorFor(TTargaType t) {
    switch (t) {
    case TTargaType::ttColorMapedImage:
    case TTargaType::ttBlackAndWhiteImage:
        return TTargaType::ttTrueColorImage;
    case TTargaType::ttRLEColorMapedImage:
    case TTargaType::ttRLEBlackAndWhiteImage:
        return TTargaType::ttRLETrueColorImage;
    default:
        return t;
    }
}

// The identification up to its first zero byte.
std::string textOf(const std::string& id) {
    return id.substr(0, id.find('\0'));
}

} // namespace

TTargaImage::TTargaImage(QWidget* parent) : QWidget(parent), targa_(std::make_unique<TTarga>()) {
    resize(50, 50);
    hook(*targa_);
    targa_->SetDitherMode(ditherMode_);
}

TTargaImage::~TTargaImage() = default;

void TTargaImage::hook(TTarga& picture) {
    picture.OnChange = [this] { pictureChanged(); };
    picture.OnProgress = [this](const TTargaProgress& report) { emit progress(report); };
}

void TTargaImage::loadFromFile(const std::string& fileName) {
    targa_->LoadFromFile(fileName);
}

void TTargaImage::loadFromBytes(std::string_view bytes) {
    targa_->LoadFromBytes(bytes);
}

void TTargaImage::setTarga(const TTarga& picture) {
    auto copy = std::make_unique<TTarga>();
    copy->Assign(picture);
    copy->SetDitherMode(ditherMode_);
    hook(*copy);
    targa_ = std::move(copy);
    pictureChanged();
    setTargaType(targa_->TargaType());
    setColorDepth(targa_->ColorDepth());
    setIncludeAlphaChannel(targa_->IncludeAlphaChannel());
    setImageID(textOf(targa_->ImageID()));
}

// The order matters: each setter reads what the previous one left in the picture.
void TTargaImage::pictureChanged() {
    emit changed();
    if (autoSize_ && targa_->Width() > 0 && targa_->Height() > 0)
        sizeToPicture();
    setTargaType(targa_->TargaType());
    setColorDepth(targa_->ColorDepth());
    setIncludeAlphaChannel(targa_->IncludeAlphaChannel());
    setImageID(textOf(targa_->ImageID()));
    update();
}

void TTargaImage::writeKindToPicture() {
    targa_->SetTargaType(targaType_);
    targa_->SetColorDepth(colorDepth_);
    targa_->SetIncludeAlphaChannel(includeAlpha_);
}

void TTargaImage::sizeToPicture() {
    resize(targa_->Width(), targa_->Height());
}

void TTargaImage::setAutoSize(bool on) {
    if (on == autoSize_)
        return;
    autoSize_ = on;
    if (on && !targa_->Empty()) {
        sizeToPicture();
        update();
    }
}

void TTargaImage::setStretch(bool on) {
    if (on == stretch_)
        return;
    stretch_ = on;
    update();
}

void TTargaImage::setViewType(TTargaViewType type) {
    if (type == viewType_)
        return;
    viewType_ = type;
    update();
}

void TTargaImage::setDitherMode(TDitherMode mode) {
    if (mode == ditherMode_)
        return;
    ditherMode_ = mode;
    targa_->SetDitherMode(mode);
}

void TTargaImage::setTargaType(TTargaType type) {
    if (type == targaType_)
        return;
    targaType_ = type;
    if (includeAlpha_ && !isTrueColor(type))
        includeAlpha_ = false;
    if (isEightBitKind(type))
        colorDepth_ = TTargaColorDepthType::cd8bit;
    else if (isTrueColor(type) && colorDepth_ == TTargaColorDepthType::cd8bit)
        colorDepth_ = TTargaColorDepthType::cd24bit;
    writeKindToPicture();
}

void TTargaImage::setColorDepth(TTargaColorDepthType depth) {
    if (depth == colorDepth_)
        return;
    colorDepth_ = depth;
    includeAlpha_ = depth == TTargaColorDepthType::cd32bit;
    if (depth == TTargaColorDepthType::cd8bit) {
        if (targaType_ == TTargaType::ttTrueColorImage)
            targaType_ = TTargaType::ttColorMapedImage;
        else if (targaType_ == TTargaType::ttRLETrueColorImage)
            targaType_ = TTargaType::ttRLEColorMapedImage;
    } else {
        targaType_ = trueColorFor(targaType_);
    }
    writeKindToPicture();
}

void TTargaImage::setIncludeAlphaChannel(bool include) {
    if (include == includeAlpha_)
        return;
    includeAlpha_ = include;
    if (include) {
        if (targaType_ != TTargaType::ttRLETrueColorImage)
            targaType_ = TTargaType::ttTrueColorImage;
        colorDepth_ = TTargaColorDepthType::cd32bit;
    } else if (colorDepth_ == TTargaColorDepthType::cd32bit) {
        colorDepth_ = TTargaColorDepthType::cd24bit;
    }
    writeKindToPicture();
}

void TTargaImage::setImageID(const std::string& id) {
    const std::string cut = id.substr(0, 255);
    if (cut == imageID_)
        return;
    imageID_ = cut;
    targa_->SetImageID(cut);
    writeKindToPicture();
}

void TTargaImage::copyToClipboard() const {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setImage(targa_->ToImage());
}

void TTargaImage::pasteFromClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    const QImage image = clipboard->image();
    if (!image.isNull())
        targa_->LoadFromImage(image);
}

void TTargaImage::paintEvent(QPaintEvent*) {
    const QImage& picture =
        viewType_ == TTargaViewType::tvAlphaChannel ? targa_->AlphaImage() : targa_->Image();
    if (picture.isNull())
        return;
    QPainter painter(this);
    if (stretch_)
        painter.drawImage(rect(), picture);
    else
        painter.drawImage(0, 0, picture);
}

void TTargaImage::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit mouseEnter();
}

void TTargaImage::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit mouseLeave();
}

} // namespace velkarn
