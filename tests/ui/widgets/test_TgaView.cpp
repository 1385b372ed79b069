#include "core/images/TgaBytes.h"
#include "ui/widgets/TgaView.h"

#include <QClipboard>
#include <QEnterEvent>
#include <QGuiApplication>
#include <gtest/gtest.h>
#include <memory>

using namespace velkarn;
using namespace velkarn::test;

namespace {

using T = TgaType;
using D = ColorDepth;

// A top-down 2 x 2 picture of 32 bits: red, green / blue, white, with alphas 10, 20, 30, 40.
std::string thirtyTwoBitFile() {
    return tgaHeader({.width = 2, .height = 2, .pixelDepth = 32, .descriptor = 0x20}) +
           bytes({0, 0, 255, 10, 0, 255, 0, 20, 255, 0, 0, 30, 255, 255, 255, 40});
}

// The map preview's control.
struct PreviewControl : TgaView {
    PreviewControl() {
        resize(128, 128);
        setStretch(true);
    }
};

void expectKind(const TgaView& control, T type, D depth, bool alpha) {
    EXPECT_EQ(control.tgaType(), type);
    EXPECT_EQ(control.colorDepth(), depth);
    EXPECT_EQ(control.includeAlphaChannel(), alpha);
    EXPECT_EQ(control.tga().tgaType(), type);
    EXPECT_EQ(control.tga().colorDepth(), depth);
    EXPECT_EQ(control.tga().includeAlphaChannel(), alpha);
}

// Counts the emissions of one signal.
template <typename Signal> std::shared_ptr<int> countOf(TgaView& control, Signal signal) {
    auto count = std::make_shared<int>(0);
    QObject::connect(&control, signal, [count] { ++*count; });
    return count;
}

QRgb shown(TgaView& control, int x, int y) {
    return control.grab().toImage().pixel(x, y) & 0xFFFFFF;
}

} // namespace

TEST(TgaView, StartsAsAnEmptyControl) {
    TgaView control;
    EXPECT_EQ(control.size(), QSize(50, 50));
    EXPECT_EQ(control.tgaType(), T::NoImageData);
    EXPECT_EQ(control.colorDepth(), D::Bits8);
    EXPECT_FALSE(control.includeAlphaChannel());
    EXPECT_EQ(control.ditherMode(), DitherMode::Nearest);
    EXPECT_EQ(control.viewType(), TgaViewType::Colors);
    EXPECT_TRUE(control.tga().isEmpty());
    control.grab(); // painting an empty picture paints nothing
}

TEST(TgaView, LoadingThirtyTwoBitsTakesTheTypeRuleFirst) {
    PreviewControl control;
    const auto changed = countOf(control, &TgaView::changed);
    const auto progress = countOf(control, &TgaView::progress);
    control.loadFromBytes(thirtyTwoBitFile());
    expectKind(control, T::TrueColor, D::Bits24, false);
    EXPECT_EQ(*changed, 1);
    EXPECT_EQ(*progress, 4);
    EXPECT_EQ(control.size(), QSize(128, 128)) << "AutoSize is off";
}

TEST(TgaView, ColorDepthRules) {
    TgaView control;
    control.setTgaType(T::Grayscale);
    control.setColorDepth(D::Bits32);
    expectKind(control, T::TrueColor, D::Bits32, true);

    control.setColorDepth(D::Bits8);
    expectKind(control, T::ColorMapped, D::Bits8, false);

    control.setTgaType(T::RunLengthGrayscale);
    control.setColorDepth(D::Bits16);
    expectKind(control, T::RunLengthTrueColor, D::Bits16, false);
    control.setColorDepth(D::Bits8);
    expectKind(control, T::RunLengthColorMapped, D::Bits8, false);
}

TEST(TgaView, TypeAndAlphaRules) {
    TgaView control;
    control.setTgaType(T::RunLengthTrueColor);
    expectKind(control, T::RunLengthTrueColor, D::Bits24, false);
    control.setIncludeAlphaChannel(true);
    expectKind(control, T::RunLengthTrueColor, D::Bits32, true);
    control.setTgaType(T::Grayscale);
    expectKind(control, T::Grayscale, D::Bits8, false);

    control.setIncludeAlphaChannel(true);
    expectKind(control, T::TrueColor, D::Bits32, true);
    control.setTgaType(T::NoImageData);
    expectKind(control, T::NoImageData, D::Bits32, false);
    control.setIncludeAlphaChannel(false);
    expectKind(control, T::NoImageData, D::Bits32, false); // unchanged value: no effect
    control.setIncludeAlphaChannel(true);
    control.setIncludeAlphaChannel(false);
    expectKind(control, T::TrueColor, D::Bits24, false);
}

