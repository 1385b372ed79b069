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

// The type that color depths above 8 bits turn a color-mapped or grey type into.
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

TgaView::TgaView(QWidget* parent) : QWidget(parent), tga_(std::make_unique<TgaImage>()) {
    resize(50, 50);
    hook(*tga_);
    tga_->setDitherMode(ditherMode_);
}

TgaView::~TgaView() = default;

void TgaView::hook(TgaImage& picture) {
    picture.onChanged = [this] { pictureChanged(); };
    picture.onProgress = [this](const TgaProgress& report) { emit progress(report); };
}

void TgaView::loadFromFile(const std::string& fileName) {
    tga_->loadFromFile(fileName);
}

void TgaView::loadFromBytes(std::string_view bytes) {
    tga_->loadFromBytes(bytes);
}

void TgaView::setTga(const TgaImage& picture) {
    auto copy = std::make_unique<TgaImage>();
    copy->copyFrom(picture);
    copy->setDitherMode(ditherMode_);
    hook(*copy);
    tga_ = std::move(copy);
    pictureChanged();
    setTgaType(tga_->tgaType());
    setColorDepth(tga_->colorDepth());
    setIncludeAlphaChannel(tga_->includeAlphaChannel());
    setImageID(textOf(tga_->imageID()));
}

// The order matters: each setter reads what the previous one left in the picture.
void TgaView::pictureChanged() {
    emit changed();
    if (autoSize_ && tga_->width() > 0 && tga_->height() > 0)
        sizeToPicture();
    setTgaType(tga_->tgaType());
    setColorDepth(tga_->colorDepth());
    setIncludeAlphaChannel(tga_->includeAlphaChannel());
    setImageID(textOf(tga_->imageID()));
    update();
}

void TgaView::writeKindToPicture() {
    tga_->setTgaType(tgaType_);
    tga_->setColorDepth(colorDepth_);
    tga_->setIncludeAlphaChannel(includeAlpha_);
}

void TgaView::sizeToPicture() {
    resize(tga_->width(), tga_->height());
}

void TgaView::setAutoSize(bool on) {
    if (on == autoSize_)
        return;
    autoSize_ = on;
    if (on && !tga_->isEmpty()) {
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
    tga_->setDitherMode(mode);
}

void TgaView::setTgaType(TgaType type) {
    if (type == tgaType_)
        return;
    tgaType_ = type;
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
        if (tgaType_ == TgaType::TrueColor)
            tgaType_ = TgaType::ColorMapped;
        else if (tgaType_ == TgaType::RunLengthTrueColor)
            tgaType_ = TgaType::RunLengthColorMapped;
    } else {
        tgaType_ = trueColorFor(tgaType_);
    }
    writeKindToPicture();
}

void TgaView::setIncludeAlphaChannel(bool include) {
    if (include == includeAlpha_)
        return;
    includeAlpha_ = include;
    if (include) {
        if (tgaType_ != TgaType::RunLengthTrueColor)
            tgaType_ = TgaType::TrueColor;
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
    tga_->setImageID(cut);
    writeKindToPicture();
}

void TgaView::copyToClipboard() const {
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setImage(tga_->toImage());
}

void TgaView::pasteFromClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    const QImage image = clipboard->image();
    if (!image.isNull())
        tga_->loadFromImage(image);
}

void TgaView::paintEvent(QPaintEvent*) {
    const QImage& picture =
        viewType_ == TgaViewType::AlphaChannel ? tga_->alphaImage() : tga_->image();
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
