#include "ui/widgets/TgaView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

namespace velkarn {

namespace {

bool isTrueColor(TgaType t) {
    return t == TgaType::TrueColor || t == TgaType::RunLengthTrueColor;
}

bool isEightBitKind(TgaType t) {
    return t == TgaType::ColorMapped || t == TgaType::Grayscale ||
           t == TgaType::RunLengthColorMapped || t == TgaType::RunLengthGrayscale;
}

// The type that colour depths above 8 bits turn a colour-mapped or grey type into.
TgaType trueColorFor(TgaType t) {
    switch (t) {
    case TgaType::ColorMapped:
    case TgaType::Grayscale:
        return TgaType::TrueColor;
    case TgaType::RunLengthColorMapped:
    case TgaType::RunLengthGrayscale:
        return TgaType::RunLengthTrueColor;
    default:
        return t;
    }
}

// The identification up to its first zero byte.
std::string textOf(const std::string& id) {
    return id.substr(0, id.find('\0'));
}

} // namespace

TgaView::TgaView(QWidget* parent) : QWidget(parent), targa_(std::make_unique<TgaImage>()) {
    resize(50, 50);
    hook(*targa_);
    targa_->setDitherMode(ditherMode_);
}

TgaView::~TgaView() = default;

void TgaView::hook(TgaImage& picture) {
    picture.onChanged = [this] { pictureChanged(); };
    picture.onProgress = [this](const TgaProgress& report) { emit progress(report); };
}

void TgaView::loadFromFile(const std::string& fileName) {
    targa_->loadFromFile(fileName);
}

void TgaView::loadFromBytes(std::string_view bytes) {
    targa_->loadFromBytes(bytes);
}

void TgaView::setTarga(const TgaImage& picture) {
    auto copy = std::make_unique<TgaImage>();
    copy->copyFrom(picture);
    copy->setDitherMode(ditherMode_);
    hook(*copy);
    targa_ = std::move(copy);
    pictureChanged();
    setTargaType(targa_->targaType());
    setColorDepth(targa_->colorDepth());
    setIncludeAlphaChannel(targa_->includeAlphaChannel());
    setImageID(textOf(targa_->imageID()));
}

// The order matters: each setter reads what the previous one left in the picture.
void TgaView::pictureChanged() {
    emit changed();
    if (autoSize_ && targa_->width() > 0 && targa_->height() > 0)
        sizeToPicture();
    setTargaType(targa_->targaType());
    setColorDepth(targa_->colorDepth());
    setIncludeAlphaChannel(targa_->includeAlphaChannel());
    setImageID(textOf(targa_->imageID()));
    update();
}

void TgaView::writeKindToPicture() {
    targa_->setTargaType(targaType_);
    targa_->setColorDepth(colorDepth_);
    targa_->setIncludeAlphaChannel(includeAlpha_);
}

void TgaView::sizeToPicture() {
    resize(targa_->width(), targa_->height());
}

void TgaView::setAutoSize(bool on) {
    if (on == autoSize_)
        return;
    autoSize_ = on;
    if (on && !targa_->isEmpty()) {
        sizeToPicture();
        update();
    }
}

void TgaView::setStretch(bool on) {
    if (on == stretch_)
        return;
    stretch_ = on;
    update();
}

void TgaView::setViewType(TgaViewType type) {
    if (type == viewType_)
        return;
    viewType_ = type;
    update();
}

void TgaView::setDitherMode(DitherMode mode) {
    if (mode == ditherMode_)
        return;
    ditherMode_ = mode;
    targa_->setDitherMode(mode);
}

void TgaView::setTargaType(TgaType type) {
    if (type == targaType_)
        return;
    targaType_ = type;
    if (includeAlpha_ && !isTrueColor(type))
        includeAlpha_ = false;
    if (isEightBitKind(type))
        colorDepth_ = ColorDepth::Bits8;
    else if (isTrueColor(type) && colorDepth_ == ColorDepth::Bits8)
        colorDepth_ = ColorDepth::Bits24;
    writeKindToPicture();
}

void TgaView::setColorDepth(ColorDepth depth) {
    if (depth == colorDepth_)
        return;
    colorDepth_ = depth;
    includeAlpha_ = depth == ColorDepth::Bits32;
    if (depth == ColorDepth::Bits8) {
        if (targaType_ == TgaType::TrueColor)
            targaType_ = TgaType::ColorMapped;
        else if (targaType_ == TgaType::RunLengthTrueColor)
            targaType_ = TgaType::RunLengthColorMapped;
    } else {
        targaType_ = trueColorFor(targaType_);
    }
    writeKindToPicture();
}

void TgaView::setIncludeAlphaChannel(bool include) {
    if (include == includeAlpha_)
        return;
    includeAlpha_ = include;
    if (include) {
        if (targaType_ != TgaType::RunLengthTrueColor)
            targaType_ = TgaType::TrueColor;
        colorDepth_ = ColorDepth::Bits32;
    } else if (colorDepth_ == ColorDepth::Bits32) {
        colorDepth_ = ColorDepth::Bits24;
    }
    writeKindToPicture();
}

void TgaView::setImageID(const std::string& id) {
    const std::string cut = id.substr(0, 255);
    if (cut == imageID_)
        return;
    imageID_ = cut;
    targa_->setImageID(cut);
    writeKindToPicture();
}

void TgaView::copyToClipboard() const {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setImage(targa_->toImage());
}

void TgaView::pasteFromClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    const QImage image = clipboard->image();
    if (!image.isNull())
        targa_->loadFromImage(image);
}

void TgaView::paintEvent(QPaintEvent*) {
    const QImage& picture =
        viewType_ == TgaViewType::AlphaChannel ? targa_->alphaImage() : targa_->image();
    if (picture.isNull())
        return;
    QPainter painter(this);
    if (stretch_)
        painter.drawImage(rect(), picture);
    else
        painter.drawImage(0, 0, picture);
}

void TgaView::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit mouseEnter();
}

void TgaView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit mouseLeave();
}

} // namespace velkarn