TEST(TgaView, ImageIDIsCutAndTakenUpToItsFirstZero) {
    TgaView control;
    control.setImageID(std::string(300, 'a'));
    EXPECT_EQ(control.imageID(), std::string(255, 'a'));
    EXPECT_EQ(control.tga().imageID(), std::string(255, 'a'));

    control.loadFromBytes(tgaHeader({.idLength = 5}) + std::string("ab\0cd", 5) + bytes({1, 2, 3}));
    EXPECT_EQ(control.imageID(), "ab");
    EXPECT_EQ(control.tga().imageID(), "ab");
}

TEST(TgaView, AutoSizeFollowsThePicture) {
    TgaView control;
    control.loadFromBytes(tgaHeader({.width = 7, .height = 5}) + std::string(105, '\0'));
    EXPECT_EQ(control.size(), QSize(50, 50));
    control.setAutoSize(true);
    EXPECT_EQ(control.size(), QSize(7, 5));
    control.loadFromBytes(tgaHeader({.width = 3, .height = 9}) + std::string(81, '\0'));
    EXPECT_EQ(control.size(), QSize(3, 9));
}

TEST(TgaView, SetTgaTakesACopy) {
    TgaImage source;
    source.loadFromBytes(thirtyTwoBitFile());
    source.setImageID("copy");
    TgaView control;
    control.setDitherMode(DitherMode::FloydSteinberg);
    const auto changed = countOf(control, &TgaView::changed);
    control.setTga(source);
    EXPECT_EQ(*changed, 1);
    EXPECT_EQ(control.imageID(), "copy");
    expectKind(control, T::TrueColor, D::Bits24, false);
    EXPECT_EQ(control.tga().ditherMode(), DitherMode::FloydSteinberg);
    source.loadFromBytes(tgaHeader({.width = 1, .height = 1}) + bytes({0, 0, 0}));
    EXPECT_EQ(control.tga().width(), 2) << "the control holds its own copy";

    // The copy still reports to the control.
    control.loadFromBytes(tgaHeader({.width = 4, .height = 1}) + std::string(12, '\0'));
    EXPECT_EQ(*changed, 2);
}

TEST(TgaView, PaintsColorsOrAlphaStretchedOrNot) {
    TgaView control;
    control.resize(4, 4);
    control.loadFromBytes(thirtyTwoBitFile());
    EXPECT_EQ(shown(control, 1, 0), 0x00FF00u);
    EXPECT_NE(shown(control, 3, 3), 0xFFFFFFu) << "natural size leaves the rest unpainted";

    control.setStretch(true);
    EXPECT_EQ(shown(control, 3, 3), 0xFFFFFFu);
    EXPECT_EQ(shown(control, 2, 1), 0x00FF00u);

    control.setViewType(TgaViewType::AlphaChannel);
    EXPECT_EQ(shown(control, 0, 3), 0x1E1E1Eu);
    control.setViewType(TgaViewType::UseAlphaChannel);
    EXPECT_EQ(shown(control, 0, 3), 0x0000FFu);
}

TEST(TgaView, ClipboardExchange) {
    TgaImage source;
    source.loadFromBytes(thirtyTwoBitFile());
    TgaView from;
    from.setTga(source);
    from.setColorDepth(D::Bits32); // the control keeps the alpha the file brought
    from.copyToClipboard();

    TgaView to;
    to.pasteFromClipboard();
    EXPECT_EQ(to.tga().width(), 2);
    EXPECT_EQ(to.tga().image().pixel(0, 1) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(to.tga().alphaImage().pixel(1, 1) & 0xFF, 40u);
    // As for a loaded 32-bit file, the type rule runs first and turns the alpha flag off.
    expectKind(to, T::TrueColor, D::Bits24, false);

    QGuiApplication::clipboard()->setText("not a picture");
    to.pasteFromClipboard();
    EXPECT_EQ(to.tga().width(), 2) << "no image on the clipboard changes nothing";
}

TEST(TgaView, ReportsMouseEnterAndLeave) {
    TgaView control;
    const auto entered = countOf(control, &TgaView::mouseEnter);
    const auto left = countOf(control, &TgaView::mouseLeave);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&control, &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&control, &leave);
    EXPECT_EQ(*entered, 1);
    EXPECT_EQ(*left, 1);
}

TEST(TgaView, FailedLoadKeepsThePicture) {
    TgaView control;
    control.loadFromBytes(thirtyTwoBitFile());
    EXPECT_THROW(control.loadFromBytes(tgaHeader({.width = 65535, .height = 65535})), TgaError);
    EXPECT_EQ(control.tga().width(), 2);
}
